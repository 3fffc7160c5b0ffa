#pragma once
// The About window "intro" (title, version, the licence from license.txt, Accept / Do Not
// Accept) and the splash panel "flash" that stands down the left side of the main window in an
// interactive run and settles the two shared font names.
#include "core/AppState.h"
#include "core/WindowHelpers.h"
#include "platform/Controls.h"
#include "platform/EventPump.h"
#include "platform/Window.h"
#include "platform/WindowHost.h"
#include "shell/App.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::shell {

// The program's version; the same numbers as project(VERSION) in the top CMakeLists.txt.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
inline constexpr ProgramVersion kProgramVersion{0, 1, 0};

// "0.1.0"
[[nodiscard]] std::string versionNumbers(const ProgramVersion& version = kProgramVersion);
// The text of license.txt in `dataFolder` with every "prog_name" (any case) replaced by
// `title`. A missing or unreadable file gives an empty text; a read that fails half way gives
// what was read.
[[nodiscard]] std::string licenceText(const std::filesystem::path& dataFolder, std::string_view title = applicationTitle);

class AboutBox final : public platform::Window {
public:
    // `endProgram` ends the program at once, without unloading any window or saving anything.
    AboutBox(const core::AppState& state, platform::WindowHost& host, std::filesystem::path dataFolder,
             platform::EventPump& pump, std::function<void()> endProgram);

    platform::TextBox introText{"introText"}; // the licence; keys typed into it are swallowed
    platform::Label label1{"Label1"};         // title and version
    platform::Label label2{"Label2"};         // attribution line
    platform::Button but{"but"};              // "Accept"
    platform::Button command1{"Command1"};    // "Do Not Accept"

    static constexpr std::string_view kAttribution = "Written for the Corvalet project";

private:
    void onLoad();

    const core::AppState& m_state;
    platform::WindowHost& m_host;
    std::filesystem::path m_dataFolder;
    platform::EventPump& m_pump;
    std::function<void()> m_endProgram;
    std::vector<platform::Connection> m_connections;
};

// Where the splash panel's title and picture sit, in twips inside the panel.
struct SplashContent {
    int titleLeft = 0;
    int imageLeft = 0;
    int imageTop = 0;
    int loadingWidth = 0;
    bool operator==(const SplashContent&) const = default;
};

// 1.1 times the wider of the title label and the picture.
[[nodiscard]] int splashPanelWidth(int titleWidth, int imageWidth);
// The title centred and 30 twips to the right, the picture centred with one and a half picture
// heights of room below its top edge, the loading label as wide as the panel.
[[nodiscard]] SplashContent splashContent(int panelWidth, int panelHeight, int titleWidth, int imageWidth,
                                          int imageHeight);

class SplashPanel final : public platform::Window {
public:
    // Returns the family the system really supplies when `family` is asked for.
    using FontProbe = std::function<std::string(const std::string& family)>;

    SplashPanel(core::AppState& state, const platform::WindowHost& host, platform::EventPump& pump, FontProbe probe);

    // The view tells the panel the sizes of its title and picture (twips) before it shows.
    void setContentSizes(int titleWidth, int imageWidth, int imageHeight);
    // Height follows the main window's working area (at load, and whenever the view says the
    // area changed).
    void fitToWorkArea();

    platform::Label lblTitle{"lblTitle", 1};
    platform::Label verLab{"verLab"};
    platform::Label loLab{"loLab"};

    [[nodiscard]] const SplashContent& content() const { return m_content; }
    [[nodiscard]] int titleWidth() const { return m_titleWidth; }
    [[nodiscard]] int imageWidth() const { return m_imageWidth; }
    [[nodiscard]] int imageHeight() const { return m_imageHeight; }
    // The content places changed (the view moves its title, picture and loading label).
    platform::Signal<> contentChanged;

private:
    void onLoad();
    void onActivate();
    void layoutContent();

    core::AppState& m_state;
    const platform::WindowHost& m_host;
    platform::EventPump& m_pump;
    FontProbe m_probe;
    int m_titleWidth = 3000, m_imageWidth = 2400, m_imageHeight = 2400;
    SplashContent m_content;
    std::vector<platform::Connection> m_connections;
};

// The two shared font names after the probe: `fixedFontName` is what the system supplies for
// "Courier New"; `uiFontName` keeps the saved name when the system has that font, and takes
// what it supplies for "Arial" only when no name is saved or the saved font is not there.
void probeSharedFonts(core::AppState& state, const SplashPanel::FontProbe& probe);

} // namespace corvalet::shell

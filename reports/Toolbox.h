#pragma once
// The toolbox window "tools": a byte-by-byte view of a file in 400-byte pages (characters or
// three-digit codes, line-end bytes coloured), the check for line feeds without their carriage
// return, and a search and replace by text or by character codes that writes a new file. The
// search and replace runs as a job of the progress window, which calls goSearRep.
#include "core/AppState.h"
#include "core/FileUtils.h"
#include "platform/BusyPointer.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Grid.h"
#include "platform/Signal.h"
#include "platform/Window.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::reports {

inline constexpr int kViewPageBytes = 400;
inline constexpr int kViewGridCols = 20;

inline constexpr const char* toolsCaption = "Toolbox";
inline constexpr const char* toolsCaution =
    "Caution!!   This window is a generic search and replace window. The results are not checked for LAS compliance.";

// Page codes of showAsciiCodes.
namespace pageCode {
inline constexpr int first = 0, last = 1, previous = 2, next = 3, redraw = 4;
} // namespace pageCode

struct BytePage {
    std::int64_t first = 0; // 1-based, inclusive
    std::int64_t last = 0;
};
// The page a code moves to from the one held, in a file of `length` bytes. A code outside 0..3
// keeps the held page.
[[nodiscard]] BytePage choosePage(int code, BytePage held, std::int64_t length);

// The cell colours of the byte view.
inline constexpr platform::Color kByteWhite = platform::rgb(255, 255, 255);
inline constexpr platform::Color kByteRed = platform::rgb(255, 0, 0);
inline constexpr platform::Color kByteGreen = platform::rgb(0, 255, 0);
inline constexpr platform::Color kByteMagenta = platform::rgb(255, 0, 255);
// Colour of byte k (from 0) of a page. `before` is the byte in front of the page in the file,
// none on the first page; it only decides whether a line feed opening the page is bare.
[[nodiscard]] platform::Color byteColor(std::string_view page, std::size_t k, std::optional<char> before);
// The cell text: the character itself in character mode for codes 32 to 127, else "000" digits.
[[nodiscard]] std::string byteText(unsigned char code, bool characters);
// The tool tip for a cell text (three characters: a code; else the first character's code).
[[nodiscard]] std::string characterHint(std::string_view cellText);

// Reads bytes first..last (1-based, inclusive) of a file in one block; nullopt on a read error.
[[nodiscard]] std::optional<std::string> readByteRange(const std::string& path, std::int64_t first, std::int64_t last);

enum class CodesError { None, Empty, InvalidCharacters, InvalidCodes };
struct ParsedCodes {
    std::string bytes;
    CodesError error = CodesError::None;
};
// A box of character codes: blanks and digits only, numbers 1 to 255 separated by blanks.
[[nodiscard]] ParsedCodes parseAsciiCodes(std::string_view text);

using core::sameFile;

// What the window needs of the program around it.
struct ToolboxHooks {
    // The common window set-up on load (key preview, shared font, placement, closing the other
    // windows).
    std::function<void(platform::Window&)> initForm;
    // The shared grid font on the window's grids.
    std::function<void(platform::Window&)> applyGridFonts;
    // Enables or greys the toolbar's "ID_Process" and "ID_SAVE".
    std::function<void(bool)> setJobTools;
    // The folder the save dialog starts in (the file browser's destination folder).
    std::function<std::string()> startFolder;
};

class Toolbox final : public platform::Window {
public:
    Toolbox(core::AppState& state, platform::Dialogs& dialogs, platform::PointerDisplay& pointer,
            platform::EventPump* pump = nullptr, ToolboxHooks hooks = {});

    // controls
    [[nodiscard]] platform::TabControl& tabb() { return m_tabb; }
    [[nodiscard]] platform::Grid& asd() { return m_asd; }
    [[nodiscard]] platform::OptionGroup& taOpt() { return m_taOpt; }
    [[nodiscard]] platform::Button& movebut(int index) { return m_movebut[std::size_t(index)]; }
    [[nodiscard]] platform::Button& but() { return m_but; }
    [[nodiscard]] platform::OptionGroup& inOpt() { return m_inOpt; }
    [[nodiscard]] platform::TextBox& repT(int index) { return m_repT[std::size_t(index)]; }
    [[nodiscard]] platform::Label& repLab() { return m_repLab; }
    [[nodiscard]] platform::Label& label1() { return m_label1; }

    // procedures
    // Shows a page of viewFile (page codes above); nothing when it is unnamed or missing.
    void showAsciiCodes(int code);
    // The termination check of searchFile.
    void findBadTermination();
    // The search and replace: -1 when the output was written, 1 when cancelled, else 0.
    int goSearRep();

    // The view moves the focus to repT(index) when this is raised.
    platform::Signal<int> focusBox;

private:
    void onLoad();
    void onUnload();
    void onMouseMove(int row, int col);
    void onInOptClick(int index);
    void onRepKeyPress(int index, int& key);
    void onRepChange();
    void onTabClick();
    void setJobTools(bool on);
    bool codesOf(int index, std::string& bytes);

    core::AppState& m_state;
    platform::Dialogs& m_dialogs;
    platform::PointerDisplay& m_pointer;
    platform::EventPump* m_pump;
    ToolboxHooks m_hooks;

    platform::TabControl m_tabb{"tabb"};
    platform::Grid m_asd{kViewPageBytes / kViewGridCols, kViewGridCols, 0, 0, "asd"};
    platform::OptionGroup m_taOpt{"taOpt"};
    platform::Button m_movebut[4]{platform::Button{"movebut", 0}, platform::Button{"movebut", 1},
                                  platform::Button{"movebut", 2}, platform::Button{"movebut", 3}};
    platform::Button m_but{"but"};
    platform::OptionGroup m_inOpt{"InOpt"};
    platform::TextBox m_repT[2]{platform::TextBox{"repT", 0}, platform::TextBox{"repT", 1}};
    platform::Label m_repLab{"repLab"};
    platform::Label m_label1{"Label1"};
    std::vector<platform::Connection> m_connections;
};

} // namespace corvalet::reports

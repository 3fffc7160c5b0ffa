#pragma once
// The application object: the shared state of the run, the platform services every window and
// job reaches the user through, and the start-up and exit of the program. Later windows add
// their models here; start-up and exit need only what is below.
#include "core/AppState.h"
#include "platform/BusyPointer.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Printer.h"
#include "platform/ProgramFolders.h"
#include "platform/Settings.h"
#include "platform/Window.h"
#include "platform/WindowHost.h"

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvalet::shell {

// The title and the organisation that make up the main window's caption.
inline constexpr const char* applicationTitle = "Corvalet";
inline constexpr const char* organisationName = "Corvalet Developers";

// The services an App reaches the outside world through. The references must outlive the App;
// a null pointer means the service is not available in this run (a headless run has no printer).
struct Services {
    platform::Settings& settings;
    platform::Dialogs& dialogs;
    platform::ProgramFolders folders;
    platform::WindowHost* host = nullptr;
    platform::EventPump* eventPump = nullptr;
    platform::Clipboard* clipboard = nullptr;
    platform::Printer* printer = nullptr;
    platform::PointerDisplay* pointer = nullptr;
    // The running program, so that the outside programs shipped beside it can be found.
    std::filesystem::path programFile{};
    // Environment look-up (CORVALET_EXAMPLES); empty: the process environment.
    platform::ProgramFolders::Environment environment{};
    // Where a command-line run writes its messages; null: standard error.
    std::ostream* errors = nullptr;
};

// How the program goes on after start-up.
enum class StartMode {
    Interactive,           // no command line: main window maximised, splash shown
    InteractiveMinimized,  // a command line of blanks only: minimised, no splash, no job
    CommandLine,           // a command line: quiet mode, the command-line job runs, then the end
    Failed,                // the start-up error box was shown; the program ends
};

struct StartupResult {
    StartMode mode = StartMode::Failed;
    std::string caption;
    platform::WindowState windowState = platform::WindowState::Normal;
    bool showSplash = false;
    // For a command-line run: the arguments, each trimmed of blanks, blank ones left out.
    std::vector<std::string> arguments;
    // The status the process ends with when start-up is the whole run (Failed).
    int exitStatus = 0;
};

// The State of a toolbar toggle as the settings hold it (toolbar tool identifier, setting key).
struct ToolState {
    const char* toolId;
    const char* key;
    int state;
};

class App {
public:
    explicit App(Services services);
    App(const App&) = delete;
    App& operator=(const App&) = delete;
    ~App();

    [[nodiscard]] core::AppState& state() { return m_state; }
    [[nodiscard]] const core::AppState& state() const { return m_state; }
    [[nodiscard]] Services& services() { return m_services; }
    [[nodiscard]] platform::Settings& settings() { return m_services.settings; }
    [[nodiscard]] const platform::ProgramFolders& folders() const { return m_services.folders; }
    // The dialogs of this run: in a command-line run nothing is ever shown, whatever dialogs
    // were passed in, and a message meant for every mode goes to the error stream.
    [[nodiscard]] platform::Dialogs& dialogs();
    // Looks an environment variable up (through Services::environment when set).
    [[nodiscard]] std::optional<std::string> environment(const std::string& name) const;

    // The main window's load: shared state, settings, library files, para.ini and the caption,
    // then the choice between interactive use and a command-line run. `arguments` are the
    // program's arguments without the program name. Any unexpected failure in an interactive
    // start shows the "Error Initializing Corvalet." box and gives StartMode::Failed.
    StartupResult start(const std::vector<std::string>& arguments);

    // The main window's unload: deletes the check-result files ("*.cer") of the per-user data
    // folder, then unloads the open windows from the last to the first. Errors are ignored.
    void shutdown();

    // The toolbar toggles as start-up read them; the toolbar takes its tool states from here.
    [[nodiscard]] const std::vector<ToolState>& toolStates() const { return m_toolStates; }
    void setToolStates(std::vector<ToolState> states) { m_toolStates = std::move(states); }
    [[nodiscard]] const std::string& caption() const { return m_caption; }
    [[nodiscard]] bool commandLineRun() const { return m_commandLine; }

private:
    Services m_services;
    core::AppState m_state;
    std::unique_ptr<platform::QuietDialogs> m_quietDialogs;
    std::vector<ToolState> m_toolStates;
    std::string m_caption;
    bool m_commandLine = false;
};

// The text of the start-up error box: "Last resort error trap. The error was " + description +
// " , number " + the number with a blank before a non-negative one.
[[nodiscard]] std::string lastResortText(const std::string& description, int number);

} // namespace corvalet::shell

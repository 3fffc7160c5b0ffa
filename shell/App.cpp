#include "shell/App.h"

#include "core/FileUtils.h"
#include "functions/Library.h"
#include "platform/Numbers.h"
#include "platform/Text.h"
#include "shell/Startup.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <new>
#include <stdexcept>
#include <system_error>

namespace corvalet::shell {

namespace fs = std::filesystem;

namespace {

inline constexpr const char* startupErrorTitle = "Error Initializing Corvalet.";

// How a start-up step failed, as the start-up error handler tells failures apart.
enum class Failure {
    Subscript,   // a table index out of range: the step is skipped
    FileAccess,  // a file or folder could not be reached: the current file is forgotten
    Other,       // anything else: fatal in an interactive start
};

struct StepError {
    Failure kind;
    std::string description;
    int number;
};

// Error numbers as the program reports them: 7 out of memory, 9 subscript out of range,
// 75 path/file access error, 51 internal error for anything else.
StepError classify(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::out_of_range& e) {
        return {Failure::Subscript, e.what(), 9};
    } catch (const fs::filesystem_error& e) {
        return {Failure::FileAccess, e.what(), 75};
    } catch (const std::bad_alloc&) {
        return {Failure::Other, "Out of memory", 7};
    } catch (const std::exception& e) {
        return {Failure::Other, e.what(), 51};
    } catch (...) {
        return {Failure::Other, "Internal error", 51};
    }
}

std::string commandLineText(const std::vector<std::string>& arguments)
{
    std::string text;
    for (const std::string& argument : arguments) {
        if (!text.empty())
            text += ' ';
        text += argument;
    }
    return text;
}

} // namespace

std::string lastResortText(const std::string& description, int number)
{
    return "Last resort error trap. The error was " + description + " , number " + platform::numberText(number);
}

App::App(Services services) : m_services(std::move(services)) {}

App::~App() = default;

platform::Dialogs& App::dialogs()
{
    if (!m_commandLine)
        return m_services.dialogs;
    if (!m_quietDialogs)
        m_quietDialogs = m_services.errors ? std::make_unique<platform::QuietDialogs>(*m_services.errors)
                                           : std::make_unique<platform::QuietDialogs>();
    return *m_quietDialogs;
}

std::optional<std::string> App::environment(const std::string& name) const
{
    if (m_services.environment)
        return m_services.environment(name);
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

StartupResult App::start(const std::vector<std::string>& arguments)
{
    StartupResult result;
    const std::string commandLine(platform::trimBlanks(commandLineText(arguments)));
    // A run with a command line must never wait on a dialog, also before quiet mode is set:
    // its messages go to the error stream from the first step on.
    m_commandLine = !commandLine.empty();

    bool fatal = false;
    auto step = [&](const std::function<void()>& body) {
        if (fatal)
            return;
        try {
            body();
        } catch (...) {
            const StepError error = classify(std::current_exception());
            if (error.kind == Failure::Subscript)
                return;
            if (error.kind == Failure::FileAccess) {
                m_state.currentLASFile.clear();
                return;
            }
            if (m_state.quietMode)
                return;
            dialogs().notify(lastResortText(error.description, error.number),
                             platform::MsgStyle::OkOnly + platform::MsgStyle::Critical, startupErrorTitle);
            fatal = true;
        }
    };

    step([&] { core::initGlobals(m_state); });
    step([&] { m_state.inIDE = core::isInIDE(); });
    step([&] { startup(*this); });
    step([&] {
        if (m_state.curveLibrary.rowUpper() == 0)
            functions::loadCurveLibrary(m_state);
        if (m_state.unitLibrary.rowUpper() == 0)
            functions::loadUnitLibrary(m_state);
    });
    step([&] { loadParaIni(m_state, dialogs()); });
    step([&] { m_caption = std::string(applicationTitle) + " - " + organisationName + " "; });
    result.caption = m_caption;

    if (fatal) {
        result.mode = StartMode::Failed;
        result.exitStatus = 1;
        return result;
    }

    if (arguments.empty()) {
        result.mode = StartMode::Interactive;
        result.windowState = platform::WindowState::Maximized;
        result.showSplash = true;
        m_state.quietMode = false;
        return result;
    }
    result.windowState = platform::WindowState::Minimized;
    if (commandLine.empty()) {
        result.mode = StartMode::InteractiveMinimized;
        m_state.quietMode = false;
        return result;
    }
    result.mode = StartMode::CommandLine;
    m_state.quietMode = true;
    for (const std::string& argument : arguments) {
        const std::string_view trimmed = platform::trimBlanks(argument);
        if (!trimmed.empty())
            result.arguments.emplace_back(trimmed);
    }
    return result;
}

void App::shutdown()
{
    // Only the per-user folder holds check results; the read-only data folder is never touched,
    // and a folder that does not exist yet is not created for this.
    try {
        const fs::path folder = m_services.folders.userFolderPath();
        std::error_code ec;
        if (!folder.empty() && fs::is_directory(folder, ec))
            core::killFiles((folder / "*.cer").string());
    } catch (const std::exception&) {
    }

    if (platform::WindowHost* host = m_services.host) {
        try {
            std::size_t n = host->loadedWindows().size();
            while (n > 0) {
                platform::Window* window = host->loadedWindows()[n - 1];
                host->unload(*window);
                if (host->loadedWindows().size() == n)
                    break; // that window refused to close
                n = std::min(n - 1, host->loadedWindows().size());
            }
        } catch (const std::exception&) {
        }
    }
}

} // namespace corvalet::shell

#pragma once
// Services of the shell that other windows and jobs call: showing a LAS file in the outside log
// viewer, running an outside program and waiting for its end, and printing the results of the
// last batch check.
#include "core/FileUtils.h"
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::core {
struct AppState;
}
namespace corvalet::platform {
class Dialogs;
class EventPump;
class Printer;
} // namespace corvalet::platform

namespace corvalet::shell {

// An outside program to run: what is started (the program, then each argument whole, so a path
// with blanks stays one argument and nothing passes through a shell) and the same command as one
// line of text, which is what the user is shown in messages about it.
struct ShellCommand {
    std::vector<std::string> argv;
    std::string commandLine;
};

// The command whose text is the program and its arguments joined by single blanks, unquoted.
[[nodiscard]] ShellCommand shellCommand(std::vector<std::string> argv);

using core::hasLasExtension;

// The window styles of a program start, for callers that record or show the style they asked
// for. A program started from an argv gets no window instructions, so shellAndWait takes none;
// 5 has no name of its own and is kept as given.
enum class WindowStyle : int {
    Hidden = 0,
    NormalFocus = 1,
    MinimisedFocus = 2,
    Maximised = 3,
    NormalNoFocus = 4,
    Shown = 5,
    MinimisedNoFocus = 6,
};

struct WindowStyleInfo {
    WindowStyle style;
    std::string_view meaning;
};

inline constexpr std::array<WindowStyleInfo, 7> windowStyles{{
    {WindowStyle::Hidden, "hidden"},
    {WindowStyle::NormalFocus, "normal with focus"},
    {WindowStyle::MinimisedFocus, "minimised with focus"},
    {WindowStyle::Maximised, "maximised"},
    {WindowStyle::NormalNoFocus, "normal without focus"},
    {WindowStyle::Shown, "shown as it is"},
    {WindowStyle::MinimisedNoFocus, "minimised without focus"},
}};

// A missing style or one outside 0..6 becomes minimised without focus.
[[nodiscard]] WindowStyle windowStyleFor(std::optional<int> style);

// What became of a request to show a file in the log viewer.
enum class ViewResult {
    NotLas,        // the file name does not end in ".las": nothing was done
    ViewerMissing, // log_prog names no file; the user was told to set it
    StartFailed,   // log_prog exists but could not be started; the user was told
    Started,
};

// Starts the log viewer (state.log_prog) on a LAS file, with the path as its own argument, and
// does not wait for it. A fresh viewer is started each time: a running one is not looked for.
ViewResult viewAsLog(const core::AppState& state, platform::Dialogs& dialogs, const std::string& path);

// Runs the command and waits for its end, polling every 100 ms and letting the event loop run
// between polls unless state.quietMode (or no pump). Returns the program's exit code, or 53 when
// it could not be started. There is no time-out and a cancel does not stop the program.
[[nodiscard]] int shellAndWait(const core::AppState& state, platform::EventPump* pump, const ShellCommand& command);

// The question asked before printing the results of more than one file.
[[nodiscard]] std::string printCertifyQuestion(int resultCount);

// Prints the results of the last batch check (state.certifyResults, rows from 1) while the
// batch-check window is open: all of them or only `currentRow` (the row selected in its results
// grid), asking which when there is more than one. Each result text is followed by two empty
// lines. Returns true when a document went to the printer. A printer that fails is reported.
bool printCertifyResults(const core::AppState& state, platform::Dialogs& dialogs, platform::Printer& printer,
                         int currentRow);

} // namespace corvalet::shell

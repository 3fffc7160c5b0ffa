#include "shell/ShellServices.h"

#include "core/AppState.h"
#include "core/FileUtils.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/ProcessRunner.h"
#include "platform/Text.h"

namespace corvalet::shell {

namespace MsgResult = platform::MsgResult;
namespace MsgStyle = platform::MsgStyle;

ShellCommand shellCommand(std::vector<std::string> argv)
{
    std::string line;
    for (const std::string& part : argv) {
        if (!line.empty())
            line += ' ';
        line += part;
    }
    return ShellCommand{std::move(argv), std::move(line)};
}

WindowStyle windowStyleFor(std::optional<int> style)
{
    if (!style || *style < 0 || *style > 6)
        return WindowStyle::MinimisedNoFocus;
    return static_cast<WindowStyle>(*style);
}

ViewResult viewAsLog(const core::AppState& state, platform::Dialogs& dialogs, const std::string& path)
{
    if (!hasLasExtension(path))
        return ViewResult::NotLas;
    if (!core::fileExists(state.log_prog)) {
        dialogs.msgBox("Set Log viewing program path on Preferences, and try again.", MsgStyle::Critical,
                       "Log Viewing Program Not Found");
        return ViewResult::ViewerMissing;
    }
    const ShellCommand command = shellCommand({state.log_prog, path});
    if (platform::startDetached(command.argv) != 0) {
        // The file is there but is no program we can start (not executable, wrong format): say so
        // rather than leave the user waiting for a viewer that never comes.
        dialogs.msgBox("Unable to start the Log viewing program:\n" + command.commandLine +
                           "\n\nCheck its path on Preferences, and try again.",
                       MsgStyle::Critical, "Log Viewing Program Not Started");
        return ViewResult::StartFailed;
    }
    return ViewResult::Started;
}

int shellAndWait(const core::AppState& state, platform::EventPump* pump, const ShellCommand& command)
{
    return platform::runAndWait(command.argv, pump, state.quietMode);
}

std::string printCertifyQuestion(int resultCount)
{
    return "Do you want to print the certify results of all " + std::to_string(resultCount) +
           " files (Yes), or the currently selected file (No) ?";
}

bool printCertifyResults(const core::AppState& state, platform::Dialogs& dialogs, platform::Printer& printer,
                         int currentRow)
{
    if (!state.certifyOpen)
        return false;
    const core::TextTable& results = state.certifyResults;
    const int n = results.fieldUpper() >= 1 ? results.rowUpper() : 0;
    int answer = MsgResult::No;
    if (n > 1)
        answer = dialogs.msgBox(printCertifyQuestion(n), MsgStyle::YesNoCancel + MsgStyle::Question,
                                "Print Certify Results");
    else
        currentRow = 1;
    if (answer != MsgResult::Yes && answer != MsgResult::No)
        return false;
    const bool all = answer == MsgResult::Yes;
    if (!all && (currentRow < 1 || currentRow > n))
        return false;

    if (!printer.startDoc("Certify Results")) {
        // No printer, or the user closed the print dialog: nothing is printed.
        printer.endDoc();
        return false;
    }
    for (int i = 1; i <= n; ++i) {
        if (!all && i != currentRow)
            continue;
        // An empty result still takes its line, as printing an empty text does.
        if (results(1, i).empty())
            printer.printLine({});
        else
            printer.printText(results(1, i));
        printer.printLine({});
        printer.printLine({});
    }
    if (!printer.endDoc()) {
        dialogs.msgBox("The certify results could not be printed.", MsgStyle::Critical, "Print Certify Results");
        return false;
    }
    return true;
}

} // namespace corvalet::shell

#include "shell/ShellServices.h"

#include "core/AppState.h"
#include "core/TestFiles.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Printer.h"
#include "platform/ProcessRunner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

using namespace corvalet;
using namespace corvalet::shell;
using core::test::readFile;
using core::test::ScratchDir;
namespace MsgResult = platform::MsgResult;
namespace MsgStyle = platform::MsgStyle;
namespace fs = std::filesystem;

namespace {

// A viewer that writes its argument count and then each argument on a line of its own into
// argv.txt beside itself (written under another name first, so a reader never sees half of it).
fs::path writeRecordingViewer(const fs::path& folder)
{
    const fs::path script = folder / "log viewer.sh";
    std::ofstream(script) << "#!/bin/sh\n"
                             "out=\"$(dirname \"$0\")/argv.txt\"\n"
                             "{ printf '%s\\n' \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$out.part\"\n"
                             "mv \"$out.part\" \"$out\"\n";
    fs::permissions(script, fs::perms::owner_all);
    return script;
}

std::optional<std::string> waitForFile(const fs::path& file)
{
    for (int i = 0; i < 100; ++i) {
        if (fs::exists(file))
            return readFile(file.string());
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

class CountingPump final : public platform::EventPump {
public:
    void doEvents() override { ++calls; }
    int calls = 0;
};

} // namespace

TEST(LasExtension, OnlyTheFileNamesOwnExtensionCounts)
{
    const struct {
        const char* path;
        bool las;
    } cases[] = {
        {"/w/well.las", true},      {"/w/WELL.LAS", true},         {"C:\\logs\\a b.LaS", true},
        {"/w/well.txt", false},     {"/w/run.las/well.txt", false}, {"/w/well.las.bak", false},
        {"/w/run.las/", false},     {"", false},                    {"/w/.las", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(hasLasExtension(c.path), c.las);
    }
}

TEST(ViewAsLog, APathWithBlanksReachesTheViewerAsOneArgument)
{
    ScratchDir folder;
    core::AppState state;
    state.log_prog = writeRecordingViewer(folder.path()).string();
    platform::ScriptedDialogs dialogs;
    const std::string path = (folder.path() / "deep folder" / "my well; $(x).LAS").string();

    EXPECT_EQ(viewAsLog(state, dialogs, path), ViewResult::Started);

    const std::optional<std::string> argv = waitForFile(folder.path() / "argv.txt");
    ASSERT_TRUE(argv.has_value()) << "the viewer did not run";
    EXPECT_EQ(*argv, "1\n" + path + "\n");
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST(ViewAsLog, NotLasFilesAreIgnoredAndAMissingViewerIsReported)
{
    ScratchDir folder;
    const fs::path notProgram = folder.path() / "viewer.txt";
    core::test::writeFile(notProgram.string(), "not a program\n");
    fs::permissions(notProgram, fs::perms::owner_read | fs::perms::owner_write);
    const struct {
        const char* name;
        std::string logProg;
        std::string path;
        ViewResult result;
        const char* title; // nullptr: no message
    } cases[] = {
        {"not las, no viewer", "", "/w/well.txt", ViewResult::NotLas, nullptr},
        {"no viewer set", "", "/w/well.las", ViewResult::ViewerMissing, "Log Viewing Program Not Found"},
        {"viewer path names nothing", (folder.path() / "gone").string(), "/w/WELL.LAS", ViewResult::ViewerMissing,
         "Log Viewing Program Not Found"},
        {"viewer path is a folder", folder.path().string(), "/w/well.las", ViewResult::ViewerMissing,
         "Log Viewing Program Not Found"},
        {"viewer is no program", notProgram.string(), "/w/well.las", ViewResult::StartFailed,
         "Log Viewing Program Not Started"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        core::AppState state;
        state.log_prog = c.logProg;
        platform::ScriptedDialogs dialogs;
        EXPECT_EQ(viewAsLog(state, dialogs, c.path), c.result);
        if (!c.title) {
            EXPECT_TRUE(dialogs.calls().empty());
            continue;
        }
        ASSERT_EQ(dialogs.calls().size(), 1u);
        const platform::DialogCall& call = dialogs.calls().front();
        EXPECT_EQ(call.title, c.title);
        EXPECT_EQ(call.style, MsgStyle::Critical);
        if (c.result == ViewResult::ViewerMissing)
            EXPECT_EQ(call.text, "Set Log viewing program path on Preferences, and try again.");
        else
            EXPECT_NE(call.text.find(c.logProg + " " + c.path), std::string::npos) << call.text;
    }
}

TEST(ShellAndWait, KeepsTheEventLoopRunningWhileItWaitsUnlessQuiet)
{
    for (const bool quiet : {false, true}) {
        SCOPED_TRACE(quiet ? "quiet" : "interactive");
        core::AppState state;
        state.quietMode = quiet;
        CountingPump pump;
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(shellAndWait(state, &pump, shellCommand({"sleep", "0.35"})), 0);
        EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(340));
        if (quiet)
            EXPECT_EQ(pump.calls, 0);
        else
            EXPECT_GE(pump.calls, 3);
    }
}

TEST(ShellAndWait, ReturnsTheExitCodeOr53AndKeepsEachArgumentWhole)
{
    ScratchDir folder;
    const fs::path out = folder.path() / "seen.txt";
    const std::string blanks = (folder.path() / "a b" / "c d.las").string();
    const struct {
        std::vector<std::string> argv;
        int code;
    } cases[] = {
        {{"sh", "-c", "exit 3"}, 3},
        {{"sh", "-c", "printf %s \"$1\" > \"$2\"", "sh", blanks, out.string()}, 0},
        {{(folder.path() / "no such checker").string(), blanks}, platform::programNotFound},
        {{}, platform::programNotFound},
    };
    core::AppState state;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argv.empty() ? std::string("<empty>") : c.argv.front());
        EXPECT_EQ(shellAndWait(state, nullptr, shellCommand(c.argv)), c.code);
    }
    EXPECT_EQ(readFile(out.string()), blanks);
}

TEST(ShellCommandText, JoinsTheArgumentsWithSingleBlanksUnquoted)
{
    const ShellCommand command = shellCommand({"/opt/check tool/check", "/w/a b.las", "/R"});
    EXPECT_EQ(command.commandLine, "/opt/check tool/check /w/a b.las /R");
    EXPECT_EQ(command.argv.size(), 3u);
    EXPECT_EQ(shellCommand({}).commandLine, "");
}

TEST(WindowStyles, MissingOrOutOfRangeBecomesMinimisedWithoutFocus)
{
    const struct {
        std::optional<int> given;
        WindowStyle style;
    } cases[] = {
        {std::nullopt, WindowStyle::MinimisedNoFocus}, {-1, WindowStyle::MinimisedNoFocus},
        {7, WindowStyle::MinimisedNoFocus},            {9, WindowStyle::MinimisedNoFocus},
        {0, WindowStyle::Hidden},                      {1, WindowStyle::NormalFocus},
        {5, WindowStyle::Shown},                       {6, WindowStyle::MinimisedNoFocus},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given.value_or(-100));
        EXPECT_EQ(windowStyleFor(c.given), c.style);
    }
    for (std::size_t i = 0; i < windowStyles.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(windowStyles[i].style), i);
}

namespace {

core::AppState certifyState(const std::vector<std::string>& results, bool open = true)
{
    core::AppState state;
    state.certifyOpen = open;
    state.certifyResults.redim(1, static_cast<int>(results.size()));
    for (std::size_t i = 0; i < results.size(); ++i) {
        state.certifyResults(0, static_cast<int>(i) + 1) = "/w/file" + std::to_string(i + 1) + ".las";
        state.certifyResults(1, static_cast<int>(i) + 1) = results[i];
    }
    return state;
}

} // namespace

TEST(PrintCertifyResults, AsksForSeveralResultsAndPrintsWhatWasChosen)
{
    using Lines = std::vector<std::string>;
    const std::vector<std::string> three = {"Failed: one", "Error: two\r\nFailed: two b\r\n", "three ok"};
    const struct {
        const char* name;
        std::vector<std::string> results;
        bool open;
        int currentRow;
        std::optional<int> answer; // nullopt: no question expected
        std::optional<Lines> printed;
    } cases[] = {
        {"one result prints without asking", {"Failed: alone"}, true, 7, std::nullopt,
         Lines{"Failed: alone", "", ""}},
        {"window closed", {"Failed: alone"}, false, 1, std::nullopt, std::nullopt},
        {"no results", {}, true, 1, std::nullopt, std::nullopt},
        {"three, Cancel", three, true, 2, MsgResult::Cancel, std::nullopt},
        {"three, Yes prints all", three, true, 2, MsgResult::Yes,
         Lines{"Failed: one", "", "", "Error: two", "Failed: two b", "", "", "three ok", "", ""}},
        {"three, No prints the current row", three, true, 2, MsgResult::No,
         Lines{"Error: two", "Failed: two b", "", ""}},
        {"three, No without a current row", three, true, 0, MsgResult::No, std::nullopt},
        {"three, No past the last row", three, true, 4, MsgResult::No, std::nullopt},
        {"an empty result keeps its line", {"", "b"}, true, 1, MsgResult::No, Lines{"", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const core::AppState state = certifyState(c.results, c.open);
        platform::ScriptedDialogs dialogs;
        if (c.answer)
            dialogs.answerMsg(*c.answer);
        platform::RecordingPrinter printer;

        EXPECT_EQ(printCertifyResults(state, dialogs, printer, c.currentRow), c.printed.has_value());

        if (c.answer) {
            ASSERT_EQ(dialogs.calls().size(), 1u);
            const platform::DialogCall& call = dialogs.calls().front();
            EXPECT_EQ(call.title, "Print Certify Results");
            EXPECT_EQ(call.style, MsgStyle::YesNoCancel + MsgStyle::Question);
            EXPECT_EQ(call.text, printCertifyQuestion(static_cast<int>(c.results.size())));
        } else {
            EXPECT_TRUE(dialogs.calls().empty());
        }
        EXPECT_FALSE(printer.inDocument());
        if (!c.printed) {
            EXPECT_TRUE(printer.documents().empty());
            continue;
        }
        ASSERT_EQ(printer.documents().size(), 1u);
        EXPECT_EQ(printer.documents().front().pages, std::vector<Lines>{*c.printed});
    }
}

TEST(PrintCertifyResults, TheQuestionNamesTheNumberOfFiles)
{
    EXPECT_EQ(printCertifyQuestion(3),
              "Do you want to print the certify results of all 3 files (Yes), or the currently selected file (No) ?");
}

namespace {

// A printer whose document cannot start (no printer, print dialog closed) or cannot be sent.
class FailingPrinter final : public platform::Printer {
public:
    explicit FailingPrinter(bool startFails) : m_startFails(startFails) {}
    bool startDoc(const std::string&) override { return !m_startFails; }
    void printLine(const std::string& line) override { lines.push_back(line); }
    void newPage() override {}
    bool endDoc() override
    {
        ++ends;
        return false;
    }
    std::vector<std::string> lines;
    int ends = 0;

private:
    bool m_startFails;
};

} // namespace

TEST(PrintCertifyResults, APrinterThatFailsIsReportedOneThatDeclinesIsNot)
{
    for (const bool startFails : {true, false}) {
        SCOPED_TRACE(startFails ? "declined at start" : "failed at the end");
        const core::AppState state = certifyState({"Failed: x"});
        platform::ScriptedDialogs dialogs;
        FailingPrinter printer(startFails);
        EXPECT_FALSE(printCertifyResults(state, dialogs, printer, 1));
        EXPECT_EQ(printer.ends, 1); // the document is always closed
        if (startFails) {
            EXPECT_TRUE(printer.lines.empty());
            EXPECT_TRUE(dialogs.calls().empty());
        } else {
            ASSERT_EQ(dialogs.calls().size(), 1u);
            EXPECT_EQ(dialogs.calls().front().title, "Print Certify Results");
            EXPECT_EQ(dialogs.calls().front().style, MsgStyle::Critical);
        }
    }
}

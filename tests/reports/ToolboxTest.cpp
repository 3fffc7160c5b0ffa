#include "reports/Toolbox.h"

#include "core/TestFiles.h"
#include "platform/WindowHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvalet;
using core::test::readFile;
using core::test::ScratchDir;
using core::test::writeFile;
namespace MsgResult = platform::MsgResult;
using reports::BytePage;
using reports::Toolbox;

namespace {

struct ToolboxFixture : ::testing::Test {
    ScratchDir dir;
    core::AppState state;
    platform::ScriptedDialogs dialogs;
    platform::RecordingPointerDisplay pointer;
    platform::NullEventPump pump;
    std::vector<bool> jobTools;
    Toolbox tools{state, dialogs, pointer, &pump,
                  reports::ToolboxHooks{{}, {}, [this](bool on) { jobTools.push_back(on); }, {}}};

    // A view of `bytes` on page `code` (from the page held in the state).
    void view(const std::string& bytes, int code = reports::pageCode::first)
    {
        state.viewFile = dir.file("view.las");
        writeFile(state.viewFile, bytes);
        tools.showAsciiCodes(code);
    }
    [[nodiscard]] platform::Color colorOfByte(int k) { return tools.asd().backColor(k / 20, k % 20); }
    [[nodiscard]] const std::string& textOfByte(int k) { return tools.asd().text(k / 20, k % 20); }
};

} // namespace

TEST(ToolboxPaging, PageCodesMoveWithinTheFile)
{
    struct Case {
        std::int64_t length;
        BytePage held;
        int code;
        BytePage expected;
    };
    const Case cases[] = {
        {250, {0, 0}, 0, {1, 250}},      // a short file is one page
        {250, {1, 250}, 3, {1, 250}},    // "next" past the end keeps the page
        {1000, {1, 400}, 1, {601, 1000}},
        {1000, {601, 1000}, 2, {201, 600}},
        {1000, {201, 600}, 2, {1, 400}},
        {1000, {1, 400}, 3, {401, 800}},
        {1000, {401, 800}, 3, {801, 1000}},
        {1000, {801, 1000}, 3, {801, 1000}},
        {1000, {201, 600}, 7, {201, 600}}, // any other code redraws the page held
        {0, {0, 0}, 1, {1, 0}},            // an empty file has no bytes to show
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("length " + std::to_string(c.length) + " code " + std::to_string(c.code));
        const BytePage page = reports::choosePage(c.code, c.held, c.length);
        EXPECT_EQ(page.first, c.expected.first);
        EXPECT_EQ(page.last, c.expected.last);
    }
}

TEST_F(ToolboxFixture, PagesOfALargeFileAreReadInPlace)
{
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes.push_back(char('A' + i % 26));
    view(bytes, reports::pageCode::last);
    EXPECT_EQ(state.viewFirstByte, 601);
    EXPECT_EQ(state.viewLastByte, 1000);
    EXPECT_EQ(state.viewFileLength, 1000);
    EXPECT_EQ(textOfByte(0), std::string(1, bytes[600]));
    EXPECT_EQ(textOfByte(399), std::string(1, bytes[999]));
    EXPECT_EQ(tools.asd().tag(), "Text or Ascii codes for: " + state.viewFile);
    EXPECT_FALSE(pointer.busy());

    tools.movebut(2).userClick();
    EXPECT_EQ(state.viewFirstByte, 201);
    EXPECT_EQ(textOfByte(0), std::string(1, bytes[200]));
}

TEST_F(ToolboxFixture, LineEndBytesAreColouredAndCodesShownOnRequest)
{
    // "A" CR LF "B" LF TAB "~" DEL 0xE9
    view(std::string("A\r\nB\n\t~\x7f\xe9", 9));
    EXPECT_EQ(colorOfByte(0), reports::kByteWhite);
    EXPECT_EQ(colorOfByte(1), reports::kByteGreen); // CR
    EXPECT_EQ(colorOfByte(2), reports::kByteGreen); // LF after CR
    EXPECT_EQ(colorOfByte(4), reports::kByteRed);   // bare LF
    EXPECT_EQ(colorOfByte(5), reports::kByteMagenta); // TAB
    EXPECT_EQ(textOfByte(0), "A");
    EXPECT_EQ(textOfByte(1), "013");
    EXPECT_EQ(textOfByte(7), "\x7f");
    EXPECT_EQ(textOfByte(8), "233");
    EXPECT_TRUE(textOfByte(9).empty());

    tools.taOpt().userChoose(1);
    EXPECT_EQ(textOfByte(0), "065");
    EXPECT_EQ(textOfByte(6), "126");
}

TEST(ToolboxColours, TheFirstCellOfAPage)
{
    struct Case {
        std::string page;
        std::optional<char> before;
        platform::Color expected;
    };
    const Case cases[] = {
        {"\tX", std::nullopt, reports::kByteGreen},
        {"\rX", 'A', reports::kByteGreen},
        {"\nX", '\r', reports::kByteGreen},
        {"\nX", 'A', reports::kByteRed},        // a bare line feed opening a page
        {"\nX", std::nullopt, reports::kByteRed}, // a file that starts with a line feed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.page[0]));
        EXPECT_EQ(reports::byteColor(c.page, 0, c.before), c.expected);
    }
}

TEST_F(ToolboxFixture, FindBadTerminationMovesThePageToTheBareLineFeed)
{
    std::string bytes;
    while (bytes.size() < 698)
        bytes += "0123456\r\n";
    bytes.resize(699);
    bytes += "\nTAIL\r\n";
    view(bytes);
    state.searchFile = state.viewFile;

    dialogs.answerMsg(MsgResult::Yes);
    tools.but().userClick();
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].title, "Bad Termination Found");
    EXPECT_EQ(dialogs.calls()[0].text,
              "Isolated Line Feed (ASCII 10) found at byte 700. Move grid to this position? (look for red cells)");
    EXPECT_EQ(state.viewFirstByte, 500);
    EXPECT_EQ(colorOfByte(200), reports::kByteRed);

    writeFile(state.searchFile, "A\r\nB\r\n");
    tools.but().userClick();
    EXPECT_EQ(dialogs.calls().back().title, "Termination Okay");
    EXPECT_EQ(dialogs.calls().back().text, "No Isolated Line Feeds (ASCII 10) found.");
}

TEST(ToolboxHints, CellTextsNameTheirCharacter)
{
    const std::pair<std::string, std::string> cases[] = {
        {"009", "Control character is TAB"},    {"010", "Control character is LF"},
        {"013", "Control character is CR"},     {"001", "Control character is Un-printable"},
        {"", "Control character is Un-printable"}, {" ", "Printable character is Space"},
        {"065", "Printable character is A"},    {"z", "Printable character is z"},
    };
    for (const auto& [text, hint] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(reports::characterHint(text), hint);
    }
}

TEST(ToolboxCodes, CodeBoxesAreParsedStrictly)
{
    struct Case {
        std::string text;
        reports::CodesError error;
        std::string bytes;
    };
    const Case cases[] = {
        {"  65   66  ", reports::CodesError::None, "AB"},
        {"13 10", reports::CodesError::None, "\r\n"},
        {"255", reports::CodesError::None, "\xff"},
        {"0 10", reports::CodesError::InvalidCodes, ""},
        {"256", reports::CodesError::InvalidCodes, ""},
        {"99999999999999999999", reports::CodesError::InvalidCodes, ""},
        {"1.5", reports::CodesError::InvalidCharacters, ""},
        {"10,13", reports::CodesError::InvalidCharacters, ""},
        {"   ", reports::CodesError::Empty, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const reports::ParsedCodes parsed = reports::parseAsciiCodes(c.text);
        EXPECT_EQ(parsed.error, c.error);
        EXPECT_EQ(parsed.bytes, c.bytes);
    }
}

TEST_F(ToolboxFixture, KeysAndToolbarFollowTheSearchMode)
{
    tools.tabb().userChoose(1);
    EXPECT_EQ(tools.inOpt().value(), 0);
    EXPECT_EQ(tools.repT(0).userKeyPress('|'), 0);
    EXPECT_EQ(tools.repT(1).userKeyPress('|'), 0);
    EXPECT_EQ(tools.repT(0).userKeyPress('a'), 'a');

    jobTools.clear();
    tools.repT(0).userEdit("abc");
    ASSERT_FALSE(jobTools.empty());
    EXPECT_TRUE(jobTools.back()); // text mode needs only a search text

    tools.inOpt().userChoose(1);
    EXPECT_EQ(tools.repT(0).text(), "10");
    EXPECT_EQ(tools.repT(1).text(), "13 10");
    EXPECT_EQ(tools.repT(1).tag(), "and replace with ASCII these codes");
    EXPECT_EQ(tools.repT(0).userKeyPress('a'), 0);
    EXPECT_EQ(tools.repT(0).userKeyPress('7'), '7');
    EXPECT_EQ(tools.repT(0).userKeyPress(' '), ' ');
    EXPECT_EQ(tools.repT(0).userKeyPress('|'), 0);
    tools.repT(1).userEdit("");
    EXPECT_FALSE(jobTools.back()); // codes mode needs both boxes

    tools.tabb().userChoose(0);
    EXPECT_FALSE(jobTools.back());
}

TEST_F(ToolboxFixture, CodesReplaceEveryLineFeedIntoANewFile)
{
    state.searchFile = dir.file("in.las");
    writeFile(state.searchFile, "A\nB\r\nC");
    const std::string out = dir.file("out.las");
    tools.inOpt().userChoose(1);
    dialogs.answerFile(out);

    EXPECT_EQ(tools.goSearRep(), -1);
    EXPECT_EQ(state.replaceFile, out);
    EXPECT_EQ(readFile(out), "A\r\nB\r\r\nC");
    EXPECT_EQ(readFile(state.searchFile), "A\nB\r\nC");
    EXPECT_FALSE(tools.repLab().visible());
    EXPECT_EQ(dialogs.calls()[0].title, "Specify File to Save");

    // Text mode ignores letter case.
    tools.inOpt().userChoose(0);
    tools.repT(0).userEdit("b");
    tools.repT(1).userEdit("xy");
    dialogs.answerFile(out);
    EXPECT_EQ(tools.goSearRep(), -1);
    EXPECT_EQ(readFile(out), "A\nxy\r\nC");
}

TEST_F(ToolboxFixture, RefusedRunsWriteNothing)
{
    state.searchFile = dir.file("in.las");
    writeFile(state.searchFile, "A\nB");
    const std::string out = dir.file("out.las");
    struct Case {
        std::string name;
        int mode;
        std::string search, replacement;
        std::string answer; // "" cancels the save dialog
        std::string title;  // message shown; "" none
        int focus = -1;
    };
    const Case cases[] = {
        {"empty search", 0, "", "x", out, "Nothing to Do!"},
        {"blank replacement", 0, "A", "  ", out, "Nothing to Do!"},
        {"cancelled dialog", 0, "A", "x", "", ""},
        {"same file by another path", 0, "A", "x", dir.file("sub/../in.las"), "Replace File is Same as Search File"},
        {"letters as codes", 1, "1.5", "13", out, "INVALID CHARACTERS", 0},
        {"code out of range", 1, "10", "0 10", out, "INVALID ASCII CODES"},
        {"blank code box", 1, "   ", "13", out, ""},
    };
    int focused = -1;
    auto focusConnection = tools.focusBox.connect([&](int i) { focused = i; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::create_directories(dir.file("sub"));
        focused = -1;
        dialogs.clearCalls();
        tools.inOpt().userChoose(c.mode);
        tools.repT(0).userEdit(c.search);
        tools.repT(1).userEdit(c.replacement);
        const bool asksForOutput = c.title != "Nothing to Do!";
        if (asksForOutput && c.answer.empty())
            dialogs.cancelFile();
        else if (asksForOutput)
            dialogs.answerFile(c.answer);
        EXPECT_EQ(tools.goSearRep(), 0);
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_EQ(readFile(state.searchFile), "A\nB");
        std::string shown;
        for (const auto& call : dialogs.calls())
            if (call.kind == platform::DialogKind::Message)
                shown = call.title;
        EXPECT_EQ(shown, c.title);
        EXPECT_EQ(focused, c.focus);
        EXPECT_EQ(dialogs.pendingAnswers(), 0u);
    }
}

TEST_F(ToolboxFixture, AMissingSearchFileIsReportedNotSilentlyDropped)
{
    state.searchFile = dir.file("gone.las");
    tools.repT(0).userEdit("A");
    tools.repT(1).userEdit("B");
    dialogs.answerFile(dir.file("out.las"));
    EXPECT_EQ(tools.goSearRep(), 0);
    EXPECT_EQ(dialogs.calls().back().title, "Search and Replace Failed");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.las")));
}

TEST_F(ToolboxFixture, LoadingShowsTheCurrentFileAndUnloadingClearsTheFlag)
{
    state.currentLASFile = dir.file("current.las");
    writeFile(state.currentLASFile, "~Version\r\n");
    platform::HeadlessWindowHost host;
    host.show(tools);
    EXPECT_TRUE(state.toolsOpen);
    EXPECT_EQ(state.searchFile, state.currentLASFile);
    EXPECT_EQ(state.viewFile, state.currentLASFile);
    EXPECT_EQ(state.viewLastByte, 10);
    EXPECT_EQ(textOfByte(0), "~");
    EXPECT_EQ(tools.label1().caption(), reports::toolsCaution);

    tools.tabb().userChoose(1);
    EXPECT_EQ(tools.repLab().caption(), state.currentLASFile);
    host.unload(tools);
    EXPECT_FALSE(state.toolsOpen);
}

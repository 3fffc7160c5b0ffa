#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace corvalet::platform;

TEST(MsgStyleBits, DefaultAnswerFollowsButtonsAndDefaultButton)
{
    struct Case {
        int style;
        int answer;
    };
    const Case cases[] = {
        {MsgStyle::OkOnly, MsgResult::Ok},
        {MsgStyle::OkCancel + MsgStyle::DefaultButton2, MsgResult::Cancel},
        {MsgStyle::AbortRetryIgnore + MsgStyle::DefaultButton3, MsgResult::Ignore},
        {MsgStyle::YesNoCancel + MsgStyle::Question, MsgResult::Yes},
        {MsgStyle::YesNoCancel + MsgStyle::Question + MsgStyle::DefaultButton2, MsgResult::No},
        {MsgStyle::YesNoCancel + MsgStyle::DefaultButton3, MsgResult::Cancel},
        {MsgStyle::YesNo + MsgStyle::Exclamation + MsgStyle::DefaultButton2, MsgResult::No},
        {MsgStyle::RetryCancel, MsgResult::Retry},
        {MsgStyle::YesNo + MsgStyle::DefaultButton3, MsgResult::Yes}, // no third button: the first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        EXPECT_EQ(msgDefaultAnswer(c.style), c.answer);
    }
    EXPECT_EQ(msgButtons(MsgStyle::YesNoCancel), (std::vector<int>{6, 7, 2}));
    EXPECT_EQ(msgIcon(MsgStyle::OkOnly + MsgStyle::Critical), MsgIcon::Critical);
    EXPECT_EQ(msgIcon(MsgStyle::YesNo + MsgStyle::Information + MsgStyle::DefaultButton2), MsgIcon::Information);
    EXPECT_EQ(msgIcon(MsgStyle::YesNo), MsgIcon::None);
}

TEST(FileFilterText, SplitsDescriptionAndPatternPairs)
{
    const auto entries = parseFileFilter("las Files (*.las;*.fil)|*.las;*.fil|All Files (*.*)|*.*");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].description, "las Files (*.las;*.fil)");
    EXPECT_EQ(entries[0].patterns, (std::vector<std::string>{"*.las", "*.fil"}));
    EXPECT_EQ(entries[1].patterns, (std::vector<std::string>{"*.*"}));

    const auto lone = parseFileFilter("Files (*.txt)");
    ASSERT_EQ(lone.size(), 1u);
    EXPECT_EQ(lone[0].patterns, (std::vector<std::string>{"*"}));
    EXPECT_TRUE(parseFileFilter("").empty());
}

TEST(QuietDialogsAnswers, QuestionsGetTheQuietOrDefaultAnswerAndShowNothing)
{
    std::ostringstream errors;
    QuietDialogs quiet(errors);
    EXPECT_EQ(quiet.msgBox("Repair?", MsgStyle::YesNo + MsgStyle::Question), MsgResult::Yes);
    EXPECT_EQ(quiet.msgBox("Repair?", MsgStyle::YesNo + MsgStyle::Question, "Repair", MsgResult::No), MsgResult::No);
    EXPECT_EQ(quiet.msgBox("Go on?", MsgStyle::OkCancel + MsgStyle::DefaultButton2), MsgResult::Cancel);
    EXPECT_TRUE(errors.str().empty());

    EXPECT_TRUE(quiet.inputBox("Name?", "T", "x").cancelled);
    EXPECT_TRUE(quiet.openFile({}).cancelled);
    EXPECT_TRUE(quiet.saveFile({}).cancelled);
    EXPECT_EQ(quiet.pickFolder("Pick", "/tmp"), "");
    FontChoice font{"Courier", 9, false};
    EXPECT_FALSE(quiet.chooseFont(font));
    EXPECT_EQ(font, (FontChoice{"Courier", 9, false}));
}

TEST(QuietDialogsAnswers, EveryModeMessagesReachTheErrorStreamOnOneLine)
{
    std::ostringstream errors;
    QuietDialogs quiet(errors);
    EXPECT_EQ(quiet.notify("File not found:\r\n/a b.las", MsgStyle::Critical, "BAD LOAD!!"), MsgResult::Ok);
    EXPECT_EQ(quiet.notify("Done.\nTwo lines"), MsgResult::Ok);
    EXPECT_EQ(errors.str(), "BAD LOAD!!: File not found: /a b.las\nCorvalet: Done. Two lines\n");
}

TEST(ScriptedDialogsCalls, QueuedAnswersAreTakenInOrderAndEveryCallIsRecorded)
{
    ScriptedDialogs dialogs;
    dialogs.answerMsg(MsgResult::No);
    dialogs.answerInput("new name");
    dialogs.cancelInput();
    dialogs.answerFiles({"/w/a.las", "/w/b.las"});
    dialogs.cancelFile();
    dialogs.answerFolder("/w");
    dialogs.answerFont({"Courier New", 12, true});

    EXPECT_EQ(dialogs.msgBox("Print all?", MsgStyle::YesNoCancel + MsgStyle::Question, "Print"), MsgResult::No);
    const InputResult named = dialogs.inputBox("Name:", "Rename", "old");
    EXPECT_FALSE(named.cancelled);
    EXPECT_EQ(named.text, "new name");
    EXPECT_TRUE(dialogs.inputBox("Name:", "Rename", "old").cancelled);

    FileRequest open{"Open LAS", "las Files (*.las)|*.las", "/w", "", "las", true};
    const FileResult chosen = dialogs.openFile(open);
    EXPECT_FALSE(chosen.cancelled);
    EXPECT_EQ(chosen.paths.size(), 2u);
    EXPECT_EQ(chosen.path(), "/w/a.las");
    EXPECT_TRUE(dialogs.saveFile({"Save LAS", "", "/w", "out.las", "las", false}).cancelled);
    EXPECT_EQ(dialogs.pickFolder("Folder", "/"), "/w");
    FontChoice font{"Arial", 10, false};
    EXPECT_TRUE(dialogs.chooseFont(font));
    EXPECT_EQ(font, (FontChoice{"Courier New", 12, true}));

    EXPECT_EQ(dialogs.pendingAnswers(), 0u);
    EXPECT_EQ(dialogs.unansweredCount(), 0u);
    const auto& calls = dialogs.calls();
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[0].kind, DialogKind::Message);
    EXPECT_EQ(calls[0].title, "Print");
    EXPECT_EQ(calls[0].text, "Print all?");
    EXPECT_EQ(calls[0].style, MsgStyle::YesNoCancel + MsgStyle::Question);
    EXPECT_EQ(calls[1].kind, DialogKind::Input);
    EXPECT_EQ(calls[1].fileName, "old");
    EXPECT_EQ(calls[3].kind, DialogKind::OpenFile);
    EXPECT_EQ(calls[3].text, "las Files (*.las)|*.las");
    EXPECT_EQ(calls[3].folder, "/w");
    EXPECT_EQ(calls[4].kind, DialogKind::SaveFile);
    EXPECT_EQ(calls[4].fileName, "out.las");
    EXPECT_EQ(calls[6].text, "Arial");
}

TEST(ScriptedDialogsCalls, UnscriptedCallsAreRecordedAndGetTheDefaultAnswer)
{
    ScriptedDialogs dialogs;
    EXPECT_EQ(dialogs.msgBox("Overwrite?", MsgStyle::YesNo + MsgStyle::DefaultButton2, "Save"), MsgResult::No);
    EXPECT_EQ(dialogs.notify("Saved.", MsgStyle::Information, "Save"), MsgResult::Ok);
    EXPECT_TRUE(dialogs.inputBox("?").cancelled);
    EXPECT_TRUE(dialogs.openFile({}).cancelled);
    EXPECT_EQ(dialogs.pickFolder("F", "/"), "");
    FontChoice font;
    EXPECT_FALSE(dialogs.chooseFont(font));
    EXPECT_EQ(dialogs.unansweredCount(), 6u);
    EXPECT_EQ(dialogs.calls()[1].kind, DialogKind::Notify);
    EXPECT_EQ(dialogs.calls()[1].text, "Saved.");
}

#include "platform/FileDialogs.h"

#include "platform/EventPump.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace corvalet::platform;

namespace {

class CountingPump final : public EventPump {
public:
    void doEvents() override { ++count; }
    int count = 0;
};

// A dialog service whose file dialogs break, as a real one can (no display, a bad start folder).
class BrokenFileDialogs final : public Dialogs {
public:
    int msgBox(const std::string& text, int style, const std::string& title, int quietAnswer) override
    {
        return m_log.msgBox(text, style, title, quietAnswer);
    }
    int notify(const std::string& text, int style, const std::string& title, int quietAnswer) override
    {
        return m_log.notify(text, style, title, quietAnswer);
    }
    InputResult inputBox(const std::string& prompt, const std::string& title, const std::string& def) override
    {
        return m_log.inputBox(prompt, title, def);
    }
    FileResult openFile(const FileRequest&) override { throw std::runtime_error("no dialog"); }
    FileResult saveFile(const FileRequest&) override { throw std::runtime_error("no dialog"); }
    std::string pickFolder(const std::string& title, const std::string& start) override
    {
        return m_log.pickFolder(title, start);
    }
    bool chooseFont(FontChoice& font) override { return m_log.chooseFont(font); }

    [[nodiscard]] const std::vector<DialogCall>& calls() const { return m_log.calls(); }

private:
    ScriptedDialogs m_log;
};

} // namespace

TEST(GetFileName, ModeSetsKindTitleFilterAndDefaultExtension)
{
    struct Case {
        int mode;
        const char* extension;
        DialogKind kind;
        const char* title;
        const char* filter;
        const char* defaultExt;
    };
    const Case cases[] = {
        {0, "txt", DialogKind::OpenFile, "Pick", "Files (*.txt)|*.txt|All Files (*.*)|*.*", "txt"},
        {1, "txt", DialogKind::SaveFile, "Pick", "Files (*.txt)|*.txt", "txt"},
        {2, "exe", DialogKind::OpenFile, "Pick", "All Files (*.*)|*.*", ""},
        {3, "txt", DialogKind::OpenFile, "Pick", "las Files (*.las)|*.las", "las"},
        {5, "txt", DialogKind::SaveFile, "Pick", "las Files (*.las)|*.las", "las"},
        {6, "fil", DialogKind::OpenFile, "Select LAS or FIL File for Filter", "las Files (*.las;*.fil)|*.las;*.fil",
         "fil"},
        {0, "", DialogKind::OpenFile, "Pick", "Files (*.*)|*.*|All Files (*.*)|*.*", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " ext '" << c.extension << "'");
        ScriptedDialogs dialogs;
        dialogs.answerFile("/data/chosen.any");
        std::string extension = c.extension;
        std::string folder = "/data/in";
        EXPECT_EQ(getFileName(dialogs, c.mode, extension, "Pick", folder, "well.any"), "/data/chosen.any");
        ASSERT_EQ(dialogs.calls().size(), 1u);
        const DialogCall& call = dialogs.calls()[0];
        EXPECT_EQ(call.kind, c.kind);
        EXPECT_EQ(call.title, c.title);
        EXPECT_EQ(call.text, c.filter);
        EXPECT_EQ(call.folder, "/data/in");
        EXPECT_EQ(call.fileName, "well.any");
        EXPECT_EQ(fileDialogSetup(c.mode, extension, "Pick", folder, "well.any").request.defaultExt, c.defaultExt);
    }
    // Mode 0 offers the type and every file; mode 1 the type alone.
    EXPECT_EQ(parseFileFilter(fileDialogSetup(0, "txt", "", "", "").request.filter).size(), 2u);
    EXPECT_EQ(parseFileFilter(fileDialogSetup(1, "txt", "", "", "").request.filter).size(), 1u);
}

TEST(GetFileName, TidiesTheCallersExtensionAndFolder)
{
    struct Case {
        const char* extension;
        const char* tidyExtension;
        const char* folder;
        const char* tidyFolder;
    };
    const Case cases[] = {
        {"txt", "txt", "/data/in", "/data/in"},   {".csv", "csv", "/data/in/", "/data/in"},
        {"", "*", "C:\\wells\\", "C:\\wells"},     {"lasx", "las", "/", "/"},
        {"  las ", "las", "", ""},                 {"*.fil", "fil", "rel\\", "rel"},
        {"a.b.c", "b.c", "/data//", "/data/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.extension << "' '" << c.folder << "'");
        ScriptedDialogs dialogs;
        dialogs.cancelFile();
        std::string extension = c.extension;
        std::string folder = c.folder;
        getFileName(dialogs, 0, extension, "T", folder, "");
        EXPECT_EQ(extension, c.tidyExtension);
        EXPECT_EQ(folder, c.tidyFolder);
        ASSERT_EQ(dialogs.calls().size(), 1u);
        EXPECT_EQ(dialogs.calls()[0].folder, c.tidyFolder);
    }
}

TEST(GetFileName, CancelIsSilentAndAFailureIsReported)
{
    ScriptedDialogs cancelled;
    cancelled.cancelFile();
    std::string extension = "las";
    std::string folder = "/data";
    EXPECT_EQ(getFileName(cancelled, 5, extension, "Save", folder, "a.las"), "");
    ASSERT_EQ(cancelled.calls().size(), 1u);
    EXPECT_EQ(cancelled.calls()[0].kind, DialogKind::SaveFile);

    BrokenFileDialogs broken;
    EXPECT_EQ(getFileName(broken, 3, extension, "Open", folder, "a.las"), "");
    ASSERT_EQ(broken.calls().size(), 1u);
    const DialogCall& box = broken.calls()[0];
    EXPECT_EQ(box.kind, DialogKind::Message);
    EXPECT_EQ(box.title, "BAD LOAD!!");
    EXPECT_EQ(box.text, "Error selecting file.");
    EXPECT_EQ(msgIcon(box.style), MsgIcon::Critical);
    EXPECT_EQ(msgButtons(box.style), std::vector<int>{MsgResult::Ok});
}

TEST(GetFileName, OnlyATypedSaveYieldsFirstAndNotWhenQuiet)
{
    struct Case {
        int mode;
        bool quiet;
        int yields;
    };
    const Case cases[] = {{1, false, 1}, {1, true, 0}, {0, false, 0}, {5, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " quiet " << c.quiet);
        ScriptedDialogs dialogs;
        CountingPump pump;
        std::string extension = "txt";
        std::string folder;
        getFileName(dialogs, c.mode, extension, "T", folder, "", &pump, c.quiet);
        EXPECT_EQ(pump.count, c.yields);
    }
}

#include "shell/FolderPicker.h"

#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

using namespace corvalet;
namespace fs = std::filesystem;

TEST(BrowseForFolder, OpensOnAnExistingStartFolderAndReturnsTheChoice)
{
    const std::string existing = fs::temp_directory_path().string();
    const struct {
        const char* name;
        std::string start;
        std::optional<std::string> answer; // nullopt: the user cancels
        std::string shownStart;
        std::string result;
    } cases[] = {
        {"existing start, folder chosen", existing, "/w/chosen", existing, "/w/chosen"},
        {"existing start, cancelled", existing, std::nullopt, existing, ""},
        {"missing start opens without one", "/no/such/folder/here", "/w/other", "", "/w/other"},
        {"a file is no start folder", "/etc/hostname", "/w/x", "", "/w/x"},
        {"empty start", "", std::nullopt, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedDialogs dialogs;
        if (c.answer)
            dialogs.answerFolder(*c.answer);
        EXPECT_EQ(shell::BrowseForFolder(dialogs, "Select Source Folder", c.start), c.result);
        ASSERT_EQ(dialogs.calls().size(), 1u);
        EXPECT_EQ(dialogs.calls().front().kind, platform::DialogKind::Folder);
        EXPECT_EQ(dialogs.calls().front().title, "Select Source Folder");
        EXPECT_EQ(dialogs.calls().front().folder, c.shownStart);
    }
}

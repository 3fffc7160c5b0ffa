#include "core/FileUtils.h"

#include "core/AppState.h"
#include "platform/Text.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvalet::core {
namespace {

using test::readFile;
using test::ScratchDir;
using test::writeFile;

TEST(FileUtilsTest, PathSplitting)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
    };
    const std::string longName(250, 'n');
    const Case cases[] = {
        {"C:", "C:\\", ""},
        {"C:\\logs\\well.las", "C:\\logs\\", "well.las"},
        {"/data/logs/well.las", "/data/logs/", "well.las"},
        {"/data/logs\\well.las", "/data/logs\\", "well.las"},
        {"well.las", "", "well.las"},
        {"C:well.las", "", "C:well.las"},
        {"C:\\logs\\", "C:\\logs\\", ""},
        {"/data/logs/", "/data/logs/", ""},
        {"  /data/a b/x y.las  ", "/data/a b/", "x y.las"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(folderOfPath(c.path), c.folder);
        EXPECT_EQ(fileNameOfPath(c.path), c.name);
    }
    EXPECT_EQ(fileNameOfPath("/data/" + longName), longName.substr(0, 200));
}

TEST(FileUtilsTest, ChangeExtensionTouchesOnlyTheFileName)
{
    struct Case {
        const char* path;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/well.las", "log", "/data/well.log"},
        {"C:\\data\\well.las", "log", "C:\\data\\well.log"},
        {"/data/well", "las", "/data/well.las"},
        {"/data/well.las", "", "/data/well.las"},
        {"", "las", ""},
        {"/data/my.logs/well", "log", "/data/my.logs/well.log"},
        {"C:\\my.data\\well", "log", "C:\\my.data\\well.log"},
        {"/data/well.las", "unixterm.las", "/data/well.unixterm.las"},
        {" /data/well.las ", " log ", "/data/well.log"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(changeExtension(c.path, c.extension), c.expected);
    }
}

TEST(FileUtilsTest, AddBackslashAndFileNameChecks)
{
    EXPECT_EQ(addBackslash("/data"), "/data/");
    EXPECT_EQ(addBackslash("/data/"), "/data/");
    EXPECT_EQ(addBackslash("C:\\data"), "C:\\data\\");
    EXPECT_EQ(addBackslash("C:\\data\\"), "C:\\data\\");
    EXPECT_EQ(addBackslash(""), "");

    EXPECT_TRUE(isValidFileName("my well 1.las"));
    for (const char* bad : {"a?.las", "a\".las", "a/b", "a\\b", "a:b", "a*b", "a<b", "a>b", "a|b"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(isValidFileName(bad));
    }
}

TEST(FileUtilsTest, FileExistsOnlyForRegularFiles)
{
    ScratchDir dir;
    writeFile(dir.file("a.las"), "x");
    EXPECT_TRUE(fileExists(dir.file("a.las")));
    EXPECT_FALSE(fileExists(""));
    EXPECT_FALSE(fileExists(dir.path().string()));
    EXPECT_FALSE(fileExists(dir.file("missing.las")));
}

TEST(FileUtilsTest, SameFileIsDecidedOnDiskNotByText)
{
    ScratchDir dir;
    std::filesystem::create_directories(dir.path() / "sub");
    test::writeFile(dir.file("in.las"), "x");
    test::writeFile(dir.file("other.las"), "y");
    const std::string root = dir.path().string();
    EXPECT_TRUE(sameFile(root + "/in.las", root + "/sub/../in.las"));
    EXPECT_TRUE(sameFile(root + "/in.las", root + "\\sub\\..\\in.las"));
    EXPECT_FALSE(sameFile(root + "/in.las", root + "/other.las"));
    EXPECT_TRUE(sameFile(root + "/new.las", root + "/sub/../new.las")) << "neither exists yet";
    EXPECT_FALSE(sameFile(root + "/in.las", root + "/new.las"));
}

TEST(FileUtilsTest, KillFilesDeletesExactlyWhatItIsGiven)
{
    ScratchDir dir;
    for (const char* name : {"a.cer", "B.CER", "c.las", "cer.txt"})
        writeFile(dir.file(name), "x");
    std::filesystem::create_directory(dir.path() / "sub.cer");

    KillResult byPattern = killFiles(dir.file("*.cer"));
    EXPECT_TRUE(byPattern.ok());
    EXPECT_EQ(byPattern.deleted, 2);
    EXPECT_FALSE(fileExists(dir.file("a.cer")));
    EXPECT_FALSE(fileExists(dir.file("B.CER")));
    EXPECT_TRUE(fileExists(dir.file("c.las")));
    EXPECT_TRUE(fileExists(dir.file("cer.txt")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "sub.cer"));

    KillResult single = killFiles(dir.file("c.las"));
    EXPECT_EQ(single.deleted, 1);
    EXPECT_FALSE(fileExists(dir.file("c.las")));
    EXPECT_TRUE(killFiles(dir.file("gone.las")).ok());
}

TEST(FileUtilsTest, ReadWholeFileTellsMissingFromEmpty)
{
    ScratchDir dir;
    const std::string bytes("a\r\nb\0c\n", 7);
    writeFile(dir.file("a.las"), bytes);
    writeFile(dir.file("empty.las"), "");
    EXPECT_EQ(readWholeFile(dir.file("a.las")), bytes);
    EXPECT_EQ(readWholeFile(dir.file("empty.las")), "");
    EXPECT_FALSE(readWholeFile(dir.file("missing.las")).has_value());
}

class ReplaceInFileTest : public ::testing::Test {
protected:
    void SetUp() override { initGlobals(state); }
    AppState state;
    ScratchDir dir;
};

TEST_F(ReplaceInFileTest, ReplacesWithoutRegardToCaseInPlace)
{
    const std::string path = dir.file("well.las");
    writeFile(path, "abc\nABC\nxAbCx\n");
    int yields = 0;
    JobHooks hooks;
    hooks.doEvents = [&] { ++yields; };
    EXPECT_EQ(replaceInFile(state, path, path, "abc", "Z", hooks), ReplaceResult::Done);
    EXPECT_EQ(readFile(path), "Z\nZ\nxZx\n");
    EXPECT_EQ(state.progressText, "Doing Search and Replace. Please Wait...");
    EXPECT_EQ(state.procInFile, path);
    EXPECT_EQ(state.procOutFile, path);
    EXPECT_EQ(yields, 1);
    EXPECT_EQ(dir.entryCount(), 1);  // no temporary file left behind
}

TEST_F(ReplaceInFileTest, LineFeedRepairToAnotherFileAndQuietMode)
{
    const std::string in = dir.file("in.las");
    const std::string out = dir.file("out.las");
    writeFile(in, "~V\nVERS. 2.0 : x\n");
    writeFile(out, "old contents");
    state.quietMode = true;
    int yields = 0;
    JobHooks hooks;
    hooks.doEvents = [&] { ++yields; };
    EXPECT_EQ(replaceInFile(state, in, out, "\n", "\r\n", hooks), ReplaceResult::Done);
    EXPECT_EQ(readFile(out), "~V\r\nVERS. 2.0 : x\r\n");
    EXPECT_EQ(readFile(in), "~V\nVERS. 2.0 : x\n");
    EXPECT_EQ(yields, 0);
}

TEST_F(ReplaceInFileTest, CancelledBeforeTheWriteLeavesTheOutputUntouched)
{
    const std::string path = dir.file("well.las");
    writeFile(path, "abc");
    state.userCancelled = true;
    EXPECT_EQ(replaceInFile(state, path, path, "a", "b"), ReplaceResult::Cancelled);
    EXPECT_EQ(readFile(path), "abc");
}

TEST_F(ReplaceInFileTest, FailedWriteLeavesTheOriginalIntact)
{
    const std::string path = dir.file("well.las");
    const std::string original(2000, 'a');
    writeFile(path, original);
    {
        // The new copy (200 KB) cannot be written in full: as on a full disk.
        test::FileSizeLimit limit(16 * 1024);
        EXPECT_EQ(replaceInFile(state, path, path, "a", std::string(100, 'b')), ReplaceResult::Failed);
    }
    EXPECT_EQ(readFile(path), original);
    EXPECT_EQ(dir.entryCount(), 1);

    EXPECT_EQ(replaceInFile(state, path, dir.file("no/such/folder/out.las"), "a", "b"), ReplaceResult::Failed);
    EXPECT_EQ(replaceInFile(state, dir.file("missing.las"), path, "a", "b"), ReplaceResult::Failed);
    EXPECT_EQ(readFile(path), original);
}

TEST_F(ReplaceInFileTest, TheReplacedFileKeepsItsPermissions)
{
    namespace fs = std::filesystem;
    const std::string path = dir.file("well.las");
    writeFile(path, "abc");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(replaceInFile(state, path, path, "b", "x"), ReplaceResult::Done);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ReplaceInFileTest, MatchesAcrossTheReadBlocksOfALargeFile)
{
    // Matches straddle the 1 MiB read blocks at different offsets; the result must equal a
    // whole-file replacement.
    const std::string path = dir.file("big.las");
    const std::string out = dir.file("out.las");
    std::string original;
    for (std::size_t boundary : {std::size_t(1) << 20, std::size_t(2) << 20}) {
        original.resize(boundary - 2, 'x');
        original += "AbCd";
    }
    original += "abcd";
    writeFile(path, original);
    std::string expected = original;
    platform::replaceAllNoCase(expected, "abcd", "<>");
    EXPECT_EQ(replaceInFile(state, path, out, "abcd", "<>"), ReplaceResult::Done);
    EXPECT_EQ(readFile(out), expected);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '<'), 3);
}

} // namespace
} // namespace corvalet::core

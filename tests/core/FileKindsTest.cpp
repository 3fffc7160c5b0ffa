#include "core/FileKinds.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace corvalet::core;
namespace MsgResult = corvalet::platform::MsgResult;
using corvalet::platform::ScriptedDialogs;
namespace fs = std::filesystem;

namespace {

fs::path tempDir()
{
    const auto dir = fs::temp_directory_path() / ("corvalet-kinds-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

std::string write(const std::string& name, const std::string& bytes)
{
    const auto path = tempDir() / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string kLas = "~Version\r\n VERS. 2.0 :\r\n~Well\r\n STRT.M 1 :\r\n~A\r\n1 2\r\n";

std::string withEnds(std::string s, const std::string& end)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
            out += end;
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

} // namespace

TEST(FileKinds, DetectionTable)
{
    const std::string asciiSaveTab = "# Ascii save of well data\r\n~C\r\nDEPT\tGR\r\n1\t2\r\n";
    const std::string asciiSaveBlank = "# Ascii save of well data\r\n~C\r\nDEPT GR\r\n1 2\r\n";
    const std::string asciiSaveNoC = "# Ascii save of well data\r\nDEPT GR\r\n";
    struct Case {
        const char* name;
        std::string file;
        std::string bytes;
        FileKind kind;
    } const cases[] = {
        {"clean", "well.las", kLas, FileKind::Las},
        {"upper-case extension", "WELL.LAS", kLas, FileKind::Las},
        {"LF only", "lf.las", withEnds(kLas, "\n"), FileKind::UnixTermination},
        {"CR only", "cr.las", withEnds(kLas, "\r"), FileKind::UnixTermination},
        {"NUL byte", "nul.las", std::string("~V\r\n\0~W\r\n", 9), FileKind::UnixTermination},
        {"empty", "empty.las", "", FileKind::UnixTermination},
        {"no ~W", "now.las", "~Version\r\n VERS. 2.0 :\r\n~A\r\n", FileKind::NotBasicLas},
        {"not named las", "well.txt", kLas, FileKind::NotBasicLas},
        {"backup name", "data.las.bak", kLas, FileKind::NotBasicLas},
        {".las inside the name", "x.lasx.las", kLas, FileKind::Las},
        {".las folder", "set.las/well.dat", kLas, FileKind::NotBasicLas},
        {"ascii save with tab", "save.txt", asciiSaveTab, FileKind::Ostrelle2x},
        {"ascii save with blanks", "save2.las", asciiSaveBlank, FileKind::Ostrelle35},
        {"ascii save without ~C", "save3.las", asciiSaveNoC, FileKind::NotBasicLas},
        {"ascii save with ~V and ~W but no ~C", "save4.las", "# Ascii save\r\n~V\r\n~W\r\n", FileKind::Unusable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs dialogs;
        EXPECT_EQ(detectFileKind(write(c.file, c.bytes), dialogs), c.kind);
        EXPECT_TRUE(dialogs.calls().empty());
    }
    ScriptedDialogs dialogs;
    EXPECT_EQ(detectFileKind((tempDir() / "missing.las").string(), dialogs), FileKind::UnixTermination);
    EXPECT_EQ(fileKindLabel(FileKind::Ostrelle35), "Ostrelle 3.5 or earlier LAS");
}

TEST(FileKinds, LineEndCodes)
{
    struct Case {
        const char* name;
        std::string bytes;
        LineEnds code;
    } const cases[] = {
        {"clean", kLas, LineEnds::Clean},
        {"LF", withEnds(kLas, "\n"), LineEnds::BareLf},
        {"CR", withEnds(kLas, "\r"), LineEnds::BareLf},
        {"CR CR LF", withEnds(kLas, "\r\r\n"), LineEnds::Undetermined},
        {"empty", "", LineEnds::Empty},
        {"NUL", std::string("a\0b\r\n", 5), LineEnds::Binary},
        {"exactly 4096 bytes", std::string(4094, 'x') + "\r\n", LineEnds::Clean},
        {"long, LF tail", std::string(5000, 'x') + "\r\n" + std::string(5000, 'y') + "\n", LineEnds::BareLf},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(checkLineEnds(write("ends.las", c.bytes)), c.code);
    }
    EXPECT_EQ(checkLineEnds((tempDir() / "nope.las").string()), LineEnds::Missing);
}

TEST(FileKinds, SniffLasReadsHalfOfALargeFile)
{
    std::string late = "~Version\r\n" + std::string(20500, ' ') + "\r\n~Well\r\n" + std::string(19000, ' ') + "\r\n";
    EXPECT_EQ(sniffLas(write("late.las", late)), 2);
    std::string small = "~Version\r\n" + std::string(20500, ' ') + "\r\n~Well\r\n" + std::string(5000, ' ');
    EXPECT_EQ(sniffLas(write("small.las", small)), -1);
    EXPECT_EQ(sniffLas(write("ends-with-tilde.las", "~V ~")), 2);
}

TEST(FileKinds, SniffersOfPlatformExportsAndSurveys)
{
    std::string primary = "\r\n  PrimaryIndex DEPTH\r\n[A]\r\n" + std::string(2100, ' ');
    EXPECT_TRUE(isPrimaryIndexFile(write("p.txt", primary)));
    EXPECT_FALSE(isPrimaryIndexFile(write("pc.txt", "# c\r\nPrimaryIndex\r\n[A]\r\n" + std::string(2100, ' '))));
    EXPECT_FALSE(isPrimaryIndexFile(write("ps.txt", "PrimaryIndex [A]")));  // under 2048 bytes
    EXPECT_TRUE(isSurveyReport(write("s.txt", "   kestrovander survey report\r\nMD TVD\r\n")));
    EXPECT_FALSE(isSurveyReport(write("s2.txt", "MD TVD\r\n")));
}

TEST(FileKinds, HasLfOnlyLines)
{
    EXPECT_EQ(hasLfOnlyLines(write("c.las", kLas)), 0);
    EXPECT_EQ(hasLfOnlyLines(write("u.las", "0123456789\nabc\n")), 11);
    EXPECT_EQ(hasLfOnlyLines(write("m.las", "ab\r\ncd\nef")), 7);
    EXPECT_EQ(hasLfOnlyLines(write("l.las", "\n")), 1);
}

TEST(FileKinds, BareLfRepairConvertsOnlyBareLfs)
{
    const auto path = write("mixed.las", "a\r\nb\nc\rd\n\ne");
    ASSERT_TRUE(convertBareLf(path, path));
    EXPECT_EQ(readAll(path), "a\r\nb\r\nc\rd\r\n\r\ne");
    ASSERT_TRUE(convertBareLf(path, path));  // a second repair changes nothing
    EXPECT_EQ(readAll(path), "a\r\nb\r\nc\rd\r\n\r\ne");
    const auto copy = (tempDir() / "copy.las").string();
    ASSERT_TRUE(convertBareLf(write("lf2.las", "x\ny\n"), copy));
    EXPECT_EQ(readAll(copy), "x\r\ny\r\n");
    EXPECT_FALSE(convertBareLf((tempDir() / "absent.las").string(), copy));
}

TEST(FileKinds, XwellYwellRepairChangesExactlyTheDefectLine)
{
    const std::string before = "~Version\r\n VERS. 2.0 :\r\n~Well\r\n STRT.M 1 :\r\n";
    const std::string after = " DEPT.M :\r\n~Curve extra\r\n~A XWELL YWELL ~C\r\n1 2\r\n";
    const std::string defect = "~Curve XWELL.M : x YWELL.M : y";
    const auto path = write("qv.las", before + defect + "\r\n" + after);

    ScriptedDialogs no;
    no.answerMsg(MsgResult::No);
    EXPECT_FALSE(fixQVBadLas(path, no));
    EXPECT_EQ(readAll(path), before + defect + "\r\n" + after);

    ScriptedDialogs yes;
    yes.answerMsg(MsgResult::Yes);
    EXPECT_TRUE(fixQVBadLas(path, yes));
    ASSERT_EQ(yes.calls().size(), 1u);
    EXPECT_EQ(yes.calls()[0].text,
              "LAS found to have a common Ostrelle error (XWELL/YWELL/~Curve all on same line). Do you want to repair "
              "it now?");
    EXPECT_EQ(readAll(path), before + "~Curve\r\n" + after);
    for (const auto& entry : fs::directory_iterator(tempDir()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();

    // An LF-only file keeps its other lines and its own line end.
    const auto lf = write("qvlf.las", "~V\n" + defect + "\nDEPT.M :\n~A\n");
    ScriptedDialogs yes2;
    yes2.answerMsg(MsgResult::Yes);
    EXPECT_TRUE(fixQVBadLas(lf, yes2));
    EXPECT_EQ(readAll(lf), "~V\n~Curve\nDEPT.M :\n~A\n");

    // Quiet runs answer No and change nothing.
    corvalet::platform::QuietDialogs quiet;
    const auto q = write("qvq.las", defect + "\r\n~A\r\n");
    EXPECT_FALSE(fixQVBadLas(q, quiet));
    EXPECT_EQ(readAll(q), defect + "\r\n~A\r\n");
}

#include "core/HeaderWriter.h"

#include "core/AppState.h"
#include "core/TextUtils.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvalet::core {
namespace {

using test::readFile;
using test::ScratchDir;
using test::writeFile;

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

TEST(HeaderWriterTest, BuildsLinesAtTheFormatColumns)
{
    struct Case {
        const char* name;
        HeaderParts parts;
        int dot, colon, value;
        std::string expected;
    };
    const Case cases[] = {
        {"fixed columns", {"DEPT", "M", "1000.0", "Depth"}, 6, 40, 15,
         " DEPT.M" + blanks(7) + "1000.0" + blanks(19) + ":Depth"},
        {"parts are trimmed", {" DEPT ", " M ", " 1000.0 ", " Depth "}, 6, 40, 15,
         " DEPT.M" + blanks(7) + "1000.0" + blanks(19) + ":Depth"},
        {"long mnemonic moves the dot only", {"ABCDEFGHIJKL", "", "1", "d"}, 6, 40, 15,
         "ABCDEFGHIJKL." + blanks(1) + "1" + blanks(24) + ":d"},
        {"long mnemonic and a unit push the value", {"ABCDEFGHIJKL", "M", "1", "d"}, 6, 40, 15,
         "ABCDEFGHIJKL.M 1" + blanks(23) + ":d"},
        {"long value gets the colon after two blanks", {"WELL", "", std::string(30, 'W'), "Well"}, 6, 40, 15,
         " WELL." + blanks(8) + std::string(30, 'W') + "  :Well"},
        {"empty mnemonic", {"", "M", "1", ""}, 6, 40, 15, "     .M" + blanks(7) + "1" + blanks(24) + ":"},
        {"colon beyond the last column", {"X", "", std::string(240, '9'), ""}, 6, 40, 15, ""},
        {"description beyond the last column", {"X", "", std::string(237, '9'), "d"}, 6, 40, 15, ""},
        {"colon in the last column", {"X", "", std::string(237, '9'), ""}, 6, 40, 15,
         "    X." + blanks(8) + std::string(237, '9') + "  :"},
        {"long description is cut at the last column", {"X", "", "1", std::string(300, 'd')}, 6, 40, 15,
         "    X." + blanks(8) + "1" + blanks(24) + ":" + std::string(214, 'd')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeaderParts parts = c.parts;
        const std::string line = buildHeaderLine(parts, c.dot, c.colon, c.value);
        EXPECT_EQ(line, c.expected);
        EXPECT_LE(line.size(), 254u);
    }
}

TEST(HeaderWriterTest, BuiltLinesSplitBackIntoTheirParts)
{
    const HeaderParts rows[] = {
        {"DEPT", "M", "1000.0", "Depth"},
        {"DATE", "", "12:30:45", "Log date"},
        {"GR", "GAPI", "45 310 01 00", "2  GAMMA RAY"},
        {"LONGMNEMONIC", "OHMM", "1.5", ""},
        {"NULL", "", "-999.25", "Null value"},
    };
    for (const HeaderParts& row : rows) {
        SCOPED_TRACE(row[0]);
        HeaderParts parts = row;
        const std::string line = buildHeaderLine(parts, 6, 40, 15);
        HeaderParts back;
        ASSERT_TRUE(splitHeaderLine(line, back));
        EXPECT_EQ(back, row);
    }
}

class EditHeaderLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.file("well.las");
        original = "~Version Information\r\n"
                   " VERS.                  2.0 :   CWLS LOG ASCII STANDARD - VERSION 2.0\r\n"
                   " WRAP.                   NO :   ONE LINE PER DEPTH STEP\r\n"
                   "~Well Information\r\n"
                   " STRT.M        1670.0000 :    START DEPTH\r\n"
                   " STOP.M        1669.7500 :    STOP DEPTH\r\n"
                   " DATE.     12:30:45      :    LOG DATE\r\n"
                   " X.1 : s\r\n"
                   "~Parameter Information\r\n"
                   " RUN .          1            :   RUN NUMBER\r\n"
                   "~A  DEPTH\r\n"
                   "1670.000\r\n"
                   "1669.875\r\n";
        writeFile(path, original);
    }

    // The file with `oldLine` replaced by `newLine`.
    std::string expectedWith(const std::string& oldLine, const std::string& newLine) const
    {
        std::string text = original;
        const std::size_t at = text.find(oldLine);
        EXPECT_NE(at, std::string::npos);
        text.replace(at, oldLine.size(), newLine);
        return text;
    }

    EditResult edit(const char* mnem, char field, const std::string& text, const char* section)
    {
        return editHeaderLine(path, mnem, field, text, section, [this](const std::string& title, const std::string& body) {
            messages.push_back(title + "|" + body);
        });
    }

    ScratchDir dir;
    std::string path;
    std::string original;
    std::vector<std::string> messages;
};

TEST_F(EditHeaderLineTest, AShorterValueIsWrittenOverTheOldLine)
{
    EXPECT_EQ(edit("strt", 'V', "1600.5", "W"), EditResult::Done);
    const std::string oldLine = " STRT.M        1670.0000 :    START DEPTH";
    // The description follows the ":" directly; blanks pad the line to its old length.
    const std::string newLine = " STRT.M        1600.5    :START DEPTH" + blanks(4);
    EXPECT_EQ(readFile(path), expectedWith(oldLine, newLine));
    EXPECT_EQ(dir.entryCount(), 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(EditHeaderLineTest, ALongerValueGrowsOnlyItsLine)
{
    EXPECT_EQ(edit("STOP", 'V', "1669.750000000000000000", "W"), EditResult::Done);
    const std::string oldLine = " STOP.M        1669.7500 :    STOP DEPTH";
    const std::string newLine = " STOP.M        1669.750000000000000000  :STOP DEPTH";
    EXPECT_EQ(readFile(path), expectedWith(oldLine, newLine));
    EXPECT_EQ(dir.entryCount(), 1);
}

TEST_F(EditHeaderLineTest, EveryFieldCanBeEdited)
{
    struct Case {
        const char* mnem;
        char field;
        const char* text;
        const char* section;
        const char* oldLine;
        std::string newLine;
    };
    const Case cases[] = {
        {"WRAP", 'V', "YES", "V", " WRAP.                   NO :   ONE LINE PER DEPTH STEP",
         " WRAP.                   YES  :ONE LINE PER DEPTH STEP "},
        {"STRT", 'U', "F", "", " STRT.M        1670.0000 :    START DEPTH",
         " STRT.F        1670.0000 :START DEPTH" + blanks(4)},
        {"STRT", 'D', "TOP", "W", " STRT.M        1670.0000 :    START DEPTH",
         " STRT.M        1670.0000 :TOP" + blanks(12)},
        // The old value holds colons, so it is not found in the line: the value goes to column 16.
        {"DATE", 'V', "01:02:03", "W", " DATE.     12:30:45      :    LOG DATE",
         " DATE." + blanks(9) + "01:02:03  :LOG DATE" + blanks(4)},
        {"run", 'V', "2", "P", " RUN .          1            :   RUN NUMBER",
         "  RUN.          2            :RUN NUMBER" + blanks(3)},  // the mnemonic ends at the "."
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mnem) + " " + c.field);
        writeFile(path, original);
        EXPECT_EQ(edit(c.mnem, c.field, c.text, c.section), EditResult::Done);
        EXPECT_EQ(readFile(path), expectedWith(c.oldLine, c.newLine));
    }
}

TEST_F(EditHeaderLineTest, RefusedEditsLeaveTheFileByteIdentical)
{
    struct Case {
        const char* name;
        const char* mnem;
        char field;
        std::string text;
        const char* section;
        EditResult expected;
    };
    const Case cases[] = {
        {"item only in another section", "RUN", 'V', "2", "W", EditResult::NotFound},
        {"item not in the header", "NOPE", 'V', "2", "", EditResult::NotFound},
        {"data section", "STRT", 'V', "2", "A", EditResult::NotFound},
        {"unknown section", "STRT", 'V', "2", "Q", EditResult::NotFound},
        {"blank mnemonic", "  ", 'V', "2", "W", EditResult::NotFound},
        {"unknown field", "STRT", 'X', "2", "W", EditResult::NotFound},
        {"absent section", "STRT", 'V', "2", "O", EditResult::NotFound},
        {"value too long for a header line", "STRT", 'V', std::string(250, '1'), "W", EditResult::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(edit(c.mnem, c.field, c.text, c.section), c.expected);
        EXPECT_EQ(readFile(path), original);
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dir.entryCount(), 1);
    EXPECT_EQ(editHeaderLine(dir.file("missing.las"), "STRT", 'V', "1", "W"), EditResult::Failed);
}

TEST_F(EditHeaderLineTest, AShortLineIsNeverChanged)
{
    EXPECT_EQ(edit("X", 'V', "2", "W"), EditResult::Failed);
    EXPECT_EQ(readFile(path), original);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Header Line Too Short to edit|This header line  X.1 : s\r\n\r\n X.1 : s\r\n\r\n"
                           "is too short for reliable editing. Increase the Format positions for the Dot, Value "
                           "and Colon on the properties tab (try 6, 15 and 50) and try again. ");
}

TEST_F(EditHeaderLineTest, AFailedWriteLeavesTheFileByteIdentical)
{
    // Make the file larger than the size limit, so that no complete copy can be written.
    original += std::string(64 * 1024, '1') + "\r\n";
    writeFile(path, original);
    {
        test::FileSizeLimit limit(16 * 1024);
        EXPECT_EQ(edit("STOP", 'V', "1669.750000000000000000", "W"), EditResult::Failed);
        EXPECT_EQ(edit("STOP", 'V', "1", "W"), EditResult::Failed);
    }
    EXPECT_EQ(readFile(path), original);
    EXPECT_EQ(dir.entryCount(), 1);
}

TEST_F(EditHeaderLineTest, OtherLineEndsAreKept)
{
    std::string lf = original;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;)
        lf.replace(at, 2, "\n");
    original = lf;
    writeFile(path, original);
    EXPECT_EQ(edit("STOP", 'V', "1669.750000000000000000", "W"), EditResult::Done);
    EXPECT_EQ(readFile(path), expectedWith(" STOP.M        1669.7500 :    STOP DEPTH",
                                           " STOP.M        1669.750000000000000000  :STOP DEPTH"));
}

TEST(HeaderWriterTest, WrapWordsKeepsEveryValueWhole)
{
    // 1 + 14 values of width 13: 6 values per line, so 1 + 3 lines of 6, 6 and 2 values.
    std::string record;
    for (int i = 0; i <= 14; ++i)
        record += padRight(std::to_string(1000 + i) + ".500", 13);
    const std::string wrapped = wrapWords(record, 13, "");
    const std::string expected = record.substr(0, 13) + "\r\n" + record.substr(13, 78) + "\r\n" +
                                 record.substr(91, 78) + "\r\n" + record.substr(169, 26);
    EXPECT_EQ(wrapped, expected);

    // With a prefix, the prefix takes the leading blank of each continuation line.
    const std::string prefixed = wrapWords(record, 13, "~x");
    EXPECT_EQ(prefixed, record.substr(0, 13) + "\r\n~" + record.substr(14, 77) + "\r\n~" + record.substr(92, 77) +
                            "\r\n~" + record.substr(170, 25));

    // Values that fill their column have no leading blank to give up: nothing moves between lines.
    const std::string full = std::string(13, '1') + std::string(13, '2') + std::string(13, '3');
    EXPECT_EQ(wrapWords(full, 13, "~"), std::string(13, '1') + "\r\n~" + std::string(13, '2') + std::string(13, '3'));
}

TEST(HeaderWriterTest, WrapWordsRebuildsRecordsThatAreNotInColumnsAndHasNoLengthLimit)
{
    EXPECT_EQ(wrapWords("1670.5  12.25 -999.25", 10, ""), "    1670.5\r\n     12.25   -999.25");
    // A value wider than its column stays whole.
    EXPECT_EQ(wrapWords("1 123456789012345 2", 10, ""), "         1\r\n123456789012345         2");

    std::string record;
    for (int i = 0; i <= 1000; ++i)
        record += padRight(std::to_string(i), 13);
    const std::string wrapped = wrapWords(record, 13, "");
    std::string joined = wrapped;
    for (std::size_t at; (at = joined.find("\r\n")) != std::string::npos;)
        joined.erase(at, 2);
    EXPECT_EQ(joined, record);
    EXPECT_EQ(countOccurrences(wrapped, "\r\n"), 167);  // 1000 values at 6 per line
}

TEST(HeaderWriterTest, WrapFixedNeverLosesOrRepeatsValues)
{
    const std::string record = "    1.0" "    2.0" "    3.0" "    4.0" "    5.0" "    6.0" "    7.0" "    8.0";
    EXPECT_EQ(wrapFixed(record, 7, 3, 3), "    1.0\r\n    2.0    3.0    4.0\r\n    5.0    6.0    7.0\r\n    8.0");
    EXPECT_EQ(wrapFixed(record, 7, 3, 1), wrapFixed(record, 7, 3, 3));
    EXPECT_EQ(wrapFixed(record, 7, 7, 2), "    1.0\r\n    2.0    3.0    4.0    5.0    6.0    7.0    8.0");
    EXPECT_EQ(wrapFixed("    1.0", 7, 3, 1), "    1.0");

    std::string big;
    for (int i = 0; i < 2000; ++i)
        big += padRight(std::to_string(i), 10);
    std::string joined = wrapFixed(big, 10, 7, 286);
    for (std::size_t at; (at = joined.find("\r\n")) != std::string::npos;)
        joined.erase(at, 2);
    EXPECT_EQ(joined, big);
}

TEST(HeaderWriterTest, ResolveBracketRefsCompletesItemsFromTheReferences)
{
    TextTable refs(2, 2);
    const char* refRows[3][3] = {{"COMP", "", "ACME OIL"}, {"Loc", "", "7-12-34-5W4"}, {"FL", "", "FIELD LOC"}};
    for (int r = 0; r < 3; ++r)
        for (int f = 0; f < 3; ++f)
            refs(f, r) = refRows[r][f];

    TextTable items(4, 5);
    const char* itemRows[6][5] = {
        {"STRT", "", "", "", "COMP"},        // range items are left alone
        {"comp", "", "", "", ""},            // by name: spelling and value from the reference
        {"LOC", "", "given", "", ""},        // by name: its own value stays
        {"WELLLOC", "", "[A]", "", "X FL"},  // bracketed: by alias
        {"PROV", "", "", "", "X Y"},         // no match
        {"LOC", "", "[B]", "", ""},          // bracketed without aliases
    };
    for (int r = 0; r < 6; ++r)
        for (int f = 0; f < 5; ++f)
            items(f, r) = itemRows[r][f];

    std::vector<int> rows;
    resolveBracketRefs(items, refs, rows);
    EXPECT_EQ(rows, (std::vector<int>{-1, 1, 2, 3, -1, -1}));
    EXPECT_EQ(items(0, 0), "STRT");
    EXPECT_EQ(items(2, 0), "");
    EXPECT_EQ(items(0, 1), "COMP");
    EXPECT_EQ(items(2, 1), "ACME OIL");
    EXPECT_EQ(items(0, 2), "Loc");
    EXPECT_EQ(items(2, 2), "given");
    EXPECT_EQ(items(0, 3), "WELLLOC");
    EXPECT_EQ(items(2, 3), "[A]");
    EXPECT_EQ(items(2, 4), "");
}

TEST(HeaderWriterTest, CurveFunctionIndexOfAKey)
{
    AppState state;
    initGlobals(state);
    struct Case {
        const char* key;
        int index;
    };
    const Case cases[] = {{"RES2COND", 0}, {"nphicp1C", 8}, {" SCALE ", 15}, {"MATH", 10}, {"NOPE", -1}, {"", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(curveFunctionIndex(state, c.key), c.index);
    }
    AppState empty;
    EXPECT_EQ(curveFunctionIndex(empty, "RES2COND"), -1);
}

} // namespace
} // namespace corvalet::core

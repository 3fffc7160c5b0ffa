#include "core/SectionIndex.h"

#include "TestFiles.h"
#include "core/AppState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalet::core {
namespace {

using test::ScratchDir;
using test::writeFile;

TEST(SectionIndexTest, SplitsTitleLines)
{
    struct Case {
        const char* line;
        const char* name;
        const char* association;
    };
    const Case cases[] = {
        {"~Version Information", "Version", ""},
        {"  ~Well  ", "Well", ""},
        {"~A  DEPT   GR   NPHI", "A", ""},
        {"~A\tDEPT\tGR", "A", ""},
        {"~Log_Data | Log_Definition", "Log_Data", "Log_Definition"},
        {"~Log_Data[1]|Log_Definition[1] extra", "Log_Data[1]", "Log_Definition[1]"},
        {"~Log_Parameter |", "Log_Parameter", " "},
        {"~  Curve Information | ", "Curve", " "},
        {"~", "", ""},
        {"~|", "", " "},
        {"~ | Log_Definition", "", "Log_Definition"},
        {"Version ~V", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::string association = "stale";
        EXPECT_EQ(splitBySeparators(c.line, association), c.name);
        EXPECT_EQ(association, c.association);
    }
}

TEST(SectionIndexTest, ReadsBracketIndex)
{
    struct Case {
        const char* token;
        const char* name;
        int index;
    };
    const Case cases[] = {
        {"Log_Data", "Log_Data", -1},
        {" Log_Data more", "Log_Data", -1},
        {"Log_Data[1]", "Log_Data", 1},
        {"Log_Data [007]", "Log_Data", 7},
        {"Log_Data[]", "Log_Data", 0},
        {"Log_Data[32767]", "Log_Data", 32767},
        {"Log_Data[32768]", "", -1},
        {"Log_Data[99999999999999999999]", "", -1},
        {"Log_Data[a]", "", -1},
        {"Log_Data[-1]", "", -1},
        {"Log_Data[1]x", "", -1},
        {"Log_Data[1", "", -1},
        {"Log_Data1]", "", -1},
        {"Log_Data]1[", "", -1},
        {"Log_Data[1][2]", "", -1},
        {"Log_Data[[1]", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.token);
        int index = 99;
        EXPECT_EQ(checkBracketToken(c.token, index), c.name);
        EXPECT_EQ(index, c.index);
    }
}

TEST(SectionIndexTest, ClassifiesSectionNames)
{
    struct Case {
        const char* name;
        SectionKind kind;
    };
    const Case cases[] = {
        {"version", SectionKind::Header},     {"W", SectionKind::Header},
        {"Other", SectionKind::Header},       {"o", SectionKind::Header},
        {"ascii", SectionKind::Data},         {"A", SectionKind::Data},
        {"Log_DATA[1]", SectionKind::Data},   {"Core_Data_Parameter", SectionKind::Data},
        {"Curve", SectionKind::Definition},   {"c", SectionKind::Definition},
        {"Log_Definition", SectionKind::Definition},
        {"Parameter", SectionKind::Parameter}, {"P", SectionKind::Parameter},
        {"Log_Parameter", SectionKind::Parameter},
        {"Tops", SectionKind::Other},         {"Versions", SectionKind::Other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sectionKindOf(c.name), c.kind);
    }
}

std::vector<std::string> row(const TextTable& table, int r)
{
    std::vector<std::string> cells;
    for (int f = 0; f <= table.fieldUpper(); ++f)
        cells.push_back(table(f, r));
    return cells;
}

// A scratch file and a fresh program state for each test.
class SectionIndexFileTest : public testing::Test {
protected:
    void SetUp() override { initGlobals(state); }
    // Writes the file and indexes it.
    bool index(const std::string& text)
    {
        writeFile(path, text);
        return indexLasSections(state, path);
    }

    ScratchDir dir;
    const std::string path = dir.file("sections.las");
    AppState state;
};

TEST_F(SectionIndexFileTest, IndexesTitlesOfAFile)
{
    // Mixed line ends; positions are those of the line after each title.
    const std::string text =
        "~Version Information\r\n"            // 1..22
        " VERS. 3.0 :\n"                      // 23..35
        "~\r\n"                               // 36..38, marker only
        "~ |\r"                               // 39..42, marker and delimiter only
        "~Log_Parameter | \r\n"               // 43..61
        "~Log_Definition\r\n"                 // 62..78
        "~Curve Information\r\n"              // 79..98
        "  ~Log_Data[1] | Log_Definition\r\n" // 99..131
        "~log_Data[x]\r\n"                    // 132..145
        "~A | Something DEPT\r\n"             // 146..166
        "1.0 2.0\r\n"
        "~Tops";                              // last line without an end
    ASSERT_TRUE(index(text));
    const TextTable& t = state.sectionTable;
    ASSERT_EQ(t.fieldUpper(), 5);
    ASSERT_EQ(t.rowUpper(), 8);
    EXPECT_EQ(row(t, 0), std::vector<std::string>(6));
    using R = std::vector<std::string>;
    EXPECT_EQ(row(t, 1), (R{"Version", "", "23", "-1", "0", ""}));
    EXPECT_EQ(row(t, 2), (R{"Log_Parameter", " ", "62", "-1", "3", ""}));
    EXPECT_EQ(row(t, 3), (R{"Log_Definition", "", "79", "-1", "2", ""}));
    EXPECT_EQ(row(t, 4), (R{"Curve", "", "99", "-1", "2", ""}));
    EXPECT_EQ(row(t, 5), (R{"Log_Data[1]", "Log_Definition", "132", "1", "1", ""}));
    EXPECT_EQ(row(t, 6), (R{"log_Data[x]", "", "146", "-1", "1", ""}));
    // The data section takes the curve section as its association, not its own title's.
    EXPECT_EQ(row(t, 7), (R{"A", "Curve", "167", "-1", "1", ""}));
    EXPECT_EQ(row(t, 8), (R{"Tops", "", std::to_string(text.size() + 1), "-1", "4", ""}));

    const TextTable& g = state.sectionAssocTable;
    ASSERT_EQ(g.fieldUpper(), 3);
    ASSERT_EQ(g.rowUpper(), 1);  // "log" joins the group "Log"
    EXPECT_EQ(row(g, 1), (R{"Log", "1", "2", "3"}));

    EXPECT_EQ(sectionNameFromLetter(state, "c"), "Curve");
    EXPECT_EQ(sectionNameFromLetter(state, "log"), "Log_Parameter");
    EXPECT_EQ(sectionNameFromLetter(state, "Z"), "");
    EXPECT_EQ(sectionNameFromLetter(state, ""), "");
}

TEST_F(SectionIndexFileTest, FirstSectionOfALetterWinsAndAsciiNeedsACurveSection)
{
    ASSERT_TRUE(index("~Core_Data\n~ASCII | Mine\n~Comments\n~A\n"));
    EXPECT_EQ(sectionNameFromLetter(state, "c"), "Core_Data");
    // The last "C" section is Comments; only the first data section is associated.
    EXPECT_EQ(state.sectionTable(1, 2), "Comments");
    EXPECT_EQ(state.sectionTable(1, 4), "");
    EXPECT_EQ(row(state.sectionAssocTable, 1), (std::vector<std::string>{"Core", "1", "", ""}));

    ASSERT_TRUE(index("~V\n~ASCII | Mine\n"));
    EXPECT_EQ(state.sectionTable(1, 2), "Mine");
    EXPECT_EQ(state.sectionAssocTable.rowUpper(), 0);
}

TEST_F(SectionIndexFileTest, MissingFileLeavesEmptyTables)
{
    ASSERT_TRUE(index("~V\n~Log_Data\n"));
    ASSERT_EQ(state.sectionTable.rowUpper(), 2);

    EXPECT_TRUE(indexLasSections(state, dir.file("missing.las")));
    EXPECT_EQ(state.sectionTable.rowUpper(), 0);
    EXPECT_EQ(state.sectionTable.fieldUpper(), 5);
    EXPECT_EQ(state.sectionAssocTable.rowUpper(), 0);
    EXPECT_EQ(state.sectionAssocTable.fieldUpper(), 3);

    TextTable list;
    EXPECT_FALSE(getSectionOrder(state, dir.file("missing.las"), list));
    ASSERT_EQ(list.fieldUpper(), 1);
    ASSERT_EQ(list.rowUpper(), 6);
    for (int r = 0; r <= 6; ++r)
        EXPECT_EQ(row(list, r), std::vector<std::string>(2));
}

TEST_F(SectionIndexFileTest, ListsStandardSectionsInFileOrder)
{
    struct Case {
        const char* label;
        std::string text;
        std::vector<std::vector<std::string>> rows;  // rows 1..6: position, name
    };
    const std::vector<Case> cases = {
        {"V W C A", "~Version\n~Well\n~Curve\n~A DEPT\n1\n",
         {{"0", "Parameter"}, {"0", "Other"}, {"10", "Version"}, {"16", "Well"}, {"23", "Curve"}, {"31", "A"}}},
        // A ~P after ~A counts as absent, but its name is still found by the index.
        {"P after A", "~W\r\n~Other\r\n~C\r\n~ASCII\r\n1\r\n~Params\r\n",
         {{"0", "Version"}, {"0", "Params"}, {"5", "W"}, {"13", "Other"}, {"17", "C"}, {"25", "ASCII"}}},
        // "~A" inside a description ends every search but the one for ~A; the ~W after it counts
        // as absent although the index still names it.
        {"~A in a line", "~V\n X.  1 : see ~A below\n~W\n~A\n",
         {{"0", "W"}, {"0", "Curve"}, {"0", "Parameter"}, {"0", "Other"}, {"4", "V"}, {"32", "A"}}},
        {"lower case", "~other\n~v\n~a\n",
         {{"0", "Well"}, {"0", "Curve"}, {"0", "Parameter"}, {"8", "other"}, {"11", "v"}, {"14", "a"}}},
        {"no titles", "nothing\n",
         {{"0", "Version"}, {"0", "Well"}, {"0", "Curve"}, {"0", "Parameter"}, {"0", "Other"}, {"0", "ASCII"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        writeFile(path, c.text);
        TextTable list;
        ASSERT_TRUE(getSectionOrder(state, path, list));
        ASSERT_EQ(list.fieldUpper(), 1);
        ASSERT_EQ(list.rowUpper(), 6);
        EXPECT_EQ(row(list, 0), std::vector<std::string>(2));
        for (int r = 1; r <= 6; ++r)
            EXPECT_EQ(row(list, r), c.rows[static_cast<std::size_t>(r - 1)]) << "row " << r;
    }
}

} // namespace
} // namespace corvalet::core

#include "core/AppState.h"
#include "core/Records.h"
#include "core/SectionReaders.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace corvalet::core;

namespace {

const std::string kSections = std::string(CORVALET_FIXTURES) + "/sections.las";
const std::string kFilter = std::string(CORVALET_FIXTURES) + "/filter.fil";

float feetLookup(std::string& unit, float& offset)
{
    offset = 0;
    return unit == "FT" ? 3.28084f : 1.0f;
}

} // namespace

TEST(SectionReaders, RowOriginsStopRulesAndResults)
{
    {
        SCOPED_TRACE("readSectionTable of ~W: first item in row 0, letter tidied in place");
        TextTable t;
        std::string letter = " w ";
        EXPECT_EQ(readSectionTable(kSections, t, letter), -1);
        EXPECT_EQ(letter, "W");
        EXPECT_EQ(t.fieldUpper(), 7);
        EXPECT_EQ(t.rowUpper(), 4);
        EXPECT_EQ(t(0, 0), "STRT");
        EXPECT_EQ(t(0, 4), "WELL");
        EXPECT_EQ(t(5, 1), "1");
    }
    {
        SCOPED_TRACE("readSectionTable: ~A before the title");
        TextTable t(2, 2);
        t(0, 0) = "keep";
        std::string letter = "X";
        EXPECT_EQ(readSectionTable(kSections, t, letter), 1);
        EXPECT_EQ(t(0, 0), "keep");
        EXPECT_EQ(t.rowUpper(), 2);
        std::string w = "W";
        EXPECT_EQ(readSectionTable("/nonexistent/x.las", t, w), 0);
    }
    {
        SCOPED_TRACE("readSectionTable of a filter: the last line counts, '|' splits the description");
        TextTable t;
        std::string letter = "P";
        EXPECT_EQ(readSectionTable(kFilter, t, letter, feetLookup), -1);
        ASSERT_EQ(t.rowUpper(), 3);
        EXPECT_EQ(t(0, 0), "DLEV");
        EXPECT_EQ(t(1, 0), "FT");
        EXPECT_EQ(t(2, 0), "100");
        EXPECT_EQ(t(3, 0), "DEPTH LEVEL");
        EXPECT_EQ(t(4, 0), "EXTRA");
        EXPECT_EQ(t(5, 0), "3.28084");
        EXPECT_EQ(t(6, 0), "0");
        EXPECT_EQ(t(0, 3), "RUNS");
    }
    {
        SCOPED_TRACE("readCurveSection: a '~' in a description ends the section");
        TextTable t;
        EXPECT_EQ(readCurveSection(t, kSections, 'C'), 2);
        EXPECT_EQ(t.fieldUpper(), 4);
        EXPECT_EQ(t(0, 1), "GR");
        EXPECT_EQ(t(1, 1), "GAPI");
        EXPECT_EQ(t(3, 1), "GAMMA RAY");
        TextTable untouched(1, 1);
        EXPECT_EQ(readCurveSection(untouched, kSections, 'X'), 0);
        EXPECT_EQ(untouched.rowUpper(), 1);
    }
    {
        SCOPED_TRACE("readSectionToArray: one item 0, comments only -1, absent 0 with one empty row");
        TextTable t(3, 0);
        EXPECT_EQ(readSectionToArray(t, kSections, 'O'), 0);
        EXPECT_EQ(t(0, 0), "BS");
        EXPECT_EQ(t(2, 0), "200");
        EXPECT_EQ(readSectionToArray(t, kSections, 'P'), -1);
        TextTable wide(5, 3);
        wide(0, 2) = "old";
        EXPECT_EQ(readSectionToArray(wide, kSections, 'X'), 0);
        EXPECT_EQ(wide.rowUpper(), 0);
        EXPECT_EQ(wide.fieldUpper(), 5);
        EXPECT_EQ(wide(0, 0), "");
    }
    {
        SCOPED_TRACE("readParamSectionNumeric: values in the group's internal unit");
        TextTable t(6, 0);
        EXPECT_EQ(readParamSectionNumeric(t, kFilter, 'P', feetLookup), 3);
        EXPECT_EQ(t(2, 0), "30.48");
        EXPECT_EQ(t(2, 1), "ABC");
        EXPECT_EQ(t(2, 2), "-999.25");
        EXPECT_EQ(t(2, 3), "3");
        EXPECT_EQ(t(5, 0), "3.28084");
        EXPECT_EQ(readParamSectionNumeric(t, kSections, 'X', feetLookup), 0);
    }
    {
        SCOPED_TRACE("readSectionToGrid: a unit written apart from the dot");
        TextTable t;
        EXPECT_EQ(readSectionToGrid(t, kSections, 'W'), 5);
        EXPECT_EQ(t(0, 0), "STRT");
        EXPECT_EQ(t(1, 0), "M");
        EXPECT_EQ(t(2, 0), "1000.0");
        EXPECT_EQ(t(3, 0), "START DEPTH");
        EXPECT_EQ(t(1, 4), "");
        EXPECT_EQ(t(2, 4), "WELL NAME 1");
        EXPECT_EQ(readSectionToGrid(t, kSections, 'X'), 0);
    }
}

TEST(SectionReaders, CurveRecordsOfAnInputSlot)
{
    AppState state;
    EXPECT_EQ(readCurveSectionsOfInputs(state, kSections, 2), 2);
    const auto& curves = state.curveInfo[2];
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves[0].mnem, "DEPT");
    EXPECT_EQ(curves[1].mnem, "GR");
    EXPECT_EQ(curves[1].unit, "GAPI");
    EXPECT_EQ(curves[1].descr, "GAMMA RAY");
    EXPECT_EQ(curves[1].outMnem, "GR");
    EXPECT_EQ(curves[1].outDescr, "GAMMA RAY");
    EXPECT_FLOAT_EQ(curves[1].fromDepth, 0);
    // A slot outside 0..3 is read but stored nowhere; a file without ~C changes nothing.
    EXPECT_EQ(readCurveSectionsOfInputs(state, kSections, 7), 2);
    EXPECT_EQ(readCurveSectionsOfInputs(state, kFilter, 2), 0);
    EXPECT_EQ(state.curveInfo[2].size(), 2u);
}

TEST(SectionReaders, TabsInGridItemsSeparateLikeBlanks)
{
    corvalet::core::test::ScratchDir dir;
    const std::string path = dir.file("tabs.las");
    corvalet::core::test::writeFile(path, "~Parameter\r\nBHT.DEGC\t85.0 : Bottom hole temperature\r\n"
                                          "RMF .\tOHMM 0.35 : Mud filtrate\r\nFN\t.\tDunmore\t: Field\r\n~A\r\n1 2\r\n");
    TextTable t;
    ASSERT_EQ(readSectionToGrid(t, path, 'P'), 3);
    const char* expected[3][4] = {{"BHT", "DEGC", "85.0", "BOTTOM HOLE TEMPERATURE"},
                                  {"RMF", "OHMM", "0.35", "MUD FILTRATE"},
                                  {"FN", "", "DUNMORE", "FIELD"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(t(c, r), expected[r][c]) << "row " << r << " column " << c;
}

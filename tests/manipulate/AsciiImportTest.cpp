#include "ConversionGridTestTab.h"

#include "core/TestFiles.h"
#include "manipulate/AsciiImport.h"
#include "manipulate/AsciiImportRows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalet::manipulate {
namespace {

using core::test::ScratchDir;
using core::test::writeFile;
using test::fixture;
using test::TestTab;
using ::testing::ElementsAre;
using Rows = std::vector<std::vector<std::string>>;

// The sample rows of the grid, row 4 to the last.
Rows sampleRows(const TestTab& t)
{
    Rows rows;
    for (int r = kGrdFirstSampleRow; r < t.grd.rows(); ++r)
        rows.push_back(t.row(r));
    return rows;
}

TEST(AsciiImport, FixtureTablesWithAutomaticDelimiter)
{
    struct Case {
        const char* file;
        const char* delimiter;
        Rows rows;
    };
    const Case cases[] = {
        // Every line with the last line's five fields is a row, header lines included; a comma
        // table keeps the blanks inside its fields.
        {"table.csv", ",",
         {{"DEPTH", "GR", "RHOB", "NPHI", "DT"},
          {"FT", "GAPI", "G/CM3", "V/V", "US/F"},
          {"1000.0", "45.2", "2.35", "0.21", "88.1"},
          {"1000.5", "47.9", "2.37", "0.20", "87.4"},
          {"1001.0", "50.1", "2.40", "0.19", "86.9"},
          {" 1001.5", " ", "2.41", "0.18", "86.2"}}},
        // The tab wins over the blanks inside values.
        {"table.tsv", "\t",
         {{"DEPTH", "LITHO", "GR"},
          {"1000.0", "sand stone", "45.2"},
          {"1000.5", "shaly sand", "60.1"},
          {"1001.0", "lime stone", "30.5"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TestTab t;
        std::string path = fixture(c.file);
        std::string delimiter;
        EXPECT_EQ(loadAsciiToGrid(t.tab, path, delimiter), ImportResult::Done);
        EXPECT_EQ(delimiter, c.delimiter);
        EXPECT_EQ(sampleRows(t), c.rows);
        const int channels = int(c.rows.front().size());
        EXPECT_EQ(t.grd.cols(), channels + 1);
        EXPECT_EQ(t.grd.text(0, channels), "Chan #" + std::to_string(channels));
        EXPECT_EQ(t.grd.text(1, 1), "DEPT");
        EXPECT_EQ(t.nChanT.text(), std::to_string(channels));
        EXPECT_TRUE(t.grd.redraw());
        EXPECT_EQ(t.pointer.changes(), (std::vector<bool>{true, false}));
    }
}

TEST(AsciiImport, GenericTables)
{
    struct Case {
        const char* name;
        std::string content;
        std::string delimiter;
        std::string delimiterAfter;
        Rows rows;
    };
    const Case cases[] = {
        {"a blank delimiter ignores blanks around lines", "  1  2  3  \r\n 4 5 6\r\n", " ", " ",
         {{"1", "2", "3"}, {"4", "5", "6"}}},
        {"a tab delimiter keeps them", " a \t b \r\n c \t d \r\n", "\t", "\t", {{" a ", " b "}, {" c ", " d "}}},
        {"lines with another field count are skipped", "x y\r\n1 2 3\r\n4 5\r\n6 7 8\r\n", "", " ",
         {{"1", "2", "3"}, {"6", "7", "8"}}},
        {"a comma wins over blanks", "1, 2\r\n3, 4\r\n", "", ",", {{"1", " 2"}, {"3", " 4"}}},
        {"one column has no delimiter", "1.0\r\n2.0\r\n", "", "", {{"1.0"}, {"2.0"}}},
        {"empty lines at the end do not count", "1,2\r\n3,4\r\n\r\n   \r\n", "", ",", {{"1", "2"}, {"3", "4"}}},
        // The last tenth of this file begins inside its last line: the field count comes from
        // the whole line, not from the fragment in the tail.
        {"a last line longer than the tail", "a b c\n1 2 3\n", "", " ", {{"a", "b", "c"}, {"1", "2", "3"}}},
        {"bare LF and CR line ends", "1;2\n3;4\r5;6", ";", ";", {{"1", "2"}, {"3", "4"}, {"5", "6"}}},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestTab t;
        std::string path = dir.file("table.txt");
        writeFile(path, c.content);
        std::string delimiter = c.delimiter;
        EXPECT_EQ(loadAsciiToGrid(t.tab, path, delimiter), ImportResult::Done);
        EXPECT_EQ(delimiter, c.delimiterAfter);
        EXPECT_EQ(sampleRows(t), c.rows);
        EXPECT_EQ(t.grd.cols(), int(c.rows.front().size()) + 1);
    }
}

TEST(AsciiImport, MissingFileLeavesTheGridAlone)
{
    TestTab t;
    setupChannelGrid(t.tab);
    t.grd.setText(1, 1, "KEEP");
    std::string path = "/nonexistent/folder/table.txt";
    std::string delimiter;
    EXPECT_EQ(loadAsciiToGrid(t.tab, path, delimiter), ImportResult::Failed);
    EXPECT_EQ(t.grd.text(1, 1), "KEEP");
    EXPECT_EQ(t.pointer.changes(), (std::vector<bool>{true, false}));
}

TEST(AsciiImport, LargeTableSpanningReadBlocksYieldsUnlessQuiet)
{
    ScratchDir dir;
    const std::string path = dir.file("large.txt");
    std::string content = "DEPTH GR\r\n";
    const int lines = 120000;
    for (int i = 0; i < lines; ++i)
        content += std::to_string(1000 + i) + ".25 " + std::to_string(i % 150) + ".5\r\n";
    writeFile(path, content);
    for (bool quiet : {false, true}) {
        SCOPED_TRACE(quiet);
        TestTab t;
        t.state.quietMode = quiet;
        std::string file = path;
        std::string delimiter;
        EXPECT_EQ(loadAsciiToGrid(t.tab, file, delimiter), ImportResult::Done);
        ASSERT_EQ(t.grd.rows(), kGrdHeaderRows + lines + 1);
        EXPECT_THAT(t.row(4), ElementsAre("DEPTH", "GR"));
        EXPECT_THAT(t.row(t.grd.rows() - 1), ElementsAre(std::to_string(1000 + lines - 1) + ".25", "149.5"));
        if (quiet)
            EXPECT_EQ(t.pump.calls, 0);
        else
            EXPECT_GT(t.pump.calls, 0);
    }
}

TEST(AsciiImport, SurveyReportHeadingsBecomeNamesAndUnits)
{
    TestTab t;
    std::string path = fixture("survey.txt");
    std::string delimiter = ",";
    EXPECT_EQ(loadAsciiToGrid(t.tab, path, delimiter), ImportResult::Done);
    EXPECT_THAT(t.row(1), ElementsAre("Measured_Depth", "Incl", "Azimuth", "Vertical_Depth"));
    EXPECT_THAT(t.row(2), ElementsAre("ft", "deg", "deg", "ft"));
    // Only lines of four fields that begin with a number, between the rules and after them.
    EXPECT_EQ(sampleRows(t), (Rows{{"0.00", "0.00", "0.00", "0.00"},
                                   {"100.00", "0.50", "45.00", "99.99"},
                                   {"200.00", "1.25", "47.50", "199.97"},
                                   {"300.00", "2.00", "50.00", "299.90"}}));
    EXPECT_EQ(t.grd.text(0, 4), "Chan #4");
    EXPECT_EQ(t.grd.checkState(3, 4), platform::CheckState::Checked);
}

TEST(AsciiImport, SurveyHeadingForms)
{
    struct Case {
        const char* name;
        std::string headings;
        std::vector<std::string> names;
        std::vector<std::string> units;
    };
    const Case cases[] = {
        {"one heading line", "MD(m) Dip(deg) Az\r\n", {"MD", "Dip", "Az"}, {"m", "deg", ""}},
        {"a blank line among the headings", "\r\nMD Dip Az\r\n\r\n(m) (deg) (deg)\r\n", {"MD", "Dip", "Az"},
         {"m", "deg", "deg"}},
        {"a short second line", "Measured Incl Az\r\nDepth(ft)\r\n", {"Measured_Depth", "Incl", "Az"},
         {"ft", "", ""}},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestTab t;
        std::string path = dir.file("survey.txt");
        writeFile(path, "KESTROVANDER Survey Report\r\n=====\r\n" + c.headings + "=====\r\n 10.0 1.5 20\r\n");
        std::string delimiter;
        EXPECT_EQ(loadAsciiToGrid(t.tab, path, delimiter), ImportResult::Done);
        EXPECT_EQ(t.row(1), c.names);
        EXPECT_EQ(t.row(2), c.units);
        EXPECT_EQ(sampleRows(t), (Rows{{"10.0", "1.5", "20"}}));
    }
}

TEST(AsciiImport, PlatformExportThroughTheFileLoader)
{
    TestTab t;
    std::string path = fixture("platform.txt");
    std::string delimiter = " ";
    // One line of five fields among lines of four is skipped and reported.
    EXPECT_EQ(loadAsciiToGrid(t.tab, path, delimiter), ImportResult::Failed);
    ASSERT_EQ(t.dialogs.calls().size(), 1u);
    const platform::DialogCall& call = t.dialogs.calls()[0];
    EXPECT_EQ(call.title, "Lines Skipped!");
    EXPECT_EQ(call.style, platform::MsgStyle::OkOnly | platform::MsgStyle::Exclamation);
    EXPECT_EQ(call.text, "A total of 1 lines were skipped because the number of columns was different from the one "
                         "specified as the starting line. Do not trust this file!");

    EXPECT_THAT(t.row(0), ElementsAre("Chan #1", "Chan #2", "Chan #3", "Chan #4"));
    EXPECT_THAT(t.row(1), ElementsAre("DEPT", "GR", "RHOB", "ILD"));
    EXPECT_THAT(t.row(2), ElementsAre("FT", "GAPI", "G/CM3", "OHMM"));
    // The NaN samples of the first data line do not hide it: it is row 4, not the unit line.
    EXPECT_THAT(t.row(4), ElementsAre("1000.00", "-999.25", "-999.25", "12.50"));
    EXPECT_THAT(t.row(5), ElementsAre("1000.50", "46.50", "2.310", "10.50"));
    EXPECT_THAT(t.row(14), ElementsAre("1005.00", "-999.25", "2.300", "-999.25"));
    EXPECT_THAT(t.row(15), ElementsAre("1005.50", "51.00", "-999.25", "11.00"));
    // 60 data lines; the blank line is neither a row nor a skipped line.
    EXPECT_EQ(t.grd.rows(), kGrdHeaderRows + 60);
    EXPECT_THAT(t.row(t.grd.rows() - 1), ElementsAre("1029.50", "49.50", "2.340", "12.50"));
    EXPECT_TRUE(t.grd.redraw());
    EXPECT_EQ(t.pointer.depth(), 0);
}

// A PrimaryIndex export long enough for the kind test: the heading, an optional unit line and
// `rows` data lines of `columns` fields, 10 characters each.
std::string platformExport(const std::string& before, const std::string& unitLine, int columns, int rows)
{
    std::string text = before + unitLine;
    for (int r = 0; r < rows; ++r) {
        std::string line = std::to_string(2000 + r) + ".0";
        line.resize(10, ' ');
        for (int c = 1; c < columns; ++c) {
            std::string value = std::to_string(c) + "." + std::to_string(r % 10);
            value.resize(10, ' ');
            line += value;
        }
        text += line + "\r\n";
    }
    return text;
}

TEST(AsciiImport, PlatformHeadingAndUnitForms)
{
    struct Case {
        const char* name;
        std::string heading;
        std::string unitLine;
        std::vector<std::string> names;
        std::vector<std::string> units;
    };
    const Case cases[] = {
        {"data right after the heading", "PrimaryIndex [FT] GR [API] RHOB [G/CM3]\r\n", "", {"DEPT", "GR", "RHOB"},
         {"", "", ""}},
        {"unit renames", "PrimaryIndex [FT] NPHI [FT3/FT3] TNPH [M3/M3] RT [ohm.m] GR [API]\r\n",
         "ft        ft3/ft3   M3/m3     ohm.m     API       \r\n", {"DEPT", "NPHI", "TNPH", "RT", "GR"},
         {"ft", "V/V", "V/V", "OHMM", "API"}},
        {"blank lines before the heading", "\r\n  \r\nPrimaryIndex [M] SP [MV] GR [API]\r\n",
         "M         MV        API       \r\n", {"DEPT", "SP", "GR"}, {"M", "MV", "API"}},
        {"a last channel without a name", "PrimaryIndex [FT] GR [API]  [X]\r\n", "FT        API       \r\n",
         {"DEPT", "GR"}, {"FT", "API"}},
        {"a blank line between units and data", "PrimaryIndex [FT] GR [API]\r\n", "FT        API       \r\n\r\n",
         {"DEPT", "GR"}, {"FT", "API"}},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestTab t;
        const int columns = int(c.names.size());
        const std::string path = dir.file("export.txt");
        writeFile(path, platformExport(c.heading, c.unitLine, columns, 150));
        EXPECT_EQ(loadPlatformAsciiToGrid(t.tab, path), ImportResult::Done);
        EXPECT_TRUE(t.dialogs.calls().empty());
        EXPECT_EQ(t.row(1), c.names);
        EXPECT_EQ(t.row(2), c.units);
        EXPECT_EQ(t.grd.rows(), kGrdHeaderRows + 150);
        EXPECT_EQ(t.grd.text(4, 1), "2000.0");
        EXPECT_EQ(t.grd.text(4, columns), columns > 1 ? std::to_string(columns - 1) + ".0" : "2000.0");
    }
}

TEST(AsciiImport, PlatformImportRefusesOtherFiles)
{
    TestTab t;
    setupChannelGrid(t.tab);
    t.grd.setText(1, 1, "KEEP");
    EXPECT_EQ(loadPlatformAsciiToGrid(t.tab, fixture("table.csv")), ImportResult::Failed);
    EXPECT_EQ(t.grd.text(1, 1), "KEEP");
    EXPECT_TRUE(t.grd.redraw());
}

TEST(AsciiImport, CancelledPlatformImportKeepsRowsReadWithoutHeader)
{
    ScratchDir dir;
    const std::string path = dir.file("export.txt");
    writeFile(path, platformExport("PrimaryIndex [FT] GR [API]\r\n", "FT        API\r\n", 2, 3000));

    TestTab t;
    t.pump.onEvents = [&] { t.state.userCancelled = true; };
    EXPECT_EQ(loadPlatformAsciiToGrid(t.tab, path), ImportResult::Cancelled);
    EXPECT_FALSE(t.state.userCancelled);
    EXPECT_EQ(t.pump.calls, 1);
    EXPECT_EQ(t.grd.rows(), kGrdHeaderRows + detail::Yielder::kLinesPerYield);
    EXPECT_EQ(t.grd.text(4, 1), "2000.0");
    EXPECT_EQ(t.grd.text(0, 0), "");
    EXPECT_EQ(t.grd.text(1, 1), "");
    EXPECT_TRUE(t.grd.redraw());
    EXPECT_EQ(t.pointer.depth(), 0);

    // A cancel left over from an earlier job does not stop the next import.
    TestTab again;
    again.state.userCancelled = true;
    EXPECT_EQ(loadPlatformAsciiToGrid(again.tab, path), ImportResult::Done);
    EXPECT_EQ(again.grd.rows(), kGrdHeaderRows + 3000);
    EXPECT_EQ(again.grd.text(1, 2), "GR");
}

TEST(AsciiImport, MissingSampleTexts)
{
    for (const char* text : {"NaN", "nan", "nAn", "inf", "INF", "-inf", "+Inf", "-NaN"})
        EXPECT_TRUE(detail::isMissingSample(text)) << text;
    for (const char* text : {"", "-", "1.5", "infinity", "nana", "-999.25", "Na"})
        EXPECT_FALSE(detail::isMissingSample(text)) << text;
}

} // namespace
} // namespace corvalet::manipulate

#include "core/HeaderLines.h"

#include "TestFiles.h"
#include "platform/LineReader.h"

#include <gtest/gtest.h>

#include <fstream>

namespace corvalet::core {
namespace {

using test::ScratchDir;
using test::writeFile;

std::string fixture(const char* name) { return std::string(CORVALET_FIXTURES) + "/" + name; }

TEST(HeaderLinesTest, ClassifiesLines)
{
    struct Case {
        const char* line;
        LineClass expected;
    };
    const Case cases[] = {
        {"", LineClass::Blank},
        {"    ", LineClass::Blank},
        {"# comment . with : both", LineClass::Comment},
        {"  ~Well Information", LineClass::Title},
        {"~A  DEPTH  GR", LineClass::Title},
        {"DEPT.M 100.0 : Depth", LineClass::Item},
        {"  .M 100.0 : no mnemonic", LineClass::NoMnemonic},
        {"TIME : 12.30", LineClass::Other},  // the first ":" before the first "."
        {"no separators at all", LineClass::Other},
        {"DEPT.M 100.0", LineClass::Other},
        {"\t# MNEM.UNIT : x", LineClass::Item},  // TAB is not trimmed: no comment
        {"\t", LineClass::Other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(classifyLasLine(c.line), c.expected);
    }
}

TEST(HeaderLinesTest, SplitsItemLinesIntoTheirFourParts)
{
    struct Case {
        const char* line;
        const char* mnem;
        const char* unit;
        const char* value;
        const char* descr;
    };
    const Case cases[] = {
        {"DEPT.M 100.0 : Depth", "DEPT", "M", "100.0", "Depth"},
        {"WELL. MY WELL : Well name", "WELL", "", "MY WELL", "Well name"},
        {"NULL.  -999.25 : x", "NULL", "", "-999.25", "x"},
        {"UNIT.KG : mass", "UNIT", "KG", "", "mass"},
        {"DATE. 12:30:45 : Date", "DATE", "", "12:30:45", "Date"},
        {"TIME.S 10:20 : t", "TIME", "S", "10:20", "t"},
        {"DEPT.M\t100.0\t: Depth", "DEPT", "M", "100.0", "Depth"},
        {"  GR  .GAPI   45 310 01 00 :  2  GAMMA RAY", "GR", "GAPI", "45 310 01 00", "2  GAMMA RAY"},
        {"STRT.M 1000.0:", "STRT", "M", "1000.0", ""},
        {"VERS.  2.0 : a|b", "VERS", "", "2.0", "a|b"},
        {"RUN.|1 : pipe", "RUN", "|1", "", "pipe"},
        {"MNEM.  : empty value", "MNEM", "", "", "empty value"},
        {"DEPT.M:", "DEPT", "M", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        HeaderParts parts;
        EXPECT_TRUE(splitHeaderLine(c.line, parts));
        EXPECT_EQ(parts, (HeaderParts{c.mnem, c.unit, c.value, c.descr}));
    }
    for (const char* other : {".M 100 : x", "TIME : 12.30", "# c.x : y", "", "~W"}) {
        SCOPED_TRACE(other);
        HeaderParts parts{"a", "b", "c", "d"};
        EXPECT_FALSE(splitHeaderLine(other, parts));
        EXPECT_EQ(parts, (HeaderParts{"", "", "", ""}));
    }
}

TEST(HeaderLinesTest, ValueAndDescriptionChangeTheCallersLine)
{
    std::string line = "DATE. 12:30:45 : Date";
    EXPECT_EQ(getValue(line), "12:30:45");
    EXPECT_EQ(line, "DATE. 12|30|45 : Date");
    EXPECT_EQ(getUnit(line), "");
    EXPECT_EQ(getDescr(line), "Date");

    line = "GR.GAPI\t45\t: gamma\tray";
    EXPECT_EQ(getDescr(line), "gamma ray");
    EXPECT_EQ(line, "GR.GAPI 45 : gamma ray");

    line = "  just a remark. ";
    EXPECT_EQ(getValue(line), "");
    EXPECT_EQ(getDescr(line), "just a remark.");
    EXPECT_EQ(getMnem("no dot here"), "");
    EXPECT_EQ(getMnem("\t GR \t.GAPI 45 : x"), "GR");
    EXPECT_EQ(getUnit("no colon.M here"), "");
}

TEST(HeaderLinesTest, QueriesOfALas20File)
{
    const std::string path = fixture("las20.las");
    std::string status = "x", unit = "keep";
    EXPECT_EQ(getHeaderItem(path, "WELL", "W", status, unit), "NORTH RIDGE 7-12");
    EXPECT_EQ(status, "");
    EXPECT_EQ(unit, "");
    EXPECT_EQ(getHeaderItem(path, "date", "w", status, unit), "12:30:45");
    EXPECT_EQ(getHeaderItem(path, "STRT", "W", status, unit), "1670.0000");
    EXPECT_EQ(unit, "M");
    EXPECT_EQ(getHeaderItem(path, "GR", "C", status, unit), "45 310 01 00");
    EXPECT_EQ(unit, "GAPI");
    EXPECT_EQ(getHeaderItem(path, "BHT", "P", status, unit), "35.5000");
    EXPECT_EQ(unit, "DEGC");
    EXPECT_EQ(getHeaderItem(path, "UWI", "", status, unit), "100091604920W300");
    EXPECT_EQ(getHeaderItem(path, "GR", "Q", status, unit), "45 310 01 00");  // any section

    unit = "keep";
    EXPECT_EQ(getHeaderItem(path, "BHT", "W", status, unit), " ");
    EXPECT_EQ(status, "NOT");
    EXPECT_EQ(unit, "keep");
    EXPECT_EQ(getHeaderItem(path, "XXXX", "", status, unit), " ");
    EXPECT_EQ(status, "NOT");
    EXPECT_EQ(getHeaderItem(fixture("missing.las"), "WELL", "W", status, unit), "");
    EXPECT_EQ(status, "");

    EXPECT_EQ(getHeaderValue(path, "NULL", unit), "-999.25");
    EXPECT_EQ(unit, "");
    EXPECT_EQ(getHeaderValue(path, "ILD", unit), "07 120 46 00");
    EXPECT_EQ(unit, "OHMM");
    EXPECT_EQ(getHeaderValue(path, "VERS", unit), "2.0");
    unit = "keep";
    EXPECT_EQ(getHeaderValue(path, "XXXX", unit), " ");
    EXPECT_EQ(unit, "keep");
    EXPECT_EQ(getHeaderValue(fixture("missing.las"), "VERS", unit), "");
    EXPECT_EQ(unit, "keep");
}

TEST(HeaderLinesTest, Las12WellItemsHoldTheirValueInTheDescription)
{
    const std::string path = fixture("las12.las");
    std::string status, unit;
    EXPECT_EQ(getHeaderItem(path, "COMP", "W", status, unit), "ACME");
    EXPECT_EQ(getHeaderValue(path, "COMP", unit), "ACME");
    EXPECT_EQ(getHeaderItem(path, "COMP", "", status, unit), "");  // no version pre-scan
    EXPECT_EQ(getHeaderItem(path, "WELL", "W", status, unit), "WILDCAT 1");
    EXPECT_EQ(getHeaderItem(path, "WELL", "", status, unit), "WELL");
    EXPECT_EQ(getHeaderItem(path, "SRVC", "W", status, unit), "LOGGERS INC");
    // The range items keep their value field.
    EXPECT_EQ(getHeaderItem(path, "STRT", "W", status, unit), "100.0000");
    EXPECT_EQ(unit, "FT");
    EXPECT_EQ(getHeaderValue(path, "NULL", unit), "-999.2500");
    EXPECT_EQ(getHeaderValue(path, "VERS", unit), "1.20");
}

TEST(HeaderLinesTest, AbsentItemsOfAFileWithoutData)
{
    const std::string path = fixture("noascii.las");
    std::string status = "x", unit = "keep";
    EXPECT_EQ(getHeaderItem(path, "XXXX", "W", status, unit), "");
    EXPECT_EQ(status, "");
    EXPECT_EQ(unit, "keep");
    EXPECT_EQ(getHeaderValue(path, "XXXX", unit), "");
    EXPECT_EQ(getHeaderItem(path, "COMP", "W", status, unit), "ACME OIL LTD");
    EXPECT_EQ(getSectionText(path, 'W'), "");  // no ~A line
}

TEST(HeaderLinesTest, OddFilesWithCrLineEnds)
{
    const std::string path = fixture("oddities.las");
    std::string status, unit;
    // ~V lacks VERS: the ~W items are still found.
    EXPECT_EQ(getHeaderItem(path, "WELL", "W", status, unit), "TEST WELL A");
    EXPECT_EQ(getHeaderValue(path, "WELL", unit), "TEST WELL A");
    // ~P stands after the data.
    EXPECT_EQ(getHeaderItem(path, "BHT", "P", status, unit), " ");
    EXPECT_EQ(status, "NOT");
    EXPECT_EQ(getSectionText(path, 'O'), "");
    EXPECT_EQ(getSectionText(path, 'W'),
              " STRT.M        10.0000 :    START DEPTH\r\n WELL.     TEST WELL A   :    WELL");
    EXPECT_EQ(getSectionText(path, 'P'), "");
}

TEST(HeaderLinesTest, TabIndentedItemsAreFound)
{
    ScratchDir dir;
    const std::string path = dir.file("tabs.las");
    writeFile(path, "~V\r\n\tVERS.\t2.0\t: version\r\n~W\r\n\tWELL.\tTAB WELL\t:\twell\r\n"
                    "\tSTRT.M\t5.0\t: start\r\n~A\r\n5.0\r\n");
    std::string status, unit;
    EXPECT_EQ(getHeaderItem(path, "WELL", "W", status, unit), "TAB WELL");
    EXPECT_EQ(getHeaderValue(path, "STRT", unit), "5.0");
    EXPECT_EQ(unit, "M");
    platform::LineReader reader;
    ASSERT_TRUE(reader.open(path));
    EXPECT_EQ(readHeaderValue(reader, "VERS", 'V'), "2.0");
}

TEST(HeaderLinesTest, SectionTextIsTheBodyWithoutItsTitle)
{
    const std::string path = fixture("las20.las");
    EXPECT_EQ(getSectionText(path, 'O'), "Logged with the hole full of fresh mud.\r\nSecond remark line.");
    EXPECT_EQ(getSectionText(path, 'p'),
              " BHT .DEGC      35.5000      :   BOTTOM HOLE TEMPERATURE\r\n"
              " RUN .          1            :   RUN NUMBER");
    EXPECT_EQ(getSectionText(path, 'A'), "");
    EXPECT_EQ(getSectionText(path, 'X'), "");
    EXPECT_EQ(getSectionText(fixture("missing.las"), 'V'), "");
}

TEST(HeaderLinesTest, SeekSectionPositionsAfterTheTitle)
{
    platform::LineReader reader;
    ASSERT_TRUE(reader.open(fixture("las20.las")));
    const std::int64_t pos = seekSection(reader, 'w');
    platform::Line line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.start, pos);
    EXPECT_EQ(line.text, "#MNEM.UNIT       DATA                    DESCRIPTION");
    EXPECT_GT(seekSection(reader, 'A'), pos);
    EXPECT_EQ(seekSection(reader, 'Z'), 0);
    EXPECT_EQ(reader.position(), 1);

    ScratchDir dir;
    struct Case {
        const char* text;
        char letter;
        bool found;
    };
    const Case cases[] = {
        {"~V\r\n~A\r\n1 2\r\n~W\r\nSTRT.M 1 : x\r\n", 'W', false},  // data before ~W
        {"~V\r\n# see ~A below\r\n~W\r\n", 'W', false},             // "~A" in a comment
        {"~V\r\nX.  1 : ~approx\r\n~W\r\n", 'W', false},            // "~a" in a description
        {"~V\r\n# see ~A below\r\n~A\r\n", 'A', true},
        {"~V\r\n  ~well\r\nX.  1 : y\r\n", 'W', true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        writeFile(dir.file("s.las"), c.text);
        platform::LineReader r;
        ASSERT_TRUE(r.open(dir.file("s.las")));
        EXPECT_EQ(seekSection(r, c.letter) != 0, c.found);
    }
}

TEST(HeaderLinesTest, WellRangeAndFormatColumns)
{
    WellRange range;
    std::string columns;
    EXPECT_EQ(getWellRange(fixture("las20.las"), range, columns), "DEPT");
    EXPECT_EQ(range, (WellRange{{{"1670.0000", "M"}, {"1669.7500", "M"}, {"-0.1250", "M"}, {"-999.25", ""}}}));
    EXPECT_EQ(columns, "6|16|26");

    EXPECT_EQ(getWellRange(fixture("las12.las"), range, columns), "DEPT");
    EXPECT_EQ(range[0], (std::array<std::string, 2>{"100.0000", "FT"}));
    EXPECT_EQ(range[3], (std::array<std::string, 2>{"-999.2500", ""}));
    EXPECT_EQ(columns, "6|16|24");

    ScratchDir dir;
    writeFile(dir.file("tilde.las"), "~W\r\n STRT.M  5.0 : start ~ here\r\n STOP.M  9.0 : stop\r\n~A\r\n");
    getWellRange(dir.file("tilde.las"), range, columns);
    EXPECT_EQ(range[0][0], "");
    EXPECT_EQ(range[1][0], "");  // the scan ended at the STRT line
    EXPECT_EQ(columns, "0|0|0");

    writeFile(dir.file("nostrt.las"), "~W\r\nSTOP.F 9.0 : stop\r\nSTEP.F 0.5 : step\r\n~A\r\n");
    getWellRange(dir.file("nostrt.las"), range, columns);
    EXPECT_EQ(range[1], (std::array<std::string, 2>{"9.0", "F"}));
    EXPECT_EQ(range[2], (std::array<std::string, 2>{"0.5", "F"}));
    EXPECT_EQ(columns, "0|0|0");

    getWellRange(fixture("missing.las"), range, columns);
    EXPECT_EQ(range[0][0], "");
    EXPECT_EQ(columns, "0|0|0");
}

TEST(HeaderLinesTest, ReadHeaderValueInAnOpenFile)
{
    platform::LineReader reader;
    ASSERT_TRUE(reader.open(fixture("las20.las")));
    EXPECT_EQ(readHeaderValue(reader, " date ", 'W'), "123045");
    EXPECT_EQ(readHeaderValue(reader, "BHT", 'W'), "35.5000");  // later sections too
    EXPECT_EQ(readHeaderValue(reader, "VERS", 'W'), "");        // before the section
    EXPECT_EQ(readHeaderValue(reader, "STRT", 'P'), "");
    EXPECT_EQ(readHeaderValue(reader, "STRT", 'X'), "");
}

// Bytes this process has read through system calls so far, or -1 where Linux does not tell.
long long bytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return -1;
}

TEST(HeaderLinesTest, HeaderQueriesOfAHugeFileReadOnlyItsHeader)
{
    if (bytesReadSoFar() < 0)
        GTEST_SKIP() << "no read accounting on this system";
    ScratchDir dir;
    const std::string path = dir.file("huge.las");
    writeFile(path, test::readFile(fixture("las20.las")));
    std::filesystem::resize_file(path, 500LL * 1024 * 1024);  // sparse: 500 MB after the data start

    const long long before = bytesReadSoFar();
    std::string status, unit;
    EXPECT_EQ(getHeaderItem(path, "WELL", "W", status, unit), "NORTH RIDGE 7-12");
    EXPECT_EQ(getHeaderItem(path, "NOPE", "W", status, unit), " ");
    EXPECT_EQ(getHeaderValue(path, "NOPE", unit), " ");
    WellRange range;
    std::string columns;
    getWellRange(path, range, columns);
    EXPECT_EQ(range[0][0], "1670.0000");
    EXPECT_EQ(getSectionText(path, 'O'), "Logged with the hole full of fresh mud.\r\nSecond remark line.");
    platform::LineReader reader;
    ASSERT_TRUE(reader.open(path));
    EXPECT_EQ(readHeaderValue(reader, "NOPE", 'W'), "");
    EXPECT_LT(bytesReadSoFar() - before, 16LL * 1024 * 1024);
}

} // namespace
} // namespace corvalet::core

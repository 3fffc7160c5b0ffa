#include "manipulate/FilterLookups.h"

#include "core/AppState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace corvalet::manipulate {
namespace {

namespace fs = std::filesystem;

void write(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

struct FilterLookupsTest : ::testing::Test {
    fs::path dir;
    core::AppState state;

    FilterLookupsTest()
    {
        dir = fs::temp_directory_path() / ("corvalet-lookups-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        write(dir / "wells" / "Harrow-7.las",
              "~Version\r\n VERS.  2.0 : CWLS\r\n~Well\r\n WELL.  HARROW 7 : WELL\r\n UWI .  100071302 : UNIQUE ID\r\n"
              "~Parameter\r\n BHT .DEGC  85 : BOTTOM HOLE TEMP\r\n UWI .  PARAM-UWI : NOT THE WELL ONE\r\n"
              "~A DEPT\r\n 1.0\r\n");
        write(dir / "filters" / "ElevTable.TXT",
              "# elevations by well\r\n\r\nUWI, LICENCE ,ELEV\r\n# comment between\r\n\r\n"
              "100071302,A12345,650.0\r\n100071302,B99999,999.0\r\nHARROW 7\tC1\t701.5\r\n"
              "Harrow-7.las,D2,702.0\r\nshort\r\n");
        write(dir / "filters" / "my.fil", "~Filter\r\n File.   ElevTable.txt : default table\r\n~A\r\n");
        state.filterFile = (dir / "filters" / "my.fil").string();
        state.fileInfo[1].filePath = (dir / "wells" / "Harrow-7.las").string();
    }
    ~FilterLookupsTest() override
    {
        std::error_code error;
        fs::remove_all(dir, error);
    }

    std::string ask(const std::string& request, int slot = 1)
    {
        std::string answer = "stale";
        applyFilterSpecial(state, request, slot, answer);
        return answer;
    }
};

TEST_F(FilterLookupsTest, AnswersRequestsFromTablesAndHeaders)
{
    const std::string table = (dir / "filters" / "ElevTable.TXT").string();
    struct Case {
        std::string request;
        const char* answer;
    };
    const Case cases[] = {
        {"[File=File;Key=LAS(~W:UWI);Col=ELEV]", "650.0"},            // default table, first row wins
        {"[File=File;Key=LAS(~W:UWI);Col=elev]", "650.0"},            // column names ignore case
        {"[File=File;Key=LAS(~W:UWI);Col=LICENCE]", "A12345"},        // header fields are trimmed
        {"[File=File;Key=LAS(~W:UWI);Col=DEPTH]", ""},                // no such column
        {"[Key=LAS(~W:WELL);Col=ELEV;File=" + table + "]", "701.5"},  // order of parts, TAB fields
        {"[File=\"" + table + "\";Key=LAS(~W:WELL);Col=ELEV]", "701.5"}, // quotes removed
        {"[File=File;Key=ThisLASFileName;Col=ELEV]", "702.0"},
        {"[File=File;Key=short;Col=ELEV]", ""},                       // row shorter than the column
        {"[File=File;Key=LAS(~P:UWI);Col=ELEV]", ""},                 // ~P's UWI is no key of the table
        {"[Key=LAS(~W:UWI)]", "100071302"},                           // no table: the item itself
        {"[Key=LAS(~P:UWI)]", "PARAM-UWI"},                           // only ~P is searched
        {"[Key=LAS(:BHT)]", "85"},                                    // every header section
        {"[Key=LAS(~W:BHT)]", ""},                                    // not in ~W
        {"[File=missing.txt;Key=LAS(~W:UWI);Col=ELEV]", "100071302"}, // missing table: the item itself...
        {"[Col=ELEV]", ""},                                           // ...and without a reference, nothing
        {"[File=File;Key=100071302]", ""},                            // no column asked
        {"[LAS(~W:UWI)]", ""},                                        // no keyword at all
        {"[File=elevtable.txt;Key=LAS(~W:UWI);Col=ELEV]", "650.0"},   // found without regard to case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request);
        EXPECT_EQ(ask(c.request), c.answer);
    }
}

TEST_F(FilterLookupsTest, EmptySlotOrMissingFilterAnswersNothing)
{
    EXPECT_EQ(ask("[Key=LAS(~W:UWI)]", 2), "");
    EXPECT_EQ(ask("[Key=LAS(~W:UWI)]", 9), "");
    state.filterFile = (dir / "nowhere.fil").string();
    EXPECT_EQ(ask("[File=File;Key=LAS(~W:UWI);Col=ELEV]"), "100071302") << "no default table: the item itself";
}

TEST_F(FilterLookupsTest, TableLookUpSkipsCommentsAndMatchesKeysWithoutCase)
{
    const fs::path table = dir / "t.csv";
    write(table, "#only comments first\r\n   \r\n Key , Value \r\nalpha,1\r\nALPHA,2\r\nbeta,,3\r\n");
    struct Case {
        const char* key;
        const char* column;
        const char* value;
    };
    const Case cases[] = {{"Alpha", "value", "1"}, {"beta", "VALUE", ""}, {"gamma", "Value", ""}, {"alpha", "Nope", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "/" + c.column);
        std::string value = "stale";
        getDBValue(table.string(), c.key, c.column, value);
        EXPECT_EQ(value, c.value);
    }
    std::string value = "stale";
    getDBValue((dir / "absent.csv").string(), "alpha", "Value", value);
    EXPECT_EQ(value, "");
}

} // namespace
} // namespace corvalet::manipulate

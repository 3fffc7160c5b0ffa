#include "functions/Library.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using corvalet::core::TextTable;
using namespace corvalet::functions;

namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Rows 1..n of a table, each as its fields joined by "|", for readable comparisons.
std::vector<std::string> rowsOf(const TextTable& table)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= table.rowUpper(); ++r) {
        std::string row;
        for (int f = 0; f <= table.fieldUpper(); ++f)
            row += (f ? "|" : "") + table(f, r);
        rows.push_back(row);
    }
    return rows;
}

class LibraryFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() / (std::string("corvalet_lib_") + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string path(const char* name) const { return (m_dir / name).string(); }

    fs::path m_dir;
    TextTable groups, library;
};

// Tables built by hand, the way the library editor leaves them.
void addCurveGroup(TextTable& groups, std::vector<std::string> cells)
{
    const int r = groups.rowUpper() + 1;
    groups.redimPreserve(r);
    for (int f = 0; f < 4; ++f)
        groups(f, r) = cells[static_cast<std::size_t>(f)];
}

void addRow(TextTable& table, std::vector<std::string> cells)
{
    const int r = table.rowUpper() + 1;
    table.redimPreserve(r);
    for (int f = 0; f <= table.fieldUpper(); ++f)
        table(f, r) = cells[static_cast<std::size_t>(f)];
}

} // namespace

TEST_F(LibraryFiles, CurveFileGrammar)
{
    const std::string text =
        "# comment before\r\n"
        "STRAY. :member before any group\r\n"
        "\r\n"
        "[GR|GR_UNIQUE|GAPI|API]\r\n"
        "# comment among members\r\n"
        "GR .IN   1 : Gamma : Ray\r\n"
        "   SGR. :Spectral gamma   \r\n"
        "not a member line\r\n"
        ".X :dot in first column\r\n"
        "A:B.C\r\n"
        "[a]b]\r\n"
        "AFTERBAD. :skipped, no group open\r\n"
        "[]\r\n"
        "E. :in the empty-named group\r\n"
        "[RES|R]\r\n"
        "ILD. :Deep induction\r\n"
        "[bad\r\n"
        "SWALLOWED. :skipped up to the next group\r\n"
        "[LAST|L|OHMM|OHMM|extra]";
    parseCurveLibrary(text, groups, library);
    EXPECT_EQ(groups.fieldUpper(), 3);
    EXPECT_EQ(library.fieldUpper(), 2);
    EXPECT_EQ(rowsOf(groups), (std::vector<std::string>{"GR|GR_UNIQUE|GAPI|API", "|||", "RES|R||", "LAST|L|OHMM|OHMM"}));
    EXPECT_EQ(rowsOf(library), (std::vector<std::string>{"GR|GR|Gamma : Ray", "GR|SGR|Spectral gamma",
                                                         "|E|in the empty-named group", "RES|ILD|Deep induction"}));
}

TEST_F(LibraryFiles, CommentsAndBlankLinesChangeNothingAndAreNotSaved)
{
    const std::string plain = "[GR|G|GAPI|GAPI]\r\nGR. :Gamma Ray\r\n\r\n[SP|S|MV|MV]\r\nSP. :Spontaneous potential\r\n";
    const std::string commented = "#head\r\n\r\n[GR|G|GAPI|GAPI]\r\n#c\r\n\r\nGR. :Gamma Ray\r\n\r\n#between\r\n\r\n"
                                  "[SP|S|MV|MV]\r\n\r\nSP. :Spontaneous potential\r\n#tail\r\n\r\n";
    TextTable g2, l2;
    parseCurveLibrary(plain, groups, library);
    parseCurveLibrary(commented, g2, l2);
    EXPECT_EQ(groups, g2);
    EXPECT_EQ(library, l2);
    EXPECT_EQ(curveLibraryText(g2, l2), plain);
}

TEST_F(LibraryFiles, CurveDescriptionIsCutTo1000Characters)
{
    const std::string longText(1200, 'd');
    parseCurveLibrary("[G|||]\r\nM. :" + longText + "\r\n", groups, library);
    ASSERT_EQ(library.rowUpper(), 1);
    EXPECT_EQ(library(2, 1), longText.substr(0, 1000));
}

TEST_F(LibraryFiles, UnitFileGrammar)
{
    const std::string text =
        "#[] line contains unit group name and internal unit symbol with | separator\r\n"
        "STRAY|1|0\r\n"
        "[DENSITY|K/M3]\r\n"
        "KG/M3|1000|0\r\n"
        "BAD|abc\r\n"
        "FT|0.3048\r\n"
        "no bar here\r\n"
        "[bracket without bar]\r\n"
        "#note|2|3\r\n"
        " SPACED | 1 000.5 | -\t3 \r\n"
        "[TEMP|DEGC]\r\n"
        "DEGF|1.8|32\r\n"
        "[bad|x\r\n"
        "LOST|1|1\r\n"
        "[EMPTY|]";
    TextTable unitGroups, units;
    parseUnitLibrary(text, unitGroups, units);
    EXPECT_EQ(unitGroups.fieldUpper(), 1);
    EXPECT_EQ(units.fieldUpper(), 3);
    EXPECT_EQ(rowsOf(unitGroups), (std::vector<std::string>{"DENSITY|K/M3", "TEMP|DEGC", "EMPTY|"}));
    EXPECT_EQ(rowsOf(units), (std::vector<std::string>{"DENSITY|KG/M3|1000|0", "DENSITY|BAD|0|0", "DENSITY|FT|0.3048|0",
                                                       "DENSITY|#note|2|3", "DENSITY|SPACED|1000.5|-3",
                                                       "TEMP|DEGF|1.8|32"}));
}

TEST_F(LibraryFiles, EveryLineEndLoadsTheSame)
{
    const std::string lines[] = {"[GR|G|GAPI|GAPI]", "GR. :Gamma Ray", "", "[CALI|C|MM|IN]", "CALI. :Caliper"};
    const std::string unitLines[] = {"[LENGTH|M]", "FT|3.28084|0", "", "[TIME|S]", "MS|1000|0"};
    TextTable refGroups, refLibrary, refUnitGroups, refUnits;
    for (const char* end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(end)));
        std::string text, unitText;
        for (const auto& l : lines)
            text += l + end;
        for (const auto& l : unitLines)
            unitText += l + end;
        writeBytes(path("curves.ini"), text);
        writeBytes(path("units.ini"), unitText);
        TextTable unitGroups, units;
        ASSERT_TRUE(loadCurveLibrary(path("curves.ini"), groups, library));
        ASSERT_TRUE(loadUnitLibrary(path("units.ini"), unitGroups, units));
        EXPECT_EQ(groups.rowUpper(), 2);
        EXPECT_EQ(library.rowUpper(), 2);
        EXPECT_EQ(unitGroups.rowUpper(), 2);
        EXPECT_EQ(units.rowUpper(), 2);
        if (refGroups.rowCount() == 0) {
            refGroups = groups, refLibrary = library, refUnitGroups = unitGroups, refUnits = units;
        } else {
            EXPECT_EQ(groups, refGroups);
            EXPECT_EQ(library, refLibrary);
            EXPECT_EQ(unitGroups, refUnitGroups);
            EXPECT_EQ(units, refUnits);
        }
    }
}

TEST_F(LibraryFiles, MissingFileGivesFalseAndEmptyTables)
{
    parseCurveLibrary("[GR|G||]\r\nGR. :x\r\n", groups, library);
    TextTable unitGroups, units;
    parseUnitLibrary("[L|M]\r\nFT|3|0\r\n", unitGroups, units);
    EXPECT_FALSE(loadCurveLibrary(path("absent.ini"), groups, library));
    EXPECT_FALSE(loadUnitLibrary(path("absent.ini"), unitGroups, units));
    EXPECT_FALSE(loadCurveLibrary("", groups, library));
    EXPECT_EQ(groups, TextTable(3, 0));
    EXPECT_EQ(library, TextTable(2, 0));
    EXPECT_EQ(unitGroups, TextTable(1, 0));
    EXPECT_EQ(units, TextTable(3, 0));
}

TEST_F(LibraryFiles, CurveSaveIsByteExactAndReadsBack)
{
    resetCurveTables(groups, library);
    addCurveGroup(groups, {"GR", "GR_KEY", "GAPI", "API"});
    addCurveGroup(groups, {"RES", "", "OHMM", "OHMM"});
    addCurveGroup(groups, {"EMPTYLAST", "E", "", ""});
    addRow(library, {"res", "ILD", "Deep induction"});     // group name in another case
    addRow(library, {"GR", "GR", "Gamma Ray"});
    addRow(library, {"NOGROUP", "XX", "orphan, not written"});
    addRow(library, {"GR", "SGR", "Spectral gamma"});
    ASSERT_TRUE(saveCurveLibrary(path("curves.ini"), groups, library));
    const std::string expected = "[GR|GR_KEY|GAPI|API]\r\nGR. :Gamma Ray\r\nSGR. :Spectral gamma\r\n"
                                 "\r\n[RES||OHMM|OHMM]\r\nILD. :Deep induction\r\n"
                                 "\r\n[EMPTYLAST|E||]\r\n";
    EXPECT_EQ(readBytes(path("curves.ini")), expected);

    TextTable g2, l2;
    ASSERT_TRUE(loadCurveLibrary(path("curves.ini"), g2, l2));
    EXPECT_EQ(rowsOf(g2), rowsOf(groups));
    EXPECT_EQ(rowsOf(l2), (std::vector<std::string>{"GR|GR|Gamma Ray", "GR|SGR|Spectral gamma",
                                                    "RES|ILD|Deep induction"}));
    ASSERT_TRUE(saveCurveLibrary(path("again.ini"), g2, l2));
    EXPECT_EQ(readBytes(path("again.ini")), expected);
}

TEST_F(LibraryFiles, UnitSaveIsByteExactAndKeepsFifteenUnits)
{
    TextTable unitGroups, units;
    resetUnitTables(unitGroups, units);
    addRow(unitGroups, {"LENGTH", "M"});
    addRow(unitGroups, {"Small", "X"});
    for (int i = 1; i <= 15; ++i)
        addRow(units, {"length", "U" + std::to_string(i), std::to_string(i), "0"});
    addRow(units, {"SMALL", "TINY", "1E-05", "-2.5"});
    addRow(units, {"SMALL", "TYPED", "2.", "-"});  // texts left by the editor
    ASSERT_TRUE(saveUnitLibrary(path("units.ini"), unitGroups, units));

    std::string expected;
    for (auto c : unitFileComments)
        expected += std::string(c) + "\r\n";
    expected += "[LENGTH|M]\r\n";
    for (int i = 1; i <= 15; ++i)
        expected += "U" + std::to_string(i) + "|" + std::to_string(i) + "|0\r\n";
    expected += "\r\n[Small|X]\r\nTINY|1E-05|-2.5\r\nTYPED|2.|-\r\n";
    EXPECT_EQ(readBytes(path("units.ini")), expected);

    TextTable g2, u2;
    ASSERT_TRUE(loadUnitLibrary(path("units.ini"), g2, u2));
    EXPECT_EQ(g2, unitGroups);
    ASSERT_EQ(u2.rowUpper(), 17);
    EXPECT_EQ(u2(0, 15), "LENGTH");
    EXPECT_EQ(u2(1, 15), "U15");
    EXPECT_EQ(rowsOf(u2).back(), "Small|TYPED|2|0");  // members take their group line's name
    ASSERT_TRUE(saveUnitLibrary(path("again.ini"), g2, u2));
    const std::string typed = "TYPED|2.|-\r\n";
    expected.replace(expected.find(typed), typed.size(), "TYPED|2|0\r\n");
    EXPECT_EQ(readBytes(path("again.ini")), expected);
}

TEST_F(LibraryFiles, FailedSaveReportsFailureAndKeepsTheOldFile)
{
    parseCurveLibrary("[NEW|N||]\r\nNEW. :new\r\n", groups, library);
    TextTable unitGroups, units;
    parseUnitLibrary("[L|M]\r\nFT|3.28084|0\r\n", unitGroups, units);

    EXPECT_FALSE(saveCurveLibrary(path("no/such/folder/curves.ini"), groups, library));
    EXPECT_FALSE(saveUnitLibrary("", unitGroups, units));

    // A target that is a folder is not replaced.
    fs::create_directories(m_dir / "folder.ini" / "inside");
    EXPECT_FALSE(saveCurveLibrary(path("folder.ini"), groups, library));
    EXPECT_FALSE(saveUnitLibrary(path("folder.ini"), unitGroups, units));
    EXPECT_TRUE(fs::is_directory(m_dir / "folder.ini" / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);  // no temp left
}

#ifdef RLIMIT_FSIZE
// The disk filling up in the middle of a save: the old library stays whole and the save says so.
TEST_F(LibraryFiles, SaveThatRunsOutOfSpaceKeepsTheOldFile)
{
    const std::string old = "[OLD|O||]\r\nOLD. :kept\r\n";
    writeBytes(path("curves.ini"), old);
    writeBytes(path("units.ini"), old);
    resetCurveTables(groups, library);
    TextTable unitGroups, units;
    resetUnitTables(unitGroups, units);
    for (int i = 0; i < 200; ++i) {
        addCurveGroup(groups, {"G" + std::to_string(i), "", "", ""});
        addRow(unitGroups, {"U" + std::to_string(i), "X"});
    }
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool curveSaved = saveCurveLibrary(path("curves.ini"), groups, library);
    const bool unitSaved = saveUnitLibrary(path("units.ini"), unitGroups, units);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(curveSaved);
    EXPECT_FALSE(unitSaved);
    EXPECT_EQ(readBytes(path("curves.ini")), old);
    EXPECT_EQ(readBytes(path("units.ini")), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);  // no temp left
    EXPECT_TRUE(saveCurveLibrary(path("curves.ini"), groups, library));  // and with room it works
    EXPECT_EQ(readBytes(path("curves.ini")), curveLibraryText(groups, library));
}
#endif

TEST(LibraryNumbers, CellsReadAsTheirLeadingNumber)
{
    const std::pair<const char*, double> cases[] = {
        {"1000", 1000},  {" 0.3048", 0.3048}, {"1 000", 1000}, {"\t-2.5x", -2.5},
        {"1E-05", 1e-05}, {"abc", 0},          {"", 0},         {"2.", 2},
        {"-", 0},        {"3.28084|", 3.28084},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(libraryNumber(text), value);
    }
}

class LibraryLookups : public ::testing::Test {
protected:
    void SetUp() override
    {
        parseCurveLibrary("[GR|GR_KEY|GAPI|API]\r\nGR. :Gamma Ray\r\nSGR. :Spectral gamma\r\n"
                          "[RES|RES_KEY|OHMM|OHMM]\r\nILD. :Deep induction\r\nGR. :second GR row\r\n"
                          "[DELETED|D||]\r\nDT. :Sonic\r\n"
                          "[]\r\nNONAME. :member of an unnamed group\r\n",
                          curveGroups, curveLibrary);
        // The DELETED group row goes away, its member stays behind.
        curveGroups(0, 3) = "GONE";
        parseUnitLibrary("[DENSITY|K/M3]\r\nKG/M3|1|0\r\nG/C3|0.001|0\r\nZERO|0|5\r\n"
                         "[LENGTH|M]\r\nM|1|0\r\nFT|3.28084|0\r\nG/C3|99|0\r\n"
                         "[TEMP|DEGC]\r\nDEGC|1|0\r\nDEGF|1.8|32\r\n",
                         unitGroups, unitLibrary);
    }
    TextTable curveGroups, curveLibrary, unitGroups, unitLibrary;
};

TEST_F(LibraryLookups, CurveMnemonics)
{
    struct Case {
        const char* mnemonic;
        int row;
        const char* key;
        const char* description;
    };
    const Case cases[] = {
        {"GR", 1, "GR_KEY", "Gamma Ray"},   // first row wins
        {"sgr", 1, "GR_KEY", "Spectral gamma"},
        {"ILD", 2, "RES_KEY", "Deep induction"},
        {"DT", 0, "", "Sonic"},              // its group row is gone
        {"NONAME", 0, "", "member of an unnamed group"},  // empty group name: no row
        {" GR", 0, "", ""},                  // not trimmed
        {"XYZ", 0, "", ""},
        {"", 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mnemonic);
        EXPECT_EQ(findLibRow(c.mnemonic, curveGroups, curveLibrary), c.row);
        EXPECT_EQ(libKeyOf(c.mnemonic, curveGroups, curveLibrary), c.key);
        EXPECT_EQ(libDescription(c.mnemonic, curveLibrary), c.description);
    }
}

TEST_F(LibraryLookups, UnitFactors)
{
    struct Case {
        const char* unit;
        const char* trimmed;
        float factor;
        float offset;
    };
    const Case cases[] = {
        {"  kg/m3 ", "kg/m3", 1.0f, 0.0f},
        {"G/C3", "G/C3", 0.001f, 0.0f},  // the first of two groups wins
        {"ft", "ft", 3.28084f, 0.0f},
        {"DEGF", "DEGF", 1.8f, 32.0f},
        {"ZERO", "ZERO", 1.0f, 5.0f},     // a stored 0 counts as 1
        {"XYZ", "XYZ", 1.0f, 0.0f},
        {"   ", "", 1.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        std::string unit = c.unit;
        float offset = -7.0f;
        EXPECT_FLOAT_EQ(libraryFactorLookup(unit, offset, unitLibrary), c.factor);
        EXPECT_FLOAT_EQ(offset, c.offset);
        EXPECT_EQ(unit, c.trimmed);
    }
    std::string unit = "FT";
    float offset = 3.0f;
    EXPECT_FLOAT_EQ(libraryFactorLookup(unit, offset, TextTable(3, 0)), 1.0f);
    EXPECT_FLOAT_EQ(offset, 0.0f);
}

TEST_F(LibraryLookups, UnitsOfTheSameGroup)
{
    using List = std::vector<std::string>;
    EXPECT_EQ(unitsOfSameGroup("g/c3", unitLibrary), (List{"DENSITY", "KG/M3", "G/C3", "ZERO"}));
    EXPECT_EQ(unitsOfSameGroup("FT", unitLibrary), (List{"LENGTH", "M", "FT", "G/C3"}));
    EXPECT_EQ(unitsOfSameGroup("", unitLibrary), List{""});
    EXPECT_EQ(unitsOfSameGroup("XYZ", unitLibrary), List{""});
    EXPECT_EQ(unitsOfSameGroup("FT", TextTable(3, 0)), List{""});
}

TEST_F(LibraryLookups, AssignUnitFactorsListsMissingUnits)
{
    std::vector<UnitFactor> factors(4, UnitFactor{2.0f, 9.0f});
    std::string missing;
    EXPECT_TRUE(assignUnitFactors({"FT", "", "XYZ", "QQ"}, factors, missing, unitLibrary));
    EXPECT_EQ(missing, "XYZ, QQ");
    ASSERT_EQ(factors.size(), 4u);
    EXPECT_FLOAT_EQ(factors[0].factor, 3.28084f);
    EXPECT_FLOAT_EQ(factors[0].offset, 0.0f);
    EXPECT_FLOAT_EQ(factors[1].factor, 1.0f);
    EXPECT_FLOAT_EQ(factors[1].offset, 0.0f);
    EXPECT_FLOAT_EQ(factors[2].factor, 1.0f);
    EXPECT_FLOAT_EQ(factors[2].offset, 9.0f);  // an unknown unit keeps its offset

    // A zero factor would make every later division by it fail: it counts as 1.
    missing.clear();
    EXPECT_TRUE(assignUnitFactors({"zero", "DEGF"}, factors, missing, unitLibrary));
    EXPECT_EQ(missing, "");
    EXPECT_FLOAT_EQ(factors[0].factor, 1.0f);
    EXPECT_FLOAT_EQ(factors[0].offset, 5.0f);
    EXPECT_FLOAT_EQ(factors[1].factor, 1.8f);
    EXPECT_FLOAT_EQ(factors[1].offset, 32.0f);

    factors.assign(2, UnitFactor{2.0f, 9.0f});
    missing = "left alone";
    EXPECT_FALSE(assignUnitFactors({"FT", "XYZ"}, factors, missing, TextTable(3, 0)));
    EXPECT_EQ(missing, "left alone");
    for (const UnitFactor& f : factors) {
        EXPECT_FLOAT_EQ(f.factor, 1.0f);
        EXPECT_FLOAT_EQ(f.offset, 0.0f);
    }
}

TEST_F(LibraryLookups, ConvertsThroughTheInternalUnit)
{
    EXPECT_NEAR(convertUnitValue(2.65, "G/C3", "KG/M3", unitLibrary), 2650.0, 1e-9);
    EXPECT_NEAR(convertUnitValue(100.0, "DEGC", "DEGF", unitLibrary), 212.0, 1e-9);
    EXPECT_NEAR(convertUnitValue(212.0, "degf", "DEGC", unitLibrary), 100.0, 1e-9);
    EXPECT_NEAR(convertUnitValue(3.28084, "FT", "M", unitLibrary), 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(convertUnitValue(5.0, "XYZ", "M", unitLibrary), 5.0);
}

TEST_F(LibraryFiles, SharedStateUsesTheStartUpPathsAndTheFirstInputSlot)
{
    corvalet::core::AppState state;
    corvalet::core::initGlobals(state);
    state.curvesIniPath = path("curves.ini");
    state.unitsIniPath = path("units.ini");
    writeBytes(state.curvesIniPath, "[GR|G|GAPI|GAPI]\nGR. :Gamma Ray\n");
    writeBytes(state.unitsIniPath, "[LENGTH|M]\nM|1|0\nFT|3.28084|0\n[TEMP|DEGC]\nDEGF|1.8|32\n");
    ASSERT_TRUE(loadCurveLibrary(state));
    ASSERT_TRUE(loadUnitLibrary(state));
    EXPECT_EQ(libDescription("gr", state.curveLibrary), "Gamma Ray");

    auto& curves = state.curveInfo[0];
    curves.assign(4, corvalet::core::CurveInfoRec{});
    const char* units[] = {"FT", "", "DEGF", "XYZ"};
    for (std::size_t i = 0; i < curves.size(); ++i) {
        curves[i].unit = units[i];
        curves[i].unitOffset = 7.0f;
    }
    state.curveInfo[1].assign(1, corvalet::core::CurveInfoRec{});
    state.curveInfo[1][0].unit = "FT";
    std::string missing;
    EXPECT_TRUE(assignUnitFactors(state, missing));
    EXPECT_EQ(missing, "XYZ");
    const float expected[][2] = {{3.28084f, 0.0f}, {1.0f, 0.0f}, {1.8f, 32.0f}, {1.0f, 7.0f}};
    for (std::size_t i = 0; i < curves.size(); ++i) {
        SCOPED_TRACE(units[i]);
        EXPECT_FLOAT_EQ(curves[i].unitFactor, expected[i][0]);
        EXPECT_FLOAT_EQ(curves[i].unitOffset, expected[i][1]);
    }
    EXPECT_FLOAT_EQ(state.curveInfo[1][0].unitFactor, 0.0f);  // other slots are left alone

    ASSERT_TRUE(saveCurveLibrary(state));
    ASSERT_TRUE(saveUnitLibrary(state));
    EXPECT_EQ(readBytes(state.curvesIniPath), "[GR|G|GAPI|GAPI]\r\nGR. :Gamma Ray\r\n");
    EXPECT_EQ(readBytes(state.unitsIniPath).substr(readBytes(state.unitsIniPath).find("[LENGTH")),
              "[LENGTH|M]\r\nM|1|0\r\nFT|3.28084|0\r\n\r\n[TEMP|DEGC]\r\nDEGF|1.8|32\r\n");
}

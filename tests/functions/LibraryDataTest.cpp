// The library files the program ships in its read-only data folder.
#include "functions/Library.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Fields.h"
#include "platform/LineReader.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

using corvalet::core::TextTable;
using namespace corvalet::functions;
namespace platform = corvalet::platform;

namespace {

std::string dataPath(const char* name) { return std::string(CORVALET_SOURCE_DIR "/data/") + name; }

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> trimmedLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    platform::LineReader reader(bytes);
    platform::Line line;
    while (reader.next(line))
        lines.emplace_back(platform::trimBlanks(line.text));
    return lines;
}

bool endsEveryLineWithCrLf(const std::string& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
    }
    return !bytes.empty() && bytes.substr(bytes.size() - 2) == "\r\n";
}

// The rows of one unit group, by unit: factor and offset.
struct UnitRow {
    double factor;
    double offset;
};
using UnitGroups = std::map<std::string, std::map<std::string, UnitRow>>;

UnitGroups groupsOf(const TextTable& unitLibrary)
{
    UnitGroups groups;
    for (int r = 1; r <= unitLibrary.rowUpper(); ++r)
        groups[unitLibrary(0, r)][unitLibrary(1, r)] = {std::stod(unitLibrary(2, r)), std::stod(unitLibrary(3, r))};
    return groups;
}

} // namespace

TEST(ShippedCurveLibrary, LoadsWholeAndSavesBackUnchanged)
{
    const std::string bytes = readBytes(dataPath("curves.ini"));
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(endsEveryLineWithCrLf(bytes));
    TextTable groups, library;
    ASSERT_TRUE(loadCurveLibrary(dataPath("curves.ini"), groups, library));
    // The file is in the form the writer produces, so every line was taken: writing the tables
    // gives the file back byte for byte.
    EXPECT_EQ(curveLibraryText(groups, library), bytes);
    EXPECT_GE(groups.rowUpper(), 20);

    std::set<std::string> mnemonics;
    for (int m = 1; m <= library.rowUpper(); ++m) {
        SCOPED_TRACE(library(1, m));
        EXPECT_TRUE(mnemonics.insert(platform::toUpper(library(1, m))).second) << "listed twice";
        EXPECT_FALSE(library(2, m).empty());
        EXPECT_GT(findLibRow(library(1, m), groups, library), 0);
    }
    for (const char* daily : {"GR", "SGR", "POTA", "THOR", "URAN", "SP", "CALI", "BS", "ILD", "ILM", "LLS", "MSFL",
                              "CILD", "RHOB", "DRHO", "PEF", "NPHI", "NCNT", "FCNT", "DT", "DTS", "DPHI", "SPHI",
                              "TEMP", "TENS", "SPD", "DEPT", "TIME"}) {
        SCOPED_TRACE(daily);
        EXPECT_GT(findLibRow(daily, groups, library), 0);
    }
    EXPECT_EQ(libKeyOf("rhob", groups, library), "00 350 02 00");
    EXPECT_EQ(libDescription("NPHI", library), "Neutron porosity");

    // Every unit a curve group names is one the unit library knows.
    TextTable unitGroups, units;
    ASSERT_TRUE(loadUnitLibrary(dataPath("units.ini"), unitGroups, units));
    for (int g = 1; g <= groups.rowUpper(); ++g)
        for (int f : {2, 3}) {
            SCOPED_TRACE(groups(0, g) + " " + groups(f, g));
            EXPECT_GT(unitsOfSameGroup(groups(f, g), units).size(), 1u);
        }
}

TEST(ShippedUnitLibrary, LoadsWholeAndEveryGroupConverts)
{
    const std::string bytes = readBytes(dataPath("units.ini"));
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(endsEveryLineWithCrLf(bytes));
    TextTable unitGroups, units;
    ASSERT_TRUE(loadUnitLibrary(dataPath("units.ini"), unitGroups, units));
    EXPECT_EQ(unitLibraryText(unitGroups, units), bytes);

    const UnitGroups groups = groupsOf(units);
    // Within its own group: value in `from` -> internal -> value in `to`.
    struct Case {
        const char* group;
        double value;
        const char* from;
        const char* to;
        double expected;
        double tolerance;
    };
    const Case cases[] = {
        {"LENGTH", 1, "FT", "M", 0.3048, 1e-12},
        {"LENGTH", 12, "IN", "FT", 1, 1e-12},
        {"LENGTH", 1500, "MM", "CM", 150, 1e-9},
        {"DENSITY", 2650, "K/M3", "G/C3", 2.65, 1e-12},
        {"DENSITY", 1, "G/CM3", "LB/FT3", 62.4279605761446, 1e-9},
        {"SONIC", 55.5, "US/F", "US/M", 182.09, 0.005},
        {"POROSITY", 0.25, "V/V", "PU", 25, 1e-12},
        {"RESISTIVITY", 2.5, "OHM.M", "OHMM", 2.5, 0},
        {"CONDUCTIVITY", 500, "MMHO/M", "S/M", 0.5, 1e-12},
        {"TEMPERATURE", 100, "DEGC", "DEGF", 212, 1e-9},
        {"TEMPERATURE", 32, "DEGF", "K", 273.15, 1e-9},
        {"PRESSURE", 14.6959, "PSI", "KPA", 101.325, 0.001},
        {"PRESSURE", 1, "ATM", "BAR", 1.01325, 1e-9},
        {"COUNT RATE", 60, "CPM", "CPS", 1, 1e-12},
        {"GAMMA RAY", 75, "API", "GAPI", 75, 0},
        {"SP", -0.05, "V", "MV", -50, 1e-12},
        {"PHOTOELECTRIC", 5.08, "BARN/E", "B/E", 5.08, 0},
        {"TIME", 90, "MIN", "HR", 1.5, 1e-12},
        {"SPEED", 1800, "FT/HR", "FT/MIN", 30, 1e-9},
        {"TENSION", 1000, "LBF", "KGF", 453.59237, 1e-9},
        {"CONCENTRATION", 2.5, "PPM", "PPB", 2500, 1e-9},
        {"DIAMETER", 8.5, "IN", "MM", 215.9, 1e-9},
    };
    std::set<std::string> checked;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.group) + ": " + c.from + " -> " + c.to);
        const auto group = groups.find(c.group);
        ASSERT_NE(group, groups.end());
        const auto& rows = group->second;
        ASSERT_TRUE(rows.count(c.from) && rows.count(c.to));
        const UnitRow from = rows.at(c.from);
        const UnitRow to = rows.at(c.to);
        const double internal = (c.value - from.offset) / from.factor;
        EXPECT_NEAR(internal * to.factor + to.offset, c.expected, c.tolerance);
        checked.insert(c.group);
    }
    for (const auto& [name, rows] : groups) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(checked.count(name)) << "no conversion checked for this group";
        // The internal unit is a member with factor 1 and offset 0.
        const int g = [&] {
            for (int r = 1; r <= unitGroups.rowUpper(); ++r)
                if (unitGroups(0, r) == name)
                    return r;
            return 0;
        }();
        ASSERT_GT(g, 0);
        ASSERT_TRUE(rows.count(unitGroups(1, g)));
        EXPECT_EQ(rows.at(unitGroups(1, g)).factor, 1);
        EXPECT_EQ(rows.at(unitGroups(1, g)).offset, 0);
    }

    // The lookups answer from the first row of a unit, so a unit listed in two groups must relate
    // to every other unit it shares a group with in the same way in both.
    for (const auto& [name, rows] : groups)
        for (const auto& [a, rowA] : rows)
            for (const auto& [b, rowB] : rows) {
                SCOPED_TRACE(name + ": " + a + " / " + b);
                std::string ua = a, ub = b;
                float offA = 0, offB = 0;
                const double ratio = libraryFactorLookup(ub, offB, units) / libraryFactorLookup(ua, offA, units);
                EXPECT_NEAR(ratio, rowB.factor / rowA.factor, 1e-6 * rowB.factor / rowA.factor);
                EXPECT_FLOAT_EQ(offA, static_cast<float>(rowA.offset));
            }

    // Through the lookups the engine uses.
    EXPECT_NEAR(convertUnitValue(1, "ft", "m", units), 0.3048, 1e-12);
    EXPECT_NEAR(convertUnitValue(2650, "K/M3", "G/C3", units), 2.65, 1e-12);
    EXPECT_NEAR(convertUnitValue(100, "DEGC", "DEGF", units), 212, 1e-9);
    EXPECT_NEAR(convertUnitValue(55.5, "US/F", "US/M", units), 182.09, 0.005);
}

TEST(ShippedParameterFile, EveryItemLineSplitsIntoMnemonicUnitValueDescription)
{
    const std::string bytes = readBytes(dataPath("para.ini"));
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(endsEveryLineWithCrLf(bytes));
    std::set<std::string> mnemonics;
    for (const std::string& raw : trimmedLines(bytes)) {
        const std::string line = platform::toUpper(raw);
        if (line.empty() || line.front() == '#')
            continue;
        SCOPED_TRACE(line);
        // MNEM.UNIT VALUE : DESCRIPTION with one colon, the unit glued to the dot.
        const auto dot = line.find('.');
        const auto colon = line.find(':');
        ASSERT_NE(dot, std::string::npos);
        ASSERT_NE(colon, std::string::npos);
        ASSERT_LT(dot, colon);
        EXPECT_EQ(line.find(':', colon + 1), std::string::npos);
        const std::string mnemonic(platform::trimBlanks(std::string_view(line).substr(0, dot)));
        EXPECT_FALSE(mnemonic.empty());
        EXPECT_EQ(mnemonic.find(' '), std::string::npos);
        EXPECT_TRUE(mnemonics.insert(mnemonic).second) << "listed twice";
        const std::string_view afterDot = std::string_view(line).substr(dot + 1, colon - dot - 1);
        const auto blank = afterDot.find(' ');
        const std::string_view unit = afterDot.substr(0, blank);
        const std::string_view value = platform::trimBlanks(afterDot.substr(unit.size()));
        EXPECT_EQ(unit.find('.'), std::string_view::npos);
        EXPECT_EQ(value.find(' '), std::string_view::npos);
        const std::string_view description = platform::trimBlanks(std::string_view(line).substr(colon + 1));
        EXPECT_FALSE(description.empty());
        const auto bar = description.find('|');
        if (bar != std::string_view::npos) {
            EXPECT_FALSE(platform::trimBlanks(description.substr(0, bar)).empty());
            EXPECT_FALSE(platform::trimBlanks(description.substr(bar + 1)).empty());
            EXPECT_EQ(description.find('|', bar + 1), std::string_view::npos);
        }
    }
    for (const char* item : {"BS", "RM", "MST", "RMF", "MFST", "RMC", "MCST", "BHT", "MATR", "MDEN", "FD", "DTMA",
                             "DTF", "RW", "A", "M", "N"}) {
        SCOPED_TRACE(item);
        EXPECT_TRUE(mnemonics.count(item));
    }
}

TEST(ShippedCountRateToolFile, EveryToolHasCalibrationRowsOfFiveNumbers)
{
    const std::string bytes = readBytes(dataPath("crnphi.ini"));
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(endsEveryLineWithCrLf(bytes));
    platform::Fields fields;
    std::map<std::string, int> rowsPerTool;
    std::string tool;
    for (const std::string& line : trimmedLines(bytes)) {
        SCOPED_TRACE(line);
        if (line.empty())
            continue;
        if (line.front() == '[') {
            ASSERT_GE(line.find(']'), 1u);
            ASSERT_NE(line.find(']'), std::string::npos);
            tool = line;
            EXPECT_TRUE(rowsPerTool.emplace(tool, 0).second) << "tool listed twice";
            // A tool's rows are looked up by a name contained in its section line, so no name may
            // hold another.
            for (const auto& [other, count] : rowsPerTool) {
                if (other != tool) {
                    EXPECT_FALSE(platform::containsNoCase(tool, other) || platform::containsNoCase(other, tool));
                }
            }
            continue;
        }
        fields.split(line, " ");
        if (line.front() == '#') {
            // A comment must neither pass for a row nor end a tool's rows.
            EXPECT_NE(fields.count(), 5);
            EXPECT_EQ(line.find('['), std::string::npos);
            continue;
        }
        ASSERT_FALSE(tool.empty()) << "row before any tool";
        ASSERT_EQ(fields.count(), 5);
        double v[5];
        for (int f = 0; f < 5; ++f)
            ASSERT_TRUE(platform::strictNumber(fields.field(f + 1), v[f])) << fields.field(f + 1);
        const double dia = v[0], lowPhi = v[1], highCr = v[2], highPhi = v[3], lowCr = v[4];
        EXPECT_GT(dia, 0);
        EXPECT_GT(lowPhi, 0);
        EXPECT_LT(lowPhi, highPhi);
        EXPECT_LT(highPhi, 1);
        EXPECT_GT(highCr, lowCr);  // more neutrons come back where there is less porosity
        EXPECT_GT(lowCr, 0);
        ++rowsPerTool[tool];
    }
    EXPECT_GE(rowsPerTool.size(), 2u);
    for (const auto& [name, count] : rowsPerTool) {
        SCOPED_TRACE(name);
        EXPECT_GE(count, 2);
    }
}

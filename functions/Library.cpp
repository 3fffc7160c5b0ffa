#include "functions/Library.h"

#include "core/FileUtils.h"
#include "platform/Fields.h"
#include "platform/LineReader.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

namespace corvalet::functions {

using core::TextTable;
using platform::equalsNoCase;
using platform::trimBlanks;

namespace {

constexpr std::string_view crlf = "\r\n";

// Collects every line of the reader, trimmed of blanks. False when the input could not be read
// to its end.
bool readTrimmedLines(platform::LineReader& reader, std::vector<std::string>& lines)
{
    platform::Line line;
    while (reader.next(line))
        lines.emplace_back(trimBlanks(line.text));
    return reader.atEnd();
}

// "[...]" whose first "]" is its last character; `inner` receives the text between the brackets.
bool isGroupLine(std::string_view line, std::string_view& inner)
{
    if (line.empty() || line.front() != '[')
        return false;
    const auto close = line.find(']');
    if (close == std::string_view::npos || close != line.size() - 1)
        return false;
    inner = line.substr(1, close - 1);
    return true;
}

// A LAS item line: not empty, not a comment or section title, a "." before the first ":" and not
// in the first column.
bool isItemLine(std::string_view line)
{
    if (line.empty() || line.front() == '#' || line.front() == '~')
        return false;
    const auto dot = line.find('.');
    const auto colon = line.find(':');
    return dot != std::string_view::npos && colon != std::string_view::npos && dot < colon && dot > 0;
}

bool skippedOutsideGroup(std::string_view line) { return line.empty() || line.front() == '#'; }

int appendRow(TextTable& table)
{
    const int row = table.rowUpper() + 1;
    table.redimPreserve(row);
    return row;
}

// Walks the group lines of a library file. For each one it appends a row of `groups` from the
// "|" fields between the brackets, then lets `members` read the lines after it: `members` gets
// the index of the first of them and leaves it at the first line that is not one of its own.
template <class Members>
void readGroups(const std::vector<std::string>& lines, TextTable& groups, Members members)
{
    platform::Fields fields;
    std::size_t i = 0;
    while (i < lines.size()) {
        std::string_view line = lines[i++];
        std::string_view inner;
        if (skippedOutsideGroup(line) || !isGroupLine(line, inner))
            continue;
        fields.split(inner, "|");
        const int g = appendRow(groups);
        for (int f = 0; f <= groups.fieldUpper(); ++f)
            groups(f, g) = std::string(trimBlanks(fields.field(f + 1)));
        members(i, groups(0, g));
    }
}

bool beginsGroup(std::string_view line) { return !line.empty() && line.front() == '['; }

void parseCurveLines(const std::vector<std::string>& lines, TextTable& groups, TextTable& library)
{
    resetCurveTables(groups, library);
    readGroups(lines, groups, [&](std::size_t& i, const std::string& groupName) {
        // Members run up to the next line that begins with "[", which is then looked at again as
        // a possible group line.
        for (; i < lines.size() && !beginsGroup(lines[i]); ++i) {
            std::string_view member = lines[i];
            if (!isItemLine(member))
                continue;
            const auto dot = member.find('.');
            const auto colon = member.find(':');
            std::string_view description = trimBlanks(member.substr(colon + 1));
            if (description.size() > maxCurveDescription)
                description = platform::trimRightBlanks(description.substr(0, maxCurveDescription));
            const int m = appendRow(library);
            library(0, m) = groupName;
            library(1, m) = std::string(trimBlanks(member.substr(0, dot)));
            library(2, m) = std::string(description);
        }
    });
}

void parseUnitLines(const std::vector<std::string>& lines, TextTable& groups, TextTable& library)
{
    resetUnitTables(groups, library);
    platform::Fields fields;
    readGroups(lines, groups, [&](std::size_t& i, const std::string& groupName) {
        // Inside a group only lines holding "|" count; a "[" line holding one ends the members.
        for (; i < lines.size(); ++i) {
            std::string_view member = lines[i];
            if (member.find('|') == std::string_view::npos)
                continue;
            if (beginsGroup(member))
                break;
            fields.split(member, "|");
            const int u = appendRow(library);
            library(0, u) = groupName;
            library(1, u) = std::string(trimBlanks(fields.field(1)));
            library(2, u) = platform::plainText(libraryNumber(fields.field(2)));
            library(3, u) = platform::plainText(libraryNumber(fields.field(3)));
        }
    });
}

// Writes each group line, "[" + its first `groupFields` cells joined by "|" + "]", with an empty
// line before every group but the first, and under it the line `member` writes for each member
// row of that group (group names matched without regard to case), in table order. A member table
// narrower than `memberFields` contributes no lines.
template <class Member>
void writeGroups(std::string& out, const TextTable& groups, int groupFields, const TextTable& members,
                 int memberFields, Member member)
{
    for (int g = 1; g <= groups.rowUpper(); ++g) {
        if (g > 1)
            out += crlf;
        out += '[';
        for (int f = 0; f < groupFields; ++f) {
            if (f > 0)
                out += '|';
            if (f <= groups.fieldUpper())
                out += groups(f, g);
        }
        out += ']';
        out += crlf;
        for (int m = 1; m <= members.rowUpper() && members.fieldCount() >= memberFields; ++m) {
            if (!equalsNoCase(members(0, m), groups(0, g)))
                continue;
            member(m);
            out += crlf;
        }
    }
}

using LinesParser = void (*)(const std::vector<std::string>&, TextTable&, TextTable&);

void parseLibraryText(std::string_view text, LinesParser parse, TextTable& groups, TextTable& members)
{
    platform::LineReader reader(text);
    std::vector<std::string> lines;
    readTrimmedLines(reader, lines);
    parse(lines, groups, members);
}

bool loadLibraryFile(const std::string& path, LinesParser parse, TextTable& groups, TextTable& members)
{
    std::vector<std::string> lines;
    platform::LineReader reader;
    const bool opened = !path.empty() && reader.open(path);
    const bool whole = opened && readTrimmedLines(reader, lines);
    parse(lines, groups, members);
    return whole;
}

int firstRowNoCase(const TextTable& table, int field, std::string_view value)
{
    if (field > table.fieldUpper())
        return 0;
    for (int r = 1; r <= table.rowUpper(); ++r)
        if (equalsNoCase(table(field, r), value))
            return r;
    return 0;
}

// Row of curveGroups named like the group of the mnemonic's first library row; 0 when either is
// absent. `skipEmptyGroup` refuses a member that names no group.
int groupRowOf(std::string_view mnemonic, const TextTable& groups, const TextTable& library, bool skipEmptyGroup)
{
    const int m = firstRowNoCase(library, 1, mnemonic);
    if (m == 0)
        return 0;
    const std::string& groupName = library(0, m);
    if (skipEmptyGroup && groupName.empty())
        return 0;
    return firstRowNoCase(groups, 0, groupName);
}

// The factor and offset of the unit's first library row as stored; false when the unit is empty
// or absent.
bool storedUnitNumbers(std::string_view unit, const TextTable& unitLibrary, double& factor, double& offset)
{
    const int u = (unit.empty() || unitLibrary.fieldUpper() < 3) ? 0 : firstRowNoCase(unitLibrary, 1, unit);
    if (u == 0)
        return false;
    factor = libraryNumber(unitLibrary(2, u));
    offset = libraryNumber(unitLibrary(3, u));
    return true;
}

// A stored 0 (or a text that reads as 0) would make every division by the factor fail.
double usableFactor(double factor) { return factor == 0.0 ? 1.0 : factor; }

} // namespace

void resetCurveTables(TextTable& curveGroups, TextTable& curveLibrary)
{
    curveGroups.redim(3, 0);
    curveLibrary.redim(2, 0);
}

void resetUnitTables(TextTable& unitGroups, TextTable& unitLibrary)
{
    unitGroups.redim(1, 0);
    unitLibrary.redim(3, 0);
}

void parseCurveLibrary(std::string_view text, TextTable& curveGroups, TextTable& curveLibrary)
{
    parseLibraryText(text, parseCurveLines, curveGroups, curveLibrary);
}

void parseUnitLibrary(std::string_view text, TextTable& unitGroups, TextTable& unitLibrary)
{
    parseLibraryText(text, parseUnitLines, unitGroups, unitLibrary);
}

bool loadCurveLibrary(const std::string& path, TextTable& curveGroups, TextTable& curveLibrary)
{
    return loadLibraryFile(path, parseCurveLines, curveGroups, curveLibrary);
}

bool loadUnitLibrary(const std::string& path, TextTable& unitGroups, TextTable& unitLibrary)
{
    return loadLibraryFile(path, parseUnitLines, unitGroups, unitLibrary);
}

std::string curveLibraryText(const TextTable& curveGroups, const TextTable& curveLibrary)
{
    std::string out;
    writeGroups(out, curveGroups, 4, curveLibrary, 3, [&](int m) {
        out += curveLibrary(1, m);
        out += ". :";
        out += curveLibrary(2, m);
    });
    return out;
}

std::string unitLibraryText(const TextTable& unitGroups, const TextTable& unitLibrary)
{
    std::string out;
    for (std::string_view comment : unitFileComments) {
        out += comment;
        out += crlf;
    }
    writeGroups(out, unitGroups, 2, unitLibrary, 4, [&](int u) {
        out += unitLibrary(1, u);
        out += '|';
        out += unitLibrary(2, u);
        out += '|';
        out += unitLibrary(3, u);
    });
    return out;
}

bool saveCurveLibrary(const std::string& path, const TextTable& curveGroups, const TextTable& curveLibrary)
{
    if (path.empty())
        return false;
    return core::writeFileReplacing(path, curveLibraryText(curveGroups, curveLibrary));
}

bool saveUnitLibrary(const std::string& path, const TextTable& unitGroups, const TextTable& unitLibrary)
{
    if (path.empty())
        return false;
    return core::writeFileReplacing(path, unitLibraryText(unitGroups, unitLibrary));
}

double libraryNumber(std::string_view text)
{
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t')
            packed += c;
    return platform::leadingNumber(packed);
}

int findLibRow(std::string_view mnemonic, const TextTable& curveGroups, const TextTable& curveLibrary)
{
    return groupRowOf(mnemonic, curveGroups, curveLibrary, true);
}

std::string libKeyOf(std::string_view mnemonic, const TextTable& curveGroups, const TextTable& curveLibrary)
{
    const int g = groupRowOf(mnemonic, curveGroups, curveLibrary, false);
    if (g == 0 || curveGroups.fieldUpper() < 1)
        return {};
    return curveGroups(1, g);
}

std::string libDescription(std::string_view mnemonic, const TextTable& curveLibrary)
{
    const int m = firstRowNoCase(curveLibrary, 1, mnemonic);
    if (m == 0 || curveLibrary.fieldUpper() < 2)
        return {};
    return curveLibrary(2, m);
}

float libraryFactorLookup(std::string& unit, float& offset, const TextTable& unitLibrary)
{
    unit = std::string(trimBlanks(unit));
    offset = 0.0f;
    double factor = 1.0;
    double stored = 0.0;
    if (!storedUnitNumbers(unit, unitLibrary, factor, stored))
        return 1.0f;
    offset = static_cast<float>(stored);
    return static_cast<float>(usableFactor(factor));
}

std::vector<std::string> unitsOfSameGroup(std::string_view unit, const TextTable& unitLibrary)
{
    std::vector<std::string> list{std::string()};
    if (unit.empty() || unitLibrary.fieldUpper() < 1)
        return list;
    const int u = firstRowNoCase(unitLibrary, 1, unit);
    if (u == 0)
        return list;
    list[0] = unitLibrary(0, u);
    for (int r = 1; r <= unitLibrary.rowUpper(); ++r)
        if (equalsNoCase(unitLibrary(0, r), list[0]))
            list.push_back(unitLibrary(1, r));
    return list;
}

bool assignUnitFactors(const std::vector<std::string>& units, std::vector<UnitFactor>& factors,
                       std::string& missing, const TextTable& unitLibrary)
{
    factors.resize(units.size());
    for (UnitFactor& f : factors)
        f.factor = 1.0f;
    if (unitLibrary.rowUpper() < 1 || unitLibrary.fieldUpper() < 3) {
        for (UnitFactor& f : factors)
            f.offset = 0.0f;
        return false;
    }
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::string& unit = units[i];
        if (unit.empty()) {
            factors[i] = UnitFactor{};
            continue;
        }
        double factor = 1.0;
        double offset = 0.0;
        if (!storedUnitNumbers(unit, unitLibrary, factor, offset)) {
            missing += unit;
            missing += ", ";
            continue;
        }
        factors[i].factor = static_cast<float>(usableFactor(factor));
        factors[i].offset = static_cast<float>(offset);
    }
    if (missing.size() >= 2 && missing.compare(missing.size() - 2, 2, ", ") == 0)
        missing.resize(missing.size() - 2);
    missing = std::string(trimBlanks(missing));
    return true;
}

bool assignUnitFactors(std::vector<core::CurveInfoRec>& curves, std::string& missing, const TextTable& unitLibrary)
{
    std::vector<std::string> units;
    std::vector<UnitFactor> factors;
    units.reserve(curves.size());
    for (const core::CurveInfoRec& curve : curves) {
        units.push_back(curve.unit);
        factors.push_back({curve.unitFactor, curve.unitOffset});
    }
    const bool done = assignUnitFactors(units, factors, missing, unitLibrary);
    for (std::size_t i = 0; i < curves.size(); ++i) {
        curves[i].unitFactor = factors[i].factor;
        curves[i].unitOffset = factors[i].offset;
    }
    return done;
}

bool assignUnitFactors(core::AppState& state, std::string& missing)
{
    return assignUnitFactors(state.curveInfo[0], missing, state.unitLibrary);
}

bool loadCurveLibrary(core::AppState& state)
{
    return loadCurveLibrary(state.curvesIniPath, state.curveGroups, state.curveLibrary);
}

bool loadUnitLibrary(core::AppState& state)
{
    return loadUnitLibrary(state.unitsIniPath, state.unitGroups, state.unitLibrary);
}

bool saveCurveLibrary(const core::AppState& state)
{
    return saveCurveLibrary(state.curvesIniPath, state.curveGroups, state.curveLibrary);
}

bool saveUnitLibrary(const core::AppState& state)
{
    return saveUnitLibrary(state.unitsIniPath, state.unitGroups, state.unitLibrary);
}

double convertUnitValue(double value, std::string_view fromUnit, std::string_view toUnit,
                        const TextTable& unitLibrary)
{
    double fromFactor = 1.0, fromOffset = 0.0, toFactor = 1.0, toOffset = 0.0;
    storedUnitNumbers(fromUnit, unitLibrary, fromFactor, fromOffset);
    storedUnitNumbers(toUnit, unitLibrary, toFactor, toOffset);
    fromFactor = usableFactor(fromFactor);
    toFactor = usableFactor(toFactor);
    return (value - fromOffset) / fromFactor * toFactor + toOffset;
}

} // namespace corvalet::functions

#include "core/SectionReaders.h"

#include "core/AppState.h"
#include "core/FileUtils.h"
#include "core/HeaderLines.h"
#include "core/Records.h"
#include "platform/Fields.h"
#include "platform/LineReader.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace corvalet::core {

using platform::Line;
using platform::LineReader;
using platform::trimBlanks;

namespace {

std::string trimmed(std::string_view s) { return std::string(trimBlanks(s)); }

std::string upperTrimmed(std::string_view s)
{
    std::string t = trimmed(s);
    platform::upperInPlace(t);
    return t;
}

void eraseTabs(std::string& s) { s.erase(std::remove(s.begin(), s.end(), '\t'), s.end()); }

bool isItem(std::string_view line) { return classifyLasLine(line) == LineClass::Item; }

// The item lines of the section the reader stands in, upper-cased and trimmed, up to a line that
// holds "~" anywhere.
std::vector<std::string> itemLinesUntilTilde(LineReader& in)
{
    std::vector<std::string> items;
    Line line;
    while (in.next(line)) {
        if (line.text.find('~') != std::string_view::npos)
            break;
        if (isItem(line.text))
            items.push_back(upperTrimmed(line.text));
    }
    return items;
}

// The item lines of section `letter`, with the table sized to columns 0..4 and one row per item
// (one empty row when there is none). False, table unchanged, when the section is absent.
bool sizedForItems(TextTable& table, const std::string& path, char letter, std::vector<std::string>& items)
{
    LineReader in;
    if (!in.open(path) || seekSection(in, letter) == 0)
        return false;
    items = itemLinesUntilTilde(in);
    table.redim(4, std::max(static_cast<int>(items.size()) - 1, 0));
    return !items.empty();
}

float lookupFactor(const UnitFactorLookup& lookup, std::string unit, float& offset)
{
    offset = 0;
    if (!lookup)
        return 1.0f;
    return lookup(unit, offset);
}

// Single-precision values are written with the digits a Single shows (3.28084, not 3.2808399...).
std::string singleText(float v)
{
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    (void)ec;
    std::string s(buf, end);
    for (char& c : s)
        if (c == 'e')
            c = 'E';
    return s;
}

void growTo(TextTable& table, int row)
{
    if (row > table.rowUpper())
        table.redimPreserve(row);
}

} // namespace

int readSectionTable(const std::string& path, TextTable& table, std::string& letter, const UnitFactorLookup& lookup)
{
    letter = upperTrimmed(letter);
    if (!fileExists(path))
        return 0;
    LineReader in;
    if (!in.open(path))
        return 0;
    const std::string title = "~" + letter;
    Line line;
    bool found = false;
    while (in.next(line)) {
        const std::string_view t = platform::trimLeftBlanks(line.text);
        if (!letter.empty() && platform::startsWithNoCase(t, title)) {
            found = true;
            break;
        }
        if (platform::startsWithNoCase(t, "~A"))
            return 1;
    }
    if (!found)
        return 0;

    table.redim(7, 0);
    int row = -1;
    HeaderParts parts;
    while (in.next(line)) {
        std::string t(platform::trimLeftBlanks(line.text));
        platform::upperInPlace(t);
        if (!t.empty() && t[0] == '~')
            break;
        if (t.empty() || t[0] == '#' || !isItem(t))
            continue;
        splitHeaderLine(t, parts);
        ++row;
        growTo(table, row);
        table(0, row) = trimmed(parts[0]);
        table(1, row) = trimmed(parts[1]);
        table(2, row) = trimmed(parts[2]);
        const auto bar = parts[3].find('|');
        table(3, row) = bar == std::string::npos ? parts[3] : parts[3].substr(0, bar);
        const auto lineBar = t.find('|');
        if (lineBar != std::string::npos)
            table(4, row) = trimmed(std::string_view(t).substr(lineBar + 1));
        float offset = 0;
        const float factor = lookupFactor(lookup, table(1, row), offset);
        table(5, row) = singleText(factor);
        table(6, row) = singleText(offset);
    }
    return -1;
}

int readCurveSection(TextTable& table, const std::string& path, char letter)
{
    std::vector<std::string> items;
    if (!sizedForItems(table, path, letter, items))
        return 0;
    HeaderParts parts;
    for (std::size_t r = 0; r < items.size(); ++r) {
        splitHeaderLine(items[r], parts);
        for (int c = 0; c < 4; ++c) {
            eraseTabs(parts[static_cast<std::size_t>(c)]);
            table(c, static_cast<int>(r)) = trimmed(parts[static_cast<std::size_t>(c)]);
        }
    }
    return static_cast<int>(items.size());
}

int readSectionToArray(TextTable& table, const std::string& path, char letter)
{
    const int fieldUpper = std::max(table.fieldUpper(), 3);
    LineReader in;
    if (!in.open(path) || seekSection(in, letter) == 0) {
        table.redim(fieldUpper, 0);
        return 0;
    }
    table.redim(fieldUpper, 0);
    int row = -1;
    HeaderParts parts;
    Line line;
    while (in.next(line)) {
        const std::string t = upperTrimmed(line.text);
        if (!t.empty() && t[0] == '~')
            break;
        if (!isItem(t))
            continue;
        splitHeaderLine(t, parts);
        ++row;
        growTo(table, row);
        for (int c = 0; c < 4; ++c)
            table(c, row) = trimmed(parts[static_cast<std::size_t>(c)]);
    }
    return row;
}

int readParamSectionNumeric(TextTable& table, const std::string& path, char letter, const UnitFactorLookup& lookup)
{
    const int fieldUpper = std::max(table.fieldUpper(), 6);
    table.redim(fieldUpper, 0);
    LineReader in;
    if (!in.open(path) || seekSection(in, letter) == 0)
        return 0;
    int row = -1;
    HeaderParts parts;
    for (const std::string& t : itemLinesUntilTilde(in)) {
        if (t[0] == '#')
            continue;
        splitHeaderLine(t, parts);
        ++row;
        growTo(table, row);
        for (int c = 0; c < 4; ++c)
            table(c, row) = trimmed(parts[static_cast<std::size_t>(c)]);
        float offset = 0;
        const float factor = lookupFactor(lookup, table(1, row), offset);
        table(5, row) = singleText(factor);
        table(6, row) = singleText(offset);
        const std::string& unit = table(1, row);
        const std::string& value = table(2, row);
        if (!unit.empty() && unit != "TEXT" && !value.empty() && platform::leadingNumber(value) != internalNull) {
            const double internal = (platform::leadingNumber(value) - offset) / (factor == 0 ? 1.0f : factor);
            table(2, row) = platform::formatMask(internal, "0.00");
        }
    }
    return std::max(row, 0);
}

int readSectionToGrid(TextTable& table, const std::string& path, char letter)
{
    std::vector<std::string> items;
    if (!sizedForItems(table, path, letter, items))
        return 0;
    platform::Fields fields;
    for (std::size_t r = 0; r < items.size(); ++r) {
        const int row = static_cast<int>(r);
        // A TAB separates the parts like a blank: dropping it would glue a unit to its value
        // ("BHT.DEGC<TAB>85" would read as the unit "DEGC85" without a value).
        std::string line = items[r];
        std::replace(line.begin(), line.end(), '\t', ' ');
        table(0, row) = getMnem(line);
        const std::string unit = getUnit(line);
        std::string valueLine = line;
        const std::string value = getValue(valueLine);
        if (!unit.empty()) {
            table(1, row) = unit;
            table(2, row) = value;
        } else {
            fields.split(trimBlanks(value), " \t");
            double number = 0;
            const bool unitApart = fields.count() == 2 &&
                                   ((platform::strictNumber(fields.field(2), number) && number != 0) ||
                                    fields.field(2) == "0");
            if (unitApart) {
                table(1, row) = std::string(fields.field(1));
                table(2, row) = std::string(fields.field(2));
            } else {
                table(1, row) = "";
                table(2, row) = value;
            }
        }
        std::string descrLine = line;
        table(3, row) = getDescr(descrLine);
    }
    return static_cast<int>(items.size());
}

int readCurveSectionsOfInputs(AppState& state, const std::string& path, int slot)
{
    LineReader in;
    if (!in.open(path) || seekSection(in, 'C') == 0)
        return 0;
    const std::vector<std::string> items = itemLinesUntilTilde(in);
    if (items.empty())
        return 0;
    std::vector<CurveInfoRec> curves(items.size());
    HeaderParts parts;
    for (std::size_t i = 0; i < items.size(); ++i) {
        splitHeaderLine(items[i], parts);
        CurveInfoRec& c = curves[i];
        c.mnem = trimmed(parts[0]);
        c.unit = trimmed(parts[1]);
        c.value = trimmed(parts[2]);
        c.descr = trimmed(parts[3]);
        c.outMnem = c.mnem;
        c.outUnit = c.unit;
        c.outValue = c.value;
        c.outDescr = c.descr;
        c.fromDepth = 0;
        c.toDepth = 0;
    }
    if (slot >= 0 && slot < static_cast<int>(state.curveInfo.size()))
        state.curveInfo[static_cast<std::size_t>(slot)] = std::move(curves);
    return static_cast<int>(items.size());
}

} // namespace corvalet::core

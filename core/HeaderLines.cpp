#include "core/HeaderLines.h"

#include "core/FileUtils.h"
#include "core/TextUtils.h"
#include "platform/LineReader.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>

namespace corvalet::core {

using platform::containsNoCase;
using platform::equalsNoCase;
using platform::LineReader;
using platform::startsWithNoCase;
using platform::trimBlanks;
using platform::trimLeftBlanks;
using platform::trimRightBlanks;
using platform::upperAscii;

namespace {

void tabsToBlanks(std::string& line) { std::replace(line.begin(), line.end(), '\t', ' '); }

bool isTitleOf(std::string_view trimmed, char letter)
{
    return trimmed.size() >= 2 && trimmed[0] == '~' && upperAscii(trimmed[1]) == upperAscii(letter);
}

// The LAS version as the queries use it: true for 1.2 (a VERS value below 2, or not a number).
bool isVersion12(std::string line)
{
    return platform::leadingNumber(getValue(line)) < 2.0;
}

// Reads the ~V section for its VERS line: true when the file is LAS 1.2. A ~V without VERS, or no
// ~V, counts as 2.0. `itemLinesOnly` passes over a VERS line that is not an item line.
bool preScanVersion12(LineReader& reader, bool itemLinesOnly)
{
    if (seekSection(reader, 'V') == 0)
        return false;
    platform::Line line;
    while (reader.next(line)) {
        const std::string_view t = trimLeftBlanks(line.text);
        if (!t.empty() && t[0] == '~')
            return false;
        if (startsWithNoCase(t, "VERS") && (!itemLinesOnly || classifyLasLine(t) != LineClass::Other))
            return isVersion12(std::string(t));
    }
    return false;
}

enum class Search { Found, ReachedData, EndOfFile };

// Reads from byte 1 for the first item line `mnem` (in `section` when it is not 0), applying
// the LAS 1.2 ~W rule when `version12`. Stops at the ~A line.
Search findItem(LineReader& reader, std::string_view mnem, char section, bool version12, std::string& value,
                std::string& unit)
{
    reader.seek(1);
    const std::string_view wanted = trimBlanks(mnem);
    char current = 0;
    platform::Line raw;
    while (reader.next(raw)) {
        std::string line(trimLeftBlanks(raw.text));
        if (!line.empty() && line[0] == '~') {
            current = line.size() > 1 ? upperAscii(line[1]) : 0;
            if (current == 'A')
                return Search::ReachedData;
            continue;
        }
        if (classifyLasLine(line) != LineClass::Item)
            continue;
        if (section != 0 && current != section)
            continue;
        const std::string lineMnem = getMnem(line);
        if (!equalsNoCase(lineMnem, wanted))
            continue;
        const bool valueInDescription = version12 && current == 'W' && !isRangeMnemonic(lineMnem);
        value = std::string(trimBlanks(valueInDescription ? getDescr(line) : getValue(line)));
        unit = std::string(trimBlanks(getUnit(line)));
        return Search::Found;
    }
    return Search::EndOfFile;
}

} // namespace

bool isRangeMnemonic(std::string_view mnem)
{
    return equalsNoCase(mnem, "STRT") || equalsNoCase(mnem, "STOP") || equalsNoCase(mnem, "STEP") ||
           equalsNoCase(mnem, "NULL");
}

LineClass classifyLasLine(std::string_view line)
{
    const std::string_view t = trimBlanks(line);
    if (t.empty())
        return LineClass::Blank;
    if (t[0] == '#')
        return LineClass::Comment;
    if (t[0] == '~')
        return LineClass::Title;
    const std::size_t dot = t.find('.');
    const std::size_t colon = t.find(':');
    if (dot != std::string_view::npos && colon != std::string_view::npos && dot < colon)
        return dot == 0 ? LineClass::NoMnemonic : LineClass::Item;
    return LineClass::Other;
}

std::string getMnem(std::string_view line)
{
    const std::size_t dot = line.find('.');
    if (dot == std::string_view::npos)
        return {};
    // A TAB-indented item is still found by its mnemonic.
    std::string_view m = line.substr(0, dot);
    while (!m.empty() && (m.front() == ' ' || m.front() == '\t'))
        m.remove_prefix(1);
    while (!m.empty() && (m.back() == ' ' || m.back() == '\t'))
        m.remove_suffix(1);
    return std::string(m);
}

std::string getUnit(std::string_view line)
{
    const std::size_t dot = line.find('.');
    const std::size_t colon = line.find(':');
    if (dot == std::string_view::npos || colon == std::string_view::npos || colon <= dot)
        return {};
    const std::string_view between = line.substr(dot + 1, colon - dot - 1);
    // A blank right after the "." means the item has no unit.
    if (trimBlanks(between).empty() || between[0] == ' ')
        return {};
    if (countFields(between, " ") == 1)
        return std::string(trimRightBlanks(between));
    return std::string(between.substr(0, between.find(' ')));
}

std::string getValue(std::string& line)
{
    tabsToBlanks(line);
    if (classifyLasLine(line) != LineClass::Item)
        return {};
    // Only the last ":" separates the description; earlier ones (a time, say) belong to the
    // value, so they are hidden as "|" while the value is cut out.
    const std::size_t last = line.rfind(':');
    if (line.find(':') != last) {
        std::replace(line.begin(), line.end(), ':', '|');
        line[last] = ':';
    }
    const std::size_t dot = line.find('.');
    const std::size_t colon = line.find(':');
    const std::string_view between = std::string_view(line).substr(dot + 1, colon - dot - 1);
    if (between.empty())
        return {};
    std::string value;
    if (between[0] == ' ') {
        value = std::string(trimBlanks(between));
    } else if (countFields(between, " ") > 1) {
        value = std::string(trimBlanks(between.substr(between.find(' '))));
    }
    std::replace(value.begin(), value.end(), '|', ':');
    return value;
}

std::string getDescr(std::string& line)
{
    tabsToBlanks(line);
    const std::size_t last = line.rfind(':');
    if (last == std::string::npos)
        return std::string(trimBlanks(line));
    return std::string(trimBlanks(std::string_view(line).substr(last + 1)));
}

bool splitHeaderLine(std::string_view line, HeaderParts& parts)
{
    if (classifyLasLine(line) != LineClass::Item) {
        parts.fill(std::string());
        return false;
    }
    std::string copy(line);
    tabsToBlanks(copy);
    parts[0] = getMnem(copy);
    parts[1] = getUnit(copy);  // before getValue hides the value's colons
    parts[2] = getValue(copy);
    parts[3] = getDescr(copy);
    return true;
}

std::int64_t seekSection(LineReader& reader, char letter)
{
    reader.seek(1);
    const char wanted = upperAscii(letter);
    platform::Line line;
    while (reader.next(line)) {
        const std::string_view t = trimBlanks(line.text);
        // Any "~A", even inside a comment or description, marks the start of the data.
        if (wanted != 'A' && containsNoCase(t, "~A"))
            break;
        if (isTitleOf(t, wanted))
            return line.next;
    }
    reader.seek(1);
    return 0;
}

std::string getSectionText(const std::string& path, char letter)
{
    LineReader reader;
    if (!reader.open(path))
        return {};
    const std::int64_t dataPos = seekSection(reader, 'A');
    if (dataPos == 0)
        return {};
    reader.seek(1);
    std::string body;
    bool inSection = false;
    bool first = true;
    platform::Line line;
    while (reader.next(line) && line.start < dataPos) {
        const std::string_view t = trimBlanks(line.text);
        if (!inSection) {
            inSection = isTitleOf(t, letter);
            continue;
        }
        if (!t.empty() && t[0] == '~')
            break;
        if (!first)
            body += "\r\n";
        body.append(line.text);
        first = false;
    }
    return body;
}

std::string getWellRange(const std::string& path, WellRange& range, std::string& formatColumns)
{
    for (auto& item : range)
        item = {std::string(), std::string()};
    int dotCol = 0, valueCol = 0, colonCol = 0;
    LineReader reader;
    if (reader.open(path) && seekSection(reader, 'W') != 0) {
        static constexpr std::string_view names[4] = {"STRT", "STOP", "STEP", "NULL"};
        bool seen[4] = {false, false, false, false};
        platform::Line line;
        while (reader.next(line)) {
            const std::string raw(line.text);
            std::string t(trimLeftBlanks(raw));
            if (t.find('~') != std::string::npos)
                break;
            if (classifyLasLine(t) != LineClass::Item)
                continue;
            for (int item = 0; item < 4; ++item) {
                if (!startsWithNoCase(t, names[item]))
                    continue;
                const std::string value = getValue(t);
                range[static_cast<std::size_t>(item)] = {value, getUnit(t)};
                seen[item] = true;
                if (item == 0) {
                    dotCol = static_cast<int>(raw.find('.')) + 1;
                    colonCol = static_cast<int>(raw.find(':')) + 1;
                    const std::size_t at = raw.find(value);
                    valueCol = at == std::string::npos ? 15 : static_cast<int>(at) + 1;
                }
                break;
            }
            if (seen[0] && seen[1] && seen[2] && seen[3])
                break;
        }
    }
    formatColumns = std::to_string(dotCol) + "|" + std::to_string(valueCol) + "|" + std::to_string(colonCol);
    return "DEPT";
}

std::string getHeaderItem(const std::string& path, std::string_view mnemonic, std::string_view section,
                          std::string& status, std::string& unit)
{
    status.clear();
    if (!fileExists(path))
        return {};
    const std::string_view s = trimBlanks(section);
    char wanted = s.size() == 1 ? upperAscii(s[0]) : 0;
    if (std::string_view("VWPOC").find(wanted) == std::string_view::npos)
        wanted = 0;
    LineReader reader;
    if (!reader.open(path))
        return {};

    // Only a ~W query looks at the version. A ~V without VERS counts as 2.0, so that every ~W
    // item of such a file can still be read.
    const bool version12 = wanted == 'W' && preScanVersion12(reader, false);
    std::string value, foundUnit;
    switch (findItem(reader, mnemonic, wanted, version12, value, foundUnit)) {
    case Search::Found:
        unit = foundUnit;
        return value;
    case Search::ReachedData:
        status = "NOT";
        return " ";
    case Search::EndOfFile:
        break;
    }
    return {};
}

std::string getHeaderValue(const std::string& path, std::string_view mnemonic, std::string& unit)
{
    if (!fileExists(path))
        return {};
    LineReader reader;
    if (!reader.open(path))
        return {};
    const bool version12 = preScanVersion12(reader, true);
    std::string value, foundUnit;
    switch (findItem(reader, mnemonic, 0, version12, value, foundUnit)) {
    case Search::Found:
        unit = foundUnit;
        return value;
    case Search::ReachedData:
        return " ";
    case Search::EndOfFile:
        break;
    }
    return {};
}

std::string readHeaderValue(LineReader& reader, std::string_view mnemonic, char letter)
{
    const std::string wanted = platform::toUpper(trimBlanks(mnemonic));
    reader.seek(1);
    platform::Line line;
    bool inSection = false;
    while (!inSection && reader.next(line)) {
        if (startsWithNoCase(line.text, "~A"))
            return {};
        inSection = isTitleOf(line.text, letter);
    }
    if (!inSection)
        return {};
    // Later sections are searched too, up to the data.
    while (reader.next(line)) {
        std::string t(trimLeftBlanks(line.text));
        if (startsWithNoCase(t, "~A"))
            return {};
        if (classifyLasLine(t) != LineClass::Item || !equalsNoCase(getMnem(t), wanted))
            continue;
        std::string value = getValue(t);
        std::erase_if(value, [](char c) { return c == '\t' || c == ':'; });
        return value;
    }
    return {};
}

} // namespace corvalet::core

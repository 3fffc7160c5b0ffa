#include "core/SectionIndex.h"

#include "core/AppState.h"
#include "core/FileUtils.h"
#include "core/HeaderLines.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <exception>

namespace corvalet::core {

using platform::containsNoCase;
using platform::equalsNoCase;
using platform::trimBlanks;

namespace {

constexpr char marker = '~';
constexpr char delimiter = '|';

// The text before the first blank, trimmed.
std::string_view firstWord(std::string_view text)
{
    return trimBlanks(text.substr(0, text.find(' ')));
}

int column(SectionColumn c) { return static_cast<int>(c); }

void resetIndex(AppState& state)
{
    state.sectionTable.redim(5, 0);
    state.sectionAssocTable.redim(3, 0);
}

void appendSection(TextTable& table, std::string name, std::string association, std::int64_t position)
{
    const int row = table.rowUpper() + 1;
    table.redimPreserve(row);
    int bracketIndex = -1;
    (void)checkBracketToken(name, bracketIndex);
    table(column(SectionColumn::Name), row) = std::move(name);
    table(column(SectionColumn::Association), row) = std::move(association);
    table(column(SectionColumn::Position), row) = std::to_string(position);
    table(column(SectionColumn::BracketIndex), row) = std::to_string(bracketIndex);
}

// A data section takes as its association the last section whose name begins with "C", which
// describes its columns, whatever its own title says.
void associateAsciiWithCurves(TextTable& table)
{
    int curves = 0;
    for (int row = table.rowUpper(); row >= 1 && curves == 0; --row)
        if (platform::startsWithNoCase(table(column(SectionColumn::Name), row), "C"))
            curves = row;
    if (curves == 0)
        return;
    for (int row = 1; row <= table.rowUpper(); ++row) {
        const std::string& name = table(column(SectionColumn::Name), row);
        if (equalsNoCase(name, "ASCII") || equalsNoCase(name, "A")) {
            table(column(SectionColumn::Association), row) = table(column(SectionColumn::Name), curves);
            return;
        }
    }
}

// One group row per prefix before "_" ("Log" of Log_Data), marking which of the data, definition
// and parameter sections the group has.
void collectGroups(const TextTable& sections, TextTable& groups)
{
    for (int row = 1; row <= sections.rowUpper(); ++row) {
        const std::string& name = sections(column(SectionColumn::Name), row);
        const std::size_t underscore = name.find('_');
        if (underscore == std::string::npos)
            continue;
        const std::string_view prefix = trimBlanks(std::string_view(name).substr(0, underscore));
        int group = 0;
        for (int g = 1; g <= groups.rowUpper() && group == 0; ++g)
            if (equalsNoCase(groups(0, g), prefix))
                group = g;
        if (group == 0) {
            group = groups.rowUpper() + 1;
            groups.redimPreserve(group);
            groups(0, group) = std::string(prefix);
        }
        const int kind = std::stoi(sections(column(SectionColumn::Kind), row));
        if (kind >= 1 && kind <= 3)
            groups(kind, group) = std::to_string(kind);
    }
}

bool indexFile(AppState& state, const std::string& path)
{
    if (!fileExists(path))
        return true;
    platform::LineReader reader;
    if (!reader.open(path))
        return false;
    platform::Line line;
    std::string association;
    while (reader.next(line)) {
        const std::string_view text = trimBlanks(line.text);
        if (text.empty() || text[0] != marker)
            continue;
        std::string name = splitBySeparators(text, association);
        if (!name.empty())
            appendSection(state.sectionTable, std::move(name), association, line.next);
    }
    reader.close();

    TextTable& table = state.sectionTable;
    associateAsciiWithCurves(table);
    for (int row = 1; row <= table.rowUpper(); ++row)
        table(column(SectionColumn::Kind), row) =
            std::to_string(static_cast<int>(sectionKindOf(table(column(SectionColumn::Name), row))));
    collectGroups(table, state.sectionAssocTable);
    return true;
}

} // namespace

std::string splitBySeparators(std::string_view titleLine, std::string& association)
{
    association.clear();
    // A TAB separates words of a title as a blank does; without this "~A<TAB>DEPT" would be
    // taken for a section named "A<TAB>DEPT" rather than the data section.
    std::string line(titleLine);
    std::replace(line.begin(), line.end(), '\t', ' ');
    std::string_view text = trimBlanks(line);
    if (text.size() < 2 || text[0] != marker)
        return {};
    text = trimBlanks(text.substr(1));
    const std::size_t bar = text.find(delimiter);
    if (bar != std::string_view::npos) {
        association = std::string(firstWord(trimBlanks(text.substr(bar + 1))));
        if (association.empty())
            association = " ";
        text = trimBlanks(text.substr(0, bar));
    }
    return std::string(firstWord(text));
}

std::string checkBracketToken(std::string_view token, int& index)
{
    index = -1;
    const std::string_view text = trimBlanks(token);
    const std::size_t open = text.find('[');
    const std::size_t close = text.find(']');
    if (open == std::string_view::npos && close == std::string_view::npos)
        return std::string(firstWord(text));
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return {};
    if (text.back() != ']' || text.find('[', open + 1) != std::string_view::npos ||
        text.find(']', close + 1) != std::string_view::npos)
        return {};
    const std::string_view digits = text.substr(open + 1, close - open - 1);
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return {};
        value = value * 10 + (c - '0');
        if (value > 32767)  // beyond a 16-bit index
            return {};
    }
    index = value;
    return std::string(firstWord(trimBlanks(text.substr(0, open))));
}

SectionKind sectionKindOf(std::string_view name)
{
    for (const char* header : {"Version", "Well", "W", "V", "Other", "O"})
        if (equalsNoCase(name, header))
            return SectionKind::Header;
    // The order matters: a name holding both "_Data" and "_Parameter" is a data section.
    if (equalsNoCase(name, "ASCII") || containsNoCase(name, "_Data") || equalsNoCase(name, "A"))
        return SectionKind::Data;
    if (equalsNoCase(name, "Curve") || containsNoCase(name, "_Definition") || equalsNoCase(name, "C"))
        return SectionKind::Definition;
    if (equalsNoCase(name, "Parameter") || containsNoCase(name, "_Parameter") || equalsNoCase(name, "P"))
        return SectionKind::Parameter;
    return SectionKind::Other;
}

bool indexLasSections(AppState& state, const std::string& path)
{
    resetIndex(state);
    try {
        if (indexFile(state, path))
            return true;
    } catch (const std::exception&) {
    }
    resetIndex(state);
    return false;
}

std::string sectionNameFromLetter(const AppState& state, std::string_view letter)
{
    if (letter.empty())
        return {};
    const TextTable& table = state.sectionTable;
    for (int row = 1; row <= table.rowUpper(); ++row) {
        const std::string& name = table(column(SectionColumn::Name), row);
        if (!name.empty() && platform::upperAscii(name[0]) == platform::upperAscii(letter[0]))
            return name;
    }
    return {};
}

bool getSectionOrder(AppState& state, const std::string& path, TextTable& list)
{
    list.redim(1, 6);
    (void)indexLasSections(state, path);
    platform::LineReader reader;
    if (!reader.open(path))
        return false;

    struct Entry {
        std::int64_t position;
        std::string name;
    };
    static constexpr std::array<char, 6> letters{'V', 'W', 'C', 'P', 'O', 'A'};
    static constexpr std::array<const char*, 6> standardNames{"Version", "Well", "Curve", "Parameter", "Other", "ASCII"};
    std::array<Entry, 6> entries;
    for (std::size_t k = 0; k < letters.size(); ++k) {
        entries[k].position = seekSection(reader, letters[k]);
        entries[k].name = sectionNameFromLetter(state, std::string_view(&letters[k], 1));
        if (entries[k].name.empty())
            entries[k].name = standardNames[k];
    }
    reader.close();

    // Stable, so absent sections (position 0) keep the V, W, C, P, O, A order.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.position < b.position; });
    for (int row = 1; row <= 6; ++row) {
        list(0, row) = std::to_string(entries[static_cast<std::size_t>(row - 1)].position);
        list(1, row) = std::move(entries[static_cast<std::size_t>(row - 1)].name);
    }
    return true;
}

} // namespace corvalet::core

#include "manipulate/AsciiImport.h"

#include "core/AppState.h"
#include "core/FileKinds.h"
#include "manipulate/AsciiImportRows.h"
#include "platform/BusyPointer.h"
#include "platform/Fields.h"
#include "platform/LineReader.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace corvalet::manipulate {

using platform::Fields;
using platform::Line;
using platform::LineReader;
using platform::trimBlanks;

namespace {

constexpr std::string_view kRule = "===";

bool has(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The last line of the file that holds more than blanks, looked for in the last tenth of the
// file. The tail read begins inside a line as a rule; that first fragment is not a whole line and
// would give a short field count, so it is passed over, and the whole file is read when the tail
// holds no complete line.
bool lastNonEmptyLine(LineReader& reader, std::string& last)
{
    const std::int64_t length = reader.size();
    const std::int64_t tailStart = std::max<std::int64_t>(platform::roundHalfEven(double(length) * 9.0 / 10.0), 1);
    // Starting one byte early makes the first fragment end exactly where a line starts at tailStart.
    const std::int64_t from = std::max<std::int64_t>(tailStart - 1, 1);
    const auto scan = [&](std::int64_t start, bool dropFirst) {
        reader.seek(start);
        Line line;
        bool found = false;
        while (reader.next(line)) {
            if (dropFirst) {
                dropFirst = false;
                continue;
            }
            if (!trimBlanks(line.text).empty()) {
                last.assign(line.text);
                found = true;
            }
        }
        return found;
    };
    if (scan(from, from > 1))
        return true;
    return from > 1 && scan(1, false);
}

// The delimiter found from the table's last line: a blank when the trimmed line holds one, a tab
// when the line holds one (it wins over blanks inside values), else a comma when it holds one.
std::string findDelimiter(std::string_view last)
{
    std::string delimiter;
    if (has(trimBlanks(last), " "))
        delimiter = " ";
    if (has(last, "\t"))
        delimiter = "\t";
    if (delimiter != "\t" && has(last, ","))
        delimiter = ",";
    return delimiter;
}

ImportResult loadGenericTable(ConversionTab& tab, const std::string& path, std::string& delimiter)
{
    LineReader reader;
    if (!reader.open(path))
        return ImportResult::Failed;
    std::string last;
    lastNonEmptyLine(reader, last);
    if (delimiter.empty())
        delimiter = findDelimiter(last);
    Fields fields(last, delimiter);
    const int columns = fields.count();

    detail::Yielder yielder(tab.state, tab.eventPump);
    const bool trim = has(delimiter, " ");
    detail::RowBuffer rows;
    reader.seek(1);
    Line line;
    while (reader.next(line)) {
        const std::string_view text = trim ? trimBlanks(line.text) : line.text;
        if (!text.empty()) {
            fields.split(text, delimiter);
            if (fields.count() == columns)
                rows.add(text);
        }
        yielder.step();
    }
    reader.close();

    detail::RedrawOff redrawOff(tab.grd);
    detail::fillGridRows(tab.grd, rows, delimiter, columns, &yielder);
    setupChannelGrid(tab);
    return ImportResult::Done;
}

// Channel name and unit of a survey-report column heading: "Measured Depth(ft)" gives
// Measured_Depth and ft.
void splitHeading(std::string_view heading, std::string& name, std::string& unit)
{
    const std::size_t open = heading.find('(');
    name.assign(trimBlanks(heading.substr(0, open)));
    std::replace(name.begin(), name.end(), ' ', '_');
    unit.clear();
    if (open == std::string_view::npos)
        return;
    for (char c : heading.substr(open))
        if (c != '(' && c != ')')
            unit.push_back(c);
    unit.assign(trimBlanks(unit));
}

// The inclinometry listing: a rule line "===...", the column headings over one or more lines,
// a second rule line, then the data lines.
ImportResult loadSurveyReport(ConversionTab& tab, const std::string& path)
{
    LineReader reader;
    if (!reader.open(path))
        return ImportResult::Failed;
    Fields fields;
    Line line;
    bool ruleFound = false;
    while (!ruleFound && reader.next(line))
        ruleFound = has(line.text, kRule);

    // Each heading line adds its i-th word to heading i, so multi-line headings join word by
    // word. A blank line among them holds no word and does not decide the column count.
    std::vector<std::string> headings;
    int columns = -1;
    bool dataFollows = false;
    while (ruleFound && reader.next(line)) {
        if (has(line.text, kRule)) {
            dataFollows = true;
            break;
        }
        fields.split(line.text, " ");
        if (fields.count() == 0)
            continue;
        if (columns < 0) {
            columns = fields.count();
            headings.resize(std::size_t(columns));
        }
        for (int i = 1; i <= columns; ++i) {
            headings[std::size_t(i - 1)].append(fields.field(i));
            headings[std::size_t(i - 1)].push_back(' ');
        }
    }
    columns = std::max(columns, 0);

    detail::Yielder yielder(tab.state, tab.eventPump);
    detail::RowBuffer rows;
    while (dataFollows && columns > 0 && reader.next(line)) {
        const std::string_view text = trimBlanks(line.text);
        if (!text.empty() && !has(text, kRule)) {
            fields.split(text, " ");
            if (fields.count() == columns && platform::isNumeric(fields.field(1)))
                rows.add(text);
        }
        yielder.step();
    }
    reader.close();

    detail::RedrawOff redrawOff(tab.grd);
    detail::fillGridRows(tab.grd, rows, " ", columns, &yielder);
    setupChannelGrid(tab);
    std::string name, unit;
    for (int i = 1; i <= columns; ++i) {
        splitHeading(headings[std::size_t(i - 1)], name, unit);
        tab.grd.setText(1, i, name);
        tab.grd.setText(2, i, unit);
    }
    tab.grd.autoSizeCols(0, tab.grd.cols() - 1, kGrdExtraTwips);
    return ImportResult::Done;
}

} // namespace

ImportResult loadAsciiToGrid(ConversionTab& tab, const std::string& path, std::string& delimiter)
{
    platform::BusyPointer busy(tab.pointer);
    try {
        if (core::isPrimaryIndexFile(path))
            return loadPlatformAsciiToGrid(tab, path);
        if (core::isSurveyReport(path))
            return loadSurveyReport(tab, path);
        return loadGenericTable(tab, path, delimiter);
    } catch (const std::exception&) {
        // The grid keeps what was written before the error; the guards have closed the file,
        // switched redrawing on and restored the pointer.
        return ImportResult::Failed;
    }
}

} // namespace corvalet::manipulate

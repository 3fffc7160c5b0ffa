#include "core/HeaderWriter.h"

#include "core/AppState.h"
#include "core/FileUtils.h"
#include "core/TextUtils.h"
#include "platform/Fields.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstdio>

namespace corvalet::core {

using platform::equalsNoCase;
using platform::trimBlanks;
using platform::trimRightBlanks;

namespace {

// Copies `count` bytes (all that remain when count < 0) from `in` to `out`; `out` may be null to
// skip them.
bool copyBytes(std::FILE* in, std::FILE* out, std::int64_t count)
{
    static constexpr std::size_t chunk = 1 << 20;
    std::string buffer(chunk, '\0');
    while (count != 0) {
        const std::size_t want = count < 0 ? chunk : static_cast<std::size_t>(std::min<std::int64_t>(count, chunk));
        const std::size_t got = std::fread(buffer.data(), 1, want, in);
        if (got == 0)
            return count < 0 && std::ferror(in) == 0;
        if (out && std::fwrite(buffer.data(), 1, got, out) != got)
            return false;
        if (count > 0)
            count -= static_cast<std::int64_t>(got);
    }
    return true;
}

int findRow(const TextTable& references, std::string_view name)
{
    for (int row = 0; row <= references.rowUpper(); ++row)
        if (equalsNoCase(trimBlanks(references(0, row)), name))
            return row;
    return -1;
}

} // namespace

std::string buildHeaderLine(HeaderParts& parts, int dotPos, int colonPos, int valuePos)
{
    for (auto& part : parts)
        part = std::string(trimBlanks(part));
    const int mnemLen = static_cast<int>(parts[0].size());
    const int unitLen = static_cast<int>(parts[1].size());
    const int valueLen = static_cast<int>(parts[2].size());
    for (;;) {
        if (mnemLen >= dotPos) {
            dotPos = mnemLen + 1;
        } else if (valuePos - dotPos - 2 < unitLen) {
            valuePos = dotPos + unitLen + 2;
        } else if (colonPos - valuePos - 1 < valueLen) {
            colonPos = valuePos + valueLen + 2;
        } else {
            break;
        }
    }

    constexpr int width = maxHeaderLineLength;
    std::string line(width, ' ');
    bool fits = true;
    // Puts text at a 1-based column; characters past the last column are dropped, and a
    // non-empty text that would begin beyond it makes the line impossible.
    auto put = [&](std::string_view text, int column) {
        if (text.empty())
            return;
        if (column > width || column < 1) {
            fits = false;
            return;
        }
        const std::size_t room = static_cast<std::size_t>(width - column + 1);
        line.replace(static_cast<std::size_t>(column - 1), std::min(room, text.size()), text.substr(0, room));
    };
    put(parts[0], dotPos - mnemLen);
    put(".", dotPos);
    put(parts[1], dotPos + 1);
    put(parts[2], valuePos);
    put(":", colonPos);
    put(parts[3], colonPos + 1);
    if (!fits)
        return {};
    return std::string(trimRightBlanks(line));
}

EditResult editHeaderLine(const std::string& path, std::string_view mnemonic, char field, std::string_view newText,
                          std::string_view section, const ShowMessage& showMessage)
{
    if (!fileExists(path))
        return EditResult::Failed;
    const std::string mnem = platform::toUpper(trimBlanks(mnemonic));
    const std::string sec = platform::toUpper(trimBlanks(section));
    if (!sec.empty() && (sec.size() != 1 || std::string_view("VWPOC").find(sec[0]) == std::string_view::npos))
        return EditResult::NotFound;
    if (mnem.empty())
        return EditResult::NotFound;
    static constexpr std::string_view fields = "MUVD";
    const std::size_t partIndex = fields.find(platform::upperAscii(field));
    if (partIndex == std::string_view::npos)
        return EditResult::NotFound;

    platform::LineReader reader;
    if (!reader.open(path))
        return EditResult::Failed;
    if (!sec.empty() && seekSection(reader, sec[0]) == 0)
        return EditResult::NotFound;

    std::string oldLine;
    std::int64_t lineStart = 0;
    bool found = false;
    bool anyLine = false;
    platform::Line line;
    while (!found && reader.next(line)) {
        anyLine = true;
        const bool sectionEnds = sec.empty() ? platform::containsNoCase(line.text, "~A")
                                             : line.text.find('~') != std::string_view::npos;
        // The file's last line is never taken as the item line: a LAS header is followed by data.
        if (sectionEnds || line.last)
            return EditResult::NotFound;
        if (classifyLasLine(line.text) == LineClass::Item && equalsNoCase(getMnem(line.text), mnem)) {
            oldLine.assign(line.text);
            lineStart = line.start;
            found = true;
        }
    }
    reader.close();
    if (!found)
        return anyLine ? EditResult::NotFound : EditResult::Failed;

    if (oldLine.size() < 20) {
        if (showMessage)
            showMessage("Header Line Too Short to edit",
                        "This header line " + oldLine + "\r\n\r\n" + oldLine + "\r\n\r\n" +
                            "is too short for reliable editing. Increase the Format positions for the Dot, Value "
                            "and Colon on the properties tab (try 6, 15 and 50) and try again. ");
        return EditResult::Failed;
    }

    std::string work = oldLine;
    std::replace(work.begin(), work.end(), '\t', ' ');
    HeaderParts parts;
    parts[0] = getMnem(work);
    parts[1] = getUnit(work);
    parts[2] = getValue(work);  // hides the value's colons as "|" in work
    parts[3] = getDescr(work);
    const std::string oldValue(trimBlanks(parts[2]));
    parts[partIndex] = std::string(newText);

    const int dotPos = static_cast<int>(work.find('.')) + 1;
    const int colonPos = static_cast<int>(work.find(':')) + 1;
    int valuePos = (sec == "W" || sec == "P") ? 16 : 17;
    if (!trimBlanks(parts[2]).empty() && !oldValue.empty()) {
        if (const std::size_t at = work.find(oldValue); at != std::string::npos)
            valuePos = static_cast<int>(at) + 1;
    }
    std::string newLine = buildHeaderLine(parts, dotPos, colonPos, valuePos);
    // A value too long for any header line: write nothing rather than blank the item.
    if (newLine.empty())
        return EditResult::Failed;
    if (newLine.size() < oldLine.size())
        newLine.append(oldLine.size() - newLine.size(), ' ');

    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return EditResult::Failed;
    const std::int64_t oldLength = static_cast<std::int64_t>(oldLine.size());
    const bool written = writeFileReplacing(path, [&](std::FILE* out) {
        return copyBytes(in, out, lineStart - 1) &&
               std::fwrite(newLine.data(), 1, newLine.size(), out) == newLine.size() &&
               copyBytes(in, nullptr, oldLength) && copyBytes(in, out, -1);
    });
    std::fclose(in);
    return written ? EditResult::Done : EditResult::Failed;
}

std::string wrapWords(std::string_view record, int width, std::string_view prefix)
{
    if (width <= 0)
        return std::string(record);
    const std::size_t w = static_cast<std::size_t>(width);
    std::vector<std::string> values;
    if (record.size() % w == 0) {
        for (std::size_t at = 0; at < record.size(); at += w)
            values.emplace_back(record.substr(at, w));
    } else {
        // Not laid out in columns of the width: rebuild it so, keeping any longer value whole.
        platform::Fields fields(trimBlanks(record), " ");
        for (int i = 1; i <= fields.count(); ++i)
            values.push_back(padRight(fields.field(i), width));
    }
    if (values.empty())
        return {};
    const std::size_t perLine = static_cast<std::size_t>(std::max(1, 78 / width));
    std::string out = values[0];
    for (std::size_t i = 1; i < values.size(); i += perLine) {
        std::string chunk;
        for (std::size_t k = i; k < std::min(values.size(), i + perLine); ++k)
            chunk += values[k];
        out += "\r\n";
        if (!prefix.empty()) {
            // The prefix takes the place of the chunk's leading blank; a chunk whose first value
            // fills its column keeps all its characters.
            out += prefix[0];
            out.append(chunk, !chunk.empty() && chunk[0] == ' ' ? 1 : 0);
        } else {
            out += chunk;
        }
    }
    return out;
}

std::string wrapFixed(std::string_view record, int width, int valuesPerLine, [[maybe_unused]] int lineCount)
{
    if (width <= 0)
        return std::string(record);
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t perLine = w * static_cast<std::size_t>(std::max(1, valuesPerLine));
    std::string out(record.substr(0, w));
    std::string_view rest = record.size() > w ? record.substr(w) : std::string_view();
    while (!rest.empty()) {
        out += "\r\n";
        out.append(rest.substr(0, perLine));
        rest.remove_prefix(std::min(perLine, rest.size()));
    }
    return out;
}

void resolveBracketRefs(TextTable& items, const TextTable& references, std::vector<int>& rows)
{
    rows.assign(static_cast<std::size_t>(std::max(0, items.rowCount())), -1);
    if (items.fieldUpper() < 2 || references.fieldUpper() < 2)
        return;
    for (int row = 0; row <= items.rowUpper(); ++row) {
        const std::string mnem(trimBlanks(items(0, row)));
        if (isRangeMnemonic(mnem))
            continue;
        const std::string_view value = trimBlanks(items(2, row));
        const bool bracketed = value.size() >= 2 && value.front() == '[' && value.back() == ']';
        const bool emptyValue = value.empty();
        if (!bracketed && !mnem.empty()) {
            if (const int ref = findRow(references, mnem); ref >= 0) {
                items(0, row) = references(0, ref);
                if (emptyValue)
                    items(2, row) = references(2, ref);
                rows[static_cast<std::size_t>(row)] = ref + 1;
                continue;
            }
        }
        if (items.fieldUpper() < 4 || trimBlanks(items(4, row)).empty())
            continue;
        platform::Fields aliases(items(4, row), " ");
        for (int i = 1; i <= aliases.count(); ++i) {
            if (const int ref = findRow(references, aliases.field(i)); ref >= 0) {
                if (emptyValue)
                    items(2, row) = references(2, ref);
                rows[static_cast<std::size_t>(row)] = ref + 1;
                break;
            }
        }
    }
}

int curveFunctionIndex(const AppState& state, std::string_view key)
{
    const std::string_view k = trimBlanks(key);
    if (k.empty() || state.funTable.fieldUpper() < 2)
        return -1;
    for (int row = 1; row <= state.funTable.rowUpper(); ++row)
        if (equalsNoCase(state.funTable(2, row), k))
            return row - 1;
    return -1;
}

} // namespace corvalet::core

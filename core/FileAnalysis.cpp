#include "core/FileAnalysis.h"

#include "core/AppState.h"
#include "core/HeaderLines.h"
#include "core/Records.h"
#include "core/TextUtils.h"
#include "platform/Fields.h"
#include "platform/LineReader.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>

namespace corvalet::core {

using platform::Fields;
using platform::Line;
using platform::LineReader;
using platform::leadingNumber;
using platform::trimBlanks;

namespace {

std::string digitsOf(std::int64_t n)
{
    char buf[24];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, n);
    (void)ec;
    return std::string(buf, p);
}

} // namespace

WrapKind detectDataWrap(const std::string& path, DataWrap& wrap)
{
    LineReader in;
    if (!in.open(path))
        return WrapKind::Error;
    if (seekSection(in, 'A') == 0)
        return WrapKind::Undetermined;

    // Field counts and lengths of up to 200 non-empty data lines; the file's last line is never
    // sampled, since it may be cut short.
    constexpr int sampleLimit = 200;
    std::vector<std::int64_t> counts;
    std::vector<std::int64_t> lengths;
    counts.reserve(sampleLimit);
    lengths.reserve(sampleLimit);
    Fields fields;
    Line line;
    while (in.next(line)) {
        if (trimBlanks(line.text).empty())
            continue;
        if (line.last || static_cast<int>(counts.size()) >= sampleLimit)
            break;
        fields.split(platform::trimRightBlanks(line.text), " ");
        const bool hasFields = fields.count() > 0;
        counts.push_back(hasFields ? fields.count() : 0);
        lengths.push_back(hasFields ? static_cast<std::int64_t>(line.text.size()) : 0);
    }
    const auto n = static_cast<std::int64_t>(counts.size());
    if (n == 0)
        return WrapKind::Undetermined;

    if (std::all_of(counts.begin(), counts.end(), [&](std::int64_t c) { return c == counts[0]; })) {
        wrap.linesPerStep = 1;
        wrap.bytesPerStep = lengths[0] + 2;
        wrap.valuesPerStep = counts[0];
        return WrapKind::OneLine;
    }

    // The shortest period whose field-count pattern repeats; a step must begin with the depth
    // line, whose count is written with a leading digit 1.
    const std::int64_t maxPeriod = n < sampleLimit ? n / 2 : 50;
    for (std::int64_t k = 1; k <= maxPeriod; ++k) {
        std::string a;
        std::string b;
        for (std::int64_t i = 0; i < k; ++i) {
            a += digitsOf(counts[static_cast<std::size_t>(i)]);
            b += digitsOf(counts[static_cast<std::size_t>(k + i)]);
        }
        if (a != b)
            continue;
        if (a.empty() || a[0] != '1')
            return WrapKind::Undetermined;
        DataWrap w;
        w.linesPerStep = k;
        for (std::int64_t i = 0; i < k; ++i) {
            w.bytesPerStep += lengths[static_cast<std::size_t>(i)] + 2;
            w.valuesPerStep += counts[static_cast<std::size_t>(i)];
        }
        wrap = w;
        return WrapKind::Wrapped;
    }
    return WrapKind::Undetermined;
}

int splitFieldsToArray(std::string_view line, std::vector<std::int64_t>& columnEnds, std::vector<std::string>& masks)
{
    if (trimBlanks(line).empty())
        return 0;
    line = platform::trimRightBlanks(line);
    columnEnds.clear();
    masks.clear();
    // A field ends at the column before each blank that follows a non-blank; the last field ends
    // with the line.
    for (std::size_t i = 1; i < line.size(); ++i)
        if (line[i] == ' ' && line[i - 1] != ' ')
            columnEnds.push_back(static_cast<std::int64_t>(i));
    columnEnds.push_back(static_cast<std::int64_t>(line.size()));
    std::int64_t from = 0;
    for (const std::int64_t end : columnEnds) {
        masks.push_back(numFormatMask(line.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(end - from))));
        from = end;
    }
    return -1;
}

int countDataCols(const std::string& path, std::int64_t lines, std::vector<std::int64_t>& columnEnds,
                  std::vector<std::string>& masks)
{
    LineReader in;
    if (!in.open(path))
        return 0;
    if (seekSection(in, 'A') == 0)
        in.seek(1);
    std::string joined;
    Line line;
    for (std::int64_t taken = 0; taken < lines && in.next(line);) {
        if (line.text.empty())
            continue;
        joined.append(line.text);
        ++taken;
    }
    columnEnds.assign(1, 0);
    masks.clear();
    splitFieldsToArray(joined, columnEnds, masks);
    return -1;
}

int readDataDepthRange(const std::string& path, std::int64_t valuesPerStep, std::int64_t bytesPerStep,
                       std::string_view wrapText, double depths[2], std::int64_t positions[3])
{
    depths[0] = depths[1] = 0;
    positions[0] = positions[1] = positions[2] = 0;
    LineReader in;
    if (!in.open(path))
        return -1;
    positions[0] = seekSection(in, 'A');

    Line line;
    while (in.next(line)) {
        const std::string_view t = trimBlanks(line.text);
        if (t.empty())
            continue;
        const std::string_view first = t.substr(0, t.find(' '));
        depths[0] = leadingNumber(platform::formatMask(leadingNumber(first), "0.0000"));
        break;
    }

    // The last step lies in the last three steps' worth of bytes.
    const std::int64_t tailStart = std::max<std::int64_t>({in.size() - 3 * bytesPerStep, positions[0], 1});
    in.seek(tailStart);
    std::string tail;
    tail.reserve(static_cast<std::size_t>(std::max<std::int64_t>(in.size() - tailStart + 1, 0)));
    while (in.next(line)) {
        tail.append(line.text);
        tail += ' ';
    }
    Fields fields(trimBlanks(tail), " ");
    const std::int64_t n = fields.count();
    if (n == 0 || valuesPerStep > n)
        return -1;
    const std::string search = platform::plainText(leadingNumber(fields.field(static_cast<int>(n - valuesPerStep + 1))));
    depths[1] = leadingNumber(search);

    const bool wrapped = platform::equalsNoCase(wrapText, "YES");
    in.seek(tailStart);
    std::int64_t lastRead = 0;
    std::vector<std::int64_t> collected;
    bool found = false;
    while (in.next(line)) {
        lastRead = line.start;
        const std::string_view t = trimBlanks(line.text);
        if (!wrapped) {
            if (t.substr(0, search.size()) == search) {
                positions[1] = line.start;
                found = true;
                break;
            }
        } else if (t.find(' ') == std::string_view::npos) {
            // A wrapped step's depth stands alone on its line; compare it as a number, since the
            // file writes it with its own decimals ("2014.5000" is the depth 2014.5).
            double v = 0;
            if (platform::strictNumber(t, v) && v == depths[1])
                collected.push_back(line.start);
        }
    }
    if (wrapped && !collected.empty()) {
        positions[1] = collected.size() >= 2 ? collected[collected.size() - 2] : collected[0];
        found = true;
    }
    if (!found)
        positions[1] = lastRead;
    return -1;
}

int scanLasFile(FileInfoRec& rec, const std::string& path)
{
    // A record scanned for a new file keeps nothing of the file it held before.
    rec = FileInfoRec{};
    WellRange range;
    std::string formatColumns;
    getWellRange(path, range, formatColumns);
    rec.dotCol = 7;
    rec.valueCol = 15;
    rec.colonCol = 50;
    if (formatColumns.find('|') != std::string::npos) {
        Fields cols(formatColumns, "|");
        const auto col = [&](int k, int fallback) {
            const auto v = static_cast<int>(platform::roundHalfEven(leadingNumber(cols.field(k))));
            return v == 0 ? fallback : v;
        };
        rec.dotCol = col(1, 7);
        rec.valueCol = col(2, 15);
        rec.colonCol = col(3, 50);
    }
    rec.indexMnem = "DEPT";
    rec.filePath = path;
    rec.strt = leadingNumber(range[0][0]);
    rec.stop = leadingNumber(range[1][0]);
    rec.step = leadingNumber(range[2][0]);
    rec.lowDepth = std::min(rec.strt, rec.stop);
    rec.highDepth = std::max(rec.strt, rec.stop);
    rec.nullText = range[3][0];
    rec.rangeUnit = range[1][1];

    DataWrap wrap;
    switch (detectDataWrap(path, wrap)) {
    case WrapKind::OneLine:
    case WrapKind::Error:
        rec.wrapText = "NO";
        break;
    case WrapKind::Wrapped:
        rec.wrapText = "YES";
        break;
    case WrapKind::Undetermined:
        break;
    }
    rec.linesPerStep = wrap.linesPerStep;
    rec.bytesPerStep = wrap.bytesPerStep;
    rec.valuesPerStep = static_cast<int>(wrap.valuesPerStep);

    std::vector<std::int64_t> ends;
    std::vector<std::string> masks;
    if (countDataCols(path, rec.linesPerStep, ends, masks) != -1)
        return 0;
    rec.firstColWidth = ends.empty() ? 0 : static_cast<int>(ends[0]);
    rec.firstColDecimals = 0;
    if (!masks.empty()) {
        const auto dot = masks[0].find('.');
        if (dot != std::string::npos)
            rec.firstColDecimals = static_cast<int>(masks[0].size() - (dot + 1));
    }

    double depths[2];
    std::int64_t positions[3];
    readDataDepthRange(path, rec.valuesPerStep, rec.bytesPerStep, rec.wrapText, depths, positions);
    rec.dataStartPos = positions[0];
    rec.lastStepPos = positions[1];
    rec.firstDataDepth = depths[0];
    rec.lastDataDepth = depths[1];

    std::string unit;
    rec.versText = getHeaderValue(path, "VERS", unit);
    return -1;
}

int scanLasFile(AppState& state, const std::string& path, int index)
{
    if (index < 0 || index >= static_cast<int>(state.fileInfo.size()))
        return 0;
    return scanLasFile(state.fileInfo[static_cast<std::size_t>(index)], path);
}

int overallDepthRange(const AppState& state, double& lo, double& hi)
{
    lo = 1e13;
    hi = -1e12;
    for (int i = 0; i < 4 && i < static_cast<int>(state.fileInfo.size()); ++i) {
        const FileInfoRec& r = state.fileInfo[static_cast<std::size_t>(i)];
        if (r.filePath.empty())
            continue;
        lo = std::min(lo, r.lowDepth);
        hi = std::max(hi, r.highDepth);
    }
    return -1;
}

std::vector<std::string> awkSplitLine(std::string_view line, std::string_view separator)
{
    if (separator == " ")
        line = trimBlanks(line);
    Fields fields(line, separator);
    std::vector<std::string> out(static_cast<std::size_t>(fields.count()) + 1);
    for (int i = 1; i <= fields.count(); ++i)
        out[static_cast<std::size_t>(i)] = platform::plainText(leadingNumber(fields.field(i)));
    return out;
}

} // namespace corvalet::core

#include "core/PlatformExport.h"

#include "core/AppState.h"
#include "core/FileUtils.h"
#include "core/HeaderLines.h"
#include "core/HeaderWriter.h"
#include "core/SectionReaders.h"
#include "core/TextUtils.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/FileDialogs.h"
#include "platform/Fields.h"
#include "platform/LineReader.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

namespace corvalet::core {

using platform::containsNoCase;
using platform::equalsNoCase;
using platform::trimBlanks;

namespace {

namespace fs = std::filesystem;

constexpr double nullValue = internalNull;
// The ~W, ~P and MATR lines put their colon here; ~C lines use their own columns.
constexpr int headerColonPos = 57;
constexpr int curveDotPos = 5;
constexpr int curveColonPos = 40;
constexpr int curveValuePos = 15;

constexpr const char* captionNames = "#MNEN.UNIT      VALUE                                    : DESCRIPTION";
constexpr const char* captionRule = "#----.----      -----                                    : -----------";

// Curve mnemonics of the neutron tools, whose porosity needs the matrix (MATR) to be known.
constexpr std::array<std::string_view, 23> neutronMnemonics = {
    "NPHI", "NPOR", "TNPH", "HNPO", "HTNP", "APLC", "APSC", "APDC", "FPLC", "FPSC", "FPMC", "HFDC",
    "HFSC", "HFLC", "HADC", "HASC", "HALC", "NPSS", "NPLS", "NPDS", "NPHS", "NPHL", "NPHD"};

enum class Country { Any, Canada, Other };

struct Lookup {
    const char* mnemonic;
    char section;
};

// The ~Well items after STRT, STOP, STEP and NULL: each takes the first non-empty value of its
// look-ups in the input.
struct WellItem {
    const char* mnemonic;
    Country country;
    std::array<Lookup, 4> lookups;  // unused entries have a null mnemonic
    const char* description;
};

constexpr WellItem wellItems[] = {
    {"COMP", Country::Any, {{{"CN", 'W'}, {"COMP", 'W'}, {"COMPANY", 'P'}}}, "COMPANY NAME"},
    {"WELL", Country::Any, {{{"WELL", 'W'}, {"WN", 'P'}}}, "WELL NAME"},
    {"LOC", Country::Any, {{{"LOC", 'W'}, {"FL", 'P'}}}, "LOCATIONS"},
    {"FLD", Country::Any, {{{"FN", 'W'}, {"FN", 'P'}, {"FLD", 'P'}, {"FL", 'P'}}}, "FIELD NAME"},
    {"STAT", Country::Other, {{{"STAT", 'W'}}}, "STATE"},
    {"CNTY", Country::Other, {{{"CNTY", 'W'}}}, "COUNTY"},
    {"CTRY", Country::Other, {{{"COUNT", 'W'}}}, "COUNTRY"},
    {"API", Country::Other, {{{"APIN", 'W'}}}, "API SERIAL NUMBER"},
    {"PROV", Country::Canada, {{{"PROV", 'W'}, {"COUN", 'P'}}}, "PROVINCE"},
    {"UWI", Country::Canada, {{{"FL1", 'P'}, {"UWID", 'P'}}}, "UNIQUE WELL IDENTIFIER"},
    {"LIC", Country::Canada, {{{"APIN", 'P'}}}, "LICENSE NUMBER"},
    {"LISF", Country::Any, {}, "LAS FILENAME"},
    {"DATE", Country::Any, {{{"DATE", 'P'}}}, "LOGGING DATE"},
};

// Units the export spells in forms that LAS readers do not know.
struct UnitRename {
    std::string_view from, to;
};
constexpr UnitRename unitRenames[] = {{"M3/M3", "V/V"}, {"FT3/FT3", "V/V"}, {"OHM.M", "OHMM"}, {"G/CM3", "G/CC"}};

struct CurveRow {
    std::string mnem, unit, value, descr;
};

void addLine(std::string& text, std::string_view line)
{
    text.append(line);
    text.append("\r\n");
}

// Blanks and then the text, `width` characters in all; a longer text is kept whole.
void appendRightAligned(std::string& out, std::string_view text, int width)
{
    if (static_cast<int>(text.size()) < width)
        out.append(static_cast<std::size_t>(width) - text.size(), ' ');
    out.append(text);
}

std::vector<CurveRow> readCurves(platform::LineReader& in)
{
    std::vector<CurveRow> rows;
    if (seekSection(in, 'C') == 0)
        return rows;
    HeaderParts parts;
    platform::Line line;
    while (in.next(line)) {
        if (line.text.find('~') != std::string_view::npos)
            break;
        const LineClass kind = classifyLasLine(line.text);
        if (kind == LineClass::Item) {
            splitHeaderLine(line.text, parts);
            // The export writes the unit apart from the dot, where the grammar reads a value.
            if (parts[1].empty())
                std::swap(parts[1], parts[2]);
            rows.push_back({parts[0], parts[1], parts[2], parts[3]});
            continue;
        }
        if (kind != LineClass::Other)
            continue;
        const std::size_t dot = line.text.find('.');
        const std::size_t colon = line.text.find(':');
        if (dot == std::string_view::npos || colon > dot || countOccurrences(line.text, ":") < 2)
            continue;
        // A mnemonic holding ":", which LAS reserves for the description: "_" takes its place, so
        // that the curve stays a curve for every reader and the data columns keep their curves.
        std::string fixed(line.text);
        std::replace(fixed.begin(), fixed.begin() + static_cast<std::ptrdiff_t>(dot), ':', '_');
        if (!splitHeaderLine(fixed, parts))
            continue;
        rows.push_back({parts[0], parts[1], parts[2], parts[3]});
    }
    return rows;
}

// A ~W range value: the export may write the unit before the number ("M 1000.0").
double rangeValue(std::string_view text)
{
    const std::size_t blank = text.find(' ');
    return platform::leadingNumber(blank == std::string_view::npos ? text : text.substr(blank + 1));
}

// The depth unit from the first line that names STRT: the text from the "." to the TAB that
// follows it, as one upper-case letter; "M" without such a text or when the data come first.
std::string depthUnitOf(platform::LineReader& in)
{
    in.seek(1);
    platform::Line line;
    while (in.next(line)) {
        if (containsNoCase(line.text, "~A"))
            break;
        if (!containsNoCase(line.text, "STRT"))
            continue;
        const std::size_t dot = line.text.find('.');
        const std::size_t tab = dot == std::string_view::npos ? dot : line.text.find('\t', dot);
        if (tab == std::string_view::npos)
            break;
        std::string unit = platform::toUpper(trimBlanks(line.text.substr(dot + 1, tab - dot - 1)));
        if (unit.empty())
            break;
        unit.resize(1);
        return unit;
    }
    return "M";
}

bool isNeutronCurve(std::string_view mnem)
{
    return std::any_of(neutronMnemonics.begin(), neutronMnemonics.end(),
                       [&](std::string_view n) { return equalsNoCase(trimBlanks(mnem), n); });
}

// The description the curve library gives a mnemonic (its text before any "|"); "" when none.
std::string libraryDescription(const AppState& state, std::string_view mnem)
{
    const TextTable& lib = state.curveLibrary;
    if (mnem.empty() || lib.fieldUpper() < 2)
        return {};
    for (int row = 1; row <= lib.rowUpper(); ++row) {
        if (!equalsNoCase(trimBlanks(lib(1, row)), mnem))
            continue;
        const std::string& d = lib(2, row);
        return std::string(trimBlanks(std::string_view(d).substr(0, d.find('|'))));
    }
    return {};
}

// The STOP line of the header, patched once the last depth written is known.
struct StopLine {
    std::size_t offset = 0;  // in the header text
    std::string text;
    std::string unit;
};

class Repair {
public:
    Repair(AppState& state, platform::Dialogs& dialogs, platform::EventPump* pump)
        : m_state(state), m_dialogs(dialogs), m_pump(pump),
          m_mask("0." + std::string(static_cast<std::size_t>(std::max(state.dataDecimals, 0)), '0')),
          m_width(state.dataWidth)
    {
        m_nullText = m_mask.format(nullValue);
    }

    RepairResult run(const std::string& input, std::string& output);

private:
    bool headerLine(std::string& header, std::string mnem, std::string unit, std::string value, std::string descr,
                    int dotPos, int colonPos, int valuePos);
    bool buildHeader(platform::LineReader& in, int paramCount, const std::optional<std::string>& matrix,
                     std::string& header);
    bool writeData(platform::LineReader& in, std::FILE* out, const std::string& header);
    bool patchStop(std::FILE* out);
    void letEventsRun();

    AppState& m_state;
    platform::Dialogs& m_dialogs;
    platform::EventPump* m_pump;
    platform::NumberMask m_mask;
    int m_width;
    std::string m_nullText;

    std::vector<CurveRow> m_curves;
    std::string m_depthUnit;
    double m_strt = 0, m_stop = 0, m_step = 0;
    StopLine m_stopLine;

    long long m_badLines = 0;
    bool m_wroteData = false;
    double m_lastDepth = 0;
    bool m_cancelled = false;
    bool m_stopFitted = true;
    std::chrono::steady_clock::time_point m_lastYield;
};

bool Repair::headerLine(std::string& header, std::string mnem, std::string unit, std::string value,
                        std::string descr, int dotPos, int colonPos, int valuePos)
{
    HeaderParts parts{std::move(mnem), std::move(unit), std::move(value), std::move(descr)};
    const std::string line = buildHeaderLine(parts, dotPos, colonPos, valuePos);
    if (line.empty())
        return false;  // a field past the longest header line: nothing sound can be written
    addLine(header, line);
    return true;
}

bool Repair::buildHeader(platform::LineReader& in, int paramCount, const std::optional<std::string>& matrix,
                         std::string& header)
{
    const int dotPos = m_state.dotPos;
    const int valuePos = m_state.valuePos;
    auto wellLine = [&](std::string m, std::string u, std::string v, std::string d) {
        return headerLine(header, std::move(m), std::move(u), std::move(v), std::move(d), dotPos, headerColonPos,
                          valuePos);
    };

    addLine(header, "~Version Information");
    addLine(header, "VERS.                2.00:     CWLS LOG ASCII STANDARD - VERSION 2.0");
    addLine(header, "WRAP.                  NO:     One Line Per Depth Step");

    addLine(header, "~Well Information");
    addLine(header, captionNames);
    addLine(header, captionRule);
    if (!wellLine("STRT", m_depthUnit, m_mask.format(m_strt), "START DEPTH"))
        return false;
    m_stopLine.offset = header.size();
    m_stopLine.unit = m_depthUnit;
    if (!wellLine("STOP", m_depthUnit, m_mask.format(m_stop), "STOP DEPTH"))
        return false;
    m_stopLine.text = header.substr(m_stopLine.offset, header.size() - m_stopLine.offset - 2);
    if (!wellLine("STEP", m_depthUnit, m_mask.format(m_step), "STEP LENGTH") ||
        !wellLine("NULL", "", m_nullText, " NULL VALUE"))
        return false;
    const Country country = equalsNoCase(trimBlanks(m_state.country), "CANADA") ? Country::Canada : Country::Other;
    for (const WellItem& item : wellItems) {
        if (item.country != Country::Any && item.country != country)
            continue;
        std::string value;
        for (const Lookup& lookup : item.lookups) {
            if (!lookup.mnemonic || !value.empty())
                break;
            value = readHeaderValue(in, lookup.mnemonic, lookup.section);
        }
        if (!wellLine(item.mnemonic, "", value, item.description))
            return false;
    }
    if (!wellLine("SRVC", "", "Kestrovander", "SERVICE COMPANY"))
        return false;

    addLine(header, "~Curve Information");
    addLine(header, captionNames);
    addLine(header, captionRule);
    std::string title = "~Ascii     ";
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        CurveRow row = m_curves[i];
        if (i == 0) {
            if (!headerLine(header, "DEPT", m_depthUnit, "", "DEPTH", curveDotPos, curveColonPos, curveValuePos))
                return false;
            continue;
        }
        for (std::string* text : {&row.mnem, &row.unit, &row.value, &row.descr})
            platform::upperInPlace(*text);
        for (const UnitRename& rename : unitRenames)
            if (equalsNoCase(trimBlanks(row.unit), rename.from))
                row.unit = std::string(rename.to);
        if (std::string library = libraryDescription(m_state, row.mnem); !library.empty())
            row.descr = std::move(library);
        const std::string mnem = row.mnem;
        if (!headerLine(header, std::move(row.mnem), std::move(row.unit), std::move(row.value), std::move(row.descr),
                        curveDotPos, curveColonPos, curveValuePos))
            return false;
        if (static_cast<int>(mnem.size()) > m_width)
            title += " " + mnem.substr(0, static_cast<std::size_t>(std::max(m_width - 1, 0)));
        else
            appendRightAligned(title, mnem, m_width);
    }

    addLine(header, "~Parameter Information");
    addLine(header, captionNames);
    addLine(header, captionRule);
    const TextTable& params = m_state.sectionRows;
    for (int row = 0; row < paramCount; ++row)
        if (!wellLine(params(0, row), params(1, row), params(2, row), params(3, row)))
            return false;
    if (matrix && !wellLine("MATR", "", *matrix, "Neutron Matrix Indicator"))
        return false;

    addLine(header, title);
    return true;
}

void Repair::letEventsRun()
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point now = Clock::now();
    if (m_lastYield != Clock::time_point::min() && now - m_lastYield < std::chrono::milliseconds(50))
        return;
    m_lastYield = now;
    if (!m_state.quietMode && m_pump)
        m_pump->doEvents();
}

bool Repair::writeData(platform::LineReader& in, std::FILE* out, const std::string& header)
{
    static constexpr std::size_t flushSize = 1 << 20;
    if (std::fwrite(header.data(), 1, header.size(), out) != header.size())
        return false;
    if (seekSection(in, 'A') == 0)
        return false;
    const int n = static_cast<int>(m_curves.size());
    // A STEP of 0 marks irregular sampling: the input's own depths are then the only true ones.
    const bool keepInputDepths = m_step == 0;
    platform::Fields fields;
    std::string tabFree, buffer, number;
    buffer.reserve(flushSize + 4096);
    std::int64_t index = 0;
    // The first line written lets events run at once, later ones about every 50 ms.
    m_lastYield = std::chrono::steady_clock::time_point::min();
    platform::Line line;
    while (in.next(line)) {
        // Every input line takes one depth step, whether it is written or not.
        double depth = m_strt + static_cast<double>(index) * m_step;
        ++index;
        std::string_view text = line.text;
        if (std::memchr(text.data(), '\t', text.size())) {
            tabFree.assign(text);
            std::replace(tabFree.begin(), tabFree.end(), '\t', ' ');
            text = tabFree;
        }
        fields.split(text, " ");
        if (fields.count() != n || (keepInputDepths && !platform::strictNumber(fields.field(1), depth))) {
            ++m_badLines;
            continue;
        }
        number.clear();
        m_mask.append(number, depth);
        appendRightAligned(buffer, number, m_width);
        for (int k = 2; k <= n; ++k) {
            const std::string_view field = fields.field(k);
            double value = 0;
            // A text that is not a number is no sample: it becomes NULL rather than a made-up 0.
            bool isNull = field.find("-999250.") != std::string_view::npos || !platform::strictNumber(field, value);
            if (!isNull) {
                number.clear();
                m_mask.append(number, value);
                isNull = static_cast<int>(number.size()) > m_width - 1;
            }
            appendRightAligned(buffer, isNull ? std::string_view(m_nullText) : std::string_view(number), m_width);
        }
        buffer += "\r\n";
        m_wroteData = true;
        m_lastDepth = depth;
        if (buffer.size() >= flushSize) {
            if (std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size())
                return false;
            buffer.clear();
        }
        letEventsRun();
        if (m_state.userCancelled) {
            m_cancelled = true;
            return false;
        }
    }
    if (std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size())
        return false;
    return patchStop(out);
}

// STOP becomes the depth of the last line written. The line is rewritten in place when it fits
// the one written first, padded to its length as a header edit pads it.
bool Repair::patchStop(std::FILE* out)
{
    if (!m_wroteData)
        return true;
    const std::string& old = m_stopLine.text;
    HeaderParts parts{"STOP", m_stopLine.unit, m_mask.format(m_lastDepth), "STOP DEPTH"};
    const std::string oldValue = m_mask.format(m_stop);
    const std::size_t valueAt = old.find(oldValue, old.find('.') + 1);
    if (valueAt == std::string::npos) {
        m_stopFitted = false;
        return true;
    }
    std::string line = buildHeaderLine(parts, static_cast<int>(old.find('.')) + 1,
                                       static_cast<int>(old.find(':')) + 1, static_cast<int>(valueAt) + 1);
    if (line.empty() || line.size() > old.size()) {
        m_stopFitted = false;
        return true;
    }
    line.append(old.size() - line.size(), ' ');
    const long at = static_cast<long>(m_stopLine.offset);
    return std::fseek(out, at, SEEK_SET) == 0 && std::fwrite(line.data(), 1, line.size(), out) == line.size() &&
           std::fseek(out, 0, SEEK_END) == 0;
}

RepairResult Repair::run(const std::string& input, std::string& output)
{
    const int paramCount = readSectionToGrid(m_state.sectionRows, input, 'P');
    if (paramCount == 0)
        m_state.sectionRows.redim(4, 0);

    platform::LineReader in;
    if (!in.open(input))
        return RepairResult::Failed;

    if (sameFile(output, input)) {
        std::string extension = "las";
        std::string folder = folderOfPath(output);
        const std::string answer = platform::getFileName(m_dialogs, platform::FileMode::SaveLas, extension,
                                                         "Save LAS", folder, fileNameOfPath(output), m_pump,
                                                         m_state.quietMode);
        if (answer.empty())
            return RepairResult::Failed;
        if (sameFile(answer, input)) {
            m_dialogs.msgBox("Must supply different file name or different path for new file. Try again.",
                             platform::MsgStyle::OkOnly + platform::MsgStyle::Critical, "Duplicate Filename");
            return RepairResult::Failed;
        }
        output = answer;
    }

    m_curves = readCurves(in);
    if (m_curves.empty())
        return RepairResult::Failed;  // no curve, so no data line can be read

    m_strt = rangeValue(readHeaderValue(in, "STRT", 'W'));
    m_stop = rangeValue(readHeaderValue(in, "STOP", 'W'));
    const double sign = m_strt < m_stop ? 1.0 : -1.0;
    const double step = std::fabs(rangeValue(readHeaderValue(in, "STEP", 'W')));
    m_step = step == 0 ? 0.0 : step * sign;
    m_depthUnit = depthUnitOf(in);

    const bool neutron = std::any_of(m_curves.begin(), m_curves.end(),
                                     [](const CurveRow& c) { return isNeutronCurve(c.mnem); });
    bool hasMatrix = false;
    for (int row = 0; row < paramCount; ++row)
        hasMatrix = hasMatrix || equalsNoCase(trimBlanks(m_state.sectionRows(0, row)), "MATR");
    std::optional<std::string> matrix;
    if (neutron && !hasMatrix)
        matrix = m_dialogs
                     .inputBox("A Neutron tool was found, but the parameter MATR was not found. Please supply the "
                               "correct matrix, SAND, LIME or DOLO, and I will add MATR.",
                               "Neutron Matrix Parameter Missing!", "SAND")
                     .text;

    std::string header;
    if (!buildHeader(in, paramCount, matrix, header))
        return RepairResult::Failed;

    const bool written = writeFileReplacing(output, [&](std::FILE* out) {
        try {
            return writeData(in, out, header);
        } catch (...) {
            return false;
        }
    });
    if (m_cancelled)
        return RepairResult::Cancelled;
    if (!written)
        return RepairResult::Failed;
    if (!m_stopFitted &&
        editHeaderLine(output, "STOP", 'V', m_mask.format(m_lastDepth), "W") != EditResult::Done)
        return RepairResult::Failed;

    if (m_badLines > 0)
        m_dialogs.msgBox(std::to_string(m_badLines) +
                             " bad lines were discarded during processing! Visually inspect and repair the "
                             "original and try again!",
                         platform::MsgStyle::OkOnly + platform::MsgStyle::Exclamation,
                         "Bad Lines found and Discarding");
    return RepairResult::Done;
}

} // namespace

RepairResult repairQV25Las(AppState& state, platform::Dialogs& dialogs, const std::string& input,
                           std::string& output, [[maybe_unused]] int exportVersion, platform::EventPump* pump,
                           platform::PointerDisplay* pointer)
{
    std::optional<platform::BusyPointer> busy;
    if (pointer)
        busy.emplace(*pointer);
    state.userCancelled = false;
    RepairResult result = RepairResult::Failed;
    try {
        Repair repair(state, dialogs, pump);
        result = repair.run(input, output);
    } catch (...) {
        result = RepairResult::Failed;
    }
    if (result != RepairResult::Done)
        state.userCancelled = false;
    return result;
}

} // namespace corvalet::core

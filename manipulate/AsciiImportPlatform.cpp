// The PrimaryIndex ASCII export of the interpretation platform: a heading line such as
// "PrimaryIndex [FT] GR [GAPI] RHOB [G/CM3]", usually a line of units laid out over the data
// columns, then blank-separated data lines whose first field is the primary index (the depth).
#include "manipulate/AsciiImport.h"

#include "core/AppState.h"
#include "core/FileKinds.h"
#include "manipulate/AsciiImportRows.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/Fields.h"
#include "platform/LineReader.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <exception>
#include <vector>

namespace corvalet::manipulate {

using platform::Fields;
using platform::Line;
using platform::LineReader;
using platform::trimBlanks;

namespace {

// Channel names of the heading line: "DEPT" for the primary index, then every word that reads
// name.unit once each " [" has become "." (a last channel without a name is dropped).
std::vector<std::string> channelNames(std::string heading)
{
    platform::replaceAllNoCase(heading, " .", ".");
    platform::replaceAllNoCase(heading, "  .", ".");
    platform::replaceAllNoCase(heading, "]", " ");
    std::string_view text = trimBlanks(heading);
    // The channels begin after "PrimaryIndex" and the character that follows it.
    const std::size_t index = platform::findNoCase(text, "PrimaryIndex");
    if (index != std::string_view::npos)
        text = text.substr(std::min(text.size(), index + 13));
    std::string channels(trimBlanks(text));
    while (platform::replaceAllNoCase(channels, " [", ".") > 0) {
    }

    std::vector<std::string> names{"DEPT"};
    const Fields words(channels, " ");
    for (int i = 1; i <= words.count(); ++i) {
        const std::string_view word = words.field(i);
        const std::size_t dot = word.find('.');
        if (dot != std::string_view::npos)
            names.emplace_back(word.substr(0, dot));
    }
    if (names.size() > 1 && names.back().empty())
        names.pop_back();
    return names;
}

bool hasLetterA(std::string_view text)
{
    return text.find('A') != std::string_view::npos || text.find('a') != std::string_view::npos;
}

// The first data line: its first word is a number, and it holds no bracket and no "A" or "a"
// (which every heading or unit line of the export has). A NaN sample is a value too: exports
// often begin with NaN rows, and those must neither be dropped nor taken for the unit line.
bool isDataLine(std::string_view line, Fields& fields)
{
    if (line.find('[') != std::string_view::npos || line.find(']') != std::string_view::npos)
        return false;
    fields.split(line, " ");
    if (fields.count() == 0 || !platform::isNumeric(fields.field(1)))
        return false;
    for (int i = 2; i <= fields.count(); ++i)
        if (!detail::isMissingSample(fields.field(i)) && hasLetterA(fields.field(i)))
            return false;
    return true;
}

// The units stand over their columns: the line is cut into equal slices, one per channel, as
// wide as the first data line divided by the channel count.
std::vector<std::string> channelUnits(std::string_view unitLine, std::size_t dataLength, int columns)
{
    std::vector<std::string> units(static_cast<std::size_t>(columns));
    if (unitLine.empty() || columns == 0)
        return units;
    const double width = double(dataLength) / double(columns);
    const std::int64_t length = platform::roundHalfEven(width);
    for (int j = 0; j < columns; ++j) {
        const std::int64_t start = platform::roundHalfEven(double(j) * width);
        if (start < 0 || std::size_t(start) >= unitLine.size() || length <= 0)
            continue;
        std::string unit(trimBlanks(unitLine.substr(std::size_t(start), std::size_t(length))));
        if (platform::equalsNoCase(unit, "OHM.M"))
            unit = "OHMM";
        else if (platform::equalsNoCase(unit, "FT3/FT3") || platform::equalsNoCase(unit, "M3/M3"))
            unit = "V/V";
        units[std::size_t(j)] = std::move(unit);
    }
    return units;
}

ImportResult readPlatformExport(ConversionTab& tab, const std::string& path)
{
    platform::Grid& grd = tab.grd;
    if (!core::isPrimaryIndexFile(path))
        return ImportResult::Failed;
    LineReader reader;
    if (!reader.open(path))
        return ImportResult::Failed;

    // The heading is the first line with text: the kind test lets blank lines come before it.
    Line line;
    std::string heading;
    while (heading.empty() && reader.next(line))
        if (!trimBlanks(line.text).empty())
            heading.assign(line.text);
    const std::vector<std::string> names = channelNames(heading);
    const int columns = int(names.size());

    // The unit line is the last line with text before the first data line.
    Fields fields;
    std::string unitLine;
    std::int64_t dataStart = 0;
    std::size_t dataLength = 0;
    while (reader.next(line)) {
        if (isDataLine(line.text, fields)) {
            dataStart = line.start;
            dataLength = line.text.size();
            break;
        }
        if (!trimBlanks(line.text).empty())
            unitLine.assign(line.text);
    }
    const std::vector<std::string> units =
        dataStart > 0 ? channelUnits(unitLine, dataLength, columns) : std::vector<std::string>(std::size_t(columns));

    // A cancel left over from an earlier job must not stop this one at its first line.
    tab.state.userCancelled = false;
    detail::Yielder yielder(tab.state, tab.eventPump);
    detail::RowBuffer rows;
    int skipped = 0;
    bool cancelled = false;
    if (dataStart > 0) {
        reader.seek(dataStart);
        while (reader.next(line)) {
            const std::string_view text = trimBlanks(line.text);
            // Blank lines carry no samples; only lines with values can disagree with the layout.
            if (!text.empty()) {
                fields.split(text, " ");
                if (fields.count() != columns)
                    ++skipped;
                else
                    rows.add(text);
            }
            yielder.step();
            if (tab.state.userCancelled) {
                tab.state.userCancelled = false;
                cancelled = true;
                break;
            }
        }
    }
    reader.close();

    // The rows read so far reach the grid even after a cancel, but then without the header
    // rows, and without yielding again (a second cancel request would outlive the import).
    detail::fillGridRows(grd, rows, " ", columns, cancelled ? nullptr : &yielder, detail::MissingSamples::AsNull);
    if (cancelled)
        return ImportResult::Cancelled;
    setupChannelGrid(tab);
    for (int j = 0; j < columns; ++j) {
        grd.setText(1, j + 1, names[std::size_t(j)]);
        grd.setText(2, j + 1, units[std::size_t(j)]);
    }
    if (skipped > 0) {
        tab.dialogs.msgBox("A total of" + platform::numberText(skipped) +
                               " lines were skipped because the number of columns was different from the one "
                               "specified as the starting line. Do not trust this file!",
                           platform::MsgStyle::OkOnly | platform::MsgStyle::Exclamation, "Lines Skipped!");
        return ImportResult::Failed;
    }
    return ImportResult::Done;
}

} // namespace

ImportResult loadPlatformAsciiToGrid(ConversionTab& tab, const std::string& path)
{
    detail::RedrawOff redrawOff(tab.grd);
    platform::BusyPointer busy(tab.pointer);
    try {
        return readPlatformExport(tab, path);
    } catch (const std::exception&) {
        // Whatever was written stays; a cancel that was asked for is answered as a cancel.
        if (tab.state.userCancelled) {
            tab.state.userCancelled = false;
            return ImportResult::Cancelled;
        }
        return ImportResult::Failed;
    }
}

} // namespace corvalet::manipulate

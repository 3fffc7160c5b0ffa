#include "manipulate/ConversionGrid.h"

#include "core/AppState.h"
#include "core/FileUtils.h"
#include "manipulate/AsciiImport.h"
#include "manipulate/AsciiImportRows.h"
#include "platform/BusyPointer.h"
#include "platform/Clipboard.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <new>

namespace corvalet::manipulate {

using platform::Grid;

std::string grdDepthUnit(const core::AppState& state)
{
    return platform::equalsNoCase(state.country, "Canada") ? "M" : "FT";
}

void setupChannelGrid(ConversionTab& tab)
{
    Grid& grd = tab.grd;
    if (grd.rows() < kGrdHeaderRows)
        grd.setRows(kGrdHeaderRows);
    if (grd.cols() < 2)
        grd.setCols(2);

    grd.setText(0, 0, "Channels-->");
    grd.setText(1, 0, "Name");
    grd.setText(2, 0, "Unit");
    grd.setText(3, 0, "Use?");
    grd.setText(1, 1, "DEPT");
    grd.setText(2, 1, grdDepthUnit(tab.state));
    for (int c = 1; c < grd.cols(); ++c) {
        grd.setText(0, c, "Chan #" + std::to_string(c));
        grd.setCheckState(3, c, platform::CheckState::Checked);
    }

    grd.setRangeBackColor(1, 1, 3, grd.cols() - 1, kGrdHeaderColor);
    grd.autoSizeCols(0, grd.cols() - 1, kGrdExtraTwips);
    tab.nChanT.setText(std::to_string(grd.cols() - 1));
    grd.setRow(3);
    grd.setCol(1);
}

namespace {

// A whole channel count from 1 to the limit, blanks around it allowed.
bool readChannelCount(std::string_view text, int& count)
{
    text = platform::trimBlanks(text);
    if (text.empty())
        return false;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kGrdMaxTypedChannels)
        return false;
    count = value;
    return true;
}

} // namespace

bool nChanTKeyPress(ConversionTab& tab, int& keyAscii)
{
    if (keyAscii != platform::keys::Enter)
        return false;
    keyAscii = 0;
    // On a refusal the box gets the real count back, so it never shows a shape the grid lacks.
    const auto refuse = [&] {
        tab.nChanT.setText(std::to_string(std::max(tab.grd.cols() - 1, 1)));
        return false;
    };
    int count = 0;
    if (!readChannelCount(tab.nChanT.text(), count))
        return refuse();
    const int answer = tab.dialogs.msgBox(
        "Changing the number of columns may destroy current data if fewer columns are selected than now exist. "
        "Proceed?",
        platform::MsgStyle::YesNo | platform::MsgStyle::Question);
    if (answer != platform::MsgResult::Yes)
        return false;
    try {
        tab.grd.setCols(count + 1);
    } catch (const std::bad_alloc&) {
        // The grid builds its new cells before it drops the old ones, so it is still whole.
        return refuse();
    }
    setupChannelGrid(tab);
    return true;
}

std::string delimiterOfOption(int option)
{
    switch (option) {
    case 0: return " ";
    case 1: return "\t";
    case 2: return ",";
    default: return {};
    }
}

bool loadAsciiFileButton(ConversionTab& tab, int delimiterOption)
{
    std::string extension = "txt";
    std::string folder = tab.state.asciiInputFile.empty() ? tab.state.sourceFolder
                                                          : core::folderOfPath(tab.state.asciiInputFile);
    std::string path = platform::getFileName(tab.dialogs, platform::FileMode::OpenTyped, extension,
                                             "Find ASCII file To Load", folder, {}, &tab.eventPump,
                                             tab.state.quietMode);
    if (path.empty())
        return false;
    tab.state.asciiInputFile = path;
    std::string delimiter = delimiterOfOption(delimiterOption);
    return loadAsciiToGrid(tab, tab.state.asciiInputFile, delimiter) == ImportResult::Done;
}

namespace {

[[nodiscard]] std::string_view trimBlanksAndLineEnds(std::string_view text)
{
    const auto skip = [](char c) { return c == ' ' || c == '\r' || c == '\n'; };
    while (!text.empty() && skip(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && skip(text.back()))
        text.remove_suffix(1);
    return text;
}

// Lines of the text, a line end being CR LF, CR or LF.
int countLines(std::string_view text)
{
    if (text.empty())
        return 0;
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++lines;
        } else if (text[i] == '\n') {
            ++lines;
        }
    }
    return lines;
}

void cutToHeader(Grid& grd)
{
    grd.setRows(kGrdHeaderRows);
    grd.setCols(2);
}

} // namespace

bool pasteClipboardToGrid(ConversionTab& tab)
{
    platform::BusyPointer busy(tab.pointer);
    Grid& grd = tab.grd;
    try {
        const std::string clip = tab.clipboard.text();
        // Clipboard text may end its lines with CR LF, CR or a bare LF (the usual end here), so
        // every one of them ends a row rather than only CR.
        const std::string_view text = trimBlanksAndLineEnds(clip);
        if (text.empty()) {
            cutToHeader(grd);
            setupChannelGrid(tab);
            return true;
        }
        detail::RedrawOff redrawOff(grd);
        grd.clearAll();
        // Shrunk before it is widened, so that the new shape never copies a tall old one.
        grd.setRows(kGrdHeaderRows);
        const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
        const platform::Fields cells(firstLine, "\t");
        grd.setCols(cells.count() + 1);
        grd.setRows(countLines(text) + kGrdHeaderRows);
        grd.select(kGrdFirstSampleRow, 1, grd.rows() - 1, grd.cols() - 1);
        grd.setClip(text);
        setupChannelGrid(tab);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace corvalet::manipulate

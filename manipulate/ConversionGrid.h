#pragma once
// The conversion grid `grd` of the editor's "Make LAS From..." tab: depth-indexed samples, one
// column per channel, under four header rows that name each channel, give its unit and say
// whether it is converted. The grid-to-LAS writer reads it from row 4 with column 1 as the depth.
//
//   row 0  "Channels-->" | "Chan #1", "Chan #2", ...
//   row 1  "Name"        | channel names (column 1 "DEPT")
//   row 2  "Unit"        | channel units (column 1 "M" in Canada, else "FT")
//   row 3  "Use?"        | check boxes
//   row 4.. samples as text, one input line per row
//
// Cells hold the text as read; nothing is converted to a number on import.
#include "platform/Grid.h"

#include <string>
#include <string_view>

namespace corvalet::core {
struct AppState;
}

namespace corvalet::platform {
class Clipboard;
class Dialogs;
class EventPump;
class PointerDisplay;
class TextBox;
} // namespace corvalet::platform

namespace corvalet::manipulate {

inline constexpr int kGrdHeaderRows = 4;        // rows 0..3; samples start at row 4
inline constexpr int kGrdFirstSampleRow = 4;
inline constexpr platform::Color kGrdHeaderColor = platform::rgb(255, 255, 128);
inline constexpr int kGrdExtraTwips = 200;
// The most channels the channel-count box accepts: a slip of the finger must not ask for a grid
// of billions of cells.
inline constexpr int kGrdMaxTypedChannels = 10000;      // spare width added when columns are fitted
// What a missing or unreadable sample of a platform export is written as.
inline constexpr std::string_view kGrdMissingSample = "-999.25";

// The conversion grid with the controls and services its procedures use. The editor owns every
// one of them; this only ties them together for the conversion tab.
struct ConversionTab {
    platform::Grid& grd;
    platform::TextBox& nChanT;            // "Set number of Channels"
    core::AppState& state;                // country, quietMode, userCancelled, asciiInputFile
    platform::Dialogs& dialogs;
    platform::Clipboard& clipboard;
    platform::EventPump& eventPump;
    platform::PointerDisplay& pointer;
};

// "M" when the country is Canada (any case), else "FT".
[[nodiscard]] std::string grdDepthUnit(const core::AppState& state);

// Writes the header rows: the labels of column 0, "DEPT" and the depth unit in column 1, "Chan #c"
// and a checked Use? box in every channel column; paints rows 1..3 of the channel columns, fits
// the columns, shows the channel count in nChanT and makes (3, 1) the current cell. Names and
// units of the other columns stay. The grid gets at least 4 rows and 2 columns.
void setupChannelGrid(ConversionTab& tab);

// The Enter key in nChanT: after the user confirms that fewer columns lose data, gives the grid
// the typed number of channel columns (plus the label column) and rewrites the header rows. A
// text that is not a whole number from 1 to kGrdMaxTypedChannels leaves the grid alone, and so
// does a shape too large for memory. The key is swallowed. True when the grid was reshaped.
bool nChanTKeyPress(ConversionTab& tab, int& keyAscii);

// Delimiter of the tab's options: 0 a blank, 1 a tab, 2 a comma, 3 (or any other) "" = find it.
[[nodiscard]] std::string delimiterOfOption(int option);

// The "&File" button: asks for the ASCII file to load, keeps its path in asciiInputFile and loads
// it with the delimiter of the option. False when the user cancelled or the import failed; the
// caller then refreshes what depends on the grid either way.
bool loadAsciiFileButton(ConversionTab& tab, int delimiterOption);

// Fills the grid from the clipboard text: rows at line ends (CR LF, CR or LF), cells at tabs,
// the samples from row 4, column 1. An empty clipboard cuts the grid to its header rows and two
// columns. Returns true, or false when an error stopped it.
bool pasteClipboardToGrid(ConversionTab& tab);

} // namespace corvalet::manipulate

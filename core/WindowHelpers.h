#pragma once
// Helpers every window uses on its controls: the shared font, list selection, the file list
// refresh that keeps its selection, grid sizing, the grid clipboard and edit keys, and the
// placement of a child window in the main window.
#include "platform/BusyPointer.h"
#include "platform/Clipboard.h"
#include "platform/Controls.h"
#include "platform/Grid.h"
#include "platform/Window.h"
#include "platform/WindowHost.h"

#include <functional>
#include <optional>
#include <string>

namespace corvalet::core {

// The shared font (uiFontName, uiFontSize, uiFontBold).
struct FontSettings {
    std::string name = "Arial";
    double size = 10.0;
    bool bold = false;
};

// Height of a one-line menu bar in twips (19 pixels), the default extra width of the sizing.
inline constexpr int kMenuBarTwips = 19 * platform::Grid::kTwipsPerPixel;

// Every control of the window that has a font takes the shared one, in index order.
void applyFontToControls(platform::Window& window, const FontSettings& font);
// Every grid of the window takes the shared font; other controls are left alone.
void applyGridFonts(platform::Window& window, const FontSettings& font);
// Pointer codes of setMousePointer.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;
// 11 shows the hourglass for the whole application, 0 the default pointer again (other codes
// are ignored). Repeated 11s need one 0; a job's own BusyPointer guard is not undone by it.
void setMousePointer(platform::PointerDisplay& display, int code);
// Asks the control's view to repaint.
void refreshControl(platform::Control& control);
[[nodiscard]] int countSelected(const platform::ListBox& list);
// Lower-cases `text` (in the caller's variable), then selects the first entry equal to it
// without regard to case and scrolls it to the top. Returns its index; 0 when none matches.
int selectListItem(platform::ListBox& list, std::string& text);
// The same search, telling "not found" apart from "found at 0".
std::optional<int> selectListItemFound(platform::ListBox& list, std::string& text);
// Re-reads the folder, reselects the files that are still there, and sets the list's Tag to
// "File List (" pattern ")".
void refreshFileList(platform::FileList& list);
// The size label of a file list: "Total bytes :" and the summed length of the selected files
// that exist ("Total bytes :" alone when the sizes cannot be read).
void showSelectedBytes(const platform::FileList& list, platform::Label& sizeLabel);
// Sizes the grid's columns and/or rows to their contents. A negative `extra` becomes
// `menuBarTwips` and is written back. Mode 1: widths (+extra); -1: row heights; 0: widths,
// heights, widths; any other mode: nothing.
void autoSizeGridCols(platform::Grid& grid, int& extra, int& mode, int menuBarTwips = kMenuBarTwips);
// Ctrl+C (67) copies the selection, Ctrl+V (86) pastes into it, Ctrl+X (88) copies and
// empties the selected cells. Only the Ctrl flag of `shift` counts. A grid that cannot be
// edited only copies. Returns true when the key was one of them and acted.
bool gridClipboardKeys(platform::Grid& grid, platform::Clipboard& clipboard, int key, int shift);
// Esc (27): the edit text gets the current cell's text back and the result is true (the
// caller cancels the edit); any other key: false.
bool gridEscCancel(platform::Grid& grid, int key);
// Ctrl+Enter: `beep` is called and 0 returned (the key is swallowed); any other key is
// returned unchanged.
int blockCtrlEnter(int key, int shift, const std::function<void()>& beep = {});
void selectAllText(platform::TextBox& box);
// Sets Col, Row, ColSel and RowSel, in this order.
void setGridSel(platform::Grid& grid, int col, int lastCol, int row, int lastRow);
// Fills the host's working area to the right of the side window `flash`; nothing while the
// main window is minimised.
void positionForm(platform::Window& window, const platform::Window& flash, const platform::WindowHost& host);

} // namespace corvalet::core

#pragma once
// The editor's section-order grid "ord": one column per section of the new file, in the order
// the sections are written. Row 0 numbers the columns, row 1 holds the title line written for the
// section (its cell data keeps "~" and the section letter, whatever title the user picks), row 2
// the check box that includes the section. The ~A column always stays last, since the data must
// follow every header section.
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/Grid.h"
#include "platform/Signal.h"

namespace corvalet::core {

struct AppState;

// Rows of the grid.
enum class SectionGridRow : int { Order = 0, Name = 1, Include = 2 };

inline constexpr int kSectionGridRows = 3;
inline constexpr int kSectionGridCols = 7;

// Lays out the empty grid. Does nothing while the editor window is not open.
void setupSectionGrid(const AppState& state, platform::Grid& ord);

// Sets the grid up and fills one column per standard section of the file, in file order: a
// section the file lacks comes first and unchecked. Does nothing while the editor is not open.
void loadSectionGrid(AppState& state, platform::Grid& ord, const std::string& path);

// The title choices offered for a section letter ("" for a letter that is no standard section).
[[nodiscard]] std::string sectionTitleChoices(char letter);

// The user's side of the grid, one handler per event of the grid.
void ordBeforeEdit(platform::Grid& ord, int row, int col);
// An excluded ~V, ~W or ~C section asks first; No includes it again.
void ordAfterEdit(platform::Grid& ord, platform::Dialogs& dialogs, int row, int col);
// The ~A column never moves, nothing moves into its place, and the caption column stays first.
void ordBeforeMoveColumn(const platform::Grid& ord, int col, int& position);
// Renumbers the Order row left to right.
void ordAfterMoveColumn(platform::Grid& ord);
// The tool tip of the row under the mouse.
void ordMouseMove(platform::Grid& ord, int row);

// Connects the handlers above to the grid's events; they stay connected while the returned
// connections live.
[[nodiscard]] std::vector<platform::Connection> connectSectionGrid(platform::Grid& ord, platform::Dialogs& dialogs);

} // namespace corvalet::core

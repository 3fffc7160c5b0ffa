#pragma once
// The editor's header grids: "wrd" shows the ~Well items of the header file (input slot 0) and
// "parg(k)" the ~Parameter items of input slot k, as the new file will carry them. The combine run
// writes the new ~W and ~P sections from these grids, so their layout is an interface: one row per
// item, columns mnemonic, ".", unit, value, ":", description.
//
// The item tables are the section readers' (column 0 mnemonic, 1 unit, 2 value, 3 description),
// with the first item in row 0.
#include "core/Table.h"
#include "platform/BusyPointer.h"
#include "platform/Controls.h"
#include "platform/Grid.h"

#include <string>
#include <string_view>

namespace corvalet::core {
struct AppState;
}

namespace corvalet::manipulate {

namespace headerCol {
inline constexpr int Mnem = 0;
inline constexpr int Dot = 1;
inline constexpr int Unit = 2;
inline constexpr int Value = 3;
inline constexpr int Colon = 4;
inline constexpr int Desc = 5;
} // namespace headerCol
inline constexpr int kHeaderGridCols = 6;

// The ~W items that carry a filter's saved editor settings: kept in wrd but never shown.
[[nodiscard]] bool isFilterSettingItem(std::string_view mnemonic);

// Reads the file's ~W section into state.wellParams and shows it in wrd: row r + 1 for table row r,
// the filter-setting items hidden. A file without ~W gives the heading and one empty row.
void fillWellGrid(core::AppState& state, platform::Grid& wrd, const std::string& path,
                  platform::PointerDisplay& pointer);

// Reads the file's ~P section into `table` and shows parg (the grid of the slot being loaded): one
// row per item with a mnemonic, from row 1. A file without ~P gives the heading alone.
void fillParaGrid(platform::Grid& parg, const std::string& path, core::TextTable& table,
                  platform::PointerDisplay& pointer);

// What both parameter lists show until the user picks an entry.
inline constexpr const char* kParamListPrompt = "From Parameter";

// Offers the table's mnemonics, in table order, in both parameter lists; each list is replaced,
// never appended to, and shows the prompt again, since a pick from the previous file's list no
// longer names anything.
void fillParaList(const core::TextTable& table, platform::ComboBox& first, platform::ComboBox& second);

} // namespace corvalet::manipulate

#include "manipulate/HeaderGrids.h"

#include "core/AppState.h"
#include "core/SectionReaders.h"
#include "manipulate/SettingsGrid.h"
#include "platform/Text.h"

#include <array>
#include <exception>
#include <vector>

namespace corvalet::manipulate {

using platform::Grid;

namespace {

constexpr std::array<const char*, kHeaderGridCols> kHeadings{"MNEM", ".", "UNIT", "VALUE", ":", "DESC"};
constexpr int kTableFields = 3; // mnemonic, unit, value, description

// Switches the grid's redrawing off for the fill and on again however the fill ends.
class RedrawPause {
public:
    explicit RedrawPause(Grid& grid) : m_grid(grid) { m_grid.setRedraw(false); }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;
    ~RedrawPause() { m_grid.setRedraw(true); }

private:
    Grid& m_grid;
};

// An empty grid of the six header columns with its heading row.
void resetToHeading(Grid& grid)
{
    grid.setRows(1);
    grid.setCols(0);
    grid.clearAll();
    grid.setFixedCols(0);
    grid.setCols(kHeaderGridCols);
    grid.setFixedRows(1);
    grid.setRowHidden(0, false);
    for (int c = 0; c < kHeaderGridCols; ++c)
        grid.setText(0, c, kHeadings[std::size_t(c)]);
}

// One item line's cells; an empty table row (a missing section) stays an empty grid row.
void writeItem(Grid& grid, int row, const core::TextTable& table, int item)
{
    if (platform::trimBlanks(table(0, item)).empty())
        return;
    grid.setText(row, headerCol::Mnem, table(0, item));
    grid.setText(row, headerCol::Dot, ".");
    grid.setText(row, headerCol::Unit, table(1, item));
    grid.setText(row, headerCol::Value, table(2, item));
    grid.setText(row, headerCol::Colon, ":");
    grid.setText(row, headerCol::Desc, table(3, item));
}

void finishLayout(Grid& grid)
{
    grid.autoSizeCols(0, kHeaderGridCols - 1);
    for (int c = 0; c < kHeaderGridCols; ++c)
        grid.setColAlignment(c, platform::Align::LeftCenter);
    grid.setRangeBackColor(0, headerCol::Dot, grid.rows() - 1, headerCol::Dot, kShadeColor);
    grid.setRangeBackColor(0, headerCol::Colon, grid.rows() - 1, headerCol::Colon, kShadeColor);
}

} // namespace

bool isFilterSettingItem(std::string_view mnemonic)
{
    return platform::equalsNoCase(mnemonic, "DO_FILTER") || platform::equalsNoCase(mnemonic, "FMT_FILTER") ||
           platform::equalsNoCase(mnemonic, "DVCP_FILTER");
}

void fillWellGrid(core::AppState& state, Grid& wrd, const std::string& path, platform::PointerDisplay& pointer)
{
    const platform::BusyPointer busy(pointer);
    {
        const RedrawPause pause(wrd);
        state.wellParams.redim(kTableFields, 0);
        core::readSectionToArray(state.wellParams, path, 'W');
        const core::TextTable& table = state.wellParams;
        const int last = table.rowUpper();
        resetToHeading(wrd);
        wrd.setRows(last + 2);
        for (int i = 0; i <= last; ++i) {
            writeItem(wrd, i + 1, table, i);
            wrd.setRowHidden(i + 1, isFilterSettingItem(platform::trimBlanks(table(0, i))));
        }
    }
    finishLayout(wrd);
}

void fillParaGrid(Grid& parg, const std::string& path, core::TextTable& table, platform::PointerDisplay& pointer)
{
    parg.setVisible(true);
    const platform::BusyPointer busy(pointer);
    // A failure ends the fill quietly: the grid keeps the rows filled so far.
    try {
        {
            const RedrawPause pause(parg);
            table.redim(kTableFields, 0);
            core::readSectionToArray(table, path, 'P');
            resetToHeading(parg);
            for (int i = 0; i <= table.rowUpper(); ++i) {
                if (platform::trimBlanks(table(0, i)).empty())
                    continue;
                const int row = parg.rows();
                parg.setRows(row + 1);
                writeItem(parg, row, table, i);
            }
        }
        finishLayout(parg);
    } catch (const std::exception&) {
    }
}

void fillParaList(const core::TextTable& table, platform::ComboBox& first, platform::ComboBox& second)
{
    // The first item stands in row 0, so the lists start there; a missing section's empty row adds
    // nothing.
    std::vector<std::string> mnemonics;
    for (int i = 0; i <= table.rowUpper() && table.fieldCount() > 0; ++i)
        if (!platform::trimBlanks(table(0, i)).empty())
            mnemonics.push_back(table(0, i));
    first.clear();
    second.clear();
    first.setItems(mnemonics);
    second.setItems(std::move(mnemonics));
    first.setText(kParamListPrompt);
    second.setText(kParamListPrompt);
}

} // namespace corvalet::manipulate

#include "core/SectionGrid.h"

#include "core/AppState.h"
#include "core/SectionIndex.h"
#include "core/WindowHelpers.h"
#include "platform/Numbers.h"

namespace corvalet::core {

using platform::Align;
using platform::CheckState;
using platform::Grid;

namespace {

constexpr int kOrderRow = int(SectionGridRow::Order);
constexpr int kNameRow = int(SectionGridRow::Name);
constexpr int kIncludeRow = int(SectionGridRow::Include);

void centreColumns(Grid& ord, int lastCol)
{
    for (int r = 0; r < kSectionGridRows; ++r)
        for (int c = 0; c <= lastCol; ++c)
            ord.setAlignment(r, c, Align::CenterCenter);
}

void fitColumns(Grid& ord)
{
    int extra = 0;
    int mode = 1;
    autoSizeGridCols(ord, extra, mode);
}

// The section letter of a column: the second character of its "~V" cell data, else of its title.
char sectionLetter(const Grid& ord, int col)
{
    const std::string& data = ord.cellData(kNameRow, col);
    const std::string& key = data.size() >= 2 ? data : ord.text(kNameRow, col);
    if (key.size() < 2 || key[0] != '~')
        return '\0';
    return key[1];
}

} // namespace

void setupSectionGrid(const AppState& state, Grid& ord)
{
    if (!state.mmmOpen)
        return;
    ord.setRedraw(false);
    ord.clearAll();
    ord.setRows(kSectionGridRows);
    ord.setCols(kSectionGridCols);
    ord.setFixedRows(1);
    ord.setFixedCols(1);
    ord.setEditable(true);
    for (int c = 1; c < kSectionGridCols; ++c)
        ord.setText(kOrderRow, c, std::to_string(c));
    ord.setText(kOrderRow, 0, "Order");
    ord.setText(kNameRow, 0, "Section Name");
    ord.setText(kIncludeRow, 0, "Include?");
    for (int c = 1; c <= 4; ++c)
        ord.setCheckState(kIncludeRow, c, CheckState::Checked);
    centreColumns(ord, 4);
    ord.setRedraw(true);
}

void loadSectionGrid(AppState& state, Grid& ord, const std::string& path)
{
    if (!state.mmmOpen)
        return;
    TextTable list;
    // A file that cannot be read leaves the list empty: six unchecked columns titled "~".
    getSectionOrder(state, path, list);
    setupSectionGrid(state, ord);
    ord.setRedraw(false);
    for (int k = 1; k <= 6 && k < kSectionGridCols; ++k) {
        const std::string position = list.contains(0, k) ? list(0, k) : std::string();
        const std::string name = list.contains(1, k) ? list(1, k) : std::string();
        const bool present = platform::leadingNumber(position) != 0;
        ord.setCheckState(kIncludeRow, k, present ? CheckState::Checked : CheckState::Unchecked);
        ord.setText(kNameRow, k, "~" + name);
        ord.setCellData(kNameRow, k, "~" + name.substr(0, 1));
    }
    centreColumns(ord, ord.cols() - 1);
    fitColumns(ord);
    ord.setRedraw(true);
}

std::string sectionTitleChoices(char letter)
{
    switch (letter) {
    case 'V': case 'v': return "~V|~Version|~Version Information";
    case 'W': case 'w': return "~W|~Well|~Well Information";
    case 'C': case 'c': return "~C|~Curve|~Curve Information";
    case 'P': case 'p': return "~P|~Parameter|~Parameter Information";
    case 'O': case 'o': return "~O|~Other|~Other Information";
    case 'A': case 'a': return "~A|~ASCII|";
    default: return {};
    }
}

void ordBeforeEdit(Grid& ord, int row, int col)
{
    ord.setEditList(row == kNameRow ? sectionTitleChoices(sectionLetter(ord, col)) : std::string());
}

void ordAfterEdit(Grid& ord, platform::Dialogs& dialogs, int row, int col)
{
    if (row == kIncludeRow && ord.checkState(row, col) == CheckState::Unchecked) {
        const char letter = sectionLetter(ord, col);
        if (letter == 'V' || letter == 'W' || letter == 'C' || letter == 'v' || letter == 'w' || letter == 'c') {
            using namespace platform;
            const int answer = dialogs.msgBox("Choosing not to include this section, " + ord.text(kNameRow, col) +
                                                  ", will produce a LAS Certification error. Proceed?",
                                              MsgStyle::YesNo + MsgStyle::DefaultButton2, "Warning!");
            if (answer == MsgResult::No)
                ord.setCheckState(row, col, CheckState::Checked);
        }
    }
    fitColumns(ord);
}

void ordBeforeMoveColumn(const Grid& ord, int col, int& position)
{
    const int last = ord.cols() - 1;
    if (col == last || position == last || position < ord.fixedCols() || col < ord.fixedCols())
        position = col;
}

void ordAfterMoveColumn(Grid& ord)
{
    for (int c = 1; c < ord.cols(); ++c)
        ord.setText(kOrderRow, c, std::to_string(c));
}

void ordMouseMove(Grid& ord, int row)
{
    switch (row) {
    case kOrderRow: ord.setToolTipText("Drag header cell left or right"); break;
    case kNameRow: ord.setToolTipText("Section name"); break;
    case kIncludeRow: ord.setToolTipText("Check to include section"); break;
    default: break;
    }
}

std::vector<platform::Connection> connectSectionGrid(Grid& ord, platform::Dialogs& dialogs)
{
    std::vector<platform::Connection> links;
    links.push_back(ord.beforeEdit.connect([&ord](int row, int col, bool&) { ordBeforeEdit(ord, row, col); }));
    links.push_back(ord.afterEdit.connect([&ord, &dialogs](int row, int col) { ordAfterEdit(ord, dialogs, row, col); }));
    links.push_back(ord.beforeMoveColumn.connect([&ord](int col, int& position) { ordBeforeMoveColumn(ord, col, position); }));
    links.push_back(ord.afterMoveColumn.connect([&ord](int, int) { ordAfterMoveColumn(ord); }));
    links.push_back(ord.mouseMove.connect([&ord](int, int, int row, int) { ordMouseMove(ord, row); }));
    return links;
}

} // namespace corvalet::core

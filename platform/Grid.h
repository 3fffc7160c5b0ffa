#pragma once
// The grid control model: every tabular window of the program is one of these. Cells are
// addressed by (row, col) from 0; the first fixedRows() rows and fixedCols() columns are the
// headers. Text lives in one row-major vector; the rarer attributes (cell data, check state,
// colours, bold, alignment) live in a side table holding only the cells that set one, so a
// grid of tens of thousands of rows costs little more than its texts.
//
// Two audiences listen:
//  - the owner (a window model) gets the user events: before/start/change/after edit, cell
//    button, click, key down/press, mouse, column drag;
//  - the view gets change notices: cellsChanged for a range of cells, structureChanged when
//    rows/columns are added, removed or moved, geometryChanged for hidden rows/columns and
//    sizes, selectionChanged. While redraw is off the notices are collected and sent once when
//    it is switched back on. Every notice follows a real change only.
#include "platform/Control.h"
#include "platform/Signal.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvalet::platform {

// Check state of a cell: 0 no check box, 1 checked, 2 unchecked.
enum class CheckState : int { None = 0, Checked = 1, Unchecked = 2 };

// Cell alignment, numbered as the window models give it.
enum class Align : int {
    LeftTop = 0, LeftCenter = 1, LeftBottom = 2,
    CenterTop = 3, CenterCenter = 4, CenterBottom = 5,
    RightTop = 6, RightCenter = 7, RightBottom = 8,
    General = 9, // text left, numbers right
};

// Key codes and shift bits used by the key events.
namespace keys {
inline constexpr int Backspace = 8, Tab = 9, Enter = 13, Escape = 27, Delete = 46;
inline constexpr int ShiftFlag = 1, CtrlFlag = 2, AltFlag = 4;
} // namespace keys

// Which parts of a cell a clear removes.
enum class ClearWhat { Everything, Formatting, Text };

// Width of a text in twips as the current font draws it; the view installs a real measurer,
// headless grids estimate 8 pixels per character.
using TextMeasure = std::function<int(std::string_view text, bool bold)>;

class Grid : public Control {
public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kFitWidth = -1; // a column width of -1 fits the column to its contents

    Grid(int rows = 2, int cols = 2, int fixedRows = 1, int fixedCols = 1, std::string name = {}, int index = -1);

    // --- shape
    [[nodiscard]] int rows() const { return m_rows; }
    [[nodiscard]] int cols() const { return m_cols; }
    [[nodiscard]] int fixedRows() const { return m_fixedRows; }
    [[nodiscard]] int fixedCols() const { return m_fixedCols; }
    // Growing keeps every cell; shrinking drops the cells outside. Counts below 0 count as 0.
    void setRows(int rows);
    void setCols(int cols);
    void setFixedRows(int n);
    void setFixedCols(int n);
    // Removes every text and attribute (the shape stays).
    void clearAll();
    // Moves column `from` to position `to`, shifting those between; widths and attributes move
    // with their cells.
    void moveColumn(int from, int to);
    void removeRow(int row);
    void insertRow(int row);

    // --- cells (out-of-range reads give the empty value; out-of-range writes are ignored)
    [[nodiscard]] const std::string& text(int row, int col) const;
    void setText(int row, int col, std::string text);
    [[nodiscard]] const std::string& cellData(int row, int col) const;
    void setCellData(int row, int col, std::string data);
    [[nodiscard]] CheckState checkState(int row, int col) const;
    void setCheckState(int row, int col, CheckState state);
    // (The grid-wide colours are Control's backColor()/foreColor().)
    using Control::backColor;
    using Control::setBackColor;
    using Control::foreColor;
    using Control::setForeColor;
    [[nodiscard]] Color backColor(int row, int col) const;
    void setBackColor(int row, int col, Color color);
    [[nodiscard]] Color foreColor(int row, int col) const;
    void setForeColor(int row, int col, Color color);
    [[nodiscard]] bool bold(int row, int col) const;
    void setBold(int row, int col, bool bold);
    // The cell's own alignment, else its column's.
    [[nodiscard]] Align alignment(int row, int col) const;
    void setAlignment(int row, int col, Align align);
    [[nodiscard]] Align colAlignment(int col) const;
    void setColAlignment(int col, Align align);
    // Sets one attribute on every cell of a range (rows r1..r2, cols c1..c2, inclusive).
    void setRangeBackColor(int r1, int c1, int r2, int c2, Color color);
    void setRangeBold(int r1, int c1, int r2, int c2, bool bold);
    // Removes text and/or formatting of a range (inclusive, any corner order).
    void clearRange(int r1, int c1, int r2, int c2, ClearWhat what = ClearWhat::Everything);

    // --- rows and columns
    [[nodiscard]] bool rowHidden(int row) const;
    void setRowHidden(int row, bool hidden);
    [[nodiscard]] bool colHidden(int col) const;
    void setColHidden(int col, bool hidden);
    // Column width in twips (15 per pixel at 96 dpi); kFitWidth = fit to contents.
    [[nodiscard]] int colWidth(int col) const;
    void setColWidth(int col, int twips);
    // Row height in twips; -1 = the default height.
    [[nodiscard]] int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    // Sizes columns c1..c2 to their widest text plus `extraTwips`.
    void autoSizeCols(int c1, int c2, int extraTwips = 0);
    // Sizes rows r1..r2 to their number of text lines.
    void autoSizeRows(int r1, int r2);
    void setTextMeasure(TextMeasure measure);

    // --- current cell and selection
    [[nodiscard]] int row() const { return m_row; }
    [[nodiscard]] int col() const { return m_col; }
    [[nodiscard]] int rowSel() const { return m_rowSel; }
    [[nodiscard]] int colSel() const { return m_colSel; }
    // Setting Row or Col also collapses the selection onto the new current cell.
    void setRow(int row);
    void setCol(int col);
    void setRowSel(int row);
    void setColSel(int col);
    // One call for a whole selection: (row, col) current, (rowSel, colSel) the other corner.
    void select(int row, int col, int rowSel, int colSel);
    [[nodiscard]] int selTop() const { return std::min(m_row, m_rowSel); }
    [[nodiscard]] int selBottom() const { return std::max(m_row, m_rowSel); }
    [[nodiscard]] int selLeft() const { return std::min(m_col, m_colSel); }
    [[nodiscard]] int selRight() const { return std::max(m_col, m_colSel); }
    [[nodiscard]] int topRow() const { return m_topRow; }
    void setTopRow(int row);

    // --- clipboard text of the selection: cells separated by TAB, rows by CR
    [[nodiscard]] std::string clip() const;
    // Fills the selection from its top-left corner; rows may end with CR, LF or CR LF; a block
    // larger than the selection is cut, cells of the selection the block does not reach keep
    // their text.
    void setClip(std::string_view text);

    // --- editing
    [[nodiscard]] bool editable() const { return m_editable; }
    void setEditable(bool editable);
    // The choice list the next edit offers: "" plain text, "a|b|c" a fixed list, "|a|b" an
    // editable list, "..." a cell button. The owner sets it in its before-edit handler.
    [[nodiscard]] const std::string& editList() const { return m_editList; }
    void setEditList(std::string list) { m_editList = std::move(list); }
    [[nodiscard]] bool editListIsButton() const { return m_editList == "..."; }
    [[nodiscard]] bool editListIsEditable() const { return !m_editList.empty() && m_editList.front() == '|'; }
    // The entries of the choice list (none for plain text and the cell button).
    [[nodiscard]] std::vector<std::string> editChoices() const;

    // User actions. beginEdit raises before edit (which may cancel) and start edit; it makes
    // (row, col) the current cell and loads the cell's text into the edit text.
    bool beginEdit(int row, int col);
    [[nodiscard]] bool isEditing() const { return m_editing; }
    [[nodiscard]] int editRow() const { return m_editRow; }
    [[nodiscard]] int editCol() const { return m_editCol; }
    [[nodiscard]] const std::string& editText() const { return m_editText; }
    // Raises change edit when the text differs.
    void setEditText(std::string text);
    // Passes a typed key through the owner's key-press-edit handler; returns the key to use
    // (0 = refused).
    int filterEditKey(int keyAscii);
    // Puts the cell's own text back into the edit text (no change edit).
    void revertEditText();
    // Writes the edit text into the cell, ends the edit and raises after edit.
    void commitEdit();
    // Ends the edit, the cell keeps its text; no after edit.
    void cancelEdit();
    // A click on a check box cell: before edit (may cancel), toggle, after edit.
    bool userToggleCheck(int row, int col);
    // A click on the "..." button of the cell in edit. When the owner's handler writes the
    // cell, the edit text takes the new text.
    void userCellButton();
    // The owner starts the editor on the current cell (double click handlers): the view opens
    // its editor; without a view the edit begins here.
    void editCell();
    // A drag of header cell `from` to position `to`: before move (the owner may change the
    // position; the column's own position refuses), move, after move. Returns true if moved.
    bool userMoveColumn(int from, int to);
    void userClick() { click.send(); }
    void userDblClick() { dblClick.send(); }
    // Returns the key code after the owner's handler (0 = swallowed).
    int userKeyDown(int keyCode, int shift);
    int userKeyPress(int keyAscii);
    void userMouseDown(int button, int shift, int row, int col);
    void userMouseMove(int button, int shift, int row, int col);
    [[nodiscard]] int mouseRow() const { return m_mouseRow; }
    [[nodiscard]] int mouseCol() const { return m_mouseCol; }

    // --- redraw suspension
    [[nodiscard]] bool redraw() const { return m_redraw; }
    void setRedraw(bool on);

    // --- owner events
    Signal<int, int, bool&> beforeEdit;      // row, col, cancel
    Signal<int, int, bool&> startEdit;       // row, col, cancel; the cell still holds its old text
    Signal<int, int> changeEdit;             // row, col; editText() holds the new text
    Signal<int, int> afterEdit;              // row, col
    Signal<int, int, int&> keyPressEdit;     // row, col, key (set 0 to refuse)
    Signal<int, int> cellButtonClick;        // row, col
    Signal<> click;
    Signal<> dblClick;
    Signal<int&, int> keyDown;               // key code (set 0 to swallow), shift
    Signal<int&> keyPress;                   // key (set 0 to swallow)
    Signal<int, int, int, int> mouseDown;    // button, shift, row, col
    Signal<int, int, int, int> mouseMove;    // button, shift, row, col
    Signal<int, int&> beforeMoveColumn;      // col, position (set to col to refuse)
    Signal<int, int> afterMoveColumn;        // old col, new position

    // --- view notices
    Signal<int, int, int, int> cellsChanged; // r1, c1, r2, c2 (inclusive)
    Signal<> structureChanged;
    Signal<> geometryChanged;
    Signal<> selectionChanged;
    Signal<> editRequested;
    // (Control::changed: font, tooltip, colours, enabled, visible)

private:
    struct CellAttr {
        std::string data;
        Color back = kDefaultColor;
        Color fore = kDefaultColor;
        CheckState check = CheckState::None;
        std::int8_t align = -1;
        bool bold = false;
        [[nodiscard]] bool plain() const
        {
            return data.empty() && back == kDefaultColor && fore == kDefaultColor &&
                   check == CheckState::None && align < 0 && !bold;
        }
    };

    [[nodiscard]] bool inside(int row, int col) const { return row >= 0 && col >= 0 && row < m_rows && col < m_cols; }
    [[nodiscard]] std::size_t index(int row, int col) const { return std::size_t(row) * std::size_t(m_cols) + std::size_t(col); }
    [[nodiscard]] static std::uint64_t key(int row, int col) { return (std::uint64_t(std::uint32_t(row)) << 32) | std::uint32_t(col); }
    [[nodiscard]] const CellAttr* attr(int row, int col) const;
    CellAttr& attrFor(int row, int col);
    void dropIfPlain(int row, int col);
    // Changes one attribute of one cell; notifies when it changed.
    template <class Fn> void changeAttr(int row, int col, Fn&& change);
    template <class Fn> void forRange(int r1, int c1, int r2, int c2, Fn&& each);
    void reshape(int rows, int cols);
    void noteCells(int r1, int c1, int r2, int c2);
    void noteStructure();
    void noteGeometry();
    void noteSelection();
    [[nodiscard]] int clampRow(int row) const;
    [[nodiscard]] int clampCol(int col) const;

    int m_rows = 0, m_cols = 0, m_fixedRows = 0, m_fixedCols = 0;
    std::vector<std::string> m_text;
    std::unordered_map<std::uint64_t, CellAttr> m_attr;
    std::vector<char> m_rowHidden;
    std::vector<int> m_rowHeight;
    std::vector<char> m_colHidden;
    std::vector<int> m_colWidth;
    std::vector<std::int8_t> m_colAlign;

    int m_row = 0, m_col = 0, m_rowSel = 0, m_colSel = 0, m_topRow = 0;
    int m_mouseRow = -1, m_mouseCol = -1;

    bool m_editable = true;
    std::string m_editList;
    bool m_editing = false;
    int m_editRow = -1, m_editCol = -1;
    std::string m_editText;

    bool m_redraw = true;
    bool m_pendingStructure = false, m_pendingGeometry = false, m_pendingSelection = false;
    bool m_pendingCells = false;
    int m_pr1 = 0, m_pc1 = 0, m_pr2 = 0, m_pc2 = 0;

    TextMeasure m_measure;
};

} // namespace corvalet::platform

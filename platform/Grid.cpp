#include "platform/Grid.h"

#include <utility>

namespace corvalet::platform {

namespace {
const std::string kEmpty;

int countLines(std::string_view text)
{
    int lines = 1;
    for (char c : text)
        if (c == '\n')
            ++lines;
    return lines;
}
} // namespace

Grid::Grid(int rows, int cols, int fixedRows, int fixedCols, std::string name, int index)
    : Control(std::move(name), index)
{
    reshape(std::max(rows, 0), std::max(cols, 0));
    m_fixedRows = std::clamp(fixedRows, 0, m_rows);
    m_fixedCols = std::clamp(fixedCols, 0, m_cols);
    m_row = m_rowSel = std::min(m_fixedRows, std::max(m_rows - 1, 0));
    m_col = m_colSel = std::min(m_fixedCols, std::max(m_cols - 1, 0));
}

// ---------------------------------------------------------------- notices

void Grid::noteCells(int r1, int c1, int r2, int c2)
{
    if (r1 > r2)
        std::swap(r1, r2);
    if (c1 > c2)
        std::swap(c1, c2);
    if (m_redraw) {
        cellsChanged.send(r1, c1, r2, c2);
        return;
    }
    if (!m_pendingCells) {
        m_pendingCells = true;
        m_pr1 = r1, m_pc1 = c1, m_pr2 = r2, m_pc2 = c2;
    } else {
        m_pr1 = std::min(m_pr1, r1), m_pc1 = std::min(m_pc1, c1);
        m_pr2 = std::max(m_pr2, r2), m_pc2 = std::max(m_pc2, c2);
    }
}

void Grid::noteStructure()
{
    if (m_redraw)
        structureChanged.send();
    else
        m_pendingStructure = true;
}

void Grid::noteGeometry()
{
    if (m_redraw)
        geometryChanged.send();
    else
        m_pendingGeometry = true;
}

void Grid::noteSelection()
{
    if (m_redraw)
        selectionChanged.send();
    else
        m_pendingSelection = true;
}

void Grid::setRedraw(bool on)
{
    if (on == m_redraw)
        return;
    m_redraw = on;
    if (!on)
        return;
    // A structural change re-reads everything, so it covers the cells and the geometry too.
    const bool structure = std::exchange(m_pendingStructure, false);
    const bool geometry = std::exchange(m_pendingGeometry, false);
    const bool cells = std::exchange(m_pendingCells, false);
    const bool selection = std::exchange(m_pendingSelection, false);
    if (structure) {
        structureChanged.send();
    } else {
        if (geometry)
            geometryChanged.send();
        if (cells) {
            // The collected range may reach past a shrink that followed it.
            const int r2 = std::min(m_pr2, m_rows - 1), c2 = std::min(m_pc2, m_cols - 1);
            if (m_pr1 <= r2 && m_pc1 <= c2)
                cellsChanged.send(m_pr1, m_pc1, r2, c2);
        }
    }
    if (selection)
        selectionChanged.send();
}

// ---------------------------------------------------------------- shape

void Grid::reshape(int rows, int cols)
{
    if (rows == m_rows && cols == m_cols)
        return;
    if (cols == m_cols) {
        m_text.resize(std::size_t(rows) * std::size_t(cols));
    } else {
        std::vector<std::string> text(std::size_t(rows) * std::size_t(cols));
        const int keepRows = std::min(rows, m_rows), keepCols = std::min(cols, m_cols);
        for (int r = 0; r < keepRows; ++r)
            for (int c = 0; c < keepCols; ++c)
                text[std::size_t(r) * std::size_t(cols) + std::size_t(c)] = std::move(m_text[index(r, c)]);
        m_text = std::move(text);
    }
    if (rows < m_rows || cols < m_cols)
        std::erase_if(m_attr, [&](const auto& item) {
            return int(item.first >> 32) >= rows || int(item.first & 0xFFFFFFFFu) >= cols;
        });
    m_rowHidden.resize(std::size_t(rows), 0);
    m_rowHeight.resize(std::size_t(rows), -1);
    m_colHidden.resize(std::size_t(cols), 0);
    m_colWidth.resize(std::size_t(cols), 1000);
    m_colAlign.resize(std::size_t(cols), std::int8_t(Align::General));
    m_rows = rows;
    m_cols = cols;
    m_fixedRows = std::min(m_fixedRows, rows);
    m_fixedCols = std::min(m_fixedCols, cols);
}

int Grid::clampRow(int row) const { return m_rows == 0 ? 0 : std::clamp(row, 0, m_rows - 1); }
int Grid::clampCol(int col) const { return m_cols == 0 ? 0 : std::clamp(col, 0, m_cols - 1); }

void Grid::setRows(int rows)
{
    rows = std::max(rows, 0);
    if (rows == m_rows)
        return;
    if (m_editing && m_editRow >= rows)
        cancelEdit();
    reshape(rows, m_cols);
    const int row = clampRow(m_row), rowSel = clampRow(m_rowSel);
    const bool moved = row != m_row || rowSel != m_rowSel;
    m_row = row, m_rowSel = rowSel;
    m_topRow = clampRow(m_topRow);
    noteStructure();
    if (moved)
        noteSelection();
}

void Grid::setCols(int cols)
{
    cols = std::max(cols, 0);
    if (cols == m_cols)
        return;
    if (m_editing && m_editCol >= cols)
        cancelEdit();
    reshape(m_rows, cols);
    const int col = clampCol(m_col), colSel = clampCol(m_colSel);
    const bool moved = col != m_col || colSel != m_colSel;
    m_col = col, m_colSel = colSel;
    noteStructure();
    if (moved)
        noteSelection();
}

void Grid::setFixedRows(int n)
{
    n = std::clamp(n, 0, m_rows);
    if (n == m_fixedRows)
        return;
    m_fixedRows = n;
    noteStructure();
}

void Grid::setFixedCols(int n)
{
    n = std::clamp(n, 0, m_cols);
    if (n == m_fixedCols)
        return;
    m_fixedCols = n;
    noteStructure();
}

void Grid::clearAll()
{
    if (m_rows == 0 || m_cols == 0)
        return;
    clearRange(0, 0, m_rows - 1, m_cols - 1, ClearWhat::Everything);
}

void Grid::moveColumn(int from, int to)
{
    if (from < 0 || from >= m_cols || to < 0 || to >= m_cols || from == to)
        return;
    if (m_editing)
        cancelEdit();
    // Rotate every per-column store the same way.
    auto rotate = [&](auto first, auto count) {
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else
            std::rotate(first + to, first + from, first + from + 1);
        (void)count;
    };
    for (int r = 0; r < m_rows; ++r)
        rotate(m_text.begin() + std::ptrdiff_t(index(r, 0)), m_cols);
    rotate(m_colHidden.begin(), m_cols);
    rotate(m_colWidth.begin(), m_cols);
    rotate(m_colAlign.begin(), m_cols);
    auto newCol = [&](int c) {
        if (c == from)
            return to;
        if (from < to && c > from && c <= to)
            return c - 1;
        if (to < from && c >= to && c < from)
            return c + 1;
        return c;
    };
    std::unordered_map<std::uint64_t, CellAttr> moved;
    moved.reserve(m_attr.size());
    for (auto& [k, a] : m_attr)
        moved.emplace(key(int(k >> 32), newCol(int(k & 0xFFFFFFFFu))), std::move(a));
    m_attr = std::move(moved);
    noteStructure();
}

void Grid::removeRow(int row)
{
    if (row < 0 || row >= m_rows)
        return;
    if (m_editing)
        cancelEdit();
    m_text.erase(m_text.begin() + std::ptrdiff_t(index(row, 0)), m_text.begin() + std::ptrdiff_t(index(row + 1, 0)));
    m_rowHidden.erase(m_rowHidden.begin() + row);
    m_rowHeight.erase(m_rowHeight.begin() + row);
    std::unordered_map<std::uint64_t, CellAttr> kept;
    for (auto& [k, a] : m_attr) {
        const int r = int(k >> 32), c = int(k & 0xFFFFFFFFu);
        if (r != row)
            kept.emplace(key(r > row ? r - 1 : r, c), std::move(a));
    }
    m_attr = std::move(kept);
    --m_rows;
    m_fixedRows = std::min(m_fixedRows, m_rows);
    m_row = clampRow(m_row), m_rowSel = clampRow(m_rowSel), m_topRow = clampRow(m_topRow);
    noteStructure();
}

void Grid::insertRow(int row)
{
    row = std::clamp(row, 0, m_rows);
    if (m_editing)
        cancelEdit();
    m_text.insert(m_text.begin() + std::ptrdiff_t(std::size_t(row) * std::size_t(m_cols)), std::size_t(m_cols), std::string());
    m_rowHidden.insert(m_rowHidden.begin() + row, 0);
    m_rowHeight.insert(m_rowHeight.begin() + row, -1);
    std::unordered_map<std::uint64_t, CellAttr> kept;
    for (auto& [k, a] : m_attr) {
        const int r = int(k >> 32), c = int(k & 0xFFFFFFFFu);
        kept.emplace(key(r >= row ? r + 1 : r, c), std::move(a));
    }
    m_attr = std::move(kept);
    ++m_rows;
    noteStructure();
}

// ---------------------------------------------------------------- cells

const Grid::CellAttr* Grid::attr(int row, int col) const
{
    if (m_attr.empty())
        return nullptr;
    auto it = m_attr.find(key(row, col));
    return it == m_attr.end() ? nullptr : &it->second;
}

Grid::CellAttr& Grid::attrFor(int row, int col) { return m_attr[key(row, col)]; }

void Grid::dropIfPlain(int row, int col)
{
    auto it = m_attr.find(key(row, col));
    if (it != m_attr.end() && it->second.plain())
        m_attr.erase(it);
}

template <class Fn> void Grid::changeAttr(int row, int col, Fn&& change)
{
    if (!inside(row, col))
        return;
    CellAttr& a = attrFor(row, col);
    const bool changed = change(a);
    dropIfPlain(row, col);
    if (changed)
        noteCells(row, col, row, col);
}

const std::string& Grid::text(int row, int col) const { return inside(row, col) ? m_text[index(row, col)] : kEmpty; }

void Grid::setText(int row, int col, std::string text)
{
    if (!inside(row, col))
        return;
    std::string& cell = m_text[index(row, col)];
    if (cell == text)
        return;
    cell = std::move(text);
    noteCells(row, col, row, col);
}

const std::string& Grid::cellData(int row, int col) const
{
    const CellAttr* a = attr(row, col);
    return a ? a->data : kEmpty;
}

// Cell data is never shown, so it changes no cell on screen and sends no notice.
void Grid::setCellData(int row, int col, std::string data)
{
    if (!inside(row, col))
        return;
    if (data.empty() && !attr(row, col))
        return;
    attrFor(row, col).data = std::move(data);
    dropIfPlain(row, col);
}

CheckState Grid::checkState(int row, int col) const
{
    const CellAttr* a = attr(row, col);
    return a ? a->check : CheckState::None;
}

void Grid::setCheckState(int row, int col, CheckState state)
{
    changeAttr(row, col, [&](CellAttr& a) { return std::exchange(a.check, state) != state; });
}

Color Grid::backColor(int row, int col) const
{
    const CellAttr* a = attr(row, col);
    return a ? a->back : kDefaultColor;
}

void Grid::setBackColor(int row, int col, Color color)
{
    changeAttr(row, col, [&](CellAttr& a) { return std::exchange(a.back, color) != color; });
}

Color Grid::foreColor(int row, int col) const
{
    const CellAttr* a = attr(row, col);
    return a ? a->fore : kDefaultColor;
}

void Grid::setForeColor(int row, int col, Color color)
{
    changeAttr(row, col, [&](CellAttr& a) { return std::exchange(a.fore, color) != color; });
}

bool Grid::bold(int row, int col) const
{
    const CellAttr* a = attr(row, col);
    return a && a->bold;
}

void Grid::setBold(int row, int col, bool bold)
{
    changeAttr(row, col, [&](CellAttr& a) { return std::exchange(a.bold, bold) != bold; });
}

Align Grid::alignment(int row, int col) const
{
    const CellAttr* a = attr(row, col);
    if (a && a->align >= 0)
        return Align(a->align);
    return colAlignment(col);
}

void Grid::setAlignment(int row, int col, Align align)
{
    const auto value = std::int8_t(align);
    changeAttr(row, col, [&](CellAttr& a) { return std::exchange(a.align, value) != value; });
}

Align Grid::colAlignment(int col) const
{
    return (col >= 0 && col < m_cols) ? Align(m_colAlign[std::size_t(col)]) : Align::General;
}

void Grid::setColAlignment(int col, Align align)
{
    if (col < 0 || col >= m_cols || m_colAlign[std::size_t(col)] == std::int8_t(align))
        return;
    m_colAlign[std::size_t(col)] = std::int8_t(align);
    if (m_rows > 0)
        noteCells(0, col, m_rows - 1, col);
}

template <class Fn> void Grid::forRange(int r1, int c1, int r2, int c2, Fn&& each)
{
    // One collected notice for the whole range.
    const bool wasRedraw = m_redraw;
    setRedraw(false);
    for (int r = std::min(r1, r2); r <= std::max(r1, r2); ++r)
        for (int c = std::min(c1, c2); c <= std::max(c1, c2); ++c)
            each(r, c);
    setRedraw(wasRedraw);
}

void Grid::setRangeBackColor(int r1, int c1, int r2, int c2, Color color)
{
    forRange(r1, c1, r2, c2, [&](int r, int c) { setBackColor(r, c, color); });
}

void Grid::setRangeBold(int r1, int c1, int r2, int c2, bool bold)
{
    forRange(r1, c1, r2, c2, [&](int r, int c) { setBold(r, c, bold); });
}

void Grid::clearRange(int r1, int c1, int r2, int c2, ClearWhat what)
{
    if (r1 > r2)
        std::swap(r1, r2);
    if (c1 > c2)
        std::swap(c1, c2);
    r1 = std::max(r1, 0), c1 = std::max(c1, 0);
    r2 = std::min(r2, m_rows - 1), c2 = std::min(c2, m_cols - 1);
    if (r1 > r2 || c1 > c2)
        return;
    bool changed = false;
    if (what != ClearWhat::Formatting) {
        for (int r = r1; r <= r2; ++r)
            for (int c = c1; c <= c2; ++c) {
                std::string& cell = m_text[index(r, c)];
                if (!cell.empty()) {
                    cell.clear();
                    changed = true;
                }
            }
    }
    if (what != ClearWhat::Text && !m_attr.empty()) {
        // Walk whichever is smaller: the range or the attribute table.
        const auto cells = std::uint64_t(r2 - r1 + 1) * std::uint64_t(c2 - c1 + 1);
        if (cells < m_attr.size()) {
            for (int r = r1; r <= r2; ++r)
                for (int c = c1; c <= c2; ++c)
                    changed = m_attr.erase(key(r, c)) > 0 || changed;
        } else {
            changed = std::erase_if(m_attr, [&](const auto& item) {
                          const int r = int(item.first >> 32), c = int(item.first & 0xFFFFFFFFu);
                          return r >= r1 && r <= r2 && c >= c1 && c <= c2;
                      }) > 0 || changed;
        }
    }
    if (changed)
        noteCells(r1, c1, r2, c2);
}

// ---------------------------------------------------------------- rows and columns

bool Grid::rowHidden(int row) const { return row >= 0 && row < m_rows && m_rowHidden[std::size_t(row)]; }

void Grid::setRowHidden(int row, bool hidden)
{
    if (row < 0 || row >= m_rows || bool(m_rowHidden[std::size_t(row)]) == hidden)
        return;
    m_rowHidden[std::size_t(row)] = hidden;
    noteGeometry();
}

bool Grid::colHidden(int col) const { return col >= 0 && col < m_cols && m_colHidden[std::size_t(col)]; }

void Grid::setColHidden(int col, bool hidden)
{
    if (col < 0 || col >= m_cols || bool(m_colHidden[std::size_t(col)]) == hidden)
        return;
    m_colHidden[std::size_t(col)] = hidden;
    noteGeometry();
}

int Grid::colWidth(int col) const { return (col >= 0 && col < m_cols) ? m_colWidth[std::size_t(col)] : 0; }

void Grid::setColWidth(int col, int twips)
{
    if (twips < 0)
        twips = kFitWidth;
    if (col < 0 || col >= m_cols || m_colWidth[std::size_t(col)] == twips)
        return;
    m_colWidth[std::size_t(col)] = twips;
    noteGeometry();
}

int Grid::rowHeight(int row) const { return (row >= 0 && row < m_rows) ? m_rowHeight[std::size_t(row)] : 0; }

void Grid::setRowHeight(int row, int twips)
{
    if (twips < 0)
        twips = -1;
    if (row < 0 || row >= m_rows || m_rowHeight[std::size_t(row)] == twips)
        return;
    m_rowHeight[std::size_t(row)] = twips;
    noteGeometry();
}

void Grid::setTextMeasure(TextMeasure measure) { m_measure = std::move(measure); }

void Grid::autoSizeCols(int c1, int c2, int extraTwips)
{
    if (c1 > c2)
        std::swap(c1, c2);
    c1 = std::max(c1, 0), c2 = std::min(c2, m_cols - 1);
    const bool wasRedraw = m_redraw;
    setRedraw(false);
    for (int c = c1; c <= c2; ++c) {
        int widest = 0;
        for (int r = 0; r < m_rows; ++r) {
            const std::string& t = m_text[index(r, c)];
            if (t.empty())
                continue;
            const bool b = bold(r, c) || fontBold();
            // Padding of 4 pixels each side keeps the text off the grid lines.
            const int w = m_measure ? m_measure(t, b) : int(t.size()) * 8 * kTwipsPerPixel;
            widest = std::max(widest, w);
        }
        setColWidth(c, widest + 8 * kTwipsPerPixel + extraTwips);
    }
    setRedraw(wasRedraw);
}

void Grid::autoSizeRows(int r1, int r2)
{
    if (r1 > r2)
        std::swap(r1, r2);
    r1 = std::max(r1, 0), r2 = std::min(r2, m_rows - 1);
    const bool wasRedraw = m_redraw;
    setRedraw(false);
    const int lineTwips = int(fontSize() * 20.0 * 1.25); // points to twips, with leading
    for (int r = r1; r <= r2; ++r) {
        int lines = 1;
        for (int c = 0; c < m_cols; ++c)
            lines = std::max(lines, countLines(m_text[index(r, c)]));
        setRowHeight(r, lines == 1 ? -1 : lines * lineTwips + 4 * kTwipsPerPixel);
    }
    setRedraw(wasRedraw);
}

// ---------------------------------------------------------------- selection

void Grid::setRow(int row)
{
    row = clampRow(row);
    if (row == m_row && row == m_rowSel)
        return;
    m_row = m_rowSel = row;
    noteSelection();
}

void Grid::setCol(int col)
{
    col = clampCol(col);
    if (col == m_col && col == m_colSel)
        return;
    m_col = m_colSel = col;
    noteSelection();
}

void Grid::setRowSel(int row)
{
    row = clampRow(row);
    if (row == m_rowSel)
        return;
    m_rowSel = row;
    noteSelection();
}

void Grid::setColSel(int col)
{
    col = clampCol(col);
    if (col == m_colSel)
        return;
    m_colSel = col;
    noteSelection();
}

void Grid::select(int row, int col, int rowSel, int colSel)
{
    row = clampRow(row), col = clampCol(col), rowSel = clampRow(rowSel), colSel = clampCol(colSel);
    if (row == m_row && col == m_col && rowSel == m_rowSel && colSel == m_colSel)
        return;
    m_row = row, m_col = col, m_rowSel = rowSel, m_colSel = colSel;
    noteSelection();
}

void Grid::setTopRow(int row)
{
    row = clampRow(row);
    if (row == m_topRow)
        return;
    m_topRow = row;
    noteSelection();
}

// ---------------------------------------------------------------- clipboard text

std::string Grid::clip() const
{
    std::string out;
    if (m_rows == 0 || m_cols == 0)
        return out;
    for (int r = selTop(); r <= selBottom(); ++r) {
        if (r > selTop())
            out += '\r';
        for (int c = selLeft(); c <= selRight(); ++c) {
            if (c > selLeft())
                out += '\t';
            out += m_text[index(r, c)];
        }
    }
    return out;
}

void Grid::setClip(std::string_view text)
{
    if (m_rows == 0 || m_cols == 0)
        return;
    // A line end after the last row ends that row; it does not open an empty one.
    if (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    const int top = selTop(), left = selLeft(), bottom = selBottom(), right = selRight();
    int r = top, lastR = -1, lastC = -1;
    std::size_t pos = 0;
    bool changed = false;
    while (r <= bottom) {
        std::size_t end = text.find_first_of("\r\n", pos);
        const std::string_view line = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        int c = left;
        std::size_t fpos = 0;
        while (c <= right) {
            const std::size_t tab = line.find('\t', fpos);
            const std::string_view field = line.substr(fpos, tab == std::string_view::npos ? std::string_view::npos : tab - fpos);
            std::string& cell = m_text[index(r, c)];
            if (cell != field) {
                cell.assign(field);
                changed = true;
            }
            lastC = std::max(lastC, c);
            ++c;
            if (tab == std::string_view::npos)
                break;
            fpos = tab + 1;
        }
        lastR = r;
        ++r;
        if (end == std::string_view::npos)
            break;
        pos = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    if (changed)
        noteCells(top, left, lastR, lastC);
}

// ---------------------------------------------------------------- editing

void Grid::setEditable(bool editable)
{
    if (editable == m_editable)
        return;
    if (!editable && m_editing)
        cancelEdit();
    m_editable = editable;
}

std::vector<std::string> Grid::editChoices() const
{
    std::vector<std::string> out;
    if (m_editList.empty() || editListIsButton())
        return out;
    std::string_view list = m_editList;
    if (list.front() == '|')
        list.remove_prefix(1);
    std::size_t pos = 0;
    while (true) {
        const std::size_t bar = list.find('|', pos);
        out.emplace_back(list.substr(pos, bar == std::string_view::npos ? std::string_view::npos : bar - pos));
        if (bar == std::string_view::npos)
            break;
        pos = bar + 1;
    }
    // "a|b|" ends with a separator, not with an empty entry.
    if (out.size() > 1 && out.back().empty())
        out.pop_back();
    return out;
}

bool Grid::beginEdit(int row, int col)
{
    if (!m_editable || !inside(row, col) || row < m_fixedRows || col < m_fixedCols)
        return false;
    if (m_editing)
        commitEdit();
    select(row, col, row, col);
    bool cancel = false;
    beforeEdit.send(row, col, cancel);
    if (cancel)
        return false;
    startEdit.send(row, col, cancel);
    if (cancel)
        return false;
    m_editing = true;
    m_editRow = row, m_editCol = col;
    // The before-edit handler may have changed the text (a unit taken from another row).
    m_editText = text(row, col);
    return true;
}

void Grid::setEditText(std::string text)
{
    if (!m_editing || text == m_editText)
        return;
    m_editText = std::move(text);
    changeEdit.send(m_editRow, m_editCol);
}

int Grid::filterEditKey(int keyAscii)
{
    if (m_editing)
        keyPressEdit.send(m_editRow, m_editCol, keyAscii);
    return keyAscii;
}

void Grid::revertEditText()
{
    if (m_editing)
        m_editText = text(m_editRow, m_editCol);
}

void Grid::commitEdit()
{
    if (!m_editing)
        return;
    m_editing = false;
    const int row = m_editRow, col = m_editCol;
    setText(row, col, std::move(m_editText));
    m_editText.clear();
    afterEdit.send(row, col);
}

void Grid::cancelEdit()
{
    m_editing = false;
    m_editText.clear();
}

bool Grid::userToggleCheck(int row, int col)
{
    const CheckState state = checkState(row, col);
    if (!m_editable || state == CheckState::None || row < m_fixedRows || col < m_fixedCols)
        return false;
    if (m_editing)
        commitEdit();
    select(row, col, row, col);
    bool cancel = false;
    beforeEdit.send(row, col, cancel);
    if (cancel)
        return false;
    setCheckState(row, col, state == CheckState::Checked ? CheckState::Unchecked : CheckState::Checked);
    afterEdit.send(row, col);
    return true;
}

void Grid::userCellButton()
{
    if (!m_editing)
        return;
    const int row = m_editRow, col = m_editCol;
    const std::string before = text(row, col);
    cellButtonClick.send(row, col);
    if (m_editing && m_editRow == row && m_editCol == col && text(row, col) != before)
        m_editText = text(row, col);
}

void Grid::editCell()
{
    editRequested.send();
    if (!m_editing)
        beginEdit(m_row, m_col);
}

bool Grid::userMoveColumn(int from, int to)
{
    if (from < 0 || from >= m_cols || to < 0 || to >= m_cols)
        return false;
    int position = to;
    beforeMoveColumn.send(from, position);
    if (position < 0 || position >= m_cols || position == from)
        return false;
    moveColumn(from, position);
    afterMoveColumn.send(from, position);
    return true;
}

int Grid::userKeyDown(int keyCode, int shift)
{
    keyDown.send(keyCode, shift);
    return keyCode;
}

int Grid::userKeyPress(int keyAscii)
{
    keyPress.send(keyAscii);
    return keyAscii;
}

void Grid::userMouseDown(int button, int shift, int row, int col)
{
    m_mouseRow = row, m_mouseCol = col;
    mouseDown.send(button, shift, row, col);
}

void Grid::userMouseMove(int button, int shift, int row, int col)
{
    m_mouseRow = row, m_mouseCol = col;
    mouseMove.send(button, shift, row, col);
}

} // namespace corvalet::platform

#pragma once
// The shared two-dimensional tables, indexed (field, row) with inclusive upper bounds, as the
// program's tables are described: "(0..2, 0..16)" is fieldUpper 2, rowUpper 16. Only the row
// dimension grows while keeping the contents; row 0 is an empty placeholder unless a table's
// owner says otherwise.
#include <cassert>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvalet::core {

template <class T>
class Table {
public:
    Table() = default;
    Table(int fieldUpper, int rowUpper) { redim(fieldUpper, rowUpper); }

    // Resizes to (0..fieldUpper, 0..rowUpper) and clears every cell.
    void redim(int fieldUpper, int rowUpper)
    {
        m_fields = fieldUpper + 1;
        m_rows = rowUpper + 1;
        m_cells.assign(static_cast<std::size_t>(m_fields) * static_cast<std::size_t>(m_rows), T{});
    }

    // Changes the row bound keeping the rows that remain (grows with empty rows).
    void redimPreserve(int rowUpper)
    {
        m_rows = rowUpper + 1;
        m_cells.resize(static_cast<std::size_t>(m_fields) * static_cast<std::size_t>(m_rows), T{});
    }

    [[nodiscard]] int fieldUpper() const { return m_fields - 1; }
    [[nodiscard]] int rowUpper() const { return m_rows - 1; }
    [[nodiscard]] int fieldCount() const { return m_fields; }
    [[nodiscard]] int rowCount() const { return m_rows; }
    [[nodiscard]] bool contains(int field, int row) const
    {
        return field >= 0 && field < m_fields && row >= 0 && row < m_rows;
    }

    T& operator()(int field, int row)
    {
        assert(contains(field, row));
        return m_cells[index(field, row)];
    }
    const T& operator()(int field, int row) const
    {
        assert(contains(field, row));
        return m_cells[index(field, row)];
    }
    // Checked access: throws std::out_of_range like a subscript error.
    T& at(int field, int row)
    {
        if (!contains(field, row))
            throw std::out_of_range("Subscript out of range");
        return m_cells[index(field, row)];
    }
    const T& at(int field, int row) const
    {
        if (!contains(field, row))
            throw std::out_of_range("Subscript out of range");
        return m_cells[index(field, row)];
    }

    bool operator==(const Table&) const = default;

private:
    [[nodiscard]] std::size_t index(int field, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_fields) + static_cast<std::size_t>(field);
    }

    int m_fields = 0;
    int m_rows = 0;
    std::vector<T> m_cells;  // row-major, so growing rows keeps every cell in place
};

using TextTable = Table<std::string>;

} // namespace corvalet::core

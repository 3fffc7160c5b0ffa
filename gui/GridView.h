#pragma once
// The Qt face of a platform Grid: a QTableView over a table-model adapter. The first fixed row
// is the horizontal header and the first fixed column the vertical header; further fixed rows
// and columns show as frozen, shaded cells. Cell edits reach the view as ranged dataChanged,
// structural changes as one model reset. Editing goes through the grid's own protocol, so the
// owner sees before edit, change edit, key press in the editor and after edit as it does
// headless.
#include "platform/Clipboard.h"
#include "platform/Grid.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include <vector>

namespace corvalet::gui {

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridTableModel(platform::Grid& grid, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    [[nodiscard]] platform::Grid& grid() const { return m_grid; }
    // The grid row/column of a view row/column and back (the first fixed row/column is the header).
    [[nodiscard]] int gridRow(int viewRow) const { return viewRow + rowOffset(); }
    [[nodiscard]] int gridCol(int viewCol) const { return viewCol + colOffset(); }
    [[nodiscard]] int viewRow(int gridRow) const { return gridRow - rowOffset(); }
    [[nodiscard]] int viewCol(int gridCol) const { return gridCol - colOffset(); }
    [[nodiscard]] int rowOffset() const { return m_grid.fixedRows() > 0 ? 1 : 0; }
    [[nodiscard]] int colOffset() const { return m_grid.fixedCols() > 0 ? 1 : 0; }

signals:
    void structureReset();
    void geometryChanged();
    void selectionChanged();
    void editRequested();

private:
    [[nodiscard]] QVariant cellValue(int row, int col, int role) const;
    platform::Grid& m_grid;
    std::vector<platform::Connection> m_connections;
};

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridDelegate(GridTableModel& model, QObject* parent = nullptr);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    GridTableModel& m_model;
};

class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(platform::Grid& grid, QWidget* parent = nullptr);
    [[nodiscard]] platform::Grid& grid() const { return m_model->grid(); }
    [[nodiscard]] GridTableModel* gridModel() const { return m_model; }
    // With a clipboard the view itself handles Ctrl+C/V/X after the owner's key-down handler;
    // leave it unset where the owner calls gridClipboardKeys itself.
    void setClipboard(platform::Clipboard* clipboard) { m_clipboard = clipboard; }
    // Re-reads every property of the grid (safe at any time).
    void refresh();
    // Twips to pixels at this screen's resolution (15 twips per pixel at 96 dpi).
    [[nodiscard]] int toPixels(int twips) const;
    [[nodiscard]] int toTwips(int pixels) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void applyGeometry();
    void applyAppearance();
    void applySelectionFromGrid();
    void takeSelectionFromView();
    void onSectionMoved(int logical, int oldVisual, int newVisual);

    GridTableModel* m_model;
    platform::Clipboard* m_clipboard = nullptr;
    std::vector<platform::Connection> m_connections;
    bool m_syncing = false;
};

} // namespace corvalet::gui

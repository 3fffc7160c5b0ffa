#include "gui/GridView.h"

#include "core/WindowHelpers.h"
#include "gui/BindingSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QToolButton>
#include <QToolTip>

namespace corvalet::gui {

using platform::Align;
using platform::CheckState;
using platform::Grid;

namespace {

QString display(const std::string& text) { return toQt(text); }
std::string stored(const QString& text) { return fromQt(text); }

QColor toQColor(platform::Color c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

Qt::Alignment toQtAlignment(Align align, const std::string& text)
{
    int a = int(align);
    if (align == Align::General) {
        // Numbers to the right, other text to the left, as a spreadsheet shows them.
        bool number = false;
        QString(display(text)).trimmed().toDouble(&number);
        a = number ? int(Align::RightCenter) : int(Align::LeftCenter);
    }
    Qt::Alignment h = a / 3 == 0 ? Qt::AlignLeft : a / 3 == 1 ? Qt::AlignHCenter : Qt::AlignRight;
    Qt::Alignment v = a % 3 == 0 ? Qt::AlignTop : a % 3 == 1 ? Qt::AlignVCenter : Qt::AlignBottom;
    return h | v;
}

// The widget the view knows as the editor: a cell-button editor is a container around a line edit.
QWidget* editorOf(QObject* object)
{
    for (QObject* o = object; o; o = o->parent())
        if (o->property("gridEditor").toBool())
            return qobject_cast<QWidget*>(o);
    return qobject_cast<QWidget*>(object);
}

} // namespace

// ---------------------------------------------------------------- GridTableModel

GridTableModel::GridTableModel(Grid& grid, QObject* parent) : QAbstractTableModel(parent), m_grid(grid)
{
    m_connections.push_back(grid.cellsChanged.connect([this](int r1, int c1, int r2, int c2) {
        const int vr1 = std::max(viewRow(r1), 0), vr2 = std::min(viewRow(r2), rowCount() - 1);
        const int vc1 = std::max(viewCol(c1), 0), vc2 = std::min(viewCol(c2), columnCount() - 1);
        if (vr1 <= vr2 && vc1 <= vc2)
            emit dataChanged(index(vr1, vc1), index(vr2, vc2));
        if (r1 < rowOffset() && vc1 <= vc2)
            emit headerDataChanged(Qt::Horizontal, vc1, vc2);
        if (c1 < colOffset() && vr1 <= vr2)
            emit headerDataChanged(Qt::Vertical, vr1, vr2);
    }));
    m_connections.push_back(grid.structureChanged.connect([this] {
        beginResetModel();
        endResetModel();
        emit structureReset();
    }));
    m_connections.push_back(grid.geometryChanged.connect([this] { emit geometryChanged(); }));
    m_connections.push_back(grid.selectionChanged.connect([this] { emit selectionChanged(); }));
    m_connections.push_back(grid.editRequested.connect([this] { emit editRequested(); }));
}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(m_grid.rows() - rowOffset(), 0);
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(m_grid.cols() - colOffset(), 0);
}

QVariant GridTableModel::cellValue(int row, int col, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return display(m_grid.text(row, col));
    case Qt::CheckStateRole: {
        const CheckState state = m_grid.checkState(row, col);
        if (state == CheckState::None)
            return {};
        return state == CheckState::Checked ? Qt::Checked : Qt::Unchecked;
    }
    case Qt::BackgroundRole: {
        const platform::Color back = m_grid.backColor(row, col);
        if (back != platform::kDefaultColor)
            return QBrush(toQColor(back));
        if (row < m_grid.fixedRows() || col < m_grid.fixedCols())
            return QApplication::palette().button();
        if (m_grid.backColor() != platform::kDefaultColor)
            return QBrush(toQColor(m_grid.backColor()));
        return {};
    }
    case Qt::ForegroundRole: {
        const platform::Color fore = m_grid.foreColor(row, col);
        return fore == platform::kDefaultColor ? QVariant() : QVariant(QBrush(toQColor(fore)));
    }
    case Qt::FontRole:
        if (m_grid.bold(row, col)) {
            QFont font(QString::fromLatin1(m_grid.fontName().c_str()));
            font.setPointSizeF(m_grid.fontSize());
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(toQtAlignment(m_grid.alignment(row, col), m_grid.text(row, col)));
    default:
        return {};
    }
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    return cellValue(gridRow(index.row()), gridCol(index.column()), role);
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && rowOffset() == 0)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (orientation == Qt::Vertical && colOffset() == 0)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    const int row = orientation == Qt::Horizontal ? 0 : gridRow(section);
    const int col = orientation == Qt::Horizontal ? gridCol(section) : 0;
    if (role == Qt::BackgroundRole || role == Qt::CheckStateRole)
        return {};
    return cellValue(row, col, role);
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const int row = gridRow(index.row()), col = gridCol(index.column());
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_grid.editable() || row < m_grid.fixedRows() || col < m_grid.fixedCols())
        return f;
    if (m_grid.checkState(row, col) != CheckState::None)
        return f | Qt::ItemIsUserCheckable;
    return f | Qt::ItemIsEditable;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid())
        return false;
    const int row = gridRow(index.row()), col = gridCol(index.column());
    if (role == Qt::CheckStateRole)
        return m_grid.userToggleCheck(row, col);
    if (role == Qt::EditRole) {
        if (!m_grid.isEditing() || m_grid.editRow() != row || m_grid.editCol() != col)
            return false;
        m_grid.setEditText(stored(value.toString()));
        m_grid.commitEdit();
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- GridDelegate

GridDelegate::GridDelegate(GridTableModel& model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    Grid& grid = m_model.grid();
    const int row = m_model.gridRow(index.row()), col = m_model.gridCol(index.column());
    if (!grid.beginEdit(row, col))
        return nullptr; // the owner cancelled
    auto* self = const_cast<GridDelegate*>(this);
    QWidget* editor = nullptr;
    if (grid.editListIsButton()) {
        auto* box = new QWidget(parent);
        auto* layout = new QHBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto* line = new QLineEdit(box);
        auto* button = new QToolButton(box);
        button->setText(QStringLiteral("..."));
        button->setObjectName(QStringLiteral("cellButton"));
        layout->addWidget(line);
        layout->addWidget(button);
        box->setFocusProxy(line);
        box->setAutoFillBackground(true);
        line->installEventFilter(self);
        QObject::connect(line, &QLineEdit::textEdited, box, [&grid](const QString& t) { grid.setEditText(stored(t)); });
        QObject::connect(button, &QToolButton::clicked, box, [&grid, line] {
            grid.userCellButton();
            if (grid.isEditing())
                line->setText(display(grid.editText()));
        });
        editor = box;
    } else if (!grid.editList().empty()) {
        auto* combo = new QComboBox(parent);
        for (const std::string& choice : grid.editChoices())
            combo->addItem(display(choice));
        combo->setEditable(grid.editListIsEditable());
        if (QLineEdit* line = combo->lineEdit()) {
            line->installEventFilter(self);
            QObject::connect(line, &QLineEdit::textEdited, combo, [&grid](const QString& t) { grid.setEditText(stored(t)); });
        }
        // Choosing an entry ends the edit with it, as a drop-down list cell does.
        QObject::connect(combo, &QComboBox::activated, combo, [self, combo, &grid](int i) {
            grid.setEditText(stored(combo->itemText(i)));
            emit self->commitData(combo);
            emit self->closeEditor(combo, QAbstractItemDelegate::NoHint);
        });
        editor = combo;
    } else {
        auto* line = new QLineEdit(parent);
        QObject::connect(line, &QLineEdit::textEdited, line, [&grid](const QString& t) { grid.setEditText(stored(t)); });
        editor = line;
    }
    editor->setProperty("gridEditor", true);
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex&) const
{
    const QString text = display(m_model.grid().editText());
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int i = combo->findText(text);
        if (i >= 0)
            combo->setCurrentIndex(i);
        else if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(-1);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (line->text() != text)
            line->setText(text);
    } else if (auto* inner = editor->findChild<QLineEdit*>()) {
        if (inner->text() != text)
            inner->setText(text);
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    QString text;
    // A combo's text reaches the grid as it is chosen or typed; the grid's edit text is the value.
    if (qobject_cast<QComboBox*>(editor))
        text = display(m_model.grid().editText());
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        text = line->text();
    else if (auto* inner = editor->findChild<QLineEdit*>())
        text = inner->text();
    model->setData(index, text, Qt::EditRole);
}

void GridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    Grid& grid = m_model.grid();
    // Closed without its data taken (Esc, focus lost with revert): the cell keeps its text.
    if (grid.isEditing() && index.isValid() && grid.editRow() == m_model.gridRow(index.row()) &&
        grid.editCol() == m_model.gridCol(index.column()))
        grid.cancelEdit();
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        Grid& grid = m_model.grid();
        QWidget* editor = editorOf(object);
        const int code = keyCodeOf(*key), shift = shiftStateOf(key->modifiers());
        if (core::gridEscCancel(grid, code)) {
            grid.cancelEdit();
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            return true;
        }
        if (core::blockCtrlEnter(code, shift, [] { QApplication::beep(); }) == 0)
            return true;
        if ((code == 13 || code == 9) && editor != object) {
            // The line edit inside a cell-button editor: commit the container.
            emit commitData(editor);
            emit closeEditor(editor, code == 9 ? QAbstractItemDelegate::EditNextItem : QAbstractItemDelegate::NoHint);
            return true;
        }
        const QString text = key->text();
        if (text.size() == 1 && text[0].unicode() >= 32 && !(key->modifiers() & Qt::ControlModifier)) {
            const int typed = text[0].unicode() < 256 ? int(text[0].unicode()) : 256;
            const int result = grid.filterEditKey(typed);
            if (result <= 0 || result > 255)
                return true; // refused
            if (result != typed) {
                QLineEdit* line = qobject_cast<QLineEdit*>(object);
                if (!line)
                    line = editor->findChild<QLineEdit*>();
                if (line) {
                    line->insert(QString(QChar(result)));
                    grid.setEditText(stored(line->text()));
                }
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

// ---------------------------------------------------------------- GridView

GridView::GridView(Grid& grid, QWidget* parent) : QTableView(parent), m_model(new GridTableModel(grid, this))
{
    setModel(m_model);
    setItemDelegate(new GridDelegate(*m_model, this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setMouseTracking(true);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    connect(horizontalHeader(), &QHeaderView::sectionMoved, this, &GridView::onSectionMoved);
    connect(m_model, &GridTableModel::structureReset, this, &GridView::refresh);
    connect(m_model, &GridTableModel::geometryChanged, this, &GridView::applyGeometry);
    connect(m_model, &GridTableModel::selectionChanged, this, &GridView::applySelectionFromGrid);
    connect(m_model, &GridTableModel::editRequested, this, [this] {
        const QModelIndex idx = m_model->index(m_model->viewRow(this->grid().row()), m_model->viewCol(this->grid().col()));
        if (idx.isValid())
            edit(idx);
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &GridView::takeSelectionFromView);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &GridView::takeSelectionFromView);
    connect(this, &QAbstractItemView::clicked, this, [this] { this->grid().userClick(); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { this->grid().userDblClick(); });
    m_connections.push_back(grid.changed.connect([this] { applyAppearance(); }));
    m_connections.push_back(grid.redrawRequested.connect([this] { viewport()->update(); }));
    grid.setTextMeasure([this](std::string_view text, bool bold) {
        QFont f = font();
        f.setBold(bold);
        return toTwips(QFontMetrics(f).horizontalAdvance(QString::fromLatin1(text.data(), qsizetype(text.size()))));
    });
    refresh();
}

int GridView::toPixels(int twips) const { return int((long long)twips * logicalDpiX() / 1440); }
int GridView::toTwips(int pixels) const { return int((long long)pixels * 1440 / std::max(logicalDpiX(), 1)); }

void GridView::refresh()
{
    horizontalHeader()->setVisible(grid().fixedRows() > 0);
    verticalHeader()->setVisible(grid().fixedCols() > 0);
    applyAppearance();
    applyGeometry();
    applySelectionFromGrid();
}

void GridView::applyAppearance()
{
    const Grid& g = grid();
    QFont f(QString::fromLatin1(g.fontName().c_str()));
    f.setPointSizeF(g.fontSize() > 0 ? g.fontSize() : 10.0);
    f.setBold(g.fontBold());
    if (font() != f)
        setFont(f);
    const QString tip = display(g.toolTipText());
    if (toolTip() != tip)
        setToolTip(tip);
    if (isEnabled() != g.enabled())
        setEnabled(g.enabled());
    if (!isWindow() && isVisibleTo(parentWidget()) != g.visible())
        setVisible(g.visible());
}

void GridView::applyGeometry()
{
    const Grid& g = grid();
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int gc = m_model->gridCol(c);
        if (isColumnHidden(c) != g.colHidden(gc))
            setColumnHidden(c, g.colHidden(gc));
        const int w = g.colWidth(gc);
        if (w == Grid::kFitWidth)
            resizeColumnToContents(c);
        else if (columnWidth(c) != toPixels(w))
            setColumnWidth(c, toPixels(w));
    }
    for (int r = 0; r < m_model->rowCount(); ++r) {
        const int gr = m_model->gridRow(r);
        if (isRowHidden(r) != g.rowHidden(gr))
            setRowHidden(r, g.rowHidden(gr));
        const int h = g.rowHeight(gr);
        if (h > 0 && rowHeight(r) != toPixels(h))
            setRowHeight(r, toPixels(h));
    }
    if (m_model->colOffset() > 0 && g.colWidth(0) != Grid::kFitWidth)
        verticalHeader()->setFixedWidth(toPixels(g.colWidth(0)));
}

void GridView::applySelectionFromGrid()
{
    const Grid& g = grid();
    const int top = std::max(m_model->viewRow(g.selTop()), 0), bottom = m_model->viewRow(g.selBottom());
    const int left = std::max(m_model->viewCol(g.selLeft()), 0), right = m_model->viewCol(g.selRight());
    const QModelIndex current = m_model->index(m_model->viewRow(g.row()), m_model->viewCol(g.col()));
    m_syncing = true;
    if (current.isValid() && current != currentIndex())
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    if (top <= bottom && left <= right && bottom < m_model->rowCount() && right < m_model->columnCount()) {
        const QItemSelection wanted(m_model->index(top, left), m_model->index(bottom, right));
        if (selectionModel()->selection() != wanted)
            selectionModel()->select(wanted, QItemSelectionModel::ClearAndSelect);
    }
    m_syncing = false;
}

void GridView::takeSelectionFromView()
{
    if (m_syncing)
        return;
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    int top = current.row(), bottom = top, left = current.column(), right = left;
    const QItemSelection selection = selectionModel()->selection();
    if (!selection.isEmpty()) {
        top = bottom = selection.first().top();
        left = right = selection.first().left();
        for (const QItemSelectionRange& range : selection) {
            top = std::min(top, range.top()), bottom = std::max(bottom, range.bottom());
            left = std::min(left, range.left()), right = std::max(right, range.right());
        }
    }
    // The grid keeps the current cell and the corner opposite it.
    const int rowSel = current.row() == top ? bottom : top;
    const int colSel = current.column() == left ? right : left;
    m_syncing = true;
    grid().select(m_model->gridRow(current.row()), m_model->gridCol(current.column()), m_model->gridRow(rowSel),
                  m_model->gridCol(colSel));
    m_syncing = false;
}

void GridView::onSectionMoved(int, int oldVisual, int newVisual)
{
    // The grid decides: put the header back, then let the model move (or refuse) the column.
    {
        const QSignalBlocker block(horizontalHeader());
        horizontalHeader()->moveSection(newVisual, oldVisual);
    }
    grid().userMoveColumn(m_model->gridCol(oldVisual), m_model->gridCol(newVisual));
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    if (state() == QAbstractItemView::EditingState) {
        QTableView::keyPressEvent(event);
        return;
    }
    Grid& g = grid();
    const int shift = shiftStateOf(event->modifiers());
    const int code = g.userKeyDown(keyCodeOf(*event), shift);
    if (code == 0 || core::blockCtrlEnter(code, shift, [] { QApplication::beep(); }) == 0) {
        event->accept();
        return;
    }
    if (m_clipboard && core::gridClipboardKeys(g, *m_clipboard, code, shift)) {
        event->accept();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() < 256 && !(event->modifiers() & Qt::ControlModifier)) {
        if (g.userKeyPress(int(text[0].unicode())) == 0) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex idx = indexAt(event->position().toPoint());
    const int button = event->button() == Qt::LeftButton ? 1 : event->button() == Qt::RightButton ? 2
                     : event->button() == Qt::MiddleButton ? 4 : 0;
    const int row = idx.isValid() ? m_model->gridRow(idx.row()) : -1;
    const int col = idx.isValid() ? m_model->gridCol(idx.column()) : -1;
    grid().userMouseDown(button, shiftStateOf(event->modifiers()), row, col);
    QTableView::mousePressEvent(event);
}

void GridView::mouseMoveEvent(QMouseEvent* event)
{
    const QModelIndex idx = indexAt(event->position().toPoint());
    int buttons = 0;
    if (event->buttons() & Qt::LeftButton)
        buttons |= 1;
    if (event->buttons() & Qt::RightButton)
        buttons |= 2;
    grid().userMouseMove(buttons, shiftStateOf(event->modifiers()), idx.isValid() ? m_model->gridRow(idx.row()) : -1,
                         idx.isValid() ? m_model->gridCol(idx.column()) : -1);
    QTableView::mouseMoveEvent(event);
}

bool GridView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        // The owner sets the tooltip in its mouse-move handler; show whatever it holds now.
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = display(grid().toolTipText());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport());
        return true;
    }
    return QTableView::viewportEvent(event);
}

} // namespace corvalet::gui

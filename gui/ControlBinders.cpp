#include "gui/ControlBinders.h"

#include "gui/BindingSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>

namespace corvalet::gui {

namespace {
QString display(const std::string& text) { return toQt(text); }
std::string stored(const QString& text) { return fromQt(text); }
int shiftOf(Qt::KeyboardModifiers m) { return shiftStateOf(m); }
} // namespace

// ---------------------------------------------------------------- ControlBinder

ControlBinder::ControlBinder(QObject* parent, QWidget* widget, platform::Control& control)
    : QObject(parent), m_widget(widget), m_control(control)
{
    listen(control.changed);
    m_connections.push_back(control.redrawRequested.connect([this] {
        if (m_widget)
            m_widget->update();
    }));
}

void ControlBinder::listen(platform::Signal<>& signal)
{
    m_connections.push_back(signal.connect([this] { refresh(); }));
}

void ControlBinder::refresh()
{
    if (!m_widget)
        return;
    if (m_widget->isEnabled() != m_control.enabled())
        m_widget->setEnabled(m_control.enabled());
    // A window's own visibility is the window host's.
    if (!m_widget->isWindow() && m_widget->isHidden() == m_control.visible())
        m_widget->setVisible(m_control.visible());
    const QString tip = display(m_control.toolTipText());
    if (m_widget->toolTip() != tip)
        m_widget->setToolTip(tip);
    QFont font = m_widget->font();
    font.setFamily(display(m_control.fontName()));
    if (m_control.fontSize() > 0)
        font.setPointSizeF(m_control.fontSize());
    font.setBold(m_control.fontBold());
    if (font != m_widget->font())
        m_widget->setFont(font);
    const platform::Color back = m_control.backColor();
    if (back != platform::kDefaultColor) {
        const QColor color(int(back & 0xFF), int((back >> 8) & 0xFF), int((back >> 16) & 0xFF));
        QPalette palette = m_widget->palette();
        if (palette.color(m_widget->backgroundRole()) != color) {
            palette.setColor(m_widget->backgroundRole(), color);
            palette.setColor(QPalette::Base, color);
            m_widget->setPalette(palette);
            m_widget->setAutoFillBackground(true);
        }
    }
}

// ---------------------------------------------------------------- Label

LabelBinder::LabelBinder(QLabel* label, platform::Label& model) : ControlBinder(label, label, model), m_label(label), m_model(model)
{
    refresh();
}

void LabelBinder::refresh()
{
    ControlBinder::refresh();
    const QString caption = display(m_model.caption());
    if (m_label->text() != caption)
        m_label->setText(caption);
}

// ---------------------------------------------------------------- TextBox

TextBoxBinder::TextBoxBinder(QLineEdit* edit, platform::TextBox& model)
    : ControlBinder(edit, edit, model), m_edit(edit), m_model(model)
{
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { m_model.userEdit(stored(text)); });
    edit->installEventFilter(this);
    refresh();
}

void TextBoxBinder::refresh()
{
    ControlBinder::refresh();
    m_refreshing = true;
    const QString text = display(m_model.text());
    if (m_edit->text() != text)
        m_edit->setText(text);
    if (m_edit->isReadOnly() != m_model.locked())
        m_edit->setReadOnly(m_model.locked());
    if (m_model.selLength() > 0 && (m_edit->selectionStart() != m_model.selStart() || m_edit->selectionLength() != m_model.selLength()))
        m_edit->setSelection(m_model.selStart(), m_model.selLength());
    m_refreshing = false;
}

bool TextBoxBinder::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_edit) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (m_model.userKeyDown(keyCodeOf(*key), shiftOf(key->modifiers())) == 0)
                return true;
            const QString text = key->text();
            if (text.size() == 1 && text[0].unicode() >= 32 && !(key->modifiers() & Qt::ControlModifier)) {
                const int typed = text[0].unicode() < 256 ? int(text[0].unicode()) : 256;
                const int result = m_model.userKeyPress(typed);
                if (result <= 0 || result > 255)
                    return true;
                if (result != typed) {
                    m_edit->insert(QString(QChar(result)));
                    m_model.userEdit(stored(m_edit->text()));
                    return true;
                }
            } else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                if (m_model.userKeyPress(13) == 0)
                    return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            m_model.userFocus(true);
        } else if (event->type() == QEvent::FocusOut) {
            m_model.userFocus(false);
        }
    }
    return QObject::eventFilter(object, event);
}

// ---------------------------------------------------------------- CheckBox

CheckBoxBinder::CheckBoxBinder(QCheckBox* box, platform::CheckBox& model) : ControlBinder(box, box, model), m_box(box), m_model(model)
{
    box->setTristate(false);
    connect(box, &QCheckBox::clicked, this, [this] {
        m_model.userClick();
        refresh(); // Qt toggled on its own; the model has the last word
    });
    refresh();
}

void CheckBoxBinder::refresh()
{
    ControlBinder::refresh();
    const QString caption = display(m_model.caption());
    if (m_box->text() != caption)
        m_box->setText(caption);
    const Qt::CheckState state = m_model.value() == 1 ? Qt::Checked : m_model.value() == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
    if (m_box->checkState() != state)
        m_box->setCheckState(state);
}

// ---------------------------------------------------------------- OptionGroup

OptionGroupBinder::OptionGroupBinder(QWidget* container, std::vector<QAbstractButton*> buttons, platform::OptionGroup& model)
    : ControlBinder(container, container, model), m_buttons(std::move(buttons)), m_model(model)
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setCheckable(true);
        connect(m_buttons[i], &QAbstractButton::clicked, this, [this, i] {
            m_model.userChoose(int(i));
            refresh();
        });
    }
    refresh();
}

void OptionGroupBinder::refresh()
{
    ControlBinder::refresh();
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        QAbstractButton* button = m_buttons[i];
        if (i < m_model.captions().size()) {
            const QString caption = display(m_model.captions()[i]);
            if (button->text() != caption)
                button->setText(caption);
        }
        const bool want = int(i) == m_model.value();
        if (button->isChecked() != want) {
            // Exclusive buttons cannot all be off; "none chosen" is a state of the model.
            const bool exclusive = button->autoExclusive();
            button->setAutoExclusive(false);
            button->setChecked(want);
            button->setAutoExclusive(exclusive);
        }
    }
}

// ---------------------------------------------------------------- Button

ButtonBinder::ButtonBinder(QAbstractButton* button, platform::Button& model)
    : ControlBinder(button, button, model), m_button(button), m_model(model)
{
    connect(button, &QAbstractButton::clicked, this, [this] { m_model.userClick(); });
    refresh();
}

void ButtonBinder::refresh()
{
    ControlBinder::refresh();
    const QString caption = display(m_model.caption());
    if (m_button->text() != caption)
        m_button->setText(caption);
}

// ---------------------------------------------------------------- ComboBox

ComboBoxBinder::ComboBoxBinder(QComboBox* combo, platform::ComboBox& model)
    : ControlBinder(combo, combo, model), m_combo(combo), m_model(model)
{
    connect(combo, &QComboBox::activated, this, [this](int i) { m_model.userChoose(i); });
    refresh();
}

void ComboBoxBinder::refresh()
{
    ControlBinder::refresh();
    m_refreshing = true;
    const bool editable = m_model.style() != 2;
    if (m_combo->isEditable() != editable) {
        m_combo->setEditable(editable);
        if (QLineEdit* line = m_combo->lineEdit())
            connect(line, &QLineEdit::textEdited, this, [this](const QString& text) { m_model.userEdit(stored(text)); });
    }
    bool same = m_combo->count() == m_model.listCount();
    for (int i = 0; same && i < m_model.listCount(); ++i)
        same = m_combo->itemText(i) == display(m_model.list(i));
    if (!same) {
        m_combo->clear();
        for (const std::string& item : m_model.items())
            m_combo->addItem(display(item));
    }
    if (m_combo->currentIndex() != m_model.listIndex())
        m_combo->setCurrentIndex(m_model.listIndex());
    const QString text = display(m_model.text());
    if (editable && m_combo->currentText() != text)
        m_combo->setEditText(text);
    m_refreshing = false;
}

// ---------------------------------------------------------------- ListBox

ListBoxBinder::ListBoxBinder(QListWidget* list, platform::ListBox& model)
    : ControlBinder(list, list, model), m_list(list), m_model(model)
{
    connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_refreshing)
            takeSelection();
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { m_model.dblClick.send(); });
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    refresh();
}

void ListBoxBinder::takeSelection()
{
    std::vector<int> rows;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->isSelected())
            rows.push_back(i);
    m_model.userSelect(rows, m_list->currentRow());
}

void ListBoxBinder::refresh()
{
    ControlBinder::refresh();
    m_refreshing = true;
    const auto mode = m_model.multiSelect() ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection;
    if (m_list->selectionMode() != mode)
        m_list->setSelectionMode(mode);
    bool same = m_list->count() == m_model.listCount();
    for (int i = 0; same && i < m_model.listCount(); ++i)
        same = m_list->item(i)->text() == display(m_model.list(i));
    if (!same) {
        m_list->clear();
        QStringList texts;
        texts.reserve(m_model.listCount());
        for (const platform::ListEntry& e : m_model.items())
            texts << display(e.text);
        m_list->addItems(texts);
    }
    for (int i = 0; i < m_model.listCount(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        if (item->isSelected() != m_model.selected(i))
            item->setSelected(m_model.selected(i));
    }
    if (m_list->currentRow() != m_model.listIndex())
        m_list->setCurrentRow(m_model.listIndex(), QItemSelectionModel::NoUpdate);
    m_refreshing = false;
}

bool ListBoxBinder::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_list && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (m_model.userKeyDown(keyCodeOf(*key), shiftOf(key->modifiers())) == 0)
            return true;
    } else if (object == m_list->viewport() && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int button = mouse->button() == Qt::LeftButton ? 1 : mouse->button() == Qt::RightButton ? 2 : 4;
        (event->type() == QEvent::MouseButtonPress ? m_model.mouseDown : m_model.mouseUp).send(button, shiftOf(mouse->modifiers()));
    }
    return QObject::eventFilter(object, event);
}

// ---------------------------------------------------------------- FolderList

FolderListBinder::FolderListBinder(QListWidget* list, platform::FolderList& model)
    : ControlBinder(list, list, model), m_list(list), m_model(model)
{
    connect(list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { m_model.userOpen(m_list->row(item)); });
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_refreshing)
            m_model.setListIndex(row);
    });
    refresh();
}

void FolderListBinder::refresh()
{
    ControlBinder::refresh();
    m_refreshing = true;
    bool same = m_list->count() == int(m_model.folders().size());
    for (int i = 0; same && i < m_list->count(); ++i)
        same = m_list->item(i)->text() == display(m_model.folders()[std::size_t(i)]);
    if (!same) {
        m_list->clear();
        for (const std::string& f : m_model.folders())
            m_list->addItem(display(f));
    }
    if (m_list->currentRow() != m_model.listIndex())
        m_list->setCurrentRow(m_model.listIndex());
    const QString tip = display(m_model.path());
    if (m_model.toolTipText().empty() && m_list->toolTip() != tip)
        m_list->setToolTip(tip);
    m_refreshing = false;
}

// ---------------------------------------------------------------- TabControl

TabBinder::TabBinder(QTabWidget* tabs, platform::TabControl& model) : ControlBinder(tabs, tabs, model), m_tabs(tabs), m_model(model)
{
    // currentChanged also fires for programmatic changes: refresh marks its own.
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_refreshing)
            m_model.userChoose(index);
    });
    refresh();
}

void TabBinder::refresh()
{
    ControlBinder::refresh();
    m_refreshing = true;
    const auto& captions = m_model.captions();
    for (int i = 0; i < m_tabs->count() && i < int(captions.size()); ++i) {
        const QString caption = display(captions[std::size_t(i)]);
        if (m_tabs->tabText(i) != caption)
            m_tabs->setTabText(i, caption);
    }
    if (m_tabs->currentIndex() != m_model.currentTab() && m_model.currentTab() < m_tabs->count())
        m_tabs->setCurrentIndex(m_model.currentTab());
    m_refreshing = false;
}

// ---------------------------------------------------------------- Timer

TimerBinder::TimerBinder(QObject* parent, platform::Timer& model)
    : ControlBinder(parent, nullptr, model), m_timer(new QTimer(this)), m_model(model)
{
    connect(m_timer, &QTimer::timeout, this, [this] { m_model.fire(); });
    refresh();
}

void TimerBinder::refresh()
{
    if (!m_model.timerEnabled()) {
        m_timer->stop();
        return;
    }
    if (!m_timer->isActive() || m_timer->interval() != m_model.interval())
        m_timer->start(m_model.interval());
}

// ---------------------------------------------------------------- Tool

ToolBinder::ToolBinder(QAction* action, platform::Tool& tool, platform::ToolSet& tools)
    : ControlBinder(action, nullptr, tool), m_action(action), m_tool(tool)
{
    connect(action, &QAction::triggered, this, [this, &tools] {
        tools.userClick(m_tool.id());
        refresh(); // a toggle action flipped itself; the tool's state decides
    });
    refresh();
}

void ToolBinder::refresh()
{
    const QString caption = display(m_tool.caption());
    if (m_action->text() != caption)
        m_action->setText(caption);
    if (m_action->isEnabled() != m_tool.enabled())
        m_action->setEnabled(m_tool.enabled());
    if (m_action->isVisible() != m_tool.visible())
        m_action->setVisible(m_tool.visible());
    const QString tip = display(m_tool.toolTipText());
    if (m_action->toolTip() != tip)
        m_action->setToolTip(tip);
    if (m_action->isCheckable() && m_action->isChecked() != m_tool.checked())
        m_action->setChecked(m_tool.checked());
}

} // namespace corvalet::gui

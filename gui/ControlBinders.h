#pragma once
// Binders: one widget bound to one control model. Each binder re-reads every bound property
// in refresh() (at bind time and on every change notice of the model; safe at any time, a
// second call changes nothing) and forwards only the user's own actions to the model, so no
// model handler runs twice. A binder is a child of its widget and dies with it.
#include "platform/Controls.h"

#include <QObject>

#include <vector>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTimer;
class QWidget;

namespace corvalet::gui {

class ControlBinder : public QObject {
    Q_OBJECT
public:
    // `widget` may be null for a control without a widget of its own (a timer).
    ControlBinder(QObject* parent, QWidget* widget, platform::Control& control);
    // Enabled, visible, tooltip, font and colours.
    virtual void refresh();

protected:
    void listen(platform::Signal<>& signal);
    QWidget* m_widget;
    platform::Control& m_control;
    std::vector<platform::Connection> m_connections;
    // While refresh() writes into the widget, signals that Qt sends for programmatic changes
    // are not taken for the user's.
    bool m_refreshing = false;
};

class LabelBinder final : public ControlBinder {
    Q_OBJECT
public:
    LabelBinder(QLabel* label, platform::Label& model);
    void refresh() override;

private:
    QLabel* m_label;
    platform::Label& m_model;
};

class TextBoxBinder final : public ControlBinder {
    Q_OBJECT
public:
    TextBoxBinder(QLineEdit* edit, platform::TextBox& model);
    void refresh() override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QLineEdit* m_edit;
    platform::TextBox& m_model;
};

class CheckBoxBinder final : public ControlBinder {
    Q_OBJECT
public:
    CheckBoxBinder(QCheckBox* box, platform::CheckBox& model);
    void refresh() override;

private:
    QCheckBox* m_box;
    platform::CheckBox& m_model;
};

// The buttons of an option group, entry i for option i, inside `container`.
class OptionGroupBinder final : public ControlBinder {
    Q_OBJECT
public:
    OptionGroupBinder(QWidget* container, std::vector<QAbstractButton*> buttons, platform::OptionGroup& model);
    void refresh() override;

private:
    std::vector<QAbstractButton*> m_buttons;
    platform::OptionGroup& m_model;
};

class ButtonBinder final : public ControlBinder {
    Q_OBJECT
public:
    ButtonBinder(QAbstractButton* button, platform::Button& model);
    void refresh() override;

private:
    QAbstractButton* m_button;
    platform::Button& m_model;
};

class ComboBoxBinder final : public ControlBinder {
    Q_OBJECT
public:
    ComboBoxBinder(QComboBox* combo, platform::ComboBox& model);
    void refresh() override;

private:
    QComboBox* m_combo;
    platform::ComboBox& m_model;
};

// A list box or a file list (a file list is a list box that reads its entries from disk).
class ListBoxBinder final : public ControlBinder {
    Q_OBJECT
public:
    ListBoxBinder(QListWidget* list, platform::ListBox& model);
    void refresh() override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void takeSelection();
    QListWidget* m_list;
    platform::ListBox& m_model;
};

class FolderListBinder final : public ControlBinder {
    Q_OBJECT
public:
    FolderListBinder(QListWidget* list, platform::FolderList& model);
    void refresh() override;

private:
    QListWidget* m_list;
    platform::FolderList& m_model;
};

// The tab captions and the current tab; the view creates the pages.
class TabBinder final : public ControlBinder {
    Q_OBJECT
public:
    TabBinder(QTabWidget* tabs, platform::TabControl& model);
    void refresh() override;

private:
    QTabWidget* m_tabs;
    platform::TabControl& m_model;
};

// Keeps time for a timer model with a QTimer of its own.
class TimerBinder final : public ControlBinder {
    Q_OBJECT
public:
    TimerBinder(QObject* parent, platform::Timer& model);
    void refresh() override;
    [[nodiscard]] QTimer* timer() const { return m_timer; }

private:
    QTimer* m_timer;
    platform::Timer& m_model;
};

// A menu item or toolbar action bound to a tool of a tool set.
class ToolBinder final : public ControlBinder {
    Q_OBJECT
public:
    ToolBinder(QAction* action, platform::Tool& tool, platform::ToolSet& tools);
    void refresh() override;

private:
    QAction* m_action;
    platform::Tool& m_tool;
};

} // namespace corvalet::gui

// Platform headers first: Signal.h names a variable "slots", which Qt defines as a macro.
#include "gui/PreferencesView.h"

#include "gui/BindingSupport.h"
#include "gui/ControlBinders.h"
#include "gui/GridView.h"
#include "gui/QtWindowHost.h"
#include "shell/App.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace corvalet::gui {

PreferencesView::PreferencesView(shell::Preferences& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_grid(new GridView(model.prd(), this)),
      m_exit(new QPushButton(this)), m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("prefs"));
    // The model's double-click handler decides which rows open their editor.
    m_grid->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setSectionsMovable(false);
    m_grid->horizontalHeader()->setStretchLastSection(true);

    for (QPushButton* button : {m_exit, m_cancel})
        button->setAutoDefault(false); // Enter belongs to the grid's editors
    new ButtonBinder(m_exit, model.but(0));
    new ButtonBinder(m_cancel, model.but(1));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_exit);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);

    // A window-wide shortcut fires before the focused editor sees the key.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] { m_model.keyDown(platform::keys::Escape, 0); });
}

void PreferencesView::keyPressEvent(QKeyEvent* event)
{
    const int code = keyCodeOf(*event);
    if (code == platform::keys::Escape && m_model.keyDown(code, shiftStateOf(event->modifiers())) == 0) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void runPreferences(shell::Preferences& model, QtWindowHost& host)
{
    host.registerView(model, [&model] { return new PreferencesView(model); });
    host.runModal(model);
}

void runPreferences(shell::App& app, QtWindowHost& host)
{
    shell::Preferences model(app);
    runPreferences(model, host);
    // The host must not keep a window that is about to go.
    if (model.loaded())
        host.unload(model);
    host.unregisterView(model);
    // The closed frame is deleted later; its view must go before the model it shows.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace corvalet::gui

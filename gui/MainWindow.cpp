#include "gui/MainWindow.h"

#include "gui/BindingSupport.h"
#include "gui/ControlBinders.h"
#include "gui/QtWindowHost.h"
#include "gui/SplashView.h"
#include "platform/Text.h"
#include "shell/About.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <cmath>

namespace corvalet::gui {

MainWindow::MainWindow(shell::Toolbar& toolbar, QWidget* parent)
    : QMainWindow(parent), m_toolbar(toolbar), m_mdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mdi"));
    setWindowTitle(toQt(std::string(shell::applicationTitle)));
    setWindowIcon(SplashView::programIcon());
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdiArea);
    m_host = new QtWindowHost(m_mdiArea, this);
    m_mdiArea->viewport()->installEventFilter(this);
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    buildActions();
    buildMenus();
    buildToolBar();
}

MainWindow::~MainWindow() { m_mdiArea->viewport()->removeEventFilter(this); }

void MainWindow::buildActions()
{
    for (const auto& def : shell::toolDefinitions()) {
        platform::Tool* tool = m_toolbar.tool(def.id);
        auto* action = new QAction(this);
        action->setObjectName(toQt(std::string(def.id)));
        action->setCheckable(def.twoState);
        // The status bar shows the longer description where there is one, else the tip.
        action->setStatusTip(toQt(std::string(def.description.empty() ? def.toolTip : def.description)));
        new ToolBinder(action, *tool, m_toolbar.tools());
        m_actions.emplace(platform::toLower(def.id), action);
    }
}

QAction* MainWindow::action(std::string_view id) const
{
    auto it = m_actions.find(platform::toLower(id));
    return it == m_actions.end() ? nullptr : it->second;
}

void MainWindow::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    menuBar()->setAccessibleName(toQt(std::string(shell::kMenuBarName)));
    for (const auto& def : shell::menuDefinitions()) {
        QMenu* menu = menuBar()->addMenu(toQt(std::string(def.caption)));
        menu->setObjectName(toQt(std::string(def.id)));
        for (std::string_view item : def.items) {
            if (item.empty())
                menu->addSeparator();
            else if (QAction* a = action(item))
                menu->addAction(a);
        }
        const std::string id(def.id);
        connect(menu, &QMenu::aboutToShow, this, [this, id] { m_toolbar.menuOpened(id); });
    }
}

void MainWindow::buildToolBar()
{
    m_toolBar = addToolBar(toQt(std::string(shell::kToolBarName)));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (std::string_view item : shell::toolBarItems()) {
        if (item.empty())
            m_toolBar->addSeparator();
        else if (QAction* a = action(item))
            m_toolBar->addAction(a);
    }
}

void MainWindow::showSplash(shell::SplashPanel& flash)
{
    m_flash = &flash;
    const double dpi = m_mdiArea->logicalDpiX();
    const auto twips = [dpi](int px) { return int(std::lround(px * 1440.0 / dpi)); };
    const QFontMetrics title(SplashView::titleFont(flash));
    // The label's own margin of a few pixels counts into its width, as it would on screen.
    flash.setContentSizes(twips(title.horizontalAdvance(toQt(flash.lblTitle.caption())) + 8),
                          twips(SplashView::kPictureSide), twips(SplashView::kPictureSide));
    const QIcon icon = windowIcon();
    m_host->registerView(flash, [&flash, icon] {
        auto* view = new SplashView(flash);
        view->setWindowIcon(icon);
        return view;
    });
    m_host->show(flash);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(m_host->frameOf(flash))) {
        // A panel, not a window: no title bar, no frame to drag or close it by.
        const QRect place = frame->geometry();
        frame->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
        frame->setWindowIcon(icon);
        frame->setGeometry(place);
        frame->show();
    }
    flash.fitToWorkArea();
}

void MainWindow::changeEvent(QEvent* event)
{
    // Whatever else happened, the button bar is there when the main window is active.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_toolBar)
        m_toolBar->setVisible(true);
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing is never refused.
    if (m_onClose)
        m_onClose();
    event->accept();
}

bool MainWindow::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_mdiArea->viewport() && event->type() == QEvent::Resize && m_flash && m_flash->loaded())
        m_flash->fitToWorkArea();
    return QMainWindow::eventFilter(object, event);
}

} // namespace corvalet::gui

#include "gui/MainWindow.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QToolBar>

namespace corvalet::gui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mdi"));
    setWindowTitle(QStringLiteral("Corvalet"));
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdiArea);
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
}

} // namespace corvalet::gui

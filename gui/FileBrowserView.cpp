#include "gui/FileBrowserView.h"

#include "gui/BindingSupport.h"
#include "gui/ControlBinders.h"
#include "gui/QtWindowHost.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvalet::gui {

namespace {

QPushButton* button(QWidget* parent, const char* objectName, platform::Button& model)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(objectName));
    new ButtonBinder(b, model);
    return b;
}

QLineEdit* folderBox(QWidget* parent, const char* objectName, platform::TextBox& model)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    new TextBoxBinder(edit, model);
    return edit;
}

} // namespace

FileBrowserView::FileBrowserView(shell::FileBrowser& browser, QWidget* parent)
    : QWidget(parent), m_browser(browser), m_listBox(new QGroupBox(this)),
      m_source(folderBox(this, "SF_LAB", browser.sfLab)), m_destination(folderBox(this, "DF_LAB", browser.dfLab)),
      m_check(new QLabel(this))
{
    setObjectName(QStringLiteral("main"));

    auto* files = new QListWidget(m_listBox);
    files->setObjectName(QStringLiteral("File1"));
    new ListBoxBinder(files, browser.file1);
    auto* listLayout = new QVBoxLayout(m_listBox);
    listLayout->addWidget(files);

    // Held by the models only; never shown.
    auto* destinationList = new QListWidget(this);
    destinationList->setObjectName(QStringLiteral("Dir2"));
    new FolderListBinder(destinationList, browser.dir2);
    auto* windowList = new QListWidget(this);
    windowList->setObjectName(QStringLiteral("List1"));
    new ListBoxBinder(windowList, browser.list1);

    // The folder boxes open the folder picker on a double click.
    m_source->installEventFilter(this);
    m_destination->installEventFilter(this);

    auto* size = new QLabel(this);
    size->setObjectName(QStringLiteral("fSizL"));
    size->setFrameShape(QFrame::Panel);
    size->setFrameShadow(QFrame::Sunken);
    new LabelBinder(size, browser.fSizL);
    m_check->setObjectName(QStringLiteral("checkL"));
    m_check->setFrameShape(QFrame::Panel);
    m_check->setFrameShadow(QFrame::Sunken);
    m_check->setAlignment(Qt::AlignCenter);
    new LabelBinder(m_check, browser.checkL);

    auto* folders = new QGridLayout;
    folders->addWidget(new QLabel(tr("Source Folder"), this), 0, 0);
    folders->addWidget(m_source, 1, 0);
    folders->addWidget(button(this, "browse0", browser.browse0), 2, 0);
    folders->addWidget(new QLabel(tr("Destination Folder"), this), 3, 0);
    folders->addWidget(m_destination, 4, 0);
    auto* destinationButtons = new QHBoxLayout;
    destinationButtons->addWidget(button(this, "browse1", browser.browse1));
    destinationButtons->addWidget(button(this, "newFolder", browser.newFolder));
    folders->addLayout(destinationButtons, 5, 0);
    folders->addWidget(button(this, "SEQD", browser.seqd), 6, 0);

    auto* labels = new QHBoxLayout;
    labels->addWidget(size, 1);
    labels->addWidget(m_check, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_listBox, 1);
    layout->addLayout(labels);
    layout->addLayout(folders);
    setMinimumSize(260, 420);

    m_connections.push_back(browser.file1.changed.connect([this] { refreshListCaption(); }));
    m_connections.push_back(browser.checkL.changed.connect([this] { refreshCheckColour(); }));
    refreshListCaption();
    refreshCheckColour();
}

void FileBrowserView::refreshListCaption()
{
    const std::string& tag = m_browser.file1.tag();
    const QString title = toQt(tag.empty() ? "File List (" + m_browser.file1.pattern() + ")" : tag);
    if (m_listBox->title() != title)
        m_listBox->setTitle(title);
}

void FileBrowserView::refreshCheckColour()
{
    // The normal colour is the label's own: the red of a bad file must go again.
    if (m_browser.checkL.backColor() == platform::kDefaultColor && m_check->autoFillBackground()) {
        m_check->setPalette(QPalette());
        m_check->setAutoFillBackground(false);
    }
}

bool FileBrowserView::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (object == m_source)
            m_browser.sfLab.dblClick.send();
        else if (object == m_destination)
            m_browser.dfLab.dblClick.send();
    }
    return QWidget::eventFilter(object, event);
}

void FileBrowserView::registerWith(QtWindowHost& host, shell::FileBrowser& browser)
{
    host.registerView(browser, [&browser] { return new FileBrowserView(browser); });
}

} // namespace corvalet::gui

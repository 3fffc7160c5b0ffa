// Platform headers first: Signal.h names a variable "slots", which Qt defines as a macro.
#include "gui/QtWindowHost.h"

#include "gui/BindingSupport.h"

#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

namespace corvalet::gui {

using platform::Window;

QtWindowHost::QtWindowHost(QMdiArea* mdi, QObject* parent) : QObject(parent), m_mdi(mdi) {}

QtWindowHost::~QtWindowHost()
{
    for (auto& [window, entry] : m_entries)
        delete entry.frame.data();
}

void QtWindowHost::registerView(Window& window, std::function<QWidget*()> makeView)
{
    m_entries[&window].makeView = std::move(makeView);
}

void QtWindowHost::unregisterView(Window& window)
{
    auto it = m_entries.find(&window);
    if (it == m_entries.end())
        return;
    delete it->second.frame.data();
    m_entries.erase(it);
}

int QtWindowHost::toPixels(int twips) const { return int((long long)twips * m_mdi->logicalDpiX() / 1440); }
int QtWindowHost::toTwips(int pixels) const { return int((long long)pixels * 1440 / std::max(m_mdi->logicalDpiX(), 1)); }

platform::Size QtWindowHost::workArea() const
{
    const QSize size = m_mdi->viewport()->size();
    return {toTwips(size.width()), toTwips(size.height())};
}

bool QtWindowHost::mainMinimized() const { return m_mdi->window()->isMinimized(); }

QWidget* QtWindowHost::frameOf(const Window& window) const
{
    auto it = m_entries.find(const_cast<Window*>(&window));
    return it == m_entries.end() ? nullptr : it->second.frame.data();
}

Window* QtWindowHost::windowOfFrame(QObject* frame) const
{
    for (const auto& [window, entry] : m_entries)
        if (entry.frame == frame)
            return window;
    return nullptr;
}

void QtWindowHost::syncFrame(Window& window)
{
    QWidget* frame = frameOf(window);
    if (!frame || m_syncing)
        return;
    m_syncing = true;
    const QString title = toQt(window.caption());
    if (frame->windowTitle() != title)
        frame->setWindowTitle(title);
    const QRect rect(toPixels(window.left()), toPixels(window.top()), toPixels(window.width()), toPixels(window.height()));
    if (frame->geometry() != rect)
        frame->setGeometry(rect);
    switch (window.windowState()) {
    case platform::WindowState::Minimized:
        if (!frame->isMinimized())
            frame->showMinimized();
        break;
    case platform::WindowState::Maximized:
        if (!frame->isMaximized())
            frame->showMaximized();
        break;
    case platform::WindowState::Normal:
        if ((frame->isMinimized() || frame->isMaximized()) && window.isVisible())
            frame->showNormal();
        break;
    }
    m_syncing = false;
}

void QtWindowHost::present(Window& window, bool modal)
{
    Entry& entry = m_entries[&window];
    if (entry.frame && entry.modal != modal) {
        delete entry.frame.data(); // a window changes between modal and child: a new frame
        entry.frame = nullptr;
    }
    if (!entry.frame) {
        QWidget* view = entry.makeView ? entry.makeView() : new QWidget;
        if (modal) {
            auto* dialog = new QDialog(m_mdi->window());
            auto* layout = new QVBoxLayout(dialog);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(view);
            dialog->setWindowModality(Qt::ApplicationModal);
            // The dialog hides itself on Esc or reject without a close event: the window closes
            // as if its frame were closed, so that the modal run ends.
            connect(dialog, &QDialog::finished, this, [this, &window] {
                if (window.isVisible() && !unload(window))
                    if (QWidget* frame = frameOf(window))
                        frame->show();
            });
            entry.frame = dialog;
        } else {
            QMdiSubWindow* sub = m_mdi->addSubWindow(view);
            sub->setAttribute(Qt::WA_DeleteOnClose, false);
            entry.frame = sub;
        }
        entry.modal = modal;
        entry.frame->installEventFilter(this);
        entry.changed = window.changed.connect([this, &window] { syncFrame(window); });
    }
    syncFrame(window);
    entry.frame->show();
}

void QtWindowHost::conceal(Window& window)
{
    if (QWidget* frame = frameOf(window))
        frame->hide();
}

void QtWindowHost::raise(Window& window)
{
    QWidget* frame = frameOf(window);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame))
        m_mdi->setActiveSubWindow(sub);
    else if (frame)
        frame->activateWindow();
}

void QtWindowHost::release(Window& window)
{
    auto it = m_entries.find(&window);
    if (it == m_entries.end() || !it->second.frame)
        return;
    it->second.changed.disconnect();
    QWidget* frame = it->second.frame;
    it->second.frame = nullptr;
    frame->removeEventFilter(this);
    frame->hide();
    // The frame may be inside its own close event: delete it once that has returned.
    frame->deleteLater();
}

void QtWindowHost::waitModal(Window& window)
{
    QEventLoop loop;
    auto done = window.changed.connect([&] {
        if (!window.isVisible())
            loop.quit();
    });
    if (window.isVisible())
        loop.exec();
}

bool QtWindowHost::eventFilter(QObject* object, QEvent* event)
{
    Window* window = windowOfFrame(object);
    if (!window)
        return QObject::eventFilter(object, event);
    switch (event->type()) {
    case QEvent::Close:
        // The user closed the frame: the model decides (its query-unload may keep it open).
        event->ignore();
        unload(*window);
        return true;
    case QEvent::Move:
    case QEvent::Resize:
        if (!m_syncing) {
            const QRect g = static_cast<QWidget*>(object)->geometry();
            m_syncing = true;
            window->move(toTwips(g.x()), toTwips(g.y()), toTwips(g.width()), toTwips(g.height()));
            m_syncing = false;
        }
        break;
    case QEvent::WindowActivate:
        if (activeWindow() != window && window->isVisible())
            activate(*window);
        break;
    default:
        break;
    }
    return QObject::eventFilter(object, event);
}

} // namespace corvalet::gui

#pragma once
// The window host of the GUI: a window model shows as a child window of the main window's MDI
// area (a modal one as an application-modal dialog). Each window's view is made by the factory
// registered for it when the window first shows and deleted when it unloads. Place and size
// follow the model (twips) both ways; closing the child window unloads the model.
#include "platform/WindowHost.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <unordered_map>

class QEventLoop;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace corvalet::gui {

class QtWindowHost final : public QObject, public platform::WindowHost {
    Q_OBJECT
public:
    explicit QtWindowHost(QMdiArea* mdi, QObject* parent = nullptr);
    ~QtWindowHost() override;

    void registerView(platform::Window& window, std::function<QWidget*()> makeView);
    // Forgets a window that is about to be destroyed (it must be unloaded first).
    void unregisterView(platform::Window& window);
    [[nodiscard]] platform::Size workArea() const override;
    [[nodiscard]] bool mainMinimized() const override;
    // The frame showing the window (an MDI child or a modal dialog), or null.
    [[nodiscard]] QWidget* frameOf(const platform::Window& window) const;

protected:
    void present(platform::Window& window, bool modal) override;
    void conceal(platform::Window& window) override;
    void raise(platform::Window& window) override;
    void release(platform::Window& window) override;
    void waitModal(platform::Window& window) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    struct Entry {
        std::function<QWidget*()> makeView;
        QPointer<QWidget> frame;
        bool modal = false;
        platform::Connection changed;
    };
    void syncFrame(platform::Window& window);
    [[nodiscard]] int toPixels(int twips) const;
    [[nodiscard]] int toTwips(int pixels) const;
    [[nodiscard]] platform::Window* windowOfFrame(QObject* frame) const;

    QMdiArea* m_mdi;
    std::unordered_map<platform::Window*, Entry> m_entries;
    bool m_syncing = false;
};

} // namespace corvalet::gui

#include "platform/WindowHost.h"

#include <algorithm>

namespace corvalet::platform {

void WindowHost::setVisible(Window& window, bool visible)
{
    if (window.m_visible == visible)
        return;
    window.m_visible = visible;
    window.changed.send();
}

void WindowHost::show(Window& window)
{
    if (!window.m_loaded) {
        window.m_loaded = true;
        m_loaded.push_back(&window);
        window.load.send();
        // A load handler may unload its own window.
        if (!window.m_loaded)
            return;
    }
    if (!window.m_visible) {
        present(window, window.m_modal);
        setVisible(window, true);
    }
    activate(window);
}

void WindowHost::hide(Window& window)
{
    if (!window.m_visible)
        return;
    conceal(window);
    setVisible(window, false);
    if (m_active == &window)
        m_active = nullptr;
}

void WindowHost::activate(Window& window)
{
    if (!window.m_visible)
        return;
    raise(window);
    if (m_active != &window) {
        m_active = &window;
        window.activate.send();
    }
}

bool WindowHost::unload(Window& window)
{
    if (!window.m_loaded)
        return true;
    bool cancel = false;
    window.queryUnload.send(cancel);
    if (cancel)
        return false;
    window.unload.send();
    hide(window);
    release(window);
    window.m_loaded = false;
    window.m_modal = false;
    std::erase(m_loaded, &window);
    if (m_active == &window)
        m_active = nullptr;
    return true;
}

void WindowHost::runModal(Window& window)
{
    if (window.m_visible)
        hide(window); // a visible window becomes modal by showing anew
    window.m_modal = true;
    show(window);
    if (window.m_visible)
        waitModal(window);
    window.m_modal = false;
}

void HeadlessWindowHost::waitModal(Window& window)
{
    if (onModal)
        onModal(window);
    if (window.isVisible())
        hide(window);
}

} // namespace corvalet::platform

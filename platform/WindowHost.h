#pragma once
// Shows, hides, activates, unloads and modally runs window models. The host keeps the
// life-cycle (load once before the first show, query unload, unload) so that every
// implementation raises the same events in the same order; an implementation only presents.
#include "platform/Window.h"

#include <functional>
#include <vector>

namespace corvalet::platform {

struct Size {
    int width = 0;
    int height = 0;
};

class WindowHost {
public:
    virtual ~WindowHost() = default;

    // Loads the window if needed (raising load), makes it visible and active.
    void show(Window& window);
    void hide(Window& window);
    void activate(Window& window);
    // Raises queryUnload (which may keep it) and unload; the window is hidden and no longer
    // loaded. Returns false when it stayed open. An unloaded window does nothing.
    bool unload(Window& window);
    // Shows the window modally and returns once it is hidden or unloaded.
    void runModal(Window& window);

    [[nodiscard]] Window* activeWindow() const { return m_active; }
    [[nodiscard]] const std::vector<Window*>& loadedWindows() const { return m_loaded; }

    // The main window's working area in twips, and whether the main window is minimised.
    [[nodiscard]] virtual Size workArea() const = 0;
    [[nodiscard]] virtual bool mainMinimized() const = 0;

protected:
    virtual void present(Window& window, bool modal) = 0;
    virtual void conceal(Window& window) = 0;
    virtual void raise(Window& window) = 0;
    virtual void release(Window& window) = 0;
    // Returns when the modal window is no longer visible.
    virtual void waitModal(Window& window) = 0;

private:
    void setVisible(Window& window, bool visible);
    Window* m_active = nullptr;
    std::vector<Window*> m_loaded;
};

// Does nothing visible but keeps the state; quiet mode and tests. A test may act while a
// window runs modally through onModal (it is called once, inside runModal); without one,
// runModal hides the window again and returns, as a modal window dismissed at once.
class HeadlessWindowHost final : public WindowHost {
public:
    [[nodiscard]] Size workArea() const override { return m_workArea; }
    [[nodiscard]] bool mainMinimized() const override { return m_minimized; }
    void setWorkArea(Size size) { m_workArea = size; }
    void setMainMinimized(bool on) { m_minimized = on; }
    std::function<void(Window&)> onModal;

protected:
    void present(Window&, bool) override {}
    void conceal(Window&) override {}
    void raise(Window&) override {}
    void release(Window&) override {}
    void waitModal(Window& window) override;

private:
    Size m_workArea{15360, 10800}; // 1024 x 720 pixels
    bool m_minimized = false;
};

} // namespace corvalet::platform

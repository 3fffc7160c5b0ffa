#pragma once
// A window model as its host sees it: a name, a caption, a place in twips, a state, the
// controls in index order, and the life-cycle events the host raises. The window models of the
// subsystems derive from it and register their controls.
#include "platform/Control.h"
#include "platform/Signal.h"

#include <string>
#include <vector>

namespace corvalet::platform {

enum class WindowState : int { Normal = 0, Minimized = 1, Maximized = 2 };

class WindowHost;

class Window {
public:
    explicit Window(std::string name, std::string caption = {}) : m_name(std::move(name)), m_caption(std::move(caption)) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    [[nodiscard]] const std::string& name() const { return m_name; }
    [[nodiscard]] const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption)
    {
        if (caption != m_caption) {
            m_caption = std::move(caption);
            changed.send();
        }
    }
    // Position and size in twips (15 per pixel at 96 dpi), relative to the host's work area.
    [[nodiscard]] int left() const { return m_left; }
    [[nodiscard]] int top() const { return m_top; }
    [[nodiscard]] int width() const { return m_width; }
    [[nodiscard]] int height() const { return m_height; }
    void move(int left, int top, int width, int height)
    {
        if (left == m_left && top == m_top && width == m_width && height == m_height)
            return;
        m_left = left, m_top = top, m_width = width, m_height = height;
        changed.send();
    }
    [[nodiscard]] WindowState windowState() const { return m_state; }
    void setWindowState(WindowState state)
    {
        if (state != m_state) {
            m_state = state;
            changed.send();
        }
    }

    // Key preview: the window sees a key before the control that has the focus.
    [[nodiscard]] bool keyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool on) { m_keyPreview = on; }

    [[nodiscard]] bool loaded() const { return m_loaded; }
    [[nodiscard]] bool isVisible() const { return m_visible; }
    [[nodiscard]] bool isModal() const { return m_modal; }

    // The controls in index order; the window does not own them (they are its members).
    [[nodiscard]] const std::vector<Control*>& controls() const { return m_controls; }
    void addControl(Control& control) { m_controls.push_back(&control); }

    // Raised by the host.
    Signal<> load;              // once, before the window first shows
    Signal<> activate;          // each time it becomes the active window
    Signal<bool&> queryUnload;  // set true to keep the window open
    Signal<> unload;            // the window closes
    // View notice: caption, place, state.
    Signal<> changed;

private:
    friend class WindowHost;
    std::string m_name;
    std::string m_caption;
    int m_left = 0, m_top = 0, m_width = 6000, m_height = 4500;
    WindowState m_state = WindowState::Normal;
    bool m_loaded = false, m_visible = false, m_modal = false;
    bool m_keyPreview = false;
    std::vector<Control*> m_controls;
};

} // namespace corvalet::platform

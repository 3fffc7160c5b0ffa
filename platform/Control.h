#pragma once
// What every control model shares: the common properties the window models read and write,
// the font, and the change notice its view listens to. A setter notifies only when the value
// really changes, so a view refreshing itself never starts a second round.
#include "platform/Signal.h"

#include <cstdint>
#include <string>
#include <utility>

namespace corvalet::platform {

using Color = std::uint32_t; // 0x00BBGGRR
inline constexpr Color kDefaultColor = 0xFFFFFFFFu;
[[nodiscard]] constexpr Color rgb(int r, int g, int b)
{
    return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}

class Control {
public:
    explicit Control(std::string name = {}, int index = -1) : m_name(std::move(name)), m_index(index) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    [[nodiscard]] const std::string& name() const { return m_name; }
    // Position in a control array; -1 for a control that is not in one.
    [[nodiscard]] int index() const { return m_index; }

    [[nodiscard]] bool enabled() const { return m_enabled; }
    void setEnabled(bool on) { assign(m_enabled, on); }
    [[nodiscard]] bool visible() const { return m_visible; }
    void setVisible(bool on) { assign(m_visible, on); }
    [[nodiscard]] const std::string& tag() const { return m_tag; }
    void setTag(std::string tag) { assign(m_tag, std::move(tag)); }
    [[nodiscard]] const std::string& toolTipText() const { return m_toolTip; }
    void setToolTipText(std::string tip) { assign(m_toolTip, std::move(tip)); }
    [[nodiscard]] Color backColor() const { return m_backColor; }
    void setBackColor(Color color) { assign(m_backColor, color); }
    [[nodiscard]] Color foreColor() const { return m_foreColor; }
    void setForeColor(Color color) { assign(m_foreColor, color); }

    // A control without a font (a timer) ignores the font setters.
    [[nodiscard]] virtual bool hasFont() const { return true; }
    [[nodiscard]] const std::string& fontName() const { return m_fontName; }
    [[nodiscard]] double fontSize() const { return m_fontSize; }
    [[nodiscard]] bool fontBold() const { return m_fontBold; }
    void setFont(const std::string& name, double size, bool bold)
    {
        if (!hasFont() || (name == m_fontName && size == m_fontSize && bold == m_fontBold))
            return;
        m_fontName = name, m_fontSize = size, m_fontBold = bold;
        changed.send();
    }

    // Asks the view to repaint without any property having changed.
    void requestRedraw() { redrawRequested.send(); }

    Signal<> changed;         // any property above or of the derived control
    Signal<> redrawRequested;

protected:
    // Sets a member and notifies when its value differs; returns whether it did.
    template <class T> bool assign(T& member, T value)
    {
        if (member == value)
            return false;
        member = std::move(value);
        changed.send();
        return true;
    }

private:
    std::string m_name;
    int m_index;
    bool m_enabled = true;
    bool m_visible = true;
    std::string m_tag;
    std::string m_toolTip;
    Color m_backColor = kDefaultColor;
    Color m_foreColor = kDefaultColor;
    std::string m_fontName = "Arial";
    double m_fontSize = 10.0;
    bool m_fontBold = false;
};

} // namespace corvalet::platform

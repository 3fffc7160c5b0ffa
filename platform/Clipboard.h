#pragma once
// The system clipboard as the models see it: plain 8-bit text only.
#include <string>

namespace corvalet::platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    [[nodiscard]] virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void clear() { setText(std::string()); }
};

// Keeps the text in memory: headless runs and tests.
class MemoryClipboard final : public Clipboard {
public:
    [[nodiscard]] std::string text() const override { return m_text; }
    void setText(const std::string& text) override { m_text = text; }

private:
    std::string m_text;
};

} // namespace corvalet::platform

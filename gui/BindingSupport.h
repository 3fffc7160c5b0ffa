#pragma once
// What the grid view and the binders share: 8-bit model text to Qt and back (the models hold
// bytes; the views show them as Latin-1), and Qt key events as the key codes and shift bits
// of the models' key events.
#include <QKeyEvent>
#include <QString>

#include <string>

namespace corvalet::gui {

[[nodiscard]] QString toQt(const std::string& text);
[[nodiscard]] std::string fromQt(const QString& text);
// Enter 13, Esc 27, Delete 46, arrows 37-40, F1 112 …; letters and digits as upper-case ASCII;
// 0 for a key the models have no code for.
[[nodiscard]] int keyCodeOf(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4.
[[nodiscard]] int shiftStateOf(Qt::KeyboardModifiers modifiers);

} // namespace corvalet::gui

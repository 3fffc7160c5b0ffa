// Platform headers first: Signal.h names a variable "slots", which Qt defines as a macro.
#include "platform/Grid.h"

#include "gui/BindingSupport.h"

namespace corvalet::gui {

QString toQt(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

std::string fromQt(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

int keyCodeOf(const QKeyEvent& event)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Home: return 36;
    case Qt::Key_End: return 35;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    default: break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 112 + (key - Qt::Key_F1);
    // Letters and digits: Qt's codes are the upper-case ASCII codes the handlers expect.
    return key < 256 ? key : 0;
}

int shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= platform::keys::ShiftFlag;
    if (modifiers & Qt::ControlModifier)
        shift |= platform::keys::CtrlFlag;
    if (modifiers & Qt::AltModifier)
        shift |= platform::keys::AltFlag;
    return shift;
}

} // namespace corvalet::gui

#include "platform/ui/keyCodes.h"

#include <QKeyEvent>

namespace keyCodes {

int keyCode(const QKeyEvent& event) { return keyCode(event.key(), event.modifiers()); }

int keyCode(int k, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return keypad ? 96 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return 112 + (k - Qt::Key_F1);
    struct Pair { int qt, code; };
    static const Pair pairs[] = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Return, 13},  {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},     {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},      {Qt::Key_Home, 36},     {Qt::Key_Left, 37},    {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},    {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},  {Qt::Key_Delete, 46},
        {Qt::Key_Comma, 188},   {Qt::Key_Period, 190},  {Qt::Key_Slash, 191},  {Qt::Key_Equal, 187},
    };
    // Keypad operators have codes of their own.
    if (keypad) {
        switch (k) {
        case Qt::Key_Asterisk: return 106;
        case Qt::Key_Plus: return 107;
        case Qt::Key_Minus: return 109;
        case Qt::Key_Period: return 110;
        case Qt::Key_Slash: return 111;
        default: break;
        }
    }
    if (k == Qt::Key_Minus) return 189;
    for (const Pair& p : pairs)
        if (p.qt == k) return p.code;
    return 0;
}

int shiftState(const QKeyEvent& event) { return shiftState(event.modifiers()); }

int shiftState(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

} // namespace keyCodes

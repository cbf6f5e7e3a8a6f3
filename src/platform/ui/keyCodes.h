#pragma once
// Key codes as the console's key handlers compare them: the classic
// virtual-key numbers (letters 65..90, digits 48..57, keypad digits
// 96..105, Space 32, End 35, Insert 45, Delete 46, Pause 19, Esc 27,
// F1..F12 112..123), and the shift state as a sum (1 Shift, 2 Ctrl, 4 Alt).
// Windows turn Qt's key events into these at their edge.

#include <Qt>

class QKeyEvent;

namespace keyCodes {

// The key of the event; 0 for a key the handlers never name.
int keyCode(const QKeyEvent& event);
int keyCode(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The shift state of the event.
int shiftState(const QKeyEvent& event);
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace keyCodes

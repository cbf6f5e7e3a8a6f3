#pragma once
// The engine of the "Enter Time" keypad: a time in seconds typed with the
// mouse or the numeric key block, written on Enter into the target its
// caller named. The window (ui/frmKeyPad) mirrors the text.

#include <QString>
#include <cstdint>

class TimeKeypad {
public:
    // Targets: "txtfadeTime" (the console's time box theTxtIndex) and
    // "crossFade" (the crossfade time of group strip theTxtIndex) and
    // "theGrid" (column theTxtIndex of the active playback window's step
    // grid, taken into its current step); any other name writes nothing.
    QString textBoxName;
    int32_t theTxtIndex = 0;
    QString text;

    // Index 0..8 types "1".."9", 9 types "0", 10 types ".".
    void cmdButton_Click(int32_t index);
    void cmdBackSpace_Click();
    void cmdClear_Click() { setText(QString()); }
    // Every change of the text: a value above 1000 becomes "0".
    void setText(const QString& typed);
    // A key (classic key code) seen by the window: the numeric block types,
    // Enter, Backspace and Delete act, others do nothing. True when Enter
    // closed the keypad.
    bool keyDown(int32_t keyCode);
    // Writes the value, rounded to 2 decimals, into the target; true when the
    // keypad closes (false, with a message, on a value it cannot write).
    bool cmdEnter_Click();

    // The number the leading part of a text spells (digits and at most one point); 0 when none.
    static double numericPrefix(const QString& text);
};

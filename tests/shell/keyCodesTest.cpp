// Qt's keys as the console's key tables number them.

#include "platform/ui/keyCodes.h"

#include <gtest/gtest.h>

TEST(KeyCodes, QtKeysBecomeVirtualKeyNumbers) {
    struct Case {
        int qtKey;
        int code;
    } cases[] = {{Qt::Key_Space, 32},  {Qt::Key_Escape, 27}, {Qt::Key_Pause, 19},  {Qt::Key_End, 35},
                 {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46}, {Qt::Key_A, 65},      {Qt::Key_Z, 90},
                 {Qt::Key_0, 48},      {Qt::Key_9, 57},      {Qt::Key_F1, 112},    {Qt::Key_F12, 123},
                 {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},  {Qt::Key_Left, 37},   {Qt::Key_Down, 40},
                 {Qt::Key_Eacute, 0},  {Qt::Key_unknown, 0}};
    for (const Case& c : cases) EXPECT_EQ(keyCodes::keyCode(c.qtKey), c.code) << c.qtKey;
}

TEST(KeyCodes, ModifiersAddUpToTheShiftWord) {
    EXPECT_EQ(keyCodes::shiftState(Qt::NoModifier), 0);
    EXPECT_EQ(keyCodes::shiftState(Qt::ShiftModifier), 1);
    EXPECT_EQ(keyCodes::shiftState(Qt::ControlModifier), 2);
    EXPECT_EQ(keyCodes::shiftState(Qt::AltModifier), 4);
    EXPECT_EQ(keyCodes::shiftState(Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier), 5);
}

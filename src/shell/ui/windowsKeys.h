#pragma once
// The key codes the console's key tables are written in (the classic
// virtual-key numbers: Space 32, End 35, Insert 45, Delete 46, letters their
// capitals) and the shift word (1 Shift, 2 Ctrl, 4 Alt). Windows convert
// Qt's keys at their edge, so the tables never see Qt's numbering.

#include <Qt>
#include <cstdint>

namespace windowsKeys {
// The virtual-key number of a Qt key; 0 for a key the tables do not know.
int32_t virtualKey(int qtKey);
// 1 Shift, 2 Ctrl, 4 Alt, added together.
int32_t shiftState(Qt::KeyboardModifiers modifiers);
} // namespace windowsKeys

#pragma once
// The wheel hook: a hooked window hears of every wheel turn over it through
// its mouseWheel, while the turn still reaches the control under the
// pointer as usual. (Device arrival is the output's, over udev.)

#include <QRect>
#include <cstdint>

class QWidget;

// What a hooked window offers: key flags, wheel distance in multiples of
// 120 (positive away from the user), pointer position in screen pixels.
class WheelTarget {
public:
    virtual ~WheelTarget() = default;
    virtual void mouseWheel(int32_t& MouseKeys, int32_t& Rotation, int32_t& Xpos, int32_t& Ypos) = 0;
};

namespace modMouseWheel {

// The key flags of MouseKeys.
enum : int32_t { mkLButton = 1, mkRButton = 2, mkShift = 4, mkControl = 8, mkMButton = 16 };

// Hooks a window (once; a second hook of the same window replaces the first).
void WheelHook(QWidget* window, WheelTarget& target);
void WheelUnHook(QWidget* window);
// All four edges count as inside.
bool isPointInWindow(const QRect& frame, int32_t x, int32_t y);

} // namespace modMouseWheel

#pragma once
// The display monitors, in the order the system lists them (the primary
// first), each as a rectangle in pixels of the virtual desktop. The desktop
// implementation reads QScreen (platformUi); tests use a fake.

#include <QRect>
#include <vector>

class Monitors {
public:
    virtual ~Monitors() = default;
    virtual std::vector<QRect> list() = 0;
    // The work area of each monitor of list(), in the same order: the
    // rectangle without the desktop's panels. The whole monitor by default.
    virtual std::vector<QRect> workAreas() { return list(); }
    // Whether the windowing system lets the application place its windows
    // (false under Wayland, where the desktop places them).
    virtual bool canPlaceWindows() { return true; }
};

#pragma once
// Monitors from QScreen: the primary screen first, then the others in the
// order Qt lists them.

#include "platform/monitors.h"

class QtMonitors final : public Monitors {
public:
    std::vector<QRect> list() override;
    std::vector<QRect> workAreas() override;
    bool canPlaceWindows() override;
};

namespace qtMonitors {
// Before QApplication exists: under Wayland ask for the xcb platform when
// it is installed, so the console can place its windows on two monitors;
// without it placement is left to the desktop. Nothing when the user chose
// a platform (QT_QPA_PLATFORM).
void preferPlaceableWindows();
} // namespace qtMonitors

#pragma once
// The monitors of the desktop in virtual-screen pixels, found by probing
// the desktop in a grid of 640 x 480 cells, so they are listed row by row
// from the top, left to right within a row. Each user keeps its own
// instance; it knows the monitors as they were at its last Refresh.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// One monitor: its rectangle and work area (without the desktop's panels).
// handle 0 is the fallback monitor of a system that lists none.
struct clsMonitor {
    int32_t handle = 0, Height = 0, Width = 0, left = 0, Right = 0, tOp = 0, Bottom = 0;
    int32_t WorkLeft = 0, WorkRight = 0, WorkTop = 0, WorkBottom = 0;
};

class clsMonitors {
public:
    // Flags of the monitor look-ups: no monitor, or the primary one, when
    // nothing matches.
    static constexpr int32_t defaultToNull = 0, defaultToPrimary = 1;
    // The screen assumed when the platform lists no monitor.
    static constexpr QSize assumedScreen{1920, 1080};

    // Reads the monitors at once.
    clsMonitors();

    // In the order found; users address them by 1-based position.
    std::vector<clsMonitor> Monitors;

    int32_t DesktopLeft() const;
    int32_t DesktopTop() const;
    int32_t DesktopWidth() const;
    int32_t DesktopHeight() const;

    // The handle of the monitor holding the point; with defaultToPrimary the
    // primary monitor when none does, else 0.
    int32_t GetMonitorFromXYPoint(int32_t x, int32_t y, int32_t dwFlags) const;
    // The handle of the monitor holding most of a window's frame (pixels).
    int32_t GetMonitorFromWindow(const QRect& frame, int32_t dwFlags) const;
    // The 1-based position in Monitors of a handle; 0 when not listed.
    int32_t positionOf(int32_t handle) const;

    // Rebuilds Monitors from the platform's monitors layer.
    void Refresh();

    // Where a window of the given outer size goes to be centred on the
    // monitor of the reference window (its frame), or on the primary one:
    // the origin is the monitor's top-left corner, the span its work area.
    QPoint CenterFormOnMonitor(const QSize& frame, const std::optional<QRect>& referenceFrame = std::nullopt) const;

private:
    // The platform's monitors (the primary first) and their work areas.
    std::vector<QRect> screens, work;
    QRect desktop;
    void readScreens();
    // Index into screens of a handle (handles are that index + 1).
    const QRect* screenOf(int32_t handle) const;
};

#include "support/clsMonitors.h"

#include "platform/monitors.h"
#include "shell/shell.h"

#include <algorithm>

clsMonitors::clsMonitors() { Refresh(); }

void clsMonitors::readScreens() {
    screens.clear();
    work.clear();
    if (hasShell())
        if (::Monitors* layer = shell().monitors()) {
            for (const QRect& r : layer->list())
                if (r.isValid()) screens.push_back(r);
            work = layer->workAreas();
        }
    // A work area the layer did not give is the whole monitor.
    work.resize(screens.size());
    for (size_t i = 0; i < screens.size(); ++i)
        if (!work[i].isValid()) work[i] = screens[i];
    desktop = QRect();
    for (const QRect& r : screens) desktop = desktop.united(r);
    if (screens.empty()) desktop = QRect(QPoint(0, 0), assumedScreen);
}

int32_t clsMonitors::DesktopLeft() const { return desktop.x(); }
int32_t clsMonitors::DesktopTop() const { return desktop.y(); }
int32_t clsMonitors::DesktopWidth() const { return desktop.width(); }
int32_t clsMonitors::DesktopHeight() const { return desktop.height(); }

const QRect* clsMonitors::screenOf(int32_t handle) const {
    if (handle < 1 || size_t(handle) > screens.size()) return nullptr;
    return &screens[size_t(handle - 1)];
}

int32_t clsMonitors::GetMonitorFromXYPoint(int32_t x, int32_t y, int32_t dwFlags) const {
    for (size_t i = 0; i < screens.size(); ++i)
        if (screens[i].contains(x, y)) return int32_t(i + 1);
    return dwFlags == defaultToPrimary && !screens.empty() ? 1 : 0;
}

int32_t clsMonitors::GetMonitorFromWindow(const QRect& frame, int32_t dwFlags) const {
    int32_t best = 0;
    int64_t bestArea = 0;
    for (size_t i = 0; i < screens.size(); ++i) {
        const QRect common = screens[i].intersected(frame);
        const int64_t area = int64_t(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = int32_t(i + 1);
        }
    }
    if (best == 0 && dwFlags == defaultToPrimary && !screens.empty()) best = 1;
    return best;
}

int32_t clsMonitors::positionOf(int32_t handle) const {
    for (size_t i = 0; i < Monitors.size(); ++i)
        if (Monitors[i].handle == handle) return int32_t(i + 1);
    return 0;
}

void clsMonitors::Refresh() {
    Monitors.clear();
    readScreens();
    auto add = [this](int32_t handle) {
        const QRect& r = screens[size_t(handle - 1)];
        const QRect& w = work[size_t(handle - 1)];
        clsMonitor m;
        m.handle = handle;
        m.left = r.x();
        m.Right = r.x() + r.width();
        m.tOp = r.y();
        m.Bottom = r.y() + r.height();
        m.WorkLeft = w.x();
        m.WorkRight = w.x() + w.width();
        m.WorkTop = w.y();
        m.WorkBottom = w.y() + w.height();
        m.Height = m.Bottom - m.tOp;
        m.Width = m.Right - m.left;
        Monitors.push_back(m);
    };
    // Probe the middle of every 640 x 480 cell, row by row. The grid runs to
    // the desktop's right and bottom edges, so it covers a desktop whose
    // corner is not at the origin too.
    const int64_t right = int64_t(desktop.x()) + desktop.width();
    const int64_t bottom = int64_t(desktop.y()) + desktop.height();
    for (int64_t y = desktop.y(); !screens.empty() && y <= bottom; y += 480) {
        for (int64_t x = desktop.x(); x <= right; x += 640) {
            const int32_t handle = GetMonitorFromXYPoint(int32_t(x + 320), int32_t(y + 240), defaultToNull);
            if (handle != 0 && positionOf(handle) == 0) add(handle);
        }
    }
    // A monitor too small to hold a probe point is still a monitor: it
    // comes after those the grid found.
    for (size_t i = 0; i < screens.size(); ++i)
        if (positionOf(int32_t(i + 1)) == 0) add(int32_t(i + 1));
    if (Monitors.empty()) {
        clsMonitor m;
        m.Right = m.WorkRight = m.Width = assumedScreen.width();
        m.Bottom = m.WorkBottom = m.Height = assumedScreen.height();
        Monitors.push_back(m);
    }
}

QPoint clsMonitors::CenterFormOnMonitor(const QSize& frame, const std::optional<QRect>& referenceFrame) const {
    const int32_t handle = referenceFrame ? GetMonitorFromWindow(*referenceFrame, defaultToPrimary)
                                          : GetMonitorFromXYPoint(1, 1, defaultToPrimary);
    if (const QRect* r = screenOf(handle)) {
        const QRect& w = work[size_t(handle - 1)];
        return {r->x() + (w.width() - frame.width()) / 2, r->y() + (w.height() - frame.height()) / 2};
    }
    return {(DesktopWidth() - frame.width()) / 2, (DesktopHeight() - frame.height()) / 2};
}

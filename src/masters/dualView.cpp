#include "masters/dualView.h"

#include "shell/miscGlobalFunctions.h"

#include <cmath>

namespace dualView {

namespace {
int whole(double v) { return int(std::nearbyint(v)); }
} // namespace

bool inForce(const std::vector<QRect>& monitors, const QString& enabledSetting) {
    if (monitors.size() < 2) return false;
    return miscGlobalFunctions::truthFromText(enabledSetting.trimmed()).value_or(false);
}

Placement place(const Inputs& in) {
    Placement p;
    const int T = twipsPerPixel;
    const QRect primary = in.monitors.empty() ? QRect(0, 0, 1024, 768) : in.monitors.front();
    const double screenW = double(primary.width()) * T, screenH = double(primary.height()) * T;
    p.dual = in.monitors.size() >= 2 && in.enabled;
    if (p.dual) {
        const QRect m = in.monitors[1];
        const int left = m.left() * T;
        const int top = m.top() * T + in.topBarHeight;
        const int frameW = (m.left() + m.width()) * T;
        int frameWidth = in.frameWidth;
        if (float(frameW) != float(in.frameWidth)) {
            p.frame = QRect(0, 0, frameW, whole(0.995 * screenH));
            frameWidth = frameW;
        }
        p.topBarWidth = frameWidth - 600;
        const int shortcutsH = whole((double(m.height()) * T - in.topBarHeight) * 0.675);
        const int shortcutsW = whole(double(m.width()) * T * 0.98);
        p.shortcuts = QRect(left, top, shortcutsW, shortcutsH);
        p.submasters = QRect(left, whole(top + shortcutsH + 0.005 * screenH), whole(double(m.width()) * T * 0.98),
                             whole(double(m.height()) * T * 0.25));
        p.showSubmasters = true;
        p.reloadPage = true;
        p.playbackModeEnabled = false;
        p.paletteHeight = p.layoutHeight = whole(double(m.height()) * T * 0.7);
    } else {
        const QRect m = primary;
        if (!in.frameMaximized) {
            p.frame = QRect(0, 0, whole(0.995 * screenW), 0);
            p.maximizeFrame = true;
            const int shortcutsTop = in.topBarTop + in.topBarHeight;
            const int shortcutsH = whole(0.625 * screenH);
            p.shortcuts = QRect(0, shortcutsTop, whole(0.995 * screenW), shortcutsH);
            p.submasters = QRect(0, whole(shortcutsTop + shortcutsH + 0.005 * screenH), whole(0.995 * screenW),
                                 whole(0.21 * screenH));
            p.reloadPage = true;
            p.playbackModeEnabled = true;
        } else {
            p.shortcutsLeftOnly = true;
        }
        p.paletteHeight = p.layoutHeight = whole(double(m.height()) * T * 0.5);
    }
    p.mainTop = in.layoutTop + p.layoutHeight + 100;
    return p;
}

} // namespace dualView

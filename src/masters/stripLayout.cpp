#include "masters/stripLayout.h"

namespace stripLayout {

StripGeometry designTemplate() {
    StripGeometry g;
    g.fader = {1260, 1455, 945, 1920};
    g.go = {1245, 720, 975, 690};
    g.previous = {1245, 75, 480, 600};
    g.next = {1755, 75, 480, 600};
    g.groupName = {2265, 60, 420, 3315};
    g.sequence = {2715, 45, 825, 300};
    g.crossFader = {2715, 360, 825, 2625};
    g.current = {2715, 3000, 825, 375};
    return g;
}

Strips fresh() {
    Strips s;
    s.fill(designTemplate());
    return s;
}

void layoutStrip(Strips& strips, int k, int32_t H) {
    if (k < 1 || k > maxStrips) return;
    StripGeometry& g = strips[std::size_t(k)];
    g.groupName.top = 20;
    g.groupName.height = H - 40;
    // The cross-fader hangs between the two name boxes as they stood before
    // this layout moves them.
    g.crossFader.top = g.sequence.top + g.sequence.height;
    g.crossFader.height = g.current.top - g.crossFader.top + 40;
    if (k >= 2) {
        const Rect& before = strips[std::size_t(k - 1)].crossFader;
        g.fader.left = before.left + before.width + 200;
        g.go.left = g.fader.left - 30;
        g.previous.left = g.go.left;
        g.next.left = g.previous.left + g.previous.width;
    } else {
        g.previous.left = g.go.left;
    }
    g.groupName.left = g.fader.left + g.fader.width + 70;
    g.crossFader.left = g.groupName.left + g.groupName.width + 20;
    g.sequence.left = g.crossFader.left;
    g.current.left = g.sequence.left;
    g.current.top = H - g.current.height - 20;
    g.sequence.top = 20;
    g.fader.height = H - (g.go.top + g.go.height) - 100;
}

} // namespace stripLayout

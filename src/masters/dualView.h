#pragma once
// Window placement for one or two monitors ("dual view"), in twips. The
// top bar asks for it at every switch to programming mode; the windows
// apply what concerns them.

#include <QRect>
#include <optional>
#include <vector>

namespace dualView {

constexpr int twipsPerPixel = 15;

struct Inputs {
    std::vector<QRect> monitors;  // pixels, the primary first
    bool enabled = false;         // ylc.ini [DualView] Enabled
    int topBarTop = 0, topBarHeight = 0;
    int frameWidth = 0;           // the frame's present width
    bool frameMaximized = false;
    int layoutTop = 0;            // the fixture layout window's top
};

struct Placement {
    bool dual = false;
    // The frame's new geometry; none when it stays as it is (height 0: only
    // the width changes, then the frame is maximized).
    std::optional<QRect> frame;
    bool maximizeFrame = false;
    std::optional<int> topBarWidth;
    std::optional<QRect> shortcuts, submasters; // none: left alone
    bool shortcutsLeftOnly = false;             // single view: only Left = 0
    int paletteHeight = 0, layoutHeight = 0, mainTop = 0;
    std::optional<bool> playbackModeEnabled;    // none: unchanged
    bool showSubmasters = false;
    bool reloadPage = false;
};

// Whether dual view is in force: two or more monitors and the setting True.
bool inForce(const std::vector<QRect>& monitors, const QString& enabledSetting);
Placement place(const Inputs& in);

} // namespace dualView

#include "support/clsScrolling.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Values given to a bar's 16-bit properties: rounded half to even, kept in range.
int16_t barValue(double v) {
    const double r = std::nearbyint(v);
    return int16_t(std::clamp(r, double(std::numeric_limits<int16_t>::min()), double(std::numeric_limits<int16_t>::max())));
}
bool fits16(int64_t v) { return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max(); }
} // namespace

void clsScrolling::initializeMe(const std::vector<Control>& controls) {
    int16_t bottom = 0, right = 0;
    for (const Control& c : controls) {
        if (!c.visible || !c.hasPosition) continue;
        // The running value already holds the margin, so the result depends
        // on the order of the controls; a value beyond 16 bits is passed over.
        if (int64_t(c.top) + c.height > bottom) {
            const int64_t b = int64_t(c.top) + c.height + 4000;
            if (fits16(b)) bottom = int16_t(b);
        }
        if (int64_t(c.left) + c.width > right) {
            const int64_t r = int64_t(c.left) + c.width + 4000;
            if (fits16(r)) right = int16_t(r);
        }
    }
    fullHeight = int16_t(bottom - 25);
    fullWidth = int16_t(right - 25);
}

void clsScrolling::formResize(const Window& w, Bar& vScroll, Bar& hScroll, int32_t twipsX, int32_t twipsY) const {
    vScroll.left = w.width - vScroll.width;
    vScroll.visible = !(w.height - fullHeight > 0);
    // Minimised: only the vertical bar is placed.
    if (w.scaleHeight <= hScroll.height || w.width <= vScroll.width) return;
    hScroll.enabled = fullWidth - w.width >= 0;
    hScroll.width = w.scaleWidth - vScroll.width;
    if (hScroll.enabled) {
        hScroll.min = 0;
        hScroll.max = barValue(double(fullWidth) - w.width);
        hScroll.smallChange = barValue(10.0 * twipsX);
        hScroll.largeChange = barValue(double(w.scaleWidth) - vScroll.width);
    }
    // The window's own setting of the vertical bar counts; it is never disabled here.
    if (vScroll.enabled) {
        vScroll.height = w.scaleHeight - hScroll.height - 250;
        vScroll.min = 0;
        vScroll.max = barValue(double(fullHeight) - w.height);
        vScroll.smallChange = barValue(10.0 * twipsY);
        vScroll.largeChange = barValue(double(w.scaleHeight) - hScroll.height);
    } else {
        vScroll.height = w.scaleHeight - hScroll.height + 250;
    }
}

template <typename Select>
void clsScrolling::move(std::vector<Control>& controls, const Bar& v, const Bar& h, Select select) {
    for (Control& c : controls) {
        if (!select(c)) continue;
        c.top += lastVScroll - v.value;
        c.left += lastHScroll - h.value;
    }
    lastVScroll = v.value;
    lastHScroll = h.value;
}

void clsScrolling::pScrollForm(std::vector<Control>& controls, const Bar& v, const Bar& h) {
    move(controls, v, h, [](const Control& c) { return c.kind != Kind::Other && c.tag != QLatin1String("nomove"); });
}

void clsScrolling::pScrollFormSpecial(std::vector<Control>& controls, const Bar& v, const Bar& h) {
    move(controls, v, h, [](const Control& c) { return c.tag == QLatin1String("Shortcut"); });
}

void clsScrolling::GetFullSize(const std::vector<Control>& controls, const Bar& vScroll, const Bar& hScroll) {
    int32_t bottom = 0, right = 0;
    for (const Control& c : controls) {
        if (!c.hasPosition) continue;
        bottom = std::max(bottom, c.top + c.height);
        right = std::max(right, c.left + c.width);
    }
    fullHeight = barValue(double(bottom) + hScroll.height);
    fullWidth = barValue(double(right) + vScroll.width);
}

#include "masters/sizeFormControls.h"

#include <cmath>

namespace {
int32_t scaled(int32_t v, double ratio) { return int32_t(std::nearbyint(double(v) * ratio)); }
bool sized(const SizedControl& c) { return c.tag == QLatin1String("Size"); }
bool hasFont(const SizedControl& c) { return c.kind == SizedControl::Label || c.kind == SizedControl::TextBox; }
} // namespace

void ClsSizeFormControls::GetLocation(const std::vector<SizedControl>& controls, int32_t w, int32_t h) {
    controlPositions.clear();
    for (const SizedControl& c : controls) {
        if (!sized(c)) continue;
        controlPositions.push_back({c.tabIndex, c.name, c.left, c.top, c.width, c.height, hasFont(c) ? c.fontSize : 0});
    }
    formHeight = h;
    formWidth = w;
}

void ClsSizeFormControls::ResizeControls(std::vector<SizedControl>& controls, int32_t w, int32_t h) {
    if (formHeight <= 0 || formWidth <= 0) return; // nothing recorded to scale from
    heightRatio = double(h) / double(formHeight);
    widthRatio = double(w) / double(formWidth);
    for (const ControlPosition& r : controlPositions) {
        for (SizedControl& c : controls) {
            if (!sized(c) || c.tabIndex != r.tabIndex) continue;
            c.left = scaled(r.left, widthRatio);
            c.width = scaled(r.width, widthRatio);
            if (c.kind != SizedControl::ComboBox) c.height = scaled(r.height, heightRatio);
            c.top = scaled(r.top, heightRatio);
            if (hasFont(c)) {
                const int16_t s = SetFontSizeNew(r.fontSize);
                if (s >= 4) c.fontSize = s;
            }
        }
    }
}

int16_t ClsSizeFormControls::SetFontSize() const {
    return std::trunc(heightRatio) > 0 ? int16_t(std::trunc(8 * heightRatio)) : 0;
}

int16_t ClsSizeFormControls::SetFontSizeNew(float size) const {
    return std::trunc(heightRatio) > 0 ? int16_t(std::trunc(double(size) * heightRatio)) : 0;
}

#include "masters/gradientCaption.h"

#include <cmath>

namespace gradientCaption {

std::vector<Band> bands(int32_t h, int32_t start, int32_t end) {
    std::vector<Band> out;
    if (h <= 0) return out;
    int32_t step = h / 255;
    if (step == 0) step = 1;
    const int32_t s[3] = {start & 0xFF, (start >> 8) & 0xFF, (start >> 16) & 0xFF};
    const int32_t e[3] = {end & 0xFF, (end >> 8) & 0xFF, (end >> 16) & 0xFF};
    int32_t c[3] = {s[0], s[1], s[2]};
    int32_t bottom = h;
    for (int32_t n = h; n >= 0; n -= step) {
        const int32_t top = bottom - step;
        out.push_back({top, bottom, c[0] + 256 * c[1] + 65536 * c[2]});
        bottom = top;
        for (int i = 0; i < 3; ++i)
            c[i] = int32_t(std::nearbyint(double(h - n) * double(e[i] - s[i]) / double(h) + s[i]));
    }
    return out;
}

} // namespace gradientCaption

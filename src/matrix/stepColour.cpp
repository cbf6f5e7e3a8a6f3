#include "matrix/stepColour.h"

#include <cmath>

std::optional<AnimationRef> stepColour::buildFrames(const std::vector<int32_t>& palette, int32_t W, int32_t H,
                                                    int32_t runLength, double overwriteStep) {
    const int32_t P = W * H;
    if (W < 0 || H < 0 || P > 32767) return std::nullopt;
    const int32_t C = int32_t(palette.size());
    if (C > 2 * P) return std::nullopt;
    auto animation = std::make_shared<ClsMatrix>();
    const int32_t A = runLength;
    int32_t n = 0, r = 0;
    auto advance = [&] { n = n < C - 1 ? n + 1 : 1; };
    // Entry 0 is no colour: the walk ends there with the frames made so far.
    auto colour = [&]() -> std::optional<int32_t> {
        if (n < 1 || n > C) return std::nullopt;
        return palette[size_t(n - 1)];
    };
    for (int32_t k = 0; k <= P; ++k) {
        if (A == 1) advance();
        const int32_t s = overwriteStep > 0 ? int32_t(std::nearbyint(overwriteStep)) : 1;
        auto frame = std::make_shared<ClsColours>();
        for (int32_t j = 0; j <= P; ++j) {
            if (A != 1) {
                if (r < A) {
                    ++r;
                    advance();
                } else {
                    r = 1;
                }
            }
            const auto c = colour();
            if (!c) return animation;
            frame->SetColor(j, *c);
        }
        if (overwriteStep > 0 && s >= 1)
            for (int32_t j = 0; j <= P; j += s) frame->SetColor(j, *colour());
        animation->SetFrame(k, frame);
    }
    return animation;
}

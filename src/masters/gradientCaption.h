#pragma once
// The bands of a strip's group picture: a vertical gradient from the start
// colour at the bottom to the end colour at the top, in bands of
// max(1, h / 255) pixels, each band one solid colour.

#include <cstdint>
#include <vector>

namespace gradientCaption {

struct Band {
    int32_t top, bottom; // pixels, bottom exclusive
    int32_t colour;      // 24-bit blue-green-red
};

// Bands for a picture h pixels high from start (bottom) to end (top).
std::vector<Band> bands(int32_t h, int32_t startColour, int32_t endColour);

} // namespace gradientCaption

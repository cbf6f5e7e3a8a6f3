#pragma once
// The step colour effect: the gradient editor's colours walk through the
// matrix pixel by pixel, one frame per pixel position (P + 1 frames).

#include "matrix/matrixAnimation.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace stepColour {

// The walk over a W x H matrix through `palette` (the stop list's colours in
// order, the spare last and never used). `runLength` (A) is how many pixels a
// colour advances before it holds one; 1 fills every frame with one colour.
// `overwriteStep` (B) paints every B-th pixel with the colour the walk ended
// on (0 or less: none). Answers no animation when the walk cannot start (more
// colours than 2 x W x H, or more than 32767 pixels); a walk that cannot
// pick a colour (A of 0 or less) answers an empty animation.
std::optional<AnimationRef> buildFrames(const std::vector<int32_t>& palette, int32_t W, int32_t H, int32_t runLength,
                                        double overwriteStep);

} // namespace stepColour

#pragma once
// Geometry of the page submaster strips, in twips. Every strip starts as a
// copy of the design template; laying a strip out places it after the strip
// before it and fits it to the window's height. Some steps read positions
// that later steps change, so the order below is part of the result.

#include <array>
#include <cstddef>
#include <cstdint>

namespace stripLayout {

struct Rect {
    int32_t left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

struct StripGeometry {
    Rect fader, go, previous, next, groupName, sequence, crossFader, current;
    bool operator==(const StripGeometry&) const = default;
};

constexpr int maxStrips = 10;
// Element 0 is the template, 1..10 the strips.
using Strips = std::array<StripGeometry, maxStrips + 1>;

// The design template of one strip.
StripGeometry designTemplate();
// Every strip a copy of the template.
Strips fresh();
// Lays out strip k (1..10) for a window `windowHeight` twips high.
void layoutStrip(Strips& strips, int k, int32_t windowHeight);

} // namespace stripLayout

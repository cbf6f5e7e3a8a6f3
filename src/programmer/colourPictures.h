#pragma once
// The colour pictures of the palette window's Color page and the colour
// pick: the Normal colour field, the RGB swatches and the Rosco and Lee
// filter swatches (17 each, the filter makers' numbers as data), what colour
// lies at a point of each, and the pick that recalls the colour under the
// pointer on the selected fixtures through the preset engine.

#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace colourPictures {

enum Mode { normal = 0, rgb = 1, rosco = 2, lee = 3 };
// The mode after `mode` (Normal, RGB, Rosco, Lee, Normal ...) and its button caption.
int nextMode(int mode);
QString caption(int mode);
// The picture's own size in pixels.
QSize pictureSize(int mode);

struct Swatch {
    uint8_t r, g, b;
    const char* lee;   // the Lee filter number under a filter swatch
    const char* rosco; // the Rosco filter number
};
const std::array<Swatch, 17>& rgbSwatches();
const std::array<Swatch, 17>& filterSwatches();
// Left edge of swatch i (0..16), its width and the rows it spans.
int swatchLeft(int mode, int i);
constexpr int swatchWidth = 93;
int swatchTop(int mode);
constexpr int swatchHeight = 138;
// The white band under the filter swatches where their numbers stand.
constexpr int labelBandTop = 190, labelBandBottom = 225;

// The colour (blue-green-red) at a pixel of the picture; -1 outside it.
int32_t colourAt(int mode, int x, int y);

// A pick at (x, y) of a picture box `width` x `height` pixels: the point is
// kept inside the box (0 .. size - 3), the colour there read through
// `pixelAt` and recalled on the selected fixtures as a colour preset (with
// white and amber when `addWhiteAmber`). A failed read (-1) recalls nothing.
// The kept point is written back.
void CheckColor(int& x, int& y, int width, int height, const std::function<int32_t(int, int)>& pixelAt,
                bool addWhiteAmber);
// The colour dialog's answer recalled (a cancelled dialog, -1, does nothing).
void recallDialogColour(int32_t colour);
// A release over the picture names the current playback after the colour
// there; black and failed reads do nothing.
void nameAfterColour(int32_t colour);

} // namespace colourPictures

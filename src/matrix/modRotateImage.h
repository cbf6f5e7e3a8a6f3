#pragma once
// Draws a picture onto another rotated about a pivot, scaled, with one key
// colour transparent and an overall opacity, centred on a destination point
// and blended over what the destination shows. Works on the pixel buffers
// (32 bits a pixel, blue, green, red, unused) by inverse mapping with
// bilinear interpolation in fixed point of four decimals.

#include <cstdint>

class QImage;

namespace ModRotateImage {

// Fixed point of four decimals: the value x 10,000.
using Fixed = int64_t;
constexpr Fixed fixedOne = 10000;
Fixed toFixed(double value);

// The pivot value that stands for "the source's centre".
constexpr int16_t absentPivot = -32767;

// Rotates `source` by `angle` radians (positive turns counter-clockwise on
// screen) about (pivotX, pivotY) in source pixels, scaled by `scale`, onto
// `dest` centred on (centreX, centreY). keyColor: bits 0-7 match a pixel's
// blue byte, 8-15 green, 16-23 red; such pixels are transparent. Only the
// part of the work square inside `dest` is changed. Answers false, drawing
// nothing, for a scale of 0 or below or a blend above 255 (opacity above 1).
bool rotateImage(QImage& dest, Fixed angle, int32_t centreX, int32_t centreY, const QImage& source,
                 int32_t keyColor, Fixed opacity, Fixed scale, int16_t pivotX, int16_t pivotY);

} // namespace ModRotateImage

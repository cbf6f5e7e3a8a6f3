#pragma once
// Colour gradients for the matrix effects: multi-stop linear gradients at
// any angle and radial ones about a centre, drawn onto a picture with one
// line (or one filled circle) per step, never per pixel.

#include <QString>
#include <cstdint>
#include <vector>

class QImage;

struct RGBParts {
    int32_t red = 0, green = 0, blue = 0;
};

struct GradientStop {
    int32_t color = 0;   // blue-green-red
    float position = 0;  // percent of the gradient's length, 0..100
};

namespace modGradient {

// A colour (blue-green-red) split into its parts.
RGBParts splitRGB(int32_t color);
// A colour from its parts, each limited to 0..255.
int32_t joinRGB(int32_t red, int32_t green, int32_t blue);
// The picture colour of a blue-green-red colour value.
uint32_t toPixel(int32_t color);

// Paints the stops onto the picture: mode 0 linear at `angle` degrees, 1
// radial about (centreX, centreY) (0 means the picture's centre); any other
// mode only clears. The last element of `stops` is the editor's spare stop and
// is never drawn. Answers the failure's description when the drawing had to
// stop (a band longer than the line counter holds), else empty.
QString drawGradient(QImage& picture, const std::vector<GradientStop>& stops, int32_t mode, float angle,
                     int32_t centreX, int32_t centreY);

} // namespace modGradient

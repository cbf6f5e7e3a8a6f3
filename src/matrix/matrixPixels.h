#pragma once
// The pixel fixtures of an LED matrix as the shared arrays hold them: each
// patched fixture of a matrix is one pixel at a 1-based column and row, its
// colour on the red, green and blue channels of its profile.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

struct ChannelModel;

namespace matrixPixels {

inline const QString marker = QStringLiteral("YesMatrix");

struct Pixel {
    int32_t fixture = 0;
    int32_t column = 0, row = 0;
    // Absolute channels of the colour roles; 0 for a role the profile lacks
    // or a channel outside the show (such a colour is neither written nor read).
    int32_t red = 0, green = 0, blue = 0;
};

// Whether fixture f is a pixel of the matrix (with the marker when asked).
bool belongs(const ChannelModel& m, int32_t f, const QString& name, bool withMarker);
// The pixels of a matrix in fixture-number order.
std::vector<Pixel> pixelsOf(const ChannelModel& m, const QString& name, bool withMarker);
// The names of the matrices, each once, in the order of their first pixel.
QStringList matrixNames(const ChannelModel& m);
// Largest column and row over the fixtures carrying the name (the marker not
// tested); 0 and 0 when none does.
std::pair<int32_t, int32_t> matrixSize(const ChannelModel& m, const QString& name);
// Frame index of a pixel in a matrix `width` columns wide; -1 when it falls outside.
int32_t pixelIndex(const Pixel& p, int32_t width);

} // namespace matrixPixels

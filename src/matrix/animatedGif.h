#pragma once
// Animated GIF pictures for the matrix: the file is split into one picture
// per frame at every graphic control extension (the bytes 00 21 F9), each
// piece decoded on its own with the file's header in front, and the frames
// sampled at the matrix's size. Frame timing, offsets between frames and the
// loop count are not used: the playback's step times apply.

#include "matrix/matrixAnimation.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace animatedGif {

// Pictures whose declared size is above this many pixels are refused, before
// anything is decoded (a small file can declare an enormous picture).
constexpr int64_t maxPicturePixels = 4096 * 4096;
// The frames of one file together may hold at most this many pixels.
constexpr int64_t maxStoredPixels = int64_t(64) * 1024 * 1024;

struct Split {
    std::vector<QImage> frames;
    // Empty when every frame was read; else why the split stopped (the
    // frames read before stay in `frames`).
    QString error;
};

// The pieces of the file's bytes, each a header followed by one frame.
std::vector<QByteArray> pieces(const QByteArray& bytes);
// Reads the file and decodes its pieces. Where a piece cannot be decoded on
// its own (the separator's bytes can occur inside image data), the whole file
// is read frame by frame instead.
Split splitFile(const QString& fileName);
// Decodes one picture from bytes, refusing oversized ones; `error` tells why it failed.
QImage decode(const QByteArray& bytes, QString* error);

// One frame per picture: the picture stretched over W x H on the background
// colour, each pixel at x + y * W, every frame named `name`.
std::vector<FrameRef> sample(const std::vector<QImage>& pictures, int32_t W, int32_t H, int32_t background,
                             const QString& name);

} // namespace animatedGif

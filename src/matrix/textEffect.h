#pragma once
// The text effect: one line of text printed on a hidden panel larger than
// the matrix (3H high, 2W + the text's width wide), and a matrix-sized
// window slid over it one pixel per frame.

#include "matrix/matrixAnimation.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

struct TextPage {
    QString TxtMsg = QStringLiteral("Enter The Text To Scroll Here");
    // The case choice: 0 as typed, 1 upper, 2 lower, 3 title case.
    int32_t CboConv = 0;
    int32_t textColour = 0;       // blue-green-red
    int32_t backgroundColour = 0; // blue-green-red
    int32_t HSOffset = 0;         // vertical offset of the text in pixels
    // The scroll direction buttons; more than one may be set, right wins over left.
    bool cLeft = true, cUp = false, cRight = false, cDown = false;
    bool swing = false;
    QFont font;
};

namespace textEffect {

// The case choice applied to the text.
QString convertedText(const QString& text, int32_t CboConv);
// The hidden panel with the text printed at (W, H + offset).
QImage panel(const TextPage& page, int32_t W, int32_t H);
// The frames of the text scrolled over a W x H matrix. Throws
// std::overflow_error when the panel would not fit the 16-bit sizes.
AnimationRef buildFrames(const TextPage& page, int32_t W, int32_t H);

} // namespace textEffect

#include "matrix/modRotateImage.h"

#include <QImage>
#include <cmath>
#include <vector>

namespace ModRotateImage {

namespace {

double nearest(double x) { return std::nearbyint(x); }

// A product of two fixed-point values, rounded to four decimals.
Fixed mul(Fixed a, Fixed b) { return Fixed(nearest(double(a) * double(b) / double(fixedOne))); }

// Floor of a fixed-point value as a whole number.
int64_t floorOf(Fixed v) { return v >= 0 ? v / fixedOne : -((-v + fixedOne - 1) / fixedOne); }

int64_t floorHalf(int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

} // namespace

Fixed toFixed(double value) { return Fixed(nearest(value * double(fixedOne))); }

bool rotateImage(QImage& dest, Fixed angle, int32_t centreX, int32_t centreY, const QImage& sourceImage,
                 int32_t keyColor, Fixed opacity, Fixed scale, int16_t pivotX, int16_t pivotY) {
    if (scale <= 0 || dest.isNull() || sourceImage.isNull()) return false;
    const QImage source = sourceImage.convertToFormat(QImage::Format_RGB32);
    if (dest.format() != QImage::Format_RGB32) dest = dest.convertToFormat(QImage::Format_RGB32);
    const int64_t w = source.width();
    const int64_t h = source.height();
    const int64_t px = pivotX == absentPivot ? int64_t(nearest(double(w) / 2)) : pivotX;
    const int64_t py = pivotY == absentPivot ? int64_t(nearest(double(h) / 2)) : pivotY;

    const double s = double(scale) / double(fixedOne);
    const int64_t N = int64_t(nearest(s * std::floor(std::sqrt(double(w * w + h * h)))));
    if (N <= 0) return false;
    const int64_t x0 = int64_t(nearest(double(centreX) - double(N) / 2));
    const int64_t y0 = int64_t(nearest(double(centreY) - double(N) / 2));
    const int64_t offX = floorHalf(N - w);
    const int64_t offY = floorHalf(N - h);

    // The background under the work square; outside the destination it reads black and is never written back.
    auto inDest = [&](int64_t x, int64_t y) { return x >= 0 && y >= 0 && x < dest.width() && y < dest.height(); };
    std::vector<QRgb> background(size_t(N * N), 0);
    for (int64_t y = 0; y < N; ++y)
        for (int64_t x = 0; x < N; ++x)
            if (inDest(x0 + x, y0 + y))
                background[size_t(y * N + x)] = reinterpret_cast<const QRgb*>(dest.constScanLine(int(y0 + y)))[x0 + x];
    std::vector<QRgb> output(size_t(N * N), 0);

    const int keyB = keyColor & 0xFF, keyG = (keyColor >> 8) & 0xFF, keyR = (keyColor >> 16) & 0xFF;
    const double radians = double(angle) / double(fixedOne);
    const Fixed C = toFixed(std::cos(radians) / s);
    const Fixed S = toFixed(std::sin(radians) / s);
    auto pixel = [&](int64_t x, int64_t y) { return reinterpret_cast<const QRgb*>(source.constScanLine(int(y)))[x]; };
    auto weight = [&](QRgb p) {
        return (qBlue(p) != keyB || qGreen(p) != keyG || qRed(p) != keyR) ? opacity : Fixed(0);
    };

    for (int64_t i = -offX; i <= N - offX - 1; ++i) {
        for (int64_t j = -offY; j <= N - offY - 1; ++j) {
            const size_t at = size_t((offY + j) * N + (offX + i));
            const QRgb bg = background[at];
            output[at] = qRgb(qRed(bg), qGreen(bg), qBlue(bg));
            const Fixed X = (i - px) * C - (j - py) * S + px * fixedOne;
            const Fixed Y = (i - px) * S + (j - py) * C + py * fixedOne;
            const int64_t xi = floorOf(X);
            const int64_t yi = floorOf(Y);
            if (X < 0 || xi + 1 >= w || Y < 0 || yi + 1 >= h) continue;
            const Fixed fx = std::abs(X - xi * fixedOne);
            const Fixed fy = std::abs(Y - yi * fixedOne);
            const QRgb p[4] = {pixel(xi, yi), pixel(xi + 1, yi), pixel(xi, yi + 1), pixel(xi + 1, yi + 1)};
            const Fixed a[4] = {mul(fixedOne - fx, fixedOne - fy), mul(fx, fixedOne - fy), mul(fixedOne - fx, fy),
                                mul(fx, fy)};
            Fixed wt[4];
            for (int k = 0; k < 4; ++k) wt[k] = weight(p[k]);
            auto blend = [&](int (*part)(QRgb)) {
                Fixed sum = 0;
                for (int k = 0; k < 4; ++k)
                    sum += mul(a[k], part(p[k]) * wt[k] + part(bg) * (fixedOne - wt[k]));
                return int64_t(nearest(double(sum) / double(fixedOne)));
            };
            const int64_t r = blend(qRed), g = blend(qGreen), b = blend(qBlue);
            if (r > 255 || g > 255 || b > 255 || r < 0 || g < 0 || b < 0) return false;
            output[at] = qRgb(int(r), int(g), int(b));
        }
    }
    for (int64_t y = 0; y < N; ++y)
        for (int64_t x = 0; x < N; ++x)
            if (inDest(x0 + x, y0 + y))
                reinterpret_cast<QRgb*>(dest.scanLine(int(y0 + y)))[x0 + x] = output[size_t(y * N + x)];
    return true;
}

} // namespace ModRotateImage

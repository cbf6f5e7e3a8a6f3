#include "matrix/clsSoundToMatrix.h"

#include "matrix/matrixPixels.h"
#include "shell/channelModel.h"
#include "shell/shell.h"
#include "platform/clock.h"

#include <algorithm>
#include <cmath>

namespace {

double nearest(double x) { return std::nearbyint(x); }

// Levels stay far below what the arithmetic can hold: a runaway level
// sticks at this ceiling instead of overflowing.
constexpr int64_t levelCeiling = 1'000'000'000;

int64_t saturate(double v) { return int64_t(std::clamp(nearest(v), -double(levelCeiling), double(levelCeiling))); }

struct Rgb {
    int32_t r = 0, g = 0, b = 0;
};
Rgb parts(int32_t colour) { return {colour & 255, (colour / 256) & 255, (colour / 65536) & 255}; }

} // namespace

clsSoundToMatrix::clsSoundToMatrix() {
    if (hasShell()) generator.seed(uint32_t(shell().clock().monotonicMs()));
}

void clsSoundToMatrix::setFrontColor(int32_t colour) {
    if (theMode == 12 || theMode == 15) return;
    front = colour;
}

void clsSoundToMatrix::setMyMatixName(const ChannelModel& m, const QString& name) {
    matrixName = name;
    width = height = 0;
    for (const matrixPixels::Pixel& p : matrixPixels::pixelsOf(m, name, false)) {
        width = std::max(width, p.column);
        height = std::max(height, p.row);
    }
    if (width > 0) levels.assign(size_t(width) + 1, 0);
}

void clsSoundToMatrix::setIsActive(ChannelModel& m, bool on) {
    if (!on && active) {
        // Only the matrix's own colour channels go dark; fog, strobes and
        // live channels elsewhere in the show keep their levels.
        for (const matrixPixels::Pixel& p : matrixPixels::pixelsOf(m, matrixName, false))
            for (const int32_t c : {p.red, p.green, p.blue})
                if (c > 0 && size_t(c) < m.channelOutput.size() && size_t(c) < m.channelOwner.size() &&
                    m.channelOwner[size_t(c)] == 0)
                    m.channelOutput[size_t(c)] = 0;
    }
    active = on;
}

double clsSoundToMatrix::rnd() {
    return double(generator() - std::minstd_rand::min()) / (double(std::minstd_rand::max() - std::minstd_rand::min()) + 1);
}

void clsSoundToMatrix::randomColourStep() {
    if (randomCounter <= 15) {
        ++randomCounter;
        return;
    }
    if (hasShell()) generator.seed(uint32_t(shell().clock().monotonicMs()));
    const int k = int(nearest(rnd() * 7 + 1));
    storeFront(colorTable[std::clamp(k, 1, 8) - 1]);
    randomCounter = 0;
}

void clsSoundToMatrix::recieveAudioData(ChannelModel& m, const std::vector<int32_t>& spectrum,
                                        Sensitivity sensitivity) {
    if (!active) return;
    // A divisor below 2 would let the levels grow without end; 2 is the
    // most sensitive setting that still settles.
    const int64_t d =
        std::max<int64_t>(2, int64_t(nearest(std::abs(double(sensitivity.maximum) - sensitivity.value) * 0.019)));
    if (width <= 0 || levels.size() < size_t(width) + 1) return;
    const int64_t lowColumns = int64_t(nearest(width * 0.1));
    const int64_t step = int64_t(nearest(255.0 / width));
    auto bin = [&](int64_t b) -> int64_t {
        const int64_t at = 2 * b;
        return at >= 0 && at < int64_t(spectrum.size()) ? spectrum[size_t(at)] : 0;
    };
    for (int64_t i = 1; i <= lowColumns && i <= width; ++i) {
        int64_t& L = levels[size_t(i)];
        for (int64_t b = 1; b <= 10; ++b) L = saturate(double(L) + std::sqrt(double(std::abs(bin(b) / 1900))));
        L = saturate(double(L) / double(d));
    }
    int64_t bandStart = 15;
    for (int64_t i = lowColumns + 1; i <= width; ++i) {
        int64_t& L = levels[size_t(i)];
        if (step > 0)
            for (int64_t b = bandStart; b <= i * step; b += step)
                L = saturate(double(L) + std::sqrt(double(std::abs(bin(b) / 40))));
        L = saturate(double(L) / double(d));
        bandStart += step;
    }
    draw(m);
}

void clsSoundToMatrix::draw(ChannelModel& m) {
    if (theMode < 9 || theMode > 16) return;
    if (theMode == 12 || theMode == 15) randomColourStep();
    int64_t sum = 0;
    for (int32_t i = 1; i <= width; ++i) sum += std::abs(levels[size_t(i)]);
    const int64_t average = int64_t(nearest(double(sum) / width));
    const int64_t meter = int64_t(nearest(double(sum) / width * 2));
    const Rgb fc = parts(front), bc = parts(back);
    auto write = [&](const matrixPixels::Pixel& p, Rgb c) {
        const int32_t channels[3] = {p.red, p.green, p.blue};
        const int32_t values[3] = {c.r, c.g, c.b};
        for (int k = 0; k < 3; ++k)
            if (channels[k] > 0 && size_t(channels[k]) < m.channelOutput.size())
                m.channelOutput[size_t(channels[k])] = std::clamp(values[k], 0, 255);
    };
    for (const matrixPixels::Pixel& p : matrixPixels::pixelsOf(m, matrixName, false)) {
        if (p.column < 1 || p.column > width || p.row < 1 || p.row > height) continue;
        const int64_t L = levels[size_t(p.column)];
        const int64_t t = p.row;
        const int64_t r = std::abs(t - height - 1);
        switch (theMode) {
        case 9: {
            Rgb zone{255, 0, 0};
            if (r <= 0.33 * height) zone = {0, 255, 0};
            else if (r <= 0.66 * height) zone = {255, 255, 0};
            write(p, r < L ? zone : bc);
            break;
        }
        case 10: write(p, r < L ? fc : bc); break;
        case 11: write(p, t < L ? fc : bc); break;
        case 12:
        case 13: {
            const double R = nearest(rnd() * (height - 1) + 1);
            write(p, double(L) / 2 > R ? fc : bc);
            break;
        }
        case 14:
        case 15:
            if (average >= 2) {
                auto scale = [&](int32_t v) { return int32_t(std::min<double>(255, nearest(double(v) * average / 10))); };
                write(p, Rgb{scale(fc.r), scale(fc.g), scale(fc.b)});
            }
            break;
        case 16: write(p, r < meter ? fc : bc); break;
        default: break;
        }
    }
}

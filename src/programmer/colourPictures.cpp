#include "programmer/colourPictures.h"

#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"

#include <algorithm>
#include <cmath>

namespace colourPictures {

namespace {

int32_t bgr(int r, int g, int b) { return r + 256 * g + 65536 * b; }

constexpr std::array<Swatch, 17> rgbTable = {{
    {255, 0, 0, "", ""},       {255, 102, 0, "", ""},   {255, 102, 0, "", ""},   {255, 153, 51, "", ""},
    {255, 255, 0, "", ""},     {153, 204, 51, "", ""},  {0, 255, 0, "", ""},     {0, 255, 255, "", ""},
    {0, 0, 255, "", ""},       {102, 102, 255, "", ""}, {77, 13, 100, "", ""},   {255, 0, 255, "", ""},
    {255, 255, 255, "", ""},   {255, 200, 255, "", ""}, {255, 255, 200, "", ""}, {255, 255, 150, "", ""},
    {0, 0, 0, "", ""},
}};

constexpr std::array<Swatch, 17> filterTable = {{
    {254, 206, 143, "L-162", "R-02"}, {255, 177, 153, "L-04", "R-04"},  {254, 255, 1, "L-10", "R-12"},
    {255, 150, 80, "L-147", "R-18"},  {248, 80, 0, "L-22", "R-22"},     {176, 17, 0, "L-26", "R-26"},
    {236, 188, 208, "L-35", "R-33"},  {244, 139, 159, "L-36", "R-34"},  {234, 139, 171, "L-36", "R-36"},
    {214, 166, 200, "L-39", "R-37"},  {77, 13, 100, "L-126", "R-49"},   {119, 130, 199, "L-52", "R-52"},
    {88, 2, 163, "L-194", "R-57"},    {0, 38, 86, "L-181", "R-59"},     {1, 134, 201, "L-161", "R-64"},
    {1, 100, 167, "L-79", "R-80"},    {0, 90, 101, "L-116", "R-95"},
}};

constexpr int32_t ground = 10 + 256 * 11 + 65536 * 12;
constexpr int32_t frame = 60 + 256 * 60 + 65536 * 64;

// The Normal field: hue across the first 149 columns, down each column a
// pale tint, the full colour at row 20, then darker to black.
int32_t normalAt(int x, int y) {
    if (x >= 149) return 0;
    // Hue 0..330 degrees: red, yellow, green, cyan, blue, magenta.
    const double h = double(x) / 149.0 * 330.0 / 60.0;
    const double f = h - std::floor(h);
    double r = 0, g = 0, b = 0;
    switch (int(h) % 6) {
    case 0: r = 1, g = f; break;
    case 1: r = 1 - f, g = 1; break;
    case 2: g = 1, b = f; break;
    case 3: g = 1 - f, b = 1; break;
    case 4: r = f, b = 1; break;
    default: r = 1, b = 1 - f; break;
    }
    if (y < 20) {
        const double pale = double(20 - y) / 20.0 * 0.8;
        r += (1 - r) * pale, g += (1 - g) * pale, b += (1 - b) * pale;
    } else {
        const double dark = double(39 - y) / 19.0;
        r *= dark, g *= dark, b *= dark;
    }
    return bgr(int(std::lround(r * 255)), int(std::lround(g * 255)), int(std::lround(b * 255)));
}

} // namespace

int nextMode(int mode) { return mode >= lee || mode < normal ? normal : mode + 1; }

QString caption(int mode) {
    switch (mode) {
    case rgb: return QStringLiteral("RGB");
    case rosco: return QStringLiteral("Rosco");
    case lee: return QStringLiteral("Lee");
    default: return QStringLiteral("Normal");
    }
}

QSize pictureSize(int mode) {
    switch (mode) {
    case rgb: return {2160, 187};
    case rosco:
    case lee: return {2170, 239};
    default: return {162, 40};
    }
}

const std::array<Swatch, 17>& rgbSwatches() { return rgbTable; }
const std::array<Swatch, 17>& filterSwatches() { return filterTable; }

int swatchLeft(int mode, int i) {
    return mode == rgb ? 23 + int(std::lround(i * 126.4)) : 26 + int(std::lround(i * 126.5));
}
int swatchTop(int mode) { return mode == rgb ? 22 : 25; }

int32_t colourAt(int mode, int x, int y) {
    const QSize size = pictureSize(mode);
    if (x < 0 || y < 0 || x >= size.width() || y >= size.height()) return -1;
    if (mode == normal) return normalAt(x, y);
    if (x < 2 || y < 2 || x >= size.width() - 2 || y >= size.height() - 2) return frame;
    if (mode != rgb && y >= labelBandTop && y <= labelBandBottom) return 0xFFFFFF;
    const int top = swatchTop(mode);
    if (y < top || y >= top + swatchHeight) return ground;
    const auto& table = mode == rgb ? rgbTable : filterTable;
    for (int i = 0; i < 17; ++i) {
        const int left = swatchLeft(mode, i);
        if (x >= left && x < left + swatchWidth) return bgr(table[size_t(i)].r, table[size_t(i)].g, table[size_t(i)].b);
    }
    return ground;
}

void CheckColor(int& x, int& y, int width, int height, const std::function<int32_t(int, int)>& pixelAt,
                bool addWhiteAmber) {
    if (x < 1) x = 0;
    if (y < 1) y = 0;
    if (x > width - 3) x = std::max(width - 3, 0);
    if (y > height - 3) y = std::max(height - 3, 0);
    const int32_t colour = pixelAt(x, y);
    if (colour < 0) return; // a failed read is no colour
    QString name = QString::number(colour);
    shell().presets().executePreset(name, -1, addWhiteAmber);
}

void recallDialogColour(int32_t colour) {
    if (colour < 0) return; // cancelled
    QString name = QString::number(colour);
    shell().presets().executePreset(name, -1, false);
}

void nameAfterColour(int32_t colour) {
    if (colour <= 0) return;
    Shell& s = shell();
    int32_t current = s.state.currentPlayback;
    s.playback().setPlaybackAlias(QString::number(colour), current, QStringLiteral("color"));
}

} // namespace colourPictures

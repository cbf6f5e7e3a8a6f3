#include "matrix/matrixPixels.h"

#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"

#include <algorithm>

namespace matrixPixels {

namespace {

int32_t fixtureLimit(const ChannelModel& m) {
    int32_t n = m.fixtureCount;
    n = std::min<int32_t>(n, int32_t(m.fixtureMatrixName.size()) - 1);
    n = std::min<int32_t>(n, int32_t(m.fixtureMatrixMarker.size()) - 1);
    n = std::min<int32_t>(n, int32_t(m.fixtureMatrixColumn.size()) - 1);
    n = std::min<int32_t>(n, int32_t(m.fixtureMatrixRow.size()) - 1);
    n = std::min<int32_t>(n, int32_t(m.fixtureStartChannel.size()) - 1);
    n = std::min<int32_t>(n, int32_t(m.fixtureLightClass.size()) - 1);
    return n;
}

} // namespace

bool belongs(const ChannelModel& m, int32_t f, const QString& name, bool withMarker) {
    if (f < 1 || f > fixtureLimit(m)) return false;
    if (withMarker && m.fixtureMatrixMarker[f] != marker) return false;
    return m.fixtureMatrixName[f] == name;
}

std::vector<Pixel> pixelsOf(const ChannelModel& m, const QString& name, bool withMarker) {
    std::vector<Pixel> out;
    const int32_t n = fixtureLimit(m);
    for (int32_t f = 1; f <= n; ++f) {
        if (!belongs(m, f, name, withMarker)) continue;
        Pixel p;
        p.fixture = f;
        p.column = m.fixtureMatrixColumn[size_t(f)];
        p.row = m.fixtureMatrixRow[size_t(f)];
        const int32_t k = m.fixtureLightClass[size_t(f)];
        const ClsFixture* profile =
            k >= 1 && size_t(k) < m.lightClasses.size() ? m.lightClasses[size_t(k)].get() : nullptr;
        if (profile) {
            const int32_t start = m.fixtureStartChannel[size_t(f)];
            auto channel = [&](int32_t role) {
                const int64_t c = int64_t(start) + role - 1;
                return role >= 1 && c >= 1 && c <= m.totalChannels ? int32_t(c) : 0;
            };
            p.red = channel(profile->redChannel());
            p.green = channel(profile->greenChannel());
            p.blue = channel(profile->blueChannel());
        }
        out.push_back(p);
    }
    return out;
}

QStringList matrixNames(const ChannelModel& m) {
    QStringList names;
    const int32_t n = fixtureLimit(m);
    for (int32_t f = 1; f <= n; ++f)
        if (m.fixtureMatrixMarker[f] == marker && !names.contains(m.fixtureMatrixName[f]))
            names << m.fixtureMatrixName[f];
    return names;
}

std::pair<int32_t, int32_t> matrixSize(const ChannelModel& m, const QString& name) {
    int32_t width = 0, height = 0;
    const int32_t n = fixtureLimit(m);
    for (int32_t f = 1; f <= n; ++f) {
        if (m.fixtureMatrixName[f] != name) continue;
        width = std::max(width, m.fixtureMatrixColumn[size_t(f)]);
        height = std::max(height, m.fixtureMatrixRow[size_t(f)]);
    }
    return {width, height};
}

int32_t pixelIndex(const Pixel& p, int32_t width) {
    if (p.column < 1 || p.row < 1 || width < 1 || p.column > width) return -1;
    const int64_t index = int64_t(p.row - 1) * width + (p.column - 1);
    return index <= INT32_MAX ? int32_t(index) : -1;
}

} // namespace matrixPixels

// The live simulation: every 65 ms the icons show what the output does
// (mixed or wheel colour, shutter, dimmer percentage, gobo picture) and the
// shown matrix's pixels are painted. Only channels whose level changed since
// the last complete pass are examined; the output is read once per pass.
//
// Every index the pass computes (the mixed-colour entry, the shutter
// channel, a channel of the fixture's span, its range column) is checked
// before use; what lies outside the arrays is skipped and logged once, so a
// bad patch never raises a box from inside the timer.
#include "patch/layoutEngine.h"

#include "profiles/ClsFixture.h"
#include "shell/numberText.h"
#include "shell/shell.h"

#include <QFile>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

enum class ChannelKind : uint8_t { other, dimmer, color, strobeIntensity, gobo };

struct Range {
    int16_t from, too;
    std::optional<int32_t> colour; // the label as a colour number
    QString goboPath;              // real path of the label's picture
    bool goboExists;
};

// What one profile means to the pass, worked out once per pass for the
// profiles whose channels changed, so an edited profile shows at the next pass.
struct ProfileView {
    uint64_t pass = 0;
    int32_t channelsUsed = 0;
    bool clipped = false;
    std::array<ChannelKind, ClsFixture::maxChannels + 1> kind{};
    std::array<std::vector<Range>, ClsFixture::maxChannels + 2> ranges; // by range column
    std::array<bool, ClsFixture::maxChannels + 2> rangesRead{};
};

ChannelKind kindOf(const QString& type) {
    const QString t = type.trimmed();
    if (t == QLatin1String("dimmer")) return ChannelKind::dimmer;
    if (t == QLatin1String("color")) return ChannelKind::color;
    if (t == QLatin1String("strobe intensity")) return ChannelKind::strobeIntensity;
    if (t == QLatin1String("gobo")) return ChannelKind::gobo;
    return ChannelKind::other;
}

std::optional<int32_t> colourNumber(const QString& label) {
    bool ok = false;
    const double v = label.toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > 2147483647.0) return std::nullopt;
    return int32_t(std::nearbyint(v));
}

} // namespace

struct SimulationCache {
    uint64_t pass = 0;
    std::vector<ProfileView> profiles;
};

namespace {

ProfileView& viewOf(SimulationCache& cache, int32_t lc, const ClsFixture& p) {
    if (cache.profiles.size() <= size_t(lc)) cache.profiles.resize(size_t(lc) + 1);
    ProfileView& v = cache.profiles[size_t(lc)];
    if (v.pass == cache.pass) return v;
    v.pass = cache.pass;
    v.channelsUsed = std::clamp<int32_t>(p.ChannelsUsed, 0, ClsFixture::maxChannels);
    v.clipped = p.ChannelsUsed > ClsFixture::maxChannels;
    for (int32_t c = 1; c <= v.channelsUsed; ++c) v.kind[size_t(c)] = kindOf(p.Channel_prop(c));
    v.rangesRead.fill(false);
    return v;
}

const std::vector<Range>& rangesOf(ProfileView& v, const ClsFixture& p, int32_t column) {
    auto& out = v.ranges[size_t(column)];
    if (v.rangesRead[size_t(column)]) return out;
    v.rangesRead[size_t(column)] = true;
    out.clear();
    const bool gobo = v.kind[size_t(column - 1)] == ChannelKind::gobo;
    for (int32_t k = 1; k <= ClsFixture::maxRanges; ++k) {
        const QString label = p.properties(k, column).trimmed();
        if (label.isEmpty()) break; // the first empty label ends the channel's ranges
        Range r{p.from(k, column), p.too(k, column), colourNumber(label), {}, false};
        if (gobo) {
            r.goboPath = shell().programPath(QStringLiteral("images\\") + label);
            r.goboExists = QFile::exists(r.goboPath);
        }
        out.push_back(std::move(r));
    }
    return out;
}

} // namespace

void SimulationCacheDeleter::operator()(SimulationCache* cache) const { delete cache; }

void LayoutEngine::Simulation_timer_Timer() {
    Shell& s = shell();
    ChannelModel& m = s.state;
    if (!cache) cache.reset(new SimulationCache);
    ++cache->pass;
    const int32_t total = std::min<int32_t>(m.totalChannels, int32_t(m.channelOutput.size()) - 1);
    const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureStartChannel.size()) - 1);
    if (shutterOpenFlags.size() < size_t(fixtures) + 1) shutterOpenFlags.resize(size_t(fixtures) + 1, 0);
    const int32_t* out = m.channelOutput.data();
    const int32_t* last = m.channelLastSimulated.data();
    auto mixColour = [&](int64_t channel) -> std::optional<int32_t> {
        if (channel < 1 || channel > total || channel >= m.channelMixedColour.size()) return std::nullopt;
        const double v = numberText::leadingValue(m.channelMixedColour[int(channel)]);
        return std::isfinite(v) ? std::optional<int32_t>(int32_t(std::trunc(v))) : std::nullopt;
    };
    auto outside = [&](int32_t fixture, const char* what) {
        if (!reported)
            reportOnce(QStringLiteral("Fixture layout: fixture %1 %2 lies outside the channels; skipped")
                           .arg(fixture)
                           .arg(QLatin1String(what)));
    };

    for (int32_t i = 1; i <= fixtures; ++i) {
        const int32_t lc = m.fixtureLightClass[size_t(i)], start = m.fixtureStartChannel[size_t(i)];
        // A fixture without a profile or start channel ends the pass here,
        // and the pass is not counted as complete.
        if (lc == 0 || start == 0) return;
        if (lc < 0 || start < 0) {
            outside(i, "start channel or profile");
            return;
        }
        const ClsFixture& p = m.lightClass(lc);
        FixtureIcon* ic = icon(i);
        if (!ic) {
            outside(i, "icon");
            continue;
        }
        const bool pixel = m.fixtureMatrixMarker[i] == QLatin1String("YesMatrix");
        if (pixel) {
            if (m.fixtureMatrixName[i] == currentFixtureLayer) {
                if (auto colour = mixColour(int64_t(start) + p.redChannel()))
                    drawMatrixPixel(m.fixtureMatrixColumn[size_t(i)] - 1, m.fixtureMatrixRow[size_t(i)] - 1, *colour);
                else
                    outside(i, "mixed colour");
            }
            continue;
        }
        if (m.fixtureIsColourMixer[size_t(i)]) {
            std::optional<int64_t> role;
            if (p.rgbFixture()) role = int64_t(start) + p.redChannel();
            else if (p.cmyFixture()) role = int64_t(start) + p.cyanChannel();
            if (role) {
                if (auto colour = mixColour(*role)) ic->changeColor(*colour);
                else outside(i, "mixed colour");
            }
        }
        ProfileView* pv = nullptr;
        const int32_t used = std::clamp<int32_t>(p.ChannelsUsed, 0, ClsFixture::maxChannels);
        const int32_t sc = m.fixtureShutterChannel[size_t(i)];
        for (int32_t j = 0; j < used; ++j) {
            const int32_t c = start + j;
            if (c > total) {
                outside(i, "span");
                break;
            }
            const int32_t v = out[c];
            if (v == last[c] && !callchange) continue;
            if (!pv) pv = &viewOf(*cache, lc, p);
            if (sc > 0 && sc <= total) {
                const bool open = out[sc] > 0;
                shutterOpenFlags[size_t(i)] = open;
                ic->setShutterState(open);
            } else if (sc == 0) {
                shutterOpenFlags[size_t(i)] = 1;
                ic->setShutterState(true);
            } else {
                outside(i, "shutter channel");
            }
            callchange = false;
            const ChannelKind kind = pv->kind[size_t(j + 1)];
            if (kind == ChannelKind::dimmer) ic->changeDimmerValue(v);
            if (kind == ChannelKind::other) continue;
            const int32_t column = j + 2;
            if (column > ClsFixture::maxChannels) continue; // the last channel has no range column
            const Range* lastGobo = nullptr;
            for (const Range& r : rangesOf(*pv, p, column)) {
                if (v < r.from || v > r.too) continue;
                if (kind == ChannelKind::gobo) {
                    lastGobo = &r; // the later of overlapping ranges wins
                    continue;
                }
                if (sc > 0 && !shutterOpenFlags[size_t(i)]) ic->setShutterState(false);
                else if (r.colour) ic->changeColor(*r.colour);
                break; // the first matching range wins
            }
            if (lastGobo) ic->changeGobo(lastGobo->goboPath, lastGobo->goboExists);
        }
    }
    if (total > 0) std::memcpy(m.channelLastSimulated.data() + 1, out + 1, size_t(total) * sizeof(int32_t));
    if (mouseIsDown) ++pressTicks;
}

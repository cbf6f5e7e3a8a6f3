// Generating the palettes of a 64-universe show of 2,000 fixtures on 30
// profiles: every profile has a colour wheel, a gobo wheel of pictures, a
// shutter, RGB, dimmer, focus, prism, rotation and speed channels with named
// ranges, some names shared by every profile and some its own. Reported as
// the share of the 2 s goal one generation takes (goal: under 1.0), with the
// preset files and bytes written.

#include "presets/presetsEngine.h"
#include "profiles/ClsFixture.h"
#include "support/fakePlatform.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int profiles = 30, fixtures = 2000, universes = 64;

void buildProfile(ClsFixture& p, int k) {
    const char* types[] = {"dimmer", "color", "gobo", "shutter", "red", "green", "blue", "focus",
                           "prism", "gobo rotation", "m speed", "pan", "tilt", "iris", "zoom"};
    p.taken = true;
    p.Name = QStringLiteral("Profile %1").arg(k);
    p.ChannelsUsed = int16_t(std::size(types));
    for (int c = 1; c <= p.ChannelsUsed; ++c) {
        p.setChannel_prop(c, QLatin1String(types[c - 1]));
        const int ranges = c == 2 || c == 3 ? 16 : 4;
        for (int r = 1; r <= ranges; ++r) {
            // Half the names are common to every profile, half the profile's own.
            QString name = r % 2 ? QStringLiteral("%1 %2").arg(QLatin1String(types[c - 1])).arg(r)
                                 : QStringLiteral("%1 %2 of %3").arg(QLatin1String(types[c - 1])).arg(r).arg(k);
            if (c == 3) name += QStringLiteral(".gif");
            p.setProperties(r, c + 1, name);
            p.setFrom(r, c + 1, int16_t((r - 1) * 255 / ranges));
            p.setToo(r, c + 1, int16_t(r * 255 / ranges - 1));
        }
    }
}

void generatePalettes(benchmark::State& state) {
    TestShell t;
    ChannelModel& m = t.get().state;
    m.resize(512 * universes);
    m.showFileName = QStringLiteral("Big.YCF");
    for (int k = 1; k <= profiles; ++k) buildProfile(m.lightClass(k), k);
    m.lightClassCount = profiles;
    for (int f = 1; f <= fixtures; ++f) {
        m.fixtureStartChannel[size_t(f)] = int16_t(1 + (f - 1) * 15);
        m.fixtureLightClass[size_t(f)] = int16_t(1 + (f - 1) % profiles);
        m.fixtureName[f] = QStringLiteral("Fixture %1").arg(f);
    }
    m.fixtureCount = fixtures;
    PresetsEngine engine;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        engine.regenerateAllPresets();
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    qint64 files = 0, bytes = 0;
    for (QDirIterator it(t.get().programPath(QStringLiteral("Palettes")), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        it.next();
        ++files;
        bytes += it.fileInfo().size();
    }
    state.counters["shareOfGoal"] = seconds / 2.0;
    state.counters["files"] = double(files);
    state.counters["MB"] = double(bytes) / 1e6;
}

} // namespace

BENCHMARK(generatePalettes)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

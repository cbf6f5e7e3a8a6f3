// The refresh tick with P playbacks that all fade every channel of U
// universes. Reported as the share of a 25 ms refresh period (the fastest
// rate the options offer) that one tick takes; the goal is under 5 % at
// 64 universes and 10 playbacks. Long fades measure the per-channel fade
// work; fades of one tick make every tick change step, which reads whole
// steps of stored levels. Each case also reports the resident memory of the
// process once the playbacks are programmed, and the memory the stored
// levels take beside what they took when every level was held in 32 bits
// (goal for the 100-step case: under 100 MB resident; it was 166 MiB with
// 32-bit levels and is 68 MiB with each step held in the narrowest width its
// levels need; the fading tick took the same share of the period before and
// after, about 2.7 %, and the step-changing tick about 27 %, now 8 % since
// the masters service is looked up once per step change). The recording and
// colour-mixing work of the playbacks is measured beside it.

#include "output/DmxOutput.h"
#include "playback/playbackEngine.h"
#include "profiles/ClsFixture.h"
#include "playback/playbackFrame.h"
#include "platform/tickTimer.h"
#include "shell/shell.h"
#include "support/fakePlatform.h"
#include "support/residentMemory.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void tickWithFadingPlaybacks(benchmark::State& state) {
    const int universes = int(state.range(0));
    const int playbacks = int(state.range(1));
    const int steps = int(state.range(2));
    const float fadeSeconds = float(state.range(3)) / 1000.0f;
    TestShell t;
    ChannelModel& m = shell().state;
    m.resize(512 * universes);
    for (int c = 1; c <= m.totalChannels; ++c) {
        m.channelType[c] = QStringLiteral("dimmer");
        m.channelIsIntensity[size_t(c)] = c % 2;
        m.channelFades[size_t(c)] = 1;
    }
    shell().engine<DmxOutput>(); // the tick's send stage
    PlaybackFrame& frame = playbackFrame();
    frame.HiResTimer1().setInterval(25);
    for (int p = 1; p <= playbacks; ++p) {
        frame.clkAddPlaybackControl(p, false, true, false);
        PlaybackEngine& e = *frame.playback(p);
        e.ensureChannelCapacity();
        int32_t n = steps;
        e.setMaxSequenceSteps(n);
        PlaybackState& s = e.state;
        for (int j = 1; j <= steps; ++j) {
            for (int c = 1; c <= m.totalChannels; ++c) s.stepValues(c, j) = (j + c + p) % 2 ? 255 : 0;
            s.fadeUpTimes[size_t(j)] = s.sequenceFadeUpTimes[size_t(j)] = fadeSeconds;
            s.fadeDownTimes[size_t(j)] = s.sequenceFadeDownTimes[size_t(j)] = fadeSeconds;
        }
        // Each channel has one owner; every playback still fades all of them.
        for (int c = p; c <= m.totalChannels; c += playbacks) m.channelOwner[size_t(c)] = int16_t(p);
        e.cmdGo_Click();
    }
    auto& tick = static_cast<FakeTickTimer&>(frame.HiResTimer1());
    tick.fire(); // the first tick takes step 1; fading starts with the next
    state.counters["residentMiB"] = residentMiB();
    double levelBytes = 0, levelBytesAt32Bit = 0;
    for (int p = 1; p <= playbacks; ++p) {
        const StepLevels& levels = frame.playback(p)->state.stepValues;
        const double cells = double(levels.channels()) + 1;
        for (int32_t j = 0; j <= levels.lastStep(); ++j) levelBytes += cells * levels.bytesPerLevel(j);
        levelBytesAt32Bit += cells * 4 * (levels.lastStep() + 1);
    }
    state.counters["levelsMiB"] = levelBytes / 1048576.0;
    state.counters["levelsMiBAt32Bit"] = levelBytesAt32Bit / 1048576.0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) tick.fire();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    // Time per tick as a percentage of 25 ms.
    if (state.iterations() > 0)
        state.counters["periodSharePct"] = elapsed.count() / double(state.iterations()) / 0.025 * 100.0;
}

// Recording the live levels into a step and mixing the colours of the
// colour fixtures a playback owns, over 64 universes with 10 playbacks:
// every 3 channels one RGB fixture. Reported like the tick, as a share of a
// 25 ms period for the work of all playbacks.
void recordAndMixColours(benchmark::State& state) {
    const int universes = 64, playbacks = 10;
    TestShell t;
    ChannelModel& m = shell().state;
    m.resize(512 * universes);
    ClsFixture& rgb = m.lightClass(1);
    rgb.ChannelsUsed = 3;
    rgb.setRgbFixture(true);
    rgb.setRedChannel(1);
    rgb.setGreenChannel(2);
    rgb.setBlueChannel(3);
    m.lightClassCount = 1;
    const char* roles[] = {"red", "green", "blue"};
    for (int c = 1; c <= m.totalChannels; ++c) {
        m.channelType[c] = QString::fromLatin1(roles[(c - 1) % 3]);
        m.channelOutput[size_t(c)] = c % 256;
    }
    m.fixtureCount = m.totalChannels / 3;
    for (int f = 1; f <= m.fixtureCount; ++f) {
        m.fixtureLightClass[size_t(f)] = 1;
        m.fixtureStartChannel[size_t(f)] = int16_t(std::min(3 * f - 2, 32767));
    }
    PlaybackFrame& frame = playbackFrame();
    std::vector<PlaybackEngine*> engines;
    for (int p = 1; p <= playbacks; ++p) {
        frame.clkAddPlaybackControl(p, false, true, false);
        PlaybackEngine& e = *frame.playback(p);
        e.ensureChannelCapacity();
        int32_t n = 2;
        e.setMaxSequenceSteps(n);
        e.state.currentStep = 1;
        engines.push_back(&e);
    }
    for (int c = 1; c <= m.totalChannels; ++c) m.channelOwner[size_t(c)] = int16_t(1 + (c - 1) / 3 % playbacks);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        for (PlaybackEngine* e : engines) {
            e->updateCurrentSceneValues();
            e->updateColorMixers();
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (state.iterations() > 0)
        state.counters["periodSharePct"] = elapsed.count() / double(state.iterations()) / 0.025 * 100.0;
}

} // namespace

BENCHMARK(recordAndMixColours)->Unit(benchmark::kMicrosecond);

BENCHMARK(tickWithFadingPlaybacks)
    ->ArgNames({"U", "P", "steps", "fadeMs"})
    ->Args({1, 1, 2, 10000})
    ->Args({16, 8, 2, 10000})
    ->Args({64, 10, 2, 10000})
    ->Args({64, 10, 100, 10000})
    ->Args({64, 10, 100, 25})
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Capture for real: the console's sound input (Qt Multimedia) reads a
// private PulseAudio server whose default source is a pipe that this test
// feeds in real time. withPulseAudio.sh starts the server and names the pipe.

#include "../audioFixture.h"
#include "platform/clock.h"
#include "platform/tickTimer.h"
#include "platform/waveInput.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

using namespace audioTest;

namespace {

// Writes sound into the server's pipe source (stereo, 44100 frames a
// second) in real time, on its own thread, 1,024 frames at a time on
// absolute deadlines.
class PipeFeeder {
public:
    explicit PipeFeeder(std::vector<int16_t> sound) : samples(std::move(sound)) {
        worker = std::thread([this] { run(); });
    }
    ~PipeFeeder() {
        stop = true;
        worker.join();
    }

private:
    void run() {
        const char* path = std::getenv("VARNEL_PULSE_PIPE");
        FILE* pipe = path ? std::fopen(path, "wb") : nullptr;
        if (!pipe) return;
        using clock = std::chrono::steady_clock;
        const auto start = clock::now();
        for (size_t at = 0; at < samples.size() && !stop; at += 2048) {
            const size_t n = std::min<size_t>(2048, samples.size() - at);
            std::fwrite(samples.data() + at, sizeof(int16_t), n, pipe);
            std::fflush(pipe);
            std::this_thread::sleep_until(start + std::chrono::microseconds(int64_t((at + n) / 2 * 1e6 / 44100)));
        }
        std::fclose(pipe);
    }
    std::vector<int16_t> samples;
    std::atomic<bool> stop{false};
    std::thread worker;
};

// Seconds of sound for the pipe: both channels of every frame from f(time in seconds).
template <typename F> std::vector<int16_t> sound(double seconds, F f) {
    std::vector<int16_t> s(size_t(seconds * 44100) * 2);
    for (size_t n = 0; n < s.size() / 2; ++n) s[2 * n] = s[2 * n + 1] = int16_t(std::lround(f(double(n) / 44100)));
    return s;
}
// The frequency of bin k of the capture's transform.
double binHz(double k) { return k * 11025.0 / 1024.0; }

void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The fixture's shell with the real sound input, clock and timers.
struct RealCapture : Fixture {
    RealCapture() {
        shell().platform().waveInput = std::make_unique<QtWaveInput>();
        shell().platform().clock = std::make_unique<SystemClock>();
        shell().platform().timers = std::make_unique<QtTimerFactory>();
    }
    // Listening on the pipe source: no device chosen is the default input.
    BeatDetector& listeningOnThePipe() {
        BeatDetector& d = detector();
        EXPECT_FALSE(d.deviceItems.isEmpty());
        d.StartButton_Click();
        return d;
    }
};

// Every spectrum with the milliseconds since the test's clock started.
struct Spectra : Playbacks {
    QElapsedTimer clock;
    std::vector<std::pair<int64_t, std::vector<int32_t>>> received;
    void sendAudioDataToPlaybacks(const std::vector<int32_t>& d) override { received.emplace_back(clock.elapsed(), d); }
};

} // namespace

TEST(PulseCapture, aToneIsCapturedAndPeaksInItsBin) {
    ASSERT_NE(std::getenv("VARNEL_PULSE_PIPE"), nullptr) << "run through withPulseAudio.sh";
    RealCapture f;
    Spectra& spectra = f.t.get().provide<PlaybackService>(std::make_unique<Spectra>());
    BeatDetector& d = f.listeningOnThePipe();
    ASSERT_TRUE(f.engine->listening()) << f.t.prompts().messages.join(QStringLiteral("; ")).toStdString();
    for (const int bin : {40, 150}) {
        spectra.received.clear();
        spectra.clock.start();
        {
            PipeFeeder feeder(sound(1.5, [bin](double t) { return 12000 * std::cos(2 * M_PI * binHz(bin) * t); }));
            runFor(1500);
        }
        // The strongest bin of each block once the tone has come through
        // the server; the real parts alone put a tone within one bin of its
        // own, whatever its phase in the block.
        int blocks = 0;
        for (const auto& [ms, s] : spectra.received) {
            if (ms < 500) continue;
            int best = 1;
            for (int k = 1; k < 512; ++k)
                if (std::abs(s[size_t(k)]) > std::abs(s[size_t(best)])) best = k;
            EXPECT_LE(std::abs(best - bin), 1) << "tone at bin " << bin << " peaked at " << best << " at " << ms << " ms";
            ++blocks;
        }
        EXPECT_GE(blocks, 12) << "about 21 blocks of 46 ms in the last second, bin " << bin;
    }
    d.StartButton_Click();
    EXPECT_FALSE(f.engine->listening());
}

TEST(PulseCapture, beatsComeAtTheRateOfAClickTrack) {
    ASSERT_NE(std::getenv("VARNEL_PULSE_PIPE"), nullptr) << "run through withPulseAudio.sh";
    RealCapture f;
    BeatDetector& d = f.listeningOnThePipe();
    ASSERT_TRUE(f.engine->listening());
    // 100 beats a minute: a 40 ms click every 600 ms over a faint hum.
    {
        PipeFeeder feeder(sound(5.0, [](double t) {
            return std::fmod(t, 0.6) < 0.04 ? 20000 * std::cos(2 * M_PI * binHz(10) * t) : 2.0;
        }));
        runFor(5100);
    }
    d.StartButton_Click();
    const std::vector<int64_t>& beats = f.pages.beats;
    ASSERT_GE(beats.size(), 6u);
    EXPECT_LE(beats.size(), 9u);
    std::vector<int64_t> gaps;
    for (size_t i = 1; i < beats.size(); ++i) gaps.push_back(beats[i] - beats[i - 1]);
    std::sort(gaps.begin(), gaps.end());
    const int64_t median = gaps[gaps.size() / 2];
    EXPECT_NEAR(double(median), 600.0, 60.0);
    EXPECT_EQ(f.schedule.triggers, int(beats.size()));
    EXPECT_GT(d.getBpm(), 60.0f);
}

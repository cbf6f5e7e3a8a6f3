#pragma once
// A shell with one fake sound input ("Line In"), the audio engine, and fakes
// of the services a beat and a spectrum reach, counting what they get.

#include "audio/audioEngine.h"
#include "shell/services/playbackService.h"
#include "shell/services/schedulerService.h"
#include "shell/services/shortcutsService.h"
#include "support/fakePlatform.h"
#include "support/fakeWaveInput.h"

#include <cmath>
#include <functional>
#include <vector>

namespace audioTest {

struct Playbacks : PlaybackService {
    std::vector<int32_t> fadeTimes; // every tempo offered to the playbacks
    int spectra = 0;
    void setFadeTime(int32_t bpm) override { fadeTimes.push_back(bpm); }
    void sendAudioDataToPlaybacks(const std::vector<int32_t>& d) override {
        ++spectra;
        lastSize = d.size();
    }
    size_t lastSize = 0;
};
struct Pages : ShortcutsService {
    std::vector<int64_t> beats; // clock time of every beat
    std::function<void()> onBeat;
    void recieveBeat() override {
        beats.push_back(shell().clock().monotonicMs());
        if (onBeat) onBeat();
    }
};
struct Schedule : SchedulerService {
    int triggers = 0;
    void callTheTrigger(int32_t type, int32_t value) override {
        if (type == 0 && value == 1) ++triggers;
    }
};

// 512 samples of a cosine at bin k of the 1,024-point transform (k x 11025 / 1024 Hz).
inline std::vector<int16_t> cosineAtBin(double k, double amplitude) {
    std::vector<int16_t> s(512);
    for (size_t n = 0; n < s.size(); ++n)
        s[n] = int16_t(std::lround(amplitude * std::cos(2 * M_PI * k * double(n) / 1024.0)));
    return s;
}
inline std::vector<int16_t> constant(int16_t v) { return std::vector<int16_t>(512, v); }
// Loud in the default band (bins 6..14); quiet (a tiny level, not none:
// a band of zeros keeps the last level).
inline std::vector<int16_t> loud() { return cosineAtBin(10, 20000); }
inline std::vector<int16_t> quiet() { return constant(2); }
inline std::vector<int16_t> silence() { return constant(0); }

struct Fixture {
    TestShell t;
    FakeWaveInput& wave = static_cast<FakeWaveInput&>(*shell().waveInput());
    Playbacks& playbacks = t.get().provide<PlaybackService>(std::make_unique<Playbacks>());
    Pages& pages = t.get().provide<ShortcutsService>(std::make_unique<Pages>());
    Schedule& schedule = t.get().provide<SchedulerService>(std::make_unique<Schedule>());
    AudioEngine* engine = nullptr; // the shell's, made on first use

    Fixture() {
        wave.devices = {QStringLiteral("Line In")};
        t.clock().ms = 100'000;
    }
    QString ini() const { return shell().iniFile(); }
    // The engine, loaded from the settings there are now.
    BeatDetector& detector() {
        engine = &shell().engine<AudioEngine>();
        return engine->beatDetect();
    }
    // Capture running from "Line In", its first block queued by a first tick.
    BeatDetector& listening() {
        BeatDetector& d = detector();
        d.DevicesBox_MenuClick(0);
        d.StartButton_Click();
        static_cast<FakeTickTimer&>(d.timer1()).fire();
        return d;
    }
    // The block being recorded completes with samples (when one is queued),
    // then one analysis tick, ms after the last.
    void tick(const std::vector<int16_t>& samples, int64_t ms = 20) {
        t.clock().ms += ms;
        wave.record(samples);
        static_cast<FakeTickTimer&>(detector().timer1()).fire();
    }
    void emulationTick() {
        t.clock().ms += 60;
        static_cast<FakeTickTimer&>(detector().hiTime1()).fire();
    }
};

} // namespace audioTest

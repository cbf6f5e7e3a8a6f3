#pragma once
// A fresh shell with the master section's engine as the masters service,
// the wing's MIDI as the control service, and recording fakes of the pages
// and the playback facade where a test needs to see the calls.

#include "masters/mastersEngine.h"
#include "masters/wingMidi.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "support/fakeMidiPorts.h"
#include "support/fakePlatform.h"

#include <QStringList>
#include <gtest/gtest.h>

// The pages as the strips see them: a cursor over named buttons per group.
class RecordingPages final : public ShortcutsService {
public:
    void pressGoFromSubmaster(int32_t group, int32_t crossFade, float overrideTime, int32_t manual) override {
        calls << QStringLiteral("go %1 %2 %3 %4").arg(group).arg(crossFade).arg(double(overrideTime)).arg(manual);
    }
    QString highlightNextButtonInGroup(int32_t) override {
        cursor = buttons.isEmpty() ? 0 : (cursor + 1) % int(buttons.size());
        return buttons.value(cursor);
    }
    QString highlightPreviousButtonInGroup(int32_t) override {
        cursor = buttons.isEmpty() ? 0 : (cursor + int(buttons.size()) - 1) % int(buttons.size());
        return buttons.value(cursor);
    }
    void adjustCurrentPageGroup(int32_t group, int32_t value) override {
        calls << QStringLiteral("dimmer %1 %2").arg(group).arg(value);
    }
    int32_t returnButtonIndexForGroup(int32_t group) override { return 100 + group; }
    void releaseAllOnPage(int32_t index) override { calls << QStringLiteral("release %1").arg(index); }
    QString currentPage() override { return QStringLiteral("Page1"); }

    QStringList buttons;
    int cursor = 0;
    QStringList calls;
};

// The playback facade's crossfade calls, and which file is loaded where.
class RecordingPlayback final : public PlaybackService {
public:
    bool returnIfFilenameIsLoaded(const QString& file, int32_t& p) const override {
        p = loaded.value(file, 0);
        return p > 0;
    }
    void setFadeInStatus(int32_t p, bool on) override { calls << QStringLiteral("fadeIn %1 %2").arg(p).arg(on); }
    void setfadeInStatusfadeTimes(float up, float down, int32_t p) override {
        calls << QStringLiteral("times %1 %2 %3").arg(double(up)).arg(double(down)).arg(p);
    }
    void setLiveCrossFadeFlag(bool on, const QString& name, float) override {
        calls << QStringLiteral("live %1 %2").arg(on).arg(name);
    }
    void setCrossFade(float position, const QString& name) override {
        calls << QStringLiteral("cross %1 %2").arg(double(position)).arg(name);
    }
    void setPause(int32_t p, bool all) override { calls << QStringLiteral("pause %1 %2").arg(p).arg(all); }
    void setFadeTimeSliderValue(int32_t p, int32_t v) override { calls << QStringLiteral("fadeTime %1 %2").arg(p).arg(v); }
    void blackOutPlaybacks(int32_t n, bool on, bool all, bool, bool) override {
        calls << QStringLiteral("blackout %1 %2 %3").arg(n).arg(on).arg(all);
    }
    float intensityFactor(int32_t p) const override { return factors.value(p, 0.0f); }

    QMap<QString, int32_t> loaded;
    QMap<int32_t, float> factors;
    mutable QStringList calls;
};

class MastersTest : public ::testing::Test {
protected:
    TestShell t;
    MastersEngine& m = shell().provide<MastersService>(std::make_unique<MastersEngine>());
    WingMidi& wing = shell().provide<ControlService>(std::make_unique<WingMidi>(m));
    FakeMidiPorts& ports = static_cast<FakeMidiPorts&>(*shell().midi());

    // A wing plugged in as "Wing" and opened from ylc.ini.
    void attachWing();
    // Messages as the wing sends them: note-on (channel 1) and control change.
    void note(int n, int velocity) { ports.receive(144, uint8_t(n), uint8_t(velocity)); }
    void controller(int c, int value) { ports.receive(176, uint8_t(c), uint8_t(value)); }
    // Lays out `count` visible strips for groups G1.., as the pages would.
    void loadGroups(int count);
};

// The same with the pages and the playback facade recorded.
class RecordedMastersTest : public MastersTest {
protected:
    RecordingPages& pages = shell().provide<ShortcutsService>(std::make_unique<RecordingPages>());
    RecordingPlayback& playback = shell().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
};

#pragma once
// A shell with the schedule engine, two fake media players and fakes of the
// services its rows reach, each noting what it was asked.

#include "platform/tickTimer.h"
#include "scheduler/scheduleEngine.h"
#include "shell/services/consoleService.h"
#include "shell/services/controlService.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "support/fakeMediaPlayer.h"
#include "support/fakePlatform.h"

#include <QStringList>

namespace scheduleTest {

struct Playbacks : PlaybackService {
    QStringList calls;
    int32_t count = 12;
    std::vector<bool> running = std::vector<bool>(13, false);
    int32_t DocumentCount() const override { return count; }
    void stopLoadedSequence(int32_t p) override { calls << QStringLiteral("stop %1").arg(p); }
    void setTimerStatus(int32_t p, bool) override { calls << QStringLiteral("pause %1").arg(p); }
    void setPause(int32_t p, bool) override { calls << QStringLiteral("toggle %1").arg(p); }
    bool getChaserFlag(int32_t p) const override { return p >= 0 && p < int32_t(running.size()) && running[size_t(p)]; }
    void blackOutPlaybacks(int32_t p, bool on, bool all, bool, bool) override {
        calls << QStringLiteral("blackout %1 %2 %3").arg(p).arg(on).arg(all);
    }
    int32_t loadSequenceInDoc(int32_t& doc, const QString& name, bool, bool crossFade, int32_t dimmer) override {
        calls << QStringLiteral("load %1 %2 %3 %4").arg(doc).arg(name.section(QLatin1Char('/'), -1)).arg(crossFade).arg(dimmer);
        return doc;
    }
    void playLoadedSequence(int32_t p, bool fadeFrom, bool autoMode, bool) override {
        calls << QStringLiteral("play %1 %2 %3").arg(p).arg(fadeFrom).arg(autoMode);
    }
};
struct Console : ConsoleService {
    QStringList calls;
    void stopchase(int32_t button, bool) override {
        calls << QStringLiteral("stopchase %1 %2").arg(button).arg(shell().state.currentPlayback);
    }
    void BT_OFf_MouseDown(int32_t button) override { calls << QStringLiteral("release %1").arg(button); }
};
struct Pages : ShortcutsService {
    QStringList calls;
    int refreshes = 0;
    void refreshPageOnly() override { ++refreshes; }
    void clearMultiCollection() override { calls << QStringLiteral("clear multis"); }
    void executeMultiFile(const QString& path) override {
        calls << QStringLiteral("multi ") + path.section(QLatin1Char('/'), -1);
    }
};
struct TimeCode : ControlService {
    QString code;
    bool opens = true;
    int opened = -1;
    bool openTimeCodeInput(int32_t device) override {
        if (opens) opened = device;
        return opens;
    }
    void closeTimeCodeInput() override { opened = -1; }
    QString timeCode() override { return code; }
    QString timeCodeRate() override { return QStringLiteral("SMPTE 25"); }
};
struct Media : ScheduleMedia {
    FakeMediaPlayer one, two;
    int shows = 0;
    MediaPlayer* player(int n) override { return n == 1 ? &one : n == 2 ? &two : nullptr; }
    void show() override { ++shows; }
};

struct Fixture {
    TestShell t;
    Playbacks& playbacks = t.get().provide<PlaybackService>(std::make_unique<Playbacks>());
    Console& console = t.get().provide<ConsoleService>(std::make_unique<Console>());
    Pages& pages = t.get().provide<ShortcutsService>(std::make_unique<Pages>());
    TimeCode& control = t.get().provide<ControlService>(std::make_unique<TimeCode>());
    Media media;
    ScheduleEngine engine;

    Fixture() {
        t.clock().ms = 1'000'000;
        t.clock().time = QDateTime(QDate(2026, 12, 11), QTime(10, 0)); // a Friday
        engine.setMedia(&media);
    }
    // Event rows: type, target, trigger, start, playback (day and length empty).
    void rows(std::initializer_list<std::array<const char*, 5>> list) {
        std::vector<scheduleFile::Row> out;
        for (const auto& r : list)
            out.push_back({QLatin1String(r[0]), QLatin1String(r[1]), QLatin1String(r[2]), QString(),
                           QLatin1String(r[3]), QString(), QLatin1String(r[4])});
        engine.setEventRows(out);
    }
    // One tick, ms after the last.
    void tick(int64_t ms = 71) {
        t.clock().ms += ms;
        t.clock().time = t.clock().time.addMSecs(ms);
        static_cast<FakeTickTimer&>(engine.timer()).fire();
    }
    // Ticks until ms have passed.
    void run(int64_t ms) {
        for (int64_t done = 0; done < ms; done += 71) tick();
    }
    void start() { engine.Command2_Click(0); }
};

} // namespace scheduleTest

#pragma once
// The services a playback calls, faked for the tests: each records what it
// was told and answers what the test sets. fake<F>() registers one with the
// test's shell.

#include "playback/playbackViews.h"
#include "shell/services/audioService.h"
#include "shell/services/controlService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/matrixService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/schedulerService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QStringList>
#include <map>
#include <memory>
#include <vector>

namespace playbackTest {

// The frame, for a playback tested on its own: the tick's interval, and the
// levels held by playbacks below (channel -> level).
struct FakeFrame : PlaybackService {
    int32_t interval = 50;
    std::map<int32_t, int32_t> below;
    std::map<int32_t, int32_t> priorities; // playback number -> priority
    int32_t refreshIntervalMs() const override { return interval; }
    int32_t returnValueforStep1(int32_t c, int32_t, bool& stacked) const override {
        auto it = below.find(c);
        stacked = it != below.end();
        return stacked ? it->second : -1;
    }
    int32_t reportPlayBackPriority(int32_t n) const override {
        auto it = priorities.find(n);
        return it == priorities.end() ? 0 : it->second;
    }
};

struct FakeMasters : MastersService {
    int32_t level = 100;
    int32_t grandMaster() override { return level; }
};

struct FakeMainWindow : MainWindowService {
    bool boxesShown = false;          // there is a main window with time boxes
    std::map<int, QString> boxes;     // its time boxes
    std::map<int, float> barMaxima;   // its progress bars
    QStringList stepTexts;            // every step label shown
    QString command, scene;
    bool programmingEnabled = true;
    int lockCalls = 0;
    int32_t dimmer = -1;
    bool fadeHeld = false;
    bool buttonsRecoloured = false;
    bool hasFadeTimeBoxes() override { return boxesShown; }
    QString mainFadeTimeText(int32_t box) override { return boxes[box]; }
    void setMainFadeTimeText(int32_t box, const QString& text) override { boxes[box] = text; }
    void mainStepNumber(const QString& text, int32_t) override { stepTexts << text; }
    void mainCommandCaption(const QString& text) override { command = text; }
    void updateSequenceDetails(const QString& text) override { scene = text; }
    bool mainProgrammingEnabled() override { return programmingEnabled; }
    void setMainProgrammingLocked(bool locked) override {
        programmingEnabled = !locked;
        ++lockCalls;
    }
    void mainProgressMaximum(int32_t bar, float max) override { barMaxima[bar] = max; }
    void mainDimmerSlider(int32_t value) override { dimmer = value; }
    bool mouseDownOnFade() override { return fadeHeld; }
    QString returnSequenceNameForCurrentChaser() override {
        buttonsRecoloured = true;
        return {};
    }
};

struct FakeScheduler : SchedulerService {
    bool recording = false;
    std::vector<QString> events; // recorded event types
    QStringList run;             // step commands run
    bool schedulerRecording() override { return recording; }
    void recordEvent(const QString&, const QString& type) override { events.push_back(type); }
    void readAndExecuteEventString(const QString& cmd, int32_t, const QString&) override { run << cmd; }
};

struct FakeControl : ControlService {
    bool wing = false;
    std::vector<int32_t> notes, statuses, velocities; // every note-off sent
    bool controlWingAttached() override { return wing; }
    void sendWingNoteOff(int32_t status, int32_t note, int32_t velocity) override {
        statuses.push_back(status);
        notes.push_back(note);
        velocities.push_back(velocity);
    }
};

struct FakeAudio : AudioService {
    int32_t tempo = 0;
    double detected = 0.0;
    bool hasTempoKeeper() override { return true; }
    int32_t beatPressed(int32_t) override { return tempo; }
    double beatDetectorBpm() override { return detected; }
};

struct FakeShortcuts : ShortcutsService {
    QString page = QStringLiteral("Page 1");
    bool placed = false;
    std::vector<QString> collection{QStringLiteral("stale")};
    QString currentPage() override { return page; }
    void saveNewButtonPosition(const QString&, bool) override { placed = true; }
    void setMultiCollectionToNothing() override { collection.clear(); }
    void addToMultiCollection(const QString& name) override { collection.push_back(name); }
};

struct FakeMatrix : MatrixService {
    std::vector<int32_t> received; // the last spectrum of sound to matrix
    void audioData(int32_t, const std::vector<int32_t>& d) override { received = d; }
};

// The window of one playback: what it was asked to show.
struct FakeView : PlaybackView {
    int refills = 0, editors = 0;
    QStringList calls;
    void displaySequenceData() override { ++refills; }
    void showEditCommandDialog() override { ++editors; }
    void loadShortcutsOnFrame() override { calls << QStringLiteral("load"); }
    void checkActivePlaybacks(const QString& s) override { calls << QStringLiteral("active ") + s; }
    bool checkForShortcut(const QString& name, bool play) override {
        calls << QStringLiteral("check ") + name + (play ? QStringLiteral(" play") : QString());
        return name == QLatin1String("Intro");
    }
};

// What holds a playback tested on its own: whether it hid its window.
struct FakeHost : PlaybackHost {
    bool hidden = false;
    void hideWindow() override { hidden = true; }
};

// Registers a fake of service S with the shell in use.
template <typename S, typename F> F& fake() { return shell().provide<S>(std::make_unique<F>()); }

} // namespace playbackTest

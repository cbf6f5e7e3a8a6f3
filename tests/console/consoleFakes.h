#pragma once
// Fakes for the console's tests: a playback set that keeps its steps' levels
// and records the facade calls, and a layout whose selection a test sets.

#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QStringList>
#include <map>
#include <set>
#include <tuple>

class FakePlaybacks : public PlaybackService {
public:
    // (playback, step, channel) -> level.
    std::map<std::tuple<int32_t, int32_t, int32_t>, int32_t> levels;
    std::map<int32_t, int32_t> steps, currentStep;
    std::set<int32_t> runningSet;
    QStringList calls; // "name(playback)" in order

    int32_t getMaxSteps(int32_t p) const override { return steps.count(p) ? steps.at(p) : 0; }
    void setMaxStepsValue(int32_t p, int32_t n) override {
        steps[p] = n;
        calls << QStringLiteral("setMaxStepsValue(%1,%2)").arg(p).arg(n);
    }
    bool recieveChaserValueData(int32_t ch, int32_t s, int32_t v, int32_t p) override {
        levels[{p, s, ch}] = v;
        return true;
    }
    int32_t sendChaserValueFromPlayback(int32_t ch, int32_t s, int32_t p) override {
        auto it = levels.find({p, s, ch});
        return it == levels.end() ? 0 : it->second;
    }
    bool getChaserFlag(int32_t p) const override { return runningSet.count(p) > 0; }
    int32_t returnCurrentStep(int32_t p) const override { return currentStep.count(p) ? currentStep.at(p) : 0; }
    int32_t thecurrentStep(int32_t p) const override { return returnCurrentStep(p); }
    bool SendMefadeTimeFromMain(int32_t p, bool all) override {
        calls << QStringLiteral("SendMefadeTimeFromMain(%1,%2)").arg(p).arg(all);
        return true;
    }
    void updateDisplayData(int32_t p) override { calls << QStringLiteral("updateDisplayData(%1)").arg(p); }
    void StepFoward(int32_t p) override { calls << QStringLiteral("StepFoward(%1)").arg(p); }
    void stepBackWards(int32_t p) override { calls << QStringLiteral("stepBackWards(%1)").arg(p); }
    void copyscene(int32_t p) override { calls << QStringLiteral("copyscene(%1)").arg(p); }
    void pastescene(int32_t p) override { calls << QStringLiteral("pastescene(%1)").arg(p); }
    // Playbacks 1..documents; priority 5 unless set.
    int32_t documents = 0;
    std::map<int32_t, int32_t> priority;
    std::map<int32_t, QString> files;
    int32_t reportPlayBackPriority(int32_t p) const override {
        return p < 1 ? 0 : priority.count(p) ? priority.at(p) : 5;
    }
    int32_t DocumentCount() const override { return documents; }
    int32_t returnFirstPlayback() const override {
        for (int32_t p = 1; p <= documents; ++p)
            if (reportPlayBackPriority(p) >= 10) return p;
        return 1;
    }
    QString getCurrentSequence(int32_t p, int32_t& n) const override {
        n = p;
        return files.count(p) ? files.at(p) : QString();
    }
    void playLoadedSequence(int32_t p, bool, bool, bool) override {
        calls << QStringLiteral("play(%1)").arg(p);
        runningSet.insert(p);
    }
    void stopLoadedSequence(int32_t p) override {
        // A locked playback keeps running.
        if (reportPlayBackPriority(p) >= 10) return;
        calls << QStringLiteral("stop(%1)").arg(p);
        runningSet.erase(p);
    }
    void setPause(int32_t p, bool) override { calls << QStringLiteral("pause(%1)").arg(p); }
    void setChaseMode(int32_t p, int32_t mode, bool) override { calls << QStringLiteral("mode(%1,%2)").arg(p).arg(mode); }
    void setPlaybackPriority(int32_t p, int32_t prio, bool) override { priority[p] = prio; }
    void clearSequenceInChaser(int32_t p) override {
        calls << QStringLiteral("clear(%1)").arg(p);
        files.erase(p);
        runningSet.erase(p);
    }
    void hidePlayback(int32_t p) override { calls << QStringLiteral("hide(%1)").arg(p); }
    void fadeOutSequence(int32_t p) override { calls << QStringLiteral("fadeOut(%1)").arg(p); }
    void clkAddPlaybackControl(int32_t, bool, bool, bool) override {
        calls << QStringLiteral("new");
        shell().state.currentPlayback = ++documents;
    }
    void fadeFromCurrentOverride(int32_t p, int32_t step, float) override {
        calls << QStringLiteral("fadeTo(%1,%2)").arg(p).arg(step);
    }
    QString getSceneName(int32_t, int32_t step) const override { return QStringLiteral("  Look %1 ").arg(step); }
    std::map<int32_t, int32_t> dimmer; // playback -> percent
    int32_t getDimmerValue(int32_t p) const override { return dimmer.count(p) ? dimmer.at(p) : 100; }
    void setDimmerValue(int32_t v, int32_t p) override {
        dimmer[p] = v;
        calls << QStringLiteral("setDimmer(%1,%2)").arg(p).arg(v);
    }
    void setWaitForGO(int32_t p, bool wait) override { calls << QStringLiteral("waitForGO(%1,%2)").arg(p).arg(wait); }
};

class FakeSelection : public PatchService {
public:
    std::set<int32_t> selected;
    int32_t current = 0;
    bool isSelected(int32_t f) override { return selected.count(f) > 0; }
    int32_t returnSelectCount() override { return int32_t(selected.size()); }
    int32_t currentFixtureNumber() override { return current; }
    void setSelected(int32_t f, bool on) override {
        if (on) selected.insert(f);
        else selected.erase(f);
    }
    // The click on an empty point of the layout clears the selection.
    void Form_MouseDown(int, int, double, double) override { selected.clear(); }
    QString layer = QStringLiteral("View 1");
    QString currentFixtureLayer() override { return layer; }
    void changeFixtureLayer(const QString& l) override { layer = l; }
};

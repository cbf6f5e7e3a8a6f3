#pragma once
// Playbacks as the button presses see them (loaded file, running, priority,
// trigger, fade-out, dimmer), and a show of button pages over them.

#include "platform/paths.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/shortcutsService.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/shortcutsTestSupport.h"

#include <map>

struct FakeRun {
    QString path; // real path of the loaded sequence; empty when none
    bool running = false, goMode = false, autoGo = false, fadingOut = false, hidden = false, crossFade = false;
    int32_t priority = 5, chaseType = 1, dimmer = 100, steps = 2;
};

class PressPlaybacks final : public PlaybackService {
public:
    int32_t loadSequenceInDoc(int32_t& doc, const QString& path, bool, bool crossFade, int32_t dimmer) override {
        if (doc == 0)
            for (const auto& [n, r] : runs)
                if (r.path.isEmpty() && !r.running) {
                    doc = n;
                    break;
                }
        if (doc == 0) doc = runs.empty() ? 1 : runs.rbegin()->first + 1;
        FakeRun& r = runs[doc];
        const int32_t keptPriority = r.priority; // a load keeps the playback's priority
        r = FakeRun{};
        r.path = path;
        r.running = true;
        r.crossFade = crossFade;
        r.dimmer = dimmer;
        r.priority = keptPriority;
        loads.push_back({doc, path});
        return doc;
    }
    void fadeOutSequence(int32_t n) override {
        fadedOut.push_back(n);
        if (runs.count(n)) runs[n].fadingOut = true;
    }
    // The end of a release fade: the playback clears itself and tells the pages.
    void finishFade(int32_t n) {
        FakeRun& r = runs[n];
        r.path.clear();
        r.running = r.fadingOut = false;
        shell().shortcuts().doneWithFade(false);
    }
    bool returnIfFilenameIsLoaded(const QString& relative, int32_t& n) const override {
        const QString path = paths::realPath(shell().programPath(QStringLiteral("Sequences\\") + relative));
        for (const auto& [k, r] : runs)
            if (!r.path.isEmpty() && r.path == path) {
                n = k;
                return true;
            }
        return false;
    }
    int32_t DocumentCount() const override { return int32_t(runs.size()); }
    bool getChaserFlag(int32_t n) const override { return run(n).running; }
    bool returnGoMode(int32_t n) const override { return run(n).goMode; }
    bool getCurrentAutoGo(int32_t n) const override { return run(n).autoGo; }
    bool returnFadeOutStatus(int32_t n) const override { return run(n).fadingOut; }
    int32_t reportPlayBackPriority(int32_t n) const override { return run(n).priority; }
    void setPlaybackPriority(int32_t n, int32_t p, bool) override { runs[n].priority = p; }
    int32_t returnChaseType(int32_t n) const override { return run(n).chaseType; }
    void setChaseMode(int32_t n, int32_t mode, bool) override { runs[n].chaseType = mode == 0 ? 3 : mode; }
    void setDimmerValue(int32_t v, int32_t n) override { runs[n].dimmer = v; }
    void hidePlayback(int32_t n) override { runs[n].hidden = true; }
    int32_t getMaxSteps(int32_t n) const override { return run(n).steps; }
    int32_t theNextStep(int32_t) const override { return 2; }
    void fadeFromCurrentOverride(int32_t n, int32_t step, float time) override {
        crossfades << QStringLiteral("%1>%2@%3").arg(n).arg(step).arg(time);
    }
    void setCurrentCrossfadeTime(int32_t n, float time) override { crossfadeTimes[n] = time; }
    void setoverRideCrossFadeTimes(int32_t n, bool on) override { overrides[n] = on; }
    void refreshPlaybackChannels(int32_t n) override { refreshed.push_back(n); }

    const FakeRun& run(int32_t n) const {
        static const FakeRun none;
        const auto it = runs.find(n);
        return it == runs.end() ? none : it->second;
    }
    std::map<int32_t, FakeRun> runs;
    std::vector<LoadCall> loads;
    std::vector<int32_t> fadedOut, refreshed;
    QStringList crossfades;
    std::map<int32_t, float> crossfadeTimes;
    std::map<int32_t, bool> overrides;
};

// The show "Club" with pages of sequence buttons at set places, the pages'
// service registered, over PressPlaybacks.
class PressDesk {
public:
    PressDesk();
    // A sequence button (top, left in twips; group 0 = none) on a page.
    void button(const QString& page, const QString& name, double top, double left, int group = 0,
                const QString& extension = QStringLiteral(".YSQ"));
    // A group rectangle on a page.
    void group(const QString& page, int number, double top, double left, double width, double height);
    void ini(const QString& page, const QString& section, const QString& key, const QString& value);
    QString status(const QString& section, const QString& key) const;
    // Starts the page window's engine on page 1 (no replay yet).
    ShortcutPages& open();
    // The shown button of that name.
    const PageButton& at(const QString& name);
    int32_t index(const QString& name);
    // A left press at face height y (twips), the shift flag 0.
    void press(const QString& name, float y = 0, float x = 0);
    int32_t playbackOf(const QString& name);

    PagesShell t;
    PressPlaybacks* pb = nullptr;
    ShortcutPages* pages = nullptr;
};

#include "scheduler/eventEngine.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"
#include "support/fakePlatform.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Writes down what the step commands ask of the playbacks.
class RecordingPlaybacks final : public PlaybackService {
public:
    QStringList calls;
    void stopLoadedSequence(int32_t p) override { calls << QString("stop %1").arg(p); }
    void playLoadedSequence(int32_t p, bool fadeFrom, bool autoMode, bool fromStack) override {
        calls << QString("play %1 %2 %3 %4").arg(p).arg(fadeFrom).arg(autoMode).arg(fromStack);
    }
    void setTimerStatus(int32_t p, bool all) override { calls << QString("pause %1 %2").arg(p).arg(all); }
    void clkAddPlaybackControl(int32_t p, bool, bool makeVisible, bool) override {
        calls << QString("add %1 %2").arg(p).arg(makeVisible);
    }
    int32_t loadSequenceInDoc(int32_t& doc, const QString& name, bool, bool, int32_t dimmer) override {
        calls << QString("load %1 %2 %3").arg(doc).arg(name).arg(dimmer);
        return 0;
    }
    void fadeFromCurrent(int32_t p, int32_t to) override { calls << QString("fade %1 %2").arg(p).arg(to); }
    void startAudioMatrix(const QString& name, int32_t front, int32_t back, int32_t mode, int32_t p) override {
        calls << QString("matrix %1 %2 %3 %4 %5").arg(name).arg(front).arg(back).arg(mode).arg(p);
    }
};

class CountingPages final : public ShortcutsService {
public:
    int refreshes = 0;
    void refreshPageOnly() override { ++refreshes; }
};

} // namespace

TEST(EventEngine, runsTheStepCommandsOfThePlaybacks) {
    struct Case { const char* command; const char* call; bool refresh; };
    const Case cases[] = {
        {"0,,3", "stop 3", true},
        {"0", "stop 7", true},
        {"0,,-2", "stop 7", true},
        {" 1 ,,2.6", "play 3 1 1 0", true},
        {"2,,4", "pause 4 0", false},
        {"3,Sequences\\Show\\Page\\a.YSQ,6,", "add 6 0|load 6 Sequences\\Show\\Page\\a.YSQ 0", true},
        {"4,,5", "fade 2 5", false},
        {"12,Wall,255,65280", "matrix Wall 255 65280 12 7", false},
        {"5,night.YSC", "", true},
        {"x,,3", "", false},
    };
    for (const Case& c : cases) {
        TestShell t;
        auto& playbacks = t.get().provide<PlaybackService>(std::make_unique<RecordingPlaybacks>());
        auto& pages = t.get().provide<ShortcutsService>(std::make_unique<CountingPages>());
        shell().state.currentPlayback = 2;
        EventEngine engine;
        shell().scheduler().readAndExecuteEventString(QString::fromLatin1(c.command), 7, "seq.YSQ");
        EXPECT_EQ(playbacks.calls.join('|'), QString::fromLatin1(c.call)) << c.command;
        EXPECT_EQ(pages.refreshes, c.refresh ? 1 : 0) << c.command;
    }
}

#include "console/console.h"
#include "console/consoleFakes.h"
#include "shell/services/mainWindowService.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

struct Times : FakePlaybacks {
    void setDimmerValue(int32_t v, int32_t p) override { calls << QStringLiteral("dimmer(%1,%2)").arg(p).arg(v); }
    void setUseSequenceFadetime(int32_t p, bool v) override { calls << QStringLiteral("useSeq(%1,%2)").arg(p).arg(v); }
    void setUseMotionfade(int32_t p, bool v) override { calls << QStringLiteral("motion(%1,%2)").arg(p).arg(v); }
    void setFadeTimeSliderValue(int32_t p, int32_t v) override { calls << QStringLiteral("fade(%1,%2)").arg(p).arg(v); }
    bool setAllStepsFadeTime(int32_t p, int32_t box) override {
        calls << QStringLiteral("allSteps(%1,%2)").arg(p).arg(box);
        return true;
    }
};
struct Boxes : MainWindowService {
    QString box[6];
    void setMainFadeTimeText(int32_t i, const QString& t) override { box[i] = t; }
};

struct TimeDesk {
    TestShell ts;
    Times& pb = ts.get().provide<PlaybackService>(std::make_unique<Times>());
    Boxes& boxes = ts.get().provide<MainWindowService>(std::make_unique<Boxes>());
    Console& console = ts.get().engine<Console>();
    TimeControls& t = console.times;
    TimeDesk() { ts.get().state.currentPlayback = 2; }
};

TEST(TimeControls, DimmerLabelAndGreyAndOnlyADragReachesThePlayback) {
    const struct {
        int v;
        bool scroll;
        const char* label;
        int grey;
    } cases[] = {{100, true, "Playback Dimmer: 100%", 250}, {0, true, "Playback Dimmer: 0%", 0},
                 {50, false, "Playback Dimmer: 50%", 125}, {1, true, "Playback Dimmer: 1%", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.v);
        TimeDesk d;
        d.t.dimmerChanged(c.v, c.scroll);
        EXPECT_EQ(d.t.dimmerLabel, c.label);
        EXPECT_EQ(d.t.dimmerColour, c.grey * 0x010101);
        EXPECT_EQ(d.pb.calls.join(","), c.scroll ? QStringLiteral("dimmer(2,%1)").arg(c.v) : QString());
    }
}

TEST(TimeControls, PressingTheSliderTicksTheOverrideOnlyWhileRunning) {
    TimeDesk d;
    d.t.fadeTimeMouseDown();
    EXPECT_FALSE(d.t.useFadetimeTicked);
    EXPECT_TRUE(d.t.mouseDownOnFade);
    d.t.fadeTimeMouseUp();
    d.pb.runningSet = {2};
    d.t.fadeTimeMouseDown();
    EXPECT_TRUE(d.t.useFadetimeTicked);
    EXPECT_EQ(d.pb.calls.join(","), "useSeq(2,0)");
}

TEST(TimeControls, SetFadeTimeSliderKeepsTheOperatorsHoldAndTicksTheOverride) {
    for (bool held : {false, true}) {
        TimeDesk d;
        d.t.mouseDownOnFade = held;
        d.console.setFadeTimeSlider(300);
        EXPECT_EQ(d.console.mouseDownOnFade(), held);
        EXPECT_EQ(d.pb.calls.join(","), "fade(2,300),useSeq(2,0)");
    }
}

TEST(TimeControls, KeypadEntryGoesIntoItsBoxAndEveryStepOnlyWhileRunning) {
    TimeDesk d;
    d.t.keypadEntry(2, 1.239);
    EXPECT_EQ(d.boxes.box[2], "1.24");
    EXPECT_EQ(d.boxes.box[3], "");
    EXPECT_EQ(d.pb.calls.join(","), "SendMefadeTimeFromMain(2,0)");
    d.pb.runningSet = {2};
    d.pb.calls.clear();
    d.t.keypadEntry(0, 3);
    EXPECT_EQ(d.boxes.box[0], "3");
    EXPECT_EQ(d.boxes.box[1], "3");
    EXPECT_EQ(d.pb.calls.join(","), "SendMefadeTimeFromMain(2,0),allSteps(2,0),allSteps(2,1)");
}

TEST(TimeControls, CheckBoxesSwitchSequenceTimesAndMotionFade) {
    TimeDesk d;
    d.t.setUseFadetime(false);
    d.t.setFadeScenes(true);
    EXPECT_EQ(d.pb.calls.join(","), "useSeq(2,1),motion(2,1)");
}

} // namespace

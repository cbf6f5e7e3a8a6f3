#include "audio/audioEngine.h"
#include "audio/clsBpmTimer.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

TEST(BpmTimer, tapsReplaceTheSeededSlotsAnEighthAtATime) {
    // Slots not yet tapped keep the 120 they were made with.
    struct Case { int64_t interval; int intervals; int32_t tempo; };
    for (const Case c : {Case{500, 1, 120}, Case{500, 5, 120}, Case{1000, 1, 112}, Case{1000, 4, 90},
                         Case{1000, 8, 60}, Case{1000, 12, 60}, Case{250, 2, 150}}) {
        clsBpmTimer keeper;
        EXPECT_EQ(keeper.myBpm(), 1);
        keeper.beatPressed(1000);
        EXPECT_EQ(keeper.myBpm(), 1) << "the first tap only marks the time";
        for (int i = 1; i <= c.intervals; ++i) keeper.beatPressed(1000 + i * c.interval);
        EXPECT_EQ(keeper.myBpm(), c.tempo) << c.interval << " x " << c.intervals;
    }
}

TEST(BpmTimer, resetSeedsTheRingAndKeepsTheLastTap) {
    clsBpmTimer keeper;
    keeper.beatPressed(10'000);
    keeper.resetBPM(100);
    EXPECT_EQ(keeper.myBpm(), 100);
    keeper.beatPressed(10'500); // measured from the tap before the reset
    EXPECT_EQ(keeper.myBpm(), 102) << "(7 x 100 + 120) / 8 = 102.5 rounds to even";
    keeper.beatPressed(10'500); // same millisecond: nothing stored
    EXPECT_EQ(keeper.myBpm(), 102);
    keeper.beatPressed(10'000); // a clock that went back stores nothing either
    EXPECT_EQ(keeper.myBpm(), 102);
}

TEST(BpmTimer, onlyATapTurnsAZeroTempoIntoOne) {
    clsBpmTimer keeper;
    keeper.setMyBpm(0);
    EXPECT_EQ(keeper.myBpm(), 0);
    keeper.resetBPM(0);
    keeper.beatPressed(0);
    keeper.beatPressed(3'600'000); // 1/60 per minute in one slot, the rest 0
    EXPECT_EQ(keeper.myBpm(), 1);
}

TEST(AudioEngine, isTheAudioServiceWithOneKeeperPerPlayback) {
    TestShell t;
    {
        AudioEngine engine;
        AudioService& audio = shell().audio();
        EXPECT_TRUE(audio.hasTempoKeeper());
        audio.resetBpmTimer(2, 90);
        t.clock().ms = 100;
        audio.beatPressed(1);
        t.clock().ms = 1100;
        EXPECT_EQ(audio.beatPressed(1), 112); // 900 / 8 = 112.5, to even
        EXPECT_EQ(engine.bpmTimer(2).myBpm(), 90);
    }
    EXPECT_FALSE(shell().audio().hasTempoKeeper());
}

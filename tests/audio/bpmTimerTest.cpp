#include "audio/audioEngine.h"
#include "audio/clsBpmTimer.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

TEST(BpmTimer, averagesTheTappedIntervals) {
    struct Case { int64_t interval; float tempo; };
    for (const Case c : {Case{500, 120}, Case{2000, 30}, Case{4000, 15}, Case{700, 85}}) {
        clsBpmTimer keeper;
        EXPECT_EQ(keeper.myBpm(), 1.0f);
        keeper.beatPressed(1000);
        EXPECT_EQ(keeper.myBpm(), 1.0f) << "the first tap only marks the time";
        keeper.beatPressed(1000 + c.interval);
        keeper.beatPressed(1000 + 2 * c.interval);
        EXPECT_EQ(keeper.myBpm(), c.tempo) << c.interval;
    }
}

TEST(BpmTimer, resetFillsTheRingSoTapsMoveTheTempoByAnEighth) {
    clsBpmTimer keeper;
    keeper.resetBPM(120);
    EXPECT_EQ(keeper.myBpm(), 120.0f);
    keeper.beatPressed(0);
    keeper.beatPressed(1000); // 60 per minute into one slot of eight
    EXPECT_EQ(keeper.myBpm(), 112.0f);
    keeper.beatPressed(1000); // no interval: ignored
    EXPECT_EQ(keeper.myBpm(), 112.0f);
}

TEST(BpmTimer, aVeryLongPauseGivesATempoOfAtLeastOne) {
    clsBpmTimer keeper;
    keeper.beatPressed(0);
    keeper.beatPressed(3'600'000);
    EXPECT_EQ(keeper.myBpm(), 1.0f);
}

TEST(AudioEngine, isTheAudioServiceWithOneKeeperPerPlayback) {
    TestShell t;
    {
        AudioEngine engine;
        AudioService& audio = shell().audio();
        EXPECT_TRUE(audio.hasTempoKeeper());
        audio.resetBpmTimer(2, 90);
        t.clock().ms = 0;
        audio.beatPressed(1);
        t.clock().ms = 500;
        EXPECT_EQ(audio.beatPressed(1), 120);
        EXPECT_EQ(engine.bpmTimer(2).myBpm(), 90.0f);
    }
    EXPECT_FALSE(shell().audio().hasTempoKeeper());
}

// A sequence file goes in at one end, DMX frames come out at the other: load
// into playback 1 through the frame, GO, refresh ticks by hand, and the levels
// reach a USB-to-DMX interface through the send stage.

#include "output/DmxOutput.h"
#include "playback/playbackEngine.h"
#include "playback/playbackFrame.h"
#include "playback/sequenceFile.h"
#include "playbackTestSupport.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace playbackTest;

namespace {

std::vector<uint8_t> lastSlots(const FakeFtdiDevice& d) {
    const auto f = d.frames();
    if (f.empty()) return {};
    return {f.back().begin() + 3, f.back().end()};
}

} // namespace

TEST(EndToEnd, aLoadedSequencePlaysOutThroughTheSendStage) {
    TestShell t;
    makeShow(1);
    PlaybackFrame& frame = playbackFrame();
    frame.HiResTimer1().setInterval(50); // 20 ticks a second
    auto& fakeFtdi = static_cast<FakeFtdiDriver&>(*shell().ftdi());
    FakeFtdiDevice& port = fakeFtdi.attach();
    const char record[] = "0001";
    std::copy(record, record + 4, port.userArea.begin());
    shell().engine<DmxOutput>().clkCorvellDmxDongle_Click();
    ASSERT_TRUE(frame.HiResTimer1().enabled());

    // Step 1: channel 1 at 100, channel 5 at 50; step 2: channel 1 at 200,
    // channel 5 at 0. One second up and down, no delays, no follow time.
    sequenceFile::SequenceFileData d = sequenceFile::SequenceFileData::sized(1, 2);
    d.levels[0][0] = char(100);
    d.levels[0][4] = char(50);
    d.levels[1][0] = char(200);
    d.masks[0].bytes[0] = char(255);
    d.masks[0].bytes[4] = char(255);
    d.masks[0].triggerText = QStringLiteral("1");
    d.useSequenceFadeTime = true;
    d.useMotionfade = true;
    for (auto& s : d.steps) {
        s.fadeUp = 1.0f;
        s.fadeDown = 1.0f;
    }
    const QString file = QDir(t.folder()).filePath("Show.YSQ");
    ASSERT_TRUE(safeFile::writeWhole(file, sequenceFile::encode(d)));

    int32_t doc = 1;
    ASSERT_EQ(frame.loadSequenceInDoc(doc, file, true, false, 100), 1);
    frame.playLoadedSequence(1, false, false, false);
    ASSERT_TRUE(frame.getChaserFlag(1));

    auto& tick = static_cast<FakeTickTimer&>(frame.HiResTimer1());
    std::vector<int> channel1, channel5;
    for (int i = 0; i < 45; ++i) {
        tick.fire();
        const auto frameSlots = lastSlots(port);
        ASSERT_EQ(frameSlots.size(), 512u);
        channel1.push_back(frameSlots[0]);
        channel5.push_back(frameSlots[4]);
    }
    // GO takes step 1 at once; each step then fades over 20 ticks: channel 1
    // moves 100 / 20 = 5 a tick, channel 5 moves 50 / 20 = 2.5 a tick and
    // its fractional level is cut to a whole number. Auto Trigger runs on
    // from step 2 back to step 1.
    for (int k = 0; k <= 20; ++k) {
        EXPECT_EQ(channel1[size_t(k)], 100 + 5 * k) << k;
        EXPECT_EQ(channel5[size_t(k)], int(50 - 2.5f * float(k))) << k;
        EXPECT_EQ(channel1[size_t(20 + k)], 200 - 5 * k) << k;
        EXPECT_EQ(channel5[size_t(20 + k)], int(2.5f * float(k))) << k;
    }
    EXPECT_EQ(shell().state.channelLastSent[1], channel1.back());
}

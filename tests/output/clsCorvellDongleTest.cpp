#include "output/clsCorvellDongle.h"
#include "outputTestSupport.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

struct DongleTest : ::testing::Test {
    TestShell t;
    FakeFtdiDevice& dev = fakeFtdi().attach();
    clsCorvellDongle d;
    // Opens device 0 and forgets what the open sequence wrote.
    size_t openFresh() {
        EXPECT_EQ(d.openPort(0), 0);
        return dev.mark();
    }
};

TEST_F(DongleTest, OpenSequenceResetsTheLineAndDrains) {
    dev.queueInput({1, 2, 3});
    EXPECT_EQ(d.openPort(0), 0);
    EXPECT_TRUE(d.dongleEnabled());
    EXPECT_NE(d.myPortNumber(), 0);
    EXPECT_EQ(dev.readTimeout, 100u);
    EXPECT_EQ(dev.writeTimeout, 100u);
    EXPECT_EQ(dev.writes, std::vector<std::vector<uint8_t>>(10, bytes({0x00})));
    EXPECT_EQ(dev.purges, std::vector<uint32_t>{3});
    EXPECT_TRUE(dev.input.empty());
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

TEST_F(DongleTest, OpenOfAMissingDeviceReportsNotFoundAndStaysClosed) {
    EXPECT_EQ(d.openPort(1), 2);
    EXPECT_EQ(d.myPortNumber(), 0);
    EXPECT_FALSE(d.dongleEnabled());
    EXPECT_TRUE(dev.writes.empty());
    EXPECT_EQ(d.sendDmxData(std::vector<int32_t>(513, 7)), 0);
}

TEST_F(DongleTest, AnInterfaceThatNeverStopsSendingFailsTheDrainButStaysUsable) {
    dev.stream = 0x55;
    dev.rxQueueOverride = 4000;
    EXPECT_EQ(d.openPort(0), 0);
    EXPECT_EQ(t.prompts().messages, QStringList{QStringLiteral("Open Failed purging data, Please try again")});
    EXPECT_EQ(dev.purges.back(), 1u); // purgeData emptied the receive queue
    EXPECT_TRUE(d.isOpen());
}

TEST_F(DongleTest, OutputFrameBytes) {
    const size_t from = openFresh();
    std::vector<int32_t> levels(513, 0);
    levels[1] = 1;
    levels[2] = 255;
    levels[3] = 256;  // out of range: sent as 0
    levels[4] = -1;
    levels[512] = 128;
    EXPECT_EQ(d.sendDmxData(levels), 0);
    const auto written = dev.writesSince(from);
    ASSERT_EQ(written.size(), 1u);
    std::vector<uint8_t> expected(515, 0);
    expected[0] = 0x02;
    expected[1] = 0x00;
    expected[2] = 0x02;
    expected[3] = 1;
    expected[4] = 255;
    expected[514] = 128;
    EXPECT_EQ(written[0], expected);
}

TEST_F(DongleTest, AFullTransmitQueueDropsTheFrame) {
    const size_t from = openFresh();
    dev.txQueue = 512;
    EXPECT_EQ(d.sendDmxData(std::vector<int32_t>(513, 9)), 0);
    EXPECT_TRUE(dev.writesSince(from).empty());
    dev.txQueue = 511;
    dev.writeStatus = 4;
    EXPECT_EQ(d.sendDmxData(std::vector<int32_t>(513, 9)), 4); // the write's own status
    EXPECT_EQ(dev.writesSince(from).size(), 1u);
}

TEST_F(DongleTest, ErrorLimitIsReachedAtThe26thIoError) {
    openFresh();
    dev.statusAnswers.assign(26, 4);
    for (int i = 0; i < 25; ++i) d.sendDmxData(std::vector<int32_t>(513, 0));
    EXPECT_FALSE(d.errorLimitReached());
    d.sendDmxData(std::vector<int32_t>(513, 0));
    EXPECT_TRUE(d.errorLimitReached());
    EXPECT_EQ(dev.frames().size(), 26u); // frames still go out meanwhile
}

TEST_F(DongleTest, SerialNumberQuery) {
    struct Case {
        std::vector<uint8_t> reply;
        QString serial;
    };
    const Case cases[] = {
        {{}, "0"},
        {{7, 9}, "799"},
        {{200, 100, 12, 34, 56}, "2001001234"}, // cut to ten characters
    };
    openFresh();
    for (const Case& c : cases) {
        dev.replies[0x04] = c.reply;
        const size_t from = dev.mark();
        EXPECT_EQ(d.dmxReadSerialNumber(), c.serial);
        EXPECT_EQ(d.mySerialNumber, c.serial);
        const auto w = dev.writesSince(from);
        ASSERT_EQ(w.size(), 2u);
        EXPECT_EQ(w[0], std::vector<uint8_t>(256, 0));
        EXPECT_EQ(w[1], bytes({0x04}));
    }
}

// The record is read like every number kept in text: a blank or a letter
// inside the number ends it.
TEST_F(DongleTest, UniverseRecordStopsAtTheFirstCharacterThatCannotContinueTheNumber) {
    struct Case {
        const char* record;
        QString text;
        int universe;
    };
    const Case cases[] = {{"1 2", "1", 1}, {"0 2", "1", 1}, {"2D1", "2", 2}, {"2E1", "20", 20}, {"\t3", "3", 3}};
    openFresh();
    for (const Case& c : cases) {
        setUniverseRecord(dev, c.record);
        EXPECT_EQ(d.readUserMemory(), c.text) << c.record;
        EXPECT_EQ(d.myUniverseNumber, c.universe) << c.record;
    }
}

TEST_F(DongleTest, UniverseRecordRead) {
    struct Case {
        const char* record;
        QString text;
        int universe;
    };
    const Case cases[] = {
        {"0002", "2", 2}, {"", "1", 1}, {"0", "1", 1}, {"abc", "1", 1},
        {"  12x", "12", 12}, {"-3", "1", 1}, {"2.5", "2.5", 2},
        {"3.5", "3.5", 4},  {"1234567", "1234567", 1234567},
    };
    openFresh();
    for (const Case& c : cases) {
        setUniverseRecord(dev, c.record);
        d.myUniverseNumber = 99;
        EXPECT_EQ(d.readUserMemory(), c.text) << c.record;
        EXPECT_EQ(d.myUniverseNumber, c.universe) << c.record;
    }
    dev.userAreaReadStatus = 11;
    d.myUniverseNumber = 5;
    EXPECT_EQ(d.readUserMemory(), "-1");
    EXPECT_EQ(d.myUniverseNumber, 5);
}

TEST_F(DongleTest, UniverseRecordWrite) {
    openFresh();
    EXPECT_EQ(d.writeToUserMemory("0003"), 4);
    EXPECT_EQ(dev.userAreaWrites.back(), bytes({'0', '0', '0', '3'}));
    EXPECT_EQ(d.readUserMemory(), "3");

    EXPECT_EQ(d.writeToUserMemory("12345678901234567890"), 16); // never beyond the 16-byte record
    EXPECT_EQ(dev.userAreaWrites.back().size(), 16u);

    dev.userArea.resize(3);
    const size_t writes = dev.userAreaWrites.size();
    EXPECT_EQ(d.writeToUserMemory("0004"), 0); // area too small
    dev.userArea.resize(64);
    dev.userAreaSizeStatus = 4;
    EXPECT_EQ(d.getSizeOfUserMemory(), -1);
    EXPECT_EQ(d.writeToUserMemory("0004"), 0); // size unknown
    EXPECT_EQ(dev.userAreaWrites.size(), writes);
    dev.userAreaSizeStatus = 0;
    dev.userAreaWriteStatus = 12;
    EXPECT_EQ(d.writeToUserMemory("0004"), -1);
}

TEST_F(DongleTest, TimingBlockWriteAndReadBack) {
    struct Case {
        bool standard;
        int startCode, breakToBreak, breakTime, mab, repeat, interByte;
        std::vector<uint8_t> block;
        int readBreakToBreak, readBreak, readMab; // what the interface gives back
    };
    const Case cases[] = {
        {true, 0, 1204, 176, 20, 3, 4, bytes({9, 255, 0, 0, 0, 0, 0, 3, 4, 0, 0x20}), 1204, 176, 20},
        {false, 255, 2000, 174, 22, 0, 20, bytes({9, 0, 255, 0x01, 0x8E, 254, 1, 0, 20, 0, 0x20}), 2000, 174, 22},
        {false, 0, 8000, 252, 128, 0, 40, bytes({9, 0, 0, 0x0D, 0x46, 38, 54, 0, 40, 0, 0x20}), 8000, 252, 128},
        {false, 0, 1204, 0, 0, 0, 0, bytes({9, 0, 0, 0, 0, 255 - 88, 255 - 10, 0, 0, 0, 0x20}), 1204, 0, 0},
        // Odd times round to the even unit.
        {false, 0, 1205, 177, 21, 0, 0, bytes({9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x20}), 1204, 176, 20},
        {false, 0, 1207, 179, 23, 0, 0, bytes({9, 0, 0, 0, 2, 2, 2, 0, 0, 0, 0x20}), 1208, 180, 24},
        // Below the standard break-to-break there is no encoding: sent as the standard.
        {false, 0, 100, 176, 20, 0, 0, bytes({9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x20}), 1204, 176, 20},
    };
    openFresh();
    for (const Case& c : cases) {
        d.doNotUseConfigData = c.standard;
        d.myStartCode = c.startCode;
        d.myBreakToBreakTime = c.breakToBreak;
        d.myBreakTime = c.breakTime;
        d.myMarkAfterBreak = c.mab;
        d.myRepeatDataTime = c.repeat;
        d.myInterByteDelay = c.interByte;
        d.setMyConfigurationData();
        ASSERT_EQ(dev.writes.back(), c.block) << c.breakToBreak;

        // The interface answers the query with the block it keeps.
        dev.replies[0x08] = std::vector<uint8_t>(c.block.begin() + 1, c.block.begin() + 9);
        d.myBreakTime = d.myBreakToBreakTime = d.myMarkAfterBreak = -1;
        ASSERT_TRUE(d.getMyConfigurationSettings());
        EXPECT_EQ(dev.writes.back(), bytes({0x08}));
        EXPECT_EQ(d.doNotUseConfigData, c.standard);
        EXPECT_EQ(d.myStartCode, c.startCode);
        EXPECT_EQ(d.myBreakToBreakTime, c.readBreakToBreak);
        EXPECT_EQ(d.myBreakTime, c.readBreak);
        EXPECT_EQ(d.myMarkAfterBreak, c.readMab);
        EXPECT_EQ(d.myRepeatDataTime, c.repeat);
        EXPECT_EQ(d.myInterByteDelay, c.interByte);
    }
}

TEST_F(DongleTest, TimingReadOfAShortReplyAndOfAStreamingInterface) {
    openFresh();
    dev.replies[0x08] = bytes({1, 5});
    ASSERT_TRUE(d.getMyConfigurationSettings());
    EXPECT_TRUE(d.doNotUseConfigData);
    EXPECT_EQ(d.myStartCode, 5);
    EXPECT_EQ(d.myBreakToBreakTime, 1204); // missing bytes count as 0

    d.myStartCode = 77;
    dev.replies.clear();
    dev.stream = 0x11; // an interface in input mode streams frames
    EXPECT_FALSE(d.getMyConfigurationSettings());
    EXPECT_EQ(d.myStartCode, 77);
}

TEST_F(DongleTest, SwitchToReadModeOpensDeviceZeroWhenClosed) {
    d.switchToReadMode();
    EXPECT_EQ(fakeFtdi().openCalls, std::vector<int>{0});
    EXPECT_EQ(dev.writes.back(), bytes({0x03}));
    EXPECT_TRUE(d.myReadMode);

    clsCorvellDongle silent;
    dev.bytesMovedOverride = 0;
    dev.openStatuses.push_back(0);
    silent.switchToReadMode();
    EXPECT_FALSE(silent.myReadMode);
}

TEST_F(DongleTest, InputFrames) {
    openFresh();
    // Full frame: count 513 fills elements 1..512.
    {
        std::vector<int32_t> values(513, -1);
        dev.queueInput({0x01, 0x02, 0x00});
        for (int k = 1; k <= 512; ++k) dev.input.push_back(uint8_t(k));
        d.readBuffer(values);
        EXPECT_EQ(values[1], 1);
        EXPECT_EQ(values[512], 0); // 512 & 0xFF
        EXPECT_EQ(values[300], 300 & 0xFF);
        EXPECT_EQ(values[0], -1);
    }
    // Cut short: only what arrived.
    {
        std::vector<int32_t> values(513, -1);
        dev.queueInput({0x01, 0x02, 0x00, 10, 20});
        d.readBuffer(values);
        EXPECT_EQ(values[1], 10);
        EXPECT_EQ(values[2], 20);
        EXPECT_EQ(values[3], -1);
    }
    // A count beyond the caller's array: the array is filled, the rest of the
    // frame dropped and the receive queue purged; the next frame reads clean.
    {
        std::vector<int32_t> values(11, -1);
        dev.queueInput({21, 0, 0});
        for (int k = 1; k <= 20; ++k) dev.input.push_back(uint8_t(100 + k));
        const size_t purges = dev.purges.size();
        d.readBuffer(values);
        for (int k = 1; k <= 10; ++k) EXPECT_EQ(values[size_t(k)], 100 + k);
        EXPECT_TRUE(dev.input.empty());
        EXPECT_EQ(dev.purges.size(), purges + 1);
    }
    // A high byte of 128 or more is no slot count.
    {
        std::vector<int32_t> values(513, -1);
        dev.queueInput({0x00, 0x80, 0x00, 5, 6});
        d.readBuffer(values);
        EXPECT_EQ(values[1], -1);
        EXPECT_TRUE(dev.input.empty());
    }
}

TEST_F(DongleTest, PurgeEmptiesTheReceiveQueueOnlyAboveOneFrame) {
    openFresh();
    for (const auto& [waiting, purged] : {std::pair{515u, false}, std::pair{516u, true}}) {
        dev.rxQueueOverride = waiting;
        const size_t before = dev.purges.size();
        d.purgeData();
        EXPECT_EQ(dev.purges.size(), before + (purged ? 1 : 0)) << waiting;
        if (purged) { EXPECT_EQ(dev.purges.back(), 1u); }
    }
}

TEST_F(DongleTest, SendStringWritesAtMostTheTextItHolds) {
    const size_t from = openFresh();
    d.myBufferSize = 3;
    EXPECT_EQ(d.dmxSendString("ABCDEF", 9), 0);
    d.myBufferSize = 100; // more than the text: only the text goes out
    EXPECT_EQ(d.dmxSendString("XY", 9), 0);
    const auto w = dev.writesSince(from);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0], bytes({'A', 'B', 'C'}));
    EXPECT_EQ(w[1], bytes({'X', 'Y'}));
}

TEST_F(DongleTest, CloseAndTerminate) {
    d.closeUSB(); // closed: nothing happens
    EXPECT_EQ(dev.closes, 0);
    openFresh();
    const int32_t handle = d.myPortNumber();
    d.Class_Terminate();
    EXPECT_FALSE(dev.isOpen);
    EXPECT_FALSE(d.dongleEnabled());
    EXPECT_EQ(d.myPortNumber(), handle); // the handle field keeps its value
    d.closeUSB();
    EXPECT_EQ(d.myPortNumber(), 0);
    d.Class_Terminate();
    EXPECT_EQ(dev.closes, 1);
    // Reopened after a terminate, the device is usable again.
    EXPECT_EQ(d.openPort(0), 0);
    EXPECT_TRUE(dev.isOpen);
}

} // namespace

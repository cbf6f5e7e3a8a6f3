#include "profiles/ClsFixture.h"
#include "output/ClsControlFunction.h"
#include "output/outdll.h"
#include "outputTestSupport.h"
#include "support/fakePlatform.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(IsaDmxCard, TheLastAnsweringBaseWins) {
    struct Case {
        std::vector<uint16_t> cards;
        int32_t base;
    };
    const Case cases[] = {{{}, 0}, {{0x140}, 0x140}, {{0x120, 0x160}, 0x160}, {{0x100, 0x120}, 0x120}};
    for (const Case& c : cases) {
        TestShell t;
        for (uint16_t b : c.cards) fakePortIo().addCard(b);
        EXPECT_EQ(outdll::probeDmxCard(), c.base);
        EXPECT_EQ(shell().engine<IsaDmxCard>().dmxCardBasePort, c.base);
    }
}

TEST(IsaDmxCard, WithoutPortAccessNoCardIsFound) {
    TestShell t;
    fakePortIo().addCard(0x120);
    fakePortIo().refuse = true;
    EXPECT_EQ(outdll::probeDmxCard(), 0);
    EXPECT_TRUE(fakePortIo().log.empty());
}

TEST(IsaDmxCard, SingleBytesGoThroughTheAddressPorts) {
    TestShell t;
    fakePortIo().addCard(0x140);
    EXPECT_EQ(outdll::writeDmxCardChannel(0x140, 0x0305, 99), 0);
    const auto& log = fakePortIo().log;
    ASSERT_EQ(log.size(), 5u);
    const std::pair<uint16_t, uint8_t> expected[] = {{0x140, 0}, {0x141, 0}, {0x140, 5}, {0x141, 3}, {0x142, 99}};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(log[i].write);
        EXPECT_EQ(log[i].port, expected[i].first);
        EXPECT_EQ(log[i].value, expected[i].second);
    }
    EXPECT_EQ(fakePortIo().memory(0x140)[0x0305], 99);
    EXPECT_EQ(outdll::readDmxCardChannel(0x140, 0x0305), 99);
}

TEST(IsaDmxCard, UploadAndErase) {
    TestShell t;
    fakePortIo().addCard(0x120);
    auto& mem = fakePortIo().memory(0x120);
    std::fill(mem.begin() + 1024, mem.begin() + 4096, 0xEE);
    const QString path = t.folder() + "/card.bin";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\x07\x08\x09", 3);
    }
    EXPECT_TRUE(isaDmxCard::uploadFileToDmxCard(path));
    EXPECT_EQ(mem[0], 7);
    EXPECT_EQ(mem[1], 8);
    EXPECT_EQ(mem[2], 9);
    EXPECT_EQ(mem[1024], 0);
    EXPECT_EQ(mem[1535], 0);
    EXPECT_EQ(mem[1536], 0xEE);

    isaDmxCard::EraseAll();
    EXPECT_TRUE(std::all_of(mem.begin() + 1024, mem.begin() + 4096, [](uint8_t b) { return b == 0; }));

    QFile big(t.folder() + "/big.bin");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(40000, 'x'));
    big.close();
    EXPECT_FALSE(isaDmxCard::uploadFileToDmxCard(big.fileName()));
    EXPECT_EQ(t.prompts().messages.size(), 1);
    EXPECT_EQ(mem[3], 0);
}

TEST(IsaDmxCard, WithoutACardNothingIsTouched) {
    TestShell t;
    EXPECT_FALSE(isaDmxCard::uploadFileToDmxCard(t.folder() + "/missing.bin"));
    EXPECT_TRUE(t.prompts().messages.isEmpty()); // no file was read
    const size_t accesses = fakePortIo().log.size();
    isaDmxCard::EraseAll();
    EXPECT_EQ(fakePortIo().log.size(), accesses);
}

TEST(ChannelStep, StepsOnlyTheFixturesChannelsOfThatRole) {
    TestShell t;
    auto& st = shell().state;
    st.lightClass(1).ChannelsUsed = 4;
    st.fixtureCount = 1;
    st.fixtureLightClass[1] = 1;
    st.fixtureStartChannel[1] = 10;
    st.channelType[10] = "dimmer";
    st.channelType[11] = "pan";
    st.channelType[12] = "dimmer";
    st.channelType[14] = "dimmer"; // the next fixture's
    st.channelOutput[10] = 255;
    st.channelOutput[11] = 5;
    st.channelOutput[12] = 10;
    st.channelOutput[14] = 7;
    ClsControlFunction f;
    f.raiseChannelsOfType("dimmer", 1);
    EXPECT_EQ(st.channelOutput[10], 255);
    EXPECT_EQ(st.channelOutput[11], 5);
    EXPECT_EQ(st.channelOutput[12], 11);
    EXPECT_EQ(st.channelOutput[14], 7);

    st.channelOutput[12] = 0;
    f.lowerChannelsOfType("dimmer", 1);
    EXPECT_EQ(st.channelOutput[10], 254);
    EXPECT_EQ(st.channelOutput[12], 0);
    EXPECT_THROW(f.raiseChannelsOfType("dimmer", 2), std::out_of_range);

    f.setActiveChannelLevel(40);
    EXPECT_EQ(f.myActiveChannel, 40);
    EXPECT_EQ(st.channelOutput[40], 40);
}

} // namespace

#include "output/DmxOutput.h"
#include "platform/artNetSender.h"
#include "platform/privateProfile.h"
#include "support/fakePlatform.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <map>

namespace {

struct ArtDmx {
    int sequence = -1;
    int portAddress = -1;
    std::vector<uint8_t> levels;
};

// Decodes an ArtDmx packet; fails the test on anything else.
ArtDmx decode(const QByteArray& p) {
    ArtDmx out;
    EXPECT_GE(p.size(), 18);
    if (p.size() < 18) return out;
    EXPECT_EQ(p.left(8), QByteArray("Art-Net\0", 8));
    EXPECT_EQ(uint8_t(p[8]), 0x00);
    EXPECT_EQ(uint8_t(p[9]), 0x50); // OpDmx, low byte first
    EXPECT_EQ(uint8_t(p[10]), 0);
    EXPECT_EQ(uint8_t(p[11]), 14); // protocol version, high byte first
    out.sequence = uint8_t(p[12]);
    out.portAddress = uint8_t(p[14]) | (uint8_t(p[15]) << 8);
    const int length = (uint8_t(p[16]) << 8) | uint8_t(p[17]);
    EXPECT_EQ(length, 512);
    EXPECT_EQ(p.size(), 18 + length);
    out.levels.assign(p.begin() + 18, p.end());
    return out;
}

// Waits for n datagrams on the receiver.
std::vector<ArtDmx> receive(QUdpSocket& rx, size_t n) {
    std::vector<ArtDmx> got;
    QElapsedTimer timer;
    timer.start();
    while (got.size() < n && timer.elapsed() < 5000) {
        if (!rx.hasPendingDatagrams()) rx.waitForReadyRead(100);
        while (rx.hasPendingDatagrams()) got.push_back(decode(rx.receiveDatagram().data()));
    }
    return got;
}

struct ArtNetUdpTest : ::testing::Test {
    TestShell t;
    QUdpSocket rx;
    UdpArtNetLayer* layer = nullptr;

    void SetUp() override {
        ASSERT_TRUE(rx.bind(QHostAddress(QHostAddress::LocalHost), 0));
        auto real = std::make_unique<UdpArtNetLayer>();
        real->setPort(rx.localPort());
        layer = real.get();
        shell().platform().artNet = std::move(real);
    }
};

TEST_F(ArtNetUdpTest, TheConsoleSendsTwoUniversesToLoopback) {
    privateProfile::writeString(shell().iniFile(), "ArtNet", QString("Target"), QString("127.0.0.1"));
    auto& st = shell().state;
    st.totalChannels = 1024;
    st.resize(1024);
    st.channelOutput[1] = 10;
    st.channelOutput[512] = 255;
    st.channelOutput[513] = 0;
    st.channelInvert[513] = 1;  // universe 1 slot 1: 255
    st.channelOutput[700] = 60;
    st.channelInvert[700] = 1;  // 195
    st.channelOutput[1024] = 1;

    DmxOutput& out = shell().engine<DmxOutput>();
    out.startArtNet();
    ASSERT_TRUE(out.artNetEnabled) << qPrintable(t.prompts().messages.join('|'));
    out.sendOutputFrame();
    out.sendOutputFrame();

    const auto got = receive(rx, 4);
    ASSERT_EQ(got.size(), 4u);
    std::map<int, std::vector<ArtDmx>> byUniverse;
    for (const auto& p : got) byUniverse[p.portAddress].push_back(p);
    ASSERT_EQ(byUniverse.size(), 2u);
    const ArtDmx& u0 = byUniverse.at(0).back();
    const ArtDmx& u1 = byUniverse.at(1).back();
    ASSERT_EQ(u0.levels.size(), 512u);
    ASSERT_EQ(u1.levels.size(), 512u);
    EXPECT_EQ(u0.levels[0], 10);
    EXPECT_EQ(u0.levels[511], 255);
    EXPECT_EQ(u1.levels[0], 255);
    EXPECT_EQ(u1.levels[187], 195);
    EXPECT_EQ(u1.levels[511], 1);
    EXPECT_EQ(u1.levels[1], 0);
    // One packet per universe per send, numbered 1, 2, ...
    EXPECT_EQ(byUniverse.at(0).front().sequence, 1);
    EXPECT_EQ(byUniverse.at(0).back().sequence, 2);
}

TEST_F(ArtNetUdpTest, UnderTheLoopbackRuleNoOtherTargetIsUsed) {
    qputenv("VARNELDMX_LOOPBACK_ONLY", "1");
    ASSERT_EQ(layer->init("2.255.255.255"), artNetStatus::ready);
    EXPECT_EQ(layer->target(), "127.0.0.1");
    layer->setTxData(3, 99);
    layer->readWrite(-1);
    const auto got = receive(rx, 1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].levels[3], 99);
}

TEST_F(ArtNetUdpTest, ABadTargetIsReportedAndArtNetStaysOff) {
    privateProfile::writeString(shell().iniFile(), "ArtNet", QString("Target"), QString("not.an.address"));
    DmxOutput& out = shell().engine<DmxOutput>();
    out.startArtNet();
    EXPECT_FALSE(out.artNetEnabled);
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith("Error setting up ArtNet Drivers: "));
}

TEST(ArtNetPacket, SequenceWrapsAndPortAddressSplitsIntoNetAndSubUni) {
    std::vector<uint8_t> packet;
    std::vector<uint8_t> levels(512, 7);
    UdpArtNetLayer::buildPacket(packet, 255, 0x1234, levels.data());
    EXPECT_EQ(packet[12], 255);
    EXPECT_EQ(packet[14], 0x34); // SubUni
    EXPECT_EQ(packet[15], 0x12); // Net
    EXPECT_EQ(packet[18 + 511], 7);

    TestShell t;
    QUdpSocket rx;
    ASSERT_TRUE(rx.bind(QHostAddress(QHostAddress::LocalHost), 0));
    UdpArtNetLayer layer;
    layer.setPort(rx.localPort());
    ASSERT_EQ(layer.init("127.0.0.1"), artNetStatus::ready);
    layer.setTxData(0, 1);
    std::vector<ArtDmx> got;
    for (int i = 0; i < 256; ++i) { // one at a time, so no datagram is dropped
        layer.readWrite(-1);
        for (auto& p : receive(rx, 1)) got.push_back(p);
    }
    ASSERT_EQ(got.size(), 256u);
    EXPECT_EQ(got[0].sequence, 1);
    EXPECT_EQ(got[254].sequence, 255);
    EXPECT_EQ(got[255].sequence, 1); // never 0 once running
}

} // namespace

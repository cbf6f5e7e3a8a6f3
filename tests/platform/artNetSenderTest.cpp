// The Art-Net sender's own thread: a socket buffer that takes no more makes
// it wait a bounded time, then count what it could not send.

#include "platform/artNetSender.h"

#include <QHostAddress>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <sys/socket.h>

namespace {

struct ArtNetSenderTest : ::testing::Test {
    QUdpSocket rx;
    UdpArtNetLayer layer;
    std::atomic<int> sendCalls{0};

    void SetUp() override {
        ASSERT_TRUE(rx.bind(QHostAddress(QHostAddress::LocalHost), 0));
        layer.setPort(rx.localPort());
        ASSERT_EQ(layer.init(QStringLiteral("127.0.0.1")), artNetStatus::ready);
    }
    void sendUniverses(uint32_t universes) {
        const std::vector<uint8_t> levels(size_t(universes) * 512, 9);
        layer.setTxBlock(0, levels.data(), uint32_t(levels.size()));
        layer.readWrite(-1);
        layer.flush();
    }
};

TEST_F(ArtNetSenderTest, AFullSocketBufferIsWaitedForThenCounted) {
    // The socket takes `room` datagrams, then reports a full buffer.
    struct Case {
        int room;
        uint32_t universes;
        uint64_t dropped;
    };
    const Case cases[] = {{100, 3, 0}, {0, 3, 3}, {1, 3, 2}};
    uint64_t before = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.room);
        auto room = std::make_shared<std::atomic<int>>(c.room);
        layer.setBatchSend([room, this](int, mmsghdr*, unsigned count) {
            ++sendCalls;
            const int taken = std::min<int>(int(count), room->load());
            if (taken == 0) {
                errno = EAGAIN;
                return -1;
            }
            *room -= taken;
            return taken;
        });
        sendUniverses(c.universes);
        EXPECT_EQ(layer.droppedPackets() - before, c.dropped);
        before = layer.droppedPackets();
    }
    EXPECT_GT(sendCalls.load(), 3); // a full buffer was tried again before giving up
}

TEST_F(ArtNetSenderTest, FramesSentBackToBackAllArrive) {
    for (int i = 0; i < 3; ++i) {
        const std::vector<uint8_t> levels(512, uint8_t(i));
        layer.setTxBlock(0, levels.data(), 512);
        layer.readWrite(-1);
    }
    layer.flush();
    EXPECT_EQ(layer.droppedPackets(), 0u);
    int got = 0;
    for (int wait = 0; got < 3 && wait < 50; ++wait) {
        if (!rx.hasPendingDatagrams()) rx.waitForReadyRead(100);
        while (rx.hasPendingDatagrams()) {
            rx.readDatagram(nullptr, 0);
            ++got;
        }
    }
    EXPECT_EQ(got, 3);
}

} // namespace

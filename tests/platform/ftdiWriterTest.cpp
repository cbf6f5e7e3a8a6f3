// The writer thread around an interface: writes return at once, the queue
// count is what is not written yet, and every other call keeps its order
// with the writes.

#include "platform/ftdiWriter.h"
#include "support/fakeFtdiPort.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

struct WriterTest : ::testing::Test {
    FakeFtdiDriver driver;
    FakeFtdiDevice& dev = driver.attach();
    std::unique_ptr<FtdiPort> port;
    const std::vector<uint8_t> frame = [] {
        std::vector<uint8_t> f(515, 7);
        f[0] = 0x02;
        return f;
    }();

    WriterTest() {
        driver.writerThreads = true;
        EXPECT_EQ(driver.open(0, port), ftStatus::ok);
    }
    ~WriterTest() override {
        dev.releaseWrites(); // a held write would keep the port from closing
    }
    int32_t writeFrame() {
        uint32_t moved = 0;
        return port->write(frame.data(), uint32_t(frame.size()), moved);
    }
    uint32_t txQueue() {
        uint32_t rx = 0, tx = 0, ev = 0;
        port->getStatus(rx, tx, ev);
        return tx;
    }
    // Returns once everything handed over is written (purge waits for that).
    void settle() { port->purge(0); }
};

TEST_F(WriterTest, AStalledDeviceHoldsNeitherTheWriteNorTheStatusQuery) {
    dev.holdWrites();
    EXPECT_EQ(writeFrame(), ftStatus::ok);
    ASSERT_TRUE(dev.waitForHeldWrite());
    EXPECT_EQ(txQueue(), 515u); // in the device's hands, not written yet
    EXPECT_EQ(writeFrame(), ftStatus::ok);
    EXPECT_EQ(txQueue(), 1030u);

    dev.releaseWrites();
    settle();
    EXPECT_EQ(txQueue(), 0u);
    EXPECT_EQ(dev.frames().size(), 2u);
}

TEST_F(WriterTest, ReadsComeAfterTheWritesBeforeThem) {
    dev.replies[0x04] = {7, 9}; // the interface answers a query byte
    const uint8_t query = 0x04;
    uint32_t moved = 0;
    port->write(&query, 1, moved);
    uint8_t answer[2] = {};
    uint32_t got = 0;
    EXPECT_EQ(port->read(answer, 2, got), ftStatus::ok);
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(answer[1], 9);
}

TEST_F(WriterTest, AFailedWriteIsAnsweredByTheNextOne) {
    dev.writeStatus = ftStatus::ioError;
    EXPECT_EQ(writeFrame(), ftStatus::ok); // its own result is not known yet
    settle();
    dev.writeStatus = ftStatus::ok;
    EXPECT_EQ(writeFrame(), ftStatus::ioError);
    settle();
    EXPECT_EQ(writeFrame(), ftStatus::ok);
}

TEST_F(WriterTest, ALostDeviceIsSeenByTheStatusQueryAfterAWrite) {
    settle();
    {
        std::lock_guard lock(dev.mutex);
        dev.statusAnswers.assign(1, ftStatus::ioError); // one failed poll
    }
    writeFrame();
    // The writer polls the device once the write is done; the caller sees
    // that poll's answer (waiting a few seconds at most for the thread).
    int32_t status = ftStatus::ok;
    for (int i = 0; i < 5000 && status == ftStatus::ok; ++i) {
        uint32_t rx = 0, tx = 0, ev = 0;
        status = port->getStatus(rx, tx, ev);
        if (status == ftStatus::ok) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(status, ftStatus::ioError);
}

} // namespace

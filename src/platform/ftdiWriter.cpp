#include "platform/ftdiWriter.h"

#include "platform/outputClock.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace {

class WriterThreadPort final : public FtdiPort, public FrameLane {
public:
    explicit WriterThreadPort(std::unique_ptr<FtdiPort> d) : device(std::move(d)), worker([this] { run(); }) {}

    // Bytes not yet started are dropped (the device is going away); one write
    // under way is waited for, which the device's write time-out bounds.
    ~WriterThreadPort() override {
        detach();
        {
            std::lock_guard lock(mutex);
            stopping = true;
            queue.clear();
        }
        wake.notify_all();
        worker.join();
    }

    int32_t write(const uint8_t* data, uint32_t count, uint32_t& written) override {
        std::lock_guard lock(mutex);
        const int32_t earlier = failedWrite;
        failedWrite = ftStatus::ok;
        queue.emplace_back(data, data + count);
        queuedBytes += count;
        written = count;
        wake.notify_one();
        return earlier;
    }

    int32_t getStatus(uint32_t& rxQueue, uint32_t& txQueue, uint32_t& events) override {
        std::unique_lock lock(mutex);
        if (stale && idle()) {
            // Nothing was written since the caller's own calls: ask the device,
            // on the caller's thread, as the synchronous calls do.
            lastStatus = device->getStatus(lastRx, lastTx, lastEvents);
            stale = false;
        }
        rxQueue = lastRx;
        txQueue = queuedBytes + lastTx;
        events = lastEvents;
        return lastStatus;
    }

    FrameLane* frameLane() override { return this; }

    int32_t setTimeouts(uint32_t readMs, uint32_t writeMs) override {
        return inOrder([&] { return device->setTimeouts(readMs, writeMs); });
    }
    int32_t read(uint8_t* data, uint32_t count, uint32_t& got) override {
        return inOrder([&] { return device->read(data, count, got); });
    }
    int32_t purge(uint32_t mask) override {
        return inOrder([&] { return device->purge(mask); });
    }
    int32_t resetDevice() override {
        return inOrder([&] { return device->resetDevice(); });
    }
    int32_t userAreaSize(uint32_t& size) override {
        return inOrder([&] { return device->userAreaSize(size); });
    }
    int32_t userAreaRead(uint8_t* data, uint32_t size, uint32_t& got) override {
        return inOrder([&] { return device->userAreaRead(data, size, got); });
    }
    int32_t userAreaWrite(const uint8_t* data, uint32_t size) override {
        return inOrder([&] { return device->userAreaWrite(data, size); });
    }

private:
    bool idle() const { return queue.empty() && !writing; }

    // The output clock's deadline: the frame goes when the one before it has.
    Result deliver(const std::vector<uint8_t>& frame) override {
        std::lock_guard lock(mutex);
        if (!idle() || inCall) return Result::skipped;
        const bool earlierFailed = failedWrite != ftStatus::ok;
        failedWrite = ftStatus::ok;
        queue.push_back(frame);
        queuedBytes += uint32_t(frame.size());
        wake.notify_one();
        return earlierFailed ? Result::failed : Result::sent;
    }

    // Runs a call on the caller's thread once the writer has nothing left.
    // The writer takes nothing new until the call returns (the output clock
    // may hand frames over meanwhile from its own thread).
    template <typename Call> int32_t inOrder(Call call) {
        std::unique_lock lock(mutex);
        drained.wait(lock, [this] { return idle() && !inCall; });
        inCall = true;
        lock.unlock();
        const int32_t status = call();
        lock.lock();
        inCall = false;
        stale = true;
        wake.notify_all();
        drained.notify_all();
        return status;
    }

    void run() {
        preferSteadyScheduling();
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return stopping || (!queue.empty() && !inCall); });
            if (stopping) return;
            std::vector<uint8_t> bytes = std::move(queue.front());
            queue.pop_front();
            writing = true;
            const bool burstEnds = queue.empty();
            lock.unlock();

            uint32_t moved = 0;
            const int32_t status = device->write(bytes.data(), uint32_t(bytes.size()), moved);
            // The device is polled once a burst of writes is done, here rather
            // than in the tick, so a lost device is still seen.
            uint32_t rx = 0, tx = 0, events = 0;
            const int32_t polled = burstEnds ? device->getStatus(rx, tx, events) : ftStatus::ok;

            lock.lock();
            writing = false;
            queuedBytes -= uint32_t(bytes.size());
            if (status != ftStatus::ok) failedWrite = status;
            if (burstEnds) {
                lastStatus = polled;
                lastRx = rx;
                lastTx = tx;
                lastEvents = events;
                stale = false;
            }
            if (idle()) drained.notify_all();
        }
    }

    std::unique_ptr<FtdiPort> device;
    std::mutex mutex;
    std::condition_variable wake, drained;
    std::deque<std::vector<uint8_t>> queue;
    uint32_t queuedBytes = 0;
    bool writing = false, stopping = false, inCall = false;
    int32_t failedWrite = ftStatus::ok;
    // What the device answered to its last status poll; stale once the
    // caller's own calls may have changed it.
    bool stale = true;
    int32_t lastStatus = ftStatus::ok;
    uint32_t lastRx = 0, lastTx = 0, lastEvents = 0;
    std::thread worker; // last: starts once everything above is set up
};

} // namespace

std::unique_ptr<FtdiPort> withWriterThread(std::unique_ptr<FtdiPort> device) {
    return std::make_unique<WriterThreadPort>(std::move(device));
}

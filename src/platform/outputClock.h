#pragma once
// The output clock: a thread of its own that hands the newest frame the
// refresh tick published to every destination (an interface's writer
// thread, the Art-Net sender) on absolute deadlines at the refresh rate, so
// the wire stays steady whatever the user-interface thread is doing. The
// tick only publishes; it never waits for the clock or for a device.
//
// A destination is a FrameLane. Its frame is double-buffered: publish()
// (user-interface thread) replaces the newest frame, the clock takes it at
// the next deadline. A destination still busy with its previous frame at a
// deadline skips that deadline (counted apart from failed sends); with no
// newer frame the newest one is sent again, so the wire keeps its rate
// while the tick is late.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

class OutputClock;

// Asks for the calling thread to be scheduled ahead of ordinary work (a
// real-time priority), where the system allows it; false when refused, and
// the thread goes on as before. The output clock and the device writers
// call it, so a busy machine delays the wire less.
bool preferSteadyScheduling();

class FrameLane {
public:
    virtual ~FrameLane();
    FrameLane() = default;
    FrameLane(const FrameLane&) = delete;
    FrameLane& operator=(const FrameLane&) = delete;

    enum class Result { sent, skipped, failed, nothing };

    // The newest frame (user-interface thread). It replaces one not yet taken.
    void publish(const uint8_t* bytes, size_t count);
    // While held the clock sends nothing here (the owner talks to the device
    // itself meanwhile); a frame already handed over still goes first.
    void hold(bool held);
    // The clock's side, at a deadline: the newest frame to deliver().
    Result sendNewest();

    // Joins the clock (no clock: nothing happens, the owner writes itself).
    void attach(OutputClock* clock);
    void detach();
    bool attached() const { return clock != nullptr; }

    // Counted by sendNewest, read from any thread.
    uint64_t sentFrames() const { return sent.load(); }
    uint64_t skippedFrames() const { return skipped.load(); }
    uint64_t failedFrames() const { return failed.load(); }

protected:
    // Hands a frame to the destination (clock thread). skipped when the
    // previous frame has not gone yet; failed when the destination refused.
    virtual Result deliver(const std::vector<uint8_t>& frame) = 0;

private:
    std::mutex mutex;
    std::vector<uint8_t> newest, taken;
    bool published = false, held = false;
    std::atomic<uint64_t> sent{0}, skipped{0}, failed{0};
    OutputClock* clock = nullptr;
};

class OutputClock {
public:
    virtual ~OutputClock() = default;
    // The refresh period; the next deadline moves to it at once.
    virtual void setPeriodMs(int milliseconds) = 0;
    virtual int periodMs() const = 0;
    virtual void addLane(FrameLane& lane) = 0;
    // When it returns the clock no longer touches the lane.
    virtual void removeLane(FrameLane& lane) = 0;
    // Deadlines the thread woke too late for and passed over.
    virtual uint64_t missedDeadlines() const { return 0; }
};

// std::thread on the monotonic clock: deadline n is start + n periods, so
// lateness never adds up. A wake-up later than a whole period sends once
// and goes on at the next deadline still ahead (the passed ones counted).
class ThreadedOutputClock final : public OutputClock {
public:
    explicit ThreadedOutputClock(int periodMs = 25);
    ~ThreadedOutputClock() override;
    void setPeriodMs(int milliseconds) override;
    int periodMs() const override { return period.load(); }
    void addLane(FrameLane& lane) override;
    void removeLane(FrameLane& lane) override;
    uint64_t missedDeadlines() const override { return missed.load(); }

private:
    void run();
    mutable std::mutex mutex;
    std::condition_variable wake;
    std::vector<FrameLane*> lanes;
    bool stopping = false, periodChanged = false, sendingNow = false;
    std::condition_variable laneFree;
    std::atomic<int> period;
    std::atomic<uint64_t> missed{0};
    std::thread worker; // last: starts once everything above is set up
};

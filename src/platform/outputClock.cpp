#include "platform/outputClock.h"

#include <algorithm>
#include <chrono>

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

bool preferSteadyScheduling() {
    // The kernel may otherwise wake the thread up to 50 us late on purpose.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    sched_param p{};
    p.sched_priority = 10;
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &p) == 0;
}

FrameLane::~FrameLane() = default;

void FrameLane::publish(const uint8_t* bytes, size_t count) {
    std::lock_guard lock(mutex);
    newest.assign(bytes, bytes + count);
    published = true;
}

void FrameLane::hold(bool on) {
    std::lock_guard lock(mutex);
    held = on;
}

FrameLane::Result FrameLane::sendNewest() {
    // The lane's lock is kept while the frame is handed over, so hold()
    // returns only once no hand-over is under way.
    std::lock_guard lock(mutex);
    if (held || !published) return Result::nothing;
    // The newest frame is copied, not swapped: it is sent again at the next
    // deadline when the tick has published nothing newer by then.
    taken = newest;
    const Result r = deliver(taken);
    if (r == Result::sent) ++sent;
    if (r == Result::skipped) ++skipped;
    if (r == Result::failed) ++failed;
    return r;
}

void FrameLane::attach(OutputClock* c) {
    detach();
    clock = c;
    if (clock) clock->addLane(*this);
}

void FrameLane::detach() {
    if (!clock) return;
    clock->removeLane(*this);
    clock = nullptr;
}

ThreadedOutputClock::ThreadedOutputClock(int periodMs)
    : period(std::max(periodMs, 1)), worker([this] { run(); }) {}

ThreadedOutputClock::~ThreadedOutputClock() {
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    worker.join();
}

void ThreadedOutputClock::setPeriodMs(int milliseconds) {
    milliseconds = std::max(milliseconds, 1);
    if (period.exchange(milliseconds) == milliseconds) return;
    {
        std::lock_guard lock(mutex);
        periodChanged = true;
    }
    wake.notify_all();
}

void ThreadedOutputClock::addLane(FrameLane& lane) {
    {
        std::lock_guard lock(mutex);
        if (std::find(lanes.begin(), lanes.end(), &lane) == lanes.end()) lanes.push_back(&lane);
    }
    wake.notify_all();
}

void ThreadedOutputClock::removeLane(FrameLane& lane) {
    std::unique_lock lock(mutex);
    lanes.erase(std::remove(lanes.begin(), lanes.end(), &lane), lanes.end());
    laneFree.wait(lock, [this] { return !sendingNow; });
}

void ThreadedOutputClock::run() {
    using clock = std::chrono::steady_clock;
    preferSteadyScheduling();
    std::unique_lock lock(mutex);
    auto start = clock::now();
    int64_t n = 0;
    for (;;) {
        if (lanes.empty()) {
            // Nothing to send: wait for a lane without waking at the rate.
            wake.wait(lock, [this] { return stopping || !lanes.empty(); });
            if (stopping) return;
            start = clock::now();
            n = 0;
        }
        const auto periodLength = std::chrono::milliseconds(period.load());
        const auto deadline = start + periodLength * (n + 1);
        if (wake.wait_until(lock, deadline, [this] { return stopping || periodChanged; })) {
            if (stopping) return;
            // A new period starts counting from now.
            periodChanged = false;
            start = clock::now();
            n = 0;
            continue;
        }
        if (lanes.empty()) continue;
        const std::vector<FrameLane*> now = lanes;
        sendingNow = true;
        lock.unlock();
        for (FrameLane* lane : now) lane->sendNewest();
        lock.lock();
        sendingNow = false;
        laneFree.notify_all();
        // The next deadline still ahead; the ones passed over are counted.
        const auto elapsed = clock::now() - start;
        const int64_t due = elapsed / periodLength;
        if (due > n + 1) missed += uint64_t(due - n - 1);
        n = std::max(n + 1, due);
    }
}

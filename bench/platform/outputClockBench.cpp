// The spacing of the frames an interface is handed at 40 Hz while a window
// repaints for 4 ms every 10 ms on the user-interface thread, where the
// refresh tick runs. Two ways, in one run:
//   fromTick:    the tick writes each frame itself (the tick's own jitter
//                reaches the wire);
//   outputClock: the tick publishes, the output clock hands the newest
//                frame over on absolute deadlines.
// Reported: median, 99th percentile and largest deviation of the spacing
// from the 25 ms period, in milliseconds. Goal: p99 within 1 ms with the
// clock. VARNEL_CLOCK_SECONDS sets the length of each run (default 10).

#include "busyWindow.h"
#include "platform/ftdiWriter.h"
#include "platform/outputClock.h"
#include "platform/tickTimer.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

constexpr int periodMs = 25;

// An interface that notes when each frame reached it.
class TimedPort final : public FtdiPort {
public:
    int32_t setTimeouts(uint32_t, uint32_t) override { return 0; }
    int32_t write(const uint8_t*, uint32_t count, uint32_t& written) override {
        std::lock_guard lock(mutex);
        times.push_back(std::chrono::steady_clock::now());
        written = count;
        return 0;
    }
    int32_t read(uint8_t*, uint32_t, uint32_t& got) override {
        got = 0;
        return 0;
    }
    int32_t purge(uint32_t) override { return 0; }
    int32_t getStatus(uint32_t& rx, uint32_t& tx, uint32_t& events) override {
        rx = tx = events = 0;
        return 0;
    }
    int32_t resetDevice() override { return 0; }
    int32_t userAreaSize(uint32_t& size) override {
        size = 0;
        return 0;
    }
    int32_t userAreaRead(uint8_t*, uint32_t, uint32_t& got) override {
        got = 0;
        return 0;
    }
    int32_t userAreaWrite(const uint8_t*, uint32_t) override { return 0; }

    std::vector<std::chrono::steady_clock::time_point> written() {
        std::lock_guard lock(mutex);
        return times;
    }

private:
    std::mutex mutex;
    std::vector<std::chrono::steady_clock::time_point> times;
};

double percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(std::ceil(q * double(v.size()))) - 1)];
}

void frameSpacing(benchmark::State& state) {
    const bool viaClock = state.range(0) == 1;
    const char* env = std::getenv("VARNEL_CLOCK_SECONDS");
    const int seconds = env ? std::max(1, std::atoi(env)) : 10;
    std::vector<double> deviations;
    uint64_t skipped = 0;
    for (auto _ : state) {
        auto timed = std::make_unique<TimedPort>();
        TimedPort& device = *timed;
        std::unique_ptr<FtdiPort> port = withWriterThread(std::move(timed));
        ThreadedOutputClock clock(periodMs);
        if (viaClock) port->frameLane()->attach(&clock);
        BusyWindow window;
        window.show();
        QtTimerFactory factory;
        std::unique_ptr<TickTimer> tick = factory.create();
        std::vector<uint8_t> frame(515, 0);
        frame[0] = 0x02;
        tick->onTick = [&] {
            ++frame[3];
            if (viaClock) {
                port->frameLane()->publish(frame.data(), frame.size());
            } else {
                uint32_t moved = 0;
                port->write(frame.data(), uint32_t(frame.size()), moved);
            }
        };
        tick->setInterval(periodMs);
        tick->setEnabled(true);
        QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
        qApp->exec();
        tick->setEnabled(false);
        skipped = port->frameLane()->skippedFrames();
        port->frameLane()->detach();
        const auto times = device.written();
        for (size_t i = 1; i < times.size(); ++i)
            deviations.push_back(
                std::abs(std::chrono::duration<double, std::milli>(times[i] - times[i - 1]).count() - periodMs));
    }
    state.counters["frames"] = double(deviations.size() + 1);
    state.counters["skipped"] = double(skipped);
    state.counters["median_dev_ms"] = percentile(deviations, 0.5);
    state.counters["p99_dev_ms"] = percentile(deviations, 0.99);
    state.counters["max_dev_ms"] = deviations.empty() ? 0 : *std::max_element(deviations.begin(), deviations.end());
}
BENCHMARK(frameSpacing)->ArgName("outputClock")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }

// The refresh tick's regularity: the platform's precise 25 ms timer runs on
// the window thread while a busy window repaints as fast as it can
// (offscreen). Reported: the median, 99th percentile and largest deviation
// of the tick period from 25 ms, in milliseconds. Goal: p99 within 1 ms.

#include "platform/tickTimer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int periodMs = 25;

// A window that keeps the thread busy: every paint fills many cells with
// text, and a zero-interval timer asks for the next paint at once.
class BusyWindow final : public QWidget {
public:
    BusyWindow() {
        resize(1280, 800);
        QObject::connect(&again, &QTimer::timeout, this, [this] { update(); });
        again.start(0);
    }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        ++paints;
        for (int y = 0; y < height(); y += 20) {
            for (int x = 0; x < width(); x += 40) {
                p.fillRect(x, y, 39, 19, QColor::fromHsv((x + y + paints * 7) % 360, 200, 200));
                p.drawText(x + 2, y + 15, QString::number((x * y + paints) % 1000));
            }
        }
    }

private:
    QTimer again;
};

double percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t at = std::min(v.size() - 1, size_t(std::ceil(q * double(v.size()))) - (q > 0 ? 1 : 0));
    return v[at];
}

void tickPeriodWhileRepainting(benchmark::State& state) {
    const char* env = std::getenv("VARNEL_JITTER_SECONDS");
    const int seconds = env ? std::max(1, std::atoi(env)) : 30;
    std::vector<double> deviations;
    int paints = 0;
    for (auto _ : state) {
        BusyWindow window;
        window.show();
        QtTimerFactory factory;
        std::unique_ptr<TickTimer> tick = factory.create();
        QElapsedTimer clock;
        qint64 last = -1;
        tick->onTick = [&] {
            const qint64 now = clock.nsecsElapsed();
            if (last >= 0) deviations.push_back(std::abs(double(now - last) / 1e6 - periodMs));
            last = now;
        };
        tick->setInterval(periodMs);
        clock.start();
        tick->setEnabled(true);
        QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
        qApp->exec();
        tick->setEnabled(false);
        paints = window.paints;
    }
    state.counters["ticks"] = double(deviations.size());
    state.counters["paints"] = double(paints);
    state.counters["median_dev_ms"] = percentile(deviations, 0.5);
    state.counters["p99_dev_ms"] = percentile(deviations, 0.99);
    state.counters["max_dev_ms"] = deviations.empty() ? 0 : *std::max_element(deviations.begin(), deviations.end());
}
BENCHMARK(tickPeriodWhileRepainting)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

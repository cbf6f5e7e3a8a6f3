#pragma once
// A window that keeps the user-interface thread busy repainting (offscreen),
// by default for 4 ms every 10 ms, as a busy console window might.

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>

class BusyWindow final : public QWidget {
public:
    explicit BusyWindow(int paintMs = 4, int everyMs = 10) : paintNs(qint64(paintMs) * 1'000'000) {
        resize(640, 400);
        QObject::connect(&again, &QTimer::timeout, this, [this] { repaint(); });
        again.setTimerType(Qt::PreciseTimer);
        again.start(everyMs);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QElapsedTimer busy;
        busy.start();
        for (int n = 0; busy.nsecsElapsed() < paintNs; ++n)
            p.fillRect(n % 600, n % 380, 20, 20, QColor::fromHsv(n % 360, 200, 200));
    }

private:
    qint64 paintNs;
    QTimer again;
};

// main() of a benchmark that shows windows: offscreen, with an application.
inline int runWindowBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

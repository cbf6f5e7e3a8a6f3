#pragma once
// A window that keeps the user-interface thread busy repainting (offscreen),
// by default for 4 ms every 10 ms, as a busy console window might.

#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>

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

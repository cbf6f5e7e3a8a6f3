#include "platform/tickTimer.h"

#include <QTimer>

namespace {
class QtTickTimer final : public TickTimer {
public:
    QtTickTimer() {
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (onTick) onTick();
        });
    }
    void setInterval(int ms) override { timer.setInterval(ms); }
    int interval() const override { return timer.interval(); }
    void setEnabled(bool on) override {
        if (on && !timer.isActive()) timer.start();
        if (!on) timer.stop();
    }
    bool enabled() const override { return timer.isActive(); }

private:
    QTimer timer;
};
} // namespace

std::unique_ptr<TickTimer> QtTimerFactory::create() { return std::make_unique<QtTickTimer>(); }

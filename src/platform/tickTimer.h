#pragma once
// Fast timers (the refresh tick and the other timers that step the show).
// The tick runs on the user-interface thread; tests drive it by hand.

#include <functional>
#include <memory>

class TickTimer {
public:
    virtual ~TickTimer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual bool enabled() const = 0;
    // Called on every tick, on the user-interface thread.
    std::function<void()> onTick;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<TickTimer> create() = 0;
};

// Precise QTimer on the calling (user-interface) thread.
class QtTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<TickTimer> create() override;
};

#pragma once
// Clocks: monotonic milliseconds for timing and the time of day.

#include <QDateTime>
#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t monotonicMs() const = 0;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    int64_t monotonicMs() const override;
    QDateTime now() const override;
};

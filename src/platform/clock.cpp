#include "platform/clock.h"

#include <chrono>

int64_t SystemClock::monotonicMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

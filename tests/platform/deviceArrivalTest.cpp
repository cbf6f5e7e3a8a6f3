#include "platform/deviceArrival.h"

#include <gtest/gtest.h>

namespace {

// udev may be missing (a container): then starting says why, and stopping
// and starting again stay safe either way.
TEST(UdevDeviceArrival, StartsOrSaysWhyNot) {
    UdevDeviceArrival arrival;
    int arrivals = 0;
    const bool started = arrival.start([&] { ++arrivals; });
    EXPECT_EQ(started, arrival.lastError().isEmpty());
    arrival.stop();
    EXPECT_EQ(arrival.start([&] { ++arrivals; }), started);
    EXPECT_EQ(arrivals, 0); // nothing was plugged in
}

} // namespace

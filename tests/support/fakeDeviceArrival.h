#pragma once
// Device arrival that a test triggers by hand.

#include "platform/deviceArrival.h"

class FakeDeviceArrival final : public DeviceArrival {
public:
    bool start(std::function<void()> arrived) override {
        onArrival = std::move(arrived);
        ++starts;
        return startOk;
    }
    void stop() override { onArrival = nullptr; }
    QString lastError() const override { return startOk ? QString() : QStringLiteral("no udev here"); }

    // A device was plugged in.
    void arrive() {
        if (onArrival) onArrival();
    }
    bool watching() const { return bool(onArrival); }

    bool startOk = true;
    int starts = 0;

private:
    std::function<void()> onArrival;
};

#pragma once
// Device arrival: tells the console when a USB-to-DMX interface (an FTDI USB
// device, vendor 0403) is plugged in, so a lost interface is found again.
// The Linux implementation listens to udev; tests use a fake they trigger.

#include <QString>
#include <functional>
#include <memory>

class DeviceArrival {
public:
    virtual ~DeviceArrival() = default;
    // Starts watching; `arrived` runs on the user-interface thread once per
    // device plugged in. False, with the reason in lastError(), when arrivals
    // cannot be watched (the console then works without).
    virtual bool start(std::function<void()> arrived) = 0;
    virtual void stop() = 0;
    virtual QString lastError() const = 0;
};

class QSocketNotifier;
struct udev;
struct udev_monitor;

// libudev's monitor of the "usb" subsystem, read through a QSocketNotifier on
// the user-interface thread.
class UdevDeviceArrival final : public DeviceArrival {
public:
    UdevDeviceArrival();
    ~UdevDeviceArrival() override;
    bool start(std::function<void()> arrived) override;
    void stop() override;
    QString lastError() const override { return error; }

private:
    void readEvents();
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;
    std::function<void()> onArrival;
    QString error;
};

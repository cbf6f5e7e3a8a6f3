#include "platform/deviceArrival.h"

#include <QSocketNotifier>
#include <cstring>

#include <libudev.h>

UdevDeviceArrival::UdevDeviceArrival() = default;

UdevDeviceArrival::~UdevDeviceArrival() { stop(); }

bool UdevDeviceArrival::start(std::function<void()> arrived) {
    stop();
    error.clear();
    context = udev_new();
    if (!context) {
        error = QStringLiteral("udev is not available");
        return false;
    }
    monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "usb", "usb_device") < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        error = QStringLiteral("udev device events cannot be received");
        stop();
        return false;
    }
    onArrival = std::move(arrived);
    notifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] { readEvents(); });
    return true;
}

void UdevDeviceArrival::stop() {
    notifier.reset();
    if (monitor) udev_monitor_unref(monitor);
    if (context) udev_unref(context);
    monitor = nullptr;
    context = nullptr;
    onArrival = nullptr;
}

// Every queued event is taken (the socket stays readable until then); only
// an FTDI device being added counts, so plugging in a keyboard or a memory
// stick does not disturb the output.
void UdevDeviceArrival::readEvents() {
    bool ftdiArrived = false;
    while (monitor) {
        udev_device* device = udev_monitor_receive_device(monitor);
        if (!device) break;
        const char* action = udev_device_get_action(device);
        const char* vendor = udev_device_get_sysattr_value(device, "idVendor");
        if (action && vendor && std::strcmp(action, "add") == 0 && std::strcmp(vendor, "0403") == 0)
            ftdiArrived = true;
        udev_device_unref(device);
    }
    if (ftdiArrived && onArrival) onArrival();
}

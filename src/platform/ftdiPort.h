#pragma once
// USB-to-DMX interfaces are FTDI USB serial devices. This layer offers the
// driver calls the interface object is built on (open by device index, read,
// write, time-outs, purge, status, reset, the EEPROM user area) with the
// driver's status codes, so the object above can test them as it expects.
// FtdiDriver opens devices; an FtdiPort is one open device, closed when it
// goes. The Linux implementation uses libftdi1; tests use a scripted fake.

#include <QString>
#include <cstdint>
#include <memory>

namespace ftStatus {
enum : int32_t {
    ok = 0,
    invalidHandle = 1,
    deviceNotFound = 2,
    deviceNotOpened = 3,
    ioError = 4,
    insufficientResources = 5,
    invalidParameter = 6,
    eepromReadFailed = 11,
    eepromWriteFailed = 12,
    notSupported = 17,
    otherError = 18,
};
} // namespace ftStatus

namespace ftPurge {
enum : uint32_t { rx = 1, tx = 2 };
} // namespace ftPurge

class FrameLane;

class FtdiPort {
public:
    virtual ~FtdiPort() = default;
    // Output frames on the output clock (platform/outputClock.h): ports
    // written from a thread of their own offer a lane; others answer nullptr
    // and are written directly.
    virtual FrameLane* frameLane() { return nullptr; }
    // Read and write time-outs in milliseconds.
    virtual int32_t setTimeouts(uint32_t readMs, uint32_t writeMs) = 0;
    // Writes count bytes; `written` receives how many went out.
    virtual int32_t write(const uint8_t* data, uint32_t count, uint32_t& written) = 0;
    // Waits up to the read time-out for count bytes; `got` receives how many
    // arrived (0 when none came in time).
    virtual int32_t read(uint8_t* data, uint32_t count, uint32_t& got) = 0;
    // Empties the receive (ftPurge::rx) and/or transmit (ftPurge::tx) queues.
    virtual int32_t purge(uint32_t mask) = 0;
    // Bytes waiting to be read, bytes waiting to be sent, event flags.
    virtual int32_t getStatus(uint32_t& rxQueue, uint32_t& txQueue, uint32_t& events) = 0;
    virtual int32_t resetDevice() = 0;
    // The EEPROM user area: its size in bytes, a read of up to `size` bytes
    // from its start, a write of `size` bytes at its start.
    virtual int32_t userAreaSize(uint32_t& size) = 0;
    virtual int32_t userAreaRead(uint8_t* data, uint32_t size, uint32_t& got) = 0;
    virtual int32_t userAreaWrite(const uint8_t* data, uint32_t size) = 0;
};

class FtdiDriver {
public:
    virtual ~FtdiDriver() = default;
    // Opens the device with this index (0 = first attached device). On
    // ftStatus::ok `port` holds the open device; deviceNotFound means there
    // is no device with that index.
    virtual int32_t open(int deviceIndex, std::unique_ptr<FtdiPort>& port) = 0;
    // Waits for a device to settle (the caller's thread blocks).
    virtual void sleepMs(int milliseconds) = 0;
    // Why the last failed open failed when the operator can mend it (no
    // permission on the device), else empty.
    virtual QString openProblem() const { return {}; }
};

// The udev rule that gives FTDI devices to the logged-in user.
inline constexpr const char* ftdiUdevRuleName = "60-varneldmx-ftdi.rules";

// libftdi1: FTDI devices with the standard vendor and product ids, in the
// order the USB bus lists them. Each open device is written from its own
// thread (platform/ftdiWriter.h).
class LibFtdiDriver final : public FtdiDriver {
public:
    int32_t open(int deviceIndex, std::unique_ptr<FtdiPort>& port) override;
    void sleepMs(int milliseconds) override;
    QString openProblem() const override { return problem; }

private:
    QString problem;
};

#pragma once
// A scripted FTDI driver: devices that record every byte written to them and
// play back scripted replies. With writerThreads set, each open device is
// written from its own thread as the real driver does; the device's calls are
// then made under its lock, and a test reads what was written through the
// waiting helpers.

#include "platform/ftdiPort.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

struct FakeFtdiDevice {
    // Answers to open, taken in order; when empty, ok (or deviceNotOpened
    // while the device is open already, as a device held elsewhere).
    std::deque<int32_t> openStatuses;
    bool isOpen = false;
    int opens = 0, closes = 0, resets = 0;
    uint32_t readTimeout = 0, writeTimeout = 0;

    // Every write, in order, and the purge masks.
    std::vector<std::vector<uint8_t>> writes;
    std::vector<uint32_t> purges;
    int32_t writeStatus = ftStatus::ok;
    // When set, writes report this many bytes moved instead of all.
    std::optional<uint32_t> bytesMovedOverride;
    // Called after every write (to play an interface's firmware).
    std::function<void(FakeFtdiDevice&, const std::vector<uint8_t>&)> onWrite;

    // Bytes waiting to be read. A one-byte write of a key in `replies` queues
    // that reply; `stream`, when set, is an endless supply after `input`.
    std::deque<uint8_t> input;
    std::map<uint8_t, std::vector<uint8_t>> replies;
    std::optional<uint8_t> stream;
    int readCalls = 0;

    // Status answers of getStatus, in order (default ok), and the queue sizes
    // it reports (the receive count is the input waiting unless overridden).
    std::deque<int32_t> statusAnswers;
    uint32_t txQueue = 0;
    std::optional<uint32_t> rxQueueOverride;
    int statusCalls = 0;

    // The EEPROM user area.
    std::vector<uint8_t> userArea = std::vector<uint8_t>(64, 0);
    int32_t userAreaSizeStatus = ftStatus::ok, userAreaReadStatus = ftStatus::ok, userAreaWriteStatus = ftStatus::ok;
    std::vector<std::vector<uint8_t>> userAreaWrites;

    // A slow device: every write takes this long.
    std::chrono::milliseconds writeDelay{0};
    // A stalled device: writes wait until released.
    void holdWrites();
    void releaseWrites();
    // Writes waiting at the hold right now.
    int heldWrites() const;
    // Waits (a few seconds at most) until n output frames were written and
    // returns every frame; fewer when they did not come.
    std::vector<std::vector<uint8_t>> waitForFrames(size_t n) const;
    // Waits until a write is held.
    bool waitForHeldWrite() const;

    // Output frames written (writes of 515 bytes starting with command 2).
    std::vector<std::vector<uint8_t>> frames() const;
    // Writes since the mark, for tests that only look at what came later.
    size_t mark() const { return writes.size(); }
    std::vector<std::vector<uint8_t>> writesSince(size_t from) const;
    void queueInput(std::initializer_list<uint8_t> bytes) { input.insert(input.end(), bytes); }

    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    bool writesHeld = false;
    int waitingWrites = 0;
};

class FakeFtdiDriver final : public FtdiDriver {
public:
    int32_t open(int deviceIndex, std::unique_ptr<FtdiPort>& port) override;
    void sleepMs(int milliseconds) override { sleeps.push_back(milliseconds); }

    // Attaches a new device at the next index.
    FakeFtdiDevice& attach();
    std::vector<std::shared_ptr<FakeFtdiDevice>> devices;
    std::vector<int> openCalls; // device index of every open
    std::vector<int> sleeps;
    // Open ports right now, over all devices.
    int openPorts() const;
    // Each opened port gets a writer thread, as with the real driver.
    bool writerThreads = false;
    QString problem; // what openProblem answers
    QString openProblem() const override { return problem; }
};

#include "support/fakeFtdiPort.h"

#include "platform/ftdiWriter.h"

#include <algorithm>
#include <thread>

namespace {
class FakePort final : public FtdiPort {
public:
    explicit FakePort(std::shared_ptr<FakeFtdiDevice> d) : dev(std::move(d)) { dev->isOpen = true; }
    ~FakePort() override {
        std::lock_guard lock(dev->mutex);
        dev->isOpen = false;
        ++dev->closes;
    }
    int32_t setTimeouts(uint32_t readMs, uint32_t writeMs) override {
        std::lock_guard lock(dev->mutex);
        dev->readTimeout = readMs;
        dev->writeTimeout = writeMs;
        return ftStatus::ok;
    }
    int32_t write(const uint8_t* data, uint32_t count, uint32_t& written) override {
        std::unique_lock lock(dev->mutex);
        if (dev->writesHeld) {
            ++dev->waitingWrites;
            dev->changed.notify_all();
            dev->changed.wait(lock, [this] { return !dev->writesHeld; });
            --dev->waitingWrites;
        }
        if (dev->writeDelay.count() > 0) {
            const auto delay = dev->writeDelay;
            lock.unlock();
            std::this_thread::sleep_for(delay);
            lock.lock();
        }
        dev->writes.emplace_back(data, data + count);
        dev->changed.notify_all();
        written = dev->bytesMovedOverride.value_or(count);
        if (count == 1) {
            auto it = dev->replies.find(data[0]);
            if (it != dev->replies.end()) dev->input.insert(dev->input.end(), it->second.begin(), it->second.end());
        }
        if (dev->onWrite) dev->onWrite(*dev, dev->writes.back());
        return dev->writeStatus;
    }
    int32_t read(uint8_t* data, uint32_t count, uint32_t& got) override {
        std::lock_guard lock(dev->mutex);
        ++dev->readCalls;
        got = 0;
        while (got < count && !dev->input.empty()) {
            data[got++] = dev->input.front();
            dev->input.pop_front();
        }
        while (got < count && dev->stream) data[got++] = *dev->stream;
        return ftStatus::ok;
    }
    int32_t purge(uint32_t mask) override {
        std::lock_guard lock(dev->mutex);
        dev->purges.push_back(mask);
        if (mask & ftPurge::rx) dev->input.clear();
        return ftStatus::ok;
    }
    int32_t getStatus(uint32_t& rx, uint32_t& tx, uint32_t& events) override {
        std::lock_guard lock(dev->mutex);
        ++dev->statusCalls;
        rx = dev->rxQueueOverride.value_or(uint32_t(dev->input.size()));
        tx = dev->txQueue;
        events = 0;
        if (dev->statusAnswers.empty()) return ftStatus::ok;
        const int32_t s = dev->statusAnswers.front();
        dev->statusAnswers.pop_front();
        return s;
    }
    int32_t resetDevice() override {
        std::lock_guard lock(dev->mutex);
        ++dev->resets;
        return ftStatus::ok;
    }
    int32_t userAreaSize(uint32_t& size) override {
        std::lock_guard lock(dev->mutex);
        size = uint32_t(dev->userArea.size());
        return dev->userAreaSizeStatus;
    }
    int32_t userAreaRead(uint8_t* data, uint32_t size, uint32_t& got) override {
        std::lock_guard lock(dev->mutex);
        got = std::min<uint32_t>(size, uint32_t(dev->userArea.size()));
        std::copy_n(dev->userArea.begin(), got, data);
        return dev->userAreaReadStatus;
    }
    int32_t userAreaWrite(const uint8_t* data, uint32_t size) override {
        std::lock_guard lock(dev->mutex);
        dev->userAreaWrites.emplace_back(data, data + size);
        if (dev->userAreaWriteStatus != ftStatus::ok) return dev->userAreaWriteStatus;
        if (size > dev->userArea.size()) return ftStatus::invalidParameter;
        std::copy_n(data, size, dev->userArea.begin());
        return ftStatus::ok;
    }

private:
    std::shared_ptr<FakeFtdiDevice> dev;
};
} // namespace

void FakeFtdiDevice::holdWrites() {
    std::lock_guard lock(mutex);
    writesHeld = true;
}

void FakeFtdiDevice::releaseWrites() {
    {
        std::lock_guard lock(mutex);
        writesHeld = false;
    }
    changed.notify_all();
}

int FakeFtdiDevice::heldWrites() const {
    std::lock_guard lock(mutex);
    return waitingWrites;
}

namespace {
constexpr auto patience = std::chrono::seconds(10);
size_t frameCount(const std::vector<std::vector<uint8_t>>& writes) {
    return size_t(std::count_if(writes.begin(), writes.end(), [](const auto& w) { return w.size() == 515 && w[0] == 0x02; }));
}
} // namespace

std::vector<std::vector<uint8_t>> FakeFtdiDevice::waitForFrames(size_t n) const {
    {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, patience, [&] { return frameCount(writes) >= n; });
    }
    return frames();
}

bool FakeFtdiDevice::waitForHeldWrite() const {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, patience, [&] { return waitingWrites > 0; });
}

std::vector<std::vector<uint8_t>> FakeFtdiDevice::frames() const {
    std::lock_guard lock(mutex);
    std::vector<std::vector<uint8_t>> out;
    for (const auto& w : writes)
        if (w.size() == 515 && w[0] == 0x02) out.push_back(w);
    return out;
}

std::vector<std::vector<uint8_t>> FakeFtdiDevice::writesSince(size_t from) const {
    std::lock_guard lock(mutex);
    return {writes.begin() + std::min(from, writes.size()), writes.end()};
}

int32_t FakeFtdiDriver::open(int deviceIndex, std::unique_ptr<FtdiPort>& port) {
    openCalls.push_back(deviceIndex);
    port.reset();
    if (deviceIndex < 0 || deviceIndex >= int(devices.size())) return ftStatus::deviceNotFound;
    auto& dev = devices[size_t(deviceIndex)];
    ++dev->opens;
    int32_t status = dev->isOpen ? ftStatus::deviceNotOpened : ftStatus::ok;
    if (!dev->openStatuses.empty()) {
        status = dev->openStatuses.front();
        dev->openStatuses.pop_front();
    }
    if (status == ftStatus::ok) {
        port = std::make_unique<FakePort>(dev);
        if (writerThreads) port = withWriterThread(std::move(port));
    }
    return status;
}

FakeFtdiDevice& FakeFtdiDriver::attach() {
    devices.push_back(std::make_shared<FakeFtdiDevice>());
    return *devices.back();
}

int FakeFtdiDriver::openPorts() const {
    return int(std::count_if(devices.begin(), devices.end(), [](const auto& d) { return d->isOpen; }));
}

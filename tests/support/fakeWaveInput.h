#pragma once
// Sound input a test drives: named devices, opens that succeed or fail as
// told, and blocks completed by the test.

#include "platform/waveInput.h"

#include <algorithm>
#include <vector>

class FakeWaveInput final : public WaveInput {
public:
    QStringList deviceNames() override { return devices; }
    bool open(int device) override {
        ++opens;
        if (device == -1) device = 0; // the default input: the first one here
        if (device < 0 || device >= devices.size() || refuseOpen) return false;
        opened = device;
        queued = complete = false;
        return true;
    }
    void close() override {
        opened = -1;
        queued = complete = false;
    }
    bool isOpen() const override { return opened >= 0; }
    void queueBlock() override {
        queued = isOpen();
        complete = false;
        ++queues;
    }
    bool blockQueued() const override { return queued; }
    bool takeBlock(Block& out) override {
        if (!complete) return false;
        out = block;
        complete = false;
        return true;
    }
    QString lastError() const override { return refuseOpen ? QStringLiteral("busy") : QString(); }

    // The device finishes the queued block with these samples (the rest 0);
    // false when no block was queued.
    bool record(const std::vector<int16_t>& samples) {
        if (!queued) return false;
        block.fill(0);
        std::copy_n(samples.begin(), std::min<size_t>(samples.size(), block.size()), block.begin());
        queued = false;
        complete = true;
        return true;
    }

    QStringList devices;
    bool refuseOpen = false;
    int opened = -1;
    int opens = 0;
    int queues = 0;

private:
    Block block{};
    bool queued = false;
    bool complete = false;
};

#pragma once
// An Art-Net layer that records the calls made on it.

#include "platform/artNetSender.h"

#include <QStringList>
#include <map>
#include <stdexcept>
#include <vector>

class FakeArtNetLayer final : public ArtNetLayer {
public:
    int16_t init(const QString& address) override {
        initAddresses.append(address);
        return initStatus;
    }
    void setTxPipeUniverse(uint8_t pipe, uint8_t universe) override { pipes.push_back({pipe, universe}); }
    void clearDataBuffer(uint8_t) override { ++clears; }
    void setTxData(uint32_t index, uint8_t level) override {
        if (index >= levels.size()) levels.resize(index + 1, 0);
        levels[index] = level;
        ++setCalls;
    }
    void readWrite(int32_t mode) override {
        if (failSends) throw std::runtime_error("send buffer lost");
        sends.push_back(levels);
        modes.push_back(mode);
    }
    void end() override {
        if (failEnd) throw std::runtime_error("driver gone");
        ++ends;
    }
    QString lastError() const override { return error; }
    uint64_t droppedPackets() const override { return dropped; }

    int16_t initStatus = artNetStatus::ready;
    bool failSends = false; // readWrite throws
    bool failEnd = false;   // end throws
    uint64_t dropped = 0;   // packets the network took no more of
    QString error;
    QStringList initAddresses;
    std::vector<std::pair<int, int>> pipes;
    int clears = 0, ends = 0;
    long setCalls = 0;
    std::vector<uint8_t> levels;              // the transmit buffer
    std::vector<std::vector<uint8_t>> sends;  // the buffer at every readWrite
    std::vector<int32_t> modes;
};

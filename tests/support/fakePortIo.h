#pragma once
// I/O ports backed by a simulated ISA DMX card: three ports from the card's
// base select an address (low, high byte) and read or write its memory.

#include "platform/portIo.h"

#include <map>
#include <set>
#include <vector>

class FakePortIo final : public PortIo {
public:
    bool acquire(uint16_t first, uint16_t count) override;
    void writeByte(uint16_t port, uint8_t value) override;
    uint8_t readByte(uint16_t port) override;
    QString lastError() const override { return error; }

    // Puts a card of 64 KiB memory at this base.
    void addCard(uint16_t base);
    std::vector<uint8_t>& memory(uint16_t base) { return cards.at(base).memory; }

    bool refuse = false;  // acquire fails, as without root
    QString error;
    struct Access {
        bool write;
        uint16_t port;
        uint8_t value;
    };
    std::vector<Access> log;

private:
    struct Card {
        uint8_t low = 0, high = 0;
        std::vector<uint8_t> memory = std::vector<uint8_t>(65536, 0);
    };
    std::map<uint16_t, Card> cards;
};

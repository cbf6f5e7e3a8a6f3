#include "support/fakePortIo.h"

bool FakePortIo::acquire(uint16_t, uint16_t) {
    if (refuse) {
        error = QStringLiteral("No access to I/O ports: Operation not permitted");
        return false;
    }
    return true;
}

void FakePortIo::addCard(uint16_t base) { cards[base]; }

void FakePortIo::writeByte(uint16_t port, uint8_t value) {
    log.push_back({true, port, value});
    for (auto& [base, card] : cards) {
        if (port == base) card.low = value;
        else if (port == base + 1) card.high = value;
        else if (port == base + 2) card.memory[size_t(card.low | (card.high << 8))] = value;
    }
}

uint8_t FakePortIo::readByte(uint16_t port) {
    uint8_t value = 0xFF; // an empty bus reads all ones
    for (auto& [base, card] : cards)
        if (port == base + 2) value = card.memory[size_t(card.low | (card.high << 8))];
    log.push_back({false, port, value});
    return value;
}

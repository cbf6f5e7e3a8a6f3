#pragma once
// Access to an old ISA-bus DMX output card through three I/O ports from its
// base: address low byte, address high byte, data byte at that address.

#include <QString>
#include <cstdint>

// The card found by the last probe; 0 = none.
struct IsaDmxCard {
    int32_t dmxCardBasePort = 0;
};

namespace outdll {
// Tries the candidate bases 0x100, 0x120, 0x140, 0x160; the last one that
// answers wins. 0 when none answers or the ports cannot be reached.
int32_t probeDmxCard();
int32_t writeDmxCardChannel(int32_t base, uint16_t address, uint8_t value);
uint8_t readDmxCardChannel(int32_t base, uint16_t address);
} // namespace outdll

namespace isaDmxCard {
// Clears card addresses 1024..4095 of the card last found.
void EraseAll();
// Loads a file (at most 32,767 bytes) into the card from address 0, then
// clears addresses 1024..1535. False when no card answers or the file cannot
// be used (the operator is told why).
bool uploadFileToDmxCard(const QString& path);
} // namespace isaDmxCard

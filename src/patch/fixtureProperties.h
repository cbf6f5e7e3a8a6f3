#pragma once
// What the fixture properties window shows of one fixture (start channel as
// universe and channel, the nine DIP switches of the address) and the
// renumbering that swaps two fixture numbers.

#include <QString>
#include <array>
#include <cstdint>

namespace fixtureProperties {

// Binary digits of a channel, most significant first, at least 8 digits.
QString decimaltobinary(int32_t channel);

struct StartAddress {
    int32_t universe = 0, channel = 0; // channel within the universe, 1..512
    std::array<bool, 9> switchOn{};    // switch j + 1 stands for bit j
};
// Universe, channel within it and the DIP switches of an absolute channel.
StartAddress startAddress(int32_t absoluteChannel);
// "Start Channel: 20   Universe: 2".
QString startChannelCaption(const StartAddress& a);

// Swaps fixture numbers n and m: names, icon positions, views and rotations
// change places, then every fixture is laid out again and the show marked
// changed. Refused without a message when either is a matrix pixel, or
// when a number lies outside 1..fixtureCount. True when swapped.
bool renumberFixture(int32_t n, int32_t m);

} // namespace fixtureProperties

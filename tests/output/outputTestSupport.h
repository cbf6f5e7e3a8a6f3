#pragma once
// Helpers shared by the output tests.

#include "shell/shell.h"
#include "support/fakeArtNet.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePortIo.h"

#include <vector>

inline FakeFtdiDriver& fakeFtdi() { return static_cast<FakeFtdiDriver&>(*shell().ftdi()); }
inline FakeArtNetLayer& fakeArtNet() { return static_cast<FakeArtNetLayer&>(*shell().artNet()); }
inline FakePortIo& fakePortIo() { return static_cast<FakePortIo&>(*shell().portIo()); }

// A user area holding a universe record as the options window writes it.
inline void setUniverseRecord(FakeFtdiDevice& d, const char* text) {
    std::fill(d.userArea.begin(), d.userArea.end(), 0);
    for (size_t i = 0; text[i]; ++i) d.userArea[i] = uint8_t(text[i]);
}

inline std::vector<uint8_t> bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values) out.push_back(uint8_t(v));
    return out;
}

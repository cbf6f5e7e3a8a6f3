#pragma once
// The few fields of a sequence file (.YSQ, 608-byte records) that the button
// pages read: the home playback, fade-time and motion-fade flags of the first
// record. Read straight from the bytes; nothing else of the file is looked at.

#include <QString>
#include <cstdint>

namespace sequenceHeader {

constexpr int recordSize = 608;
// Playback numbers a header may name; anything else means playback 1.
constexpr int32_t playbackLimit = 31999;

struct Header {
    bool ok = false;             // the first record could be read
    double storedPlayback = 0;   // the number text's value as stored
    int32_t playbackNumber = 1;  // storedPlayback when 1..playbackLimit, else 1
    bool useSequenceFadeTime = false;
    bool useMotionfade = false;
};

Header read(const QString& path);

} // namespace sequenceHeader

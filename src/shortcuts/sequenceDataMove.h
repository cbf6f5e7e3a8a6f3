#pragma once
// Moving a fixture's recorded levels inside sequence files (.YSQ, 608-byte
// records) when the fixture is patched to other channels: in every step
// record and in the ownership-mask record of one universe, the block of
// channels moves to its new start and the old channels become 0. Every other
// byte of the file stays as it was.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace sequenceDataMove {

constexpr int recordSize = 608;
constexpr int channelsPerUniverse = 512;

enum class Result { moved, unchanged, bad };

// Moves channels oldStart.. (length of them) to newStart.. in universe
// (1-based) of a file's bytes. The universe count (last record) and the step
// count (first record) are checked against the length first; `reason` says
// why a file is bad. A file with fewer universes is unchanged.
Result moveChannelBlock(QByteArray& bytes, int32_t oldStart, int32_t newStart, int32_t length, int32_t universe,
                        QString* reason);

} // namespace sequenceDataMove

#pragma once
// Moving a patched fixture to another start channel, as the patch window's
// drag and drop does: the channel settings go along, the recorded levels of
// every sequence follow, and the show is saved. A move is all or nothing.

#include <QString>
#include <cstdint>

namespace fixtureMove {

enum class Result { NoFixture, Occupied, CrossesUniverse, OutOfRange, Moved };

// The first fixture starting at absolute channel `start`; 0 when none.
int32_t fixtureAt(int32_t start);

// Moves the fixture that starts at absolute channel oldStart to newStart.
// Refused with its message and nothing changed when the target block is not
// free (the fixture's own channels count as taken), runs past the last
// channel, or when the old or the new block runs across two universes (the
// sequences keep their levels per universe).
Result moveFixture(int32_t oldStart, int32_t newStart);

} // namespace fixtureMove

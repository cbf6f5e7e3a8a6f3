#pragma once
// Derivations of the patch model that run over every patched fixture: a
// fixture's start channel and profile found again from the channel labels,
// its role channels, and the area limits. The patch itself is the shared
// arrays of the channel model.

#include <cstdint>

namespace patchModel {

// Start channel and profile of fixtures first..last, as
// roleResolution::findlightclass finds them one by one (last match wins,
// nothing cleared first, profile 1 with "Show File May Be Corrupt!
// Fixture:<name>" for a fixture left without one), with one pass over the
// channels for all of them. The name looked for is the trimmed fixtureName,
// the name the fixture's layout icon carries. Throws std::overflow_error for
// a start channel beyond the 16-bit range.
void findlightclasses(int32_t first, int32_t last);

// The derivation part of laying out fixtures first..first + count - 1:
// start channel and profile, colour mixing, shutter and intensity flags, pan
// and tilt. An error shows "Fixture Layout:" with its description and ends
// the run.
void fixture_layout(int32_t first, int32_t count);

// Movement-area limits of one fixture back to 255, 255, 0, 0.
void resetAreaLimitsForFixture(int32_t fixture);

// Every fixture's start channel, profile and roles again, area limits reset,
// dimmer and fog channels, and every profile's role lookup. An error shows
// "Refresh Fixture Types:" with its description and ends the run.
void refreshLoadedFixtureTypes();

} // namespace patchModel

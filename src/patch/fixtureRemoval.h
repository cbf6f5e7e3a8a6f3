#pragma once
// Removing fixtures from the patch: their channels become free, the later
// fixtures move down one number, the groups follow, a profile no channel
// uses any more leaves the show, and the show is saved at once.

#include <QString>
#include <cstdint>
#include <vector>

namespace fixtureRemoval {

// Removes the first fixture whose fixtureName equals name (exactly); false
// when none does.
bool removeAFixture(const QString& name);
// The follow-up after one or more removals: layout, fixture list, palettes,
// unused profiles dropped, roles derived again, the show saved.
void refreshAfterRemoveAFixture();

// Asks, naming the fixtures, and removes exactly these fixture numbers.
// Refused when the show has one fixture or none. True when removed.
bool removeFixtures(const std::vector<int32_t>& fixtures);
// "Remove Currently Selected Fixture(s)": the layout's selection.
bool removefixture_Click();
// "Remove This MATRIX": every pixel of the named matrix.
bool removeMatrix(const QString& matrixName);

// Frees profile slot index when it is taken (lowering lightClassCount).
void releaseLightClass(int32_t index);

} // namespace fixtureRemoval

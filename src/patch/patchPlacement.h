#pragma once
// Where the icons of newly patched fixtures go, the pixels of an LED matrix
// with a view of their own, and the automatic groups of a batch.

#include <QString>
#include <cstdint>

namespace patchPlacement {

// The fixture whose icon is lowest, then right-most (Left > 0) among the
// fixtures of `view`; 0 when there is none.
int32_t findLastPlacedIcon(const QString& view);
// How far above the layout a new row must go: the largest magnitude of a
// negative stored Top less the smallest stored Top.
int32_t topAboveLayout();
// The first free entry 1..fixtureCount of viewNames (1 with no fixture; 0
// when none is free).
int32_t firstFreeViewSlot();

// Places new fixture f, k-th (1..) of its commit; first is the commit's
// first fixture number. Matrix pixels go columns to a row above the layout.
void placeIcon(int32_t f, int32_t k, bool matrix, int32_t columns, int32_t layoutWidth);

// Matrix data of pixel p (1..n) of a commit whose fixtures start after
// `before`: row and column filled left to right, top row first.
void setMatrixPixel(int32_t f, int32_t p, int32_t columns, const QString& name);

// Asks and creates the groups of a batch first..first+n-1 named after the
// profile: all fixtures, and with n > 1 the even and odd positions, each in
// a free slot (a group without a free slot is skipped).
void offerAutomaticGroups(int32_t first, int32_t n, const QString& profileName);

} // namespace patchPlacement

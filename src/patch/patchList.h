#pragma once
// The patch list: one row per patched fixture with its number, name, first
// and last channel as universe and channel, and its pan and tilt inversion,
// and the pages its printout is cut into.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace patchList {

inline const QStringList headers = {QStringLiteral("Fixture Number"), QStringLiteral("Fixture Name"),
                                    QStringLiteral("Start"),          QStringLiteral("End"),
                                    QStringLiteral("Inverse Pan"),    QStringLiteral("Inverse Tilt")};
// Column widths in twips.
inline const std::vector<int32_t> columnWidths = {1200, 4000, 1200, 1200, 1100, 1100};

// Row of fixture f (1..fixtureCount): the six cell texts.
QStringList row(int32_t f);
// Toggles the inversion of the fixture's pan (column 4) or tilt (column 5)
// channel; nothing when it has none.
void toggleInversion(int32_t f, int32_t column);

// The printed header of a page: "::Show Name: <file>::Page (r, c)".
QString pageHeader(const QString& showFileName, int32_t rowBand, int32_t columnBand);

// One printed page: rows firstRow..lastRow (0 is the header row) and
// columns firstColumn..lastColumn, with its band numbers.
struct Page {
    int32_t firstRow = 0, lastRow = 0, firstColumn = 0, lastColumn = 0, rowBand = 0, columnBand = 0;
};
// Cuts a table of these row heights and column widths into pages between
// top..bottom and left..right (twips): rows go down the page (60 added per
// row), columns across (120 added per column); a page holds at least one
// row and one column. Row bands in order, each with its column bands.
std::vector<Page> paginate(const std::vector<double>& rowHeights, const std::vector<double>& columnWidths,
                           double top, double bottom, double left, double right);

} // namespace patchList

#include "matrix/matrixAddressing.h"

#include "matrix/matrixPixels.h"
#include "shell/channelModel.h"

#include <algorithm>
#include <cmath>

void MatrixAddressing::setMatrixName(const QString& theName) {
    name = theName;
    findMatrixDimension();
}

bool MatrixAddressing::belongs(int32_t f) const { return matrixPixels::belongs(m, f, name, true); }

bool MatrixAddressing::findMatrixDimension() {
    columns = rows = 1;
    first = last = 0;
    for (const matrixPixels::Pixel& p : matrixPixels::pixelsOf(m, name, true)) {
        columns = std::max(columns, p.column);
        rows = std::max(rows, p.row);
        if (first == 0) first = p.fixture;
        last = p.fixture;
    }
    return true;
}

bool MatrixAddressing::applyOrder(const QString& horizontalCaption, const QString& verticalCaption, bool vertical) {
    const bool leftKnown = horizontalCaption == QLatin1String("Left To Right") ||
                           horizontalCaption == QLatin1String("Right To Left");
    const bool topKnown = verticalCaption == QLatin1String("Top To Bottom") ||
                          verticalCaption == QLatin1String("Bottom To Top");
    if (!leftKnown || !topKnown) return false;
    renumberMatrix(verticalCaption == QLatin1String("Top To Bottom"),
                   horizontalCaption == QLatin1String("Left To Right"), vertical);
    return true;
}

void MatrixAddressing::renumberMatrix(bool topToBottom, bool leftToRight, bool vertical) {
    findMatrixDimension();
    const int64_t W = columns, H = rows;
    // Pixels are counted in fixture order, so gaps in the fixture numbers
    // (fixtures removed since the patch) do not push pixels off the grid; a
    // pixel beyond W x H places keeps its cell.
    int64_t n = 0;
    for (int32_t f = first; f >= 1 && f <= last; ++f) {
        if (!belongs(f)) continue;
        ++n;
        if (n > W * H) continue;
        int64_t column = 0, row = 0;
        if (!vertical) {
            const int64_t p = (n - 1) % W, q = (n - 1) / W;
            column = leftToRight ? p + 1 : W - p;
            row = topToBottom ? q + 1 : H - q;
        } else {
            const int64_t p = (n - 1) % H, q = (n - 1) / H;
            column = leftToRight ? q + 1 : W - q;
            row = topToBottom ? p + 1 : H - p;
        }
        m.fixtureMatrixColumn[size_t(f)] = int32_t(column);
        m.fixtureMatrixRow[size_t(f)] = int32_t(row);
    }
    buildMatrixLayout();
}

void MatrixAddressing::buildMatrixLayout() {
    if (first < 1) return;
    int32_t cells = 0;
    for (int32_t f = first; f <= last; ++f)
        if (belongs(f)) ++cells;
    for (int32_t k = 0; k < cells; ++k) {
        const int32_t column = k % columns + 1, row = k / columns + 1;
        const int32_t f = fixtureAtCell(column - 1, row - 1);
        if (f < 1 || size_t(f) >= m.fixtureIconTop.size() || size_t(f) >= m.fixtureIconLeft.size()) continue;
        m.fixtureIconTop[size_t(f)] = 270 * (row - 1);
        m.fixtureIconLeft[size_t(f)] = 270 * (column - 1);
    }
}

int32_t MatrixAddressing::fixtureAtCell(int32_t c, int32_t r) const {
    for (const matrixPixels::Pixel& p : matrixPixels::pixelsOf(m, name, true))
        if (p.column == c + 1 && p.row == r + 1) return p.fixture;
    return 0;
}

void MatrixAddressing::swapFixturePositions(int32_t a, int32_t b) {
    if (a < 1 || b < 1 || size_t(std::max(a, b)) >= m.fixtureIconTop.size() ||
        size_t(std::max(a, b)) >= m.fixtureIconLeft.size())
        return;
    std::swap(m.fixtureIconTop[size_t(a)], m.fixtureIconTop[size_t(b)]);
    std::swap(m.fixtureIconLeft[size_t(a)], m.fixtureIconLeft[size_t(b)]);
}

void MatrixAddressing::pressCell(int32_t c, int32_t r) {
    dragFixture = fixtureAtCell(c, r);
    dragColumn = c;
    dragRow = r;
}

bool MatrixAddressing::releaseCell(int32_t c, int32_t r) {
    const int32_t target = fixtureAtCell(c, r);
    const int32_t source = dragFixture;
    const int32_t sourceColumn = dragColumn + 1, sourceRow = dragRow + 1;
    dragFixture = dragColumn = dragRow = 0;
    if (source < 1 || source > m.fixtureCount || target <= 0) return false;
    m.fixtureMatrixColumn[size_t(source)] = m.fixtureMatrixColumn[size_t(target)];
    m.fixtureMatrixRow[size_t(source)] = m.fixtureMatrixRow[size_t(target)];
    swapFixturePositions(source, target);
    m.fixtureMatrixColumn[size_t(target)] = sourceColumn;
    m.fixtureMatrixRow[size_t(target)] = sourceRow;
    return true;
}

QString MatrixAddressing::addressText(int32_t f) const {
    const int32_t s = f >= 1 && size_t(f) < m.fixtureStartChannel.size() ? m.fixtureStartChannel[size_t(f)] : 0;
    const int32_t universe = s >= 1 ? (s - 1) / 512 + 1 : 0;
    const int32_t channel = s >= 1 ? (s - 1) % 512 + 1 : 0;
    return QString::number(channel) + QLatin1Char(':') + QString::number(universe);
}

bool MatrixAddressing::cellAt(double x, double y, double pitchX, double pitchY, int32_t& c, int32_t& r) {
    const int64_t px = int64_t(std::nearbyint(pitchX)), py = int64_t(std::nearbyint(pitchY));
    if (px <= 0 || py <= 0 || x < 0 || y < 0) return false;
    c = int32_t(int64_t(std::nearbyint(x)) / px);
    r = int32_t(int64_t(std::nearbyint(y)) / py);
    return true;
}

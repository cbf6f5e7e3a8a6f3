#pragma once
// The engine of the "Matrix Addressing" window: one matrix's pixels, their
// numbering in any of the eight standard orders, the swap of two pixels by
// dragging one cell onto another, and the layout icons placed as a grid.

#include <QString>
#include <cstdint>

struct ChannelModel;

class MatrixAddressing {
public:
    explicit MatrixAddressing(ChannelModel& model) : m(model) {}

    // Names the matrix shown and measures it.
    void setMatrixName(const QString& theName);
    const QString& matrixName() const { return name; }
    // Width, height (each at least 1), first and last fixture of the matrix.
    bool findMatrixDimension();
    int32_t width() const { return columns; }
    int32_t height() const { return rows; }
    int32_t firstFixture() const { return first; }
    int32_t lastFixture() const { return last; }
    bool belongs(int32_t f) const;

    // The captions of the two direction buttons decide the order; any other
    // caption changes nothing (answers false).
    bool applyOrder(const QString& horizontalCaption, const QString& verticalCaption, bool vertical);
    // Gives every pixel of the matrix a new column and row, then lays the icons out.
    void renumberMatrix(bool topToBottom, bool leftToRight, bool vertical);
    // Puts each pixel's layout icon 270 units per column and row from 0, 0.
    void buildMatrixLayout();
    // Lowest pixel fixture at a 0-based cell; 0 when the cell is empty.
    int32_t fixtureAtCell(int32_t c, int32_t r) const;
    void swapFixturePositions(int32_t a, int32_t b);

    // A press and a release on 0-based cells; dropping one pixel on another swaps them.
    void pressCell(int32_t c, int32_t r);
    // Answers whether two pixels were swapped.
    bool releaseCell(int32_t c, int32_t r);

    // The cell label of a pixel: its number in the matrix and "channel:universe".
    int32_t pixelNumber(int32_t f) const { return f - first + 1; }
    QString addressText(int32_t f) const;

    // The 0-based cell under a point of a picture whose cells are `pitchX` by
    // `pitchY` apart; none while the pitch is still 0.
    static bool cellAt(double x, double y, double pitchX, double pitchY, int32_t& c, int32_t& r);

private:
    ChannelModel& m;
    QString name;
    int32_t columns = 1, rows = 1, first = 0, last = 0;
    int32_t dragFixture = 0, dragColumn = 0, dragRow = 0;
};

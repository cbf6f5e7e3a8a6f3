#pragma once
// The grid picture of the matrix windows: cells of a computed width and
// height with a gap of 2 between them, each filled with its colour. Only
// changed cells are repainted.

#include <QWidget>
#include <cstdint>
#include <functional>

class MatrixGrid : public QWidget {
    Q_OBJECT
public:
    struct Cell {
        int32_t colour = -1; // -1: the background shows
        QString text;        // drawn in the cell (two lines)
    };
    // Geometry and cells come from the owner.
    std::function<int32_t()> columns, rows;
    std::function<float()> cellWidth, cellHeight, gap;
    std::function<Cell(int32_t x, int32_t y)> cell;
    std::function<void(QSize)> resized;
    std::function<void(QPoint)> pressed, released;
    // Pixel painting: the mouse moved with buttons held, and released with a button.
    std::function<void(QPointF, Qt::MouseButtons)> moved;
    std::function<void(QPointF, Qt::MouseButton)> releasedButton;

    explicit MatrixGrid(QWidget* parent = nullptr);
    // The box of a cell in widget pixels.
    QRectF cellRect(int32_t x, int32_t y) const;
    void updateCell(int32_t x, int32_t y);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

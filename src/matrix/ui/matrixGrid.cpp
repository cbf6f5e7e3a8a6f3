#include "matrix/ui/matrixGrid.h"

#include "matrix/modGradient.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

MatrixGrid::MatrixGrid(QWidget* parent) : QWidget(parent) {
    setMinimumSize(160, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRectF MatrixGrid::cellRect(int32_t x, int32_t y) const {
    const float w = cellWidth ? cellWidth() : 0, h = cellHeight ? cellHeight() : 0, g = gap ? gap() : 0;
    return QRectF((g + w) * x, (h + g) * y, w, h);
}

void MatrixGrid::updateCell(int32_t x, int32_t y) { update(cellRect(x, y).toAlignedRect().adjusted(-1, -1, 1, 1)); }

void MatrixGrid::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), Qt::black);
    if (!columns || !rows || !cell) return;
    const int32_t nx = columns(), ny = rows();
    if (nx <= 0 || ny <= 0 || nx * int64_t(ny) > 32767 * 4) return;
    QFont small = font();
    small.setPointSizeF(5);
    p.setFont(small);
    for (int32_t y = 0; y < ny; ++y)
        for (int32_t x = 0; x < nx; ++x) {
            const QRectF box = cellRect(x, y);
            if (!box.intersects(e->rect())) continue;
            const Cell c = cell(x, y);
            if (c.colour >= 0) p.fillRect(box, QColor::fromRgb(modGradient::toPixel(c.colour)));
            if (!c.text.isEmpty()) {
                p.setPen(Qt::white);
                p.drawText(box, Qt::AlignLeft | Qt::AlignTop, c.text);
            }
        }
}

void MatrixGrid::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (resized) resized(size());
}

void MatrixGrid::mousePressEvent(QMouseEvent* e) {
    if (pressed) pressed(e->position().toPoint());
}

void MatrixGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (released) released(e->position().toPoint());
    if (releasedButton) releasedButton(e->position(), e->button());
}

void MatrixGrid::mouseMoveEvent(QMouseEvent* e) {
    if (moved && e->buttons() != Qt::NoButton) moved(e->position(), e->buttons());
}

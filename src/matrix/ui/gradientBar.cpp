#include "matrix/ui/gradientBar.h"

#include "matrix/brumalMatrixEngine.h"
#include "matrix/modGradient.h"

#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int unit = GradientEditor::unitsPerPixel;
constexpr int markTop = 0, markBottom = 6, pointerTop = 8, pointerHeight = 19, lineY = 28, gradientTop = 30,
              gradientHeight = 16;

} // namespace

GradientBar::GradientBar(BrumalMatrixEngine& engine, QWidget* parent) : QWidget(parent), e(engine) {
    setObjectName(QStringLiteral("fraPointer"));
    setToolTip(QStringLiteral("Drag to Add Color to Color List"));
    setFixedSize(GradientEditor::barEnd / unit + 16, gradientTop + gradientHeight + 2);
}

QRect GradientBar::pointerRect(int32_t index) const {
    const GradientEditor::Pointer& p = e.editor.pointer(index);
    return QRect(p.left / unit, pointerTop, e.editor.pointerWidth / unit, pointerHeight);
}

int32_t GradientBar::pointerAt(QPoint point) const {
    if (front >= 1 && front <= e.editor.pointerCount() && pointerRect(front).contains(point)) return front;
    for (int32_t i = e.editor.pointerCount(); i >= 1; --i)
        if (pointerRect(i).contains(point)) return i;
    return 0;
}

void GradientBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    for (const int32_t x : e.editor.snapMarks()) p.drawLine(x / unit, markTop, x / unit, markBottom);
    p.drawLine(GradientEditor::barStart / unit, lineY, GradientEditor::barEnd / unit, lineY);
    p.drawImage(QRect(GradientEditor::barStart / unit, gradientTop, (GradientEditor::barEnd - GradientEditor::barStart) / unit,
                      gradientHeight),
                e.editor.picGradient);
    auto drawOne = [&](int32_t i) {
        const QRect r = pointerRect(i);
        const GradientEditor::Pointer& ptr = e.editor.pointer(i);
        p.fillRect(r, ptr.selectedLook ? QColor(Qt::white) : palette().color(QPalette::Button));
        p.setPen(ptr.selectedLook ? QColor(Qt::red) : palette().color(QPalette::Dark));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        // The swatch, then the tip in the stop's colour.
        const QColor c = QColor::fromRgb(modGradient::toPixel(ptr.colour));
        p.fillRect(QRect(r.left() + 2, r.top() + 2, r.width() - 4, 13), c);
        p.fillRect(QRect(r.left() + 3, r.top() + 16, r.width() - 6, 3), c);
    };
    for (int32_t i = 1; i <= e.editor.pointerCount(); ++i)
        if (i != front) drawOne(i);
    if (front >= 1 && front <= e.editor.pointerCount()) drawOne(front);
}

void GradientBar::mousePressEvent(QMouseEvent* ev) {
    const int32_t i = pointerAt(ev->position().toPoint());
    if (i == 0) return;
    pressed = i;
    if (ev->button() == Qt::LeftButton) {
        // The cursor goes 5 pixels right of the pointer's left edge.
        const QPoint global = mapToGlobal(QPoint(pointerRect(i).left() + 5, ev->position().toPoint().y()));
        QCursor::setPos(global.x(), QCursor::pos().y());
        e.pointerPressed(i, BrumalMatrixEngine::Button::Left);
        front = i;
    } else if (ev->button() == Qt::RightButton) {
        if (e.pointerPressed(i, BrumalMatrixEngine::Button::Right) && menu) menu->popup(ev->globalPosition().toPoint());
    }
    update();
}

void GradientBar::mouseMoveEvent(QMouseEvent* ev) {
    if (pressed == 0) return;
    e.pointerDragged(pressed, ev->position().x() * unit, ev->buttons() & Qt::LeftButton);
    update();
}

void GradientBar::mouseReleaseEvent(QMouseEvent*) {
    if (pressed == 0) return;
    pressed = 0;
    e.pointerReleased();
    update();
}

#pragma once
// The gradient editor's pointer frame: the snap marks, the bar line with
// the gradient below it, and one pointer per stop (the spare beside the
// bar). The frame's units are 15 to a pixel.

#include <QWidget>
#include <cstdint>
#include <functional>

class BrumalMatrixEngine;
class QMenu;

class GradientBar : public QWidget {
    Q_OBJECT
public:
    GradientBar(BrumalMatrixEngine& engine, QWidget* parent);
    // The pointer under a point of the widget (0: none).
    int32_t pointerAt(QPoint p) const;
    QRect pointerRect(int32_t index) const;
    QMenu* menu = nullptr;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    BrumalMatrixEngine& e;
    int32_t pressed = 0; // the pointer holding the mouse
    int32_t front = 0;   // the pointer drawn over the others
};

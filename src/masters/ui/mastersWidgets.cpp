#include "masters/ui/mastersWidgets.h"

#include "masters/gradientCaption.h"

#include <QMouseEvent>
#include <QPainter>

namespace mastersUi {
void paintFace(QWidget* button, int32_t colour) {
    const QColor c = bgr(colour);
    const QColor text = c.lightness() > 128 ? Qt::black : Qt::white;
    button->setStyleSheet(QStringLiteral("QPushButton#%1 { background-color: %2; color: %3; }")
                              .arg(button->objectName(), c.name(), text.name()));
}
} // namespace mastersUi

void GroupCaption::set(const QString& caption, const QString& second, int32_t endColour) {
    first = caption;
    secondText = second;
    colour = endColour;
    update();
}

void GroupCaption::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int h = height();
    for (const auto& b : gradientCaption::bands(h, 0, colour))
        p.fillRect(QRect(0, b.top, width(), b.bottom - b.top), mastersUi::bgr(b.colour));
    p.setPen(Qt::white);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    auto upwards = [&](int x, int y, const QString& text) {
        p.save();
        p.translate(x + p.fontMetrics().ascent(), y);
        p.rotate(-90);
        p.drawText(0, 0, text);
        p.restore();
    };
    upwards(5, h - 8, first);
    upwards(5, h / 6, secondText);
}

void GroupCaption::mouseReleaseEvent(QMouseEvent*) {
    if (clicked) clicked(index);
}

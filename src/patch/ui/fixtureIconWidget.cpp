#include "patch/ui/fixtureIconWidget.h"

#include "patch/FixtureIcon.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int twipsPerPixel = 15;
int px(int twips) { return twips / twipsPerPixel; }
QColor bgr(int colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }
QRect partRect(const FixtureIcon& ic, int part) {
    const auto& g = ic.parts[size_t(part)];
    return QRect(px(g.left), px(g.top), std::max(1, px(g.width)), std::max(1, px(g.height)));
}
} // namespace

FixtureIconWidget::FixtureIconWidget(QWidget* parent, FixtureIcon& i) : QWidget(parent), icon(i) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("Flable%1").arg(i.index()));
    sync();
}

void FixtureIconWidget::sync() {
    setGeometry(px(icon.Left), px(icon.Top), std::max(1, px(icon.Width)), std::max(1, px(icon.Height)));
    setToolTip(icon.toolTip);
    if (loadedIcon != icon.iconPath) {
        loadedIcon = icon.iconPath;
        picture = loadedIcon.isEmpty() ? QPixmap() : QPixmap(loadedIcon);
    }
    if (loadedGobo != icon.goboPath) {
        loadedGobo = icon.goboPath;
        gobo = loadedGobo.isEmpty() ? QPixmap() : QPixmap(loadedGobo);
    }
    setVisible(icon.Visible);
    update();
}

QString fixtureLabelText(const QString& name, const QFontMetrics& metrics, int width) {
    const QString whole = name.trimmed();
    if (metrics.horizontalAdvance(whole) <= width) return whole;
    const qsizetype space = whole.lastIndexOf(QLatin1Char(' '));
    bool numbered = false;
    if (space > 0) whole.mid(space + 1).toInt(&numbered);
    if (!numbered) return metrics.elidedText(whole, Qt::ElideRight, width);
    const QString number = whole.mid(space); // with its blank
    const int room = width - metrics.horizontalAdvance(number);
    if (room <= metrics.horizontalAdvance(QChar(0x2026))) return number.trimmed();
    return metrics.elidedText(whole.left(space), Qt::ElideRight, room) + number;
}

void FixtureIconWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), bgr(icon.controlBack));
    using P = FixtureIcon;
    if (icon.parts[P::lblColor].visible) p.fillRect(partRect(icon, P::lblColor), bgr(icon.swatchColour));
    if (icon.parts[P::imgFixtureIcon].visible) {
        if (!picture.isNull()) p.drawPixmap(partRect(icon, P::imgFixtureIcon), picture);
        else p.fillRect(partRect(icon, P::imgFixtureIcon), QColor(96, 96, 96));
    }
    if (icon.parts[P::imgGobo].visible && !gobo.isNull()) p.drawPixmap(partRect(icon, P::imgGobo), gobo);
    QFont font = p.font();
    font.setPointSizeF(icon.labelFontSize);
    p.setFont(font);
    if (icon.parts[P::lblIntensity].visible) {
        const QRect r = partRect(icon, P::lblIntensity);
        const int v = icon.dimmerValue;
        p.fillRect(r, QColor(v, v, v));
        p.setPen(v > 128 ? Qt::black : Qt::white);
        p.drawText(r, Qt::AlignCenter, icon.dimmerCaption);
    }
    if (icon.parts[P::lblFixtureName].visible) {
        const QRect r = partRect(icon, P::lblFixtureName);
        p.fillRect(r, bgr(icon.labelBack));
        p.setPen(Qt::black);
        const QString text = fixtureLabelText(icon.myFixtureName, p.fontMetrics(), r.width());
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, text);
    }
    p.setPen(QPen(bgr(icon.borderColour), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(partRect(icon, P::Shape1).adjusted(0, 0, -1, -1));
}

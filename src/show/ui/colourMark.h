#pragma once
// The colour mark of a button (the shown section, the chosen drive, a
// pending change): kept as the button's "mark" property, in blue-green-red
// order, and drawn as a bar at its left edge.

#include <QPushButton>

inline void setColourMark(QPushButton* button, int mark) {
    button->setProperty("mark", mark);
    if (mark == 0) {
        button->setStyleSheet(QString());
        return;
    }
    const QString colour = QStringLiteral("#%1%2%3")
                               .arg(mark & 0xFF, 2, 16, QLatin1Char('0'))
                               .arg((mark >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                               .arg((mark >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
    button->setStyleSheet(
        QStringLiteral("QPushButton#%1 { border-left: 6px solid %2; }").arg(button->objectName(), colour));
}

inline int colourMarkOf(const QWidget* button) { return button->property("mark").toInt(); }

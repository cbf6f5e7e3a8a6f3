#pragma once
// Small helpers the parts of the profile editor window share.

#include "shell/numberText.h"

#include <QColor>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <optional>

namespace lightEditorParts {

// Window units: twips at 96 dots per inch.
inline int tw(int twips) { return twips / 15; }

// Colour values are blue-green-red.
inline QColor bgr(int v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

// The style sheet names its widget (class and object name), so a colour
// never spreads to the widget's children.
inline QString styleFor(QWidget* w, const QString& body) {
    if (w->objectName().isEmpty()) w->setObjectName(QStringLiteral("w%1").arg(reinterpret_cast<quintptr>(w), 0, 16));
    return QStringLiteral("%1#%2 { %3 }").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), body);
}

inline void paint(QWidget* w, int background) {
    w->setStyleSheet(styleFor(w, QStringLiteral("background-color: %1;").arg(bgr(background).name())));
}

inline void setTextColours(QLineEdit* box, int text, int background) {
    box->setStyleSheet(styleFor(box, QStringLiteral("color: %1; background-color: %2;")
                                         .arg(bgr(text).name(), bgr(background).name())));
}

// A field's text as a number, the whole text (blanks around it allowed);
// empty when it is not one.
inline std::optional<double> strictNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok) return std::nullopt;
    return v;
}

inline double val(const QString& text) { return numberText::leadingValue(text); }

} // namespace lightEditorParts

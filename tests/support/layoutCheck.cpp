#include "support/layoutCheck.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

namespace layoutCheck {

namespace {

QString nameOf(const QWidget* w) {
    const QString name = w->objectName();
    return QString::fromLatin1(w->metaObject()->className()) + (name.isEmpty() ? QString() : "#" + name);
}

bool shown(const QWidget* w) { return w->isVisible() && w->width() > 0 && w->height() > 0; }

// The space a control gives its text.
int roomForText(const QWidget* w) {
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        const int indicator = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                              w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
        return w->width() - indicator;
    }
    if (qobject_cast<const QPushButton*>(w)) return w->width() - 4;
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->contentsRect().width();
    return w->width();
}

void checkText(const QWidget* w, QStringList& out) {
    QString text;
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->wordWrap() || l->textFormat() == Qt::RichText || !l->pixmap().isNull()) return;
        text = l->text();
    } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (auto* t = qobject_cast<const QToolButton*>(w); t && t->toolButtonStyle() == Qt::ToolButtonIconOnly) return;
        text = b->text();
    } else {
        return;
    }
    text.remove(QLatin1Char('&'));
    if (text.trimmed().isEmpty()) return;
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, QFontMetrics(w->font()).horizontalAdvance(line));
    if (widest > roomForText(w))
        out << QStringLiteral("%1 cuts its text \"%2\" (%3 px wide, room %4 px)")
                   .arg(nameOf(w), text)
                   .arg(widest)
                   .arg(roomForText(w));
}

void walk(QWidget* parent, QStringList& out) {
    QList<QWidget*> children;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && shown(w)) children << w;
    for (int i = 0; i < children.size(); ++i) {
        checkText(children[i], out);
        for (int j = i + 1; j < children.size(); ++j)
            if (children[i]->geometry().intersects(children[j]->geometry()))
                out << QStringLiteral("%1 overlaps %2").arg(nameOf(children[i]), nameOf(children[j]));
    }
    for (QWidget* w : children) {
        // A scroll area's viewport and bars are the area's own business.
        if (qobject_cast<QAbstractScrollArea*>(w) && !qobject_cast<QAbstractScrollArea*>(parent)) {
            if (auto* area = qobject_cast<QAbstractScrollArea*>(w); area->viewport())
                for (QObject* o : area->viewport()->children())
                    if (auto* c = qobject_cast<QWidget*>(o); c && shown(c)) walk(c, out);
            continue;
        }
        walk(w, out);
    }
}

} // namespace

QStringList problems(QWidget& window) {
    QStringList out;
    walk(&window, out);
    return out;
}

QStringList problemsAtFontSize(QWidget& window, int pointSize) {
    QFont f = window.font();
    f.setPointSize(pointSize);
    window.setFont(f);
    if (!window.isVisible()) window.show();
    // Let the layouts take the new font and size.
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        if (window.layout()) window.layout()->activate();
        window.adjustSize();
    }
    QApplication::processEvents();
    return problems(window);
}

} // namespace layoutCheck

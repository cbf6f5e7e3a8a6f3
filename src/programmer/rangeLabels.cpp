#include "programmer/rangeLabels.h"

#include "shell/libParsePath.h"
#include "shell/numberText.h"
#include "shell/shell.h"

#include <QFileInfo>
#include <algorithm>

namespace rangeLabels {

Kind rangeLabelKind(const QString& label) {
    if (label.isEmpty()) return empty;
    const QChar first = label.size() < 4 ? label.front() : label.at(label.size() - 4);
    if (first >= QLatin1Char('0') && first <= QLatin1Char('9')) return colour;
    const QString tail = label.right(4).trimmed().toLower();
    if (tail == QLatin1String(".bmp") || tail == QLatin1String(".ico")) return picture;
    return text;
}

int32_t swatchColour(const QString& label) {
    const double v = numberText::leadingValue(label);
    return int32_t(std::clamp(v, 0.0, double(0xFFFFFF)));
}

QString picturePath(const QString& label) {
    const QString name = libParsePath::ParsePath(label.trimmed(), 6);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return {};
    const QString path = shell().programPath(QStringLiteral("images\\") + name);
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace rangeLabels

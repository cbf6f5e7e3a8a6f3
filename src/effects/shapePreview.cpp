#include "effects/shapePreview.h"

#include "platform/safeFile.h"
#include "shell/shapeFile.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace shapePreview {

namespace {
// The size of a file of the largest step count an Integer holds.
constexpr qint64 largestFile = 5 + 4 * qint64(std::numeric_limits<int16_t>::max());
} // namespace

QString shapesFolder() { return shell().programPath(QStringLiteral("Shapes")); }

QStringList listShapeFiles() {
    QDir dir(shapesFolder());
    dir.setNameFilters({QStringLiteral("*.ysh*")});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

bool drawable(const QString& fileName) { return fileName.endsWith(QLatin1String(".YSH"), Qt::CaseSensitive); }

QString previewBitmapPath(const QString& fileName) {
    return shell().programPath(QStringLiteral("Images\\Shapes\\") + QFileInfo(fileName).completeBaseName() +
                               QStringLiteral(".bmp"));
}

bool loadPreviewShape(const QString& path, std::vector<Point>& steps, QString* why) {
    auto refuse = [&](const QString& text) {
        if (why) *why = text;
        return false;
    };
    const QFileInfo info(path);
    if (path.trimmed().isEmpty() || !info.isFile()) return refuse(QStringLiteral("The shape file is missing."));
    // A file larger than any step count allows is not read at all.
    if (info.size() > largestFile) return refuse(QStringLiteral("The shape file is too large."));
    QByteArray bytes;
    QString error;
    if (!safeFile::readWhole(path, bytes, &error)) return refuse(error);
    shapeFile::Shape shape;
    if (!shapeFile::decode(bytes, shape, why)) return false;
    std::vector<Point> read;
    read.reserve(shape.steps.size());
    for (const shapeFile::Step& s : shape.steps) read.push_back(placeOf(s.pan, s.tilt));
    steps = std::move(read);
    return true;
}

Point placeOf(int16_t pan, int16_t tilt) { return {(255 - int32_t(pan)) * 10, (255 - int32_t(tilt)) * 10}; }

} // namespace shapePreview

#include "effects/shapePreview.h"

#include "platform/byteRecord.h"
#include "platform/safeFile.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace shapePreview {

namespace {
// Step count, N pan/tilt pairs and the three bytes the console keeps after them.
constexpr qint64 sizeFor(qint64 steps) { return 5 + 4 * steps; }
constexpr qint64 largestFile = sizeFor(std::numeric_limits<int16_t>::max());
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
    ByteReader r(bytes);
    const int16_t n = r.i16();
    if (!r.ok() || n < 1) return refuse(QStringLiteral("The shape file holds no steps."));
    if (bytes.size() != sizeFor(n)) return refuse(QStringLiteral("The shape file's size does not match its steps."));
    std::vector<Point> read;
    read.reserve(size_t(n));
    for (int16_t i = 0; i < n; ++i) {
        const int16_t pan = r.i16();
        const int16_t tilt = r.i16();
        read.push_back(placeOf(pan, tilt));
    }
    steps = std::move(read);
    return true;
}

Point placeOf(int16_t pan, int16_t tilt) { return {(255 - int32_t(pan)) * 10, (255 - int32_t(tilt)) * 10}; }

} // namespace shapePreview

#include "matrix/pictureLists.h"

#include "matrix/animatedGif.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

QString pictureLists::imageFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("images/MatrixImages")) + QLatin1Char('/');
}

QString pictureLists::gifFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("images/MatrixGIFs")) + QLatin1Char('/');
}

pictureLists::Loaded pictureLists::load(const QString& folder, qint64 maxBytes) {
    Loaded result;
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder)) {
        result.messages << QStringLiteral("Error Loading Images: the folder %1 cannot be created.").arg(folder);
        return result;
    }
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        const QString name = file.fileName();
        if (name.isEmpty()) continue;
        if (maxBytes >= 0 && file.size() > maxBytes) {
            result.messages << QStringLiteral(" FILE: ") + folder + name +
                                   QStringLiteral("  This File Is too large, reduce resolution and then try again.");
            continue;
        }
        QImageReader reader(file.filePath());
        const QSize declared = reader.size();
        QImage picture;
        QString why;
        if (declared.isValid() && int64_t(declared.width()) * declared.height() > animatedGif::maxPicturePixels)
            why = QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(declared.width()).arg(declared.height());
        else if (!reader.read(&picture))
            why = reader.errorString();
        if (picture.isNull()) {
            result.messages << QStringLiteral(" FILE: ") + folder + name +
                                   QStringLiteral("  This File cannot be read as a picture: ") + why;
            continue;
        }
        result.items.push_back({name, picture.scaled(iconSize, iconSize).convertToFormat(QImage::Format_RGB32)});
    }
    return result;
}

QString pictureLists::copyInto(const QStringList& dropped, const QString& folder) {
    if (dropped.isEmpty() || dropped.front().isEmpty()) return QStringLiteral("The drop carries no file.");
    const QFileInfo source(dropped.front());
    if (!source.isFile()) return QStringLiteral("%1 is not a file.").arg(source.filePath());
    if (!QDir().mkpath(folder)) return QStringLiteral("The folder %1 cannot be created.").arg(folder);
    const QString target = QDir(folder).filePath(source.fileName());
    // A file dropped from the folder itself is already there: removing the
    // target first would lose it.
    if (QFileInfo(target).exists() && QFileInfo(target).canonicalFilePath() == source.canonicalFilePath()) return {};
    QFile existing(target);
    if (existing.exists() && !existing.remove()) return existing.errorString();
    QFile in(source.filePath());
    if (!in.copy(target)) return in.errorString();
    return {};
}

QString pictureLists::deleteFrom(const QString& folder, const QString& name) {
    if (name.isEmpty()) return QStringLiteral(": no file is selected.");
    if (name.contains(QLatin1Char('/')) || name == QLatin1String("..") || name == QLatin1String("."))
        return QStringLiteral(": %1 is not a file of the folder.").arg(name);
    const QFileInfo file(QDir(folder).filePath(name));
    if (!file.exists()) return QStringLiteral(": %1 does not exist.").arg(file.filePath());
    if (!file.isWritable()) return QStringLiteral(": %1 is read-only.").arg(file.filePath());
    QFile f(file.filePath());
    if (!f.remove()) return QStringLiteral(": ") + f.errorString();
    return {};
}

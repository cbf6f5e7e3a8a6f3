#include "platform/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace paths {

QString realPath(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.isEmpty()) return p;
    const bool absolute = p.startsWith(QLatin1Char('/'));
    const QStringList parts = p.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    QString built = absolute ? QStringLiteral("/") : QString();
    bool resolving = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty()) {
            if (i == parts.size() - 1 && i > 0) built += QLatin1Char('/'); // keep a trailing slash
            continue;
        }
        QString name = part;
        if (resolving && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QDir dir(built.isEmpty() ? QStringLiteral(".") : built);
            if (!QFileInfo::exists(dir.filePath(part))) {
                const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                bool found = false;
                for (const QString& entry : entries) {
                    if (entry.compare(part, Qt::CaseInsensitive) == 0) { name = entry; found = true; break; }
                }
                if (!found) resolving = false;
            }
        }
        if (!built.isEmpty() && !built.endsWith(QLatin1Char('/'))) built += QLatin1Char('/');
        built += name;
    }
    return built;
}

QString joinStored(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('\\') + name;
}

bool seedFolder(const QString& from, const QString& to) {
    bool ok = QDir().mkpath(to);
    const QDir source(from);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(src));
        const QFileInfo info(src);
        if (info.isDir()) {
            ok = QDir().mkpath(target) && ok;
        } else if (!QFileInfo::exists(target)) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            ok = QFile::copy(src, target) && ok;
        }
    }
    return ok;
}

} // namespace paths

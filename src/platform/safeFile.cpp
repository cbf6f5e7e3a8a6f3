#include "platform/safeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace safeFile {

namespace {
// Our own temporaries carry this mark, so a start after a kill mid-save can
// find and remove them without touching anything else in the folder.
const QString temporaryMark = QStringLiteral(".~vdmxsave.");

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

QString errnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }
} // namespace

bool isOwnTemporary(const QString& fileName) {
    const qsizetype at = fileName.lastIndexOf(temporaryMark);
    return at > 0 && fileName.size() - at - temporaryMark.size() == 6;
}

namespace {
// The bytes go to a temporary beside the target, which is renamed over it;
// with `sync` the data and then the folder are synced to disk on the way.
bool replaceByRename(const QString& path, const QByteArray& bytes, QString* error, bool sync) {
    const QFileInfo target(path);
    if (target.isDir()) return fail(error, QStringLiteral("%1 is a folder").arg(path));
    QTemporaryFile file(path + temporaryMark + QStringLiteral("XXXXXX"));
    file.setAutoRemove(true);
    if (!file.open()) return fail(error, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush()) return fail(error, file.errorString());
    if (sync && ::fsync(file.handle()) != 0) return fail(error, errnoText());
    // Keep the target's permissions (a new file gets the usual ones).
    file.setPermissions(target.exists() ? target.permissions()
                                        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                              QFileDevice::ReadOther);
    // rename() replaces the target in one step; QFile::rename would refuse
    // an existing target.
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return fail(error, QStringLiteral("%1: %2").arg(path, errnoText()));
    file.setAutoRemove(false);
    // The rename lives in the folder: until the folder is synced, a power
    // cut can bring back the old entry.
    return !sync || syncFolder(target.absolutePath(), error);
}
} // namespace

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error) {
    return replaceByRename(path, bytes, error, true);
}

bool writeWholeUnsynced(const QString& path, const QByteArray& bytes, QString* error) {
    return replaceByRename(path, bytes, error, false);
}

int removeStaleTemporaries(const QString& folder) {
    int removed = 0;
    QDirIterator it(folder, {QStringLiteral("*") + temporaryMark + QStringLiteral("*")},
                    QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (isOwnTemporary(it.fileName()) && QFile::remove(path)) ++removed;
    }
    return removed;
}

bool syncFileSystem(const QString& folder, QString* error) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::syncfs(fd) != 0) {
        if (error) *error = QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        if (fd >= 0) ::close(fd);
        return false;
    }
    ::close(fd);
    return true;
}

bool readWhole(const QString& path, QByteArray& bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    bytes = file.readAll();
    return true;
}

bool syncFolder(const QString& folder, QString* error) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    int rc = 0;
    do {
        rc = ::fsync(fd);
    } while (rc != 0 && errno == EINTR);
    const int syncError = rc == 0 ? 0 : errno;
    ::close(fd);
    // File systems that cannot sync a folder say so with EINVAL; there the
    // rename is as durable as that file system makes it.
    if (syncError != 0 && syncError != EINVAL && syncError != ENOTSUP) {
        if (error) *error = QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(syncError)));
        return false;
    }
    return true;
}

} // namespace safeFile

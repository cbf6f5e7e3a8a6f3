#include "platform/safeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace safeFile {

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    // commit() syncs the temporary file's data and renames it over the target.
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    // The rename lives in the folder: until the folder is synced, a power
    // cut can bring back the old entry.
    return syncFolder(QFileInfo(path).absolutePath(), error);
}

bool writeWholeUnsynced(const QString& path, const QByteArray& bytes, QString* error) {
    const QFileInfo target(path);
    QFile file(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".writing"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush()) {
        if (error) *error = file.errorString();
        file.remove();
        return false;
    }
    file.close();
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        if (error) *error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        file.remove();
        return false;
    }
    return true;
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

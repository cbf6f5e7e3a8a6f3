#include "platform/safeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
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

#include "platform/fileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path native(const QString& path) { return fs::path(path.toStdString()); }

bool failed(QString* error, const QString& what, const std::error_code& ec) {
    if (error) *error = what + QStringLiteral(": ") + QString::fromStdString(ec.message());
    return false;
}

// The entry of `folder` whose name equals `name` without regard to case;
// `name` itself when there is none.
QString matchingChild(const QString& folder, const QString& name) {
    const QStringList children = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& child : children)
        if (child.compare(name, Qt::CaseInsensitive) == 0) return child;
    return name;
}

} // namespace

bool FileSystem::exists(const QString& path) {
    std::error_code ec;
    return fs::exists(native(path), ec);
}

bool FileSystem::isFolder(const QString& path) {
    std::error_code ec;
    return fs::is_directory(native(path), ec);
}

bool FileSystem::makeFolders(const QString& path, QString* error) {
    std::error_code ec;
    fs::create_directories(native(path), ec);
    if (ec) return failed(error, path, ec);
    return true;
}

bool FileSystem::makeFolder(const QString& path, QString* error) {
    std::error_code ec;
    fs::create_directory(native(path), ec);
    if (ec) return failed(error, path, ec);
    return true;
}

bool FileSystem::removeFolder(const QString& path, QString* error) {
    std::error_code ec;
    fs::remove_all(native(path), ec);
    if (ec) return failed(error, path, ec);
    return true;
}

bool FileSystem::copyFile(const QString& from, const QString& to, QString* error) {
    const QString temporary = to + QStringLiteral(".copying");
    std::error_code ec;
    fs::copy_file(native(from), native(temporary), fs::copy_options::overwrite_existing, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(native(temporary), ignored);
        return failed(error, from, ec);
    }
    fs::rename(native(temporary), native(to), ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(native(temporary), ignored);
        return failed(error, to, ec);
    }
    return true;
}

bool FileSystem::copyContents(const QString& from, const QString& to, QString* error) {
    if (!isFolder(from)) {
        if (error) *error = from + QStringLiteral(": no such folder");
        return false;
    }
    if (!makeFolders(to, error)) return false;
    const QFileInfoList entries =
        QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString target = to + QLatin1Char('/') + matchingChild(to, entry.fileName());
        const bool ok = entry.isDir() ? copyContents(entry.absoluteFilePath(), target, error)
                                      : copyFile(entry.absoluteFilePath(), target, error);
        if (!ok) return false;
    }
    return true;
}

bool FileSystem::rename(const QString& from, const QString& to, QString* error) {
    std::error_code ec;
    if (fs::exists(native(to), ec)) {
        if (error) *error = to + QStringLiteral(": exists already");
        return false;
    }
    fs::rename(native(from), native(to), ec);
    if (ec) return failed(error, from, ec);
    return true;
}

std::vector<Drive> LocalFileSystem::drives() {
    std::vector<Drive> out;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || volume.isReadOnly()) continue;
        const QString root = volume.rootPath();
        const QString label = volume.displayName();
        out.push_back({label == root ? root : label + QStringLiteral(" (") + root + QLatin1Char(')'), root});
    }
    return out;
}

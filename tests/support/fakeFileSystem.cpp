#include "support/fakeFileSystem.h"

#include <QDir>

QString FakeFileSystem::addDrive(const QString& name) {
    const QString root = dir.path() + QLatin1Char('/') + name;
    QDir().mkpath(root);
    attached.push_back({name, root});
    return root;
}

bool FakeFileSystem::copyFile(const QString& from, const QString& to, QString* error) {
    if (!failCopiesOf.isEmpty() && from.contains(failCopiesOf)) {
        if (error) *error = from + QStringLiteral(": device not ready");
        return false;
    }
    return FileSystem::copyFile(from, to, error);
}

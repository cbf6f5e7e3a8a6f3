#pragma once
// Drives that are folders of a temporary directory, on the real file
// operations; a copy can be made to fail.

#include "platform/fileSystem.h"

#include <QTemporaryDir>

class FakeFileSystem final : public FileSystem {
public:
    std::vector<Drive> drives() override { return attached; }
    // A new empty drive with that name; returns its root.
    QString addDrive(const QString& name);
    bool copyFile(const QString& from, const QString& to, QString* error) override;

    // Copies of a source whose path contains this text fail (none when empty).
    QString failCopiesOf;
    std::vector<Drive> attached;

private:
    QTemporaryDir dir;
};

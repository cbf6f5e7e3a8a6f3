#pragma once
// File-system work of backup and restore: the drive list (a drive is a
// mounted volume), folders and copies. Every operation answers false with a
// description of what went wrong instead of throwing.

#include <QString>
#include <vector>

struct Drive {
    QString name; // as the operator sees it: the volume's name and where it is mounted
    QString root; // real path of the volume's root, without a trailing slash (except "/")
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The mounted volumes that can be written to.
    virtual std::vector<Drive> drives() = 0;
    virtual bool exists(const QString& path);
    virtual bool isFolder(const QString& path);
    // Makes the folder and any missing parents.
    virtual bool makeFolders(const QString& path, QString* error);
    // Makes the folder when its parent exists.
    virtual bool makeFolder(const QString& path, QString* error);
    // Removes a folder with everything in it; a missing folder is no error.
    virtual bool removeFolder(const QString& path, QString* error);
    // Copies one file over any file of that name (through a temporary beside
    // the target and a rename).
    virtual bool copyFile(const QString& from, const QString& to, QString* error);
    // Merges every file and folder below `from` into `to` (made when
    // missing), replacing files of the same name; an existing folder of
    // another letter case takes the files.
    virtual bool copyContents(const QString& from, const QString& to, QString* error);
    // Renames a file or folder; the target must not exist.
    virtual bool rename(const QString& from, const QString& to, QString* error);
};

// The desktop's volumes (QStorageInfo) and std::filesystem.
class LocalFileSystem : public FileSystem {
public:
    std::vector<Drive> drives() override;
};

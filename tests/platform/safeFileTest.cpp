#include "platform/safeFile.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SafeFile, WriteReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.ini"));
    ASSERT_TRUE(writeWholeFile(path, "old content that is longer"));
    QString error;
    ASSERT_TRUE(safeFile::writeWhole(path, "new", &error)) << error.toStdString();
    QByteArray read;
    ASSERT_TRUE(safeFile::readWhole(path, read));
    EXPECT_EQ(read, QByteArray("new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("show.ini")});
}

TEST(SafeFile, WriteIntoAMissingFolderFailsWithAReason) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(safeFile::writeWhole(dir.filePath(QStringLiteral("no/such/a.ini")), "x", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SafeFile, FolderSyncSucceedsOnAFolderAndNamesAMissingOne) {
    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(safeFile::syncFolder(dir.path(), &error)) << error.toStdString();
    const QString missing = dir.filePath(QStringLiteral("gone"));
    EXPECT_FALSE(safeFile::syncFolder(missing, &error));
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();
}

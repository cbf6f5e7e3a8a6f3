#include "platform/safeFile.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFileInfo>
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

TEST(SafeFile, AStartAfterAKilledSaveRemovesOnlyTheSavesOwnTemporaries) {
    QTemporaryDir dir;
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("Sequences/Club")));
    // What a save killed between writing and renaming leaves, and look-alikes
    // that belong to the operator.
    const QStringList stale = {QStringLiteral("ylc.ini.~vdmxsave.a1B2c3"),
                               QStringLiteral("Sequences/Club/Intro.YSQ.~vdmxsave.ZZZZZZ")};
    const QStringList kept = {QStringLiteral("ylc.ini"), QStringLiteral("Sequences/Club/Intro.YSQ"),
                              QStringLiteral("Sequences/Club/Intro.YSQ.a1B2c3"),
                              QStringLiteral("notes.~vdmxsave.toolongname"), QStringLiteral(".~vdmxsave.abcdef")};
    for (const QString& name : stale + kept) ASSERT_TRUE(writeWholeFile(root.filePath(name), "x")) << name.toStdString();
    EXPECT_EQ(safeFile::removeStaleTemporaries(dir.path()), 2);
    for (const QString& name : stale) EXPECT_FALSE(QFile::exists(root.filePath(name))) << name.toStdString();
    for (const QString& name : kept) EXPECT_TRUE(QFile::exists(root.filePath(name))) << name.toStdString();
}

TEST(SafeFile, AWriteKeepsTheTargetsPermissionsAndRefusesAFolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.ini"));
    ASSERT_TRUE(writeWholeFile(path, "old"));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    ASSERT_TRUE(safeFile::writeWhole(path, "new"));
    EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), QFileDevice::Permissions{});
    // A target that is a folder is refused and left as it was.
    const QString folder = dir.filePath(QStringLiteral("Sequences"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QString error;
    EXPECT_FALSE(safeFile::writeWhole(folder, "x", &error));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("show.ini")});
}

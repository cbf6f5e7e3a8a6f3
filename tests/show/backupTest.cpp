#include "shell/services/showService.h"
#include "show/backup.h"
#include "support/fakeFileSystem.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct FakeShow : ShowService {
    QString name, file;
    QStringList loaded;
    QString showFileName() const override { return file; }
    QString showName() const override { return name; }
    bool loadTheConfiguration(bool ask, const QString& path) override {
        loaded << (ask ? QStringLiteral("ask:") : QString()) + path;
        return true;
    }
};

struct BackupTest : ::testing::Test {
    TestShell t;
    FakeShow& show = t.get().provide<ShowService>(std::make_unique<FakeShow>());
    FakeFileSystem& files = static_cast<FakeFileSystem&>(t.get().files());

    void put(const QString& relative, const QByteArray& bytes) {
        const QString path = t.folder() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(writeWholeFile(path, bytes)) << relative.toStdString();
    }
    void loadShow(const QString& name) {
        show.name = name;
        show.file = name + QStringLiteral(".YCF");
    }
    // Every file below a folder, relative to it, with its content.
    static QMap<QString, QByteArray> tree(const QString& folder) {
        QMap<QString, QByteArray> out;
        QDir root(folder);
        std::function<void(const QString&)> walk = [&](const QString& path) {
            for (const QFileInfo& e : QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
                if (e.isDir())
                    walk(e.absoluteFilePath());
                else
                    out[root.relativeFilePath(e.absoluteFilePath())] = readWholeFile(e.absoluteFilePath());
            }
        };
        walk(folder);
        return out;
    }
    void clubShow() {
        loadShow(QStringLiteral("Club"));
        put("ylc.ini", "[Status]\r\ncurrentMode=User Only\r\n");
        put("Configurations/Club.YCF", "club show");
        put("Configurations/Other.YCF", "other show");
        put("Sequences/Club/Page1/Intro.YSQ", "intro");
        put("Sequences/Other/Page1/X.YSQ", "other");
        put("Palettes/Club/Color/Red.pst", "red");
        put("Shapes/Circle.shp", "circle");
        put("RGB/fade.rgb", "fade");
        put("Images/RGB/a.bmp", "a");
        put("Images/Fixture Icons/spot.bmp", "spot");
    }
};

TEST_F(BackupTest, DriveBackupHoldsTheShowsFoldersAndReplacesAnOlderOneWhole) {
    clubShow();
    const QString drive = files.addDrive(QStringLiteral("E"));
    QDir().mkpath(drive + "/VarnelDMXBackup/Club/Sequences/Club/Old");
    ASSERT_TRUE(writeWholeFile(drive + "/VarnelDMXBackup/Club/stale.txt", "old"));
    QDir().mkpath(drive + "/VarnelDMXBackup/Other");
    ASSERT_TRUE(writeWholeFile(drive + "/VarnelDMXBackup/Other/keep.txt", "other backup"));

    ASSERT_TRUE(backup::backUpToDrive(drive));
    const QMap<QString, QByteArray> expected{
        {"ylc.ini", "[Status]\r\ncurrentMode=User Only\r\n"},
        {"Configurations/Club.YCF", "club show"},
        {"Sequences/Club/Page1/Intro.YSQ", "intro"},
        {"Palettes/Club/Color/Red.pst", "red"},
        {"Shapes/Circle.shp", "circle"},
        {"RGB/fade.rgb", "fade"},
        {"Images/RGB/a.bmp", "a"},
        {"Images/Fixture Icons/spot.bmp", "spot"},
    };
    EXPECT_EQ(tree(drive + "/VarnelDMXBackup/Club"), expected);
    EXPECT_EQ(QDir(drive + "/VarnelDMXBackup").entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"Club", "Other"}));
    EXPECT_EQ(t.prompts().messages, QStringList{"Backup was successful."});
}

TEST_F(BackupTest, AFailedDriveBackupKeepsTheOlderBackupAndSaysSo) {
    clubShow();
    const QString drive = files.addDrive(QStringLiteral("E"));
    ASSERT_TRUE(backup::backUpToDrive(drive));
    const auto before = tree(drive + "/VarnelDMXBackup");
    put("Palettes/Club/Color/Red.pst", "changed");
    files.failCopiesOf = QStringLiteral("Red.pst");
    EXPECT_FALSE(backup::backUpToDrive(drive));
    EXPECT_EQ(tree(drive + "/VarnelDMXBackup"), before);
    ASSERT_EQ(t.prompts().messages.size(), 2);
    EXPECT_TRUE(t.prompts().messages.last().startsWith("Not Fully Backed Up")) << t.prompts().messages.last().toStdString();
}

TEST_F(BackupTest, DriveBackupWithoutAShowIsRefusedAndDeletesNothing) {
    clubShow();
    show.name.clear();
    const QString drive = files.addDrive(QStringLiteral("E"));
    QDir().mkpath(drive + "/VarnelDMXBackup/Other");
    ASSERT_TRUE(writeWholeFile(drive + "/VarnelDMXBackup/Other/keep.txt", "other"));
    const auto before = tree(drive);
    EXPECT_FALSE(backup::backUpToDrive(drive));
    EXPECT_EQ(tree(drive), before);
    EXPECT_TRUE(QDir(drive + "/VarnelDMXBackup/Other").exists());
    EXPECT_EQ(t.prompts().messages.size(), 1);
}

TEST_F(BackupTest, QuickBackupCopiesTheShowAndTheFilesItsShortcutTablesName) {
    clubShow();
    put("Configurations/Pilot.dmp", "pilot");
    put("Sequences/Page1/Intro.YSQ", "page intro");
    put("secret.txt", "secret");
    auto& m = t.get().state;
    m.masterShortcutFiles[1] = QStringLiteral(" Page1\\Intro.YSQ ");
    m.masterShortcutFiles[2] = QStringLiteral("Deep\\Page\\Missing.YSQ"); // its first folder is not in the backup
    m.masterShortcutFiles[3] = QStringLiteral("..\\..\\secret.txt");
    m.masterShortcutFiles[4] = t.folder() + QStringLiteral("/secret.txt");
    m.dmxPilotShortcutFiles[1] = QStringLiteral("Pilot.dmp");
    m.dmxPilotShortcutFiles[2] = QStringLiteral("..\\secret.txt");

    ASSERT_TRUE(backup::backUpConfiguration(false));
    const QMap<QString, QByteArray> expected{
        {"ylc.ini", "[Status]\r\ncurrentMode=User Only\r\n"},
        {"Configurations/Club.YCF", "club show"},
        {"Configurations/Pilot.dmp", "pilot"},
        {"Sequences/Page1/Intro.YSQ", "page intro"},
    };
    EXPECT_EQ(tree(t.folder() + "/Backup/Club"), expected);
    EXPECT_EQ(tree(t.folder() + "/Backup").size(), expected.size());
    EXPECT_EQ(t.prompts().messages,
              QStringList{"Backup was successful.  Refer to help file to restore back ups."});
}

TEST_F(BackupTest, QuickBackupWithoutTheShowFileFails) {
    loadShow(QStringLiteral("Club"));
    EXPECT_FALSE(backup::backUpConfiguration(true));
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith("Error during back up process. "));
    show.name.clear();
    show.file.clear();
    EXPECT_FALSE(backup::backUpConfiguration(true));
}

TEST_F(BackupTest, RestoreOfMyShowReplacesOnlyThatShowsFoldersAndLoadsIt) {
    const QString drive = files.addDrive(QStringLiteral("E"));
    const QString source = drive + "/VarnelDMXBackup/My.Show";
    for (const auto& [rel, bytes] : {std::pair{"ylc.ini", "restored"}, {"Configurations/My.Show.YCF", "my show"},
                                     {"Sequences/My.Show/P/A.YSQ", "a"}, {"Palettes/My.Show/Color/Blue.pst", "blue"},
                                     {"Shapes/New.shp", "new"}}) {
        QDir().mkpath(QFileInfo(source + "/" + rel).path());
        ASSERT_TRUE(writeWholeFile(source + "/" + rel, bytes));
    }
    put("ylc.ini", "current");
    put("Sequences/My/Keep.YSQ", "other show");
    put("Palettes/My/Color/Keep.pst", "other palette");
    put("Sequences/My.Show/Old.YSQ", "old");
    put("Shapes/Old.shp", "old shape");

    ASSERT_EQ(backup::restorableShow(source), QStringLiteral("My.Show"));
    ASSERT_TRUE(backup::restore(source));
    const auto now = tree(t.folder());
    EXPECT_EQ(now.value("ylc.ini"), "restored");
    EXPECT_EQ(now.value("Sequences/My/Keep.YSQ"), "other show");
    EXPECT_EQ(now.value("Palettes/My/Color/Keep.pst"), "other palette");
    EXPECT_FALSE(now.contains("Sequences/My.Show/Old.YSQ"));
    EXPECT_EQ(now.value("Sequences/My.Show/P/A.YSQ"), "a");
    EXPECT_EQ(now.value("Palettes/My.Show/Color/Blue.pst"), "blue");
    EXPECT_EQ(now.value("Shapes/Old.shp"), "old shape");
    EXPECT_EQ(now.value("Shapes/New.shp"), "new");
    EXPECT_EQ(show.loaded, QStringList{t.folder() + "/Configurations/My.Show.YCF"});
}

TEST_F(BackupTest, OnlyAFolderDirectlyInADrivesBackupRootRestores) {
    const QString drive = files.addDrive(QStringLiteral("E"));
    const std::pair<QString, QString> cases[] = {
        {drive + "/VarnelDMXBackup/Club", "Club"},
        {drive + "/VarnelDMXBackup", ""},
        {drive + "/VarnelDMXBackup/Club/Sequences", ""},
        {drive + "/varneldmxbackup/Club", ""},
        {drive + "/Else/VarnelDMXBackup/Club", ""},
        {drive + "/VarnelDMXBackup/~Club.new", ""},
    };
    for (const auto& [folder, name] : cases) EXPECT_EQ(backup::restorableShow(folder), name) << folder.toStdString();
}

} // namespace

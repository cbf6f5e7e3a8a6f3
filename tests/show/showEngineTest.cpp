#include "show/showEngine.h"
#include "show/showTestSupport.h"

#include "shell/miscGlobalFunctions.h"
#include "shell/settingsKeys.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QStringList spotTypes = {QStringLiteral("pan"), QStringLiteral("tilt"), QStringLiteral("dimmer"),
                               QStringLiteral("shutter"), QStringLiteral("red"), QStringLiteral("green"),
                               QStringLiteral("blue")};
const QStringList parTypes = {QStringLiteral("dimmer"), QStringLiteral("red"), QStringLiteral("green"),
                              QStringLiteral("blue")};

// A two-universe rig patched through the shared arrays: several profiles
// (one beyond the 25 fixed slots), views, groups and names.
void buildRig(ChannelModel& m) {
    channelModel::redimForMoreUniverses(1024);
    patchFixtures(m, 1, QStringLiteral("Spot"), spotTypes, 1, 4);
    patchFixtures(m, 2, QStringLiteral("Par"), parTypes, 505, 3, QStringLiteral("Stage"));
    patchFixtures(m, 26, QStringLiteral("Strip"), parTypes, 700, 2);
    m.viewNames[1] = QStringLiteral("Stage");
    m.tables.groupNames[0] = QStringLiteral("Front");
    m.tables.groupMembers[0] = QStringLiteral("1,2");
    m.tables.playbackNames[2] = QStringLiteral("Intro");
    clsThreeDObject truss;
    truss.objectAlias = QStringLiteral("Truss").leftJustified(255, QLatin1Char(' '));
    truss.fileNamePath = QStringLiteral("3dObjects\\truss.obj");
    truss.x = 100;
    truss.ScaleX = 1.5f;
    m.tables.objectList.push_back(truss);
}

QString configurations(TestShell& t) { return t.folder() + QStringLiteral("/Configurations"); }

QByteArray saveAs(TestShell& t, ShowEngine& show, const QString& name) {
    t.get().state.showFileName = name;
    EXPECT_TRUE(show.saveConfiguration(false, false, false));
    return readWholeFile(configurations(t) + QLatin1Char('/') + name);
}

// The file of buildRig's show, saved in a shell of its own.
QByteArray rigFile() {
    TestShell t;
    ShowEngine show;
    buildRig(t.get().state);
    return saveAs(t, show, QStringLiteral("rig.YCF"));
}

TEST(ShowEngine, PatchedRigSavesLoadsIntoAFreshStateAndSavesToTheSameBytes) {
    const QByteArray first = rigFile();
    ASSERT_FALSE(first.isEmpty());
    TestShell t;
    QDir().mkpath(configurations(t));
    ASSERT_TRUE(writeWholeFile(configurations(t) + QStringLiteral("/club.YCF"), first));
    ShowEngine show;
    ASSERT_TRUE(show.loadTheConfiguration(false, configurations(t) + QStringLiteral("/club.YCF")));
    ChannelModel& m = t.get().state;
    EXPECT_EQ(m.totalChannels, 1024);
    EXPECT_EQ(m.fixtureCount, 9);
    EXPECT_EQ(m.showName, QStringLiteral("club"));
    // Start channels, profiles and roles come back from the labels.
    EXPECT_EQ(m.fixtureStartChannel[5], 505);
    EXPECT_EQ(m.fixtureLightClass[5], 2);
    EXPECT_EQ(m.fixtureLightClass[8], 26);
    EXPECT_EQ(m.fixturePanChannel[2], 8);
    EXPECT_EQ(m.fixtureDimmerChannel[6], 509);
    EXPECT_TRUE(m.fixtureIsColourMixer[5]);
    EXPECT_EQ(m.tables.objectList.at(0).ScaleX, 1.5f);
    EXPECT_TRUE(t.prompts().messages.isEmpty()) << t.prompts().messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(saveAs(t, show, QStringLiteral("club.YCF")), first);
}

TEST(ShowEngine, DamagedOrTruncatedFileLeavesTheLoadedShowUntouched) {
    TestShell t;
    ShowEngine show;
    buildRig(t.get().state);
    const QByteArray good = saveAs(t, show, QStringLiteral("club.YCF"));
    ChannelModel& m = t.get().state;
    struct Case { const char* name; QByteArray bytes; };
    QByteArray badCount = good;
    putLong(badCount, badCount.size() - 793, 1000);
    for (const Case& c : {Case{"cut.YCF", good.left(good.size() / 2)}, Case{"tiny.YCF", QByteArray(100, 'x')},
                          Case{"count.YCF", badCount}}) {
        SCOPED_TRACE(c.name);
        const QString path = configurations(t) + QLatin1Char('/') + QLatin1String(c.name);
        ASSERT_TRUE(writeWholeFile(path, c.bytes));
        t.prompts().messages.clear();
        EXPECT_FALSE(show.loadTheConfiguration(false, path));
        ASSERT_EQ(t.prompts().messages.size(), 1);
        EXPECT_TRUE(t.prompts().messages[0].startsWith(QStringLiteral("Error loading Configuration File ")));
        EXPECT_EQ(m.totalChannels, 1024);
        EXPECT_EQ(m.fixtureCount, 9);
        EXPECT_EQ(m.channelFixtureLabel[505], QStringLiteral("Par 1"));
        EXPECT_EQ(m.showFileName, QStringLiteral("club.YCF"));
        EXPECT_EQ(settingsKeys::read(settingsKeys::startupFile), QStringLiteral("club.YCF"));
    }
}

TEST(ShowEngine, LoadingASmallerShowClearsTheLargerOneFirst) {
    TestShell t;
    ShowEngine show;
    {
        ChannelModel& m = t.get().state;
        patchFixtures(m, 1, QStringLiteral("Par"), parTypes, 1, 3);
        saveAs(t, show, QStringLiteral("small.YCF"));
        // A three-universe rig with more fixtures than the small show has
        // channels for some of them.
        channelModel::redimForMoreUniverses(1536);
        patchFixtures(m, 2, QStringLiteral("Dim"), {QStringLiteral("dimmer")}, 600, 700);
    }
    ASSERT_TRUE(show.loadTheConfiguration(false, configurations(t) + QStringLiteral("/small.YCF")));
    const ChannelModel& m = t.get().state;
    EXPECT_EQ(m.totalChannels, 512);
    EXPECT_EQ(m.fixtureCount, 3);
    EXPECT_EQ(m.fixtureDimmerChannel[3], 9);
    EXPECT_EQ(m.fixtureDimmerChannel[4], 0);
}

TEST(ShowEngine, ShowFromOutsideConfigurationsBecomesTheCurrentShow) {
    TestShell t;
    ShowEngine show;
    patchFixtures(t.get().state, 1, QStringLiteral("Par"), parTypes, 1, 2);
    saveAs(t, show, QStringLiteral("club.YCF"));
    const QByteArray club = readWholeFile(configurations(t) + QStringLiteral("/club.YCF"));
    QDir().mkpath(t.folder() + QStringLiteral("/elsewhere"));
    const QString outside = t.folder() + QStringLiteral("/elsewhere/tour.YCF");
    ASSERT_TRUE(writeWholeFile(outside, club));

    ASSERT_TRUE(show.loadTheConfiguration(false, outside));
    EXPECT_EQ(t.get().state.showName, QStringLiteral("tour"));
    // The start-up looks in Configurations; it keeps naming the show there.
    EXPECT_EQ(settingsKeys::read(settingsKeys::startupFile), QStringLiteral("club.YCF"));

    t.get().state.channelType[40] = QStringLiteral("dimmer");
    ASSERT_TRUE(show.saveConfiguration(false, false, false));
    EXPECT_NE(readWholeFile(outside), club);
    EXPECT_EQ(readWholeFile(configurations(t) + QStringLiteral("/club.YCF")), club);
}

TEST(ShowEngine, StartupShowNamedInTheSettingsLoads) {
    const QByteArray bytes = rigFile();
    TestShell t;
    QDir().mkpath(configurations(t));
    ASSERT_TRUE(writeWholeFile(configurations(t) + QStringLiteral("/gig.YCF"), bytes));
    settingsKeys::write(settingsKeys::startupFile, QStringLiteral("GIG.ycf"));
    ShowEngine show;
    show.loadStartupShow();
    EXPECT_TRUE(show.showLoadOk);
    EXPECT_EQ(t.get().state.totalChannels, 1024);
    EXPECT_EQ(t.get().state.fixtureName[1], QStringLiteral("Spot 1"));
}

TEST(ShowEngine, FailedSaveKeepsTheOldFileAndTheShowState) {
    TestShell t;
    ShowEngine show;
    ChannelModel& m = t.get().state;
    patchFixtures(m, 1, QStringLiteral("Par"), parTypes, 1, 2);
    const QByteArray before = saveAs(t, show, QStringLiteral("club.YCF"));
    const QString path = configurations(t) + QStringLiteral("/club.YCF");

    struct Case { const char* what; std::function<void()> breakIt; std::function<void()> mend; };
    const std::vector<Case> cases = {
        {"a value the format cannot hold", [&] { m.lightClass(1).ChannelsUsed = 300; },
         [&] { m.lightClass(1).ChannelsUsed = 4; }},
        {"the disk refuses the write",
         [&] { show.writeFile = [](const QString&, const QByteArray&, QString* e) { *e = QStringLiteral("disk full"); return false; }; },
         [] {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.breakIt();
        m.showChanged = true;
        t.prompts().messages.clear();
        EXPECT_FALSE(show.saveConfiguration(false, false, false));
        ASSERT_EQ(t.prompts().messages.size(), 1);
        EXPECT_TRUE(t.prompts().messages[0].startsWith(QStringLiteral("error saving file ")));
        EXPECT_EQ(readWholeFile(path), before);
        EXPECT_TRUE(m.showChanged);
        c.mend();
    }
}

TEST(ShowEngine, CancelledSaveDialogChangesNothing) {
    TestShell t;
    ShowEngine show;
    ChannelModel& m = t.get().state;
    m.showFileName = QStringLiteral("club.YCF");
    m.showChanged = true;
    EXPECT_FALSE(show.saveConfiguration(true, true, false)); // the fake dialog answers cancel
    ASSERT_EQ(t.prompts().fileRequests.size(), 1u);
    EXPECT_EQ(t.prompts().fileRequests[0].title, QStringLiteral("Name and Save Show/Configuration File"));
    EXPECT_TRUE(m.showChanged);
    EXPECT_EQ(m.showFileName, QStringLiteral("club.YCF"));
    EXPECT_FALSE(QDir(configurations(t)).exists(QStringLiteral("club.YCF")));
}

TEST(ShowEngine, SaveNamesTheShowAndLeavesTheSequenceFlag) {
    TestShell t;
    ShowEngine show;
    ChannelModel& m = t.get().state;
    m.showChanged = true;
    m.sequenceChanged = true;
    QDir().mkpath(configurations(t));
    t.prompts().files.push_back(configurations(t) + QStringLiteral("/club2"));
    ASSERT_TRUE(show.saveConfiguration(true, true, false));
    EXPECT_EQ(m.showFileName, QStringLiteral("club2.YCF"));
    EXPECT_EQ(m.showName, QStringLiteral("club2"));
    EXPECT_FALSE(m.showChanged);
    EXPECT_TRUE(m.sequenceChanged);
    EXPECT_EQ(settingsKeys::read(settingsKeys::startupFile), QStringLiteral("club2.YCF"));
    // The least show plus "none" in every channel type.
    EXPECT_EQ(readWholeFile(configurations(t) + QStringLiteral("/club2.YCF")).size(), 215594 + 512 * 4);
}

TEST(ShowEngine, AQuietSaveOfAShowWithoutANameAsksForOneAndALoadCancelSaysNothing) {
    TestShell t;
    ShowEngine show;
    ChannelModel& m = t.get().state;
    m.showChanged = true;
    QDir().mkpath(configurations(t));
    t.prompts().files.push_back(configurations(t) + QStringLiteral("/gig"));
    ASSERT_TRUE(show.saveConfiguration(false, false, false));
    ASSERT_EQ(t.prompts().fileRequests.size(), 1u);
    EXPECT_EQ(t.prompts().fileRequests[0].title, QStringLiteral("Name and Save Show/Configuration File"));
    EXPECT_EQ(m.showFileName, QStringLiteral("gig.YCF"));
    EXPECT_TRUE(t.prompts().messages.isEmpty());
    // The open dialog starts in Configurations; a cancel is no error.
    EXPECT_FALSE(show.loadConfiguration(QString(), true));
    ASSERT_EQ(t.prompts().fileRequests.size(), 2u);
    EXPECT_EQ(QDir(t.prompts().fileRequests[1].folder).canonicalPath(), QDir(configurations(t)).canonicalPath());
    EXPECT_TRUE(t.prompts().messages.isEmpty());
    EXPECT_EQ(m.showFileName, QStringLiteral("gig.YCF"));
}

TEST(ShowEngine, SaveUnderANewNameCopiesTheShowFolders) {
    TestShell t;
    ShowEngine show;
    ChannelModel& m = t.get().state;
    m.showFileName = QStringLiteral("club.YCF");
    QDir().mkpath(t.folder() + QStringLiteral("/Sequences/club/Page 1"));
    QDir().mkpath(t.folder() + QStringLiteral("/Palettes/club/Color"));
    ASSERT_TRUE(writeWholeFile(t.folder() + QStringLiteral("/Sequences/club/Page 1/Intro.YSQ"), "seq"));
    ASSERT_TRUE(writeWholeFile(t.folder() + QStringLiteral("/Palettes/club/Color/Red.pst"), "red"));
    QDir().mkpath(configurations(t));
    t.prompts().files.push_back(configurations(t) + QStringLiteral("/club2.YCF"));
    ASSERT_TRUE(show.saveConfiguration(true, true, true));
    EXPECT_EQ(readWholeFile(t.folder() + QStringLiteral("/Sequences/club2/Page 1/Intro.YSQ")), "seq");
    EXPECT_EQ(readWholeFile(t.folder() + QStringLiteral("/Palettes/club2/Color/Red.pst")), "red");
    EXPECT_EQ(readWholeFile(t.folder() + QStringLiteral("/Sequences/club/Page 1/Intro.YSQ")), "seq");
}

TEST(ShowEngine, ProfileCountNeverFallsBelowTheHighestSlotInUse) {
    TestShell t;
    ShowEngine show;
    ChannelModel& m = t.get().state;
    patchFixtures(m, 3, QStringLiteral("Par"), parTypes, 1, 1);
    m.lightClassCount = 1; // as left by freeing a lower slot
    saveAs(t, show, QStringLiteral("gap.YCF"));
    ASSERT_TRUE(show.loadTheConfiguration(false, configurations(t) + QStringLiteral("/gap.YCF")));
    EXPECT_EQ(m.lightClassCount, 3);
    EXPECT_EQ(m.fixtureLightClass[1], 3);
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

TEST(ShowEngine, AreaLimitsAreResetByALoad) {
    TestShell t;
    ShowEngine show;
    ChannelModel& m = t.get().state;
    patchFixtures(m, 1, QStringLiteral("Par"), parTypes, 1, 2);
    m.fixtureAreaMaxX[1] = 100;
    m.fixtureAreaMinY[2] = 40;
    saveAs(t, show, QStringLiteral("area.YCF"));
    ASSERT_TRUE(show.loadTheConfiguration(false, configurations(t) + QStringLiteral("/area.YCF")));
    EXPECT_EQ(m.fixtureAreaMaxX[1], 255);
    EXPECT_EQ(m.fixtureAreaMinY[2], 0);
}

TEST(ShowEngine, NewShowClearsToOneUniverseAndAsksForItsName) {
    TestShell t;
    ShowEngine show;
    ChannelModel& m = t.get().state;
    buildRig(m);
    show.startNewShow();
    EXPECT_EQ(m.totalChannels, 512);
    EXPECT_EQ(m.fixtureCount, 0);
    EXPECT_EQ(m.channelType[505], QStringLiteral("none"));
    EXPECT_TRUE(m.tables.groupMembers[0].isEmpty());
    EXPECT_TRUE(m.tables.objectList.empty());
    EXPECT_EQ(m.lightClasses.size(), 26u);
    // The save dialog was cancelled: the new show stays unsaved and changed.
    EXPECT_EQ(m.showFileName, QStringLiteral("newConfiguration.YCF"));
    EXPECT_TRUE(m.showChanged);
}

TEST(SettingsKeys, UnreadableValueFallsBackToTheDefaultAndKeepsTheFile) {
    TestShell t;
    settingsKeys::write(settingsKeys::dmxRefreshRate, QStringLiteral("abc"));
    settingsKeys::write(settingsKeys::oneConsole, QStringLiteral("maybe"));
    settingsKeys::write(settingsKeys::currentMode, QStringLiteral("User Only"));
    QStringList problems;
    EXPECT_EQ(settingsKeys::readNumber(settingsKeys::dmxRefreshRate, &problems), 50);
    EXPECT_EQ(settingsKeys::readNumber(settingsKeys::dmxRefreshRate, &problems), 50);
    EXPECT_FALSE(settingsKeys::readTruth(settingsKeys::oneConsole, &problems));
    EXPECT_EQ(problems, QStringList({QStringLiteral("[Main] DMX Refresh Rate = \"abc\""),
                                     QStringLiteral("[InterfaceType] oneConsole = \"maybe\"")}));
    EXPECT_EQ(settingsKeys::read(settingsKeys::currentMode), QStringLiteral("User Only"));
}

TEST(SettingsKeys, EveryKeyIsListedOnceWithItsDefault) {
    QStringList seen;
    for (const settingsKeys::Key* k : settingsKeys::all()) {
        const QString name = QString::fromLatin1(k->section) + QLatin1Char('/') + QString::fromLatin1(k->key) +
                             QLatin1Char('/') + QString::fromLatin1(k->readBy);
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        seen.append(name);
        // A key that somebody reads has the default that reader passes.
        if (QString::fromLatin1(k->readBy) != QLatin1String("-")) {
            EXPECT_NE(k->defaultValue, nullptr) << name.toStdString();
        }
    }
    TestShell t;
    EXPECT_EQ(settingsKeys::read(settingsKeys::theThing), QStringLiteral("tulipvex"));
    EXPECT_EQ(settingsKeys::read(settingsKeys::playbackPriority, std::nullopt, settingsKeys::playbackSection(9)),
              QStringLiteral("nop"));
}

} // namespace

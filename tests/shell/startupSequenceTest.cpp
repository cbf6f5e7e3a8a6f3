#include "shell/programSession.h"
#include "shell/settingsKeys.h"
#include "shell/startupSequence.h"
#include "startupFakes.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Road {
    TestShell t;
    RecordingShow& show = t.get().provide<ShowService>(std::make_unique<RecordingShow>());
    RecordingPlayback& playback = t.get().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
    RecordingOutput& output = t.get().provide<OutputService>(std::make_unique<RecordingOutput>());
    RecordingMainWindow& mainWindow = t.get().provide<MainWindowService>(std::make_unique<RecordingMainWindow>());
    RecordingSplash& splash = t.get().provide<SupportService>(std::make_unique<RecordingSplash>());
    StartupSequence road;

    QString ini() const { return t.folder() + QStringLiteral("/ylc.ini"); }
    void writeIni(const QByteArray& text) { ASSERT_TRUE(writeWholeFile(ini(), text)); }
    void startupShow() {
        QDir().mkpath(t.folder() + QStringLiteral("/Configurations"));
        ASSERT_TRUE(writeWholeFile(t.folder() + QStringLiteral("/Configurations/gig.YCF"), "show"));
    }
};

const QByteArray lastRun = "[StartupConfig]\r\nFile=gig.YCF\r\n"
                           "[Main]\r\nDMX Refresh Rate=25\r\n"
                           "[ArtNet]\r\nEnabled=True\r\nTarget=127.0.0.1\r\n"
                           "[Status]\r\ncurrentMode=User Only\r\n"
                           "[PlayBack  8]\r\nPlayBack Priority=5\r\n"
                           "[PlayBack  9]\r\nPlayBack Priority=5\r\nVisible=True\r\n"
                           "[PlayBack  10]\r\nPlayBack Priority=5\r\nVisible=False\r\n"
                           "[PlayBack  11]\r\nPlayBack Priority=5\r\nVisible=True\r\n"
                           "[PlayBack  13]\r\nPlayBack Priority=5\r\nVisible=True\r\n";

} // namespace

TEST(StartupSequence, TheLastRunComesBackInOrderAndTheInterfacesOpenAfterThePause) {
    Road r;
    r.writeIni(lastRun);
    r.startupShow();
    ASSERT_EQ(r.road.start(), StartupSequence::Outcome::Running);

    EXPECT_EQ(r.show.startupLoadCalls, 1);
    EXPECT_EQ(r.show.dialogLoads, 0);
    // 1..8, then the scan from 8: 9 and 11 are visible, and the first section
    // without a priority (12) ends it, so 13 stays closed.
    EXPECT_EQ(r.playback.created, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 11}));
    EXPECT_EQ(r.playback.refreshText, QStringLiteral("25"));
    EXPECT_EQ(r.mainWindow.mode, QStringLiteral("User Only"));
    EXPECT_EQ(r.splash.stages, (QStringList{"Initializing Values", "Starting Processes", "Loading Default Show File",
                                            "Loading DMX Presets", "Setting Up Fixture Positions"}));
    EXPECT_EQ(r.splash.unloads, 1);
    EXPECT_EQ(r.t.get().state.totalChannels, 512);
    EXPECT_TRUE(r.t.prompts().messages.isEmpty());

    // The pause is a timer, not a sleep: nothing is opened until it ticks.
    EXPECT_EQ(r.output.opened, 0);
    FakeTickTimer* pause = r.t.timers().created.back();
    EXPECT_EQ(pause->intervalMs, StartupSequence::pauseBeforeInterfacesMs);
    pause->fire();
    EXPECT_EQ(r.output.opened, 1);
    EXPECT_TRUE(r.road.finished());
    pause->fire(true);
    EXPECT_EQ(r.output.opened, 1);
    EXPECT_EQ(readWholeFile(r.ini()), lastRun);
}

TEST(StartupSequence, TheRefreshRateTextReachesTheFrameAndANonNumberTakesTheDefault) {
    struct Case {
        QByteArray stored;
        QString passed;
        bool reported;
    };
    for (const Case& c : {Case{"25", "25", false}, Case{"0", "0", false}, Case{"250", "250", false},
                          Case{"fast", "50", true}}) {
        Road r;
        r.writeIni("[Main]\r\nDMX Refresh Rate=" + c.stored + "\r\n");
        r.road.start();
        EXPECT_EQ(r.playback.refreshText, c.passed) << c.stored.constData();
        EXPECT_EQ(r.road.settingsProblems().size(), c.reported ? 1 : 0) << c.stored.constData();
    }
}

TEST(StartupSequence, ABrokenKeyKeepsTheFileTakesItsDefaultAndIsReportedOnce) {
    Road r;
    const QByteArray text = "[InterfaceType]\r\noneConsole=maybe\r\n"
                            "[Fixture Window]\r\nFilename=stage.png\r\n"
                            "[Buttons]\r\nWidth=wide\r\n"
                            "[ArtNet]\r\nEnabled=True\r\nTarget=127.0.0.1\r\n" +
                            lastRun;
    r.writeIni(text);
    r.startupShow();
    r.road.start();
    EXPECT_EQ(readWholeFile(r.ini()), text);
    EXPECT_FALSE(r.t.get().engine<ProgramSession>().oneConsole);
    ASSERT_EQ(r.t.prompts().messages.size(), 1);
    const QString& message = r.t.prompts().messages.front();
    for (const char* key : {"oneConsole", "Filename", "Width"}) EXPECT_TRUE(message.contains(key)) << key;
    // The road goes on: the playbacks and the show still come back.
    EXPECT_EQ(r.show.startupLoadCalls, 1);
    EXPECT_EQ(r.playback.created.size(), 10u);
}

TEST(StartupSequence, AStartupShowThatFailsLeavesAnEmptyShowAndTheFile) {
    Road r;
    r.writeIni(lastRun);
    r.startupShow();
    r.show.startupLoads = false;
    ASSERT_EQ(r.road.start(), StartupSequence::Outcome::Running);
    ASSERT_EQ(r.t.prompts().messages.size(), 1);
    EXPECT_TRUE(r.t.prompts().messages.front().contains(QStringLiteral("default configuration file")));
    EXPECT_EQ(readWholeFile(r.ini()), lastRun);
    EXPECT_EQ(r.playback.created.size(), 10u);
    EXPECT_EQ(r.t.get().state.fixtureCount, 0);
}

TEST(StartupSequence, AFirstStartOpensIntoTheConsoleOnANewEmptyStartupShow) {
    Road r;
    r.road.start();
    EXPECT_EQ(r.show.dialogLoads, 0);
    EXPECT_EQ(r.show.startupLoadCalls, 0);
    EXPECT_EQ(r.show.saves, 1);
    EXPECT_EQ(r.t.get().state.showFileName, QStringLiteral("newConfiguration.YCF"));
    EXPECT_EQ(r.t.get().state.showName, QStringLiteral("newConfiguration"));
    EXPECT_TRUE(r.t.prompts().messages.isEmpty());
    EXPECT_EQ(r.playback.created, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(r.playback.refreshText, QStringLiteral("50"));
    EXPECT_EQ(r.mainWindow.mode, QStringLiteral("Programmer/User"));
}

TEST(StartupSequence, AMissingStartupShowIsPickedAfterTheChannelsAreClearedAndAnOldFirstShowIsKept) {
    {
        // ylc.ini names a show that is gone: the operator picks one, loaded
        // after the channels were marked free so its patch stays.
        Road r;
        r.writeIni("[StartupConfig]\r\nFile=gone.YCF\r\n");
        r.show.onLoad = [&r] { r.t.get().state.channelType[1] = QStringLiteral("Dimmer"); }; // the picked show's patch
        r.road.start();
        EXPECT_EQ(r.show.dialogLoads, 1);
        EXPECT_EQ(r.t.get().state.channelType[1], QStringLiteral("Dimmer"));
        EXPECT_EQ(r.show.saves, 0);
    }
    {
        // No start-up show set, but the first show is there: it is loaded,
        // never overwritten by an empty one.
        Road r;
        QDir().mkpath(r.t.folder() + QStringLiteral("/Configurations"));
        ASSERT_TRUE(writeWholeFile(r.t.folder() + QStringLiteral("/Configurations/newConfiguration.YCF"), "show"));
        r.road.start();
        EXPECT_EQ(r.show.fileLoads, QStringList{r.t.folder() + QStringLiteral("/Configurations/newConfiguration.YCF")});
        EXPECT_EQ(r.show.saves, 0);
        EXPECT_EQ(readWholeFile(r.t.folder() + QStringLiteral("/Configurations/newConfiguration.YCF")), QByteArray("show"));
    }
}

TEST(StartupSequence, ASecondConsoleOnTheFolderShowsTheMessageAndDoesNothingElse) {
    Road r;
    ProgramSession running;
    ASSERT_TRUE(programSession::acquireInstanceLock(running, r.t.folder()));
    EXPECT_EQ(r.road.start(), StartupSequence::Outcome::SecondInstance);
    EXPECT_EQ(r.t.prompts().messages,
              QStringList{"Another instance of VarnelDMX is Already running, please close it first to open this "
                          "program."});
    EXPECT_TRUE(r.playback.created.empty());
    EXPECT_TRUE(r.splash.stages.isEmpty());
    EXPECT_FALSE(QFile::exists(r.ini()));
}

TEST(StartupSequence, ALockLeftByACrashedConsoleDoesNotBlockTheStart) {
    Road r;
    // The lock of a process that no longer runs, on this machine.
    const QByteArray stale = "2147480000\nvarneldmx\n\n";
    ASSERT_TRUE(writeWholeFile(r.t.folder() + QStringLiteral("/varneldmx.lock"), stale));
    EXPECT_EQ(r.road.start(), StartupSequence::Outcome::Running);
}

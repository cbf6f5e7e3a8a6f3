// Facade commands that reach a playback by its number or its file title:
// the page crossfader, the multi-button save, the fade-in flag of the file,
// the main window's times and display, step commands, shortcut panels and
// sound to matrix.

#include "playback/playbackFrame.h"

#include "playback/playbackEngine.h"
#include "fakeServices.h"
#include "playback/sequenceFile.h"
#include "playback/sequenceFileIo.h"
#include "playbackTestSupport.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace playbackTest;

namespace {

class FrameFacade : public ::testing::Test {
protected:
    void SetUp() override {
        makeShow(1);
        shell().state.showFileName = QStringLiteral("C:\\Shows\\Club.YLC");
        fake<ShortcutsService, FakeShortcuts>();
        frame().HiResTimer1().setInterval(50);
    }
    PlaybackFrame& frame() { return playbackFrame(); }
    PlaybackEngine& add(int number, bool visible = true) {
        frame().clkAddPlaybackControl(number, false, visible, false);
        return *frame().playback(number);
    }
    // Two steps on one channel (0, then 200) with one-second fades.
    void rising(PlaybackEngine& e, int channel = 1) {
        program(e, e.myPlaybackNumber(), 2);
        own(e, channel, 1, 0);
        own(e, channel, 2, 200);
        times(e, 1, 1.0f, 1.0f);
        times(e, 2, 1.0f, 1.0f);
    }
    QString sequenceFileWithFadeIn(const QString& name, bool fadeIn) {
        sequenceFile::SequenceFileData d = sequenceFile::SequenceFileData::sized(1, 2);
        d.masks[0].fadeFromCurrentScene = fadeIn;
        d.masks[0].triggerText = QStringLiteral("1");
        const QString path = QDir(shell().programFolder()).filePath(name);
        safeFile::writeWhole(path, sequenceFile::encode(d));
        return path;
    }
    TestShell t;
};

TEST_F(FrameFacade, crossfaderDrivesEveryPlaybackWithThatFileTitle) {
    PlaybackEngine& a = add(1);
    PlaybackEngine& b = add(2);
    rising(a, 1);
    rising(b, 2);
    a.state.theSequenceFilename = QStringLiteral("/seq/Intro.YSQ");
    b.state.theSequenceFilename = QStringLiteral("/seq/Other.YSQ");
    for (PlaybackEngine* e : {&a, &b}) {
        e->state.currentStep = 1;
        e->state.nextStep = 2;
        e->calculateStepFadeValues();
    }
    frame().setCrossFade(0.5f, QStringLiteral("I")); // one letter: ignored
    EXPECT_FALSE(a.state.manualCrossfade);
    frame().setCrossFade(0.5f, QStringLiteral("Intro"));
    EXPECT_TRUE(a.state.manualCrossfade);
    EXPECT_EQ(shell().state.channelOutput[1], 100);
    EXPECT_FALSE(b.state.manualCrossfade);
    EXPECT_EQ(shell().state.channelOutput[2], 0);
}

// The three ways of setting the fade-from-current times: a time that counts
// sets both times and the override; one that does not only ends the override.
TEST_F(FrameFacade, crossfadeTimeCommandsSetOrEndTheOverride) {
    PlaybackEngine& e = add(1);
    rising(e);
    struct Case {
        const char* name;
        std::function<void()> command;
        bool overrides;
        float up, down;
    };
    const Case cases[] = {
        {"fade-in times 2/3", [&] { frame().setfadeInStatusfadeTimes(2.0f, 3.0f, 1); }, true, 2.0f, 3.0f},
        {"fade-in times 0/0", [&] { frame().setfadeInStatusfadeTimes(0.0f, 0.0f, 1); }, false, 7.0f, 8.0f},
        {"crossfade time 4", [&] { frame().setCurrentCrossfadeTime(1, 4.0f); }, true, 4.0f, 4.0f},
        {"crossfade time 0", [&] { frame().setCurrentCrossfadeTime(1, 0.0f); }, false, 7.0f, 8.0f},
        {"override 5", [&] { frame().fadeFromCurrentOverride(1, 2, 5.0f); }, true, 5.0f, 5.0f},
        {"override -1", [&] { frame().fadeFromCurrentOverride(1, 2, -1.0f); }, false, 7.0f, 8.0f},
    };
    for (const Case& c : cases) {
        e.state.overRideCrossFadeTimes = true;
        e.state.fadeFromCurrentFadeUpTime = 7.0f;
        e.state.fadeFromCurrentFadeDownTime = 8.0f;
        c.command();
        EXPECT_EQ(e.state.overRideCrossFadeTimes, c.overrides) << c.name;
        EXPECT_EQ(e.state.fadeFromCurrentFadeUpTime, c.up) << c.name;
        EXPECT_EQ(e.state.fadeFromCurrentFadeDownTime, c.down) << c.name;
    }
}

TEST_F(FrameFacade, fadeInStatusComesFromTheLoadedFile) {
    PlaybackEngine& e = add(1);
    EXPECT_FALSE(frame().getFadeInStatus(1)); // nothing loaded
    e.state.theSequenceFilename = sequenceFileWithFadeIn(QStringLiteral("in.YSQ"), true);
    EXPECT_TRUE(frame().getFadeInStatus(1));
    EXPECT_FALSE(e.state.fadeFromCurrentScene); // the query changes nothing
    e.state.theSequenceFilename = QDir(shell().programFolder()).filePath(QStringLiteral("gone.YSQ"));
    EXPECT_FALSE(frame().getFadeInStatus(1));
    EXPECT_FALSE(frame().getFadeInStatus(9));
}

TEST_F(FrameFacade, multiSaveWritesEveryVisiblePlaybackUnderItsNumber) {
    const std::vector<QString>& collection = static_cast<FakeShortcuts&>(shell().shortcuts()).collection;
    rising(add(1));
    add(2, false);
    add(3); // no steps yet: a first step is recorded
    ASSERT_TRUE(frame().saveMultiSequences(QStringLiteral("1"), QStringLiteral("Show")));
    EXPECT_EQ(collection, (std::vector<QString>{QStringLiteral("Show 1"), QStringLiteral("Show 3")}));
    const QDir show(sequenceFileIo::showFolder());
    EXPECT_TRUE(QFileInfo(show.filePath(QStringLiteral("Show 1.YSQ"))).isFile());
    EXPECT_TRUE(QFileInfo(show.filePath(QStringLiteral("Show 3.YSQ"))).isFile());
    EXPECT_FALSE(QFileInfo(show.filePath(QStringLiteral("Show 2.YSQ"))).exists());
    EXPECT_EQ(frame().playback(3)->giveMeMaxStep(), 1);
}

TEST_F(FrameFacade, startingAPlaybackTakesTheMainWindowsTimesIntoItsStep) {
    FakeMainWindow& main = fake<MainWindowService, FakeMainWindow>();
    main.boxesShown = true;
    std::map<int, QString>& boxes = main.boxes;
    boxes = {{0, "2"}, {1, "3"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}};
    PlaybackEngine& e = add(1);
    rising(e);
    e.state.currentStep = 2;
    frame().playLoadedSequence(1, false, false, false);
    EXPECT_TRUE(e.timerRunning());
    EXPECT_EQ(e.state.fadeUpTimes[2], 2.0f);
    boxes[0] = QStringLiteral("4");
    EXPECT_TRUE(frame().SendMefadeTimeFromMain(1, true));
    EXPECT_EQ(e.state.fadeUpTimes[0], 4.0f);
    EXPECT_EQ(e.state.fadeUpTimes[1], 4.0f);
    boxes[0] = QStringLiteral("soon");
    EXPECT_FALSE(frame().SendMefadeTimeFromMain(1, false));
}

TEST_F(FrameFacade, mainDisplayIsWrittenOnlyByTheCurrentPlayback) {
    FakeMainWindow& main = fake<MainWindowService, FakeMainWindow>();
    const QStringList& steps = main.stepTexts;
    PlaybackEngine& one = add(1);
    PlaybackEngine& two = add(2);
    rising(one);
    rising(two);
    one.state.currentStep = 1;
    two.state.currentStep = 2;
    shell().state.currentPlayback = 2;
    const bool& buttonsRecoloured = main.buttonsRecoloured;
    frame().UpdateMainDisplay(0);
    EXPECT_EQ(steps, QStringList{QStringLiteral("2:2")});
    EXPECT_TRUE(buttonsRecoloured);
}

TEST_F(FrameFacade, gridRefreshReachesOnlyAVisiblePlaybackAndTheCommandEditorEvery) {
    PlaybackEngine& hidden = add(4, false);
    FakeView view;
    hidden.setView(&view);
    const int& refills = view.refills;
    const int& editors = view.editors;
    frame().updateDisplayData(4);
    frame().ShowEditCommandDialog(4);
    EXPECT_EQ(refills, 0);
    EXPECT_EQ(editors, 1);
    frame().showPlayback(4);
    frame().updateDisplayData(4);
    EXPECT_EQ(refills, 1);
    hidden.setView(nullptr);
}

TEST_F(FrameFacade, stepCommandsAreWrittenOnlyInsideTheSequence) {
    PlaybackEngine& e = add(2);
    rising(e);
    shell().state.currentPlayback = 1;
    frame().setSceneStringLong(2, QStringLiteral("4,1"), 2);
    frame().setSceneStringLong(2, QStringLiteral("ignored"), 3);
    EXPECT_EQ(e.state.stepCommands[2], QLatin1String("4,1"));
    EXPECT_TRUE(e.state.stepCommands[3].isEmpty());
    EXPECT_EQ(shell().state.currentPlayback, 2);
    e.state.currentStep = 2;
    EXPECT_EQ(frame().getSceneStringLong(2), QLatin1String("4,1"));
}

TEST_F(FrameFacade, shortcutAndSoundToMatrixCallsReachTheirPlaybacks) {
    PlaybackEngine& e = add(5);
    FakeView view;
    e.setView(&view);
    const QStringList& calls = view.calls;
    const std::vector<int32_t>& received = fake<MatrixService, FakeMatrix>().received;
    frame().refreshShortcuts(0, true);
    frame().checkForActivePlaybacks(5, QStringLiteral("Intro"));
    EXPECT_TRUE(frame().checkForShortcut(5, QStringLiteral("Intro"), false));
    EXPECT_FALSE(frame().checkForShortcut(6, QStringLiteral("Intro"), true));
    EXPECT_EQ(calls, (QStringList{QStringLiteral("load"), QStringLiteral("active Intro"),
                                  QStringLiteral("check Intro play")}));
    frame().sendAudioDataToPlaybacks({1, 2});
    EXPECT_TRUE(received.empty()); // sound to matrix is off
    frame().startAudioMatrix(QStringLiteral("M"), 255, 0, 1, 5);
    frame().sendAudioDataToPlaybacks({1, 2});
    EXPECT_EQ(received, (std::vector<int32_t>{1, 2}));
    frame().stopAudioMatrix(5);
    EXPECT_FALSE(e.returnAudioToMatrixStatus());
    e.setView(nullptr);
}

} // namespace

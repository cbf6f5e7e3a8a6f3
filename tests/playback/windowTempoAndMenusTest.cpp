#include "audio/audioEngine.h"
#include "playback/playbackEngine.h"
#include "playback/playbackFrame.h"
#include "playback/sequenceFileIo.h"
#include "playback/ui/frmPlayBackControl.h"
#include "playback/ui/frmPlayBackManager.h"
#include "playbackTestSupport.h"
#include "windowTestSupport.h"
#include "scheduler/eventEngine.h"
#include "shell/ui/shellMainWindowService.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace playbackTest;

namespace {

// A one-universe show with the frame window shown and playback n's window in it.
frmPlayBackControl* shownWindow(int32_t n) {
    makeShow(1);
    form<frmPlayBackManager>().show();
    playbackFrame().clkAddPlaybackControl(n, false, true, false);
    return form<frmPlayBackManager>().playbackWindow(n);
}

} // namespace

TEST(PlaybackWindowTempo, beatButtonSetsTheTempoAndTheFadeSlider) {
    struct Case { int64_t intervalMs; const char* bpm; int slider; };
    // The keeper starts with 120 in all eight slots: one interval moves it an eighth of the way.
    for (const Case c : {Case{500, "120", 833}, Case{2000, "109", 917}, Case{4000, "107", 935}}) {
        TestShell t;
        shell().engine<AudioEngine>();
        frmPlayBackControl* w = shownWindow(1);
        ASSERT_NE(w, nullptr);
        t.clock().ms = 10'000;
        w->cmbBeatSync->click();
        t.clock().ms += c.intervalMs;
        w->cmbBeatSync->click();
        EXPECT_EQ(w->lblBPM->text(), QString::fromLatin1(c.bpm)) << c.intervalMs;
        EXPECT_EQ(w->vsliderFadeTime->value(), c.slider) << c.intervalMs;
        EXPECT_EQ(w->engine().state.vsliderFadeTime, c.slider);
    }
}

TEST(PlaybackStepCommands, aStoredCommandRunsWhenARunningPlaybackEntersItsStep) {
    struct Case { int trigger; bool otherStillRuns; };
    // Auto Trigger runs on into the step and runs its command; Play Trigger
    // stops at the step and leaves it.
    for (const Case c : {Case{1, false}, Case{0, true}}) {
        TestShell t;
        makeShow(1);
        shell().engine<EventEngine>();
        PlaybackFrame& frame = playbackFrame();
        frame.clkAddPlaybackControl(1, false, true, false);
        frame.clkAddPlaybackControl(2, false, true, false);
        PlaybackEngine& first = *frame.playback(1);
        PlaybackEngine& other = *frame.playback(2);
        program(first, 1, 2);
        first.state.stepCount = 2;
        first.state.stepCommands[2] = QStringLiteral("0,,2");
        first.setTriggerType(c.trigger);
        other.state.isRunning = true;
        first.state.currentStep = 1;
        first.state.isRunning = true;
        first.advanceToNextStep(false);
        EXPECT_EQ(first.state.currentStep, 2);
        EXPECT_EQ(other.state.isRunning, c.otherStillRuns) << c.trigger;
    }
}

TEST(PlaybackWindowGrid, showsTheStepsAfterALoadAndTwoRowsAfterAClear) {
    TestShell t;
    frmPlayBackControl* w = shownWindow(1);
    PlaybackEngine& e = w->engine();
    program(e, 1, 3);
    e.state.stepCount = 3;
    for (int j = 1; j <= 3; ++j) own(e, 1, j, 40 * j);
    e.state.sceneNames[2] = QStringLiteral("Warm");
    ASSERT_TRUE(sequenceFileIo::saveSequence(e, true, 1, "1", 0, "grid"));
    const QString file = e.state.theSequenceFilename;

    e.clearLoadedSequence();
    EXPECT_EQ(w->msfgSequenceDetail->rowCount(), 2);
    EXPECT_EQ(w->msfgSequenceDetail->item(1, 1)->text(), QString());
    EXPECT_TRUE(e.state.theSequenceFilename.isEmpty());

    ASSERT_TRUE(sequenceFileIo::loadSeqenceIntoMemory(e, file, 0));
    EXPECT_EQ(w->msfgSequenceDetail->rowCount(), 4);
    EXPECT_EQ(w->msfgSequenceDetail->item(2, 1)->text(), QString("[2] Warm"));
}

TEST(PlaybackWindowMenus, entriesAndTheirCommands) {
    TestShell t;
    frmPlayBackControl* w = shownWindow(3);
    QStringList captions;
    for (QAction* a : w->clkMenu->actions()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"Load Seqence Cuelist", "Clear Current Sequence/ Start New Sequence",
                                     "Save Changes to current Sequence Cuelist", "Rename/Name Playback Alias",
                                     "Hide Playback Control", "Exit Program"}));
    captions.clear();
    for (QAction* a : w->clkRemoteMenu->actions()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"Load Sequence Cuelist", "Play", "Stop"}));

    PlaybackEngine& e = w->engine();
    program(e, 3, 2);
    e.state.stepCount = 2;
    own(e, 1, 1, 200);
    shell().state.channelType[2] = QStringLiteral("pan");
    own(e, 2, 1, 10);
    e.state.isRunning = true;
    entry(w->clkRemoteMenu, "Stop")->trigger();
    EXPECT_FALSE(e.state.isRunning);
    EXPECT_EQ(shell().state.channelOwner[1], 3) << "Stop keeps the channels";

    entry(w->clkMenu, "Hide Playback Control")->trigger();
    EXPECT_FALSE(form<frmPlayBackManager>().subWindowOf(3)->isVisible());
    EXPECT_EQ(shell().state.channelOwner[1], 0);
    EXPECT_EQ(shell().state.channelOutput[2], 128);

    // The operator answers OK to the clear question: the current playback is emptied.
    shell().provide<MainWindowService>(std::make_unique<ShellMainWindowService>());
    shell().state.currentPlayback = 3;
    t.prompts().answers.push_back(msgBox::Cancel);
    entry(w->clkMenu, "Clear Current Sequence/ Start New Sequence")->trigger();
    EXPECT_EQ(e.state.stepCount, 2);
    entry(w->clkMenu, "Clear Current Sequence/ Start New Sequence")->trigger();
    EXPECT_EQ(e.state.stepCount, 0);
    EXPECT_EQ(t.prompts().messages.last(),
              QString("Are you sure you want to clear Loaded Sequence and Release Current Playback?"));
}

TEST(PlaybackWindowMenus, saveChangesAsksForTheFileAndKeepsTheTrigger) {
    TestShell t;
    shell().state.showFileName = QStringLiteral("C:\\Shows\\Club.YLC");
    frmPlayBackControl* w = shownWindow(2);
    PlaybackEngine& e = w->engine();
    program(e, 2, 1);
    e.state.stepCount = 1;
    own(e, 1, 1, 99);
    e.optMode_Click(1);
    const QString target = QDir(t.folder()).filePath("saved.YSQ");
    t.prompts().files.push_back(target);
    entry(w->clkMenu, "Save Changes to current Sequence Cuelist")->trigger();
    ASSERT_EQ(t.prompts().fileRequests.size(), 1u);
    EXPECT_EQ(t.prompts().fileRequests[0].title, QString("Save Sequence File"));
    sequenceFile::SequenceFileData d;
    ASSERT_TRUE(sequenceFile::decode(readAll(target), d));
    EXPECT_EQ(sequenceFile::triggerFromText(d.triggerText()), 0) << "Play Trigger";
}

TEST(PlaybackWindowStyle, theActiveColourIsNamedForThatWindowOnly) {
    TestShell t;
    makeShow(1);
    auto& frameWindow = form<frmPlayBackManager>();
    frameWindow.show();
    playbackFrame().clkAddPlaybackControl(3, false, true, false);
    playbackFrame().clkAddPlaybackControl(4, false, true, false);
    frameWindow.mdiArea()->setActiveSubWindow(frameWindow.subWindowOf(3));
    frmPlayBackControl* w = frameWindow.playbackWindow(3);
    EXPECT_EQ(w->objectName(), QString("playback3"));
    EXPECT_TRUE(w->styleSheet().startsWith("frmPlayBackControl#playback3 {")) << w->styleSheet().toStdString();
    EXPECT_EQ(w->cmdGo->palette().color(QPalette::Button), frameWindow.playbackWindow(4)->cmdGo->palette().color(QPalette::Button));
}

TEST(PlaybackWindowView, compactViewWritesTheSettingsSectionInItsOrder) {
    TestShell t;
    frmPlayBackControl* w = shownWindow(3);
    auto& frameWindow = form<frmPlayBackManager>();
    w->engine().state.PlaybackAlias = QStringLiteral("Stage");
    w->engine().state.wasIVisible = true;
    frameWindow.subWindowOf(3)->move(20, 80);
    w->clkCompactView->trigger();
    EXPECT_TRUE(w->clkCompactView->isChecked());
    EXPECT_FALSE(w->clkDefaultView->isChecked());
    EXPECT_FALSE(frameWindow.subWindowOf(3)->isVisible()) << "a stopped playback stays hidden";
    QFile ini(shell().iniFile());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(ini.readAll());
    // The settings writer keeps no blanks around a value.
    const QString expected = "[PlayBack  3]\ntest=1\nMode=Compact\nX=1200\nY=300\nVisible=True\n"
                             "ShowShortcuts=False\nName=Stage\n";
    EXPECT_TRUE(QString(text).remove('\r').contains(expected))
        << text.toStdString();
}

TEST(PlaybackWindowView, theLoadedPlaybacksListKeepsEachEntrysPlaybackNumber) {
    TestShell t;
    makeShow(1);
    auto& frameWindow = form<frmPlayBackManager>();
    frameWindow.show();
    PlaybackFrame& frame = playbackFrame();
    frame.clkAddPlaybackControl(1, false, false, false); // hidden, before the others
    frame.clkAddPlaybackControl(2, false, true, false);
    frame.clkAddPlaybackControl(3, false, true, false);
    frmPlayBackControl* w = frameWindow.playbackWindow(3);
    w->clkView_Click();
    w->clkView_Click();
    const auto entries = w->mlstPlayback->actions();
    ASSERT_EQ(entries.size(), 2) << "visible windows only, never twice";
    frame.hidePlayback(3);
    entries[1]->trigger();
    EXPECT_TRUE(frameWindow.subWindowOf(3)->isVisible());
    EXPECT_FALSE(frameWindow.subWindowOf(1)->isVisible());
}

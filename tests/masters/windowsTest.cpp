// The master windows offscreen: the top bar switches modes and layers, and
// the group submasters, the playback faders and the master fade-out move a
// running playback's levels out of a USB-to-DMX interface.

#include "mastersFixture.h"

#include "masters/ui/MasterFader.h"
#include "masters/ui/Submaster.h"
#include "masters/ui/frmPageSubmasters.h"
#include "masters/ui/frmTop.h"
#include "masters/ui/mastersConsole.h"
#include "output/DmxOutput.h"
#include "platform/safeFile.h"
#include "playback/playbackFrame.h"
#include "playback/sequenceFile.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakeFtdiPort.h"

#include <QDir>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QApplication>
#include <QLabel>
#include <QSpinBox>

namespace {

// The console's own registration: the masters with their windows.
MastersEngine& consoleMasters() {
    registerMasters(shell());
    return mastersEngine();
}

class MasterWindows : public ::testing::Test {
protected:
    TestShell t;
    MastersEngine& m = consoleMasters();
    FakeFtdiDevice* port = nullptr;

    // Playback 1 holds channel 1 (fixture 1's dimmer) at 200; the refresh
    // tick sends it to a fake interface.
    void runPlayback() {
        ChannelModel& s = shell().state;
        s.channelType[1] = QStringLiteral("dimmer");
        s.channelIsIntensity[1] = 1;
        s.fixtureCount = 1;
        s.fixtureDimmerChannel[1] = 1;
        PlaybackFrame& frame = playbackFrame();
        frame.HiResTimer1().setInterval(50);
        auto& ftdi = static_cast<FakeFtdiDriver&>(*shell().ftdi());
        port = &ftdi.attach();
        const char record[] = "0001";
        std::copy(record, record + 4, port->userArea.begin());
        shell().engine<DmxOutput>().clkCorvellDmxDongle_Click();
        sequenceFile::SequenceFileData d = sequenceFile::SequenceFileData::sized(1, 1);
        d.levels[0][0] = char(200);
        d.masks[0].bytes[0] = char(255);
        d.masks[0].triggerText = QStringLiteral("0");
        const QString file = QDir(t.folder()).filePath("Hold.YSQ");
        ASSERT_TRUE(safeFile::writeWhole(file, sequenceFile::encode(d)));
        int32_t doc = 1;
        ASSERT_EQ(frame.loadSequenceInDoc(doc, file, true, false, 100), 1);
        frame.playLoadedSequence(1, false, false, false);
        ASSERT_EQ(sent(), 200);
    }
    // Channel 1 as the interface last received it, after one refresh tick.
    int sent() {
        static_cast<FakeTickTimer&>(playbackFrame().HiResTimer1()).fire(true);
        const auto frames = port->frames();
        return frames.empty() ? -1 : frames.back()[3];
    }
};

} // namespace

TEST_F(MasterWindows, topBarSwitchesModesAndLayers) {
    shell().state.viewNames[1] = QStringLiteral("Stage");
    shell().masters().showTopBar();
    frmTop* top = loadedForm<frmTop>();
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->cmdBlackOut->isVisible());
    top->cmdProgramingMode->click();
    EXPECT_TRUE(shell().masters().programingMode());
    EXPECT_TRUE(top->cmdLayers[1]->isVisible());
    EXPECT_EQ(top->cmdLayers[1]->text(), QStringLiteral("Stage"));
    EXPECT_FALSE(top->cmdReleasePage->isVisible());
    EXPECT_FALSE(top->lblDateTime->isVisible());
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(top->cmdLayers[1], &release);
    EXPECT_EQ(m.top.shownLayer, QStringLiteral("Stage"));
    EXPECT_EQ(m.top.currentLayer, 1);
    top->cmdPlaybackMode->click();
    EXPECT_FALSE(shell().masters().programingMode());
    EXPECT_FALSE(top->cmdLayers[0]->isVisible());
    EXPECT_TRUE(top->cmdReleasePage->isVisible());
    top->cmdBlackOut->click();
    EXPECT_TRUE(shell().masters().returnGrandBlackoutState());
    EXPECT_EQ(top->cmdBlackOut->text(), QStringLiteral("BLACKOUT"));
}

TEST_F(MasterWindows, groupSubmastersGrandMasterAndBlackoutMoveTheOutput) {
    runPlayback();
    shell().masters().showPageSubmasters();
    frmPageSubmasters* w = loadedForm<frmPageSubmasters>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Group Submaster"));
    w->sldrGrandMaster->setValue(50);
    EXPECT_EQ(sent(), 100);
    w->sldrGrandMaster->setValue(0);
    EXPECT_EQ(sent(), 0);
    w->sldrGrandMaster->setValue(100);
    EXPECT_EQ(sent(), 200);
    // Strips follow the pages' groups.
    shell().masters().loadNewSubmaster(1, 0xFF, QStringLiteral("Front"));
    shell().masters().showAllSubmasters();
    EXPECT_TRUE(w->strips[1].go->isVisible());
    EXPECT_FALSE(w->strips[2].go->isVisible());
}

TEST_F(MasterWindows, playbackFaderSetsThePlaybacksDimmer) {
    runPlayback();
    shell().masters().showPlaybackFaders();
    Submaster* w = loadedForm<Submaster>();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->strips.count(1));
    w->strips[1].fader->setValue(25);
    EXPECT_EQ(sent(), 50);
    EXPECT_EQ(w->strips[1].percent->text(), QStringLiteral("25 %"));
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(loadedForm<Submaster>(), w); // closing only hides it
}

// Applying a fader sets the dimmer from the value it holds; even at 0 it
// only dims, it stops nothing (only the operator's drag does).
TEST_F(MasterWindows, applyingAPlaybackFaderSetsTheDimmerFromItsValue) {
    runPlayback();
    ASSERT_TRUE(m.playbackFaders.count(1));
    m.playbackFaders[1].fader = 25;
    EXPECT_EQ(sent(), 200); // held, not yet applied
    shell().masters().applyPlaybackFader(1);
    EXPECT_EQ(sent(), 50);
    const bool running = playbackFrame().getChaserFlag(1);
    m.playbackFaders[1].fader = 0;
    shell().masters().applyPlaybackFader(1);
    EXPECT_EQ(sent(), 0);
    EXPECT_EQ(playbackFrame().getChaserFlag(1), running);
    EXPECT_FALSE(m.playbackFaders[1].stoppedByFader);
    shell().masters().applyPlaybackFader(7); // no such strip: nothing happens
    EXPECT_EQ(sent(), 0);
}

TEST_F(MasterWindows, masterFadeOutFadesTheDimmerToBlackAndBack) {
    runPlayback();
    shell().masters().masterFaderSetMyValuemem(200, 1);
    shell().masters().showMasterFadeOut();
    MasterFader* w = loadedForm<MasterFader>();
    ASSERT_NE(w, nullptr);
    w->seconds->setValue(0);
    w->hundredths->setValue(50);
    w->cmdFadeOut->click();
    EXPECT_EQ(w->cmdFadeOut->text(), QStringLiteral("Cancel"));
    auto& timer = static_cast<FakeTickTimer&>(m.fadeOut.timer());
    timer.fire();
    EXPECT_EQ(w->sldrDimmer->value(), 90);
    EXPECT_EQ(shell().state.channelOutput[1], 180);
    for (int i = 0; i < 9; ++i) timer.fire();
    EXPECT_EQ(w->cmdFadeOut->text(), QStringLiteral("Fade Up"));
    EXPECT_TRUE(shell().masters().returnGrandBlackoutState());
    EXPECT_EQ(sent(), 0);
    w->cmdFadeOut->click();
    EXPECT_FALSE(shell().masters().returnGrandBlackoutState());
    for (int i = 0; i < 10; ++i) timer.fire();
    EXPECT_EQ(w->sldrDimmer->value(), 100);
    EXPECT_EQ(shell().state.channelOutput[1], 200);
}

TEST_F(MasterWindows, dualViewPutsTheSubmastersOnTheSecondMonitor) {
    static_cast<FakeMonitors&>(*shell().monitors()).rects.push_back(QRect(1920, 0, 1280, 1024));
    miscGlobalFunctions::writeIniValue(shell().iniFile(), "DualView", "Enabled", QStringLiteral("True"));
    shell().masters().showTopBar();
    shell().masters().cmdProgramingMode_Click();
    frmPageSubmasters* w = loadedForm<frmPageSubmasters>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->geometry().x(), 1920);
    EXPECT_EQ(w->width(), int(1280 * 0.98));
    EXPECT_FALSE(loadedForm<frmTop>()->cmdPlaybackMode->isEnabled());
}

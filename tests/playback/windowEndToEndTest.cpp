// The operator's round trip on an offscreen playback window: three steps
// recorded from levels set by hand, saved from the window's menu, the window
// hidden, the sequence loaded again from the menu and from the shortcut
// panel, and played to the same levels at a USB-to-DMX interface.

#include "output/DmxOutput.h"
#include "playback/playbackEngine.h"
#include "playback/playbackFrame.h"
#include "playback/ui/frmPlayBackControl.h"
#include "playback/ui/frmPlayBackManager.h"
#include "playbackTestSupport.h"
#include "windowTestSupport.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace playbackTest;

namespace {

const int recorded[3][2] = {{60, 120}, {180, 30}, {255, 0}};

} // namespace

TEST(WindowEndToEnd, recordSaveHideReloadAndPlayAtTheInterface) {
    TestShell t;
    makeShow(1);
    shell().state.showFileName = QStringLiteral("C:\\Shows\\Club.YLC");
    shell().state.masterShortcutFiles = QStringList(513, QString());
    PlaybackFrame& frame = playbackFrame();
    frame.HiResTimer1().setInterval(50);
    auto& fakeFtdi = static_cast<FakeFtdiDriver&>(*shell().ftdi());
    FakeFtdiDevice& port = fakeFtdi.attach();
    const char record[] = "0001";
    std::copy(record, record + 4, port.userArea.begin());
    shell().engine<DmxOutput>().clkCorvellDmxDongle_Click();
    auto& tick = static_cast<FakeTickTimer&>(frame.HiResTimer1());
    auto slot = [&](int c) {
        const auto f = port.frames();
        return f.empty() ? -1 : int(f.back()[size_t(2 + c)]);
    };

    auto& frameWindow = form<frmPlayBackManager>();
    frameWindow.show();
    frame.clkAddPlaybackControl(1, false, true, false);
    frmPlayBackControl* w = frameWindow.playbackWindow(1);
    PlaybackEngine& e = w->engine();

    // Levels set by hand on two channels the playback takes, one step each.
    ChannelModel& m = shell().state;
    for (const auto& levels : recorded) {
        for (int c = 1; c <= 2; ++c) {
            m.channelOwner[size_t(c)] = 1;
            m.channelOutput[size_t(c)] = levels[c - 1];
        }
        e.recordScene(true);
    }
    ASSERT_EQ(e.state.stepCount, 3);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(e.state.stepValues(1, j), recorded[j - 1][0]) << j;
        times(e, j, 0, 0);
    }

    const QString file = shell().programPath("Sequences\\Club\\Recorded.YSQ");
    t.prompts().files.push_back(file);
    e.optMode_Click(1); // Play Trigger: one step per GO
    entry(w->clkMenu, "Save Changes to current Sequence Cuelist")->trigger();
    ASSERT_TRUE(QFile::exists(file));

    entry(w->clkMenu, "Hide Playback Control")->trigger();
    EXPECT_FALSE(frameWindow.subWindowOf(1)->isVisible());
    EXPECT_EQ(m.channelOwner[1], 0);

    auto playsTheRecordedSteps = [&](const char* how) {
        for (int j = 1; j <= 3; ++j) {
            if (j > 1) e.cmdGo_Click();
            for (int i = 0; i < 80; ++i) tick.fire(true); // the fade from the live output takes its time
            EXPECT_EQ(slot(1), recorded[j - 1][0]) << how << " step " << j;
            EXPECT_EQ(slot(2), recorded[j - 1][1]) << how << " step " << j;
        }
    };

    // From the window's menu, answering No to Auto Trigger.
    frame.showPlayback(1);
    t.prompts().files.push_back(file);
    t.prompts().answers.push_back(msgBox::No);
    entry(w->clkMenu, "Load Seqence Cuelist")->trigger();
    ASSERT_EQ(e.state.theSequenceFilename, file);
    playsTheRecordedSteps("menu");

    // From the shortcut panel, after the playback was emptied.
    e.clearsequence();
    w->clkShowShortcuts->trigger();
    ASSERT_EQ(w->cmdShortcut.size(), 1u);
    EXPECT_TRUE(w->checkForShortcut("Club\\Recorded.YSQ", true));
    ASSERT_EQ(e.state.theSequenceFilename, file);
    playsTheRecordedSteps("panel");
}

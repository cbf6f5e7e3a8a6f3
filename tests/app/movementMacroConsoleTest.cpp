// A movement macro through the running console: an "m-fx" event naming a
// stored shape reaches playback 1, the refresh tick moves the head from
// point to point at a USB-to-DMX interface, and an event marked off (or the
// playback cleared) hands the channels back.

#include "app/console.h"
#include "runningDesk.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/shapeFile.h"
#include "show/showTestSupport.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

TEST(MovementMacroConsole, AShapeEventMovesTheHeadOnTheRefreshTickUntilItIsMarkedOff) {
    QTemporaryDir dir;
    ASSERT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
    console::Console c(dir.path(), runningDesk::scriptedServices());
    c.start();
    QApplication::processEvents();
    Shell& s = c.shell();
    ChannelModel& m = s.state;
    FakeFtdiDevice& port = runningDesk::attachInterface(s);
    auto sent = [&](int ch) { return runningDesk::lastLevel(port, ch); };

    // One head: pan 1, tilt 2, dimmer 3.
    patchFixtures(m, 1, QStringLiteral("Head"), {QStringLiteral("pan"), QStringLiteral("tilt"), QStringLiteral("dimmer")},
                  1, 1);
    m.fixtureStartChannel[1] = 1;
    m.fixtureLightClass[1] = 1;
    m.fixturePanChannel[1] = 1;
    m.fixtureTiltChannel[1] = 2;
    // Playback 1 runs a step of its own.
    s.playback().clkAddPlaybackControl(1, false, true, false);
    m.currentPlayback = 1;
    s.playback().pressRecord(1, true);
    ASSERT_EQ(s.playback().getMaxSteps(1), 1);
    s.playback().playLoadedSequence(1, false, false, false);
    runningDesk::runTicks(s, 2);
    ASSERT_GE(s.playback().returnCurrentStep(1), 1);

    // A stored shape of two points, swung between at speed 50 (about half a second a point).
    shapeFile::Shape swing;
    swing.steps = {{100, 50}, {200, 150}};
    QDir().mkpath(s.programPath(QStringLiteral("Shapes")));
    ASSERT_TRUE(writeWholeFile(s.programPath(QStringLiteral("Shapes")) + QStringLiteral("/Swing.YSH"), shapeFile::encode(swing)));
    clsEvent e;
    e.eventType = QStringLiteral("m-fx");
    e.eventName = QStringLiteral("Swing");
    e.eventFixtureNumbers = QStringLiteral("1,");
    e.eventStepNumber = 1;
    e.shapeSpeed = 50;
    e.theXSize = e.theYSize = 100;
    e.shortcutTop = -1;
    s.presets().sendEventToPlayback(1, e);

    std::set<int> pans;
    int previous = -1, changes = 0;
    for (int t = 0; t < 40; ++t) {
        runningDesk::runTicks(s, 1);
        const int pan = sent(1);
        pans.insert(pan);
        if (pan != previous) ++changes;
        previous = pan;
        if (pan > 0) {
            EXPECT_EQ(sent(2) - pan, -50) << "tilt follows the same shape";
        }
    }
    EXPECT_TRUE(pans.count(100) && *pans.rbegin() >= 190) << "from one point to the other";
    EXPECT_GE(changes, 20) << "moved on the ticks, in between the points";
    EXPECT_EQ(m.channelOwner[1], 1);

    // Marked off: the macro stops and playback 1 takes the channels back (its step holds 0).
    e.shortcutTop = 0;
    s.presets().sendEventToPlayback(1, e);
    runningDesk::runTicks(s, 3);
    EXPECT_EQ(sent(1), 0);
    const int still = sent(1);
    runningDesk::runTicks(s, 10);
    EXPECT_EQ(sent(1), still);

    // Started again, then the playback is cleared: the macro goes with its events.
    e.shortcutTop = -1;
    s.presets().sendEventToPlayback(1, e);
    runningDesk::runTicks(s, 5);
    EXPECT_NE(sent(1), 0);
    s.playback().clearSequenceInChaser(1);
    runningDesk::runTicks(s, 3);
    const int after = sent(1);
    runningDesk::runTicks(s, 10);
    EXPECT_EQ(sent(1), after) << "nothing moves the head any more";
}

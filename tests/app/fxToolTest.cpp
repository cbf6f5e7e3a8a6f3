// The Advanced FX Tool on the running console: opened from its menu entry,
// a 16-step circle written for four moving heads through the properties
// dialog, previewed, played, and followed at a USB-to-DMX interface.

#include "app/console.h"
#include "runningDesk.h"
#include "effects/shapeGenerator.h"
#include "effects/ui/ShapeGeneratorWin.h"
#include "output/DmxOutput.h"
#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/deviceArrival.h"
#include "platform/fileSystem.h"
#include "platform/ftdiPort.h"
#include "platform/midiPorts.h"
#include "platform/monitors.h"
#include "platform/portIo.h"
#include "platform/tickTimer.h"
#include "playback/playbackFrame.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"
#include "show/showTestSupport.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"
#include "support/layoutCheck.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

TEST(FxTool, aCircleOfSixteenStepsOnFourHeadsPlaysAtTheInterface) {
    QTemporaryDir dir;
    ASSERT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
    console::Console c(dir.path(), runningDesk::scriptedServices());
    c.start();
    QApplication::processEvents();
    Shell& s = c.shell();

    FakeFtdiDevice& port = runningDesk::attachInterface(s);
    auto slot = [&](int ch) { return runningDesk::lastLevel(port, ch); };

    // Four heads: pan, tilt, dimmer from channel 1.
    ChannelModel& m = s.state;
    patchFixtures(m, 1, QStringLiteral("Head"), {QStringLiteral("pan"), QStringLiteral("tilt"), QStringLiteral("dimmer")},
                  1, 4);
    for (int f = 1; f <= 4; ++f) {
        const int start = 3 * f - 2;
        m.fixtureStartChannel[size_t(f)] = int16_t(start);
        m.fixtureLightClass[size_t(f)] = 1;
        m.fixturePanChannel[size_t(f)] = int16_t(start);
        m.fixtureTiltChannel[size_t(f)] = int16_t(start + 1);
    }
    s.patch().layoutFixtures(1, m.fixtureCount, false);
    s.playback().clkAddPlaybackControl(1, false, true, false);
    m.currentPlayback = 1;

    Main& main = c.mainWindow();
    main.updateMenuStates();
    QAction* entry = main.menuEntry(QStringLiteral("Advanced FX Tool"));
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->isEnabled());
    entry->trigger();
    QApplication::processEvents();
    ShapeGeneratorWin* tool = loadedForm<ShapeGeneratorWin>();
    ASSERT_NE(tool, nullptr);
    ASSERT_TRUE(tool->isVisible());
    for (int pt : {9, 14}) EXPECT_EQ(layoutCheck::problemsAtFontSize(*tool, pt), QStringList()) << pt << " pt";

    s.patch().selectFixtures({1, 2, 3, 4}, false);
    ASSERT_EQ(s.patch().selectedFixtures(), (std::vector<int32_t>{1, 2, 3, 4}));

    QAction* circle = nullptr;
    for (QAction* a : tool->preCalShapes->actions())
        if (a->text() == QStringLiteral("Circle")) circle = a;
    ASSERT_NE(circle, nullptr);
    circle->trigger();
    myDialog* dlg = loadedForm<myDialog>();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(dlg->isVisible());
    dlg->txtSteps->setText(QStringLiteral("16"));
    emit dlg->txtSteps->textEdited(dlg->txtSteps->text());
    dlg->sldrX->setValue(200);
    dlg->sldrY->setValue(200);
    dlg->OKButton->click();
    QApplication::processEvents();

    // The circle about the middle (the heads stand at 0): 22-degree steps.
    const std::vector<int> pan = {27, 34, 55, 86, 124, 161, 194, 217, 227, 222, 204, 174, 137, 99, 65, 40};
    const std::vector<int> tilt = {127, 90, 58, 36, 27, 33, 53, 83, 120, 158, 191, 215, 226, 223, 206, 177};
    ASSERT_EQ(s.playback().getMaxSteps(1), 16);
    for (int step = 1; step <= 16; ++step) {
        EXPECT_EQ(s.playback().sendChaserValueFromPlayback(7, step, 1), pan[size_t(step - 1)]) << step;
        EXPECT_EQ(s.playback().sendChaserValueFromPlayback(8, step, 1), tilt[size_t(step - 1)]) << step;
    }
    const auto& preview = tool->joystick->points();
    ASSERT_EQ(preview.size(), 16u);
    EXPECT_EQ(preview[4].pan, 124);
    EXPECT_EQ(preview[4].tilt, 27);
    EXPECT_TRUE(s.playback().getChaserFlag(1));

    // Played: the first head's pan and tilt at the interface pass through the circle's points.
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 600; ++i) {
        runningDesk::runTicks(s, 1);
        const std::pair<int, int> at{slot(1), slot(2)};
        for (size_t k = 0; k < pan.size(); ++k)
            if (at.first == pan[k] && at.second == tilt[k]) seen.insert(at);
    }
    EXPECT_GE(seen.size(), 4u) << "points of the circle reached at the port";
}

// The live controls through the running console: the palette window opened
// from the main window, two moving heads and an RGB par selected, the
// Faders tab's wheels set levels that reach a USB-to-DMX interface.

#include "app/console.h"
#include "runningDesk.h"
#include "presets/ui/frmPalettes.h"
#include "presets/ui/paletteWindowService.h"
#include "programmer/colourPictures.h"
#include "programmer/ui/Wheel.h"
#include "programmer/ui/colourPicture.h"
#include "programmer/ui/encoderStrip.h"
#include "programmer/ui/paletteProgrammer.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/showService.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>


// The running console with a saved show: an RGB par at 1 and two moving heads from 20.
class LiveControls : public ::testing::Test {
protected:
    void SetUp() override {
        c = runningDesk::startWithSavedShow(dir.path(), dir.filePath(QStringLiteral("Live.YCF")));
        Shell& s = c->shell();
        par = runningDesk::patchShipped(s, QStringLiteral("RGB Par.fix"), 1, 1);
        head = runningDesk::patchShipped(s, QStringLiteral("Moving Head Spot.fix"), 20, 2);
        ASSERT_EQ(s.state.fixtureCount, 3);
        s.playback().clkAddPlaybackControl(1, false, true, false);
        s.state.currentPlayback = 1;
        for (const int32_t f : {par, head, head + 1}) s.patch().setSelected(f, true);
    }
    // Opens the palette window from the main window's menu.
    frmPalettes& openPalette() {
        QAction* entry = c->mainWindow().menuEntry(QStringLiteral("Palettes"));
        EXPECT_TRUE(entry && entry->isEnabled());
        if (entry) entry->trigger();
        QApplication::processEvents();
        return *loadedForm<frmPalettes>();
    }
    PaletteProgrammer& live() {
        return *static_cast<PaletteProgrammer*>(
            dynamic_cast<PaletteWindowService&>(c->shell().presets()).liveControls());
    }
    int32_t start(int32_t f) { return c->shell().state.fixtureStartChannel[size_t(f)]; }
    QTemporaryDir dir;
    std::unique_ptr<console::Console> c;
    int32_t par = 0, head = 0;
};

TEST_F(LiveControls, AWheelOnTheFadersPageSetsEverySelectedHeadAtTheInterface) {
    Shell& s = c->shell();
    FakeFtdiDevice& port = runningDesk::attachInterface(s);
    frmPalettes& palette = openPalette();
    palette.tabButtons[frmPalettes::fadersTab]->click();
    ASSERT_GT(live().bank().count(), 0);

    // The first head's dimmer wheel: Full, then two notches down.
    int dimmer = 0;
    for (int i = 1; i <= live().bank().count(); ++i)
        if (live().bank().wheel(i)->myFixtureNumber == head && live().bank().wheel(i)->channelName == "dimmer") dimmer = i;
    ASSERT_GT(dimmer, 0);
    runningDesk::click(live().wheelWidget(dimmer)->LBL255, QPoint(2, 2));
    const int32_t channel = live().bank().wheel(dimmer)->myChannelNumber;
    const int32_t other = channel - start(head) + start(head + 1);
    runningDesk::runTicks(s, 3);
    EXPECT_EQ(runningDesk::lastLevel(port, channel), 255);
    EXPECT_EQ(runningDesk::lastLevel(port, other), 255) << "the second head follows";
    live().bank().faderMouseMove(dimmer);
    live().bank().stepWheelUnderPointer(-120);
    live().bank().stepWheelUnderPointer(-120);
    runningDesk::runTicks(s, 3);
    EXPECT_EQ(runningDesk::lastLevel(port, channel), 253);
    EXPECT_EQ(runningDesk::lastLevel(port, other), 253);
    EXPECT_EQ(live().wheelWidget(dimmer)->lblValue->text(), "253");

    // The par's red wheel.
    runningDesk::click(live().wheelWidget(1)->LBL255, QPoint(2, 2));
    ASSERT_EQ(live().bank().wheel(1)->channelName, "red");
    runningDesk::runTicks(s, 3);
    EXPECT_EQ(runningDesk::lastLevel(port, start(par)), 255);
}

TEST_F(LiveControls, AnEncoderAndAColourPickSetTheSelectionAtTheInterface) {
    Shell& s = c->shell();
    FakeFtdiDevice& port = runningDesk::attachInterface(s);
    frmPalettes& palette = openPalette();
    palette.tabButtons[3]->click(); // Beam...: encoder 0 is the dimmer
    EncoderStrip& strip = *live().encoders();
    ASSERT_TRUE(strip.isVisible());
    ASSERT_EQ(strip.bank.encoderNames[0], "dimmer");
    ASSERT_EQ(strip.bank.tags[0], "0");
    strip.bank.tags[0] = "120";
    strip.bank.encoderLastDelta = 120; // what a notch away from the operator leaves
    strip.oneWheel_MouseMove(0, 0);    // one step up
    runningDesk::runTicks(s, 3);
    const int32_t dimmer = start(head) + 4;
    EXPECT_EQ(runningDesk::lastLevel(port, dimmer), 121);
    EXPECT_EQ(runningDesk::lastLevel(port, dimmer + 8), 121) << "the second head";

    // The Color page's RGB picture: the blue swatch onto the par.
    palette.tabButtons[0]->click();
    live().btnChangeColorMode()->click();
    ColourPicture& picture = *live().colourPicture();
    ASSERT_TRUE(picture.isVisible());
    const QSize native = colourPictures::pictureSize(colourPictures::rgb);
    const int x = (colourPictures::swatchLeft(colourPictures::rgb, 8) + 45) * picture.width() / native.width();
    const int y = 90 * picture.height() / native.height();
    picture.CheckColor(x, y);
    runningDesk::runTicks(s, 3);
    EXPECT_EQ(runningDesk::lastLevel(port, start(par)), 0);
    EXPECT_EQ(runningDesk::lastLevel(port, start(par) + 2), 255);
}

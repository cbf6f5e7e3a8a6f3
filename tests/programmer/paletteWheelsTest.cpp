// The attribute wheels on the palette window, offscreen: the Faders tab
// builds them for the selection, the operator's clicks reach the channels,
// another tab takes them away, and the page passes the layout check.

#include "programmerDesk.h"

#include "presets/ui/frmPalettes.h"
#include "presets/ui/paletteWindowService.h"
#include "programmer/colourPictures.h"
#include "programmer/ui/Wheel.h"
#include "programmer/ui/colourPicture.h"
#include "programmer/ui/encoderStrip.h"
#include "programmer/ui/frmProperties.h"
#include "programmer/ui/paletteProgrammer.h"
#include "shell/ui/windowRegistry.h"
#include "support/layoutCheck.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QWheelEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct PaletteDesk : programmerTest::Desk {
    PaletteWindowService& service = ts.get().provide<PresetsService>(std::make_unique<PaletteWindowService>());
    PaletteProgrammer* live = nullptr;
    PaletteDesk() {
        attachLiveControls(ts.get());
        live = static_cast<PaletteProgrammer*>(service.liveControls());
        profile(1, {{"dimmer", {{"Closed", 0, 9}, {"Open", 10, 255}}}, {"pan", {}}, {"tilt", {}}, {"gobo1 rotation", {}}});
        profile(2, {{"red", {}}, {"green", {}}, {"blue", {}}});
        patch(1, 1, 1);
        patch(2, 20, 1);
        patch(3, 40, 2);
        roleResolution::getFixtureDimmersandFoggers();
        service.regeneratePalettes();
    }
    frmPalettes& window() {
        service.showPalettes();
        return *service.loadedWindow();
    }
};

void send(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint at = QPoint(2, 2)) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void notch(QWidget* w, int rotation, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWheelEvent e(QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), QPoint(), QPoint(0, rotation), Qt::NoButton, modifiers,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

void move(QWidget* w, Qt::MouseButtons held = Qt::NoButton, QPoint at = QPoint(2, 2)) {
    QMouseEvent e(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
    send(w, QEvent::MouseButtonPress, button);
    send(w, QEvent::MouseButtonRelease, button);
}

} // namespace

TEST(PaletteWheels, TheFadersTabShowsAWheelPerChannelAndTheirClicksReachTheChannels) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    ASSERT_NE(d.live, nullptr);
    d.select({1, 2, 3});
    w.tabButtons[frmPalettes::fadersTab]->click();
    EXPECT_EQ(w.paletteCurrentlyActive, "Faders");
    EXPECT_EQ(d.service.currentTypeName(), "Faders");
    ASSERT_EQ(d.live->bank().count(), 7);
    Wheel* dimmer = d.live->wheelWidget(1);
    ASSERT_NE(dimmer, nullptr);
    EXPECT_TRUE(dimmer->isVisible());
    EXPECT_EQ(dimmer->parentWidget(), w.page);
    EXPECT_EQ(dimmer->ButtonPlus1->text(), "dimmer");
    EXPECT_EQ(d.live->wheelWidget(4)->ButtonPlus1->text(), "gobo1 rotation");

    click(dimmer->LBL255);
    EXPECT_EQ(d.level(1), 255);
    EXPECT_EQ(d.level(20), 255) << "the second head's dimmer follows";
    EXPECT_EQ(dimmer->lblValue->text(), "255");
    EXPECT_EQ(dimmer->lblChannel->text(), "Open");
    EXPECT_EQ(d.plays.aliases.last(), "Fader : dimmer|1|fader");

    // The tick brings a wheel to a level a playback set.
    d.m.channelOutput[41] = 77;
    d.service.updateDMXValueDisplay(false);
    EXPECT_EQ(d.live->wheelWidget(6)->lblValue->text(), "77");

    // A new selection rebuilds the bank; another tab clears it.
    d.select({3});
    d.service.refreshButtons();
    EXPECT_EQ(d.live->bank().count(), 3);
    w.tabButtons[1]->click();
    EXPECT_EQ(d.live->bank().count(), 0);
    EXPECT_EQ(d.live->wheelWidget(1), nullptr);
    d.m.channelOutput[41] = 5;
    d.service.updateDMXValueDisplay(false); // nothing to follow off the Faders page
}

TEST(PaletteWheels, HoldingTheFaderStepsOnTheTimerAndOffWithTheRightButtonFreesTheChannel) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    d.select({3});
    w.tabButtons[frmPalettes::fadersTab]->click();
    Wheel* red = d.live->wheelWidget(1);
    ASSERT_NE(red, nullptr);
    FakeTickTimer* timer = nullptr;
    for (FakeTickTimer* t : d.ts.timers().created)
        if (&red->engine().tmrScroll() == t) timer = t;
    ASSERT_NE(timer, nullptr);
    send(red->frmFader, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 2));
    timer->fire();
    timer->fire();
    EXPECT_EQ(d.level(40), 2);
    send(red->frmFader, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 2));
    EXPECT_FALSE(timer->enabled());
    EXPECT_EQ(d.m.channelOwner[40], 1);
    click(red->LBL0, Qt::RightButton);
    EXPECT_EQ(d.level(40), 0);
    EXPECT_EQ(d.m.channelOwner[40], 0);
}

TEST(PaletteWheels, TheFadersPageKeepsItsLayoutAt9And14Points) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    d.select({1, 3});
    w.resize(900, 700);
    w.tabButtons[frmPalettes::fadersTab]->click();
    for (const int points : {9, 14}) {
        layoutCheck::problemsAtFontSize(w, points);
        w.tabButtons[frmPalettes::fadersTab]->click(); // the bank is built for the font shown
        EXPECT_EQ(layoutCheck::problems(w).join(QLatin1Char('\n')).toStdString(), "") << points << " pt";
        EXPECT_EQ(d.live->bank().count(), 7);
    }
}

TEST(PaletteWheels, TheEncoderStripFollowsTheCategoryPageAndItsEntryBoxSetsTheChannels) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    EncoderStrip& strip = *d.live->encoders();
    d.select({1, 2});
    w.tabButtons[2]->click(); // Shutter
    ASSERT_TRUE(strip.isVisible());
    EXPECT_EQ(strip.bank.encoderNames[5], "dimmer");
    EXPECT_EQ(strip.bank.tags[5], "0");
    EXPECT_EQ(strip.bank.tags[0], "") << "no shutter channel";

    // A double-click opens the box on the dimmer; Enter sets both heads.
    const QPointF at(3, 3);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, strip.oneWheel[5]->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(strip.oneWheel[5], &dbl);
    ASSERT_TRUE(strip.txtDirectWheelValue->isVisible());
    strip.txtDirectWheelValue->setText("300");
    QKeyEvent enter(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(strip.txtDirectWheelValue, &enter);
    EXPECT_FALSE(strip.txtDirectWheelValue->isVisible());
    EXPECT_EQ(strip.bank.tags[5], "255");
    EXPECT_EQ(d.level(1), 255);
    EXPECT_EQ(d.level(20), 255);

    // A notch towards the operator over the dimmer encoder (stamped by the pointer) lowers it one step.
    move(strip.oneWheel[5]);
    notch(strip.oneWheel[5], -120);
    EXPECT_EQ(strip.bank.tags[5], "254");
    EXPECT_EQ(d.level(20), 254);

    // The Faders and Matrix tabs hide the strip.
    w.tabButtons[frmPalettes::fadersTab]->click();
    EXPECT_FALSE(strip.isVisible());
    w.tabButtons[13]->click();
    EXPECT_FALSE(strip.isVisible());
}

TEST(PaletteWheels, NotchesGoToTheHoveredWheelOrTheFineAdjustSliderElseTheCaptionReportsThem) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    d.select({1});
    w.tabButtons[8]->click(); // Groups: no wheels, no slider
    notch(w.page, 120);
    EXPECT_EQ(w.windowTitle(), "Form Scroll Up");
    notch(w.page, -120);
    EXPECT_EQ(w.windowTitle(), "Form Scroll Down");

    w.tabButtons[frmPalettes::fadersTab]->click();
    Wheel* pan = d.live->wheelWidget(2);
    ASSERT_NE(pan, nullptr);
    d.m.channelOutput[2] = 100;
    d.service.updateDMXValueDisplay(false);
    move(pan->frmFader); // hovered
    notch(w.page, -120);
    EXPECT_EQ(d.level(2), 99);
    notch(pan, 120);
    notch(pan, 120);
    EXPECT_EQ(d.level(2), 101);
    EXPECT_EQ(pan->lblValue->text(), "101");
}

TEST(PaletteWheels, ThePropertyButtonOpensThePickerAndAnItemLimitsTheWheel) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    d.select({1, 2});
    w.tabButtons[frmPalettes::fadersTab]->click();
    Wheel* dimmer = d.live->wheelWidget(1);
    send(dimmer->ButtonPlus1, QEvent::MouseButtonPress, Qt::LeftButton);
    frmProperties* picker = loadedForm<frmProperties>();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->windowTitle(), "dimmer");
    ASSERT_EQ(picker->imgProperty.size(), 3u) << "Closed, Open and the FX item";
    EXPECT_EQ(picker->imgProperty[1]->text(), "Open");
    click(picker->imgProperty[1]);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(d.level(1), 10);
    EXPECT_EQ(d.level(20), 10);
    EXPECT_EQ(dimmer->engine().minValue, 10);
    EXPECT_EQ(dimmer->lblValue->text(), "10");
}

TEST(PaletteWheels, TheColourPicturePicksOntoTheSelectionAndCyclesItsPictures) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    w.resize(1000, 600);
    d.select({3});
    w.tabButtons[0]->click();
    ColourPicture* picture = d.live->colourPicture();
    ASSERT_TRUE(picture->isVisible());
    EXPECT_EQ(d.live->btnChangeColorMode()->text(), "Normal");
    for (const char* next : {"RGB", "Rosco", "Lee", "Normal"}) {
        d.live->btnChangeColorMode()->click();
        EXPECT_EQ(d.live->btnChangeColorMode()->text(), next);
    }
    d.live->btnChangeColorMode()->click(); // RGB
    // The middle of the first swatch is red; a press there recalls it on the par.
    const QSize native = colourPictures::pictureSize(colourPictures::rgb);
    const int x = (colourPictures::swatchLeft(colourPictures::rgb, 0) + 45) * picture->width() / native.width();
    const int y = 90 * picture->height() / native.height();
    send(picture, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(x, y));
    EXPECT_EQ(d.level(40), 255);
    EXPECT_EQ(d.level(41), 0);
    EXPECT_TRUE(picture->Shape1->isVisible());
    send(picture, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(x, y));
    EXPECT_EQ(d.plays.aliases.last(), "255|1|color");
    // A cancelled colour dialog changes nothing; a chosen one is recalled.
    d.m.channelOutput[40] = 3;
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(x, y), picture->mapToGlobal(QPointF(x, y)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &dbl);
    EXPECT_EQ(d.level(40), 3);
    d.ts.prompts().colours.push_back(65280);
    QApplication::sendEvent(picture, &dbl);
    EXPECT_EQ(d.level(41), 255);
    EXPECT_EQ(d.level(40), 0);

    w.tabButtons[1]->click();
    EXPECT_FALSE(picture->isVisible());
    EXPECT_FALSE(d.live->btnChangeColorMode()->isVisible());
}

TEST(PaletteWheels, TheColourAndShutterPagesWithTheirLiveControlsKeepTheirLayoutAt9And14Points) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    d.select({1, 3});
    for (const int tab : {0, 2}) {
        w.tabButtons[size_t(tab)]->click();
        for (const int points : {9, 14}) {
            layoutCheck::problemsAtFontSize(w, points);
            w.tabButtons[size_t(tab)]->click(); // laid out again for the font shown
            EXPECT_EQ(layoutCheck::problems(w).join(QLatin1Char('\n')).toStdString(), "") << tab << " " << points << " pt";
        }
    }
}

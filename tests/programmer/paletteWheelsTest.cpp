// The attribute wheels on the palette window, offscreen: the Faders tab
// builds them for the selection, the operator's clicks reach the channels,
// another tab takes them away, and the page passes the layout check.

#include "programmerDesk.h"

#include "presets/ui/frmPalettes.h"
#include "presets/ui/paletteWindowService.h"
#include "programmer/ui/Wheel.h"
#include "programmer/ui/paletteProgrammer.h"
#include "support/layoutCheck.h"

#include <QApplication>
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

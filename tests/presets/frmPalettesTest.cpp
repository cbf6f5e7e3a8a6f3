// The palette window on the offscreen platform: the pages of the tabs, the
// presets that apply to the selection, a press that recalls, a button
// dragged to a place it keeps, and its layout at two font sizes.

#include "presetDesk.h"

#include "presets/ui/frmPalettes.h"
#include "presets/ui/paletteWindowService.h"
#include "shell/ui/windowRegistry.h"
#include "support/layoutCheck.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

using namespace presetTest;

namespace {

struct Masters : MastersService {
    bool programingMode() override { return true; }
};

// Two RGB pars (1, 2) and a spot with a colour wheel (3), their palettes
// generated, and the palette window's service in place.
struct PaletteDesk : Desk {
    // Replaces the plain engine of Desk (whose `presets` and `engine` are not used here).
    PaletteWindowService& service = ts.get().provide<PresetsService>(std::make_unique<PaletteWindowService>());
    PaletteDesk() {
        ts.get().provide<MastersService>(std::make_unique<Masters>());
        profile(1, {{"red", {}}, {"green", {}}, {"blue", {}}});
        profile(2, {{"dimmer", {}}, {"color", {{"255", 0, 9}, {"16711680", 10, 19}, {"Deep Green", 20, 29}}}});
        patch(1, 1, 1);
        patch(2, 4, 1);
        patch(3, 10, 2);
        service.regeneratePalettes();
    }
    frmPalettes& window() {
        service.showPalettes();
        return *service.loadedWindow();
    }
    std::vector<QString> shown(frmPalettes& w) {
        std::vector<QString> out;
        for (size_t i = 0; i < w.presetButtons.size(); ++i)
            if (w.presetButtons[i]->isVisible()) out.push_back(w.model[i].presetName);
        return out;
    }
};

} // namespace

TEST(PaletteWindow, TheColorPageShowsOnlyThePresetsThatApplyToTheSelection) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    EXPECT_EQ(w.windowTitle(), "Control Palette");
    EXPECT_EQ(w.markedTab(), 0);
    EXPECT_EQ(w.paletteCurrentlyActive, "Color");
    EXPECT_TRUE(d.shown(w).empty()) << "nothing selected";

    d.select({1, 2});
    d.service.refreshButtons();
    EXPECT_EQ(d.shown(w), (std::vector<QString>{"16711680", "255"})) << "colour numbers suit the RGB pars";
    d.select({3});
    d.service.refreshButtons();
    EXPECT_EQ(d.shown(w).size(), 3u);
    d.select({1, 3});
    d.service.refreshButtons();
    EXPECT_EQ(d.shown(w), (std::vector<QString>{"16711680", "255"}));

    // Other tabs mark themselves; pages not built yet stay empty.
    w.tabButtons[1]->click();
    EXPECT_EQ(w.markedTab(), 1);
    EXPECT_EQ(w.paletteCurrentlyActive, "Gobo");
    EXPECT_EQ(d.service.myPaletteCls.currentTypeName, "Gobo");
    w.tabButtons[8]->click();
    EXPECT_EQ(w.paletteCurrentlyActive, "Groups");
    EXPECT_TRUE(w.presetButtons.empty());
}

TEST(PaletteWindow, APressRecallsThePresetAndItsFrameTurnsGreenForTheStep) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    d.select({1, 2});
    d.service.refreshButtons();
    ASSERT_EQ(d.shown(w).front(), "16711680");
    d.playbacks.current[1] = 1;
    d.playbacks.steps[1] = 1;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w.presetButtons[0], &press);
    EXPECT_EQ(d.level(3), 255);
    EXPECT_EQ(d.level(6), 255);
    EXPECT_EQ(d.level(1), 0);
    EXPECT_EQ(w.lastPresetIndex, 1);
    EXPECT_TRUE(w.lastPresetPath.endsWith("/Color/16711680.USF"));
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w.presetButtons[0], &up);
    EXPECT_EQ(w.presetButtons[0]->borderColour(), 0xFF00);
    EXPECT_EQ(w.presetButtons[0]->borderWidth(), 4);
    EXPECT_EQ(w.presetButtons[1]->borderColour(), 0x80FF);
    // The fine adjust stands under the pressed button.
    EXPECT_TRUE(w.vsldrAdjust->isVisible());
}

TEST(PaletteWindow, ADraggedButtonKeepsItsSnappedPlaceAfterTheWindowIsLoadedAgain) {
    PaletteDesk d;
    d.select({1, 2});
    {
        frmPalettes& w = d.window();
        d.service.refreshButtons();
        w.lastPresetIndex = 2;
        w.clkMovePresetPosition_Click();
        EXPECT_TRUE(w.presetButtons[0]->testAttribute(Qt::WA_TransparentForMouseEvents));
        w.pageMouseMove(3000, 4340);
        w.pageMousePress(Qt::LeftButton);
        EXPECT_EQ(w.presetButtons[1]->leftTwips(), 3024);
        EXPECT_EQ(w.presetButtons[1]->topTwips(), 4320);
        EXPECT_EQ(w.movingPresetIndex, 0);
    }
    unloadForm<frmPalettes>();
    frmPalettes& again = d.window();
    EXPECT_EQ(again.presetButtons[1]->leftTwips(), 3024);
    EXPECT_EQ(again.presetButtons[1]->topTwips(), 4320);

    d.ts.prompts().answers = {msgBox::OK};
    again.clkResetPresetPositions_Click();
    EXPECT_NE(again.presetButtons[1]->leftTwips(), 3024);
}

TEST(PaletteWindow, RenamedUserTabAndRegenerationQuestion) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    w.clickedTabName = QStringLiteral("cmdMisc3");
    d.ts.prompts().inputs = {QStringLiteral("Spots")};
    w.clkRenameTab_Click();
    EXPECT_EQ(w.tabButtons[14]->text(), "Spots");
    unloadForm<frmPalettes>();
    EXPECT_EQ(d.window().tabButtons[14]->text(), "Spots");

    const QString red = d.presetFile("Color", "255");
    d.ts.prompts().answers = {msgBox::Cancel};
    d.window().clkCreatePalettesFiles_Click();
    EXPECT_TRUE(QFileInfo::exists(red));
    QFile::remove(red);
    d.ts.prompts().answers = {msgBox::No};
    d.window().clkCreatePalettesFiles_Click();
    EXPECT_TRUE(QFileInfo::exists(red));
    EXPECT_EQ(d.window().markedTab(), 0);
}

TEST(PaletteWindow, LayoutHoldsAtNineAndFourteenPoints) {
    PaletteDesk d;
    frmPalettes& w = d.window();
    d.select({3});
    d.service.refreshButtons();
    for (const int size : {9, 14})
        EXPECT_TRUE(layoutCheck::problemsAtFontSize(w, size).isEmpty())
            << size << ": " << layoutCheck::problemsAtFontSize(w, size).join('\n').toStdString();
}

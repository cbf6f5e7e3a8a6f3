// The top bar's modes and the layer bar of the fixture layout.

#include "mastersFixture.h"

#include "shell/miscGlobalFunctions.h"
#include "shell/services/patchService.h"

namespace {

class Layers : public MastersTest {
protected:
    void views(std::initializer_list<const char*> names) {
        int i = 1;
        for (const char* n : names) shell().state.viewNames[i++] = QString::fromLatin1(n);
    }
    QStringList visibleCaptions() const {
        QStringList out;
        for (const LayerButton& b : m.top.layers)
            if (b.visible) out << b.caption;
        return out;
    }
};

// The layout and fixture list windows as the modes show and hide them.
class RecordingLayout final : public PatchService {
public:
    void showLayoutWindow() override { calls << QStringLiteral("show layout"); }
    void hideLayoutWindow() override { calls << QStringLiteral("hide layout"); }
    void hideFixtureList() override { calls << QStringLiteral("hide list"); }
    QStringList calls;
};

class MenuChoice : public MastersView {
public:
    int chooseLayerMenuItem() override { return choice; }
    int choice = 0;
};

} // namespace

TEST_F(Layers, modesSwitchTheBarsAndTheFlag) {
    views({"Stage", "Floor"});
    m.cmdProgramingMode_Click();
    EXPECT_TRUE(m.programingMode());
    EXPECT_FALSE(m.top.clockVisible);
    EXPECT_FALSE(m.top.pageButtonsVisible);
    EXPECT_EQ(visibleCaptions(), (QStringList{"View 1", "Stage", "Floor"}));
    EXPECT_EQ(m.top.programingModeColour, TopBar::blue);
    m.cmdPlaybackMode_Click();
    EXPECT_FALSE(m.programingMode());
    EXPECT_TRUE(visibleCaptions().isEmpty());
    EXPECT_TRUE(m.top.pageButtonsVisible);
    EXPECT_TRUE(m.top.clockVisible);
    EXPECT_EQ(m.top.playbackModeColour, TopBar::blue);
}

TEST_F(Layers, programmingModeShowsTheLayoutAndHidesTheFixtureList) {
    auto& layout = shell().provide<PatchService>(std::make_unique<RecordingLayout>());
    m.cmdProgramingMode_Click();
    EXPECT_EQ(layout.calls, (QStringList{"show layout", "hide list"}));
    layout.calls.clear();
    m.cmdPlaybackMode_Click();
    EXPECT_EQ(layout.calls, QStringList{"hide layout"});
}

TEST_F(Layers, playbackModeInDualViewKeepsProgrammingBehaviour) {
    static_cast<FakeMonitors&>(*shell().monitors()).rects.push_back(QRect(1920, 0, 1280, 1024));
    miscGlobalFunctions::writeIniValue(shell().iniFile(), "DualView", "Enabled", QStringLiteral("True"));
    m.cmdProgramingMode_Click();
    EXPECT_TRUE(m.top.lastPlacement.dual);
    EXPECT_FALSE(m.top.playbackModeEnabled);
    EXPECT_TRUE(m.top.pageButtonsVisible);
    m.cmdPlaybackMode_Click();
    EXPECT_TRUE(m.programingMode());
    EXPECT_FALSE(m.top.clockVisible);
}

TEST_F(Layers, clockIsRewrittenOnlyWhenTheMinuteChanges) {
    t.clock().time = QDateTime(QDate(2026, 1, 1), QTime(14, 5));
    m.showTime();
    EXPECT_EQ(m.top.clock, QStringLiteral("02:05 PM"));
}

TEST_F(Layers, deleteMovesLaterViewsDownAndTheirFixturesToViewOne) {
    views({"Two", "Three", "Four"});
    shell().state.fixtureCount = 2;
    shell().state.fixtureView[1] = QStringLiteral("Three");
    shell().state.fixtureView[2] = QStringLiteral("Four");
    m.cmdProgramingMode_Click();
    MenuChoice menu;
    menu.choice = 3;
    m.attach(&menu);
    m.top.cmdLayers_MouseUp(2, 2);
    m.detach(&menu);
    EXPECT_EQ(visibleCaptions(), (QStringList{"View 1", "Two", "Four"}));
    EXPECT_EQ(shell().state.fixtureView[1], QStringLiteral("View 1"));
    EXPECT_EQ(shell().state.fixtureView[2], QStringLiteral("Four"));
    EXPECT_EQ(m.top.shownLayer, QStringLiteral("View 1"));
}

TEST_F(Layers, renameRefusesViewOneAndCarriesFixtures) {
    views({"Two"});
    shell().state.fixtureCount = 1;
    shell().state.fixtureView[1] = QStringLiteral("Two");
    m.cmdProgramingMode_Click();
    m.top.menuLayer = 0;
    m.top.clkRenameLayer_Click();
    EXPECT_EQ(t.prompts().messages.back(), QStringLiteral("Cannot Rename View 1"));
    m.top.menuLayer = 1;
    t.prompts().inputs.push_back(QStringLiteral("Truss"));
    m.top.clkRenameLayer_Click();
    EXPECT_EQ(shell().state.viewNames[1], QStringLiteral("Truss"));
    EXPECT_EQ(shell().state.fixtureView[1], QStringLiteral("Truss"));
}

TEST_F(Layers, addViewTakesTheFirstFreeSlotAndRefusesWhenAllAreUsed) {
    views({"Two", "", "Four"});
    m.top.clkAddLayer_Click();
    EXPECT_EQ(shell().state.viewNames[2], QStringLiteral("View 3"));
    EXPECT_EQ(m.top.currentLayer, 2);
    for (int i = 1; i <= 20; ++i)
        if (shell().state.viewNames[i].isEmpty()) shell().state.viewNames[i] = QStringLiteral("V%1").arg(i);
    const QStringList before = shell().state.viewNames;
    m.top.clkAddLayer_Click();
    EXPECT_EQ(shell().state.viewNames, before);
    EXPECT_TRUE(t.prompts().messages.back().contains(QStringLiteral("Delete a view")));
}

TEST_F(Layers, matrixViewsRefuseTheMenu) {
    views({"Pixels"});
    shell().state.fixtureCount = 1;
    shell().state.fixtureMatrixName[1] = QStringLiteral("Pixels");
    m.cmdProgramingMode_Click();
    MenuChoice menu;
    menu.choice = 3;
    m.attach(&menu);
    m.top.cmdLayers_MouseUp(1, 2);
    m.detach(&menu);
    EXPECT_EQ(t.prompts().messages.back(), QStringLiteral("Cannot Delete or Edit Matrix Layers"));
    EXPECT_EQ(shell().state.viewNames[1], QStringLiteral("Pixels"));
    EXPECT_EQ(m.top.layers[1].colour, TopBar::blue);
}

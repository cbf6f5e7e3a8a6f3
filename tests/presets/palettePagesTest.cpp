// The palette window's pages of fixture groups, movement shapes, RGB colour
// chases and live playbacks: which buttons they get from the show and the
// folders, and what a press on them does.

#include "presetDesk.h"

#include "presets/specialPages.h"
#include "presets/ui/frmPalettes.h"
#include "presets/ui/paletteWindowService.h"
#include "shell/shapeFile.h"
#include "shell/services/effectsService.h"
#include "shell/ui/windowRegistry.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace presetTest;
using palettePage::PageButton;

namespace {

struct Masters : MastersService {
    bool programingMode() override { return true; }
};

struct GroupLayout : Layout {
    int32_t ticked = 0;
    QStringList calls;
    void selectGroup(int32_t g, bool shift) override {
        calls << QStringLiteral("select(%1,%2)").arg(g).arg(shift);
        ticked = g;
    }
    int32_t tickedGroup() override { return ticked; }
    void createGroup() override { calls << QStringLiteral("create"); }
};

struct LivePlaybacks : Playbacks {
    std::vector<clsLivePlayback> live;
    std::set<QString> altered;
    std::vector<clsLivePlayback> returnLivePlaybacks() const override { return live; }
    bool refreshAlteredPlayback(const QString& name) override {
        calls << QStringLiteral("refresh(%1)").arg(name);
        return altered.count(name) > 0;
    }
    void clearSequenceInChaser(int32_t p) override { calls << QStringLiteral("clear(%1)").arg(p); }
    void hidePlayback(int32_t p) override { calls << QStringLiteral("hide(%1)").arg(p); }
    void setPlaybackAlias(const QString& name, int32_t&, const QString& from) override {
        calls << QStringLiteral("alias(%1,%2)").arg(name, from);
    }
};

struct Effects : EffectsService {
    QStringList calls;
    void executeRGBProfile(const QString& path) override { calls << QStringLiteral("rgb ") + QFileInfo(path).fileName(); }
    void editRGBProfile(const QString& path) override { calls << QStringLiteral("edit ") + QFileInfo(path).fileName(); }
    void showShapeGenerator() override { calls << QStringLiteral("tool"); }
};

struct PagesDesk : Desk {
    PaletteWindowService& service = ts.get().provide<PresetsService>(std::make_unique<PaletteWindowService>());
    GroupLayout& groups = ts.get().provide<PatchService>(std::make_unique<GroupLayout>());
    LivePlaybacks& live = ts.get().provide<PlaybackService>(std::make_unique<LivePlaybacks>());
    Effects& effects = ts.get().provide<EffectsService>(std::make_unique<Effects>());
    PagesDesk() { ts.get().provide<MastersService>(std::make_unique<Masters>()); }
    frmPalettes& window() {
        service.showPalettes();
        return *service.loadedWindow();
    }
    QString folder(const QString& name) {
        const QString path = ts.get().programPath(name);
        QDir().mkpath(path);
        return path;
    }
    static void press(QWidget* w, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), b, b, m);
        QApplication::sendEvent(w, &e);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), b, Qt::NoButton, m);
        QApplication::sendEvent(w, &up);
    }
};

QStringList tagsOf(const std::vector<PageButton>& buttons) {
    QStringList out;
    for (const PageButton& b : buttons) out << b.tag;
    return out;
}

} // namespace

TEST(PalettePages, GroupsWithNamesOfTwoCharactersOrMoreGetAButtonInGroupOrder) {
    QStringList names(256);
    names[0] = QStringLiteral("Front wash");
    names[1] = QStringLiteral("X"); // too short: no button, and the name stays
    names[2] = QStringLiteral("Spots");
    names[255] = QStringLiteral("Last");
    const std::vector<PageButton> b = palettePage::groupButtons(names, 20000);
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].number, 1);
    EXPECT_EQ(b[1].number, 3);
    EXPECT_EQ(b[2].number, 256);
    EXPECT_EQ(b[2].caption, "Last");
    EXPECT_EQ(b[2].toolTip, "Last");
    EXPECT_EQ(names[1], "X");
    // Side by side from the create-new label (203 + 750 + 150), no gap for group 2.
    EXPECT_EQ(b[0].left, 1103);
    EXPECT_EQ(b[1].left, 2003);
    EXPECT_EQ(b[0].top, 1065);

    // A narrow window: every button starts a row at left 200, rows 1050 apart.
    const std::vector<PageButton> narrow = palettePage::groupButtons(names, 1500);
    for (size_t i = 0; i < narrow.size(); ++i) {
        EXPECT_EQ(narrow[i].left, 200);
        EXPECT_EQ(narrow[i].top, 1065 + 1050 * int32_t(i + 1));
    }
}

TEST(PalettePages, GroupFramesAreYellowForTheTickedGroupAndAddUpWithShift) {
    struct Case {
        int32_t group, ticked;
        bool shift;
        int32_t before, after;
    } cases[] = {
        {1, 1, false, palettePage::groupFrame, palettePage::selectedGroupFrame},
        {2, 1, false, palettePage::selectedGroupFrame, palettePage::groupFrame},
        {2, 1, true, palettePage::selectedGroupFrame, palettePage::selectedGroupFrame},
        {2, 0, true, palettePage::groupFrame, palettePage::groupFrame},
    };
    for (const Case& c : cases)
        EXPECT_EQ(palettePage::groupFrameColour(c.group, c.ticked, c.shift, c.before), c.after) << c.group << c.shift;
}

TEST(PalettePages, ShapeAndRgbFoldersListTheirFilesInAnyCaseOfExtension) {
    PagesDesk d;
    const QString shapes = d.folder(QStringLiteral("Shapes"));
    for (const char* n : {"wave.YSH", "Circle.ysh", "Eight.Ysh", "notes.txt", "chase.YCP"}) writeWholeFile(shapes + '/' + n, "x");
    const std::vector<PageButton> b = palettePage::fileButtons(shapes, QStringLiteral("YSH"), QStringLiteral("\\Shapes\\"), 20000);
    EXPECT_EQ(tagsOf(b), (QStringList{"Circle", "Eight", "wave"}));
    EXPECT_EQ(b[0].toolTip, "\\Shapes\\Circle");
    EXPECT_EQ(b[0].caption, "\\Shapes\\Circle.bmp");
    EXPECT_EQ(tagsOf(palettePage::fileButtons(shapes, QStringLiteral("YCP"), QStringLiteral("\\RGB\\"), 20000)),
              QStringList{"chase"});
    EXPECT_TRUE(palettePage::fileButtons(shapes + "/missing", QStringLiteral("YSH"), {}, 20000).empty());
}

TEST(PalettePages, AGroupPressSelectsTheGroupAndLeavesItsFrameYellow) {
    PagesDesk d;
    d.m.tables.groupNames[0] = QStringLiteral("Wash");
    d.m.tables.groupNames[1] = QStringLiteral("Y");
    d.m.tables.groupNames[2] = QStringLiteral("Spots");
    frmPalettes& w = d.window();
    w.cmdGroups_Click();
    EXPECT_EQ(w.paletteCurrentlyActive, "Groups");
    EXPECT_EQ(d.service.myPaletteCls.currentTypeName, "Groups");
    ASSERT_EQ(w.presetButtons.size(), 2u);
    EXPECT_EQ(w.presetButtons[1]->face->text(), "Spots");
    EXPECT_EQ(w.createNew->toolTip(), "Create New  Fixture Group");

    d.press(w.presetButtons[1], Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(d.groups.calls, QStringList{"select(3,1)"}) << "the group number, not the button's place";
    EXPECT_EQ(w.presetButtons[1]->borderColour(), palettePage::selectedGroupFrame);
    d.service.refreshButtons();
    EXPECT_EQ(w.presetButtons[0]->borderColour(), palettePage::groupFrame);
    EXPECT_EQ(w.presetButtons[1]->borderColour(), palettePage::selectedGroupFrame);
    EXPECT_EQ(d.m.tables.groupNames[1], "Y") << "a group without a button keeps its name";

    d.press(w.createNew);
    EXPECT_EQ(d.groups.calls.last(), "create");
}

TEST(PalettePages, AShapePressShowsItsStepShiftAndADamagedShapeIsReportedNotDeleted) {
    PagesDesk d;
    const QString shapes = d.folder(QStringLiteral("Shapes"));
    shapeFile::Shape shape;
    shape.steps = {{10, 20}, {30, 40}};
    shape.shiftSteps = 4;
    writeWholeFile(shapes + "/Circle.YSH", shapeFile::encode(shape));
    writeWholeFile(shapes + "/Broken.YSH", QByteArray("\x05\x00\x01", 3));
    frmPalettes& w = d.window();
    w.cmdMovements_Click();
    EXPECT_EQ(w.paletteCurrentlyActive, "m-fx");
    EXPECT_EQ(w.createNew->toolTip(), "Create New Shape in current catagory");
    ASSERT_EQ(w.pageButtons.size(), 2u);
    EXPECT_TRUE(w.isEnabled());

    w.loadShape(2);
    w.loadShape(2);
    EXPECT_EQ(w.page->findChildren<QSpinBox*>().size(), 1) << "one offset editor";
    EXPECT_EQ(w.txtOffsetValue->value(), 4);

    w.loadShape(1);
    ASSERT_FALSE(d.ts.prompts().messages.isEmpty());
    EXPECT_TRUE(d.ts.prompts().messages.last().startsWith("Error in LoadShape: ")) << d.ts.prompts().messages.last().toStdString();
    EXPECT_TRUE(QFileInfo::exists(shapes + "/Broken.YSH"));

    d.press(w.createNew);
    EXPECT_EQ(d.effects.calls, QStringList{"tool"});
}

TEST(PalettePages, AnRgbPressWritesThatChaseAndTheCreateNewButtonOpensTheEditor) {
    PagesDesk d;
    const QString rgb = d.folder(QStringLiteral("RGB"));
    writeWholeFile(rgb + "/Rainbow.ycp", "x");
    frmPalettes& w = d.window();
    w.cmdRGB_Click();
    EXPECT_EQ(w.paletteCurrentlyActive, "rgb-fx");
    EXPECT_EQ(w.createNew->toolTip(), "Create NEW RGB-EFX");
    ASSERT_EQ(w.presetButtons.size(), 1u);
    EXPECT_EQ(w.presetButtons[0]->toolTip(), "\\RGB\\Rainbow");
    d.press(w.presetButtons[0]);
    EXPECT_EQ(d.effects.calls, QStringList{"rgb Rainbow.ycp"});
    EXPECT_TRUE(d.live.calls.contains("alias(RGB,rgb-fx)"));
    d.press(w.createNew, Qt::RightButton);
    EXPECT_EQ(d.effects.calls.last(), "edit ") << "never a colour chase; no profile was pressed";

    // A profile saved meanwhile shows when the page is opened again.
    writeWholeFile(rgb + "/Amber.YCP", "x");
    w.cmdRGB_Click();
    EXPECT_EQ(w.pageButtons.size(), 2u);
}

TEST(PalettePages, TheLivePageListsLivePlaybacksAndClearsThemButAlteredOnes) {
    PagesDesk d;
    d.live.live = {{3, QStringLiteral("Red")}, {4, QStringLiteral("Intro")}};
    d.live.altered = {QStringLiteral("Intro")};
    frmPalettes& w = d.window();
    w.cmdMisc4_Click();
    EXPECT_EQ(w.paletteCurrentlyActive, "Live");
    ASSERT_EQ(w.presetButtons.size(), 2u);
    EXPECT_EQ(w.pageButtons[0].tag, "3");
    EXPECT_EQ(w.presetButtons[1]->face->text(), "Intro");
    EXPECT_EQ(w.presetButtons[1]->leftTwips() - w.presetButtons[0]->leftTwips(), 900);
    EXPECT_EQ(w.createNew->face->text(), "LIVE OFF");

    d.press(w.createNew);
    EXPECT_TRUE(w.liveMode);
    EXPECT_TRUE(d.service.paletteLiveMode());
    EXPECT_EQ(w.createNew->face->text(), "LIVE ON");

    // A right press clears as a left one does.
    d.live.calls.clear();
    d.m.currentPlayback = 3;
    d.press(w.presetButtons[0], Qt::RightButton);
    EXPECT_EQ(d.live.calls, (QStringList{"refresh(Red)", "clear(3)", "hide(3)"}));
    EXPECT_EQ(d.m.currentPlayback, 1);

    // Live mode off clears every listed playback; the altered one only re-claims its channels.
    d.live.calls.clear();
    d.press(w.createNew);
    EXPECT_FALSE(w.liveMode);
    EXPECT_EQ(d.live.calls, (QStringList{"refresh(Red)", "clear(3)", "hide(3)", "refresh(Intro)"}));

    d.live.live.pop_back();
    d.service.refreshButtons();
    EXPECT_EQ(w.presetButtons.size(), 1u) << "a change of the selection rebuilds the page";
}

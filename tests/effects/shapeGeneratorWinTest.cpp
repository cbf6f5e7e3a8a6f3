// The Advanced FX Tool's windows on the offscreen platform: the layout at
// both font sizes, the menus that open the properties dialog, the preview
// of the current playback's movement, and the keys that reach the console.

#include "console/consoleFakes.h"
#include "effects/effectsEngine.h"
#include "effects/ui/ShapeGeneratorWin.h"
#include "profiles/ClsFixture.h"
#include "shell/services/consoleService.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"
#include "support/layoutCheck.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct KeyConsole : ConsoleService {
    std::vector<int> down;
    void Keyshortcuts(int code, int) override { down.push_back(code); }
};

struct ToolDesk {
    TestShell ts;
    FakePlaybacks& pb = ts.get().provide<PlaybackService>(std::make_unique<FakePlaybacks>());
    FakeSelection& sel = ts.get().provide<PatchService>(std::make_unique<FakeSelection>());
    KeyConsole& console = ts.get().provide<ConsoleService>(std::make_unique<KeyConsole>());
    ToolDesk() {
        ChannelModel& m = ts.get().state;
        m.resize(16);
        m.lightClassCount = 1;
        ClsFixture& p = m.lightClass(1);
        p.ChannelsUsed = 2;
        p.setChannel_prop(1, QStringLiteral("pan"));
        p.setChannel_prop(2, QStringLiteral("tilt"));
        m.fixtureCount = 2;
        for (int f = 1; f <= 2; ++f) {
            m.fixtureStartChannel[size_t(f)] = int16_t(2 * f - 1);
            m.fixtureLightClass[size_t(f)] = 1;
            m.fixturePanChannel[size_t(f)] = int16_t(2 * f - 1);
            m.fixtureTiltChannel[size_t(f)] = int16_t(2 * f);
            m.channelType[2 * f - 1] = QStringLiteral("pan");
            m.channelType[2 * f] = QStringLiteral("tilt");
        }
        ts.get().engine<EffectsEngine>();
        attachShapeTool(ts.get());
        ts.get().effects().showShapeGenerator();
    }
    ShapeGeneratorWin& win() { return *loadedForm<ShapeGeneratorWin>(); }
};

void press(QWidget* w, Qt::Key key, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &up);
}

QAction* entry(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

} // namespace

TEST(ShapeGeneratorWin, LayoutHoldsAtBothFontSizes) {
    ToolDesk d;
    ASSERT_TRUE(d.ts.get().effects().shapeWindowVisible());
    for (int pt : {9, 14}) EXPECT_EQ(layoutCheck::problemsAtFontSize(d.win(), pt), QStringList()) << pt << " pt";
    ASSERT_TRUE(entry(d.win().preCalShapes, QStringLiteral("Circle")));
    entry(d.win().preCalShapes, QStringLiteral("Circle"))->trigger();
    myDialog* dlg = loadedForm<myDialog>();
    ASSERT_NE(dlg, nullptr);
    for (int pt : {9, 14}) EXPECT_EQ(layoutCheck::problemsAtFontSize(*dlg, pt), QStringList()) << pt << " pt";
}

TEST(ShapeGeneratorWin, DialogWritesTheShapeAndThePreviewFollowsIt) {
    ToolDesk d;
    d.sel.selected = {1};
    entry(d.win().preCalShapes, QStringLiteral("Circle"))->trigger();
    myDialog* dlg = loadedForm<myDialog>();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(d.pb.steps[1], 20);
    EXPECT_EQ(dlg->lblX->text(), QStringLiteral("Size For X"));
    dlg->txtSteps->setText(QString());
    press(dlg->txtSteps, Qt::Key_4, QStringLiteral("4"));
    dlg->sldrX->setValue(200);
    dlg->sldrY->setValue(200);
    EXPECT_EQ(dlg->TxtSize->text(), QStringLiteral("200"));
    dlg->OKButton->click();
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<myDialog>(), nullptr); // OK unloads it
    EXPECT_TRUE(d.pb.calls.contains(QStringLiteral("play(1)")));
    const auto& points = d.win().joystick->points();
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(JoystickFrame::labelTwips(points[0]), QPoint(2550 - 270, 2550 - 1270 - 100));
    EXPECT_EQ(points[2].pan, 227);
}

TEST(ShapeGeneratorWin, KeysReachTheConsoleOnlyWhileNoFieldIsEdited) {
    ToolDesk d;
    ShapeGeneratorWin& w = d.win();
    press(&w, Qt::Key_Space, QStringLiteral(" "));
    ASSERT_EQ(d.console.down, std::vector<int>{32});
    w.fromChText->setFocus();
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(w.fromChText, &in);
    press(w.fromChText, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(d.console.down.size(), 1u);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(w.fromChText, &out);
    press(w.ShiftTxt, Qt::Key_Space, QStringLiteral(" ")); // a field that never counts as edited
    EXPECT_EQ(d.console.down.size(), 2u);

    // The angle field takes digits: a letter is left alone and copied to the tilt angle.
    press(w.RotateTXT, Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(w.RotateTXT->text(), QStringLiteral("a"));
    EXPECT_EQ(w.RotateYTxt->text(), QStringLiteral("a"));
}

TEST(ShapeGeneratorWin, CloseWindowUnloadsItAndTheMenuLoadsItAgain) {
    ToolDesk d;
    d.win().shapesClick->actions().last()->trigger();
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<ShapeGeneratorWin>(), nullptr);
    d.ts.get().effects().showShapeGenerator();
    ASSERT_NE(loadedForm<ShapeGeneratorWin>(), nullptr);
    EXPECT_EQ(d.win().Offsettxt->text(), QStringLiteral("1"));
}

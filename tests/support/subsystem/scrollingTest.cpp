// Form scrolling (the arithmetic and a window whose shortcut buttons sit at
// computed places) and the wheel hook.

#include "support/clsScrolling.h"
#include "support/fakePlatform.h"
#include "support/ui/formScrolling.h"
#include "support/ui/modMouseWheel.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QWheelEvent>
#include <array>
#include <gtest/gtest.h>

namespace {

using Control = clsScrolling::Control;
using Kind = clsScrolling::Kind;

Control at(int32_t top, int32_t height, Kind kind = Kind::Label, const char* tag = "") {
    Control c;
    c.top = top;
    c.height = height;
    c.left = 0;
    c.width = 100;
    c.kind = kind;
    c.tag = QString::fromLatin1(tag);
    return c;
}

TEST(Scrolling, theExtentDependsOnTheControlOrderAndSkipsHiddenControls) {
    clsScrolling s;
    s.initializeMe({at(0, 1000), at(0, 3000)});
    EXPECT_EQ(s.fullHeight, 1000 + 4000 - 25);
    s.initializeMe({at(0, 3000), at(0, 1000)});
    EXPECT_EQ(s.fullHeight, 3000 + 4000 - 25);
    Control hidden = at(0, 9000);
    hidden.visible = false;
    s.initializeMe({hidden});
    EXPECT_EQ(s.fullHeight, -25);
    EXPECT_EQ(s.fullWidth, -25);
    // An edge beyond 16 bits leaves the running value as it was.
    s.initializeMe({at(0, 2000), at(28000, 1000)});
    EXPECT_EQ(s.fullHeight, 2000 + 4000 - 25);
}

TEST(Scrolling, theBarsAreShownEnabledAndRangedForTheWindowSize) {
    clsScrolling s;
    s.fullHeight = 6000;
    s.fullWidth = 8000;
    struct Case { int32_t height, width; bool vVisible, hEnabled; int16_t vMax, hMax; };
    const Case cases[] = {
        {6001, 8000, false, true, -1, 0}, // fits by a twip: hidden, still ranged; equal width: Max 0
        {6000, 9000, true, false, 0, 0},
        {3000, 4000, true, true, 3000, 4000},
    };
    for (const Case& c : cases) {
        clsScrolling::Bar v, h;
        v.width = 255;
        h.height = 255;
        s.formResize({c.width, c.height, c.width - 120, c.height - 400}, v, h);
        EXPECT_EQ(v.left, c.width - 255);
        EXPECT_EQ(v.visible, c.vVisible) << c.height;
        EXPECT_EQ(h.enabled, c.hEnabled) << c.width;
        EXPECT_EQ(v.max, c.vMax) << c.height;
        if (c.hEnabled) {
            EXPECT_EQ(h.max, c.hMax) << c.width;
        }
        EXPECT_EQ(h.width, c.width - 120 - 255);
        EXPECT_EQ(v.height, c.height - 400 - 255 - 250);
        EXPECT_EQ(v.smallChange, 150);
    }
    // Minimised: only the vertical bar is placed.
    clsScrolling::Bar v, h;
    v.width = 255;
    h.height = 255;
    h.width = 77;
    s.formResize({2000, 400, 1880, 0}, v, h);
    EXPECT_EQ(v.left, 2000 - 255);
    EXPECT_EQ(h.width, 77);
}

TEST(Scrolling, ordinaryControlsAndShortcutsFollowTheirOwnMoves) {
    clsScrolling s;
    std::vector<Control> c = {at(1000, 100), at(1000, 100, Kind::Label, "nomove"), at(1000, 100, Kind::Other),
                              at(1000, 100, Kind::Other, "Shortcut")};
    clsScrolling::Bar v, h;
    v.value = 300;
    s.pScrollForm(c, v, h);
    EXPECT_EQ(c[0].top, 700);
    EXPECT_EQ(c[0].left, 0);
    EXPECT_EQ(c[1].top, 1000);
    EXPECT_EQ(c[2].top, 1000);
    EXPECT_EQ(c[3].top, 1000) << "a button moves only with the shortcuts";
    v.value = 0;
    s.pScrollFormSpecial(c, v, h);
    EXPECT_EQ(c[3].top, 1300);
    EXPECT_EQ(c[0].top, 700);
}

TEST(Scrolling, aWindowsShortcutButtonsFollowItsBars) {
    TestShell t;
    QWidget window;
    window.resize(300, 200);
    auto* label = new QLabel(QStringLiteral("Page"), &window);
    label->setGeometry(10, 10, 80, 20);
    std::vector<QPushButton*> buttons;
    for (int i = 0; i < 8; ++i) {
        auto* b = new QPushButton(QStringLiteral("Button %1").arg(i + 1), &window);
        b->setProperty("tag", QStringLiteral("Shortcut"));
        b->setGeometry(10, 40 + i * 65, 120, 60); // placed by the window's own arithmetic
        buttons.push_back(b);
    }
    auto* v = new QScrollBar(Qt::Vertical, &window);
    v->setGeometry(283, 0, 17, 183);
    auto* h = new QScrollBar(Qt::Horizontal, &window);
    h->setGeometry(0, 183, 283, 17);
    formScrolling scroll(window, *v, *h);
    scroll.initializeMe();
    // The label sets the running bottom to 30 pixels and the margin; the
    // fifth button (ending at 360 pixels) is the first to pass it, and the
    // ones below stay within the margin it adds.
    EXPECT_EQ(scroll.scrolling.fullHeight, 360 * 15 + 4000 - 25);
    scroll.formResize();
    EXPECT_TRUE(v->isVisibleTo(&window));
    EXPECT_EQ(v->maximum(), scroll.scrolling.fullHeight - window.frameGeometry().height() * 15);
    v->setValue(600); // 40 pixels
    EXPECT_EQ(buttons[0]->y(), 0);
    EXPECT_EQ(buttons[7]->y(), 40 + 7 * 65 - 40);
    EXPECT_EQ(label->y(), 10) << "only the shortcuts move";
    v->setValue(7);
    v->setValue(0);
    EXPECT_EQ(buttons[0]->y(), 40) << "parts of a pixel add up to the place it had";
}

class RecordingTarget final : public WheelTarget {
public:
    void mouseWheel(int32_t& keys, int32_t& rotation, int32_t& x, int32_t& y) override {
        turns.push_back({keys, rotation, x, y});
    }
    std::vector<std::array<int32_t, 4>> turns;
};

TEST(WheelHook, aTurnReachesTheWindowAndTheControlUnderThePointer) {
    TestShell t;
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    auto* slider = new QSlider(Qt::Vertical, &window);
    slider->setGeometry(10, 10, 30, 150);
    slider->setRange(0, 100);
    slider->setValue(50);
    window.show();
    RecordingTarget target;
    modMouseWheel::WheelHook(&window, target);
    const QPoint inside = slider->mapToGlobal(QPoint(15, 75));
    QWheelEvent towards(QPointF(15, 75), QPointF(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::ShiftModifier, Qt::NoScrollPhase, false);
    towards.setTimestamp(1);
    QApplication::sendEvent(slider, &towards);
    ASSERT_EQ(target.turns.size(), 1u);
    EXPECT_EQ(target.turns[0][0], int32_t(modMouseWheel::mkShift));
    EXPECT_EQ(target.turns[0][1], -120);
    EXPECT_EQ(target.turns[0][2], inside.x());
    EXPECT_NE(slider->value(), 50) << "the slider under the pointer turned";
    modMouseWheel::WheelUnHook(&window);
    QWheelEvent again(QPointF(15, 75), QPointF(inside), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    again.setTimestamp(2);
    QApplication::sendEvent(slider, &again);
    EXPECT_EQ(target.turns.size(), 1u);
}

TEST(WheelHook, theWindowRectangleIncludesItsEdges) {
    const QRect frame(-1920, 0, 1920, 1080);
    EXPECT_TRUE(modMouseWheel::isPointInWindow(frame, -1920, 0));
    EXPECT_TRUE(modMouseWheel::isPointInWindow(frame, 0, 1080));
    EXPECT_FALSE(modMouseWheel::isPointInWindow(frame, 1, 500));
    EXPECT_FALSE(modMouseWheel::isPointInWindow(frame, -1921, 500));
}

} // namespace

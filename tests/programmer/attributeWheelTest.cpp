// The attribute wheel's engine: press-and-hold stepping that speeds up on
// the wheel's own timer, the limits, "Full" and "Off", direct entry, and the
// range label it shows.

#include "programmerDesk.h"

#include "programmer/attributeWheel.h"
#include "programmer/rangeLabels.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using programmerTest::Desk;

namespace {

struct Host : AttributeWheelHost {
    QStringList events;
    void valueChanged(int) override { events << "value"; }
    void faderMouseMove(int) override { events << "move"; }
    void changeStarted(int) override { events << "started"; }
    void changeEnded(int) override { events << "ended"; }
    void propertyButtonClick(int) override { events << "property"; }
    void labelClick(int) override { events << "label"; }
};

struct WheelDesk : Desk {
    Host host;
    AttributeWheel wheel{&host, 1};
    FakeTickTimer& timer = *ts.timers().created.back();
    WheelDesk() {
        wheel.myChannelNumber = 10;
        wheel.changeChannelName(QStringLiteral("dimmer"));
    }
};

} // namespace

TEST(AttributeWheel, HoldingTheUpperHalfRaisesOneStepPerTickFasterTheLongerItIsHeld) {
    WheelDesk d;
    d.wheel.setMyValue(100);
    d.wheel.faderMouseDown(10, 100); // upper half
    EXPECT_TRUE(d.timer.enabled());
    EXPECT_TRUE(d.wheel.mouseDownFlag);
    EXPECT_EQ(d.wheel.scrollStep(), -5);
    // elapsed ms -> the interval the tick leaves, one step each
    const std::vector<std::pair<int, int>> table = {{0, 100}, {400, 100}, {700, 100}, {1001, 50}, {2000, 50}, {2001, 1}};
    int expected = 100;
    for (const auto& [elapsed, interval] : table) {
        d.ts.clock().ms = elapsed;
        d.timer.fire();
        ++expected;
        EXPECT_EQ(d.timer.interval(), interval) << elapsed << " ms";
        EXPECT_EQ(d.wheel.myValue(), expected);
        EXPECT_EQ(d.level(10), expected) << "the wheel writes its own channel";
    }
    EXPECT_EQ(d.m.channelOwner[10], 1);
    // Moving the pointer into the lower half while held reverses and restarts the timing.
    d.wheel.faderMouseMove(true, 90, 100);
    EXPECT_EQ(d.wheel.scrollStep(), 5);
    d.timer.fire();
    EXPECT_EQ(d.timer.interval(), 100);
    EXPECT_EQ(d.wheel.myValue(), expected - 1);
    d.host.events.clear();
    d.wheel.faderMouseUp();
    EXPECT_FALSE(d.timer.enabled());
    EXPECT_FALSE(d.wheel.mouseDownFlag);
    EXPECT_EQ(d.host.events, QStringList{"ended"});
}

TEST(AttributeWheel, StepsStopAtTheLimitsAndARefusedChannelKeepsItsLevel) {
    WheelDesk d;
    d.wheel.setMyValue(255);
    const auto linesBefore = d.wheel.display.lines;
    d.wheel.moveLines(-5);
    EXPECT_EQ(d.wheel.myValue(), 255) << "at the top";
    EXPECT_NE(d.wheel.display.lines, linesBefore) << "the ridge lines still scroll";
    d.wheel.updateMinMax(10, 20);
    EXPECT_EQ(d.wheel.display.labelTextColour, AttributeWheel::yellow);
    d.wheel.setMyValue(10);
    d.wheel.moveLines(5);
    EXPECT_EQ(d.wheel.myValue(), 10) << "lowering stops at minValue";
    d.wheel.updateMinMax(-1, 300);
    EXPECT_EQ(d.wheel.minValue, 10) << "a limit outside 0..255 is ignored";

    // Channel 10 belongs to playback 2, whose priority is higher: the wheel shows the step, the channel keeps its level.
    d.plays.priority[2] = 9;
    d.m.channelOwner[10] = 2;
    d.m.channelOutput[10] = 40;
    d.wheel.updateMinMax(0, 255);
    d.wheel.setMyValue(50);
    d.wheel.moveLines(-5);
    EXPECT_EQ(d.wheel.myValue(), 51);
    EXPECT_EQ(d.level(10), 40);
    EXPECT_EQ(d.m.channelOwner[10], 2);

    // increaseValue at 255 and decreaseValue at 0 raise nothing.
    d.host.events.clear();
    d.wheel.setMyValue(255);
    d.host.events.clear();
    d.wheel.increaseValue();
    d.wheel.setMyValue(0);
    d.host.events.clear();
    d.wheel.decreaseValue();
    EXPECT_TRUE(d.host.events.isEmpty()) << d.host.events.join(',').toStdString();
}

TEST(AttributeWheel, FullAndOffSetTheChannelAndOffWithTheRightButtonFreesIt) {
    WheelDesk d;
    d.m.currentPlayback = 2;
    d.wheel.updateMinMax(10, 20);
    d.host.events.clear();
    d.wheel.LBL255_Click();
    EXPECT_EQ(d.level(10), 255);
    EXPECT_EQ(d.m.channelOwner[10], 2);
    EXPECT_EQ(d.wheel.display.playbackNumber, 2);
    EXPECT_EQ(d.wheel.maxValue, 255);
    EXPECT_EQ(d.wheel.minValue, 0);
    EXPECT_EQ(d.wheel.display.valueText, "255");
    EXPECT_EQ(d.wheel.display.percentText, "100%");
    EXPECT_EQ(d.host.events, (QStringList{"value", "started", "value", "ended"}));

    d.wheel.LBL0_MouseDown(false);
    EXPECT_EQ(d.level(10), 0);
    EXPECT_EQ(d.m.channelOwner[10], 2) << "the left button keeps the owner";
    EXPECT_EQ(d.wheel.display.percentText, "0%");
    d.wheel.LBL0_MouseDown(true);
    EXPECT_EQ(d.m.channelOwner[10], 0) << "the right button frees the channel";

    // A wheel whose channel lies outside the show writes nothing.
    AttributeWheel outside(&d.host, 2);
    outside.myChannelNumber = 600;
    outside.LBL255_Click();
    EXPECT_EQ(outside.myValue(), 0);
}

TEST(AttributeWheel, DirectEntryTakesAWholeNumberFrom0To255AndRefusesAnythingElse) {
    struct Case {
        const char* typed;
        int value;        // the wheel's value afterwards (it starts at 7)
        bool message;     // "Please Enter a Value from 0 to 255 6"
    };
    const Case cases[] = {{"128", 128, false}, {" 0 ", 0, false},   {"255", 255, false}, {"300", 7, false},
                          {"-1", 7, false},    {"abc", 7, false},   {"", 7, false},      {"12abc", 7, false},
                          {"99999999999", 7, true}, {"127.5", 128, false}};
    for (const Case& c : cases) {
        WheelDesk d;
        d.wheel.setMyValue(7);
        d.m.channelOutput[10] = 7;
        d.ts.prompts().inputs.push_back(QString::fromLatin1(c.typed));
        d.wheel.lblValue_Click();
        EXPECT_EQ(d.wheel.myValue(), c.value) << c.typed;
        EXPECT_EQ(d.level(10), c.value) << c.typed;
        EXPECT_EQ(d.ts.prompts().messages.contains("Please Enter a Value from 0 to 255 6"), c.message) << c.typed;
        EXPECT_EQ(d.ts.prompts().messages.first(), "Please Enter Value:");
    }
}

TEST(AttributeWheel, TheRangeLabelShowsTextASwatchOrAPictureFromTheImagesFolder) {
    WheelDesk d;
    QDir(d.ts.folder()).mkpath("images");
    QFile star(d.ts.folder() + "/images/star.bmp");
    ASSERT_TRUE(star.open(QIODevice::WriteOnly));
    star.write("BM");
    star.close();

    struct Case {
        const char* label;
        rangeLabels::Kind kind;
        int swatch;      // -1: none
        bool picture;
    };
    const Case cases[] = {
        {"Open", rangeLabels::text, -1, false},       {"65280", rangeLabels::colour, 65280, false},
        {"x1234", rangeLabels::colour, 0, false},     {"7a", rangeLabels::colour, 7, false},
        {"star.bmp", rangeLabels::picture, -1, true}, {"STAR.BMP", rangeLabels::picture, -1, true},
        {"star.bmp ", rangeLabels::text, -1, false},
        {"moon.ico", rangeLabels::picture, -1, false}, {"..\\..\\star.bmp", rangeLabels::picture, -1, true},
        {"", rangeLabels::empty, -1, false},
    };
    for (const Case& c : cases) {
        AttributeWheel w(&d.host, 3);
        const QString label = QString::fromLatin1(c.label);
        EXPECT_EQ(rangeLabels::rangeLabelKind(label), c.kind) << c.label;
        w.updateProperty(label);
        EXPECT_EQ(w.display.label, label);
        EXPECT_EQ(w.display.swatch, c.swatch) << c.label;
        EXPECT_EQ(!w.display.picture.isEmpty(), c.picture) << c.label;
    }
    // A name that climbs out of the images folder only ever names a file in it.
    EXPECT_TRUE(rangeLabels::picturePath("../images/../star.bmp").endsWith("/images/star.bmp"));
}

TEST(AttributeWheel, AColourWordAtTheStartMarksAColourMixingChannel) {
    WheelDesk d;
    for (const char* name : {"red", "green2", "blue", "cyan", "magenta", "yellow"}) {
        AttributeWheel w(&d.host, 4);
        w.changeChannelName(QString::fromLatin1(name));
        EXPECT_TRUE(w.colorMixChannel) << name;
        EXPECT_EQ(w.display.buttonCaption, name);
    }
    for (const char* name : {"Red", "dimmer", "gobo", "cy"}) {
        AttributeWheel w(&d.host, 4);
        w.changeChannelName(QString::fromLatin1(name));
        EXPECT_FALSE(w.colorMixChannel) << name;
    }
    AttributeWheel unnumbered(&d.host, 5);
    unnumbered.changeChannelName("pan");
    EXPECT_EQ(unnumbered.display.label, "Label1") << "no channel number yet: the label keeps its text";
}

// The colour pick (the pictures' colours, the point kept in the box, a
// failed read or a cancelled dialog recalling nothing, the colour mixed onto
// RGB and CMY fixtures) and the range-property picker (its items, and an
// item limiting its wheel and storing it in the playback).

#include "programmerDesk.h"

#include "programmer/colourPictures.h"
#include "programmer/rangePicker.h"
#include "programmer/wheelBank.h"

#include <gtest/gtest.h>

using programmerTest::Desk;

namespace {

// An RGB par (1 at 1) and a CMY wash (2 at 10).
struct ColourDesk : Desk {
    ColourDesk() {
        profile(1, {{"red", {}}, {"green", {}}, {"blue", {}}});
        profile(2, {{"cyan", {}}, {"magenta", {}}, {"yellow", {}}});
        patch(1, 1, 1);
        patch(2, 10, 2);
        engine.setFilenameToLoadPresets("Color");
        select({1, 2});
    }
};

int32_t bgr(int r, int g, int b) { return r + 256 * g + 65536 * b; }

} // namespace

TEST(ColourPictures, ThePicturesHoldTheirSwatchesAndTheFilterNumbers) {
    using namespace colourPictures;
    std::vector<QString> captions;
    int mode = normal;
    for (int i = 0; i < 4; ++i) captions.push_back(caption(mode = nextMode(mode)));
    EXPECT_EQ(captions, (std::vector<QString>{"RGB", "Rosco", "Lee", "Normal"}));
    EXPECT_EQ(colourAt(rgb, swatchLeft(rgb, 0) + 40, 80), bgr(255, 0, 0));
    EXPECT_EQ(colourAt(rgb, swatchLeft(rgb, 8) + 40, 80), bgr(0, 0, 255));
    EXPECT_EQ(colourAt(rgb, swatchLeft(rgb, 10) + 40, 80), bgr(77, 13, 100));
    EXPECT_EQ(colourAt(lee, swatchLeft(lee, 16) + 92, 162), bgr(0, 90, 101));
    EXPECT_EQ(colourAt(rosco, swatchLeft(rosco, 5) + 10, 30), bgr(176, 17, 0));
    EXPECT_EQ(colourAt(rgb, 10, 80), bgr(10, 11, 12)) << "the ground between swatches";
    EXPECT_EQ(colourAt(lee, 500, 200), 0xFFFFFF) << "the label band";
    EXPECT_EQ(QString(filterSwatches()[0].lee), "L-162");
    EXPECT_EQ(QString(filterSwatches()[16].rosco), "R-95");
    EXPECT_EQ(colourAt(normal, 0, 20), bgr(255, 0, 0)) << "full red at the left, row 20";
    EXPECT_EQ(colourAt(normal, 150, 10), 0) << "the last columns are black";
    EXPECT_EQ(colourAt(normal, 10, 39), 0) << "black at the bottom";
    EXPECT_EQ(colourAt(normal, 162, 0), -1);
    EXPECT_EQ(colourAt(rgb, -1, 0), -1);
}

TEST(ColourPick, APickMixesTheColourOntoRgbAndCmyFixtures) {
    ColourDesk d;
    int x = -20, y = 500;
    std::vector<std::pair<int, int>> read;
    colourPictures::CheckColor(x, y, 300, 60, [&](int px, int py) {
        read.emplace_back(px, py);
        return bgr(255, 128, 0);
    }, false);
    EXPECT_EQ(read, (std::vector<std::pair<int, int>>{{0, 57}})) << "the point kept inside the box";
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 57);
    EXPECT_EQ(d.level(1), 255);
    EXPECT_EQ(d.level(2), 128);
    EXPECT_EQ(d.level(3), 0);
    EXPECT_EQ(d.level(10), 0) << "cyan: 255 - red";
    EXPECT_EQ(d.level(11), 127) << "magenta: 255 - green";
    EXPECT_EQ(d.level(12), 255) << "yellow: 255 - blue";
    ASSERT_EQ(d.presets.eventCollection()->size(), 1u);
    EXPECT_EQ(d.presets.eventCollection()->front().eventName, QString::number(bgr(255, 128, 0)));
}

TEST(ColourPick, AFailedReadABlackReleaseAndACancelledDialogDoNothing) {
    ColourDesk d;
    d.m.channelOutput[1] = 9;
    int x = 5, y = 5;
    colourPictures::CheckColor(x, y, 300, 60, [](int, int) { return -1; }, false);
    EXPECT_EQ(d.level(1), 9) << "not recalled as full red";
    colourPictures::recallDialogColour(-1);
    EXPECT_EQ(d.level(1), 9);
    EXPECT_TRUE(d.presets.eventCollection()->empty());
    colourPictures::recallDialogColour(bgr(0, 0, 255));
    EXPECT_EQ(d.level(3), 255);

    colourPictures::nameAfterColour(0);
    colourPictures::nameAfterColour(-1);
    EXPECT_TRUE(d.plays.aliases.isEmpty());
    colourPictures::nameAfterColour(255);
    EXPECT_EQ(d.plays.aliases, QStringList{"255|1|color"});
}

namespace {

// A gobo head (1 at 1): its gobo channel has three named ranges.
struct PickerDesk : Desk {
    WheelBank bank;
    PickerDesk() {
        profile(1, {{"dimmer", {}}, {"gobo", {{"Open", 0, 9}, {"65280", 10, 19}, {"star.bmp", 20, 29}}}});
        patch(1, 1, 1);
        patch(2, 10, 1);
        select({1, 2});
        bank.buildAttributeWheels();
    }
};

} // namespace

TEST(RangePicker, OneItemPerNamedRangeThenTheFxItem) {
    PickerDesk d;
    const std::vector<rangePicker::Item> items = rangePicker::loadControls(1, 2, 3000);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].label, "Open");
    EXPECT_EQ(items[1].tag, "10,19");
    EXPECT_EQ(items[3].label, rangePicker::fxItem);
    EXPECT_EQ(items[3].tag, rangePicker::fxItem);
    // Rows of 720-twip items 150 apart, wrapping past the width less 1050.
    EXPECT_EQ(items[1].left, items[0].left + 870);
    EXPECT_EQ(items[2].left, 1940);
    EXPECT_EQ(items[3].left, 200) << "the fourth item would pass 3000 - 1050";
    EXPECT_EQ(items[3].top, items[0].top + 1050);

    EXPECT_EQ(rangePicker::loadControls(1, 1, 5400).size(), 1u) << "no named ranges: only the FX item";
    ClsFixture& full = d.m.lightClass(1);
    for (int r = 1; r <= 50; ++r) full.setProperties(r, 3, QStringLiteral("r%1").arg(r));
    EXPECT_EQ(rangePicker::loadControls(1, 2, 5400).size(), 50u) << "fifty ranges leave no room for the FX item";
    EXPECT_TRUE(rangePicker::loadControls(1, 31, 5400).empty()) << "past the 30th channel";
    EXPECT_TRUE(rangePicker::loadControls(0, 2, 5400).empty());
    EXPECT_TRUE(rangePicker::loadControls(7, 2, 5400).empty());
}

TEST(RangePicker, AnItemLimitsTheWheelForOneChangeAndStoresItInThePlayback) {
    PickerDesk d;
    d.plays.running.insert(1);
    const std::vector<rangePicker::Item> items = rangePicker::loadControls(1, 2, 5400);
    rangePicker::applyItem(d.bank, 2, items[1]); // "65280", 10..19 on the gobo wheel
    AttributeWheel& gobo = *d.bank.wheel(2);
    EXPECT_EQ(gobo.myValue(), 10);
    EXPECT_EQ(gobo.minValue, 10);
    EXPECT_EQ(gobo.maxValue, 19);
    EXPECT_EQ(d.level(2), 10);
    EXPECT_EQ(d.level(11), 10) << "the second head's gobo";
    EXPECT_TRUE(d.m.channelTouched[2]);
    const QStringList stored = d.adjusts();
    EXPECT_TRUE(stored.contains("adjust(1,2)")) << stored.join(' ').toStdString();
    EXPECT_TRUE(stored.contains("adjust(1,11)")) << stored.join(' ').toStdString();
    EXPECT_EQ(d.bank.refreshTimerActive, 0);
    EXPECT_EQ(d.console.autoRecords, 1);
    // Stepping stays within the range until the change ends.
    gobo.moveLines(-5);
    gobo.moveLines(5);
    gobo.moveLines(5);
    EXPECT_EQ(gobo.myValue(), 10);
    d.bank.changeEnded(2);
    EXPECT_EQ(gobo.minValue, 0);
    EXPECT_EQ(gobo.maxValue, 255);

    // A channel a higher playback holds is left alone, but the look is still recorded.
    d.plays.priority[2] = 9;
    d.m.channelOwner[2] = 2;
    rangePicker::applyItem(d.bank, 2, items[0]);
    EXPECT_EQ(d.level(2), 10);
    EXPECT_EQ(d.console.autoRecords, 3);
}

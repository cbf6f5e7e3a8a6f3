// The Faders page's wheel bank: which wheels it builds and where, a change
// carried to the same channel type of the other selected fixtures and into
// the current playback, and the per-tick sync with the channel model.

#include "programmerDesk.h"

#include "programmer/wheelBank.h"

#include <gtest/gtest.h>

using programmerTest::Desk;

namespace {

// Two moving heads of one profile (1 at 1, 2 at 20), an RGB par (3 at 40)
// and a second profile sharing the heads' name (4 at 50).
struct BankDesk : Desk {
    WheelBank bank;
    BankDesk() {
        profile(1, {{"dimmer", {{"Closed", 0, 9}, {"Open", 10, 255}}}, {"pan", {}}, {"tilt", {}}, {"red", {}}});
        profile(2, {{"red", {}}, {"green", {}}, {"blue", {}}});
        ClsFixture& twin = profile(3, {{"dimmer", {}}});
        twin.Name = m.lightClass(1).Name;
        patch(1, 1, 1);
        patch(2, 20, 1);
        patch(3, 40, 2);
        patch(4, 50, 3);
    }
    QStringList names() {
        QStringList out;
        for (int i = 1; i <= bank.count(); ++i)
            out << QStringLiteral("%1:%2").arg(bank.wheel(i)->myFixtureNumber).arg(bank.wheel(i)->channelName);
        return out;
    }
    // The operator turns wheel i by `steps` (negative lowers) in one change.
    void turn(int i, int steps) {
        AttributeWheel& w = *bank.wheel(i);
        bank.changeStarted(i);
        for (int k = 0; k < std::abs(steps); ++k) w.moveLines(steps > 0 ? -5 : 5);
        bank.changeEnded(i);
    }
};

} // namespace

TEST(WheelBank, OneRowOfWheelsPerFirstSelectedFixtureOfEachProfileName) {
    BankDesk d;
    d.m.channelOutput[1] = 200;
    d.m.channelOutput[41] = 17;
    d.select({4, 2, 1, 3});
    EXPECT_EQ(WheelBank::fixturesForBank(), (std::vector<int32_t>{1, 3})) << "2 shares 1's profile, 4 its name";
    ASSERT_EQ(d.bank.buildAttributeWheels(), 7);
    EXPECT_EQ(d.names(), (QStringList{"1:dimmer", "1:pan", "1:tilt", "1:red", "3:red", "3:green", "3:blue"}));
    const AttributeWheel& green = *d.bank.wheel(6);
    EXPECT_EQ(green.myChannelNumber, 41);
    EXPECT_EQ(green.myChannelNumberLightClass, 2);
    EXPECT_EQ(green.myFixtureStartChannel, 40);
    EXPECT_EQ(green.channelLightClass, 2);
    EXPECT_EQ(green.myValue(), 17);
    EXPECT_EQ(d.bank.wheel(1)->myValue(), 200);
    EXPECT_EQ(d.bank.wheel(1)->display.label, "Open") << "the range that holds the value";
    EXPECT_TRUE(d.adjusts().isEmpty()) << "building writes nothing to the playback";
    EXPECT_EQ(d.level(1), 200);

    d.select({});
    EXPECT_EQ(d.bank.buildAttributeWheels(), 0);
    d.select({2});
    ASSERT_EQ(d.bank.buildAttributeWheels(), 4) << "a rebuild keeps nothing of the last bank";
    EXPECT_EQ(d.bank.wheel(1)->myChannelNumber, 20);
}

TEST(WheelBank, WheelsFillRowsEdgeToEdgeAndWrapBeforeTheWindowsRightEdge) {
    using P = std::vector<std::pair<int32_t, int32_t>>;
    auto places = [](const std::vector<int32_t>& widths, int32_t height, int32_t window) {
        P out;
        for (const WheelBank::Place& p : WheelBank::placeWheels(widths, height, window)) out.emplace_back(p.left, p.top);
        return out;
    };
    // 3000 wide: a wheel of 705 joins while the previous one's left + 705 < 2000.
    EXPECT_EQ(places({705, 705, 705, 705, 705}, 3390, 3000),
              (P{{100, 1000}, {805, 1000}, {1510, 1000}, {100, 4640}, {805, 4640}}));
    // Narrower than the first wheel plus 1100: it opens a new row at once.
    EXPECT_EQ(places({705}, 3390, 1800), (P{{100, 4640}}));
    // A wider wheel after a narrow one starts at the narrow one's right edge.
    EXPECT_EQ(places({705, 900, 705}, 3390, 10000), (P{{100, 1000}, {805, 1000}, {1705, 1000}}));
}

TEST(WheelBank, AChangeReachesTheSameChannelTypeOfTheOtherSelectedFixtures) {
    BankDesk d;
    d.select({1, 2, 3});
    ASSERT_EQ(d.bank.buildAttributeWheels(), 7);
    d.m.channelOutput[4] = 100; // fixture 1's red
    d.bank.updateDMXValueDisplay(true);
    d.m.channelOwner[4] = 1;

    // Playback 1 not running: the wheel's channel is written by the bank and handed over.
    d.plays.calls.clear();
    d.turn(4, 3);
    EXPECT_EQ(d.level(4), 103);
    EXPECT_EQ(d.level(23), 103) << "fixture 2's red";
    EXPECT_EQ(d.level(40), 103) << "the par's first red";
    EXPECT_EQ(d.m.channelOwner[23], 1);
    EXPECT_TRUE(d.adjusts().contains("adjust(1,4)"));
    EXPECT_TRUE(d.adjusts().contains("adjust(1,23)"));
    EXPECT_EQ(d.level(41), 0) << "only the red";
    EXPECT_EQ(d.console.autoRecords, 1);
    EXPECT_EQ(d.plays.aliases, QStringList{"Fader : red|1|fader"});
    EXPECT_FALSE(d.m.channelTouched[4]) << "nothing is touched while the playback stands";
    EXPECT_EQ(d.bank.wheel(4)->display.frameColour, AttributeWheel::grey);

    // Running: touched, and every red the playback owns is stored at the end of the change.
    d.plays.running.insert(1);
    d.plays.calls.clear();
    d.turn(4, -2);
    EXPECT_EQ(d.level(4), 101);
    EXPECT_EQ(d.level(23), 101);
    EXPECT_TRUE(d.m.channelTouched[4]);
    EXPECT_TRUE(d.m.channelTouched[23]);
    const QStringList stored = d.adjusts();
    for (const char* call : {"adjust(1,4)", "adjust(1,23)", "adjust(1,40)"})
        EXPECT_TRUE(stored.contains(call)) << call << " in " << stored.join(' ').toStdString();
    EXPECT_EQ(d.bank.wheel(4)->display.frameColour, AttributeWheel::darkOrange);
    EXPECT_EQ(d.console.autoRecords, 2);

    // A fixture whose red belongs to a playback of higher priority is left alone.
    d.plays.priority[2] = 9;
    d.m.channelOwner[23] = 2;
    d.m.currentPlayback = 1;
    d.plays.running.clear();
    d.turn(4, 1);
    EXPECT_EQ(d.level(4), 102);
    EXPECT_EQ(d.level(23), 101);

    // A value set outside a change refreshes the wheel only.
    d.plays.calls.clear();
    d.bank.wheel(4)->setMyValue(5);
    EXPECT_EQ(d.level(4), 102);
    EXPECT_TRUE(d.adjusts().isEmpty());
}

TEST(WheelBank, TheTickFollowsTheLevelsButLeavesTheWheelThePickerSets) {
    BankDesk d;
    d.select({1, 3});
    ASSERT_EQ(d.bank.buildAttributeWheels(), 7);
    d.m.channelOutput[1] = 5;
    d.m.channelOwner[1] = 2;
    d.m.channelOutput[40] = 60;
    d.bank.refreshTimerActive = 5; // wheel 5 is fixture 3's red
    d.bank.updateDMXValueDisplay(false);
    EXPECT_EQ(d.bank.wheel(1)->myValue(), 5);
    EXPECT_EQ(d.bank.wheel(1)->display.playbackNumber, 2);
    EXPECT_EQ(d.bank.wheel(1)->display.label, "Closed");
    EXPECT_EQ(d.bank.wheel(5)->myValue(), 0) << "compared by wheel index, not channel number";
    d.bank.refreshTimerActive = 0;
    d.bank.updateDMXValueDisplay(false);
    EXPECT_EQ(d.bank.wheel(5)->myValue(), 60);
}

TEST(WheelBank, ColourCellsShowTheMixedColourEvenOnTheShowsLastChannel) {
    BankDesk d;
    // The par moves to the show's last three channels.
    d.m.fixtureStartChannel[3] = 510;
    for (int c = 0; c < 3; ++c) d.m.channelType[510 + c] = d.m.lightClass(2).Channel_prop(c + 1);
    d.m.channelMixedColour[511] = "255";   // the colour of channel 510 (red)
    d.m.channelMixedColour[512] = "65280"; // of channel 511 (green)
    d.select({3});
    ASSERT_EQ(d.bank.buildAttributeWheels(), 3);
    EXPECT_TRUE(d.bank.updateColorMixerChannels());
    EXPECT_EQ(d.bank.wheel(1)->display.swatch, 255);
    EXPECT_EQ(d.bank.wheel(2)->display.swatch, 65280);
    EXPECT_EQ(d.bank.wheel(3)->display.label, "") << "channel 512 has no colour slot: no colour yet";
    d.bank.updateDMXValueDisplay(false);
    EXPECT_TRUE(d.ts.prompts().messages.isEmpty()) << d.ts.prompts().messages.join('|').toStdString();

    d.select({1});
    d.bank.buildAttributeWheels();
    EXPECT_TRUE(d.bank.updateColorMixerChannels()) << "the head's profile has a red channel";
}

TEST(WheelBank, AMouseWheelNotchStepsTheWheelLastUnderThePointer) {
    BankDesk d;
    d.select({1, 2});
    ASSERT_EQ(d.bank.buildAttributeWheels(), 4);
    d.m.channelOutput[2] = 50;
    d.bank.updateDMXValueDisplay(true);
    d.bank.stepWheelUnderPointer(-120);
    EXPECT_EQ(d.level(2), 50) << "no wheel hovered yet";
    EXPECT_EQ(d.console.autoRecords, 1);
    d.bank.faderMouseMove(2);
    d.bank.stepWheelUnderPointer(120);
    EXPECT_EQ(d.level(2), 51);
    EXPECT_EQ(d.level(21), 51) << "fixture 2's pan follows";
    d.bank.stepWheelUnderPointer(-120);
    EXPECT_EQ(d.level(2), 50);
    EXPECT_FALSE(d.bank.wheelChangeActive);
    EXPECT_TRUE(d.plays.aliases.isEmpty()) << "a notch does not rename the playback";
}

// The encoder bank's engine: the attribute names per category page, the
// two-line captions, the selection mapped (with the CMY names), a drag that
// writes every matching channel or fans them apart, and direct entry.

#include "programmerDesk.h"

#include "programmer/encoderBank.h"

#include <gtest/gtest.h>

using programmerTest::Desk;

namespace {

// Three spots of one profile (1 at 1, 2 at 10, 3 at 20) and a CMY wash (4 at 30).
struct EncoderDesk : Desk {
    EncoderBank bank;
    EncoderDesk() {
        profile(1, {{"dimmer", {}}, {"shutter", {}}, {"strobe rate", {}}, {"pan", {}}, {"tilt", {}}});
        profile(2, {{"cyan", {}}, {"magenta", {}}, {"yellow", {}}, {"red", {}}});
        patch(1, 1, 1);
        patch(2, 10, 1);
        patch(3, 20, 1);
        patch(4, 30, 2);
        roleResolution::getFixtureDimmersandFoggers(); // each channel's fixture
    }
};

} // namespace

TEST(EncoderBank, EachCategoryPageNamesItsEncodersAndOtherPagesKeepThem) {
    EncoderDesk d;
    struct Case {
        const char* tab;
        std::array<const char*, 11> names;
    };
    const Case cases[] = {
        {"cmdColor", {"red", "green", "blue", "color", "color1", "white", "white1", "amber", "", "pan", "tilt"}},
        {"cmdShutter", {"shutter", "strobe rate", "strobe intensity", "focus", "zoom", "dimmer", "", "", "", "pan", "tilt"}},
        {"cmdSpeed", {"mspeed", "", "", "focus", "zoom", "", "", "", "", "pan", "tilt"}},
        {"cmdRotation",
         {"prism rotate", "effects rotate", "rotating gobo", "focus", "zoom", "gobo rotation", "gobo1 rotation",
          "gobo2 rotation", "", "pan", "tilt"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(d.bank.assignEncoderNames(QLatin1String(c.tab)));
        for (int e = 0; e < 11; ++e) EXPECT_EQ(d.bank.encoderNames[size_t(e)], c.names[size_t(e)]) << c.tab << " " << e;
        const bool colour = QLatin1String(c.tab) == QLatin1String("cmdColor");
        EXPECT_EQ(d.bank.encoderAltNames[0], colour ? "cyan" : "") << c.tab;
        EXPECT_EQ(d.bank.encoderAltNames[2], colour ? "yellow" : "") << c.tab;
    }
    EXPECT_FALSE(d.bank.assignEncoderNames("cmdUser"));
    EXPECT_EQ(d.bank.encoderNames[0], "prism rotate") << "the Faders page keeps the last names";

    using L = QStringList;
    EXPECT_EQ(EncoderBank::captionLines("strobe intensity"), (L{"strobe", "intensity"}));
    EXPECT_EQ(EncoderBank::captionLines("strobe rate"), (L{"strobe", "rate"}));
    EXPECT_EQ(EncoderBank::captionLines("effects wheel"), (L{"effects", "wheel"}));
    EXPECT_EQ(EncoderBank::captionLines("prism rotate"), (L{"prism", "rotate"}));
    EXPECT_EQ(EncoderBank::captionLines("a b c d e f"), (L{"a", "b"})) << "only the first two words";
    EXPECT_EQ(EncoderBank::captionLines("color1"), (L{"color1"}));
}

TEST(EncoderBank, TheSelectionMapsOntoTheEncodersAndTheCmyNamesSwitchTheMode) {
    EncoderDesk d;
    d.bank.assignEncoderNames("cmdColor");
    d.m.channelOutput[30] = 11; // the wash's cyan
    d.m.channelOutput[33] = 44; // its red
    d.m.channelOutput[4] = 90;  // spot 1's pan
    d.select({4});
    d.bank.mapEncoderChannels();
    EXPECT_EQ(d.bank.tags[0], "44") << "red comes after cyan on the wash";
    EXPECT_FALSE(d.bank.encoderCmyMode) << "the last match (red) is an ordinary name";
    EXPECT_EQ(d.bank.tags[9], "") << "the wash has no pan";
    EXPECT_EQ(d.bank.captionOf(0), "red");

    d.m.lightClass(2).setChannel_prop(4, "dimmer");
    d.m.channelType[33] = "dimmer";
    d.bank.mapEncoderChannels();
    EXPECT_TRUE(d.bank.encoderCmyMode);
    EXPECT_EQ(d.bank.tags[0], "11");
    EXPECT_EQ(d.bank.captionOf(0), "cyan");
    EXPECT_EQ(d.bank.captionOf(3), "color");

    d.select({1, 4});
    d.bank.mapEncoderChannels();
    EXPECT_EQ(d.bank.tags[9], "90") << "an attribute only the lower fixture has still maps";
    EXPECT_TRUE(d.bank.encoderCmyMode) << "the wash is mapped last";
    d.select({});
    d.bank.mapEncoderChannels();
    for (const QString& tag : d.bank.tags) EXPECT_EQ(tag, "");
}

TEST(EncoderBank, ADragStepsOncePerEventAndWritesEveryMatchingChannel) {
    EncoderDesk d;
    d.bank.assignEncoderNames("cmdShutter");
    d.m.channelOutput[2] = 100;
    d.m.channelOwner[11] = 2; // spot 2's shutter belongs to playback 2
    d.select({1, 2});
    d.bank.mapEncoderChannels();
    ASSERT_EQ(d.bank.tags[0], "0") << "spot 2's shutter is the last mapped";
    d.bank.tags[0] = "100";
    d.bank.oneWheel_MouseDown(0, 30);
    EXPECT_TRUE(d.bank.oneWheel_MouseMove(0, 1, 0, 5, 20)); // up 10 pixels: one step
    EXPECT_EQ(d.bank.tags[0], "101");
    EXPECT_EQ(d.level(2), 101);
    EXPECT_EQ(d.level(11), 101);
    EXPECT_EQ(d.level(21), 0) << "spot 3 is not selected";
    EXPECT_EQ(d.m.channelOwner[2], 1) << "a free channel goes to the current playback";
    EXPECT_EQ(d.m.currentPlayback, 2) << "a channel of playback 2 makes it current";
    EXPECT_EQ(d.console.autoRecords, 1);
    EXPECT_EQ(d.bank.boxText, "101") << "the hidden box mirrors the value";
    d.bank.oneWheel_MouseMove(0, 1, 0, 5, 20); // no travel: the value stays, but is written again
    EXPECT_EQ(d.bank.tags[0], "101");
    EXPECT_EQ(d.console.autoRecords, 2);
    d.bank.oneWheel_MouseMove(0, 1, 0, 5, 40);
    EXPECT_EQ(d.bank.tags[0], "100");

    d.bank.tags[0] = "255";
    d.bank.encoderLastDelta = 0;
    d.bank.oneWheel_MouseMove(0, 1, 0, 5, 0);
    EXPECT_EQ(d.bank.tags[0], "255") << "no step past 255";
    EXPECT_EQ(d.level(2), 255);
    // The right button only stamps; an encoder without attribute ignores everything.
    EXPECT_TRUE(d.bank.oneWheel_MouseMove(0, 2, 0, 5, 80));
    EXPECT_EQ(d.bank.tags[0], "255");
    EXPECT_FALSE(d.bank.oneWheel_MouseMove(8, 1, 0, 5, 0));
    EXPECT_FALSE(d.bank.oneWheel_DblClick(8));
}

TEST(EncoderBank, WithAModifierTheDragFansTheChannelsApart) {
    EncoderDesk d;
    d.bank.assignEncoderNames("cmdBeam");
    d.select({1, 2, 3});
    for (int ch : {1, 10, 20}) d.m.channelOutput[size_t(ch)] = 100;
    d.bank.mapEncoderChannels();
    d.bank.oneWheel_MouseDown(0, 50);
    d.bank.oneWheel_MouseMove(0, 1, 1, 0, 40); // up with Shift
    EXPECT_EQ(d.bank.tags[0], "101");
    EXPECT_EQ(std::vector<int>({d.level(1), d.level(10), d.level(20)}), (std::vector<int>{102, 103, 104}));
    d.bank.oneWheel_MouseMove(0, 1, 1, 0, 50); // down
    EXPECT_EQ(std::vector<int>({d.level(1), d.level(10), d.level(20)}), (std::vector<int>{100, 100, 100}));
    for (int ch : {1, 10, 20}) d.m.channelOutput[size_t(ch)] = 253;
    d.bank.stepEncoderChannels(0, 1);
    EXPECT_EQ(std::vector<int>({d.level(1), d.level(10), d.level(20)}), (std::vector<int>{255, 255, 255}));
}

TEST(EncoderBank, DirectEntryIsClampedAndADoubleClickNeverCommitsAStaleBox) {
    EncoderDesk d;
    d.bank.assignEncoderNames("cmdShutter");
    d.select({1});
    d.bank.mapEncoderChannels();
    struct Case {
        const char* typed;
        const char* tag;
    };
    for (const Case& c : {Case{"300", "255"}, Case{"-5", "0"}, Case{"0", "0"}, Case{"17", "17"}, Case{"abc", "17"}}) {
        ASSERT_TRUE(d.bank.oneWheel_DblClick(5)); // dimmer
        EXPECT_EQ(d.bank.boxTag, "5");
        d.bank.boxText = QString::fromLatin1(c.typed);
        d.bank.txtDirectWheelValue_KeyUp(EncoderBank::enterKey);
        EXPECT_FALSE(d.bank.boxVisible);
        EXPECT_EQ(d.bank.tags[5], c.tag) << c.typed;
        EXPECT_EQ(d.level(1), QString::fromLatin1(c.tag).toInt()) << c.typed;
    }
    // A drag on the shutter leaves its value in the hidden box; the bank is
    // shown again (the box forgets its encoder); a double-click elsewhere
    // must not write that stale value into encoder 0 or anywhere else.
    d.m.channelOutput[2] = 40;
    d.bank.mapEncoderChannels();
    d.bank.oneWheel_MouseDown(0, 10);
    d.bank.oneWheel_MouseMove(0, 1, 0, 0, 0);
    ASSERT_EQ(d.bank.boxText, "41");
    d.bank.showEncoderBank();
    d.m.channelOutput[2] = 7;
    d.bank.tags[0] = "7";
    ASSERT_TRUE(d.bank.oneWheel_DblClick(5));
    EXPECT_EQ(d.level(2), 7);
    EXPECT_EQ(d.bank.tags[0], "7");
    EXPECT_EQ(d.bank.boxText, "17") << "the box opens on the dimmer's value";
    // An Enter while no box is open does nothing.
    d.bank.boxVisible = false;
    d.bank.boxText = "99";
    d.bank.txtDirectWheelValue_KeyUp(EncoderBank::enterKey);
    EXPECT_EQ(d.bank.tags[5], "17");
}

// Look-ups of named ranges in the fixtures' present profiles.

#include "presetDesk.h"

#include <gtest/gtest.h>

using namespace presetTest;

namespace {

struct LookupDesk : Desk {
    LookupDesk() {
        profile(1, {{"dimmer", {}},
                    {"gobo", {{"Open", 0, 9}, {"Star.gif", 10, 19}, {"Open/Close", 20, 29}, {"Red 1.5", 30, 39}}},
                    {"shutter", {{"Open", 250, 255}, {"Closed", 0, 10}, {"Strobe", 11, 249}}}});
        patch(3, 10, 1);
        patch(5, 20, 1);
    }
};

} // namespace

TEST(RangeLookup, NamesMatchLabelsEscapedAndWithoutExtensionInAnyCase) {
    LookupDesk d;
    const struct {
        const char* name;
        int32_t end;
    } cases[] = {{"star", 19},      {"STAR ", 19}, {"Star.bmp", 19}, {"Open/Close", 29}, {"Open+Close", 29},
                 {"Red 1", 39},     {"Red 1.5", 39}, {"open", 9},    {"", -9999999},     {"   ", -9999999},
                 {"Starfish", -9999999}};
    for (const auto& c : cases) {
        EXPECT_EQ(d.engine.returnAValueForAPropertyName(3, QString::fromUtf8(c.name), QStringLiteral(" GOBO ")), c.end)
            << c.name;
        // The channel is set whether or not the range was found.
        EXPECT_EQ(d.engine.lookupChannel, 11) << c.name;
    }
    d.engine.returnAValueForAPropertyName(3, QStringLiteral("Star.gif"), QStringLiteral("gobo"));
    EXPECT_EQ(d.engine.lookupValue, 10);
}

TEST(RangeLookup, FoundFixturesAccumulateAndAMissingTypeLeavesOneBelowTheStart) {
    LookupDesk d;
    d.engine.lookupFixtureList = QStringLiteral("1,");
    d.engine.returnAValueForAPropertyName(3, QStringLiteral("Open"), QStringLiteral("gobo"));
    d.engine.returnAValueForAPropertyName(5, QStringLiteral("Open"), QStringLiteral("gobo"));
    d.engine.returnAValueForAPropertyName(5, QStringLiteral("Nowhere"), QStringLiteral("gobo"));
    EXPECT_EQ(d.engine.lookupFixtureList, "1,3,5,");
    EXPECT_EQ(d.engine.returnAValueForAPropertyName(5, QStringLiteral("Open"), QStringLiteral("zoom")), -9999999);
    EXPECT_EQ(d.engine.lookupChannel, 19);
    // A fixture number the patch does not have finds nothing and reads nothing outside it.
    EXPECT_EQ(d.engine.returnAValueForAPropertyName(900, QStringLiteral("Open"), QStringLiteral("gobo")), -9999999);
    EXPECT_EQ(d.engine.returnAValueForAPropertyName(-2, QStringLiteral("Open"), QStringLiteral("gobo")), -9999999);
}

TEST(RangeLookup, ATypeOnlyOnTheLastProfileChannelCountsAsMissing) {
    Desk d;
    ClsFixture& p = d.profile(1, {{"dimmer", {}}});
    p.setChannel_prop(37, QStringLiteral("zoom"));
    d.patch(1, 1, 1);
    EXPECT_EQ(d.engine.returnAChannelForAPropertyName(QStringLiteral("zoom"), 1), 0);
    EXPECT_EQ(d.engine.returnAChannelForAPropertyName(QStringLiteral("Dimmer "), 1), 1);
}

TEST(RangeLookup, TheLabelOfAValueIsTheRangeThatHoldsIt) {
    LookupDesk d;
    const struct {
        int value;
        const char* label;
    } cases[] = {{0, "Closed"}, {10, "Closed"}, {11, "Strobe"}, {250, "Open"}, {255, "Open"}};
    for (const auto& c : cases)
        EXPECT_EQ(d.engine.returnAPropertiesNameForAValue(c.value, 3, 12), c.label) << c.value;
    Desk plain;
    plain.profile(1, {{"shutter", {{"Closed", 0, 127}, {"Open", 128, 255}}}});
    plain.patch(1, 1, 1);
    EXPECT_EQ(plain.engine.returnAPropertiesNameForAValue(100, 1, 1), "Closed");
    EXPECT_EQ(plain.engine.returnAPropertiesNameForAValue(128, 1, 1), "Open");
    EXPECT_EQ(plain.engine.returnAPropertiesNameForAValue(300, 1, 1), "");
}

TEST(RangeLookup, ChannelNumberByExactTypeName) {
    Desk d;
    ClsFixture& p = d.profile(1, {{"dimmer", {}}, {"red", {}}, {"Green", {}}, {"blue ", {}}});
    p.setChannel_prop(33, QStringLiteral("zoom"));
    p.ChannelsUsed = 33;
    d.patch(1, 100, 1);
    EXPECT_EQ(d.engine.returnAChannelNumberForAChannelName(QStringLiteral("Red"), 1), 101);
    EXPECT_EQ(d.engine.returnAChannelNumberForAChannelName(QStringLiteral("green"), 1), 0);
    EXPECT_EQ(d.engine.returnAChannelNumberForAChannelName(QStringLiteral("blue"), 1), 0);
    EXPECT_EQ(d.engine.returnAChannelNumberForAChannelName(QStringLiteral("zoom"), 1), 0);
}

TEST(RangeLookup, FineAdjustRangeIsThatOfTheLastSelectedRecord) {
    Desk d;
    d.profile(1, {{"color", {{"Red", 10, 19}}}});
    d.profile(2, {{"dimmer", {}}, {"color", {{"Red", 40, 59}}}});
    d.patch(1, 1, 1);
    d.patch(2, 10, 2);
    d.engine.currentTypeName = QStringLiteral("Color");
    QString name = QStringLiteral("Red");
    ASSERT_TRUE(d.engine.makeCustomPresetFile(name, "Red", {"color"}, false, true));
    name = QStringLiteral("Red");
    EXPECT_FALSE(d.engine.mouseWheelProperties(name)) << "nothing selected";
    d.select({1, 2});
    const auto both = d.engine.mouseWheelProperties(name);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->min, 40);
    EXPECT_EQ(both->MAX, 59);
    d.select({1});
    EXPECT_EQ(d.engine.mouseWheelProperties(name)->MAX, 19);
    name = QStringLiteral("Blue");
    EXPECT_FALSE(d.engine.mouseWheelProperties(name)) << "no such preset";
}

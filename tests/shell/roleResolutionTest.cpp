#include "profiles/ClsFixture.h"
#include "shell/roleResolution.h"
#include "shell/services/patchService.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace roleResolution;

namespace {

// Patches fixture f at `start` with a profile in slot `profile` whose channel
// types are `types`.
void patch(ChannelModel& m, int f, int start, int profile, const QStringList& types, int dimmerRole = 0) {
    ClsFixture& p = m.lightClass(profile);
    p.Name = QStringLiteral("Profile %1").arg(profile);
    p.ChannelsUsed = int16_t(types.size());
    p.setDimmmerChannel(dimmerRole);
    m.lightClassCount = std::max(m.lightClassCount, profile);
    m.fixtureStartChannel[size_t(f)] = int16_t(start);
    m.fixtureLightClass[size_t(f)] = int16_t(profile);
    for (int i = 0; i < types.size(); ++i) m.channelType[start + i] = types[i];
    m.fixtureCount = std::max(m.fixtureCount, f);
}

// A fresh shell and its channel model for each test.
class ShowTest : public ::testing::Test {
protected:
    TestShell t;
    ChannelModel& m = t.get().state;
};
using FindIfBeamHasShutter = ShowTest;
using FindIfColorMixer = ShowTest;
using FindPanandTilt = ShowTest;
using FixtureHasDimmer = ShowTest;
using GetFixtureDimmersandFoggers = ShowTest;
using RoleResolution = ShowTest;

} // namespace

TEST_F(GetFixtureDimmersandFoggers, RolesFromRawTypeNames) {
    struct Case {
        QStringList types;
        int dimmer, fog, hazeFan; // 1-based within the profile, 0 = none
    } cases[] = {
        {{"dimmer", "intensity", "pan"}, 2, 0, 0},          // the last match wins
        {{"pan", "dimmer fine"}, 2, 0, 0},                  // prefix "dimmer"
        {{"strobe intensity", "red"}, 1, 0, 0},
        {{"Dimmer", " dimmer", "dimme"}, 0, 0, 0},          // exact case, raw names
        {{"fog", "haze fan"}, 0, 1, 2},
        {{"haze", "fog"}, 0, 2, 0},
    };
    int start = 1, f = 1;
    for (const Case& c : cases) {
        patch(m, f, start, f, c.types);
        m.fixtureDimmerChannel[size_t(f)] = 77; // stale values are cleared
        m.fixtureFogChannel[size_t(f)] = 77;
        ++f;
        start += 10;
    }
    getFixtureDimmersandFoggers();
    EXPECT_TRUE(t.prompts().messages.isEmpty());
    start = 1;
    f = 1;
    for (const Case& c : cases) {
        auto expected = [start](int role) { return role ? start + role - 1 : 0; };
        EXPECT_EQ(m.fixtureDimmerChannel[size_t(f)], expected(c.dimmer)) << c.types.join(',').toStdString();
        EXPECT_EQ(m.fixtureFogChannel[size_t(f)], expected(c.fog)) << c.types.join(',').toStdString();
        EXPECT_EQ(m.fixtureHazeFanChannel[size_t(f)], expected(c.hazeFan)) << c.types.join(',').toStdString();
        ++f;
        start += 10;
    }
}

TEST_F(GetFixtureDimmersandFoggers, ChannelFixtureIsSetForTypedChannelsAndNeverCleared) {
    m.channelFixture[11] = 9;
    m.channelFixture[20] = 8; // outside every span
    patch(m, 2, 10, 1, {"dimmer", "none", "pan"});
    getFixtureDimmersandFoggers();
    EXPECT_EQ(m.channelFixture[10], 2);
    EXPECT_EQ(m.channelFixture[11], 9);
    EXPECT_EQ(m.channelFixture[12], 2);
    EXPECT_EQ(m.channelFixture[20], 8);
}

TEST_F(GetFixtureDimmersandFoggers, ASpanBeyondTheChannelsIsReportedAndStopsTheRun) {
    patch(m, 1, 1, 1, {"dimmer"});
    patch(m, 2, 510, 2, {"dimmer", "a", "b"});
    m.lightClass(2).ChannelsUsed = 5; // 510..514 on a 512-channel show
    patch(m, 3, 20, 3, {"fog"});
    m.fixtureDimmerChannel[2] = 55;
    m.fixtureFogChannel[3] = 66;
    getFixtureDimmersandFoggers();
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith(QStringLiteral("error in getDimmersandFoggers: ")));
    EXPECT_EQ(m.fixtureDimmerChannel[1], 1);
    EXPECT_EQ(m.fixtureDimmerChannel[2], 55); // nothing of the bad fixture was touched
    EXPECT_EQ(m.channelFixture[510], 0);
    EXPECT_EQ(m.fixtureFogChannel[3], 66);    // fixtures after it keep their values
}

TEST_F(FindPanandTilt, ExactRawNamesAndStaleValuesCleared) {
    patch(m, 1, 100, 1, {"pan", "panfine", "tilt", "tiltfine", "pan"});
    patch(m, 2, 200, 2, {" pan", "Pan", "tilt "});
    m.fixturePanChannel[2] = 5;
    m.fixtureTiltChannel[2] = 5;
    findPanandTilt(1);
    findPanandTilt(2);
    EXPECT_EQ(m.fixturePanChannel[1], 104);
    EXPECT_EQ(m.fixturePanFineChannel[1], 101);
    EXPECT_EQ(m.fixtureTiltChannel[1], 102);
    EXPECT_EQ(m.fixtureTiltFineChannel[1], 103);
    EXPECT_EQ(m.fixturePanChannel[2], 0);
    EXPECT_EQ(m.fixtureTiltChannel[2], 0);
    EXPECT_TRUE(t.prompts().messages.isEmpty());

    findPanandTilt(0);
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith(QStringLiteral("Error in FindPanAndTilt:")));
}

TEST_F(FindIfBeamHasShutter, IntensityFlagsWithAndWithoutADimmerRole) {
    const QStringList types = {"dimmer mode", "red", "green", "blue", "white", "cyan", " shutter", "gobospin", "intensity"};
    // Fixture 1 without a dimmer role: its cells are the intensity.
    patch(m, 1, 1, 1, types);
    // Fixture 2 with one: only its dimmer channels are.
    patch(m, 2, 101, 2, QStringList{"dimmer"} + types, 1);
    for (int c = 1; c <= 120; ++c) m.channelIsIntensity[size_t(c)] = (c % 2); // odd channels set before
    findIfBeamHasShutter(1);
    findIfBeamHasShutter(2);

    const int expected1[] = {0, 1, 1, 1, 1, /*cyan kept, channel 6 even*/ 0, 0, 0, /*no second pass*/ 0};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(m.channelIsIntensity[size_t(1 + i)], expected1[i]) << "fixture 1, " << types[i].toStdString();
    EXPECT_EQ(m.fixtureShutterChannel[1], 7);
    EXPECT_EQ(m.fixtureGoboRotationChannel[1], 8);

    // Channel 101 dimmer, 102 "dimmer mode", 103.. red green blue white (kept: 103 odd, 104 even ...).
    const int expected2[] = {1, 1, 1, 0, 1, 0, /*cyan kept, 107 odd*/ 1, 0, 0, 1};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(m.channelIsIntensity[size_t(101 + i)], expected2[i]) << "channel " << 101 + i;
    EXPECT_EQ(m.fixtureShutterChannel[2], 108);
    EXPECT_EQ(m.fixtureGoboRotationChannel[2], 109);
}

TEST_F(FindIfBeamHasShutter, StrobeIntensityCountsAsADimmerButIsNotScaled) {
    patch(m, 1, 1, 1, {"strobe intensity", "red", "rotgobo", "strobe rate"}, 1);
    m.channelIsIntensity[1] = 1;
    m.channelIsIntensity[2] = 1;
    m.fixtureShutterChannel[1] = 9;
    findIfBeamHasShutter(1);
    EXPECT_EQ(m.channelIsIntensity[1], 0);
    EXPECT_EQ(m.channelIsIntensity[2], 1);
    EXPECT_EQ(m.fixtureShutterChannel[1], 0);
    EXPECT_EQ(m.fixtureGoboRotationChannel[1], 0);
}

TEST_F(FindIfBeamHasShutter, ASpanBeyondTheChannelsGoesToTheCallerUntouched) {
    patch(m, 1, 511, 1, {"shutter", "red"}); // 511..512 fit
    m.lightClass(1).ChannelsUsed = 3;        // 511..513 do not
    m.fixtureShutterChannel[1] = 42;
    EXPECT_THROW(findIfBeamHasShutter(1), std::out_of_range);
    EXPECT_THROW(findifcolormixer(1), std::out_of_range);
    EXPECT_EQ(m.fixtureShutterChannel[1], 42);
    m.fixtureStartChannel[1] = 0;
    m.lightClass(1).ChannelsUsed = 1;
    EXPECT_THROW(findIfBeamHasShutter(1), std::out_of_range);
}

TEST_F(FindIfColorMixer, FirstColourChannelDecides) {
    struct Case {
        QStringList types;
        uint8_t before, expected;
    } cases[] = {
        {{"pan", "cyan", "tilt"}, 0, 1},
        {{"pan", " red "}, 0, 1},
        {{"pan", "tilt"}, 1, 0},
        {{"Red", "white"}, 1, 0},
        {{}, 1, 1}, // a profile without channels keeps the previous value
    };
    int f = 1;
    for (const Case& c : cases) {
        patch(m, f, f * 10, f, c.types);
        m.fixtureIsColourMixer[size_t(f)] = c.before;
        findifcolormixer(f);
        EXPECT_EQ(m.fixtureIsColourMixer[size_t(f)], c.expected) << c.types.join(',').toStdString();
        ++f;
    }
}

TEST_F(RoleResolution, AnEmptyProfileSlotGetsAnEmptyProfile) {
    m.fixtureCount = 1;
    m.fixtureStartChannel[1] = 10;
    m.fixtureLightClass[1] = 4;
    m.channelType[10] = QStringLiteral("pan");
    m.fixturePanChannel[1] = 10;
    m.fixtureDimmerChannel[1] = 3;
    findPanandTilt(1);
    getFixtureDimmersandFoggers();
    findIfBeamHasShutter(1);
    EXPECT_FALSE(fixtureHasDimmer(1));
    ASSERT_GT(m.lightClasses.size(), 4u);
    ASSERT_NE(m.lightClasses[4], nullptr);
    EXPECT_EQ(m.lightClasses[4]->ChannelsUsed, 0);
    EXPECT_EQ(m.fixturePanChannel[1], 0);
    EXPECT_EQ(m.fixtureDimmerChannel[1], 0);
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

TEST_F(FixtureHasDimmer, DimmerRoleOfTheProfileAndErrors) {
    patch(m, 1, 1, 1, {"red"}, 0);
    patch(m, 2, 5, 2, {"dimmer"}, 1);
    EXPECT_FALSE(fixtureHasDimmer(1));
    EXPECT_TRUE(fixtureHasDimmer(2));
    EXPECT_FALSE(fixtureHasDimmer(513));
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith(QStringLiteral("Error Finding Dimmer Channel: ")));
}

namespace {
class FindLightClass : public ShowTest {
protected:
    QMap<int, QString> iconNames;
    void SetUp() override {
        struct Icons : PatchService {
            const QMap<int, QString>& names;
            explicit Icons(const QMap<int, QString>& n) : names(n) {}
            QString fixtureIconName(int32_t f) override { return names.value(f); }
        };
        t.get().provide<PatchService>(std::make_unique<Icons>(iconNames));
        for (int c = 40; c <= 42; ++c) {
            m.channelFixtureLabel[c] = QStringLiteral(" Spot 1 ");
            m.channelProfileName[c] = QStringLiteral("MovingHead ");
        }
        m.lightClass(1).Name = QStringLiteral("Par");
        m.lightClass(2).Name = QStringLiteral("MovingHead");
        m.lightClass(4).Name = QStringLiteral(" MovingHead");
        m.lightClassCount = 4; // slot 3 is empty
        m.fixtureName[1] = QStringLiteral("Spot 1");
    }
};
} // namespace

TEST_F(FindLightClass, LastLabelledChannelAndLastMatchingProfileWin) {
    iconNames[1] = QStringLiteral("Spot 1");
    findlightclass(1);
    EXPECT_EQ(m.fixtureStartChannel[1], 42);
    EXPECT_EQ(m.fixtureLightClass[1], 4);
    EXPECT_NE(m.lightClasses[3], nullptr);
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

TEST_F(FindLightClass, UnmatchedFixtureFallsBackToProfileOneWithAWarning) {
    m.fixtureStartChannel[1] = 7;
    for (const char* icon : {"", "Spot 9"}) {
        iconNames[1] = QString::fromLatin1(icon);
        m.fixtureLightClass[1] = 0;
        t.prompts().messages.clear();
        findlightclass(1);
        EXPECT_EQ(m.fixtureStartChannel[1], 7) << icon;
        EXPECT_EQ(m.fixtureLightClass[1], 1) << icon;
        EXPECT_EQ(t.prompts().messages, QStringList{QStringLiteral("Show File May Be Corrupt! Fixture:Spot 1")}) << icon;
    }
    // A fixture that keeps a profile index is not touched.
    m.fixtureLightClass[1] = 2;
    t.prompts().messages.clear();
    findlightclass(1);
    EXPECT_EQ(m.fixtureLightClass[1], 2);
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

TEST_F(FindLightClass, WithoutProfilesNothingFallsBack) {
    m.lightClassCount = 0;
    iconNames[1] = QStringLiteral("Nobody");
    findlightclass(1);
    EXPECT_EQ(m.fixtureLightClass[1], 0);
    EXPECT_TRUE(t.prompts().messages.isEmpty());
    EXPECT_THROW(findlightclass(0), std::out_of_range);
    EXPECT_THROW(findlightclass(513), std::out_of_range);
}

// RGB chases: the .YCP profile file, the colour tables over additive,
// subtractive and multi-cell fixtures, and the rotation between fixture groups.

#include "console/consoleFakes.h"
#include "effects/rgbChase.h"
#include "effects/rgbChaseFile.h"
#include "profiles/ClsFixture.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using V = std::vector<int>;
constexpr int32_t red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000;

// Fixtures 1..3: RGB (red, green, blue, dimmer) from channel 1; fixture 4: CMY at 13;
// fixture 5: an RGB fixture with numbered cells (red, green, blue, red1..blue3) at 16.
struct ColourDesk {
    TestShell ts;
    FakePlaybacks& pb = ts.get().provide<PlaybackService>(std::make_unique<FakePlaybacks>());
    FakeSelection& sel = ts.get().provide<PatchService>(std::make_unique<FakeSelection>());
    RgbChase& chase = ts.get().engine<RgbChase>();
    ChannelModel& m = ts.get().state;

    ColourDesk() {
        m.resize(40);
        profile(1, {"red", "green", "blue", "dimmer"}).setRgbFixture(true);
        profile(2, {"cyan", "magenta", "yellow"}).setCmyFixture(true);
        ClsFixture& multi = profile(3, {"red", "green", "blue", "red1", "green1", "blue1", "red2", "green2", "blue2",
                                        "red3", "green3", "blue3"});
        multi.setRgbFixture(true);
        multi.setRgbMulti(true);
        for (int f = 1; f <= 3; ++f) place(f, 1, 4 * f - 3);
        place(4, 2, 13);
        place(5, 3, 16);
        m.fixtureCount = 5;
        m.currentPlayback = 1;
    }
    ClsFixture& profile(int k, std::vector<const char*> types) {
        ClsFixture& p = m.lightClass(k);
        p.ChannelsUsed = int16_t(types.size());
        for (size_t c = 0; c < types.size(); ++c) p.setChannel_prop(int(c) + 1, QLatin1String(types[c]));
        return p;
    }
    void place(int f, int cls, int start) {
        m.fixtureStartChannel[size_t(f)] = int16_t(start);
        m.fixtureLightClass[size_t(f)] = int16_t(cls);
        m.fixtureIsColourMixer[size_t(f)] = 1;
        const ClsFixture& p = m.lightClass(cls);
        for (int c = 1; c <= p.ChannelsUsed; ++c) m.channelType[start + c - 1] = p.Channel_prop(c);
    }
    V column(int channel, int steps) {
        V v;
        for (int s = 1; s <= steps; ++s) {
            auto it = pb.levels.find({1, s, channel});
            v.push_back(it == pb.levels.end() ? -1 : it->second);
        }
        return v;
    }
};

} // namespace

TEST(RgbChaseFile, RoundTripAndRecordLayout) {
    const rgbChaseFile::Profile p{{red, 0x123456}, 8, 2, 1};
    const QByteArray bytes = rgbChaseFile::encode(p);
    ASSERT_EQ(bytes.size(), 64);
    EXPECT_EQ(bytes.mid(0, 32).toHex(), QByteArray("000000000000000000000000" "ff000000" "08000000" "02000000"
                                                   "01000000" "02000000"));
    rgbChaseFile::Profile back;
    ASSERT_TRUE(rgbChaseFile::decode(bytes, back));
    EXPECT_EQ(back.colours, p.colours);
    EXPECT_EQ(back.steps, 8);
    EXPECT_EQ(back.phaseOffset, 2);
    EXPECT_EQ(back.fixtureOffset, 1);
}

TEST(RgbChaseFile, CountsAreBelievedOnlyAsFarAsTheFileReaches) {
    const QByteArray three = rgbChaseFile::encode({{red, green, blue}, 4, 0, 0});
    const struct {
        const char* name;
        QByteArray bytes;
        int colours; // -1: refused
    } cases[] = {
        {"empty", QByteArray(), -1},
        {"short of one record", three.left(31), -1},
        {"count zero", QByteArray(32, '\0'), -1},
        {"count three, two records", three.left(64), 2},
        {"count one, three records", [&] {
             QByteArray b = three;
             b[28] = 1;
             return b;
         }(), 1},
        {"huge count", [&] {
             QByteArray b = three;
             b[31] = 0x7f;
             return b;
         }(), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rgbChaseFile::Profile p{{7}, 1, 1, 1};
        QString why;
        EXPECT_EQ(rgbChaseFile::decode(c.bytes, p, &why), c.colours > 0);
        EXPECT_EQ(int(p.colours.size()), c.colours > 0 ? c.colours : 1);
        EXPECT_EQ(why.isEmpty(), c.colours > 0);
    }
}

TEST(RgbChaseFile, SavingReplacesTheWholeFileAndABadFileChangesNothing) {
    ColourDesk d;
    const QString path = d.ts.folder() + QStringLiteral("/RGB/Party.YCP");
    d.chase.colours = {red, green, blue};
    ASSERT_TRUE(d.chase.saveRGBShortcut(path, QByteArray("BMthumb")));
    d.chase.colours = {blue};
    ASSERT_TRUE(d.chase.saveRGBShortcut(path, QByteArray("BMthumb")));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.size(), 32);
    EXPECT_TRUE(QFile::exists(RgbChase::thumbnailPath(path)));

    d.chase.colours = {red, green};
    d.chase.steps = 6;
    ASSERT_TRUE(d.chase.openRGBShortcut(path));
    EXPECT_EQ(d.chase.colours, std::vector<int32_t>{blue});

    QFile bad(d.ts.folder() + QStringLiteral("/RGB/Bad.YCP"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(32, '\0'));
    bad.close();
    EXPECT_FALSE(d.chase.openRGBShortcut(bad.fileName()));
    EXPECT_EQ(d.chase.colours, std::vector<int32_t>{blue});
    ASSERT_EQ(d.ts.prompts().messages.size(), 1u);
    EXPECT_TRUE(d.ts.prompts().messages[0].startsWith("openRGBShortcut:"));
}

TEST(RgbChase, ColourTablesOverAdditiveSubtractiveAndCellFixtures) {
    ColourDesk d;
    d.sel.selected = {1, 4, 5};
    d.chase.colours = {red, 0x406080};
    d.chase.steps = 4;
    d.chase.fixtureOffset = 5; // one group: every fixture advanced by one step
    d.chase.createRgbChase(1);
    // Steps hold colour 2, 1, 2, 1 after the first group's advance.
    EXPECT_EQ(d.column(1, 4), (V{0x80, 255, 0x80, 255}));
    EXPECT_EQ(d.column(2, 4), (V{0x60, 0, 0x60, 0}));
    EXPECT_EQ(d.column(3, 4), (V{0x40, 0, 0x40, 0}));
    EXPECT_EQ(d.column(13, 4), (V{255 - 0x80, 0, 255 - 0x80, 0}));
    EXPECT_EQ(d.column(14, 4), (V{255 - 0x60, 255, 255 - 0x60, 255}));
    EXPECT_EQ(d.column(15, 4), (V{255 - 0x40, 255, 255 - 0x40, 255}));
    // Cell 1 runs one position ahead of the plain colours.
    EXPECT_EQ(d.column(19, 4), (V{255, 0x80, 255, 0x80}));
    EXPECT_EQ(d.pb.steps[1], 4);
    EXPECT_TRUE(d.pb.calls.contains(QStringLiteral("play(1)")));
    EXPECT_TRUE(d.pb.calls.contains(QStringLiteral("SendMefadeTimeFromMain(1,1)")));
}

TEST(RgbChase, GroupsRotateByThePhaseOffset) {
    const struct {
        int P, F;
        std::vector<V> reds;
    } cases[] = {
        // Four colours A B C D on 8 steps (red levels 1..4).
        {2, 1, {{2, 3, 4, 1, 2, 3, 4, 1}, {4, 1, 2, 3, 4, 1, 2, 3}, {2, 3, 4, 1, 2, 3, 4, 1}}},
        {1, 2, {{2, 3, 4, 1, 2, 3, 4, 1}, {2, 3, 4, 1, 2, 3, 4, 1}, {3, 4, 1, 2, 3, 4, 1, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.P);
        ColourDesk d;
        d.sel.selected = {1, 2, 3};
        d.chase.colours = {1, 2, 3, 4};
        d.chase.steps = 8;
        d.chase.phaseOffset = c.P;
        d.chase.fixtureOffset = c.F;
        d.chase.createRgbChase(1);
        for (int f = 0; f < 3; ++f) EXPECT_EQ(d.column(1 + 4 * f, 8), c.reds[size_t(f)]) << "fixture " << f + 1;
    }
}

TEST(RgbChase, MoreColoursThanTwiceTheStepsAreWrittenAndNoStepsIsRefused) {
    ColourDesk d;
    d.sel.selected = {1};
    d.chase.colours = {1, 2, 3, 4, 5, 6, 7};
    d.chase.steps = 3;
    d.chase.fixtureOffset = 5;
    d.chase.createRgbChase(1);
    EXPECT_EQ(d.column(1, 3), (V{2, 3, 1}));
    EXPECT_TRUE(d.ts.prompts().messages.empty());

    d.pb.levels.clear();
    d.chase.steps = 0;
    d.chase.createRgbChase(1);
    EXPECT_TRUE(d.pb.levels.empty());
    ASSERT_EQ(d.ts.prompts().messages.size(), 1u);
    EXPECT_TRUE(d.ts.prompts().messages[0].startsWith(" Error in RGB CHase Create: "));
}

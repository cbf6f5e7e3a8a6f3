#include "patch/fixtureMove.h"
#include "patchTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(FixtureMove, AFixtureMovesWithItsSettingsAndItsSequenceData) {
    struct Case {
        int32_t from, to, universe;
    };
    // Within universe 1, and within universe 2 (channels counted per universe).
    for (const Case& c : {Case{1, 101, 1}, Case{513 + 10, 513 + 200, 2}}) {
        PatchRig rig;
        rig.patch(QStringLiteral("Spot"), spotTypes, c.from - 512 * (c.universe - 1), 1, c.universe - 1);
        ChannelModel& m = rig.m();
        m.channelInvert[size_t(c.from + 1)] = 1;
        m.channelHighLimits[size_t(c.from + 2)] = 200;
        ASSERT_EQ(fixtureMove::moveFixture(c.from, c.to), fixtureMove::Result::Moved);
        EXPECT_EQ(m.fixtureStartChannel[1], c.to);
        EXPECT_EQ(m.channelFixtureLabel[c.to], QStringLiteral("Spot 1"));
        EXPECT_EQ(m.channelType[c.to + 1], QStringLiteral("tilt"));
        EXPECT_TRUE(m.channelInvert[size_t(c.to + 1)]);
        EXPECT_EQ(m.channelHighLimits[size_t(c.to + 2)], 200);
        EXPECT_EQ(m.channelType[c.from], QStringLiteral("none"));
        EXPECT_FALSE(m.channelInvert[size_t(c.from + 1)]);
        EXPECT_EQ(m.fixturePanChannel[1], c.to);
        ASSERT_EQ(rig.shortcuts->moves.size(), 1u);
        const SequenceMove& mv = rig.shortcuts->moves[0];
        const int32_t base = 512 * (c.universe - 1);
        EXPECT_EQ(mv.oldStart, c.from - base);
        EXPECT_EQ(mv.newStart, c.to - base);
        EXPECT_EQ(mv.oldEnd, c.from - base + 3);
        EXPECT_EQ(mv.newEnd, c.to - base + 3);
        EXPECT_EQ(mv.universe, c.universe);
    }
}

TEST(FixtureMove, RefusedMovesChangeNothing) {
    struct Case {
        const char* what;
        int32_t from, to;
        fixtureMove::Result result;
    };
    const std::vector<Case> cases = {
        {"onto its own channels", 1, 3, fixtureMove::Result::Occupied},
        {"onto another fixture", 1, 20, fixtureMove::Result::Occupied},
        {"new block across universes", 1, 511, fixtureMove::Result::CrossesUniverse},
        {"old block across universes", 510, 600, fixtureMove::Result::CrossesUniverse},
        {"past the last channel", 1, 1022, fixtureMove::Result::OutOfRange},
        {"no fixture starts there", 2, 100, fixtureMove::Result::NoFixture},
    };
    for (const Case& c : cases) {
        PatchRig rig;
        rig.patch(QStringLiteral("Spot"), spotTypes, 1, 1);
        rig.patch(QStringLiteral("Spot"), spotTypes, 20, 1);
        // A fixture running from universe 1 into universe 2, unless the
        // target block needs that place.
        rig.patch(QStringLiteral("Spot"), spotTypes, c.to == 511 ? 900 : 510, 1);
        ChannelModel& m = rig.m();
        QStringList before;
        for (int ch = 1; ch <= m.totalChannels; ++ch) before << m.channelType[ch] + m.channelFixtureLabel[ch];
        EXPECT_EQ(fixtureMove::moveFixture(c.from, c.to), c.result) << c.what;
        QStringList after;
        for (int ch = 1; ch <= m.totalChannels; ++ch) after << m.channelType[ch] + m.channelFixtureLabel[ch];
        EXPECT_EQ(after, before) << c.what;
        EXPECT_TRUE(rig.shortcuts->moves.empty()) << c.what;
    }
}

} // namespace

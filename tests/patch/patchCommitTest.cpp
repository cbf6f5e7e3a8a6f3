#include "patch/fixtureRemoval.h"
#include "patch/patchCommit.h"
#include "patchTestSupport.h"

#include <gtest/gtest.h>

namespace {

QStringList labels(ChannelModel& m, int32_t first, int32_t last) {
    QStringList out;
    for (int32_t f = first; f <= last; ++f) out << m.fixtureName[f];
    return out;
}

TEST(PatchCommit, LabelsOfThreeNewFixturesFollowThoseAlreadyPatched) {
    struct Case {
        int earlier;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {0, {"Par 1", "Par 2", "Par 3"}},
        {4, {"Par 5 1", "Par 6 2", "Par 7 3"}},
    };
    for (const Case& c : cases) {
        PatchRig rig;
        if (c.earlier > 0) rig.patch(QStringLiteral("Par"), parTypes, 1, c.earlier);
        rig.t.prompts().answers = {msgBox::Yes, msgBox::No}; // update the profile; no groups
        const auto out = rig.patch(QStringLiteral("Par"), parTypes, 101, 3);
        EXPECT_EQ(out.added, 3);
        EXPECT_EQ(labels(rig.m(), c.earlier + 1, c.earlier + 3), c.expected) << c.earlier;
        // Each label sits on its fixture's first channel alone.
        EXPECT_EQ(rig.m().channelFixtureLabel[101], c.expected[0]);
        EXPECT_EQ(rig.m().channelFixtureLabel[102], QString());
        EXPECT_EQ(rig.m().channelFixtureLabel[105], c.expected[1]);
        EXPECT_EQ(rig.m().fixtureStartChannel[size_t(c.earlier + 3)], 109);
    }
}

TEST(PatchCommit, MoreFixturesOfAProfileEditedInPlaceReadItsRangesWhileItIsReplaced) {
    PatchRig rig;
    rig.patch(QStringLiteral("Spot"), spotTypes, 1, 1);
    ChannelModel& m = rig.m();
    const int slot = m.fixtureLightClass[1];
    ASSERT_GE(slot, 1);
    // The editor works on the patched profile itself; its shutter (channel 4)
    // has a strobe range.
    ClsFixture& patched = m.lightClass(slot);
    patched.setProperties(1, 5, QStringLiteral("Strobe"));
    patched.setFrom(1, 5, 64);
    patched.setToo(1, 5, 95);
    patchCommit::Request r = rig.request(QStringLiteral("Spot"), spotTypes, 11, 1);
    r.editor.edited = &patched;
    rig.t.prompts().answers = {msgBox::Yes, msgBox::No}; // update the profile; no groups
    const auto out = patchCommit::commit(r);
    ASSERT_EQ(out.added, 1);
    EXPECT_EQ(m.fixtureLightClass[2], slot);
    EXPECT_EQ(m.channelStrobeLow[14], 64);
    EXPECT_EQ(m.channelStrobeHigh[14], 95);
    EXPECT_EQ(m.lightClass(slot).properties(1, 5), QStringLiteral("Strobe"));
}

TEST(PatchCommit, NewLabelsNeverRepeatOneInUse) {
    PatchRig rig;
    rig.patch(QStringLiteral("Par"), parTypes, 1, 1);  // Par 1
    rig.patch(QStringLiteral("Par"), parTypes, 5, 1);  // Par 2 1
    rig.t.prompts().answers = {msgBox::Yes};
    ASSERT_TRUE(fixtureRemoval::removeFixtures({1})); // one Par left: the next would be "Par 2 1" again
    rig.patch(QStringLiteral("Par "), parTypes, 9, 1); // the name with a trailing blank is the same profile
    ChannelModel& m = rig.m();
    ASSERT_EQ(m.fixtureCount, 2);
    EXPECT_EQ(m.fixtureName[1], QStringLiteral("Par 2 1"));
    EXPECT_EQ(m.fixtureName[2], QStringLiteral("Par 3 1"));
    EXPECT_EQ(m.fixtureStartChannel[1], 5);
    EXPECT_EQ(m.fixtureStartChannel[2], 9);
}

TEST(PatchCommit, TakenChannelsRefuseTheCommitAndTheShowIsStillSaved) {
    PatchRig rig;
    rig.patch(QStringLiteral("Spot"), spotTypes, 1, 1);
    const int savesBefore = rig.show->saves;
    rig.t.prompts().messages.clear();
    const auto out = rig.patch(QStringLiteral("Par"), parTypes, 3, 2);
    EXPECT_TRUE(out.closed);
    EXPECT_EQ(out.added, 0);
    EXPECT_EQ(rig.t.prompts().messages.value(0),
              QStringLiteral("Not all channels are available, you will need to remove fixtures to load them with "
                             "current starting channel."));
    EXPECT_EQ(rig.t.prompts().messages.value(1),
              QStringLiteral("All channels needed are not available, please retry at different start channel."));
    EXPECT_EQ(rig.show->saves, savesBefore + 1);
    EXPECT_EQ(rig.m().fixtureCount, 1);
    EXPECT_EQ(rig.m().channelType[5], QStringLiteral("none"));
}

TEST(PatchCommit, ABlockPastTheLastChannelEndsBeforeAnythingChanges) {
    PatchRig rig(512);
    const auto out = rig.patch(QStringLiteral("Par"), parTypes, 510, 1);
    EXPECT_FALSE(out.closed);
    EXPECT_EQ(rig.t.prompts().messages.value(0),
              QStringLiteral("Not all channles are available at this time, try loading fewer fixtures or increasing "
                             "number of universes"));
    EXPECT_EQ(rig.show->saves, 0);
    EXPECT_EQ(rig.m().channelType[510], QStringLiteral("none"));
}

TEST(PatchCommit, ABlockEndingOnTheLastChannelFitsAndOnePastDoesNot) {
    struct Case { int32_t start; bool fits; };
    for (const Case& c : {Case{509, true}, Case{510, false}}) { // four channels: 509..512 and 510..513
        PatchRig rig(512);
        rig.patch(QStringLiteral("Par"), parTypes, c.start, 1);
        EXPECT_EQ(rig.m().fixtureCount, c.fits ? 1 : 0) << c.start;
        EXPECT_EQ(rig.m().channelType[512], c.fits ? QStringLiteral("blue") : QStringLiteral("none")) << c.start;
    }
}

TEST(PatchCommit, BadInputWritesNothingAndCountsNoFixture) {
    struct Case {
        const char* what;
        std::function<void(patchCommit::Request&)> spoil;
    };
    const std::vector<Case> cases = {
        {"count not a number", [](patchCommit::Request& r) { r.countText = QStringLiteral("abc"); }},
        {"empty start", [](patchCommit::Request& r) { r.startText.clear(); }},
        {"first row not channel 1", [](patchCommit::Request& r) { r.editor.rows[0].first = QStringLiteral("Ch 1"); }},
        {"third row out of order", [](patchCommit::Request& r) { r.editor.rows[2].first = QStringLiteral("Channel 9:"); }},
        {"fewer rows than channels", [](patchCommit::Request& r) { r.editor.rows.pop_back(); }},
    };
    for (const Case& c : cases) {
        PatchRig rig;
        patchCommit::Request r = rig.request(QStringLiteral("Par"), parTypes, 1, 2);
        c.spoil(r);
        const auto out = patchCommit::commit(r);
        ChannelModel& m = rig.m();
        EXPECT_FALSE(out.closed) << c.what;
        EXPECT_EQ(m.fixtureCount, 0) << c.what;
        EXPECT_TRUE(rig.t.prompts().messages.value(0).startsWith(
            QStringLiteral("Error Loading Fixtures, Please enter Amount of fixtures to load.")))
            << c.what;
        for (int ch = 1; ch <= 8; ++ch) EXPECT_EQ(m.channelType[ch], QStringLiteral("none")) << c.what;
        EXPECT_EQ(m.lightClassCount, 0) << c.what;
    }
}

TEST(PatchCommit, ChannelSettingsFollowTheOptionsAndPilotStepsAreResetShowWide) {
    PatchRig rig;
    rig.patch(QStringLiteral("Par"), parTypes, 1, 1);
    ChannelModel& m = rig.m();
    m.channelDmxPilotSteps[3] = 9;
    patchCommit::Request r = rig.request(QStringLiteral("Spot"), spotTypes, 101, 2);
    r.fadeMotion = true;
    r.invertTilt = true;
    r.dmxPilotAll = true;
    patchCommit::commit(r);
    EXPECT_EQ(m.channelType[101], QStringLiteral("pan"));
    EXPECT_TRUE(m.channelFades[101] && m.channelFades[102] && m.channelFades[105]);
    EXPECT_FALSE(m.channelInvert[101]);
    EXPECT_TRUE(m.channelInvert[102] && m.channelInvert[106]);
    EXPECT_TRUE(m.channelDmxPilotFlags[104]);
    EXPECT_EQ(m.channelHighLimits[104], 255);
    EXPECT_EQ(m.channelDmxPilotSteps[101], 1);
    EXPECT_EQ(m.channelDmxPilotSteps[102], 1);
    EXPECT_EQ(m.channelDmxPilotSteps[103], 5);
    EXPECT_EQ(m.channelDmxPilotSteps[3], 5);
    EXPECT_EQ(m.channelProfileName[108], QStringLiteral("Spot"));
    EXPECT_EQ(m.fixtureLightClass[3], 2);
    EXPECT_EQ(m.lightClassCount, 2);
}

TEST(PatchCommit, UpdateOnlyRetypesThePatchedChannelsAndAddsNoFixture) {
    PatchRig rig;
    rig.patch(QStringLiteral("Par"), parTypes, 1, 2);
    rig.t.prompts().answers = {msgBox::Yes};
    rig.t.prompts().messages.clear();
    QStringList changed = parTypes;
    changed[0] = QStringLiteral("intensity");
    const auto out = rig.patch(QStringLiteral("Par"), changed, 1, 0);
    ChannelModel& m = rig.m();
    EXPECT_TRUE(out.updated);
    EXPECT_TRUE(out.closed);
    EXPECT_EQ(m.fixtureCount, 2);
    EXPECT_EQ(m.channelType[1], QStringLiteral("intensity"));
    EXPECT_EQ(m.channelType[5], QStringLiteral("intensity"));
    EXPECT_TRUE(rig.t.prompts().messages.contains(QStringLiteral("Par Profile was updated ")));
}

} // namespace

// The page submaster strips: their layout for the groups of a page, GO with
// and without a crossfade time, the bump and the manual cross-fader.

#include "mastersFixture.h"

#include "masters/stripLayout.h"

using stripLayout::Rect;

namespace {

class Strips : public RecordedMastersTest {};

} // namespace

TEST(StripLayout, stripsStandOneFaderPitchApartAndFitTheWindowHeight) {
    for (int count : {1, 3, 10}) {
        stripLayout::Strips s = stripLayout::fresh();
        for (int k = 1; k <= count; ++k) stripLayout::layoutStrip(s, k, 3600);
        for (int k = 1; k <= count; ++k) {
            const auto& g = s[size_t(k)];
            // 945 fader + 70 + 420 picture + 20 + 825 cross-fader + 200 gap.
            EXPECT_EQ(g.fader.left, 1260 + 2480 * (k - 1)) << count << " " << k;
            EXPECT_EQ(g.go.left, k == 1 ? 1245 : g.fader.left - 30);
            EXPECT_EQ(g.previous.left, g.go.left);
            EXPECT_EQ(g.next.left, k == 1 ? 1755 : g.previous.left + 480);
            EXPECT_EQ(g.groupName, (Rect{g.fader.left + 1015, 20, 420, 3560}));
            EXPECT_EQ(g.sequence, (Rect{g.groupName.left + 440, 20, 825, 300}));
            EXPECT_EQ(g.current, (Rect{g.sequence.left, 3600 - 375 - 20, 825, 375}));
            EXPECT_EQ(g.fader.height, 3600 - (720 + 690) - 100);
            EXPECT_EQ(g.fader.top, 1455);
            EXPECT_EQ(g.go.top, 720);
        }
        for (int k = count + 1; k <= stripLayout::maxStrips; ++k)
            EXPECT_EQ(s[size_t(k)], stripLayout::designTemplate()) << "strip " << k << " untouched";
    }
}

TEST(StripLayout, crossFaderHeightComesFromTheBoxesBeforeTheyMove) {
    stripLayout::Strips s = stripLayout::fresh();
    stripLayout::layoutStrip(s, 1, 3600);
    // First layout: from the template's boxes (sequence 45 + 300, current at 3000).
    EXPECT_EQ(s[1].crossFader.top, 345);
    EXPECT_EQ(s[1].crossFader.height, 3000 - 345 + 40);
    stripLayout::layoutStrip(s, 1, 3600);
    // Later layouts: from where the previous layout put them.
    EXPECT_EQ(s[1].crossFader.top, 320);
    EXPECT_EQ(s[1].crossFader.height, 3205 - 320 + 40);
}

TEST_F(Strips, pagesGroupsFillAndEmptyTheStrips) {
    loadGroups(3);
    EXPECT_EQ(m.pageSubmasterCount(), 3);
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(m.submasters.strip(k).visible) << k;
    EXPECT_FALSE(m.submasters.strip(4).visible);
    for (int k = 1; k <= 3; ++k) m.unloadNewSubmaster(k);
    m.setPageSubmasterCount(0);
    m.showAllSubmasters();
    for (int k = 1; k <= 3; ++k) EXPECT_FALSE(m.submasters.strip(k).visible) << k;
}

TEST_F(Strips, crossfadeTimeStaysApartFromAGroupNameWithAComma) {
    m.loadNewSubmaster(1, 0xFF, QStringLiteral("Front, warm"));
    m.showAllSubmasters();
    EXPECT_EQ(m.submasters.strip(1).secondCaption, QStringLiteral("Xtime"));
    m.updateCrossFadeTime(1, 2.5f);
    EXPECT_EQ(m.submasters.strip(1).groupName, QStringLiteral("Front, warm"));
    EXPECT_EQ(m.submasters.strip(1).secondCaption, QStringLiteral("02.50"));
    m.setGroupsCurrrentSequence(1, QStringLiteral("A"));
    m.updateNextSequence(1, QStringLiteral("B"));
    m.pressStripGo(1);
    EXPECT_TRUE(pages.calls.contains(QStringLiteral("go 1 1 2.5 0")));
}

TEST_F(Strips, goWithATimeGivesTheOutgoingPlaybackFadeFromCurrentTimes) {
    loadGroups(1);
    m.setGroupsCurrrentSequence(1, QStringLiteral("A"));
    m.updateNextSequence(1, QStringLiteral("B"));
    playback.loaded[QStringLiteral("\\Page1\\A.YSQ")] = 3;
    m.updateCrossFadeTime(1, 2.5f);
    m.pressStripGo(1);
    EXPECT_EQ(playback.calls, (QStringList{QStringLiteral("fadeIn 3 1"), QStringLiteral("times 2.5 2.5 3")}));
    EXPECT_EQ(pages.calls.filter(QStringLiteral("go ")), QStringList{QStringLiteral("go 1 1 2.5 0")});
    EXPECT_EQ(m.submasters.strip(1).current, QStringLiteral("B"));
    EXPECT_EQ(m.submasters.strip(1).crossFaderTag, QStringLiteral("A"));
}

TEST_F(Strips, repeatedGoWalksTheGroupAndWraps) {
    loadGroups(1);
    pages.buttons = QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    m.updateNextSequence(1, QStringLiteral("A"));
    QStringList started;
    for (int i = 0; i < 4; ++i) {
        m.pressStripGo(1);
        started << m.submasters.strip(1).current;
    }
    EXPECT_EQ(started, (QStringList{"A", "B", "C", "A"}));
    EXPECT_TRUE(playback.calls.isEmpty()); // time 0: no fade-from-current times
    EXPECT_EQ(pages.calls.filter(QStringLiteral("go 1 0 0 0")).size(), 4);
}

TEST_F(Strips, bumpHoldsFullAndReturns) {
    loadGroups(1);
    m.setGroupSubmaster(1, 40);
    m.bumpStrip(1, true);
    EXPECT_EQ(m.submasters.strip(1).groupFader, 100);
    m.bumpStrip(1, false);
    EXPECT_EQ(m.submasters.strip(1).groupFader, 40);
}

TEST_F(Strips, grabbingTheCrossFaderOnEqualNamesStartsNothingButReleaseCompletes) {
    loadGroups(1);
    m.setGroupsCurrrentSequence(1, QStringLiteral("A"));
    m.updateNextSequence(1, QStringLiteral("A"));
    m.submasters.strip(1).crossFaderTag = QStringLiteral("Z");
    m.submasters.crossFader_MouseDown(1);
    m.submasters.crossFader_Scroll(1, 50);
    m.submasters.crossFader_MouseUp(1);
    EXPECT_TRUE(pages.calls.filter(QStringLiteral("go ")).isEmpty());
    EXPECT_EQ(playback.calls, (QStringList{"cross 0.5 A", "cross 0.5 Z", "cross 1 A", "cross 1 Z", "live 0 A",
                                           "live 0 Z"}));
    EXPECT_EQ(m.submasters.strip(1).crossFader, 0);
}

TEST(PageSubmasters, TheCrossfadeCaptionCarriesRoundedHundredthsIntoTheSeconds) {
    struct Case { float time; const char* caption; };
    for (const Case& c : {Case{2.999f, "03.00"}, Case{2.994f, "02.99"}, Case{0.0f, "00.00"}, Case{9.996f, "10.00"},
                          Case{12.5f, "12.50"}})
        EXPECT_EQ(PageSubmasters::timeCaption(c.time), QString::fromLatin1(c.caption)) << c.time;
}

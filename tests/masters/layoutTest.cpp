// The top bar and the playback faders window as the operator sees them:
// nothing overlaps and no caption is cut, at a small and a large font.

#include "mastersFixture.h"

#include "masters/ui/MasterFader.h"
#include "masters/ui/Submaster.h"
#include "masters/ui/frmTop.h"
#include "masters/ui/mastersConsole.h"
#include "shell/ui/windowRegistry.h"
#include "support/layoutCheck.h"

#include <QApplication>

namespace {

class MastersLayout : public ::testing::Test {
protected:
    TestShell t;
    MastersEngine& m = [] () -> MastersEngine& {
        registerMasters(shell());
        return mastersEngine();
    }();
};

} // namespace

TEST_F(MastersLayout, topBarKeepsItsCaptionsWhole) {
    shell().state.viewNames[1] = QStringLiteral("Stage");
    m.showTopBar();
    frmTop& top = *loadedForm<frmTop>();
    m.cmdPlaybackMode_Click();
    for (int points : {9, 14})
        EXPECT_EQ(layoutCheck::problemsAtFontSize(top, points).join(QLatin1Char('\n')).toStdString(), "")
            << "playback mode at " << points << " pt";
    m.cmdProgramingMode_Click();
    for (int points : {9, 14})
        EXPECT_EQ(layoutCheck::problemsAtFontSize(top, points).join(QLatin1Char('\n')).toStdString(), "")
            << "programming mode at " << points << " pt";
}

TEST(PlaybackFaderStrips, standOneStepApartInTheOrderTheyCame) {
    struct Case {
        std::vector<int32_t> created;
        std::vector<int32_t> lefts; // twips, in the order created
    };
    const std::vector<Case> cases{
        {{1, 2, 3}, {0, 750, 1500}},
        {{3, 5}, {750, 1500}},
        // Strip 1 after others takes the next place instead of the last one's.
        {{2, 1}, {750, 1500}},
        // A strip that exists stays where it is.
        {{1, 2, 1}, {0, 750, 0}},
    };
    for (const Case& c : cases) {
        TestShell t;
        MastersEngine& e = shell().provide<MastersService>(std::make_unique<MastersEngine>());
        for (int32_t n : c.created) e.loadAnotherFader(n, QStringLiteral("P"), QString::number(n));
        std::vector<int32_t> lefts;
        for (int32_t n : c.created) lefts.push_back(e.playbackFaders.at(n).left);
        EXPECT_EQ(lefts, c.lefts) << c.created.size();
    }
}

TEST_F(MastersLayout, playbackFaderStripsKeepTheirControlsApart) {
    for (int32_t n = 1; n <= 3; ++n) m.loadAnotherFader(n, QStringLiteral("Chase %1").arg(n), QString::number(n));
    m.showPlaybackFaders();
    Submaster& w = *loadedForm<Submaster>();
    for (int points : {9, 14})
        EXPECT_EQ(layoutCheck::problemsAtFontSize(w, points).join(QLatin1Char('\n')).toStdString(), "")
            << points << " pt";
}

TEST_F(MastersLayout, masterFadeOutWindowKeepsItsCaptionsWhole) {
    m.showMasterFadeOut();
    MasterFader& w = *loadedForm<MasterFader>();
    for (int points : {9, 14})
        EXPECT_EQ(layoutCheck::problemsAtFontSize(w, points).join(QLatin1Char('\n')).toStdString(), "")
            << points << " pt";
}

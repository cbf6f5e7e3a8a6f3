#include "playback/shortcutPanel.h"

#include "playback/playbackEngine.h"
#include "playback/playbackFrame.h"
#include "playback/sequenceFileIo.h"
#include "playback/ui/frmPlayBackControl.h"
#include "playback/ui/frmPlayBackManager.h"
#include "playbackTestSupport.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace playbackTest;

namespace {

// Saves a one-step sequence for playback `number` as Sequences\Club\<name>.
void saveFor(int number, const QString& name, bool perStepTimes = true, bool motionFade = true) {
    PlaybackEngine e;
    program(e, number, 1);
    e.state.stepCount = 1;
    own(e, 1, 1, 100 + number);
    e.state.useSequenceFadeTime = perStepTimes;
    e.state.useMotionfade = motionFade;
    ASSERT_TRUE(sequenceFileIo::saveSequence(e, true, number, "1", -1, name));
    for (int c = 1; c <= shell().state.totalChannels; ++c) shell().state.channelOwner[size_t(c)] = 0;
}

class ShortcutPanel : public ::testing::Test {
protected:
    TestShell t;
    void SetUp() override {
        makeShow(1);
        shell().state.showFileName = QStringLiteral("C:\\Shows\\Club.YLC");
        shell().state.masterShortcutFiles = QStringList(513, QString());
    }
};

} // namespace

TEST(ShortcutPanelPlaces, tenButtonsFillARowOfEightAndStartASecond) {
    const auto places = shortcutPanel::buttonPlaces(10);
    ASSERT_EQ(places.size(), 10u);
    for (int k = 0; k < 8; ++k) {
        EXPECT_DOUBLE_EQ(places[size_t(k)].left, 75 + 900 * k);
        EXPECT_DOUBLE_EQ(places[size_t(k)].top, 60);
    }
    EXPECT_DOUBLE_EQ(places[8].left, 75);
    EXPECT_DOUBLE_EQ(places[8].top, 776.25);
    EXPECT_DOUBLE_EQ(places[9].left, 975);
    EXPECT_DOUBLE_EQ(places[9].top, 776.25);
}

TEST_F(ShortcutPanel, listsTheSequencesOfItsPlaybackOnly) {
    saveFor(3, "Three");
    saveFor(2, "Two");
    saveFor(3, "Master");
    shell().state.masterShortcutFiles[1] = "Club\\Two.YSQ";   // slot 1 is never shown
    shell().state.masterShortcutFiles[4] = "Club\\Master.YSQ";
    QFile::copy(shell().programPath("Sequences\\Club\\Three.YSQ"), QDir(shell().programPath("Sequences\\Club")).filePath("lower.ysq"));
    EXPECT_EQ(shortcutPanel::panelEntries(3), QStringList({"Club\\Master.YSQ", "Club\\Three.YSQ"}));
    EXPECT_TRUE(shortcutPanel::panelEntries(2).isEmpty()) << "a sequence in MASTER slot 1 is on no panel";
    shell().state.masterShortcutFiles[1].clear();
    EXPECT_EQ(shortcutPanel::panelEntries(2), QStringList({"Club\\Two.YSQ"}));
    EXPECT_EQ(shortcutPanel::checkPlaybackNumber(QDir(shell().programPath("Sequences\\Club")).filePath("lower.ysq")), 0);
    EXPECT_EQ(shortcutPanel::checkPlaybackNumber(shell().programPath("Sequences\\Club\\Nothing.YSQ")), 0);
}

TEST_F(ShortcutPanel, aPressMakesThePlaybackFirstThenGivesItTheFilesFlags) {
    saveFor(5, "Five", false, false);
    PlaybackFrame& frame = playbackFrame();
    ASSERT_EQ(frame.playback(5), nullptr);
    ASSERT_TRUE(shortcutPanel::loadShortcutSequence("Club\\Five.YSQ"));
    PlaybackEngine* five = frame.playback(5);
    ASSERT_NE(five, nullptr);
    EXPECT_FALSE(five->state.useSequenceFadeTime);
    EXPECT_FALSE(five->state.useMotionfade);
    EXPECT_EQ(five->state.stepCount, 1);
    EXPECT_EQ(shell().state.currentPlayback, 5);
}

TEST_F(ShortcutPanel, theWindowsPanelShowsItsButtonsAndAReleaseLoads) {
    saveFor(2, "Intro");
    saveFor(2, "Finale");
    form<frmPlayBackManager>().show();
    playbackFrame().clkAddPlaybackControl(2, false, true, false);
    frmPlayBackControl* w = form<frmPlayBackManager>().playbackWindow(2);
    w->clkShowShortcuts->trigger();
    ASSERT_EQ(w->cmdShortcut.size(), 2u);
    EXPECT_EQ(w->cmdShortcut[0]->text(), QString("Finale"));
    EXPECT_EQ(w->cmdShortcut[1]->toolTip(), QString("Club\\Intro.YSQ"));
    EXPECT_EQ(w->cmdShortcut[1]->x(), 975 / 15);
    EXPECT_FALSE(w->checkForShortcut("Club\\Other.YSQ", true));
    EXPECT_TRUE(w->checkForShortcut("Club\\Intro.YSQ", true));
    EXPECT_EQ(w->engine().state.theSequenceFilename, shell().programPath("Sequences\\Club\\Intro.YSQ"));
}

TEST_F(ShortcutPanel, renameKeepsTheFolderRefusesAnExistingNameAndTakesThePresetEvents) {
    saveFor(3, "Intro");
    saveFor(3, "Finale");
    const QString folder = shell().programPath("Sequences\\Club");
    QFile events(QDir(folder).filePath("Intro.UQF"));
    ASSERT_TRUE(events.open(QIODevice::WriteOnly));
    events.close();
    struct Case { const char* typed; bool renamed; const char* file; };
    const Case cases[] = {
        {"Finale", false, nullptr},           // exists
        {"..", false, nullptr},
        {"..\\..\\Out", true, "..]..]Out.YSQ"}, // no way out of the folder
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shortcutPanel::renameSequenceFile("Club\\Intro.YSQ", c.typed), c.renamed) << c.typed;
        if (c.file) {
            EXPECT_TRUE(QFile::exists(QDir(folder).filePath(c.file))) << c.typed;
        }
    }
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath("Intro.YSQ")));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath("..]..]Out.UQF")));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath("Finale.YSQ")));
}

#include "playback/sequenceFileIo.h"

#include "playback/playbackEngine.h"
#include "playback/sequenceFile.h"
#include "fakeServices.h"
#include "playbackTestSupport.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace playbackTest;

namespace {

class SequenceFileIo : public ::testing::Test {
protected:
    void SetUp() override {
        makeShow(1);
        shell().state.showFileName = QStringLiteral("C:\\Shows\\Club.YLC");
        fake<ShortcutsService, FakeShortcuts>();
    }
    // Playback 3, three steps: channels 1 and 2 owned, channel 3 held in
    // the window but owned by nobody.
    void programThree(PlaybackEngine& e) {
        program(e, 3, 3);
        for (int j = 1; j <= 3; ++j) {
            own(e, 1, j, 10 * j);
            own(e, 2, j, 255);
            e.state.stepValues(3, j) = 77;
            times(e, j, 1.0f + float(j), 2.0f, 0.5f, 0.25f, 4.0f);
            e.state.sceneNames[j] = QStringLiteral("Look %1").arg(j);
            e.state.sceneFadeTimes[size_t(j)] = j == 2 ? 0.0f : 1.5f;
        }
        e.state.nextScenes[2] = 1;
        e.state.stepStops[3] = 1;
        e.state.stepCommands[1] = QStringLiteral("1,Intro");
        e.state.fadeFromCurrentScene = true;
        e.state.fadeFromCurrentFadeUpTime = 1.25f;
        e.state.fadeFromCurrentFadeDownTime = 2.5f;
    }
    QString path(const QString& name) const { return QDir(shell().programFolder()).filePath(name); }
    TestShell t;
};

} // namespace

TEST_F(SequenceFileIo, saveWritesOnlyOwnedChannelsAndTheTriggerInTheLastMask) {
    PlaybackEngine e;
    programThree(e);
    shell().state.sequenceChanged = true;
    ASSERT_TRUE(sequenceFileIo::saveSequence(e, true, 3, "0", 0, "three"));
    // The name is no existing file, so it went into the page folder.
    const QString saved = e.state.theSequenceFilename;
    EXPECT_EQ(saved, path("Sequences/Club/Page 1/three.YSQ"));
    const QByteArray f = readAll(saved);
    ASSERT_EQ(f.size(), 4864);
    EXPECT_FALSE(shell().state.sequenceChanged);
    EXPECT_EQ(uint8_t(f[rec(2) + 0]), 20);
    EXPECT_EQ(uint8_t(f[rec(2) + 1]), 255);
    EXPECT_EQ(uint8_t(f[rec(2) + 2]), 0); // held in the window, not owned
    EXPECT_EQ(f.mid(rec(1) + 578, 30), QByteArray(" 3").leftJustified(30, ' '));
    EXPECT_EQ(f.mid(rec(1) + 518, 50), QByteArray("Look 1").leftJustified(50, ' '));
    EXPECT_EQ(f.mid(rec(4), 3), QByteArray("\xff\xff\x00", 3));
    EXPECT_EQ(f.mid(rec(4) + 578, 30), QByteArray("0").leftJustified(30, ' '));
    EXPECT_EQ(f.mid(rec(4) + 518, 50), QByteArray("2.5").leftJustified(50, ' '));
    EXPECT_EQ(i16At(f, rec(4) + 570), -1);
    EXPECT_EQ(f32At(f, rec(5) + 0), 2.0f);
    EXPECT_EQ(i32At(f, rec(6) + 24), 1);
    EXPECT_EQ(i16At(f, rec(7) + 34), -1);
    EXPECT_EQ(f.mid(rec(5) + 96, 7), QByteArray("1,Intro"));
    // The save set the playback's trigger mode from autoPlay.
    EXPECT_EQ(e.getTriggerType(), 3);
}

TEST_F(SequenceFileIo, saveModesFreeTheChannelsTheyLeaveOut) {
    struct Case { int32_t mode; bool panKept; bool dimmerKept; };
    for (Case c : {Case{0, true, true}, Case{1, true, false}, Case{2, false, true}}) {
        makeShow(1);
        ChannelModel& m = shell().state;
        m.channelType[1] = QStringLiteral("pan");
        m.channelType[2] = QStringLiteral("Pan"); // case counts: not pan
        m.channelType[3] = QStringLiteral("tilt fine");
        PlaybackEngine e;
        program(e, 2, 1);
        for (int ch = 1; ch <= 3; ++ch) own(e, ch, 1, 100 + ch);
        const QString name = QStringLiteral("mode%1").arg(c.mode);
        ASSERT_TRUE(sequenceFileIo::saveSequence(e, true, 2, "1", c.mode, name));
        const QByteArray f = readAll(e.state.theSequenceFilename);
        EXPECT_EQ(uint8_t(f[rec(1) + 0]), c.panKept ? 101 : 0) << c.mode;
        EXPECT_EQ(uint8_t(f[rec(1) + 1]), c.dimmerKept ? 102 : 0) << c.mode;
        EXPECT_EQ(uint8_t(f[rec(1) + 2]), c.panKept ? 103 : 0) << c.mode;
        EXPECT_EQ(uint8_t(f[rec(2) + 0]), c.panKept ? 255 : 0) << c.mode;
        EXPECT_EQ(uint8_t(f[rec(2) + 1]), c.dimmerKept ? 255 : 0) << c.mode;
        EXPECT_EQ(m.channelOwner[1], c.panKept ? 2 : 0) << c.mode;
        EXPECT_EQ(m.channelOwner[2], c.dimmerKept ? 2 : 0) << c.mode;
    }
}

TEST_F(SequenceFileIo, aCopyWithSaveModeMinusOneKeepsThePlaybacksOwnFile) {
    PlaybackEngine e;
    programThree(e);
    e.state.theSequenceFilename = QStringLiteral("/somewhere/own.YSQ");
    ASSERT_TRUE(sequenceFileIo::saveSequence(e, true, 0, "1", -1, "Copy"));
    EXPECT_EQ(e.state.theSequenceFilename, QString("/somewhere/own.YSQ"));
    const QString copy = QDir(sequenceFileIo::showFolder()).filePath("Copy.YSQ");
    EXPECT_EQ(readAll(copy).size(), 4864);
    EXPECT_EQ(readAll(copy).mid(rec(1) + 578, 30), QByteArray("0").leftJustified(30, ' '));
}

TEST_F(SequenceFileIo, aFailedWriteKeepsTheChangedFlagAndSaysSo) {
    PlaybackEngine e;
    programThree(e);
    shell().state.sequenceChanged = true;
    t.prompts().files.push_back(path("no such folder/x.YSQ"));
    EXPECT_FALSE(sequenceFileIo::saveSequence(e, false, 3, "1", 0, QString()));
    EXPECT_TRUE(shell().state.sequenceChanged);
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith("Sequence Not Recognized ")) << t.prompts().messages[0].toStdString();
    // The dialog was prepared as the operator knows it.
    ASSERT_EQ(t.prompts().fileRequests.size(), 1u);
    EXPECT_EQ(t.prompts().fileRequests[0].title, QString("Save Sequence File"));
}

// Save modes 1 and 2 give up the channels they leave out only once the file
// is written.
TEST_F(SequenceFileIo, aFailedSaveModeSaveKeepsTheChannels) {
    PlaybackEngine e;
    programThree(e); // channels 1 and 2 are dimmers: save mode 1 leaves them out
    t.prompts().files.push_back(path("no such folder/x.YSQ"));
    EXPECT_FALSE(sequenceFileIo::saveSequence(e, false, 3, "1", 1, QString()));
    EXPECT_EQ(shell().state.channelOwner[1], 3);
    EXPECT_EQ(shell().state.channelOwner[2], 3);
}

TEST_F(SequenceFileIo, replacingAnExistingFileAsksFirst) {
    PlaybackEngine e;
    programThree(e);
    const QString file = path("existing.YSQ");
    ASSERT_TRUE(safeFile::writeWhole(file, "old"));
    t.prompts().answers.push_back(msgBox::No);
    EXPECT_FALSE(sequenceFileIo::saveSequence(e, true, 3, "1", 0, file));
    EXPECT_EQ(readAll(file), QByteArray("old"));
    EXPECT_EQ(t.prompts().messages.value(0),
              QString("Button Name Already Exists, would you like to replace the current Button Sequence"));
    const bool& placed = static_cast<FakeShortcuts&>(shell().shortcuts()).placed;
    t.prompts().answers.push_back(msgBox::Yes);
    EXPECT_TRUE(sequenceFileIo::saveSequence(e, true, 3, "1", 0, file));
    EXPECT_EQ(readAll(file).size(), 4864);
    EXPECT_FALSE(placed); // a replacement keeps its button
}

TEST_F(SequenceFileIo, loadGivesBackWhatWasSaved) {
    PlaybackEngine a;
    programThree(a);
    ASSERT_TRUE(sequenceFileIo::saveSequence(a, true, 3, "0", 0, "round"));
    const QString saved = a.state.theSequenceFilename;
    std::fill(shell().state.channelOwner.begin(), shell().state.channelOwner.end(), 0);

    PlaybackEngine b;
    b.setMyPlayBackNumber(5);
    ASSERT_TRUE(sequenceFileIo::loadSeqenceIntoMemory(b, saved, 0));
    const PlaybackState& s = b.state;
    EXPECT_EQ(s.stepCount, 3);
    EXPECT_EQ(s.sequenceUniverses, 1);
    EXPECT_EQ(s.theSequenceFilename, saved);
    EXPECT_EQ(shell().state.currentPlayback, 5);
    EXPECT_EQ(s.stepValues(1, 2), 20);
    EXPECT_EQ(s.stepValues(2, 3), 255);
    EXPECT_EQ(s.stepValues(3, 1), 0);
    EXPECT_EQ(shell().state.channelOwner[1], 5);
    EXPECT_EQ(shell().state.channelOwner[3], 0);
    EXPECT_EQ(s.sceneNames[1], QString("Look 1").leftJustified(50, ' '));
    EXPECT_EQ(s.sceneFadeTimes[1], 1.5f);
    EXPECT_EQ(s.sceneFadeTimes[2], 0.5f); // saved as 0
    EXPECT_EQ(s.fadeUpTimes[2], 3.0f);
    EXPECT_EQ(s.sequenceFadeUpTimes[2], 3.0f);
    EXPECT_EQ(s.delayDownTimes[1], 0.25f);
    EXPECT_EQ(s.followTimes[3], 4.0f);
    EXPECT_EQ(s.nextScenes[2], 1);
    EXPECT_EQ(s.stepStops[3], 1);
    EXPECT_EQ(s.stepCommands[1], QString("1,Intro"));
    EXPECT_TRUE(s.fadeFromCurrentScene);
    EXPECT_EQ(s.fadeFromCurrentFadeUpTime, 1.25f);
    EXPECT_EQ(s.fadeFromCurrentFadeDownTime, 2.5f);
    EXPECT_EQ(s.fadeUpTimes[0], 1.25f);
    EXPECT_EQ(b.getTriggerType(), 3); // stored "0": Play Trigger
    EXPECT_EQ(s.currentStep, 0);
}

TEST_F(SequenceFileIo, badFilesAreRefusedAndLeaveThePlaybackAsItWas) {
    PlaybackEngine e;
    programThree(e);
    e.state.theSequenceFilename = QStringLiteral("before.YSQ");
    const QString good = path("good.YSQ");
    sequenceFileIo::saveSequence(e, true, 3, "1", 0, good);
    e.state.theSequenceFilename = QStringLiteral("before.YSQ");
    QByteArray twoUniverses = sequenceFile::encode(sequenceFile::SequenceFileData::sized(2, 3));

    struct Case { const char* file; QByteArray bytes; const char* message; };
    const Case cases[] = {
        {"short.YSQ", QByteArray(1000, '\1'), "Sequence Not Recognized "},
        {"negative.YSQ", [] { QByteArray b = sequenceFile::encode(sequenceFile::SequenceFileData::sized(1, 3));
                              b[516] = char(0xff); b[517] = char(0xff); return b; }(), "Sequence Not Recognized "},
        {"wide.YSQ", twoUniverses, "This Sequence cannot be played back. Please add 1 Universes"},
    };
    shell().state.channelOwner[1] = 3;
    for (const Case& c : cases) {
        t.prompts().messages.clear();
        ASSERT_TRUE(safeFile::writeWhole(path(c.file), c.bytes));
        EXPECT_FALSE(sequenceFileIo::loadSeqenceIntoMemory(e, path(c.file), 0)) << c.file;
        ASSERT_EQ(t.prompts().messages.size(), 1) << c.file;
        EXPECT_TRUE(t.prompts().messages[0].startsWith(c.message)) << t.prompts().messages[0].toStdString();
        EXPECT_EQ(e.state.stepCount, 3) << c.file;
        EXPECT_EQ(e.state.stepValues(1, 2), 20) << c.file;
        EXPECT_EQ(e.state.theSequenceFilename, QString("before.YSQ")) << c.file;
        EXPECT_EQ(shell().state.channelOwner[1], 3) << c.file;
    }
    t.prompts().messages.clear();
    EXPECT_FALSE(sequenceFileIo::loadSeqenceIntoMemory(e, path("gone.YSQ"), 0));
    EXPECT_EQ(t.prompts().messages.value(0), " The sequence button file named " + path("gone.YSQ") +
                                                  " has been renamed, deleted, or moved. Please redo Multi Button to fix this issue.");
}

TEST_F(SequenceFileIo, aFileLongerThanAnySequenceOfTheShowIsRefusedUnread) {
    // Surplus records after the trailer are ignored, up to the longest file
    // a sequence of the show's universes can be; beyond that the file is not
    // read at all (reading it whole would take any amount of memory).
    PlaybackEngine e;
    const int64_t limit = sequenceFile::largestFileBytes(1);
    struct Case { int64_t size; bool loads; };
    for (const Case c : {Case{limit, true}, Case{limit + sequenceFile::recordSize, false}}) {
        t.prompts().messages.clear();
        const QString file = path(QStringLiteral("long%1.YSQ").arg(c.size));
        ASSERT_TRUE(safeFile::writeWhole(file, sequenceFile::encode(sequenceFile::SequenceFileData::sized(1, 2))));
        QFile grow(file);
        ASSERT_TRUE(grow.resize(c.size));
        EXPECT_EQ(sequenceFileIo::loadSeqenceIntoMemory(e, file, 0), c.loads) << c.size;
        EXPECT_EQ(e.state.stepCount, c.loads ? 2 : 0) << c.size;
        if (!c.loads) {
            ASSERT_EQ(t.prompts().messages.size(), 1);
            EXPECT_TRUE(t.prompts().messages[0].startsWith("Sequence Not Recognized the file is " +
                                                           QString::number(c.size) + " bytes long"))
                << t.prompts().messages[0].toStdString();
        }
        e.state.stepCount = 0;
    }
}

TEST_F(SequenceFileIo, aFileWithFewerUniversesLeavesTheOtherUniversesAlone) {
    makeShow(2);
    PlaybackEngine e;
    program(e, 4, 2);
    own(e, 600, 1, 99);
    sequenceFile::SequenceFileData d = sequenceFile::SequenceFileData::sized(1, 2);
    d.levels[0][4] = char(40);
    d.masks[0].bytes[4] = char(255);
    d.masks[0].triggerText = QStringLiteral(" TRUE ");
    ASSERT_TRUE(safeFile::writeWhole(path("one.YSQ"), sequenceFile::encode(d)));
    ASSERT_TRUE(sequenceFileIo::loadSeqenceIntoMemory(e, path("one.YSQ"), 0));
    EXPECT_EQ(e.state.stepValues(5, 1), 40);
    EXPECT_EQ(e.state.stepValues(600, 1), 99);
    EXPECT_EQ(e.getTriggerType(), 1);
}

TEST_F(SequenceFileIo, loadingClaimsByPriority) {
    // Playback 1 owns channel 1 at the priority in the row; playback 2 (priority
    // 5) loads a file with a level on channel 1 and a mask byte for it.
    sequenceFile::SequenceFileData d = sequenceFile::SequenceFileData::sized(1, 1);
    d.levels[0][0] = char(200);
    d.masks[0].bytes[0] = char(255);
    ASSERT_TRUE(safeFile::writeWhole(path("claim.YSQ"), sequenceFile::encode(d)));
    struct Case { int32_t ownerPriority; bool held; int16_t owner; int32_t stored; };
    // A held channel is refused per step but taken by its mask.
    for (Case c : {Case{5, false, 2, 200}, Case{7, false, 1, 0}, Case{3, true, 2, 0}}) {
        makeShow(1);
        PlaybackEngine first, second;
        program(first, 1, 1);
        first.setPriority(c.ownerPriority);
        own(first, 1, 1, 50);
        fake<PlaybackService, FakeFrame>().priorities = {{1, c.ownerPriority}, {2, 5}};
        shell().state.channelHold[1] = c.held ? 1 : 0;
        second.setMyPlayBackNumber(2);
        ASSERT_TRUE(sequenceFileIo::loadSeqenceIntoMemory(second, path("claim.YSQ"), 0));
        EXPECT_EQ(shell().state.channelOwner[1], c.owner) << c.ownerPriority;
        EXPECT_EQ(second.state.stepValues(1, 1), c.stored) << c.ownerPriority;
        shell().provide<PlaybackService>(std::make_unique<PlaybackService>());
    }
}

TEST_F(SequenceFileIo, saveUseSequenceFadetimeRewritesScenesOrSavesWhole) {
    PlaybackEngine e;
    programThree(e);
    ASSERT_TRUE(sequenceFileIo::saveSequence(e, true, 0, "1", 0, "inplace"));
    const QString file = e.state.theSequenceFilename;
    const QByteArray before = readAll(file);
    // Same shape: levels change, timing records stay as they were in the file.
    e.state.stepValues(1, 1) = 11;
    e.state.fadeUpTimes[1] = 9.0f;
    ASSERT_TRUE(sequenceFileIo::saveUseSequenceFadetime(e));
    QByteArray after = readAll(file);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(uint8_t(after[rec(1)]), 11);
    EXPECT_EQ(after.mid(rec(1) + 578, 30), QByteArray(" 3").leftJustified(30, ' '));
    EXPECT_EQ(after.mid(rec(5)), before.mid(rec(5)));
    // A different step count: the whole sequence is written again.
    int32_t four = 4;
    e.setMaxSequenceSteps(four);
    e.state.stepCount = 4;
    ASSERT_TRUE(sequenceFileIo::saveUseSequenceFadetime(e));
    after = readAll(file);
    EXPECT_EQ(after.size(), 608 * (1 * 5 + 4 + 1));
    sequenceFile::SequenceFileData d;
    ASSERT_TRUE(sequenceFile::decode(after, d));
    EXPECT_EQ(d.stepCount, 4);
}

TEST_F(SequenceFileIo, triggerRewriteFollowsTheTriggerOption) {
    PlaybackEngine e;
    programThree(e);
    ASSERT_TRUE(sequenceFileIo::saveSequence(e, true, 0, "1", 0, "trig"));
    e.optMode_Click(2);
    ASSERT_TRUE(sequenceFileIo::SaveUseSequenceFadetimeShort(e));
    EXPECT_EQ(readAll(e.state.theSequenceFilename).mid(rec(4) + 578, 30), QByteArray("2").leftJustified(30, ' '));
}

TEST_F(SequenceFileIo, aWholeSaveInPlaceOfARewriteReplacesTheFileAndPlacesNoButton) {
    PlaybackEngine e;
    programThree(e);
    ASSERT_TRUE(sequenceFileIo::saveSequence(e, true, 0, "1", 0, "grown"));
    auto& pages = fake<ShortcutsService, FakeShortcuts>();
    int32_t five = 5;
    e.setMaxSequenceSteps(five);
    e.state.stepCount = 5;
    ASSERT_TRUE(sequenceFileIo::saveUseSequenceFadetime(e));
    EXPECT_FALSE(pages.placed);
    sequenceFile::SequenceFileData d;
    ASSERT_TRUE(sequenceFile::decode(readAll(e.state.theSequenceFilename), d));
    EXPECT_EQ(d.stepCount, 5);
    EXPECT_TRUE(static_cast<FakePrompts&>(shell().prompts()).messages.isEmpty()) << "no question, no error";
}

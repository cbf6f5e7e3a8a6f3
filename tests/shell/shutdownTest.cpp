#include "platform/prompts.h"
#include "shell/programSession.h"
#include "shell/settingsKeys.h"
#include "shell/shutdown.h"
#include "startupFakes.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

struct RecordingView : ShutdownView {
    int saved = 0, ended = 0;
    void saveMainWindowState() override { ++saved; }
    void endProgram() override { ++ended; }
};

const QString showQuestion = QStringLiteral("Changes were made, Do you want to save changes");
const QString sequenceQuestion = QStringLiteral("A Sequence was created, Do you want to save sequence?");

struct Case {
    const char* name;
    const char* mode;
    bool show, sequence;
    std::vector<int> answers; // in the order the questions come
    bool showSaves, sequenceSaves;
    QStringList asked;
    bool ended;
    bool showAfter, sequenceAfter;
};

} // namespace

TEST(Shutdown, TheQuestionsKeepEachUnsavedWorkUntilItsOwnSaveOrNo) {
    using namespace msgBox;
    const QString& confirm = shutdown::confirmText;
    const std::vector<Case> cases = {
        {"nothing unsaved", "Programmer/User", false, false, {Yes}, true, true, {confirm}, true, false, false},
        {"confirmation refused", "Programmer/User", false, false, {No}, true, true, {confirm}, false, false, false},
        {"user mode never asked", "User Only", true, true, {Yes}, true, true, {confirm}, true, false, false},
        {"playback mode never asked", "Playback Only", true, true, {Yes}, true, true, {confirm}, true, false, false},
        {"show saved", "Programmer/User", true, false, {Yes, Yes}, true, true, {showQuestion, confirm}, true, false,
         false},
        {"show given up", "Programmer/User", true, false, {No, Yes}, true, true, {showQuestion, confirm}, true, false,
         false},
        {"show kept", "Programmer/User", true, false, {Cancel}, true, true, {showQuestion}, false, true, false},
        {"show save fails", "Programmer/User", true, true, {Yes}, false, true, {showQuestion}, false, true, true},
        {"sequence saved", "Programmer/User", false, true, {Yes, Yes}, true, true, {sequenceQuestion, confirm}, true,
         false, false},
        {"sequence given up", "Programmer/User", false, true, {No, Yes}, true, true, {sequenceQuestion, confirm},
         true, false, false},
        {"sequence kept", "Programmer/User", false, true, {Cancel}, true, true, {sequenceQuestion}, false, false,
         true},
        {"sequence save fails", "Programmer/User", false, true, {Yes}, true, false, {sequenceQuestion}, false, false,
         true},
        // Saving the show does not drop the new sequence without its question.
        {"both saved", "Programmer/User", true, true, {Yes, Yes, Yes}, true, true,
         {showQuestion, sequenceQuestion, confirm}, true, false, false},
        {"show no, sequence kept", "Programmer/User", true, true, {No, Cancel}, true, true,
         {showQuestion, sequenceQuestion}, false, false, true},
        // A kept show is not cleared by saving the sequence.
        {"show kept, sequence saved", "Programmer/User", true, true, {Cancel, Yes}, true, true,
         {showQuestion, sequenceQuestion}, false, true, false},
        {"show kept, sequence given up", "Programmer/User", true, true, {Cancel, No}, true, true,
         {showQuestion, sequenceQuestion}, false, true, false},
        {"show saved, sequence save fails", "Programmer/User", true, true, {Yes, Yes}, true, false,
         {showQuestion, sequenceQuestion}, false, false, true},
    };
    for (const Case& c : cases) {
        TestShell t;
        auto& show = t.get().provide<ShowService>(std::make_unique<RecordingShow>());
        auto& playback = t.get().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
        show.saveWorks = c.showSaves;
        playback.saveWorks = c.sequenceSaves;
        t.get().engine<ProgramSession>().userMode = QString::fromLatin1(c.mode);
        t.get().state.showChanged = c.show;
        t.get().state.sequenceChanged = c.sequence;
        t.prompts().answers.assign(c.answers.begin(), c.answers.end());
        RecordingView view;

        EXPECT_EQ(shutdown::closeProgram(view), c.ended) << c.name;
        EXPECT_EQ(t.prompts().messages, c.asked) << c.name;
        EXPECT_EQ(view.ended, c.ended ? 1 : 0) << c.name;
        EXPECT_EQ(t.get().state.showChanged, c.showAfter) << c.name;
        EXPECT_EQ(t.get().state.sequenceChanged, c.sequenceAfter) << c.name;
    }
}

TEST(Shutdown, TheInterfaceStateAndThePlaceAreKeptEvenWhenTheQuitIsRefused) {
    TestShell t;
    auto& output = t.get().provide<OutputService>(std::make_unique<RecordingOutput>());
    RecordingView view;
    for (const bool open : {true, false}) {
        output.open = open;
        t.prompts().answers = {msgBox::No};
        EXPECT_FALSE(shutdown::closeProgram(view));
        EXPECT_EQ(settingsKeys::read(settingsKeys::interfaceOn), open ? QStringLiteral("7") : QStringLiteral("0"));
    }
    EXPECT_EQ(view.saved, 2);
    EXPECT_EQ(view.ended, 0);
}

TEST(Shutdown, AnInstallerHandOverEndsWithoutTheConfirmation) {
    TestShell t;
    RecordingView view;
    EXPECT_TRUE(shutdown::closeProgram(view, t.folder() + QStringLiteral("/no-such-installer")));
    EXPECT_EQ(t.prompts().messages, QStringList{"Shutting Down the Program for software update"});
    EXPECT_EQ(view.ended, 1);
}

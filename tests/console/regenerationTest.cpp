#include "console/console.h"
#include "console/sequenceRegeneration.h"
#include "platform/prompts.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct Tick : PlaybackService {
    QStringList log;
    void setRefreshTickEnabled(bool on) override { log << (on ? "tick on" : "tick off"); }
};
struct Window : MainWindowService {
    QStringList* log = nullptr;
    void showProgressWindow(int32_t max) override { *log << QStringLiteral("progress %1").arg(max); }
    void closeProgressWindow() override { *log << "progress closed"; }
};
struct Presets : PresetsService {
    QStringList files;
    bool fail = false;
    void alterSequenceFileUsingPresetData(const QString& f) override {
        if (fail) throw std::runtime_error("disk gone");
        files << f;
    }
};

struct RegenDesk {
    TestShell ts;
    Tick& tick = ts.get().provide<PlaybackService>(std::make_unique<Tick>());
    Window& window = ts.get().provide<MainWindowService>(std::make_unique<Window>());
    Presets& presets = ts.get().provide<PresetsService>(std::make_unique<Presets>());
    RegenDesk() {
        window.log = &tick.log;
        ts.get().state.masterShortcutFiles = QStringList(600, QString());
    }
};

TEST(SequenceRegeneration, EachFiledSequenceRegeneratesFromItsPresetEventFile) {
    RegenDesk d;
    QStringList& t = d.ts.get().state.masterShortcutFiles;
    t[3] = "Folder\\Name.YSQ";
    t[9] = "..\\..\\ylc.ini";    // leaves the Sequences folder: skipped
    t[10] = "Top.YSQ";
    t[513] = "Beyond.YSQ";       // past the table's buttons
    d.ts.prompts().answers = {msgBox::No, msgBox::Yes};
    EXPECT_EQ(sequenceRegeneration::clkRefreshSequences_Click(), 2);
    ASSERT_EQ(d.presets.files.size(), 2);
    EXPECT_EQ(d.presets.files[0], d.ts.get().programPath("Sequences\\Folder\\Name.UQF"));
    EXPECT_TRUE(d.presets.files[1].endsWith("/Sequences/Top.UQF"));
    EXPECT_EQ(d.tick.log.join(","), "progress 4,tick off,progress closed,tick on");
}

TEST(SequenceRegeneration, NoAnswerChangesNothingAndAFailureStillRestartsTheTick) {
    RegenDesk d;
    d.ts.get().state.masterShortcutFiles[2] = "A.YSQ";
    d.ts.prompts().answers = {msgBox::No, msgBox::No};
    EXPECT_EQ(sequenceRegeneration::clkRefreshSequences_Click(), 0);
    EXPECT_TRUE(d.tick.log.isEmpty());

    d.presets.fail = true;
    d.ts.prompts().answers = {msgBox::No, msgBox::Yes};
    sequenceRegeneration::clkRefreshSequences_Click();
    EXPECT_EQ(d.tick.log.join(","), "progress 2,tick off,progress closed,tick on");
    EXPECT_TRUE(d.ts.prompts().messages.last().contains("disk gone"));
}

TEST(SequenceRegeneration, EntryPathsTable) {
    const struct {
        const char* entry;
        bool ok;
    } cases[] = {
        {"Intro.YSQ", true}, {"Club\\Intro.ysq", true}, {"", false},       {"Club", false},
        {".YSQ", false},     {"..\\x.YSQ", false},      {"C:\\x.YSQ", false}, {"\\x.YSQ", false},
        {"a\\\\x.YSQ", false},
    };
    for (const auto& c : cases) EXPECT_EQ(sequenceRegeneration::entryIsSequencePath(c.entry), c.ok) << c.entry;
}

} // namespace

namespace {

struct Saver : PlaybackService {
    QStringList log;
    int32_t steps = 0;
    int32_t getMaxSteps(int32_t) const override { return steps; }
    void pressRecord(int32_t p, bool add) override { log << QStringLiteral("record(%1,%2)").arg(p).arg(add); }
    void setUseSequenceFadetime(int32_t p, bool v) override { log << QStringLiteral("useSeq(%1,%2)").arg(p).arg(v); }
};
struct Dialog : ShortcutsService {
    QStringList* log = nullptr;
    void showSequenceProperties(int32_t p) override { *log << QStringLiteral("dialog(%1)").arg(p); }
};

TEST(SaveSequence, AnEmptyPlaybackRecordsAFirstStepBeforeTheDialogOpens) {
    for (int steps : {0, 3}) {
        SCOPED_TRACE(steps);
        TestShell ts;
        Saver& pb = ts.get().provide<PlaybackService>(std::make_unique<Saver>());
        ts.get().provide<ShortcutsService>(std::make_unique<Dialog>()).log = &pb.log;
        Console& console = ts.get().engine<Console>();
        ts.get().state.currentPlayback = 4;
        pb.steps = steps;
        console.SaveSeq_Click();
        EXPECT_EQ(pb.log.join(","), steps == 0 ? "useSeq(4,1),record(4,1),dialog(4)" : "useSeq(4,1),dialog(4)");
    }
}

} // namespace

// The step commands of the Command Builder: the 18 types and the four-field
// text the playback engine and the step grid read back, and the window that
// edits the current step of the current playback.

#include "shell/services/playbackService.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/stepCommands.h"
#include "shortcuts/ui/frmCommandViewer.h"
#include "support/fakePlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <map>

namespace {

TEST(StepCommands, EveryTypeIsWrittenAsItsCodeAndReadBackAsItself) {
    const struct {
        const char* item;
        const char* written; // with "f", "2" and "n" in the boxes
    } table[] = {
        {"Stop Sequence", " 0,f,2,n"},       {"Start Sequence", " 1,f,2,n"},    {"Pause Sequence", " 2,f,2,n"},
        {"Load/Start Sequence", " 3,f,2,n"}, {"Go to Step", " 4,f,2,n"},        {"Start Schedule", " 5,f,2,n"},
        {"Load Media", " 6,f,2,n"},          {"Start Media", " 7,f,2,n"},       {"Load and Start Media", " 8,f,2,n"},
        {"None", ""},                        {"Multi Color EQ", " 9,f,2,n"},    {"Normal EQ", " 10,f,2,n"},
        {"Upside Down EQ", " 11,f,2,n"},     {"Random Frequency", " 12,f,2,n"}, {"Color Frequency", " 13,f,2,n"},
        {"Color Flash", " 14,f,2,n"},        {"Random Color Flash", " 15,f,2,n"}, {"Level Meter", " 16,f,2,n"},
    };
    ASSERT_EQ(std::size(table), size_t(stepCommands::typeCount));
    for (int i = 0; i < stepCommands::typeCount; ++i) {
        EXPECT_STREQ(stepCommands::types()[size_t(i)].item, table[i].item);
        const QString text = stepCommands::encode(i, "f", "2", "n");
        EXPECT_EQ(text, table[i].written) << i;
        const stepCommands::Parsed back = stepCommands::parse(text);
        EXPECT_EQ(back.position, i) << i;
        if (i == stepCommands::nonePosition) continue;
        EXPECT_EQ(back.param1, "f");
        EXPECT_EQ(back.param2, "2");
        EXPECT_EQ(back.notes, "n");
        // The playback engine splits at "," and reads the trimmed first field as the code.
        EXPECT_EQ(text.section(',', 0, 0).trimmed(), QString::number(stepCommands::types()[size_t(i)].code));
    }
    // A line break typed into the notes does not split the step's line.
    EXPECT_EQ(stepCommands::encode(1, "", "3", "a\nb"), " 1,,3,a b");
}

TEST(StepCommands, ReadingIsLenientAndUnknownCodesSelectNothing) {
    const struct {
        const char* command;
        int position;
        const char* param1;
        const char* param2;
        const char* notes;
    } table[] = {
        {"", stepCommands::nonePosition, "", "", ""},
        {"   ", stepCommands::nonePosition, "", "", ""},
        {"8,/media/intro.mp3,100,Auto Insert From Wizard", 8, "/media/intro.mp3", "100", "Auto Insert From Wizard"},
        {" 1,,3,", 1, "", "3", ""},
        {" 3,a.YSQ,2,opening look, part two", 3, "a.YSQ", "2", "opening look"},
        {"16.4", 17, "", "", ""},  // rounded to 16
        {"junk,x", 0, "x", "", ""}, // no leading number reads as 0
        {"-1,,,", -1, "", "", ""},
        {"42,x,y,z", -1, "x", "y", "z"},
    };
    for (const auto& c : table) {
        const stepCommands::Parsed p = stepCommands::parse(c.command);
        EXPECT_EQ(p.position, c.position) << c.command;
        EXPECT_EQ(p.param1, c.param1) << c.command;
        EXPECT_EQ(p.param2, c.param2) << c.command;
        EXPECT_EQ(p.notes, c.notes) << c.command;
    }
}

// Playbacks holding a command per step, with a current step each.
class CommandPlaybacks final : public PlaybackService {
public:
    QString getSceneStringLong(int32_t pb) const override {
        const auto it = commands.find({pb, current.count(pb) ? current.at(pb) : 0});
        return it == commands.end() ? QString() : it->second;
    }
    int32_t thecurrentStep(int32_t pb) const override { return current.count(pb) ? current.at(pb) : 0; }
    void setSceneStringLong(int32_t pb, const QString& text, int32_t step) override {
        commands[{pb, step == 0 ? thecurrentStep(pb) : step}] = text;
    }
    void updateDisplayData(int32_t pb) override { redrawn.push_back(pb); }
    std::map<std::pair<int32_t, int32_t>, QString> commands;
    std::map<int32_t, int32_t> current;
    std::vector<int32_t> redrawn;
};

struct BuilderDesk {
    BuilderDesk() {
        pb = &t.get().provide<PlaybackService>(std::make_unique<CommandPlaybacks>());
        t.get().state.currentPlayback = 2;
        pb->current[2] = 3;
    }
    frmCommandViewer& open() {
        frmCommandViewer& w = form<frmCommandViewer>();
        w.load();
        return w;
    }
    TestShell t;
    CommandPlaybacks* pb = nullptr;
};

TEST(CommandBuilder, OpensOnTheStepsCommandAndSavesIntoThatStep) {
    BuilderDesk d;
    d.pb->commands[{2, 3}] = " 8,/media/intro.mp3,100,Auto Insert From Wizard";
    frmCommandViewer& w = d.open();
    EXPECT_EQ(w.windowTitle(), "Command Builder");
    EXPECT_EQ(w.cmboCommandType->count(), 18);
    EXPECT_EQ(w.cmboCommandType->currentText(), "Load and Start Media");
    EXPECT_EQ(w.lblParam1->text(), "Media FileName");
    EXPECT_EQ(w.lblParam2->text(), "Volume");
    EXPECT_EQ(w.txtParamOne->text(), "/media/intro.mp3");
    EXPECT_EQ(w.txtParam2->text(), "100");
    EXPECT_EQ(w.txtNotes->toPlainText(), "Auto Insert From Wizard");

    // The playback moves on while the window is open: Save still writes step 3.
    d.pb->current[2] = 4;
    w.cmboCommandType->setCurrentIndex(1);
    emit w.cmboCommandType->activated(1);
    EXPECT_EQ(w.lblParam2->text(), "Playback Number To Start");
    w.txtParamOne->clear();
    w.txtParam2->setText("3");
    w.txtNotes->clear();
    w.cmdSave->click();
    EXPECT_EQ((d.pb->commands[{2, 3}]), " 1,,3,");
    EXPECT_TRUE((d.pb->commands.count({2, 4}) == 0));
    EXPECT_EQ(d.pb->redrawn, std::vector<int32_t>{2});
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmCommandViewer>(), nullptr);
}

TEST(CommandBuilder, ASaveWithoutATypeIsRefusedAndNoneClearsTheCommand) {
    BuilderDesk d;
    d.pb->commands[{2, 3}] = " 42,x,y,z"; // a code no type carries
    frmCommandViewer& w = d.open();
    EXPECT_EQ(w.cmboCommandType->currentIndex(), -1);
    w.cmdSave->click();
    EXPECT_EQ(d.t.prompts().messages.size(), 1);
    EXPECT_EQ((d.pb->commands[{2, 3}]), " 42,x,y,z");
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmCommandViewer>(), &w); // still open

    // "Load/Start Sequence", then "None": the boxes empty, the captions stay.
    w.cmboCommandType->setCurrentIndex(3);
    emit w.cmboCommandType->activated(3);
    // A cancelled file dialog leaves the box as it was.
    w.cmdOpenFile->click();
    EXPECT_EQ(w.txtParamOne->text(), "x");
    EXPECT_EQ(d.t.prompts().fileRequests.back().filter, "Sequences (*.YSQ)");
    w.cmboCommandType->setCurrentIndex(stepCommands::nonePosition);
    emit w.cmboCommandType->activated(stepCommands::nonePosition);
    EXPECT_EQ(w.txtParamOne->text(), "");
    EXPECT_EQ(w.txtParam2->text(), "");
    EXPECT_EQ(w.lblParam1->text(), "Sequence FileName");
    w.cmdSave->click();
    EXPECT_EQ((d.pb->commands[{2, 3}]), "");

    // Opened again on another step (the last one still loaded): that step's command shows.
    d.pb->commands[{2, 5}] = " 2,,7,";
    d.pb->current[2] = 5;
    frmCommandViewer& again = d.open();
    EXPECT_EQ(again.cmboCommandType->currentText(), "Pause Sequence");
    EXPECT_EQ(again.txtParam2->text(), "7");
    // A step without a command opens as "None".
    d.pb->current[2] = 6;
    EXPECT_EQ(d.open().cmboCommandType->currentText(), "None");
    unloadForm<frmCommandViewer>();
}

} // namespace

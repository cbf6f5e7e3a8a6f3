// Presets through the running console: fixtures patched from the shipped
// profiles generate their palettes, a colour preset recalled onto the
// selected RGB pars reaches a USB-to-DMX interface, and the preset event
// recorded with the step comes back with its sequence.

#include "app/console.h"
#include "runningDesk.h"
#include "output/DmxOutput.h"
#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/deviceArrival.h"
#include "platform/fileSystem.h"
#include "platform/ftdiPort.h"
#include "platform/midiPorts.h"
#include "platform/monitors.h"
#include "platform/portIo.h"
#include "platform/tickTimer.h"
#include "playback/playbackFrame.h"
#include "presets/ui/frmPalettes.h"
#include "profiles/ClsFixture.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/showService.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>


// The running console on a fresh program folder with a saved show "Presets":
// two RGB pars and a moving head patched from the shipped profiles.
class PresetsRound : public ::testing::Test {
protected:
    void SetUp() override {
        c = runningDesk::startWithSavedShow(dir.path(), dir.filePath(QStringLiteral("Presets.YCF")));
        Shell& s = c->shell();
        par = runningDesk::patchShipped(s, QStringLiteral("RGB Par.fix"), 1, 2);
        head = runningDesk::patchShipped(s, QStringLiteral("Moving Head Spot.fix"), 20, 1);
        ASSERT_EQ(s.state.fixtureCount, 3);
    }
    QTemporaryDir dir;
    std::unique_ptr<console::Console> c;
    int32_t par = 0, head = 0;
};

TEST_F(PresetsRound, generatedColourRecalledOntoRgbParsComesBackWithItsSequence) {
    Shell& s = c->shell();
    auto& prompts = static_cast<FakePrompts&>(s.prompts());
    ChannelModel& m = s.state;
    // The moving head's colour wheel names its slots by colour number: red is "255".
    const QString redPreset = s.programPath(QStringLiteral("Palettes\\Presets\\Color\\255.USF"));
    ASSERT_TRUE(QFileInfo(redPreset).isFile()) << redPreset.toStdString();

    FakeFtdiDevice& port = runningDesk::attachInterface(s);
    auto run = [&](int ticks) { runningDesk::runTicks(s, ticks); };
    auto sent = [&](int ch) { return runningDesk::lastLevel(port, ch); };

    // An empty playback 1; the pars are selected on the layout.
    s.playback().clkAddPlaybackControl(1, false, true, false);
    m.currentPlayback = 1;
    s.patch().setSelected(par, true);
    s.patch().setSelected(par + 1, true);
    s.presets().setFilenameToLoadPresets(QStringLiteral("Color"));
    prompts.messages.clear();
    QString name = QStringLiteral("255");
    s.presets().executePreset(name, -1, false);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
    run(5);
    const int32_t first = m.fixtureStartChannel[size_t(par)];
    EXPECT_EQ(sent(first), 255);
    EXPECT_EQ(sent(first + 1), 0);
    EXPECT_EQ(sent(first + 4), 0) << "the second par's blue";
    EXPECT_EQ(sent(first + 3), 255) << "the second par's red";
    EXPECT_EQ(sent(m.fixtureStartChannel[size_t(head)] + 6), 0) << "the head is not selected";
    ASSERT_EQ(s.presets().eventCollection()->size(), 1u);
    EXPECT_EQ(s.presets().eventCollection()->front().eventFixtureNumbers, QStringLiteral("%1,%2,").arg(par).arg(par + 1));

    // Recorded as the first step, saved (from the save dialog), cleared, loaded again: the event and the levels are back.
    const QString sequence = s.programPath(QStringLiteral("Sequences\\Red Pars.YSQ"));
    s.playback().pressRecord(1, true);
    ASSERT_EQ(s.playback().getMaxSteps(1), 1);
    prompts.files.push_back(sequence);
    ASSERT_TRUE(s.playback().saveTheSequence(1, true)) << prompts.messages.join('|').toStdString();
    ASSERT_TRUE(QFileInfo(s.programPath(QStringLiteral("Sequences\\Red Pars.UQF"))).size() == 1416);
    s.playback().clearSequenceInChaser(1);
    run(5);
    EXPECT_EQ(sent(first), 0);
    EXPECT_TRUE(s.presets().eventCollection()->empty());
    int32_t doc = 1;
    ASSERT_EQ(s.playback().loadSequenceInDoc(doc, sequence, true, false, 100), 1);
    ASSERT_EQ(s.presets().eventCollection()->size(), 1u);
    EXPECT_EQ(s.presets().eventCollection()->front().eventName, QStringLiteral("255"));
    EXPECT_EQ(s.presets().eventCollection()->front().eventType, QStringLiteral("Color"));
    s.playback().playLoadedSequence(1, false, false, false);
    run(40);
    EXPECT_EQ(sent(first), 255);
    EXPECT_EQ(sent(first + 3), 255);
    EXPECT_EQ(sent(first + 2), 0);
}

TEST_F(PresetsRound, paletteOpensFromTheMainWindowAndRecallsOntoTheSelection) {
    Shell& s = c->shell();

    // The main window's Palettes entry opens the Control Palette on its Color page.
    unloadForm<frmPalettes>();
    QAction* entry = nullptr;
    for (QAction* top : c->mainWindow().menuBar()->actions())
        if (top->menu())
            for (QAction* a : top->menu()->actions())
                if (a->text() == QStringLiteral("Palettes") && a->isEnabled()) entry = a;
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    QApplication::processEvents();
    frmPalettes* palette = loadedForm<frmPalettes>();
    ASSERT_NE(palette, nullptr);
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->markedTab(), 0);

    // Selecting the pars on the layout shows the colour-number presets.
    s.patch().setSelected(par, true);
    s.patch().setSelected(par + 1, true);
    s.presets().refreshButtons();
    int red = -1;
    for (size_t i = 0; i < palette->model.size(); ++i)
        if (palette->model[i].presetName == QStringLiteral("255") && palette->presetButtons[i]->isVisible()) red = int(i);
    // The head's wheel colour "255" suits the pars because they mix colour.
    ASSERT_GE(red, 0) << "no red preset on the page";
    s.state.currentPlayback = 1;
    palette->imgProperty_MouseDown(red + 1, Qt::LeftButton, Qt::NoModifier);
    const int32_t first = s.state.fixtureStartChannel[size_t(par)];
    EXPECT_EQ(s.state.channelOutput[size_t(first)], 255);
    EXPECT_EQ(s.state.channelOutput[size_t(first + 2)], 0);
}

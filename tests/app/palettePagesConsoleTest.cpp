// The palette's Add Preset dialog and special pages through the running
// console: a preset made from the live look shows on its page, survives the
// removal of a fixture renumbered, and recalls onto the right fixtures at a
// USB-to-DMX interface.

#include "app/console.h"
#include "runningDesk.h"
#include "presets/ui/frmAddPreset.h"
#include "presets/ui/frmPalettes.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/showService.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QAction* menuEntry(QMenuBar* bar, const QString& text) {
    for (QAction* top : bar->actions())
        if (top->menu())
            for (QAction* a : top->menu()->actions())
                if (a->text() == text) return a;
    return nullptr;
}

} // namespace

TEST(PalettePagesConsole, APresetAddedFromTheDialogFollowsAFixtureRemoval) {
    QTemporaryDir dir;
    ASSERT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
    console::Console c(dir.path(), runningDesk::scriptedServices());
    c.start();
    QApplication::processEvents();
    Shell& s = c.shell();
    ChannelModel& m = s.state;
    auto& prompts = static_cast<FakePrompts&>(s.prompts());
    prompts.files.push_back(dir.filePath(QStringLiteral("Looks.YCF")));
    ASSERT_TRUE(s.show().saveConfiguration(false, true, false));
    ASSERT_EQ(runningDesk::patchShipped(s, QStringLiteral("RGB Par.fix"), 1, 3), 1);
    ASSERT_EQ(m.fixtureCount, 3);
    FakeFtdiDevice& port = runningDesk::attachInterface(s);
    s.playback().clkAddPlaybackControl(1, false, true, false);
    m.currentPlayback = 1;

    // The third par is selected and set to a deep red by hand.
    s.patch().setSelected(3, true);
    const int32_t red3 = m.fixtureStartChannel[3];
    m.channelOutput[size_t(red3)] = 180;

    s.presets().showPalettes();
    frmPalettes* palette = loadedForm<frmPalettes>();
    ASSERT_NE(palette, nullptr);
    palette->cmdColor_Click();
    QAction* add = menuEntry(palette->menuBar, QStringLiteral("Add Preset on Current Palette From CURRENT Look"));
    ASSERT_TRUE(add && add->isEnabled());
    add->trigger();
    frmAddPreset* dialog = loadedForm<frmAddPreset>();
    ASSERT_TRUE(dialog && dialog->isVisible());
    for (QCheckBox* b : dialog->chkPreset) b->setChecked(b->text() == QStringLiteral("red"));
    dialog->txtPresetName->setText(QStringLiteral("Deep Red"));
    dialog->cmdCreatePreset->click();
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmAddPreset>(), nullptr) << prompts.messages.join('|').toStdString();
    int shown = -1;
    for (size_t i = 0; i < palette->model.size(); ++i)
        if (palette->model[i].presetName == QStringLiteral("Deep Red") && palette->presetButtons[i]->isVisible()) shown = int(i);
    ASSERT_GE(shown, 0) << "the new preset is on the Color page";

    // The first par leaves the patch: the preset's par 3 is par 2 now.
    s.patch().selectFixtures({1}, false);
    prompts.answers.push_back(msgBox::Yes);
    s.patch().removeSelectedFixtures();
    ASSERT_EQ(m.fixtureCount, 2) << prompts.messages.join('|').toStdString();
    for (int32_t c2 = 1; c2 <= 6; ++c2) m.channelOutput[size_t(c2)] = 0;

    // Recalled onto both remaining pars, it lands on the renumbered one only.
    s.patch().selectFixtures({1, 2}, false);
    s.presets().setFilenameToLoadPresets(QStringLiteral("Color"));
    QString name = QStringLiteral("Deep Red");
    s.presets().executePreset(name, -1, false);
    runningDesk::runTicks(s, 5);
    EXPECT_EQ(runningDesk::lastLevel(port, m.fixtureStartChannel[2]), 180);
    EXPECT_EQ(runningDesk::lastLevel(port, m.fixtureStartChannel[1]), 0);
}

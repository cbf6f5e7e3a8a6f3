// The operator's programming round on the running console's main window:
// playback 2 chosen from the band's drop-down, levels set, three steps
// recorded with the band's record buttons, the sequence saved and filed in
// the MASTER table, loaded from there and gone through with the band's GO,
// the levels checked at a USB-to-DMX interface. The band's save commands,
// "Save Multi" and the time boxes reach the real dialogs of the button pages.

#include "app/console.h"
#include "runningDesk.h"
#include "console/ui/ConsoleBand.h"
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
#include "platform/httpDownload.h"
#include "platform/systemPower.h"
#include "support/fakeSystemPower.h"
#include "playback/playbackFrame.h"
#include "playback/ui/frmPlayBackControl.h"
#include "playback/ui/frmPlayBackManager.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/showService.h"
#include "shortcuts/masterShortcuts.h"
#include "shortcuts/multiButtons.h"
#include "shortcuts/shortcutFiles.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/ui/frmKeyPad.h"
#include "shortcuts/ui/frmMultiWizard.h"
#include "shortcuts/ui/sequenceProperties.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

const int recorded[3][2] = {{60, 120}, {180, 30}, {255, 0}};

QAction* menuEntry(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

} // namespace

// The running console on a fresh program folder, its band on the main window.
class ConsoleBandRound : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
        running = std::make_unique<console::Console>(dir.path(), runningDesk::scriptedServices());
        running->start();
        QApplication::processEvents();
        band = ConsoleBand::shown();
        ASSERT_NE(band, nullptr);
    }
    QTemporaryDir dir;
    std::unique_ptr<console::Console> running;
    ConsoleBand* band = nullptr;
};

TEST_F(ConsoleBandRound, recordSaveFileInMasterTableAndPlayAtTheInterface) {
    console::Console& c = *running;
    Shell& s = c.shell();
    auto& prompts = static_cast<FakePrompts&>(s.prompts());
    ASSERT_EQ(band->window(), &c.mainWindow());

    FakeFtdiDevice& port = runningDesk::attachInterface(s);
    auto run = [&](int ticks) { runningDesk::runTicks(s, ticks); };
    auto slot = [&](int ch) { return runningDesk::lastLevel(port, ch); };

    // Two playbacks on the desk; the drop-down makes playback 2 current.
    while (s.playback().visiblePlaybackCaptions().size() < 2) band->cmdCreateNew[0]->click();
    ASSERT_TRUE(runningDesk::choosePlayback(*band, 1));
    EXPECT_EQ(s.state.currentPlayback, 1);
    ASSERT_TRUE(runningDesk::choosePlayback(*band, 2));
    ASSERT_EQ(s.state.currentPlayback, 2);

    // Steps without fades, so each GO shows its levels at the next ticks.
    for (QLineEdit* box : band->txtfadeTime) box->setText(QStringLiteral("0"));
    // Two dimmer channels (unpatched channels are never loaded back).
    ChannelModel& m = s.state;
    for (int ch = 1; ch <= 2; ++ch) {
        m.channelType[ch] = QStringLiteral("dimmer");
        m.channelFades[size_t(ch)] = 1;
    }
    for (int j = 0; j < 3; ++j) {
        for (int ch = 1; ch <= 2; ++ch) {
            m.channelOwner[size_t(ch)] = 2;
            m.channelOutput[size_t(ch)] = recorded[j][ch - 1];
        }
        band->cmdRecordAndAddScene->click();
    }
    // Recording over the last step again keeps the count.
    band->bt_store->click();
    ASSERT_EQ(s.playback().getMaxSteps(2), 3);
    EXPECT_EQ(band->cmdSaveChanges->text(), QStringLiteral("Save Changes As Button"));

    // Steps change at once: no fading from scene to scene.
    band->chkFade->click();
    band->chkFade->click();
    EXPECT_FALSE(band->chkFade->isChecked());
    // GO puts the playback on Play Trigger (one step per GO), which the file keeps.
    band->BTON->click();
    EXPECT_EQ(band->stepNumber->styleSheet(), QStringLiteral("QLabel#stepNumber { color: #00c000; }"));

    // Saved from the playback's window, filed under MASTER button 1 (entry 2).
    const QString file = s.programPath("Sequences\\Band\\Recorded.YSQ");
    // The save dialog offers folders that exist.
    QDir().mkpath(QFileInfo(file).absolutePath());
    prompts.files.push_back(file);
    frmPlayBackControl* window = c.frame().playbackWindow(2);
    ASSERT_NE(window, nullptr);
    menuEntry(window->clkMenu, QStringLiteral("Save Changes to current Sequence Cuelist"))->trigger();
    ASSERT_TRUE(QFile::exists(file)) << prompts.messages.join(QLatin1Char('|')).toStdString() << " asked "
                                     << prompts.fileRequests.size() << " " << file.toStdString();
    MasterShortcuts& master = s.engine<MasterShortcuts>();
    master.dropFiles(1, {file});
    ASSERT_EQ(m.masterShortcutFiles.value(2), QStringLiteral("Band\\Recorded.YSQ"));

    // Everything cleared, then loaded back from the MASTER button (which starts
    // step 1) and gone through with GO.
    band->cmdCreateNew[2]->click();
    run(10);
    {
        frmPlayBackControl* w2 = c.frame().playbackWindow(2);
        prompts.files.push_back(file);
        prompts.answers.push_back(msgBox::No);
        menuEntry(w2->clkMenu, QStringLiteral("Load Seqence Cuelist"))->trigger();
    }
    master.pressLeft(1, false);
    ASSERT_EQ(s.state.currentPlayback, 2);
    ASSERT_EQ(s.playback().getMaxSteps(2), 3);
    // A MASTER press starts the sequence at dimmer 0: the band's dimmer brings it up.
    EXPECT_EQ(s.playback().getDimmerValue(2), 0);
    band->sldrDimmer->setValue(40);
    band->sldrDimmer->setValue(100);
    EXPECT_EQ(s.playback().getDimmerValue(2), 100);
    EXPECT_EQ(band->lblPlaybackDimmer->text(), QStringLiteral("Playback Dimmer: 100%"));
    for (int j = 1; j <= 3; ++j) {
        if (j > 1) band->BTON->click();
        run(200);
        EXPECT_EQ(slot(1), recorded[j - 1][0]) << "step " << j;
        EXPECT_EQ(slot(2), recorded[j - 1][1]) << "step " << j;
        EXPECT_EQ(band->stepNumber->text(), QStringLiteral("%1:3").arg(j));
    }
}

TEST_F(ConsoleBandRound, saveCommandsSaveMultiAndTimeBoxesOpenThePagesOwnWindows) {
    console::Console& c = *running;
    Shell& s = c.shell();
    auto& prompts = static_cast<FakePrompts&>(s.prompts());
    // A saved show, its button pages shown (as playback mode shows them).
    prompts.files.push_back(dir.filePath(QStringLiteral("Band.YCF")));
    ASSERT_TRUE(s.show().saveConfiguration(false, true, false)) << prompts.messages.join(QLatin1Char('|')).toStdString();
    s.shortcuts().showShortcutPages();
    s.shortcuts().loadPageButtons();
    s.engine<ShortcutPages>().cmdPages_Click(1); // the operator picks the first page's tab
    const QString page = s.shortcuts().currentPage();
    ASSERT_FALSE(page.isEmpty()) << s.state.showName.toStdString();
    const QString pageFolder = shortcutFiles::pageFolder(page);
    QDir().mkpath(pageFolder);

    // The three save commands open the Sequence Properties dialog.
    QMenu* sequenceMenu = c.mainWindow().findChild<QMenu*>(QStringLiteral("sequenceMenu"));
    ASSERT_NE(sequenceMenu, nullptr);
    for (const QString& entry : {QStringLiteral("Save Sequence"), QStringLiteral("Save Sequence and View Sequence Information")}) {
        unloadForm<sequenceProperties>();
        QAction* a = menuEntry(sequenceMenu, entry);
        ASSERT_NE(a, nullptr) << entry.toStdString();
        a->trigger();
        ASSERT_NE(loadedForm<sequenceProperties>(), nullptr) << entry.toStdString();
        EXPECT_TRUE(loadedForm<sequenceProperties>()->isVisible()) << entry.toStdString();
    }
    unloadForm<sequenceProperties>();
    band->cmdSaveChanges->click();
    sequenceProperties* properties = loadedForm<sequenceProperties>();
    ASSERT_NE(properties, nullptr);
    ASSERT_TRUE(properties->isVisible());
    // Saving from it files a button of the shown page.
    properties->txtButtonName->setText(QStringLiteral("Band Look"));
    properties->saveButton->click();
    EXPECT_TRUE(QFileInfo::exists(pageFolder + QStringLiteral("/Band Look.YSQ")))
        << prompts.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(shortcutFiles::kindOf(page, QStringLiteral("Band Look")), shortcutFiles::ButtonKind::sequence);

    // "Save Multi" with two playbacks shown files both as one multi button.
    while (s.playback().visiblePlaybackCaptions().size() < 2) band->cmdCreateNew[0]->click();
    band->cmdSaveMulti->click();
    frmMultiWizard* wizard = loadedForm<frmMultiWizard>();
    ASSERT_NE(wizard, nullptr);
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(wizard->lblTitle->text(), QStringLiteral("Multi From all Playbacks"));
    wizard->txtFileName->setText(QStringLiteral("Whole Look"));
    wizard->cmdNext->click();
    QByteArray multi = readWholeFile(pageFolder + QStringLiteral("/Whole Look.MUL"));
    const auto members = multiButtons::decode(multi);
    ASSERT_EQ(members.size(), 2u) << prompts.messages.join(QLatin1Char('|')).toStdString();
    for (const auto& m : members) {
        EXPECT_EQ(m.kind, multiButtons::hiddenMemberKind);
        EXPECT_TRUE(QFileInfo::exists(shortcutFiles::showFolder() + QLatin1Char('/') + m.theName.trimmed() +
                                      QStringLiteral(".YSQ")))
            << m.theName.trimmed().toStdString();
    }
    EXPECT_EQ(shortcutFiles::kindOf(page, QStringLiteral("Whole Look")), shortcutFiles::ButtonKind::multi);

    // A time box opens the keypad; its Enter writes the box.
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(band->txtfadeTime[2], &click);
    frmKeyPad* keypad = loadedForm<frmKeyPad>();
    ASSERT_NE(keypad, nullptr);
    EXPECT_TRUE(keypad->isVisible());
    keypad->cmdButton[0]->click();
    keypad->cmdButton[10]->click();
    keypad->cmdButton[4]->click();
    keypad->cmdEnter->click();
    EXPECT_EQ(band->txtfadeTime[2]->text(), QStringLiteral("1.5"));
    EXPECT_FALSE(keypad->isVisible());

    // A negative time typed into the box is refused with a message; the box
    // keeps its value.
    prompts.messages.clear();
    band->txtfadeTime[2]->selectAll();
    for (const auto& [key, text] : {std::pair{Qt::Key_Minus, "-"}, std::pair{Qt::Key_5, "5"}}) {
        QKeyEvent typed(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
        QApplication::sendEvent(band->txtfadeTime[2], &typed);
    }
    ASSERT_EQ(band->txtfadeTime[2]->text(), QStringLiteral("-5"));
    emit band->txtfadeTime[2]->editingFinished();
    EXPECT_EQ(band->txtfadeTime[2]->text(), QStringLiteral("1.5"));
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("Invalid value, please try again")});
}

#include "shortcuts/ui/frmCommandViewer.h"

#include <QComboBox>
#include <QTableWidget>

// A click in the command column of a playback window's step grid opens the
// Command Builder on that step; its command goes into the step and the grid.
TEST_F(ConsoleBandRound, theStepGridsCommandColumnOpensTheCommandBuilder) {
    console::Console& c = *running;
    Shell& s = c.shell();
    while (s.playback().visiblePlaybackCaptions().size() < 1) band->cmdCreateNew[0]->click();
    ASSERT_TRUE(runningDesk::choosePlayback(*band, 1));
    ChannelModel& m = s.state;
    m.channelType[1] = QStringLiteral("dimmer");
    m.channelOwner[1] = 1;
    m.channelOutput[1] = 90;
    band->cmdRecordAndAddScene->click();
    band->cmdRecordAndAddScene->click();
    ASSERT_EQ(s.playback().getMaxSteps(1), 2);
    frmPlayBackControl* window = c.frame().playbackWindow(1);
    ASSERT_NE(window, nullptr);
    const int step = s.playback().thecurrentStep(1);
    ASSERT_GE(step, 1);

    s.playback().updateDisplayData(1);
    window->msfgSequenceDetail_Click(step, 8, QPoint(40, 60));
    frmCommandViewer* builder = loadedForm<frmCommandViewer>();
    ASSERT_NE(builder, nullptr);
    ASSERT_TRUE(builder->isVisible());
    EXPECT_EQ(builder->cmboCommandType->currentText(), QStringLiteral("None"));
    builder->cmboCommandType->setCurrentIndex(1); // "Start Sequence"
    emit builder->cmboCommandType->activated(1);
    builder->txtParam2->setText(QStringLiteral("2"));
    builder->cmdSave->click();
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmCommandViewer>(), nullptr);
    EXPECT_EQ(s.playback().getSceneStringLong(1), QStringLiteral(" 1,,2,"));
    const QTableWidgetItem* cell = window->msfgSequenceDetail->item(step, 8);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(), QStringLiteral("Start Sequence"));
}

#include "masters/mastersEngine.h"
#include "masters/ui/frmPageSubmasters.h"
#include "masters/ui/mastersWidgets.h"

// A group strip's name opens the "Enter Time" keypad; its Enter sets the strip's crossfade time.
TEST_F(ConsoleBandRound, aGroupStripsNameTakesItsCrossfadeTimeFromTheKeypad) {
    Shell& s = running->shell();
    s.masters().showPageSubmasters();
    frmPageSubmasters* strips = loadedForm<frmPageSubmasters>();
    ASSERT_NE(strips, nullptr);
    ASSERT_TRUE(strips->strips[2].name->clicked);
    strips->strips[2].name->clicked(2);
    frmKeyPad* pad = loadedForm<frmKeyPad>();
    ASSERT_NE(pad, nullptr);
    ASSERT_TRUE(pad->isVisible());
    for (int b : {1, 10, 4}) pad->cmdButton[size_t(b)]->click(); // "2.5"
    pad->cmdEnter->click();
    EXPECT_FLOAT_EQ(static_cast<MastersEngine&>(s.masters()).submasters.strips[2].crossfadeTime, 2.5f);
    EXPECT_FALSE(pad->isVisible());
}

// A show played from its button pages on the running console: two sequences
// recorded with the band and filed as page buttons, pressed with the mouse
// (levels at a USB-to-DMX interface), the second in Release mode so the first
// fades out, both filed as a multi button and pressed; then the console quits
// and starts again on the same program folder and the buttons that were on
// are on again with their levels.

#include "app/console.h"
#include "runningDesk.h"
#include "console/ui/ConsoleBand.h"
#include "masters/ui/frmTop.h"
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
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/showService.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/ui/frmSequenceShortcuts.h"
#include "shortcuts/ui/sequenceProperties.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <QAction>
#include <QDir>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One run of the console on a program folder, with its interface open.
struct Desk {
    explicit Desk(const QString& folder) {
        running = std::make_unique<console::Console>(folder, runningDesk::scriptedServices());
        running->start();
        QApplication::processEvents();
        port = &runningDesk::attachInterface(running->shell());
    }
    Shell& shell() { return running->shell(); }
    void run(int ticks) { runningDesk::runTicks(shell(), ticks); }
    int slot(int ch) const { return runningDesk::lastLevel(*port, ch); }
    frmSequenceShortcuts& pages() { return *loadedForm<frmSequenceShortcuts>(); }
    QPushButton* button(const QString& name) {
        const int32_t i = shell().engine<ShortcutPages>().buttonIndex(name);
        return i > 0 ? pages().pageButton(i) : nullptr;
    }
    QString state(const QString& name) { return button(name)->property("state").toString(); }
    // A left click near the top of the face (a releasing height in Default mode).
    void press(const QString& name) { runningDesk::click(button(name), QPoint(button(name)->width() / 2, 3)); }
    // Ticks until the button reads the state, at most ten seconds of them.
    bool waitFor(const QString& name, const QString& wanted) {
        for (int i = 0; i < 200 && state(name) != wanted; ++i) run(1);
        return state(name) == wanted;
    }
    FakePrompts& prompts() { return static_cast<FakePrompts&>(shell().prompts()); }
    // The show saved as Configurations/Band.YCF, the pages shown, and two
    // one-step looks (channel 1 at 200, channel 2 at 150) recorded on
    // playbacks 1 and 2 with "Manual Start" and filed as the buttons
    // names[0] and names[1] of page 1, both off.
    void fileTwoLooks(const QString& folder) {
        ConsoleBand* band = ConsoleBand::shown();
        ASSERT_NE(band, nullptr);
        // Saved in Configurations, where the next start looks for its show.
        QDir().mkpath(QDir(folder).filePath(QStringLiteral("Configurations")));
        prompts().files.push_back(QDir(folder).filePath(QStringLiteral("Configurations/Band.YCF")));
        ASSERT_TRUE(shell().show().saveConfiguration(false, true, false)) << prompts().messages.join('|').toStdString();
        shell().shortcuts().showShortcutPages();
        shell().shortcuts().loadPageButtons();
        shell().shortcuts().showPage(1);
        ASSERT_FALSE(shell().shortcuts().currentPage().isEmpty());

        // Two one-step looks recorded on playbacks 1 and 2 and filed as buttons.
        ChannelModel& m = shell().state;
        for (int ch = 1; ch <= 2; ++ch) {
            m.channelType[ch] = QStringLiteral("dimmer");
            m.channelFades[size_t(ch)] = 1;
        }
        for (QLineEdit* box : band->txtfadeTime) box->setText(QStringLiteral("0"));
        while (shell().playback().visiblePlaybackCaptions().size() < 2) band->cmdCreateNew[0]->click();
        const int levels[2][2] = {{200, 0}, {0, 150}};
        for (int k = 0; k < 2; ++k) {
            ASSERT_TRUE(runningDesk::choosePlayback(*band, k + 1));
            // Each look holds one channel of its own.
            for (int ch = 1; ch <= 2; ++ch) {
                m.channelOwner[size_t(ch)] = levels[k][ch - 1] > 0 ? k + 1 : 0;
                m.channelOutput[size_t(ch)] = levels[k][ch - 1];
            }
            band->cmdRecordAndAddScene->click();
            band->cmdSaveChanges->click();
            sequenceProperties* properties = loadedForm<sequenceProperties>();
            ASSERT_NE(properties, nullptr);
            properties->optPlayStart[2]->click(); // "Manual Start": the look holds until released
            properties->txtButtonName->setText(names[k]);
            properties->saveButton->click();
            unloadForm<sequenceProperties>();
        }
        // Everything cleared; the page shows both buttons off.
        band->cmdCreateNew[2]->click();
        run(20);
        shell().shortcuts().showPage(1);
        ASSERT_NE(button(names[0]), nullptr) << prompts().messages.join('|').toStdString();
        ASSERT_NE(button(names[1]), nullptr);
    }
    static inline const QString names[2] = {QStringLiteral("Look A"), QStringLiteral("Look B")};

    std::unique_ptr<console::Console> running;
    FakeFtdiDevice* port = nullptr;
};

} // namespace

TEST(ButtonPagesOnTheRunningConsole, pressReleaseMultiAndTheStatesComeBackAfterARestart) {
    QTemporaryDir dir;
    ASSERT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
    {
        Desk d(dir.path());
        Shell& s = d.shell();
        ASSERT_NO_FATAL_FAILURE(d.fileTwoLooks(dir.path()));
        const QString* names = Desk::names;
        ASSERT_EQ(d.state(names[0]), "off");

        d.press(names[0]);
        EXPECT_EQ(d.state(names[0]), "on");
        d.run(20);
        EXPECT_EQ(d.slot(1), 200);
        EXPECT_EQ(d.slot(2), 0);

        // Release mode, chosen on the top bar: the second press fades the first out.
        frmTop* top = loadedForm<frmTop>();
        ASSERT_NE(top, nullptr);
        for (int i = 0; i < 3 && d.pages().modeButton()->text() != "Release Mode"; ++i) top->cmdButtonMode->click();
        ASSERT_EQ(d.pages().modeButton()->text(), "Release Mode");
        EXPECT_EQ(top->cmdButtonMode->text(), "Release Mode");
        d.press(names[1]);
        EXPECT_EQ(d.state(names[1]), "on");
        EXPECT_TRUE(d.button(names[0])->text().startsWith("FADING OUT"));
        EXPECT_TRUE(d.waitFor(names[0], "off"));
        d.run(20);
        EXPECT_EQ(d.slot(1), 0);
        EXPECT_EQ(d.slot(2), 150);

        // Stack mode: both on, filed as one multi button and pressed.
        while (d.pages().modeButton()->text() != "Stack Mode") d.pages().modeButton()->click();
        d.press(names[0]);
        d.run(20);
        EXPECT_EQ(d.slot(1), 200);
        EXPECT_EQ(d.slot(2), 150);
        ASSERT_TRUE(s.shortcuts().saveMultiButtonClicked(QStringLiteral("Both")));
        ASSERT_NE(d.button(QStringLiteral("Both")), nullptr);
        d.press(QStringLiteral("Both"));
        EXPECT_EQ(d.state(QStringLiteral("Both")), "multi on");
        d.run(20);
        EXPECT_EQ(d.slot(1), 200);
        EXPECT_EQ(d.slot(2), 150);
    }
    // The console quits and starts again on the same program folder.
    Desk d(dir.path());
    Shell& s = d.shell();
    ASSERT_NE(loadedForm<frmSequenceShortcuts>(), nullptr);
    ShortcutPages& pages = s.engine<ShortcutPages>();
    ASSERT_TRUE(pages.holdTimer().enabled()) << "the replay waits for the first tick";
    static_cast<FakeTickTimer&>(pages.holdTimer()).fire();
    EXPECT_FALSE(pages.holdTimer().enabled());
    EXPECT_EQ(d.state(QStringLiteral("Look A")), "on");
    EXPECT_EQ(d.state(QStringLiteral("Look B")), "on");
    EXPECT_EQ(d.state(QStringLiteral("Both")), "multi on");
    d.run(20);
    EXPECT_EQ(d.slot(1), 200);
    EXPECT_EQ(d.slot(2), 150);
    EXPECT_TRUE(d.prompts().messages.isEmpty()) << d.prompts().messages.join('|').toStdString();
}

#include "shortcuts/ui/frmAutoPilotWizard.h"
#include "support/ui/frmStartWizard.h"

TEST(ButtonPagesOnTheRunningConsole, anAutoPilotBuiltWithItsWizardStepsThroughTwoButtonsOnTheClock) {
    QTemporaryDir dir;
    ASSERT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
    Desk d(dir.path());
    Shell& s = d.shell();
    ASSERT_NO_FATAL_FAILURE(d.fileTwoLooks(dir.path()));
    const QString* names = Desk::names;

    // The top bar's button wizard opens the chooser; its auto-pilot choice the wizard.
    frmTop* top = loadedForm<frmTop>();
    ASSERT_NE(top, nullptr);
    top->cmdButtonWizard->click();
    frmStartWizard* chooser = loadedForm<frmStartWizard>();
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(chooser->isVisible());
    chooser->optWizardType[frmStartWizard::autoPilotButton]->click();
    chooser->cmdStart->click();
    frmAutoPilotWizard* wizard = loadedForm<frmAutoPilotWizard>();
    ASSERT_NE(wizard, nullptr);
    ASSERT_TRUE(wizard->isVisible());
    wizard->cmdTime->click(); // a minute per step
    wizard->cmdNext->click();
    d.press(names[0]);
    d.press(names[1]);
    wizard->cmdNext->click();
    wizard->txtFileName->setText(QStringLiteral("Tour"));
    wizard->cmdNext->click();
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmAutoPilotWizard>(), nullptr);
    ASSERT_NE(d.button(QStringLiteral("Tour")), nullptr) << d.prompts().messages.join('|').toStdString();

    // Everything released; the auto pilot takes over.
    top->cmdReleasePage->click();
    ASSERT_TRUE(d.waitFor(names[0], "off"));
    ASSERT_TRUE(d.waitFor(names[1], "off"));
    d.press(QStringLiteral("Tour"));
    EXPECT_EQ(d.state(QStringLiteral("Tour")), "auto on");
    EXPECT_EQ(d.state(names[0]), "on");
    d.run(20);
    EXPECT_EQ(d.slot(1), 200);
    ShortcutPages& pages = s.engine<ShortcutPages>();
    auto& lapse = static_cast<FakeTickTimer&>(pages.lapseTimer());
    auto& clock = static_cast<FakeClock&>(s.clock());
    const struct {
        int on, off;
        int channelOn, levelOn;
    } rounds[] = {{1, 0, 2, 150}, {0, 1, 1, 200}};
    for (const auto& r : rounds) {
        clock.ms += 30000;
        lapse.fire();
        EXPECT_EQ(d.state(names[r.off]), "on") << "half a minute is not yet the step's wait";
        clock.ms += 30000;
        lapse.fire();
        EXPECT_EQ(d.state(names[r.on]), "on");
        ASSERT_TRUE(d.waitFor(names[r.off], "off"));
        d.run(20);
        EXPECT_EQ(d.slot(r.channelOn), r.levelOn);
        EXPECT_EQ(d.slot(r.channelOn == 1 ? 2 : 1), 0);
    }
    // Its button stops it.
    d.press(QStringLiteral("Tour"));
    EXPECT_EQ(d.state(QStringLiteral("Tour")), "auto off");
    EXPECT_FALSE(pages.lapseTimer().enabled());
}

#include "shortcuts/ui/frmAddTimer.h"

#include <QCheckBox>
#include <QTimeEdit>
#include <QTimer>

TEST(ButtonPagesOnTheRunningConsole, aDailyTimerSetFromTheButtonMenuSwitchesTheButtonAtItsTime) {
    QTemporaryDir dir;
    ASSERT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
    Desk d(dir.path());
    Shell& s = d.shell();
    ASSERT_NO_FATAL_FAILURE(d.fileTwoLooks(dir.path()));
    const QString look = Desk::names[1];

    // The button's menu, "Set To Timer": picked once the menu is up.
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions())
            if (a->text() == QLatin1String("Set To Timer")) a->trigger();
        menu->close();
    });
    QPushButton* face = d.button(look);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, QPointF(5, 5), face->mapToGlobal(QPointF(5, 5)), Qt::RightButton,
                      type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(face, &e);
    }
    frmAddTimer* dialog = loadedForm<frmAddTimer>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Add timer to: ") + look);
    dialog->chkDailyOn[0]->setChecked(true); // Daily
    dialog->DTPickerON->setTime(QTime(21, 30));
    dialog->chkDailyOff[5]->setChecked(true); // Thursday
    dialog->DTPickeroff->setTime(QTime(23, 0));
    dialog->cmdAddTimer->click();
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmAddTimer>(), nullptr);
    EXPECT_TRUE(d.button(look)->text().contains(QStringLiteral("[timer]")));

    auto& clock = static_cast<FakeClock&>(s.clock());
    clock.time = QDateTime(QDate(2026, 12, 10), QTime(21, 29, 58)); // a Thursday
    d.run(30);
    EXPECT_EQ(d.state(look), "off");
    clock.time = QDateTime(QDate(2026, 12, 10), QTime(21, 30, 1));
    d.run(30); // the timers are looked up every 26th tick
    EXPECT_EQ(d.state(look), "on");
    d.run(20);
    EXPECT_EQ(d.slot(2), 150);
    clock.time = QDateTime(QDate(2026, 12, 10), QTime(23, 0, 0));
    d.run(30);
    EXPECT_TRUE(d.waitFor(look, "off"));
    d.run(20);
    EXPECT_EQ(d.slot(2), 0);
    EXPECT_TRUE(d.prompts().messages.isEmpty()) << d.prompts().messages.join('|').toStdString();
}

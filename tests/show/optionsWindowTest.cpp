#include "shell/services/playbackService.h"
#include "shell/settingsKeys.h"
#include "shell/ui/windowRegistry.h"
#include "show/ui/Options.h"
#include "show/ui/frmDriveDir.h"
#include "support/fakeFileSystem.h"
#include "support/fakePlatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

struct FakeTick : PlaybackService {
    int interval = 37;
    int32_t refreshIntervalMs() const override { return interval; }
    void setRefreshIntervalMs(int32_t ms) override { interval = ms; }
};

TEST(OptionsWindow, ShowsTheStoredSettingsAndWritesBackWhatChanges) {
    TestShell t;
    auto& tick = t.get().provide<PlaybackService>(std::make_unique<FakeTick>());
    ASSERT_TRUE(writeWholeFile(t.get().iniFile(), "[DualView]\r\nEnabled=True\r\n[InterfaceType]\r\noneConsole=true\r\n"
                                                  "[Webserver]\r\nPort=8123\r\nEnabled=False\r\n"
                                                  "[Status]\r\ncurrentMode=User Only\r\n"));
    Options& w = form<Options>();
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Preferences"));
    EXPECT_EQ(w.panels->currentWidget(), w.FrmPasswords);
    EXPECT_EQ(w.markOf(w.cmdPassword), Options::shownMark);
    EXPECT_EQ(w.cmbSelectMode->currentText(), QStringLiteral("User Only"));
    // 37 ms shows as 27 Hz.
    ASSERT_EQ(w.List1->count(), 6);
    for (int i = 0; i < w.List1->count(); ++i)
        EXPECT_EQ(w.List1->item(i)->checkState() == Qt::Checked, w.List1->item(i)->text() == "27 Hz");
    EXPECT_EQ(w.fixitcombo->count(), 400);

    w.cmdDualView->click();
    EXPECT_EQ(w.panels->currentWidget(), w.frmDualView);
    EXPECT_EQ(w.markOf(w.cmdPassword), 0);
    EXPECT_EQ(w.markOf(w.cmdDualView), Options::shownMark);
    EXPECT_TRUE(w.chkDualView->isChecked());
    EXPECT_FALSE(w.chkConsoleOne->isChecked()); // "true" is not "True"
    w.chkConsoleOne->click();
    EXPECT_EQ(settingsKeys::read(settingsKeys::oneConsole), QStringLiteral("True"));

    w.cmdRemote->click();
    EXPECT_EQ(w.txtPortNumber->text(), QStringLiteral("8123"));
    EXPECT_FALSE(w.chkEnableWebServer->isChecked());
    w.txtPortNumber->setText(QStringLiteral("9999"));
    EXPECT_EQ(settingsKeys::read(settingsKeys::webserverPort), QStringLiteral("8123"));
    w.txtPortNumber->setText(QStringLiteral("80"));
    EXPECT_EQ(settingsKeys::read(settingsKeys::webserverPort), QStringLiteral("80"));

    w.cmdDmxRefresh->click();
    QListWidgetItem* forty = w.List1->item(5);
    w.List1->setCurrentItem(forty);
    forty->setCheckState(Qt::Checked);
    const QPointF at = w.List1->visualItemRect(forty).center();
    QMouseEvent release(QEvent::MouseButtonRelease, at, w.List1->viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.List1->viewport(), &release);
    EXPECT_EQ(tick.interval, 25);
    EXPECT_EQ(settingsKeys::read(settingsKeys::dmxRefreshRate), QStringLiteral("25"));
    int checked = 0;
    for (int i = 0; i < w.List1->count(); ++i) checked += w.List1->item(i)->checkState() == Qt::Checked;
    EXPECT_EQ(checked, 1);

    w.cmdHardware->click();
    EXPECT_EQ(w.panels->currentWidget(), w.frmHardware);
    EXPECT_FALSE(w.chkEnableArtNet->isChecked());
    w.cmdSetDMXTiming->click();
    EXPECT_EQ(t.prompts().messages.last(), QStringLiteral(" No Hardware Detected: No interface is selected."));

    w.cmdVideoPlayback->click();
    EXPECT_EQ(w.panels->currentWidget(), w.noPanel);
    w.cmdDone->click();
    EXPECT_FALSE(w.isVisible());
}

TEST(DriveWindow, RestoreTurnsReadyOnlyOnAShowFolderInsideTheBackupRoot) {
    TestShell t;
    auto& files = static_cast<FakeFileSystem&>(t.get().files());
    const QString drive = files.addDrive(QStringLiteral("E"));
    QDir().mkpath(drive + "/VarnelDMXBackup/Club");
    frmDriveDir& w = form<frmDriveDir>();
    w.myMode = QStringLiteral("Restore");
    w.Form_Load();
    ASSERT_EQ(w.cmdDrive.size(), 2u);
    w.cmdDrive_Click(1);
    EXPECT_EQ(w.markOf(w.cmdDrive[1]), frmDriveDir::chosenMark);
    EXPECT_EQ(w.markOf(w.cmdOK), frmDriveDir::chosenMark);
    w.setFolder(drive + "/VarnelDMXBackup");
    EXPECT_EQ(w.markOf(w.cmdOK), frmDriveDir::chosenMark);
    w.setFolder(drive + "/VarnelDMXBackup/Club");
    EXPECT_EQ(w.markOf(w.cmdOK), frmDriveDir::restoreReadyMark);
    EXPECT_EQ(w.cmdOK->text(), QStringLiteral("Restore: Club"));
    EXPECT_FALSE(w.Dir1->isEnabled());
    w.cmdDrive_Click(1);
    EXPECT_EQ(w.markOf(w.cmdOK), frmDriveDir::chosenMark);
    EXPECT_TRUE(w.Dir1->isEnabled());
}

} // namespace

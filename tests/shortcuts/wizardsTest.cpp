// The Auto Pilot and Multi Button wizards over a page of three sequence
// buttons: the buttons pressed while a wizard is open become the steps or
// the members of the new button, saved into the shown page.

#include "shortcuts/pressDesk.h"

#include "shell/ui/windowRegistry.h"
#include "shortcuts/ui/frmAutoPilotWizard.h"
#include "shortcuts/ui/frmMultiWizard.h"
#include "shortcuts/ui/frmSequenceShortcuts.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct WizardPage : PressDesk {
    WizardPage() {
        for (int i = 0; i < 3; ++i) button("Main", QString(QChar('A' + i)), 585, 30 + i * 1155);
        open();
    }
    FakePrompts& prompts() { return t.prompts(); }
    QString file(const QString& name) const { return t.showFolder() + "/Main/" + name; }
};

void key(QWidget* w, int k, const QString& text = QString()) {
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

TEST(AutoPilotWizard, RecordsThePressesOfStepTwoAndSavesThemUnderTheTypedName) {
    WizardPage d;
    d.t.get().shortcuts().showAutoPilotWizard();
    frmAutoPilotWizard* w = loadedForm<frmAutoPilotWizard>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->step(), 1);
    EXPECT_TRUE(w->lblInstuctions->text().startsWith("Set the time interval"));
    EXPECT_TRUE(w->txtFileName->isHidden());
    EXPECT_FALSE(w->cmdTime->isHidden());
    // The wizard starts in beats mode; the panel hears of it only on a change.
    EXPECT_FALSE(w->timeSelected());
    d.pages->beatsMode = true;
    w->cmdTime->click();
    EXPECT_TRUE(w->timeSelected());
    EXPECT_FALSE(d.pages->beatsMode);
    w->UdTimeUp->click(); // 1 -> 2 minutes, copied to the panel's box
    EXPECT_EQ(d.pages->txtTime, "2");
    for (int i = 0; i < 12; ++i) w->UdTimeUp->click();
    EXPECT_EQ(w->txtTime->text(), "10"); // the arrows stop at 10

    w->cmdNext->click();
    EXPECT_EQ(w->step(), 2);
    EXPECT_TRUE(d.pages->autoPilotBuilding);
    EXPECT_TRUE(w->cmdTime->isHidden());
    d.press("A");
    // Back from step 3 to step 2 starts the list afresh.
    w->cmdNext->click();
    w->cmdBack->click();
    EXPECT_EQ(w->step(), 2);
    EXPECT_TRUE(d.pages->autoPilotSteps.empty());
    d.press("A");      // top: releases
    d.press("B", 700); // bottom: stacks
    d.press("C");
    w->cmdNext->click();
    EXPECT_EQ(w->step(), 3);
    EXPECT_FALSE(d.pages->autoPilotBuilding);
    EXPECT_EQ(w->cmdNext->text(), "Save");
    EXPECT_FALSE(w->txtFileName->isHidden());
    d.press("A"); // no longer recorded
    EXPECT_EQ(d.pages->autoPilotSteps.size(), 3u);

    // The placeholder is refused; a name that cannot be a file too.
    w->cmdNext->click();
    EXPECT_EQ(d.prompts().messages.last(), "Enter Name for Auto Pilot Button");
    EXPECT_FALSE(QFile::exists(d.file("Enter Auto Pilot Button Name Here.YTO")));
    w->txtFileName->setText("a/b");
    w->cmdNext->click();
    EXPECT_TRUE(d.prompts().messages.last().contains("a/b"));
    EXPECT_NE(loadedForm<frmAutoPilotWizard>(), nullptr);

    // A key in the name box clears the placeholder before its character goes in; Enter saves.
    w->txtFileName->setText(frmAutoPilotWizard::placeholder());
    key(w->txtFileName, Qt::Key_E, "E");
    EXPECT_EQ(w->txtFileName->text(), "E");
    w->txtFileName->setText("Evening");
    key(w->txtFileName, Qt::Key_Return);
    const auto steps = multiButtons::decode(readWholeFile(d.file("Evening.YTO")));
    ASSERT_EQ(steps.size(), 3u);
    const bool release[3] = {true, false, true};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(steps[i].theName.trimmed(), QString(QChar('A' + int(i))));
        EXPECT_EQ(steps[i].releaseActive, release[i]) << i;
        EXPECT_TRUE(steps[i].timeBool);
        EXPECT_EQ(steps[i].theTime, 10.0f);
    }
    EXPECT_GT(d.index("Evening"), 0);
    EXPECT_TRUE(d.pages->flashButton);
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmAutoPilotWizard>(), nullptr);
}

TEST(MultiWizard, PressedButtonsBecomeTheMembersOfTheNewMulti) {
    WizardPage d;
    d.press("A");
    d.press("C", 700);
    d.pages->currentMultiEditing = QStringLiteral("Old");
    // From the start wizard: a new multi, not the one last edited.
    d.t.get().shortcuts().showMultiWizard(QString());
    frmMultiWizard* w = loadedForm<frmMultiWizard>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->txtFileName->text(), frmMultiWizard::placeholder());
    EXPECT_EQ(w->cmdNext->text(), "Save");
    // A name that cannot be a file is refused and the wizard stays.
    w->txtFileName->setText("x:y");
    w->cmdNext->click();
    EXPECT_TRUE(d.prompts().messages.last().contains("x:y"));
    EXPECT_TRUE(w->isVisible());
    w->txtFileName->setText("Both");
    key(w->txtFileName, Qt::Key_Return);
    const auto members = multiButtons::decode(readWholeFile(d.file("Both.MUL")));
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].theName.trimmed(), "A");
    EXPECT_EQ(members[1].theName.trimmed(), "C");
    EXPECT_EQ(members[1].myPage.trimmed(), "Main");
    EXPECT_GT(d.index("Both"), 0);
    // The pressed buttons play on.
    EXPECT_GT(d.playbackOf("A"), 0);
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmMultiWizard>(), nullptr);
}

TEST(MultiWizard, NothingPressedClosesWithTheMessageAndAnEditedMultiOffersItsName) {
    WizardPage d;
    d.pages->currentMultiEditing = QStringLiteral("Old");
    // "Save Multi" keeps the name of the multi being edited.
    d.t.get().shortcuts().showMultiWizard(QStringLiteral("multiPlaybackMode"));
    EXPECT_EQ(loadedForm<frmMultiWizard>()->txtFileName->text(), "Old");
    EXPECT_EQ(loadedForm<frmMultiWizard>()->lblTitle->text(), "Multi From all Playbacks");
    d.t.get().shortcuts().showMultiWizard(QString());
    frmMultiWizard* w = loadedForm<frmMultiWizard>();
    EXPECT_TRUE(w->mode().isEmpty());
    w->recieveStateChange(1);
    EXPECT_EQ(w->cmdNext->text(), "Next");
    w->cmdNext->click(); // steps on to the save step
    EXPECT_EQ(w->step(), 2);
    EXPECT_EQ(w->cmdNext->text(), "Save");
    w->cmdNext->click();
    EXPECT_EQ(d.prompts().messages.last(), "Try Again. Please Select one or More buttons to create a Multi Button");
    EXPECT_FALSE(QFile::exists(d.file(frmMultiWizard::placeholder() + ".MUL")));
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmMultiWizard>(), nullptr);
}

} // namespace

#pragma once
// "Auto Pilot Wizard": makes a new auto-pilot button in three steps. Step 1
// chooses the wait after each step (minutes or beats; the choice goes to the
// pages' auto-pilot panel), step 2 records the sequence buttons the operator
// presses on the pages (the pages' building mode), step 3 names the button
// and saves it into the shown page. Shown modeless beside the pages.

#include <QString>
#include <QWidget>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class frmAutoPilotWizard : public QWidget {
    Q_OBJECT
public:
    static QString placeholder() { return QStringLiteral("Enter Auto Pilot Button Name Here"); }

    // Loads at step 1.
    explicit frmAutoPilotWizard(QWidget* parent = nullptr);

    void cmdNext_Click();
    void cmdBack_Click();
    // Either mark switches to the other mode, and both marks go to the panel.
    void cmdTime_Click();
    void cmdBeats_Click() { cmdTime_Click(); }
    int32_t step() const { return wizardStep; }
    // The wizard's own mark: true when Time is selected.
    bool timeSelected() const { return timeMode; }

    QLabel* lblTitle = nullptr;
    QLabel* lblInstuctions = nullptr;
    QPushButton* cmdTime = nullptr;
    QPushButton* cmdBeats = nullptr;
    QLineEdit* txtTime = nullptr;
    QLineEdit* txtBeats = nullptr;
    // The up-down arrows of the two boxes: minutes by 1 (0..10), beats by 16 (0..5000).
    QToolButton* UdTimeUp = nullptr;
    QToolButton* UdTimeDown = nullptr;
    QToolButton* UdBeatUp = nullptr;
    QToolButton* UdBeatDown = nullptr;
    QLineEdit* txtFileName = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdBack = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showWizardStep();
    void showIntervalControls(bool visible);
    void paintMarks();
    void typing();
    int32_t wizardStep = 0;
    bool timeMode = false; // the wizard starts in beats mode
};

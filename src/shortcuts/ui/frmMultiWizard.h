#pragma once
// "Multi Button Wizard": names a new multi button and saves it. In the
// pressed-buttons mode (from the start wizard) every pressed sequence button
// of every page becomes a member, in press order; in the all-playbacks mode
// (the console's "Save Multi") the sequence of every shown playback is saved
// into the show folder and the multi lists them all. Shown modeless; Save
// and Cancel unload it. A multi being edited offers its own name.

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class frmMultiWizard : public QWidget {
    Q_OBJECT
public:
    static QString placeholder() { return QStringLiteral("Enter Multi Button Name Here"); }

    explicit frmMultiWizard(QWidget* parent = nullptr);

    // A non-empty mode collects every active playback into the multi button.
    void setWizardMode(const QString& themode);
    const QString& mode() const { return wizardMode; }
    void cmdNext_Click();
    // Shows step n's texts (pressed-buttons mode only).
    void recieveStateChange(int32_t TheNewState);
    int32_t step() const { return wizardStep; }

    QLabel* lblTitle = nullptr;
    QLabel* lblInstuctions = nullptr;
    QLineEdit* txtFileName = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdBack = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typing();
    void finish();
    void showWizardStep();
    QString wizardMode;
    int32_t wizardStep = 0;
};

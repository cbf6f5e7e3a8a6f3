#pragma once
// "Task": the operator chooses which kind of button to create on the
// current page (sequence, multi or auto-pilot button); Start opens that
// wizard afresh and closes the chooser. A wizard not built yet is disabled
// with its tooltip.

#include <QWidget>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

class frmStartWizard : public QWidget {
    Q_OBJECT
public:
    explicit frmStartWizard(QWidget* parent = nullptr);

    enum WizardType { sequenceButton = 0, multiButton = 1, autoPilotButton = 2 };
    // Whether the wizard of a choice can be opened now; the reason when not.
    static QString unavailableReason(int type);

    // Back to "Sequence Button" (or the first choice available).
    void resetChoice();
    void cmdStart_Click();
    // A click on a row's picture selects its choice.
    void image_Click(int type);

    QRadioButton* optWizardType[3] = {nullptr, nullptr, nullptr};
    QLabel* lblExplain[3] = {nullptr, nullptr, nullptr};
    QLabel* images[3] = {nullptr, nullptr, nullptr};
    QPushButton* cmdStart = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QButtonGroup* group = nullptr;
};

#pragma once
// "Sequence Properties": names the current playback's sequence and saves it
// as a button of the shown page (SequencePropertiesEngine does the Save).
// Its crossfade section acts at once on the current playback: Cross Fade
// In/Out, the fade-in and fade-out times (typed, or stepped with the arrows
// in "00.00" form) and the fade-scenes choice. In the fade-editor mode (a
// button's "Adjust Fade In and Fade Out Times") only that section shows and
// closing writes the playback's fade settings into its sequence file.
// Shown modeless and kept on top; Save only hides it, Cancel unloads it.

#include "shortcuts/sequenceProperties.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class sequenceProperties : public QWidget {
    Q_OBJECT
public:
    explicit sequenceProperties(QWidget* parent = nullptr);

    // Loads the fields for playback n (the opener's "playback") and the
    // crossfade section from the current playback.
    void setPlayback(int32_t playbackNumber);
    // Replaces the name box's text as typed by the operator.
    void setButtonName(const QString& name);
    void saveButton_Click();
    // The fade-editor mode: the title and the crossfade section alone.
    void setFadeChangeMode(bool on);
    bool FadeChangeMode = false;

    SequencePropertiesEngine engine;
    QLabel* lblTitle = nullptr;
    QCheckBox* fadeInCheck = nullptr;
    QLineEdit* txtFadeInTimeValue = nullptr;
    QLineEdit* txtFadeOutTime = nullptr;
    // The arrows, [0] up and [1] down: whole seconds and twentieths of the two boxes.
    QToolButton* upDnSec[2] = {};
    QToolButton* upDnMilSec[2] = {};
    QToolButton* udFadeOutSecond[2] = {};
    QToolButton* upFadeoutFrame[2] = {};
    QCheckBox* chkUseSeqqFadetime = nullptr;
    QCheckBox* chkUseMotionfade = nullptr;
    QRadioButton* optPlayStart[3] = {};
    QRadioButton* optSaveOption[3] = {};
    QLineEdit* txtButtonName = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* saveButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void mirror();
    void typing();
    void loadCrossFade();
    void arrow(QLineEdit* box, bool fadeOutBox, SequencePropertiesEngine::Arrow which);
    QWidget* crossFadeSection = nullptr;
    QWidget* otherSections = nullptr;
};

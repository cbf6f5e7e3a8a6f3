#pragma once
// "Sequence Properties": names the current playback's sequence and saves it
// as a button of the shown page (SequencePropertiesEngine does the Save).
// Shown modeless and kept on top; Save only hides it, Cancel unloads it.

#include "shortcuts/sequenceProperties.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class sequenceProperties : public QWidget {
    Q_OBJECT
public:
    explicit sequenceProperties(QWidget* parent = nullptr);

    // Loads the fields for playback n (the opener's "playback").
    void setPlayback(int32_t playbackNumber);
    // Replaces the name box's text as typed by the operator.
    void setButtonName(const QString& name);
    void saveButton_Click();

    SequencePropertiesEngine engine;
    QLabel* lblTitle = nullptr;
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
};

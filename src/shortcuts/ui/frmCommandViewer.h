#pragma once
// "Command Builder": edits the command of one step of a playback (what runs
// when the playback, in Auto Trigger or Audio mode, advances into it). Opened
// from the command column of a playback window's step grid at the pointer;
// every opening reads the command of the current step of the current
// playback afresh, and Save writes into that same step.

#include <QString>
#include <QWidget>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmCommandViewer : public QWidget {
    Q_OBJECT
public:
    explicit frmCommandViewer(QWidget* parent = nullptr);

    // Reads the current step's command of the current playback into the boxes.
    void load();
    // Captions and the file dialog's filter for the selected type.
    void setupForm();
    void cmdOpenFile_Click();
    // Writes the boxes into the step it was opened for and closes; refused
    // (with a message) while no type is selected.
    void cmdSave_Click();
    // The playback and step the window edits.
    int32_t playback() const { return editedPlayback; }
    int32_t step() const { return editedStep; }

    QComboBox* cmboCommandType = nullptr;
    QLabel* lblParam1 = nullptr;
    QLabel* lblParam2 = nullptr;
    QLineEdit* txtParamOne = nullptr;
    QLineEdit* txtParam2 = nullptr;
    QPlainTextEdit* txtNotes = nullptr;
    QPushButton* cmdOpenFile = nullptr;
    QPushButton* cmdSave = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString fileFilter, fileName;
    int32_t editedPlayback = 0, editedStep = 0;
};

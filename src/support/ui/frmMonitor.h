#pragma once
// The monitor chooser: the whole desktop drawn at reduced scale with one
// button per monitor in its place, and the "Playback Fullscreen" option of
// the media window. Shown modally by ShowMonitorDialog.

#include <QDialog>
#include <cstdint>
#include <vector>

class clsMonitors;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

class frmMonitor : public QDialog {
    Q_OBJECT
public:
    // The screen's twips per pixel the picture's height formula is made for.
    static constexpr int twipsPerPixel = 15;

    frmMonitor(clsMonitors& monitors, QWidget* owner = nullptr);

    void setDialogCaption(const QString& CaptionString);
    void setPrompt(const QString& PromptString);
    // Where the full-screen choice goes, written at once as the box changes.
    void setFullScreenTarget(bool* target);
    // Lays the dialog out for the monitors and centres it on its owner's
    // monitor (the primary one without owner).
    void layoutDialog();
    // Lays out, shows modally and returns DialogResult.
    int32_t ShowDialog();
    // 0, or the chosen monitor's 1-based position.
    int32_t DialogResult() const { return result_; }

    void cmdMonitor_Click(int index);
    void cmdAction_Click(int index);
    void chkFullScreen_Click();

    QFrame* picDesktop = nullptr;
    std::vector<QPushButton*> cmdMonitor;
    QLabel* lblPrompt = nullptr;
    QCheckBox* chkFullScreen = nullptr;
    QPushButton* cmdAction[2] = {nullptr, nullptr};

private:
    clsMonitors& cMonitorClass;
    QWidget* owner;
    bool* fullScreen = nullptr;
    int32_t pendingChoice = 0;
    int32_t result_ = 0;
};

namespace monitorChooser {
// Shows the chooser for these monitors; the chosen monitor's position, 0
// when none. fullScreen, when given, follows the box.
int32_t ShowMonitorDialog(clsMonitors& monitors, const QString& prompt, const QString& caption,
                          QWidget* ownerForm = nullptr, bool* fullScreen = nullptr);
} // namespace monitorChooser

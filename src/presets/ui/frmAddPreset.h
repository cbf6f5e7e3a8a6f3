#pragma once
// "Create Preset From Current Look.": one check box per channel type of the
// show's profiles; the ticked types of the live levels become a preset file
// on the page the dialog was opened from. Modeless, above the others, so the
// operator sets the look with the attribute wheels while it is open.

#include <QString>
#include <QWidget>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class frmAddPreset : public QWidget {
    Q_OBJECT
public:
    frmAddPreset();

    // Set by the opener before loadBoxes.
    QString otherMode;           // "color", "gobo", "beam", "rotation", "shutter", "function"
    bool panAndTiltMode = false; // opened from the Position page
    QString myPalleteToSave;     // the page type the preset goes to
    int pagePresetCount = 0;     // buttons of that page, the create-new button included

    // Builds the channel boxes from the present profiles, ticks those of the
    // page and proposes the default name.
    void loadBoxes();

    std::vector<QCheckBox*> chkPreset; // boxes 1..n (index - 1)
    QLabel* lblEnterPresetName = nullptr;
    QLineEdit* txtPresetName = nullptr;
    QListWidget* List1 = nullptr;
    QLineEdit* txtDisplayRepresentation = nullptr;
    QRadioButton* optSelectionMode[2] = {nullptr, nullptr};
    QPushButton* cmdCreatePreset = nullptr;

    // Ticks the first box captioned channelName (trimmed, exact case).
    void checkPresetChkIfFound(const QString& channelName);
    // Ticks every box captioned channelName (a wheel of that type moved).
    void enableChannel(const QString& channelName);
    // Writes the preset; true when it was saved (the dialog then closes).
    bool cmdCreatePreset_Click();
    // A representation kind chosen: "color", "bitmap" or "text".
    void List1_Click(const QString& item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* boxArea = nullptr;
};

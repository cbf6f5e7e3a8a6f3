#pragma once
// The options window ("Preferences"): a column of section buttons and one
// panel per section for the user mode and its lock code, the refresh rate,
// the start-up show, MIDI, the USB-to-DMX interfaces and Art-Net, dual view
// and one-console mode, and the web server. Every change is stored in
// ylc.ini at once; "Done" closes the window.

#include "show/interfaceSettings.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;

class Options : public QWidget, public InterfaceSettingsView {
    Q_OBJECT
public:
    explicit Options(QWidget* parent = nullptr);
    ~Options() override;

    // The colour marks of the section buttons: 32768 on the shown one.
    static constexpr int shownMark = 32768;
    static constexpr int pendingMark = 255;
    int markOf(QPushButton* button) const;

    // Section buttons, in their column's order, and "Done".
    QPushButton *cmdPassword, *cmdDmxRefresh, *cmdStartFile, *cmdMidi, *cmdVideoPlayback, *cmdHardware, *cmdDualView,
        *cmdRemote, *cmdDone;
    QStackedWidget* panels;
    QWidget *FrmPasswords, *frmDmxRefresh, *frmStartupFile, *frmMidi, *frmHardware, *frmDualView, *frmWebServer,
        *noPanel;

    // Password
    QComboBox* cmbSelectMode;
    QPushButton* cmdChangePassword;
    // DMX Refresh
    QListWidget* List1;
    QComboBox* fixitcombo;
    QPushButton* cmdSetDMXTimingRefresh;
    // Start Show
    QLineEdit* Text2;
    QPushButton* SelectStartup;
    // MIDI
    QToolButton* cmdSelectMidi;
    QMenu* midiMenu;
    // Hardware
    QToolButton* cmdHardwareList;
    QMenu* hardwareMenu;
    QLineEdit *txtSerialNumber, *txtUniverse;
    QToolButton *udUniverseUp, *udUniverseDown;
    QPushButton *cmdApply, *cmdReDetectHardware, *cmdSetDMXTiming;
    QCheckBox* chkEnableArtNet;
    // Dual View
    QCheckBox *chkConsoleOne, *chkDualView;
    // Web Server
    QCheckBox* chkEnableWebServer;
    QLineEdit *txtPortNumber, *lblWebAdress;

    InterfaceSettings interfaces{this};

    // Section buttons.
    void showSection(QPushButton* button);
    // Handlers.
    void cmbSelectMode_Click(const QString& chosen);
    void cmdChangePassword_Click();
    void applyDmxRefreshRate();
    void SelectStartup_Click();
    void fillMidiDeviceList();
    void cmdSelectMidi_ItemClick(const QString& entry);
    void cmdHardwareList_Dropdown();
    void cmdHardwareList_ItemClick(int position);
    void UdUniverse_Change(int step);
    void cmdSetDMXTiming_Click();
    void chkEnableWebServer_MouseUp();

    // InterfaceSettingsView
    void showHardwareSection() override;
    void interfaceStateChanged() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makePasswordPanel();
    QWidget* makeRefreshPanel();
    QWidget* makeStartupPanel();
    QWidget* makeMidiPanel();
    QWidget* makeHardwarePanel();
    QWidget* makeDualViewPanel();
    QWidget* makeWebPanel();
    void setMark(QPushButton* button, int mark);
    void hideAllSections();
    void List1_ItemCheck(int row);
    std::array<QPushButton*, 8> sectionButtons() const;
};

#pragma once
// The playback window: transport buttons, trigger options, the dimmer and
// fade-time sliders, the four progress sliders, the step label and the
// sequence grid. It holds no playback state of its own: it mirrors the
// engine it is given (refreshFromEngine) and turns the operator's actions
// into engine calls.

#include "playback/playbackViews.h"

#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <vector>

class PlaybackEngine;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QAction;
class QMenu;
class QPushButton;
class QRadioButton;
class QMouseEvent;
class QKeyEvent;
class QLineEdit;
class QFocusEvent;
class QSlider;
class QTableWidget;

class frmPlayBackControl : public QWidget, public PlaybackView {
    Q_OBJECT
public:
    explicit frmPlayBackControl(PlaybackEngine& engine, QWidget* parent = nullptr);
    ~frmPlayBackControl() override;

    PlaybackEngine& engine() { return eng; }

    // Puts the engine's state into the controls (without feeding it back).
    void refreshFromEngine();
    // Fills the sequence grid from the engine's steps.
    void displaySequenceData() override;
    // The engine's state changed.
    void displayChanged() override { refreshFromEngine(); }
    // Selects the command cell of the current step's row.
    void showEditCommandDialog() override;
    // A click on the grid's cell (row, col), the pointer at pointer (screen
    // pixels): a time column opens the keypad there, the name column the
    // scene-name box over the cell, the command column the command editor.
    // Every click makes the next advance keep the current step.
    void msfgSequenceDetail_Click(int row, int col, const QPoint& pointer);
    // The keypad's value, rounded to 2 decimals, into the selected row's cell
    // of this column; then the current step takes its row of the grid.
    bool enterGridValue(int column, double value) override;
    // Enter in the scene-name box: the cell and the current step's name take its text.
    void txtSceneName_Enter();
    // The cells of one grid row by column ("" where a cell is empty).
    QStringList gridRow(int row) const;
    // The remote menu ("Load Sequence Cuelist", "Play", "Stop") over the window.
    void showMenu() override;
    // The load dialog, the load and the Auto Trigger question.
    void loadSequence() override;
    // The background: the active playback's colour or dark grey. Only the
    // window itself takes it, never its controls.
    void setBackColour(const QString& colour);
    // "Save Changes to current Sequence Cuelist": the save dialog for this playback.
    void clkSaveChangesToSequence_Click();

    // The window menu (a click on the background) and the remote menu.
    QMenu* clkMenu = nullptr;
    QMenu* clkRemoteMenu = nullptr;
    // The View menu: the loaded playbacks (each entry keeps its playback
    // number), the main window, arranging, the shortcut panel and the four
    // view modes.
    QMenu* mnuView = nullptr;
    QMenu* mlstPlayback = nullptr;
    QAction* clkShowShortcuts = nullptr;
    QAction* clkDisplaySequence = nullptr;
    QAction* clkDefaultView = nullptr;
    QAction* clkCompactView = nullptr;
    QAction* clkMicroViewMode = nullptr;
    // The shortcut panel: one button per sequence of this playback, placed
    // as the panel's rule computes (twips at 15 per pixel); a release loads
    // the button's sequence into its playback.
    class QGroupBox* frmShorstcuts = nullptr;
    std::vector<QPushButton*> cmdShortcut;
    // The button menu ("Button Mneu") of the button last pressed with the right button.
    QMenu* clkButtonMenu = nullptr;
    int shortcutMenuButton = -1;
    void loadShortcutsOnFrame() override;
    // Buttons of a running sequence blue, the others orange; the window's
    // icon the lit lamp while this playback runs, the dark one otherwise.
    void checkActivePlaybacks(const QString& theSequence) override;
    // After this playback's sequence changed: the MASTER buttons, then this panel.
    void refreshPlaybackStatusOnShortcuts();
    bool checkForShortcut(const QString& shortcutName, bool playIfFound) override;
    // "Move Sequence Shortcut": the button turns red and can be dragged to
    // another place on the panel; a press on it no longer plays it (until
    // the panel is rebuilt).
    void clkMoveSequenceShortcut_Click();
    bool isMovable(const QPushButton* button) const;
    // Sets the view flags (sequence data, compact) and applies them.
    void setPlaybackViewMode(bool sequenceData, bool compact);
    void clkShowShortcuts_Click();
    // Rebuilds "Show Loaded Playbacks" from the visible playback windows.
    void clkView_Click();

    // Controls, by their designed names.
    QPushButton* cmdGo = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdFoward = nullptr;
    QPushButton* cmdPause = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmbBeatSync = nullptr;
    QRadioButton* optMode[3] = {nullptr, nullptr, nullptr};
    QSlider* sliderDimmer = nullptr;
    QSlider* vsliderFadeTime = nullptr;
    QSlider* pbDelayIn = nullptr;
    QSlider* pbDelayOut = nullptr;
    QSlider* pbFadeIn = nullptr;
    QSlider* pbFadeOut = nullptr;
    QLabel* lblStepNumber = nullptr;
    QLabel* lblBPM = nullptr;
    QCheckBox* chkUseMotionfade = nullptr;
    QCheckBox* ckForceFadeTime = nullptr;
    QTableWidget* msfgSequenceDetail = nullptr;
    // The scene-name box, shown over a name cell of the grid.
    QLineEdit* txtSceneName = nullptr;

protected:
    // The right button on the beat button holds the playback while pressed
    // and restarts it on the beat when released.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Keys typed while the window or its shortcut panel has the focus go to
    // the keyboard triggers, which pass unassigned keys to the main window.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // Taking the focus lights this playback's fader strip.
    void focusInEvent(QFocusEvent* event) override;

private:
    void buildMenus();
    void buildSceneNameBox();
    void buildViewMenu();
    void pressShortcut(QPushButton* button);
    bool shortcutButtonEvent(QPushButton* button, int index, QEvent* event);
    void forwardKey(const QKeyEvent& event, bool down);
    void showRunningIcon(bool running);
    void fitCanvas();
    QWidget* shortcutCanvas = nullptr;
    // The draggable buttons, and the drag under way (the grab point within the button).
    std::vector<QPushButton*> movableButtons;
    QPushButton* draggedButton = nullptr;
    QPoint grabOffset;
    int iconImage = 0;
    // Sizes the window for its view mode and shortcut panel, stores the
    // settings, and hides the window (a running playback comes back on the
    // next tick).
    void applyPlaybackViewMode();
    // The object name carries the playback number, so style sheets can name
    // this window alone.
    void followPlaybackNumber();
    PlaybackEngine& eng;
    QString backColour = QStringLiteral("rgb(64,64,64)");
    class QMenuBar* menuBar = nullptr;
    QButtonGroup* modeGroup = nullptr;
    bool mirroring = false;
};

// A step time as the grid shows it: at least two whole digits and one or two
// decimals ("01.5", "12.25", "00.0").
QString sequenceTimeText(float seconds);

#pragma once
// The programming console: the lower band of the main window. Its buttons,
// sliders and boxes call the console engine (Console) and the playback
// service for the current playback; they show what the engine mirrors and
// what the playback engine writes through the main-window service.

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

class Console;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QSlider;
class QToolButton;

class ConsoleBand : public QWidget {
    Q_OBJECT
public:
    explicit ConsoleBand(QWidget* parent = nullptr);

    // The console engine while it runs; null once it is gone.
    static Console* engine();
    // The band on the main window; null without one.
    static ConsoleBand* shown();
    // Shows the engine's mirrored state (toggles, colours, captions, sliders).
    void refresh();

    // Displays the playback engine writes.
    void showStepNumber(const QString& text, int32_t colour);
    void showProgressMaximum(int32_t bar, float maximum);
    void showProgressValue(int32_t bar, float value);
    void showDimmer(int32_t value);
    void showFadeTime(int32_t value);
    void showFadeScenes(bool on);
    void showSequenceDetails(const QString& text);
    // Disables the programming buttons and prints "LOCKED", or the reverse.
    void setProgrammingLocked(bool locked);
    bool programmingEnabled() const;

    // A face colour (blue-green-red) put on a control by its own named rule.
    static void paint(QWidget* w, int32_t colour);
    static int32_t faceColour(const QWidget* w);

    // Run controls (captions and tooltips as the operator knows them).
    QPushButton *BTON, *BT_OFf, *cmdPause, *StepFoward, *StepPrevious;
    QLabel *lblScene, *stepNumber;
    QToolButton* cmdOveride;
    QPushButton *cmdAllPlaybacks, *cmdBlackOut, *cmdAutoFollow, *cmdBPM;
    std::array<QPushButton*, 3> cmdCreateNew{};
    QPushButton* cmdSaveMulti;
    QToolButton *cmdSceneList, *cmdEdit;
    QPushButton* cmdShowProperties;
    QLineEdit* txtSequenceDetails;
    // Recording.
    QPushButton *bt_store, *cmdRecordAndAddScene, *cmdSaveChanges;
    // Timing and level.
    QLabel *lblSpeed, *lblPlaybackDimmer;
    QSlider *sldrFadetime, *sldrDimmer;
    QCheckBox *chkUseFadetime, *chkFade;
    std::array<QLabel*, 6> lblFadeTime{};
    std::array<QLineEdit*, 6> txtfadeTime{};
    std::array<QProgressBar*, 5> pBar{};
    QLabel* lblLocked;
    // The pop-ups of the drop-down buttons.
    QMenu *playbackMenu, *sceneMenu, *editMenu;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRunRow(class QBoxLayout* row);
    void buildProgrammingRow(class QBoxLayout* row);
    QWidget* buildTimingRow();
    void connectRunControls();
    void connectRecording();
    void connectTiming();
    void fillSceneList();
    void choosePlayback(const QString& caption);
    void timeBoxClicked(int32_t index);
    void setSequenceDetailsFocus(bool focus);
    // The thirteen buttons that lock together with the current playback.
    std::array<QWidget*, 13> programmingButtons() const;
    // Pressed face: a button turns white while held, then gets its colour back.
    void pressedFace(QPushButton* button);
    int32_t pressedFaceMemory = 0;
    // True while a display is written, so the controls' own handlers stay quiet.
    bool mirroring = false;
};

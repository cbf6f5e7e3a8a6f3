#pragma once
// The audio trigger window ("Audio Trigger"): sound input and start, the
// band, threshold and sensitivity sliders, the level meter, the BPM button
// and tempo slider, the skip buttons and the settings menu. It mirrors the
// beat detector (audio/beatDetector.h) and calls its handlers.

#include "audio/beatDetector.h"

#include <QWidget>
#include <array>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSlider;
class QToolButton;

class BeatDetect : public QWidget, public BeatDetectView {
    Q_OBJECT
public:
    BeatDetect();
    ~BeatDetect() override;

    void beatDetectChanged() override;

    QPushButton* StartButton;
    QToolButton* DevicesBox;
    QMenu* devicesMenu;
    QPushButton* cmdPreferences;
    QMenu* clkMenu;
    QPushButton* cmdBPM;
    QPushButton* ButtonPlus1;
    std::array<QPushButton*, BeatDetector::skipButtons> cmdSkip{};
    QComboBox* Combo1;
    QSlider* Slider1;
    QSlider* Slider2;
    QSlider* rangeSlider;
    QSlider* Sensitivity;
    QSlider* hsldrTempo;
    QProgressBar* volBar;
    QPushButton* txtClip;
    QLabel* thresholdValue; // Label1 (4)
    QLabel* bandStart;      // Label1 (5)
    QLabel* rangeLabel;
    std::array<QAction*, 4> responseItems{};
    std::array<QAction*, 3> triggerTypeItems{};
    QAction* autoAdjust;
    QAction* manualAdjust;
    std::array<QAction*, 8> styleItems{};

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void placeAtLoad();
    void storePlacement();
    BeatDetector& engine;
    bool mirroring = false;
};

class Shell;
// Attaches the audio trigger window to the audio engine (when sound-to-light starts).
void attachAudioTriggerWindow(Shell& s);

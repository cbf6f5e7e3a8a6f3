#pragma once
// The engine of the audio trigger window (BeatDetect): capture from the sound
// input into 1,024-point spectra, the band level and beat decision on every
// tick of the analysis timer, the tempo from the intervals between beats,
// beat emulation at the tempo while capture is off, tap tempo, music styles
// and the window's settings in section "Audio Trigger" of ylc.ini. It keeps
// the state of every control the window shows; the window mirrors it and
// calls the handlers below. Everything runs on the user-interface thread.
//
// Each beat, detected or emulated, goes to the scheduler's trigger, to the
// shortcut pages (beat counter and auto pilot) and, as a tempo, to the fade
// times of the playbacks; each fresh spectrum goes to the playbacks'
// sound-to-matrix renderers.

#include "audio/AudioFFT.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class TickTimer;

// Colours in blue-green-red order; -1 is the control's own colour.
namespace beatColours {
constexpr int32_t none = -1, black = 0, red = 255, green = 65280, blue = 16711680, darkBlue = 4194304,
                  darkGrey = 4210752;
}

// What the window implements to follow the engine: something changed.
class BeatDetectView {
public:
    virtual ~BeatDetectView() = default;
    virtual void beatDetectChanged() = 0;
};

class BeatDetector {
public:
    static constexpr int skipButtons = 5;
    // Menu items in menu order (their names are the stored values).
    static const QStringList responseItems;    // lowTimer medTimer highTimer xtremeTimer
    static const QStringList triggerTypeItems; // stepTrigger bpmAdjust bpmWithEmulation
    static const QStringList styleItems;       // uniStyle lStyle rStyle hStyle tStyle bStyle cStyle rockStyle
    static const QStringList skipCaptions;     // "0" "2" "4" "8" "16"

    BeatDetector();
    ~BeatDetector();
    BeatDetector(const BeatDetector&) = delete;
    BeatDetector& operator=(const BeatDetector&) = delete;

    void attach(BeatDetectView* v) { view = v; }
    void detach(BeatDetectView* v) {
        if (view == v) view = nullptr;
    }

    // ---- Loading and unloading ----
    // The engine's share of loading the window; false when a setting was bad
    // and the fallback was taken, so the window skips recording its layout
    // and its size and place.
    bool Form_Load();
    // The engine's share of closing: false while a device was open (capture
    // stops and the window stays); every setting is written either way.
    bool Form_Unload();
    bool loaded() const { return isLoaded; }
    // Whether the last load read every setting.
    bool loadSucceeded() const { return loadedWell; }
    void saveAudioSettings(bool all);

    // ---- Capture ----
    void InitDevices();
    void DevicesBox_MenuClick(int item);
    void StartButton_Click();
    void DoStop();
    void startForMatrix();
    void Timer1_Timer();

    // ---- Beats and tempo ----
    void HiTime1_Timer();
    float getBpm() const { return currentBpm; }
    void cmdBPM_MouseDown();
    void cmdBPM_Click();
    void cmdBPM_MouseUp();
    void ButtonPlus1_Click();
    void hsldrTempo_Scroll(int32_t value);
    void cmdSkip_Click(int index);
    void Combo1_Click();
    void Combo1_KeyDown();
    void setSkipText(const QString& text) { skipText = text; }

    // ---- Menus and sliders ----
    void responseClick(int item);    // lowTimer_Click .. xtremeTimer_Click
    void triggerTypeClick(int item); // stepTrigger_Click .. bpmWithEmulation_Click
    void autoAdjust_Click();
    void manualAdjust_Click();
    void styleClick(int item);       // uniStyle_Click .. rockStyle_Click
    void setThreshold(int32_t value);   // Slider1_Change
    void setBandStart(int32_t value);   // Slider2_Change
    void setBandWidth(int32_t value);   // rangeSlider_Change
    void setSensitivity(int32_t value); // Sensitivity_Change
    void showRangeLabel(bool shown);    // the band sliders' mouse down and up

    // ---- What the window shows ----
    QStringList deviceItems;
    QString devicesCaption = QStringLiteral("Sound Device");
    bool devicesEnabled = true;
    QString startCaption = QStringLiteral("Start Audio In");
    int32_t startColour = beatColours::none;
    bool skipEnabled = false;
    std::array<int32_t, skipButtons> skipColours{beatColours::none, beatColours::none, beatColours::none,
                                                 beatColours::none, beatColours::none};
    QString skipText = QStringLiteral("0");
    QStringList skipItems;
    int32_t threshold = 4500;   // Slider1, 0..20000
    int32_t bandStart = 6;      // Slider2, 1..110
    int32_t bandWidth = 8;      // rangeSlider, 1..15
    int32_t sensitivity = 200;  // Sensitivity, 1..1000
    int32_t tempoSlider = 120;  // hsldrTempo, 20..225
    int32_t volBar = 0;         // 0..20000
    int32_t clipColour = beatColours::none;
    QString bpmCaption = QStringLiteral("120 BPM");
    int32_t bpmColour = beatColours::none;
    QString thresholdLabel, bandLabel;
    QString rangeLabel = QStringLiteral("-- 80 Hz");
    bool rangeLabelVisible = false;
    std::array<bool, 4> responseChecked{};
    std::array<bool, 3> triggerTypeChecked{};
    bool autoAdjustChecked = false, manualAdjustChecked = false;
    std::array<bool, 8> styleChecked{};
    QString responseName, triggerTypeName, thresholdModeName, musicStyleName;

    // ---- Engine state (read by tests and the window) ----
    TickTimer& timer1() { return *Timer1; }
    TickTimer& hiTime1() { return *HiTime1; }
    bool deviceOpen() const { return waveInOpen; }
    bool isTickBusy() const { return tickBusy; }
    bool isBufferQueued() const { return bufferQueued; }
    const std::vector<float>& spectrum() const { return spectrumData; }
    const std::array<int16_t, AudioFFT::size>& samples() const { return sampleBuffer; }
    double level() const { return bandLevel; }
    int32_t thresholdInUse() const { return thresholdValue; }
    int32_t skipTargetValue() const { return skipTarget; }
    int32_t skipCountValue() const { return skipCount; }
    float ringSlot(int i) const { return bpmRing[size_t(i)]; }

private:
    void changed();
    bool stepTriggerTicked() const { return triggerTypeChecked[0]; }
    bool bpmAdjustTicked() const { return triggerTypeChecked[1]; }
    bool averagingTicked() const { return triggerTypeChecked[2]; }
    void captureStep();
    void analyse();
    void updateBpm();
    void sendBeat();
    void sendTempo();
    void refreshThresholdLabel();
    void refreshBandLabels();
    void seedTempoRing();
    void loadFallback();
    QString bpmText() const;

    BeatDetectView* view = nullptr;
    bool isLoaded = false;
    bool loadedWell = false;
    std::unique_ptr<TickTimer> Timer1, HiTime1;
    AudioFFT fft;
    bool waveInOpen = false;
    bool tickBusy = false;
    bool bufferQueued = false;
    bool errorReported = false;
    std::array<int16_t, AudioFFT::size> sampleBuffer{};
    std::array<float, AudioFFT::size> fftReal{};
    std::vector<float> spectrumData = std::vector<float>(AudioFFT::size + 1, 0.0f);
    std::vector<int32_t> wholeSpectrum = std::vector<int32_t>(AudioFFT::size + 1, 0);

    float currentBpm = 120.0f;
    bool beatSeen = false;
    int64_t lastBeatTime = 0;
    std::array<float, 101> bpmRing{};
    float ringIndex = 0, ringCount = 0;
    double bandLevel = 0;
    int32_t thresholdValue = 0;
    int32_t skipCount = 0, skipTarget = 0;
    int32_t flashTicks = 0, emulationTicks = 0;
};

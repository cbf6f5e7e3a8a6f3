#include "audio/beatDetector.h"

#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "platform/waveInput.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/playbackService.h"
#include "shell/services/schedulerService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QDebug>
#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

const QStringList BeatDetector::responseItems{QStringLiteral("lowTimer"), QStringLiteral("medTimer"),
                                              QStringLiteral("highTimer"), QStringLiteral("xtremeTimer")};
const QStringList BeatDetector::triggerTypeItems{QStringLiteral("stepTrigger"), QStringLiteral("bpmAdjust"),
                                                 QStringLiteral("bpmWithEmulation")};
const QStringList BeatDetector::styleItems{QStringLiteral("uniStyle"), QStringLiteral("lStyle"),
                                           QStringLiteral("rStyle"),   QStringLiteral("hStyle"),
                                           QStringLiteral("tStyle"),   QStringLiteral("bStyle"),
                                           QStringLiteral("cStyle"),   QStringLiteral("rockStyle")};
const QStringList BeatDetector::skipCaptions{QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("4"),
                                             QStringLiteral("8"), QStringLiteral("16")};

namespace {
const QString section = QStringLiteral("Audio Trigger");
constexpr int responseIntervals[4] = {30, 20, 15, 3};
// Band start and skip number of each music style, in menu order; the styles
// marked write the menu settings at once.
struct Style { int32_t bandStart; int32_t skip; bool savesAtOnce; };
constexpr Style styles[8] = {{6, 0, false}, {9, 0, false}, {4, 2, false}, {8, 0, false},
                             {6, 0, false}, {9, 0, true},  {5, 1, true},  {5, 0, false}};
constexpr int highTimer = 2, tStyle = 4, bpmAdjust = 1;

QString readSetting(const QString& key, const QString& fallback) {
    return miscGlobalFunctions::readIniValue(shell().iniFile(), section, key, fallback);
}
void writeSetting(const QString& key, const QString& value) {
    miscGlobalFunctions::writeIniValue(shell().iniFile(), section, key, value);
}
// A stored slider value: a number, rounded; nothing when the text is none.
std::optional<int32_t> wholeNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > 2e9) return std::nullopt;
    return int32_t(std::lrint(v));
}
int64_t now() { return shell().clock().monotonicMs(); }
// A tempo as the BPM button shows it: whole beats, nothing for 0.
QString wholeBeats(float bpm) {
    const long v = std::lround(double(bpm));
    return v == 0 ? QString() : QString::number(v);
}
} // namespace

BeatDetector::BeatDetector() : Timer1(shell().timers().create()), HiTime1(shell().timers().create()) {
    Timer1->setInterval(20);
    HiTime1->setInterval(60);
    Timer1->onTick = [this] { Timer1_Timer(); };
    HiTime1->onTick = [this] { HiTime1_Timer(); };
}

BeatDetector::~BeatDetector() {
    Timer1->setEnabled(false);
    HiTime1->setEnabled(false);
    if (waveInOpen)
        if (WaveInput* w = shell().waveInput()) w->close();
}

void BeatDetector::changed() {
    if (view) view->beatDetectChanged();
}

// ---- Loading and unloading -------------------------------------------------------------------------

bool BeatDetector::Form_Load() {
    isLoaded = true;
    InitDevices();
    fft.initBitReverseTable();
    refreshThresholdLabel();
    refreshBandLabels();
    tempoSlider = 120;
    skipItems = skipCaptions;

    responseName = readSetting(QStringLiteral("Response"), QStringLiteral("highTimer"));
    if (const int i = int(responseItems.indexOf(responseName)); i >= 0) responseClick(i);
    triggerTypeName = readSetting(QStringLiteral("Trigger Type"), QStringLiteral("stepTrigger"));
    for (int i = 0; i < 3; ++i) triggerTypeChecked[size_t(i)] = triggerTypeItems[i] == triggerTypeName;
    thresholdModeName = readSetting(QStringLiteral("Threshold"), QStringLiteral("False"));
    autoAdjustChecked = thresholdModeName == QStringLiteral("True");
    manualAdjustChecked = thresholdModeName == QStringLiteral("False");
    musicStyleName = readSetting(QStringLiteral("Music Style"), QStringLiteral("uniStyle"));
    for (int i = 0; i < 8; ++i) styleChecked[size_t(i)] = styleItems[i] == musicStyleName;

    // The sliders, in this order; a text that is no number stops there.
    struct SliderSetting { const char* key; const char* fallback; void (BeatDetector::*set)(int32_t); };
    static constexpr SliderSetting sliders[] = {{"Range", "8", &BeatDetector::setBandWidth},
                                                {"Frequency", "6", &BeatDetector::setBandStart},
                                                {"ThresholdNum", "2500", &BeatDetector::setThreshold},
                                                {"Sensitivity", "200", &BeatDetector::setSensitivity}};
    for (const SliderSetting& s : sliders) {
        const std::optional<int32_t> v = wholeNumber(readSetting(QLatin1String(s.key), QLatin1String(s.fallback)));
        if (!v) {
            loadFallback();
            return loadedWell = false;
        }
        (this->*s.set)(*v);
    }

    seedTempoRing();
    currentBpm = 120.0f;
    bpmCaption = QStringLiteral("120 BPM");
    changed();
    return loadedWell = true;
}

// A bad setting: a band and threshold that work, and the items of a
// sensible set ticked. The band width is the slider's middle, within its
// range (the stored fallback of 80 would be far outside it).
void BeatDetector::loadFallback() {
    setBandStart(60);
    setThreshold(500);
    setBandWidth(8);
    responseChecked[size_t(highTimer)] = true;
    styleChecked[size_t(tStyle)] = true;
    triggerTypeChecked[size_t(bpmAdjust)] = true;
    autoAdjustChecked = true;
    changed();
}

bool BeatDetector::Form_Unload() {
    const bool wasOpen = waveInOpen;
    if (wasOpen) DoStop();
    saveAudioSettings(true);
    if (!wasOpen) isLoaded = false;
    return !wasOpen;
}

void BeatDetector::saveAudioSettings(bool all) {
    writeSetting(QStringLiteral("Response"), responseName);
    writeSetting(QStringLiteral("Trigger Type"), triggerTypeName);
    writeSetting(QStringLiteral("Threshold"), thresholdModeName);
    writeSetting(QStringLiteral("Music Style"), musicStyleName);
    if (!all) return;
    writeSetting(QStringLiteral("Range"), QString::number(bandWidth));
    writeSetting(QStringLiteral("Frequency"), QString::number(bandStart));
    writeSetting(QStringLiteral("ThresholdNum"), QString::number(threshold));
    writeSetting(QStringLiteral("Sensitivity"), QString::number(sensitivity));
    writeSetting(QStringLiteral("SoundCard"), devicesCaption);
}

// ---- Capture ---------------------------------------------------------------------------------------

void BeatDetector::InitDevices() {
    deviceItems.clear();
    WaveInput* w = shell().waveInput();
    if (w) deviceItems = w->deviceNames();
    if (w && deviceItems.isEmpty() && !w->lastError().isEmpty())
        shell().prompts().messageBox(QStringLiteral("Could Not Inititalize Sound Card") + w->lastError(),
                                     msgBox::OKOnly);
    for (QString& name : deviceItems) name = name.trimmed();
    if (deviceItems.isEmpty()) return changed();
    const QString stored = readSetting(QStringLiteral("SoundCard"), QString()).trimmed();
    for (const QString& name : deviceItems)
        if (name == stored) {
            devicesCaption = name;
            break;
        }
    changed();
}

void BeatDetector::DevicesBox_MenuClick(int item) {
    if (item < 0 || item >= deviceItems.size()) return;
    devicesCaption = deviceItems[item];
    writeSetting(QStringLiteral("SoundCard"), devicesCaption.trimmed());
    changed();
}

void BeatDetector::StartButton_Click() {
    if (Timer1->enabled()) {
        DoStop();
        skipEnabled = false;
        return changed();
    }
    Timer1->setEnabled(true);
    HiTime1->setEnabled(false);
    // No chosen device (-1) is the system's default input.
    const int device = int(deviceItems.indexOf(devicesCaption));
    WaveInput* w = shell().waveInput();
    if (w && waveInOpen) w->close(); // a device left open by a stopped tick
    waveInOpen = w && w->open(device);
    if (!waveInOpen) {
        // The next tick finds no device and switches the analysis off.
        shell().prompts().messageBox(QStringLiteral("Wave input device didn't open. Souncard may be busy with another "
                                                    "apllication.  ") +
                                         QStringLiteral(" Index: ") + QString::number(device) +
                                         QStringLiteral(" Device Name: ") + devicesCaption,
                                     msgBox::Exclamation, QStringLiteral("Windows Media Message"));
        return changed();
    }
    startColour = beatColours::green;
    startCaption = QStringLiteral("Stop Audio In");
    devicesEnabled = false;
    if (stepTriggerTicked()) triggerTypeClick(0);
    skipEnabled = true;
    changed();
}

void BeatDetector::DoStop() {
    Timer1->setEnabled(false);
    HiTime1->setEnabled(true);
    if (WaveInput* w = shell().waveInput(); w && waveInOpen) w->close();
    waveInOpen = false;
    tickBusy = false;
    startColour = beatColours::red;
    startCaption = QStringLiteral("Start Audio In");
    devicesEnabled = true;
    changed();
}

void BeatDetector::startForMatrix() {
    if (!Timer1->enabled()) StartButton_Click();
}

void BeatDetector::Timer1_Timer() {
    // A tick entered again while one runs (a callee let events through) is
    // refused; the one running goes on.
    if (tickBusy) return;
    if (!waveInOpen) {
        Timer1->setEnabled(false);
        return;
    }
    tickBusy = true;
    captureStep();
    analyse();
    tickBusy = false;
    changed();
}

// A complete block is copied out, the next one queued, and the copy is
// transformed: 512 samples followed by 512 zeros. While a block is still
// being recorded nothing is transformed and the last spectrum stands.
void BeatDetector::captureStep() {
    WaveInput& w = *shell().waveInput();
    if (!w.blockQueued()) {
        bufferQueued = false;
        WaveInput::Block block;
        if (w.takeBlock(block)) std::copy(block.begin(), block.end(), sampleBuffer.begin());
        w.queueBlock();
        fft.computeFFT(sampleBuffer, fftReal);
        std::copy(fftReal.begin(), fftReal.end(), spectrumData.begin());
        // The matrices draw whole magnitudes, as the band sums below count them.
        for (size_t i = 0; i < spectrumData.size(); ++i)
            wholeSpectrum[i] = int32_t(std::min(std::nearbyint(std::fabs(spectrumData[i])), 2147483647.0f));
        shell().playback().sendAudioDataToPlaybacks(wholeSpectrum);
    }
    bufferQueued = w.blockQueued();
}

void BeatDetector::analyse() {
    // Band and level.
    double sum = 0;
    const int32_t f = bandStart, r = bandWidth;
    for (int32_t i = f; i <= f + r && i <= AudioFFT::size; ++i) sum += std::nearbyint(std::fabs(spectrumData[size_t(i)]));
    if (sum > 0) {
        const double mean = sum / double(r + 1);
        bandLevel = double(sensitivity) / 300.0 * 2.0 * mean;
        thresholdValue = threshold;
    }
    // Meter and clip light.
    const double m = std::nearbyint(bandLevel / 100.0);
    if (m >= 20000) {
        volBar = 19999;
        clipColour = beatColours::red;
    } else {
        volBar = int32_t(m);
        if (clipColour == beatColours::red) clipColour = beatColours::black;
    }
    // The rest reaches the other subsystems; a failure there is reported
    // once and the analysis goes on with the next tick.
    try {
        const int64_t t = now();
        if (skipTarget == 0 && bpmAdjustTicked() && t > lastBeatTime + 650) {
            if (currentBpm > 10 && currentBpm < 200) currentBpm = currentBpm * 0.9f;
            bpmCaption = bpmText();
            sendTempo();
        }
        if (autoAdjustChecked) {
            const double tv = thresholdValue;
            if (bandLevel > tv * 100 + 200000) setThreshold(thresholdValue + 55);
            else if (bandLevel < tv * 100 - 250000) setThreshold(thresholdValue - 15);
        }
        if (bpmColour == beatColours::blue) ++flashTicks;
        if (now() - lastBeatTime > 400 && bandLevel > double(thresholdValue) * 75 && bufferQueued) {
            if (skipCount >= skipTarget) {
                skipCount = 0;
                updateBpm();
                bpmColour = beatColours::blue;
                sendBeat();
            }
            ++skipCount;
            flashTicks = 0;
        }
        if (flashTicks > 5) bpmColour = beatColours::black;
    } catch (const std::exception& e) {
        if (!errorReported) qWarning() << "Audio trigger:" << e.what();
        errorReported = true;
    }
}

// ---- Beats and tempo -------------------------------------------------------------------------------

QString BeatDetector::bpmText() const { return wholeBeats(currentBpm) + QStringLiteral(" BPM"); }

void BeatDetector::sendTempo() { shell().playback().setFadeTime(int32_t(std::lrint(currentBpm))); }

void BeatDetector::sendBeat() {
    shell().scheduler().callTheTrigger(0, 1);
    shell().shortcuts().recieveBeat();
}

void BeatDetector::updateBpm() {
    const int64_t t = now();
    if (beatSeen && lastBeatTime < t) {
        ringIndex = float(std::lrint(ringIndex + 1) % 8);
        if (ringCount < 8) ringCount += 1;
        bpmRing[size_t(ringIndex)] = float(60000.0 / double(t - lastBeatTime));
        float sum = 0;
        for (int i = 0; i < 8; ++i) sum += bpmRing[size_t(i)];
        currentBpm = sum / ringCount;
    }
    beatSeen = true;
    lastBeatTime = t;
    if (!averagingTicked() || ringIndex == 7) sendTempo();
    bpmCaption = bpmText();
}

// Slots 1..99 hold 120 and slot 0 holds 0; the first interval goes to slot 1
// and the divisor is 8 from it on.
void BeatDetector::seedTempoRing() {
    bpmRing.fill(0.0f);
    std::fill(bpmRing.begin() + 1, bpmRing.begin() + 100, 120.0f);
    ringIndex = 120;
    ringCount = 7;
}

void BeatDetector::HiTime1_Timer() {
    ++emulationTicks;
    if (emulationTicks > 2 && bpmColour == beatColours::blue) bpmColour = beatColours::black;
    const double elapsed = std::round(double(HiTime1->interval()) * emulationTicks / 1000.0 * 10000.0) / 10000.0;
    if (currentBpm > 0 && currentBpm < 500 && elapsed >= std::round(60.0 / double(currentBpm) * 10000.0) / 10000.0) {
        sendTempo();
        bpmColour = beatColours::blue;
        sendBeat();
        emulationTicks = 0;
    }
    changed();
}

void BeatDetector::cmdBPM_MouseDown() {
    bpmColour = beatColours::darkBlue;
    HiTime1->setEnabled(false);
    emulationTicks = 0;
    changed();
}

void BeatDetector::cmdBPM_Click() {
    DoStop();
    updateBpm();
    if (!HiTime1->enabled()) HiTime1->setEnabled(true);
    changed();
}

void BeatDetector::cmdBPM_MouseUp() {
    bpmColour = beatColours::black;
    HiTime1->setEnabled(true);
    changed();
}

void BeatDetector::ButtonPlus1_Click() { HiTime1->setEnabled(false); }

void BeatDetector::hsldrTempo_Scroll(int32_t value) {
    tempoSlider = value;
    currentBpm = float(value);
    std::fill(bpmRing.begin() + 1, bpmRing.begin() + 8, float(value));
    bpmCaption = QString::number(value) + QStringLiteral(" BPM");
    sendTempo();
    HiTime1->setEnabled(false);
    HiTime1->setEnabled(true);
    changed();
}

void BeatDetector::cmdSkip_Click(int index) {
    if (index < 0 || index >= skipButtons) return;
    skipColours.fill(beatColours::darkGrey);
    skipColours[size_t(index)] = beatColours::red;
    skipText = skipCaptions[index];
    Combo1_Click();
}

void BeatDetector::Combo1_Click() {
    bool ok = false;
    const double n = skipText.trimmed().toDouble(&ok);
    skipTarget = ok && std::fabs(n) < 1e6 ? int32_t(std::lrint(n * 8)) : 0;
    changed();
}

void BeatDetector::Combo1_KeyDown() {
    skipText = QStringLiteral("0");
    changed();
}

// ---- Menus and sliders -----------------------------------------------------------------------------

void BeatDetector::responseClick(int item) {
    if (item < 0 || item >= 4) return;
    Timer1->setInterval(responseIntervals[item]);
    responseChecked.fill(false);
    responseChecked[size_t(item)] = true;
    responseName = responseItems[item];
    changed();
}

void BeatDetector::triggerTypeClick(int item) {
    if (item < 0 || item >= 3) return;
    triggerTypeChecked.fill(false);
    triggerTypeChecked[size_t(item)] = true;
    triggerTypeName = triggerTypeItems[item];
    if (item != 0) saveAudioSettings(false);
    changed();
}

void BeatDetector::autoAdjust_Click() {
    autoAdjustChecked = true;
    manualAdjustChecked = false;
    thresholdModeName = QStringLiteral("True");
    saveAudioSettings(false);
    changed();
}

void BeatDetector::manualAdjust_Click() {
    manualAdjustChecked = true;
    autoAdjustChecked = false;
    thresholdModeName = QStringLiteral("False");
    changed();
}

void BeatDetector::styleClick(int item) {
    if (item < 0 || item >= 8) return;
    const Style& s = styles[item];
    setBandStart(s.bandStart);
    skipText = QString::number(s.skip);
    Combo1_Click();
    styleChecked.fill(false);
    styleChecked[size_t(item)] = true;
    musicStyleName = styleItems[item];
    if (s.savesAtOnce) saveAudioSettings(false);
    changed();
}

// The automatic threshold may push past the slider's ends; the slider keeps it within.
void BeatDetector::setThreshold(int32_t value) {
    threshold = std::clamp(value, 0, 20000);
    refreshThresholdLabel();
    changed();
}

void BeatDetector::setBandStart(int32_t value) {
    bandStart = std::clamp(value, 1, 110);
    refreshBandLabels();
    changed();
}

void BeatDetector::setBandWidth(int32_t value) {
    bandWidth = std::clamp(value, 1, 15);
    refreshBandLabels();
    changed();
}

void BeatDetector::setSensitivity(int32_t value) {
    sensitivity = std::clamp(value, 1, 1000);
    changed();
}

void BeatDetector::showRangeLabel(bool shown) {
    rangeLabelVisible = shown;
    changed();
}

void BeatDetector::refreshThresholdLabel() {
    thresholdLabel = QString::asprintf("%05.2f", double(threshold) / 100.0);
}

// Hz as bins x 10, a rounding of the bin width of 11025 / 1024 Hz.
void BeatDetector::refreshBandLabels() {
    bandLabel = QString::number(bandStart * 10) + QStringLiteral(" Hz");
    rangeLabel = QStringLiteral("--- ") + QString::number(bandStart * 10 + bandWidth * 10) + QStringLiteral(" Hz");
}

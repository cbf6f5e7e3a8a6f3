#pragma once
// Everything one playback holds for its loaded sequence: the step store, the
// per-channel fade state, the timing of the step that plays, and the flags
// that say how it plays. Plain data; the playback engine works on it and the
// playback window mirrors it.
//
// Indexing: channels 1..totalChannels (index 0 unused), steps from 0. Steps
// 1..stepCount are the sequence; step 0 is the source slot of a crossfade
// started before the first step; step stepCount + 1 holds the targets of a
// fade-out; every per-step table is sized together, to at least
// stepCount + 5. Truth values are 1/0 in memory (-1/0 in files).

#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

// Stored levels of every channel in every step. Levels are whole numbers and
// are not limited to 0..255: a scene recorded at a low dimmer stores its
// level divided back by the dimmer and grand master (up to 255 x 100 x 100).
// Nearly every level is a DMX value, so each step is held in the narrowest
// width that keeps all of its levels exactly: one byte while they are all
// 0..255, two bytes while they are all 0..65535, else four. A step widens
// when a level that does not fit is written and narrows again when the last
// such level is overwritten. Each step is one array indexed by channel, so a
// tick reading one step for all channels walks memory in order.
class StepLevels {
    struct Step;
    // A one-byte level. Not a character type, so the compiler knows a store
    // to it changes nothing else, and loops that write levels keep the other
    // tables' addresses in registers.
    enum class Byte : uint8_t {};

public:
    // Read-only view of one step's levels, indexed by channel (element 0
    // unused). It reads the step as it is now, so it stays right while
    // levels of that step are written; resizing the table invalidates it.
    class Row {
    public:
        int32_t operator[](int32_t channel) const {
            if (step->width == 1) [[likely]]
                return int32_t(step->narrow[size_t(channel)]);
            return step->width == 2 ? int32_t(step->mid[size_t(channel)]) : step->wide[size_t(channel)];
        }

    private:
        friend class StepLevels;
        explicit Row(const Step& s) : step(&s) {}
        const Step* step;
    };

    // One stored level, read and written like an int32_t.
    class Cell {
    public:
        operator int32_t() const { return std::as_const(*table).row(step)[channel]; }
        Cell& operator=(int32_t level) {
            table->set(channel, step, level);
            return *this;
        }
        Cell& operator=(const Cell& other) { return *this = int32_t(other); }
        Cell(const Cell&) = default;

    private:
        friend class StepLevels;
        Cell(StepLevels& t, int32_t c, int32_t s) : table(&t), channel(c), step(s) {}
        StepLevels* table;
        int32_t channel, step;
    };

    // Channels 1..channels, steps 0..lastStep; contents of the cells that
    // remain are kept, new cells are 0.
    void resize(int32_t channels, int32_t lastStep);
    int32_t channels() const { return channelCount; }
    // The highest step index (-1 when empty).
    int32_t lastStep() const { return int32_t(steps.size()) - 1; }
    bool contains(int32_t channel, int32_t step) const {
        return channel >= 1 && channel <= channelCount && step >= 0 && step <= lastStep();
    }
    // Unchecked access for the hot loops; the caller has checked the range.
    Row row(int32_t step) const { return Row(steps[size_t(step)]); }
    int32_t operator()(int32_t channel, int32_t step) const { return row(step)[channel]; }
    Cell operator()(int32_t channel, int32_t step) { return Cell(*this, channel, step); }
    void set(int32_t channel, int32_t step, int32_t level) {
        Step& s = steps[size_t(step)];
        if (s.width == 1 && uint32_t(level) <= 255u) [[likely]] {
            s.narrow[size_t(channel)] = Byte(level);
            return;
        }
        setOutsideByte(s, channel, level);
    }
    // Checked access: throws std::out_of_range outside the table.
    Cell at(int32_t channel, int32_t step);
    int32_t at(int32_t channel, int32_t step) const;
    // Makes step `to` a copy of step `from` (both in the table).
    void copyStep(int32_t from, int32_t to);
    // Sets every cell to 0, keeping the size.
    void fillZero();
    // Bytes per level step `step` is held in now: 1, 2 or 4.
    int32_t bytesPerLevel(int32_t step) const { return steps[size_t(step)].width; }

private:
    struct Step {
        // Exactly one array is in use, the one `width` names (1, 2 or 4
        // bytes); each has channelCount + 1 elements. Not a character type,
        // so stores of other tables in a read loop do not force the width
        // to be read again for every level.
        int16_t width = 1;
        std::vector<Byte> narrow;
        std::vector<uint16_t> mid;
        std::vector<int32_t> wide;
        int32_t beyondByte = 0;  // levels outside 0..255
        int32_t beyondMid = 0;   // levels outside 0..65535
    };
    void setOutsideByte(Step& s, int32_t channel, int32_t level);
    static void relayout(Step& s, uint8_t width, size_t cells);
    static void recount(Step& s);
    int32_t channelCount = 0;
    std::vector<Step> steps;
};

struct PlaybackState {
    // ---- Public variables of the window -------------------------------------
    int32_t myPlaybackNumber = 0;
    QString theSequenceFilename;          // full path of the loaded file; empty when none
    bool useMotionfade = true;            // channels fade between steps (else jump at the step change)
    float fadeFromCurrentFadeUpTime = 0;  // seconds
    float fadeFromCurrentFadeDownTime = 0;
    bool fadeFromCurrentScene = false;    // the next start crossfades from the live output
    bool forceFadeIn = false;
    bool useSequenceFadeTime = true;      // per-step times in use; else delays and follow count 0
    bool stopAndClearAfterFadeOut = false;
    QString PlaybackAlias;
    QString originalHeading;              // caption prefix, "Playback : " and the number
    bool wasIVisible = false;
    QString livePlaybackName;
    bool overRideCrossFadeTimes = false;
    bool iAmLivePlayback = false;
    bool alteredPlayback = false;

    // ---- Per-step store (indexed by step, sized together) -------------------
    StepLevels stepValues;                // (channel, step)
    QStringList sceneNames;               // up to 50 characters, trimmed
    std::vector<float> fadeUpTimes, fadeDownTimes;     // seconds
    std::vector<float> delayUpTimes, delayDownTimes;   // seconds
    std::vector<float> followTimes;                    // seconds
    std::vector<float> sequenceFadeUpTimes, sequenceFadeDownTimes; // as loaded from the file
    std::vector<float> sceneFadeTimes;    // kept with each scene record; not used in playing
    std::vector<uint8_t> stepStops;       // wait for GO when the step becomes current
    std::vector<int32_t> nextScenes;      // 0 or less: next step in order
    QStringList stepCommands;             // trimmed

    // ---- Per-channel state (indexed 1..totalChannels) -----------------------
    std::vector<float> currentLevels;     // fractional level reached in the running fade
    std::vector<float> fadeUpSteps;       // per tick, stored negative, applied by magnitude
    std::vector<float> fadeDownSteps;     // per tick; 0 for a channel that rises or stays
    std::vector<uint8_t> fadeOutChannels; // non-intensity channel that takes part in a fade-out
    std::vector<uint8_t> sequenceChannels;// claimed by this playback
    std::vector<int32_t> savedStepValues; // levels of step savedStepNumber before a snapshot
    std::vector<uint8_t> heldBeforeBlackout;

    // ---- Timing state of the current step ------------------------------------
    int32_t stepCount = 0;
    int32_t sequenceUniverses = 0;        // universes stored in the loaded file
    int32_t currentStep = 0;              // 0 = none played yet
    int32_t nextStep = 0;                 // fade target
    int32_t previousStep = 0;
    bool restoreSavedStep = false;
    int32_t savedStepNumber = 0;
    int32_t ticksPerSecond = 20;
    float fadeUpTicks = 0, fadeDownTicks = 0;
    float delayUpTicks = 0, delayDownTicks = 0, followTicks = 0;
    int32_t fadeUpCount = 0, fadeDownCount = 0, delayUpCount = 0, delayDownCount = 0, followCount = 0;
    bool delayUpDone = false, delayDownDone = false, followDone = false;
    float intensityFactor = 1.0f;         // grand master % x dimmer % / 10000

    // ---- Flags and modes ------------------------------------------------------
    bool isRunning = false;
    bool manualCrossfade = false;
    bool continuousRun = true;            // "Auto Trigger" and "Audio"; false in "Play Trigger"
    bool stopAtStepEnd = false;
    bool gridClicked = false;
    bool sceneJustRecorded = false;
    bool recordPlusLast = false;
    int32_t myPriority = 5;               // 1..10
    // True while the channels carry their step levels. A new window starts
    // False (nothing is dark yet), so its first plain click goes to normal
    // output; clearing a sequence sets True.
    bool blackoutOff = false;
    bool fadeTimeFollowsBpm = false;
    bool fadeFromBpm = false;
    bool isDeskPlayback = false;
    int16_t deskRow = 1;
    bool showSequenceData = false, compactView = false;
    bool showPlaybackShortcuts = false;
    int16_t shortcutMenuButton = 0;

    // ---- Values of the window's controls the engine reads and sets -----------
    int16_t sliderDimmer = 100;           // playback dimmer, 0..100
    int32_t vsliderFadeTime = 1000;       // fade-time slider, 0..vsliderFadeTimeMax
    int32_t vsliderFadeTimeMax = 5000;
    int32_t optMode = 0;                  // selected trigger option: 0 Auto, 1 Play, 2 Audio
    // Progress sliders: maximum is the phase's length in ticks, value its counter.
    float pbDelayInMax = 0, pbDelayOutMax = 0, pbFadeInMax = 0, pbFadeOutMax = 0;
    int32_t pbDelayIn = 0, pbDelayOut = 0, pbFadeIn = 0, pbFadeOut = 0;
    // Set while a crossfade from the live output runs (the indicator turns
    // blue); the next step advance clears it (dark red again).
    bool crossfadeIndicator = false;
    int32_t bpm = 0;                      // last tapped tempo; 0 = none yet
    QString bpmText;                      // the tempo label: a tap's tempo, or " n" for the fade-time slider
    QString stepNumberText;               // what the step label shows ("3:10", "0")

    // ---- Sizing -----------------------------------------------------------------
    // The highest index of the per-step tables (-1 when unsized).
    int32_t lastStepSlot() const { return int32_t(fadeUpTimes.size()) - 1; }
    int32_t channelSlots() const { return int32_t(currentLevels.size()) - 1; }
    // Resizes every per-step table to 0..lastStep and every per-channel table
    // to 1..channels, keeping contents.
    void resize(int32_t channels, int32_t lastStep);
    // Step `to` takes step `from`'s four fade and delay times, follow time and stop flag.
    void copyStepTimes(int32_t from, int32_t to) {
        const size_t f = size_t(from), t = size_t(to);
        fadeUpTimes[t] = fadeUpTimes[f];
        fadeDownTimes[t] = fadeDownTimes[f];
        delayUpTimes[t] = delayUpTimes[f];
        delayDownTimes[t] = delayDownTimes[f];
        followTimes[t] = followTimes[f];
        stepStops[t] = stepStops[f];
    }
};

#include "audioFixture.h"
#include "platform/prompts.h"
#include "shell/miscGlobalFunctions.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace audioTest;

namespace {
FakeTickTimer& fake(TickTimer& t) { return static_cast<FakeTickTimer&>(t); }
QString setting(const Fixture& f, const char* key) {
    return miscGlobalFunctions::readIniValue(f.ini(), QStringLiteral("Audio Trigger"), QLatin1String(key),
                                             QStringLiteral("<none>"));
}
void store(const Fixture& f, const char* key, const char* value) {
    miscGlobalFunctions::writeIniValue(f.ini(), QStringLiteral("Audio Trigger"), QLatin1String(key),
                                       QLatin1String(value));
}
} // namespace

// ---- Capture -------------------------------------------------------------------------------------------

TEST(AudioCapture, startAndStopSwitchTheDeviceTheTimersAndTheWindow) {
    Fixture f;
    BeatDetector& d = f.detector();
    EXPECT_EQ(d.deviceItems, QStringList{QStringLiteral("Line In")});
    EXPECT_EQ(d.devicesCaption, QStringLiteral("Sound Device"));
    d.DevicesBox_MenuClick(0);
    EXPECT_EQ(setting(f, "SoundCard"), QStringLiteral("Line In")) << "written at once";
    d.hiTime1().setEnabled(true);
    d.StartButton_Click();
    EXPECT_TRUE(f.engine->listening());
    EXPECT_FALSE(d.hiTime1().enabled());
    EXPECT_EQ(d.startCaption, QStringLiteral("Stop Audio In"));
    EXPECT_EQ(d.startColour, beatColours::green);
    EXPECT_FALSE(d.devicesEnabled);
    EXPECT_TRUE(d.skipEnabled);
    d.startForMatrix(); // already running: nothing
    EXPECT_EQ(f.wave.opens, 1);

    d.StartButton_Click();
    EXPECT_FALSE(f.wave.isOpen());
    EXPECT_FALSE(d.timer1().enabled());
    EXPECT_TRUE(d.hiTime1().enabled()) << "beat emulation takes over";
    EXPECT_EQ(d.startCaption, QStringLiteral("Start Audio In"));
    EXPECT_EQ(d.startColour, beatColours::red);
    EXPECT_TRUE(d.devicesEnabled);
    EXPECT_FALSE(d.skipEnabled);

    d.startForMatrix();
    EXPECT_TRUE(f.engine->listening());
    d.DoStop(); // from elsewhere: the skip buttons stay as they were
    EXPECT_TRUE(d.skipEnabled);
}

TEST(AudioCapture, aDeviceThatDoesNotOpenWarnsAndTheNextTickStopsTheTimer) {
    Fixture f;
    f.wave.refuseOpen = true;
    BeatDetector& d = f.detector();
    d.DevicesBox_MenuClick(0);
    d.StartButton_Click();
    ASSERT_EQ(f.t.prompts().messages.size(), 1u);
    EXPECT_EQ(f.t.prompts().messages[0], QStringLiteral("Wave input device didn't open. Souncard may be busy with "
                                                         "another apllication.   Index: 0 Device Name: Line In"));
    EXPECT_EQ(d.startCaption, QStringLiteral("Start Audio In"));
    EXPECT_TRUE(d.timer1().enabled());
    f.tick(loud());
    EXPECT_FALSE(d.timer1().enabled());
    EXPECT_EQ(f.playbacks.spectra, 0);
}

TEST(AudioCapture, aSavedSoundCardThatMatchesNoDeviceLeavesTheCaption) {
    Fixture f;
    store(f, "SoundCard", "USB Mic");
    EXPECT_EQ(f.detector().devicesCaption, QStringLiteral("Sound Device"));
    Fixture g;
    store(g, "SoundCard", "  Line In ");
    EXPECT_EQ(g.detector().devicesCaption, QStringLiteral("Line In"));
}

TEST(AudioCapture, eachCompletedBlockIsTransformedOnceAndHandedOn) {
    Fixture f;
    BeatDetector& d = f.listening(); // its first tick queued a block, nothing recorded yet
    EXPECT_EQ(f.playbacks.spectra, 1);
    EXPECT_EQ(f.playbacks.lastSize, 1025u);
    EXPECT_TRUE(d.isBufferQueued());
    f.tick(cosineAtBin(20, 10000));
    EXPECT_EQ(f.playbacks.spectra, 2);
    const std::vector<float> s = d.spectrum();
    EXPECT_GT(std::fabs(s[20]), 1e6);
    EXPECT_EQ(s[1024], 0.0f);
    // Still being recorded: the last spectrum stands, nothing is sent.
    fake(d.timer1()).fire();
    EXPECT_EQ(f.playbacks.spectra, 2);
    EXPECT_EQ(d.spectrum(), s);
    for (size_t i = 512; i < 1024; ++i) ASSERT_EQ(d.samples()[i], 0) << i;
    EXPECT_EQ(f.engine->spectrum(), s) << "the service hands out the same spectrum";
}

TEST(AudioCapture, aReenteredTickReturnsAndAFailingCalleeDoesNotStopListening) {
    Fixture f;
    BeatDetector& d = f.listening();
    int reentered = 0;
    f.pages.onBeat = [&] {
        ++reentered;
        fake(d.timer1()).fire(); // a callee that lets the timer in again
    };
    f.tick(loud());
    EXPECT_EQ(reentered, 1);
    EXPECT_EQ(f.pages.beats.size(), 1u) << "the inner tick did nothing";
    EXPECT_TRUE(d.timer1().enabled());
    EXPECT_FALSE(d.isTickBusy());

    f.pages.onBeat = [] { throw std::runtime_error("page gone"); };
    f.tick(loud(), 500);
    EXPECT_EQ(f.pages.beats.size(), 2u);
    EXPECT_TRUE(d.timer1().enabled());
    EXPECT_FALSE(d.isTickBusy());
    EXPECT_EQ(d.startCaption, QStringLiteral("Stop Audio In"));
    f.tick(loud(), 500);
    EXPECT_EQ(f.pages.beats.size(), 3u) << "the next tick still analyses";
}

// ---- Band, level and threshold -----------------------------------------------------------------------

TEST(BeatBand, theLevelIsTheScaledMeanOfTheBandsBins) {
    // A constant c gives c in every odd bin and 0 in the even ones.
    struct Case { int32_t start, width, sensitivity; double level; };
    for (const Case c : {Case{6, 8, 200, 200.0 / 300 * 2 * (4 * 900.0 / 9)},     // bins 6..14: 4 odd of 9
                         Case{7, 1, 300, 300.0 / 300 * 2 * (900.0 / 2)},           // 7 and 8
                         Case{8, 2, 600, 600.0 / 300 * 2 * (900.0 / 3)},           // 8..10
                         Case{110, 15, 1000, 1000.0 / 300 * 2 * (8 * 900.0 / 16)}}) { // 110..125
        Fixture f;
        BeatDetector& d = f.listening();
        d.setBandStart(c.start);
        d.setBandWidth(c.width);
        d.setSensitivity(c.sensitivity);
        f.tick(constant(900));
        EXPECT_NEAR(d.level(), c.level, c.level * 0.01) << c.start;
        EXPECT_EQ(d.volBar, int32_t(std::lround(d.level() / 100)));
        EXPECT_EQ(d.thresholdInUse(), 2500);
    }
}

TEST(BeatBand, aSilentBandKeepsTheLevelMeterAndThreshold) {
    Fixture f;
    BeatDetector& d = f.listening();
    f.tick(constant(900));
    const double level = d.level();
    const int32_t meter = d.volBar;
    d.setThreshold(7000);
    f.tick(silence());
    EXPECT_EQ(d.level(), level);
    EXPECT_EQ(d.volBar, meter);
    EXPECT_EQ(d.thresholdInUse(), 2500) << "taken only with a level";
}

TEST(BeatBand, theMeterClipsAt20000AndTheLightGoesOutAgain) {
    Fixture f;
    BeatDetector& d = f.listening();
    d.setSensitivity(1000);
    f.tick(cosineAtBin(10, 30000)); // about 6 million
    EXPECT_EQ(d.volBar, 19999);
    EXPECT_EQ(d.clipColour, beatColours::red);
    f.tick(constant(900));
    EXPECT_LT(d.volBar, 100);
    EXPECT_EQ(d.clipColour, beatColours::black);
}

TEST(BeatBand, theAutomaticThresholdFollowsTheLevel) {
    Fixture f;
    store(f, "Threshold", "True");
    BeatDetector& d = f.listening();
    EXPECT_TRUE(d.autoAdjustChecked);
    EXPECT_EQ(d.threshold, 2500);
    f.tick(cosineAtBin(10, 30000)); // a level above 2500 x 100 + 200000
    EXPECT_EQ(d.threshold, 2555);
    f.tick(cosineAtBin(10, 30000));
    EXPECT_EQ(d.threshold, 2610) << "55 a tick";
    EXPECT_EQ(d.thresholdLabel, QStringLiteral("26.10"));
    d.setThreshold(2500);
    f.tick(constant(1)); // a level near 0: 2500 x 100 - 250000 is not above it
    EXPECT_EQ(d.threshold, 2500);
    d.setThreshold(3000);
    f.tick(constant(1));
    EXPECT_EQ(d.threshold, 2985) << "15 down a tick";
}

// ---- Beats ---------------------------------------------------------------------------------------------

TEST(Beats, aLoudBandBeatsAtMostEvery400MsAndReachesThePagesAndTheScheduler) {
    Fixture f;
    BeatDetector& d = f.listening();
    for (int i = 0; i < 85; ++i) f.tick(loud()); // 1.7 seconds, loud throughout
    ASSERT_EQ(f.pages.beats.size(), 5u);
    for (size_t i = 1; i < f.pages.beats.size(); ++i) EXPECT_EQ(f.pages.beats[i] - f.pages.beats[i - 1], 420);
    EXPECT_EQ(f.schedule.triggers, 5);
    EXPECT_EQ(d.bpmColour, beatColours::blue) << "the last tick was a beat";
    // The button goes black after more than 5 ticks without a candidate.
    for (int i = 0; i < 5; ++i) f.tick(quiet());
    EXPECT_EQ(d.bpmColour, beatColours::blue);
    f.tick(quiet());
    EXPECT_EQ(d.bpmColour, beatColours::black);
}

TEST(Beats, aQuietBandOrABlockNotQueuedIsNoCandidate) {
    Fixture f;
    BeatDetector& d = f.listening();
    for (int i = 0; i < 30; ++i) f.tick(quiet());
    EXPECT_TRUE(f.pages.beats.empty());
    f.tick(loud());
    EXPECT_EQ(f.pages.beats.size(), 1u);
    f.wave.close(); // the device lost its block: nothing is being recorded
    f.tick(loud(), 1000);
    EXPECT_FALSE(d.isBufferQueued());
    EXPECT_EQ(f.pages.beats.size(), 1u);
}

TEST(Beats, theSkipLetsEveryTargetThCandidateTickThrough) {
    struct Case { int button; int32_t target; int64_t gap; };
    // With target 0 every candidate tick is a beat; after a beat the next
    // comes at the target-th candidate tick (ticks after the 400 ms lockout).
    for (const Case c : {Case{0, 0, 420}, Case{1, 16, 420 + 15 * 20}, Case{2, 32, 420 + 31 * 20}}) {
        Fixture f;
        BeatDetector& d = f.listening();
        d.cmdSkip_Click(c.button);
        EXPECT_EQ(d.skipTargetValue(), c.target);
        EXPECT_EQ(d.skipColours[size_t(c.button)], beatColours::red);
        EXPECT_EQ(d.skipColours[size_t((c.button + 1) % 5)], beatColours::darkGrey);
        for (int i = 0; i < 200; ++i) f.tick(loud());
        ASSERT_GE(f.pages.beats.size(), 3u) << c.target;
        EXPECT_EQ(f.pages.beats[2] - f.pages.beats[1], c.gap) << c.target;
    }
}

TEST(Beats, theSkipBoxAppliesOnlyWhenClicked) {
    Fixture f;
    BeatDetector& d = f.detector();
    d.setSkipText(QStringLiteral("4"));
    EXPECT_EQ(d.skipTargetValue(), 0);
    d.Combo1_Click();
    EXPECT_EQ(d.skipTargetValue(), 32);
    d.Combo1_KeyDown();
    EXPECT_EQ(d.skipText, QStringLiteral("0"));
    EXPECT_EQ(d.skipTargetValue(), 32);
    d.setSkipText(QStringLiteral("lots"));
    d.Combo1_Click();
    EXPECT_EQ(d.skipTargetValue(), 0);
}

// ---- Tempo ---------------------------------------------------------------------------------------------

TEST(Tempo, theRingOfEightAveragesTheIntervalsBetweenBeats) {
    Fixture f;
    BeatDetector& d = f.listening();
    // Beats every 600 ms (100 per minute): a loud tick, then quiet ones.
    auto beatAfter = [&](int64_t ms) {
        for (int64_t t = 20; t < ms; t += 20) f.tick(quiet());
        f.tick(loud());
    };
    f.tick(loud());
    EXPECT_EQ(d.bpmCaption, QStringLiteral("120 BPM")) << "the first beat stores no interval";
    EXPECT_EQ(d.getBpm(), 120.0f);
    beatAfter(600);
    // Slot 1 takes 100; slots 2..7 hold 120 and slot 0 holds 0, over 8.
    EXPECT_FLOAT_EQ(d.getBpm(), (100.0f + 6 * 120.0f) / 8);
    EXPECT_EQ(d.bpmCaption, QStringLiteral("103 BPM"));
    EXPECT_EQ(f.playbacks.fadeTimes.back(), 102) << "step trigger: the tempo at every beat, rounded to even";
    for (int i = 0; i < 7; ++i) beatAfter(600);
    EXPECT_FLOAT_EQ(d.getBpm(), 100.0f) << "slot 0 is written by the eighth interval";
    beatAfter(500);
    EXPECT_FLOAT_EQ(d.getBpm(), (7 * 100.0f + 120.0f) / 8);
}

TEST(Tempo, averagingSendsTheTempoEveryEighthInterval) {
    Fixture f;
    store(f, "Trigger Type", "bpmWithEmulation");
    f.listening();
    f.tick(loud());
    for (int i = 0; i < 16; ++i) {
        for (int t = 0; t < 29; ++t) f.tick(quiet());
        f.tick(loud());
    }
    EXPECT_EQ(f.pages.beats.size(), 17u);
    EXPECT_EQ(f.playbacks.fadeTimes.size(), 2u) << "at ring slot 7 only";
}

TEST(Tempo, bpmAdjustDecaysATenthPerTickWhenBeatsStop) {
    Fixture f;
    store(f, "Trigger Type", "bpmAdjust");
    BeatDetector& d = f.listening();
    f.tick(loud());
    // No beat since the load: the two ticks so far decayed before the beat.
    EXPECT_FLOAT_EQ(d.getBpm(), 120.0f * 0.9f * 0.9f);
    const float atBeat = d.getBpm();
    f.playbacks.fadeTimes.clear();
    for (int t = 0; t < 32; ++t) f.tick(quiet()); // 640 ms after the beat: not yet
    EXPECT_TRUE(f.playbacks.fadeTimes.empty());
    f.tick(quiet());
    EXPECT_FLOAT_EQ(d.getBpm(), atBeat * 0.9f);
    f.tick(quiet());
    EXPECT_FLOAT_EQ(d.getBpm(), atBeat * 0.9f * 0.9f);
    EXPECT_EQ(f.playbacks.fadeTimes, (std::vector<int32_t>{87, 79}));
    EXPECT_EQ(d.bpmCaption, QStringLiteral("79 BPM"));
    for (int t = 0; t < 40; ++t) f.tick(quiet());
    EXPECT_LE(d.getBpm(), 10.0f);
    EXPECT_GT(d.getBpm(), 9.0f) << "stops at 10 or less";
    EXPECT_EQ(f.playbacks.fadeTimes.size(), 42u) << "the tempo is sent at every decaying tick";

    Fixture skipping;
    store(skipping, "Trigger Type", "bpmAdjust");
    skipping.detector().cmdSkip_Click(1);
    BeatDetector& s = skipping.listening();
    skipping.tick(loud());
    for (int t = 0; t < 50; ++t) skipping.tick(quiet());
    EXPECT_EQ(s.getBpm(), 120.0f) << "no decay with a skip";
}

TEST(Tempo, emulatedBeatsFollowTheTempoInStepsOf60Ms) {
    struct Case { int32_t tempo; int ticksPerBeat; };
    // 120: 0.48 s < 0.5 s, so the ninth tick; 100: exactly the tenth.
    for (const Case c : {Case{120, 9}, Case{100, 10}, Case{225, 5}}) {
        Fixture f;
        BeatDetector& d = f.detector();
        d.hsldrTempo_Scroll(c.tempo);
        EXPECT_EQ(d.bpmCaption, QString::number(c.tempo) + QStringLiteral(" BPM"));
        EXPECT_TRUE(d.hiTime1().enabled());
        for (int i = 0; i < c.ticksPerBeat * 3; ++i) f.emulationTick();
        ASSERT_EQ(f.pages.beats.size(), 3u) << c.tempo;
        EXPECT_EQ(f.pages.beats[1] - f.pages.beats[0], 60 * c.ticksPerBeat);
        EXPECT_EQ(f.schedule.triggers, 3);
        EXPECT_EQ(f.playbacks.fadeTimes.back(), c.tempo);
        EXPECT_FLOAT_EQ(d.getBpm(), float(c.tempo)) << "emulation leaves the tempo";
    }
}

TEST(Tempo, aTapStopsCaptureAndEmulationFollowsTheTappedTempo) {
    Fixture f;
    BeatDetector& d = f.listening();
    d.cmdBPM_MouseDown();
    EXPECT_EQ(d.bpmColour, beatColours::darkBlue);
    EXPECT_FALSE(d.hiTime1().enabled());
    f.engine->tapTempo();
    d.cmdBPM_MouseUp();
    EXPECT_FALSE(f.engine->listening());
    EXPECT_TRUE(d.hiTime1().enabled());
    EXPECT_EQ(d.bpmCaption, QStringLiteral("120 BPM"));
    for (int i = 0; i < 10; ++i) f.emulationTick(); // 600 ms later
    f.engine->tapTempo();
    EXPECT_FLOAT_EQ(d.getBpm(), (100.0f + 6 * 120.0f) / 8);
    f.engine->stopBeatEmulation();
    EXPECT_FALSE(d.hiTime1().enabled());
    const size_t beats = f.pages.beats.size();
    for (int i = 0; i < 30; ++i) f.emulationTick();
    EXPECT_EQ(f.pages.beats.size(), beats) << "Stop Beat";
    Fixture g;
    g.detector().hsldrTempo_Scroll(20);
    for (int i = 0; i < 60; ++i) g.emulationTick();
    EXPECT_EQ(g.pages.beats.size(), 1u) << "20 per minute: one beat in 3.6 s";
}

// ---- Settings ------------------------------------------------------------------------------------------

TEST(AudioSettings, aMissingSectionGivesTheDefaults) {
    Fixture f;
    BeatDetector& d = f.detector();
    EXPECT_EQ(d.timer1().interval(), 15);
    EXPECT_EQ(d.responseChecked, (std::array<bool, 4>{false, false, true, false}));
    EXPECT_EQ(d.triggerTypeChecked, (std::array<bool, 3>{true, false, false}));
    EXPECT_TRUE(d.manualAdjustChecked);
    EXPECT_FALSE(d.autoAdjustChecked);
    EXPECT_TRUE(d.styleChecked[0]);
    EXPECT_EQ(d.bandStart, 6);
    EXPECT_EQ(d.bandWidth, 8);
    EXPECT_EQ(d.threshold, 2500);
    EXPECT_EQ(d.sensitivity, 200);
    EXPECT_EQ(d.skipText, QStringLiteral("0"));
    EXPECT_EQ(d.bandLabel, QStringLiteral("60 Hz"));
    EXPECT_EQ(d.rangeLabel, QStringLiteral("--- 140 Hz"));
    EXPECT_EQ(d.thresholdLabel, QStringLiteral("25.00"));
    EXPECT_EQ(d.bpmCaption, QStringLiteral("120 BPM"));
    EXPECT_TRUE(d.loadSucceeded());
}

TEST(AudioSettings, storedValuesAreReadAndWrittenBack) {
    Fixture f;
    for (auto [k, v] : {std::pair{"Response", "lowTimer"}, {"Trigger Type", "bpmAdjust"}, {"Threshold", "True"},
                        {"Music Style", "rStyle"}, {"Range", "3"}, {"Frequency", "20"}, {"ThresholdNum", "9000"},
                        {"Sensitivity", "700"}, {"SoundCard", "Line In"}})
        store(f, k, v);
    BeatDetector& d = f.detector();
    EXPECT_EQ(d.timer1().interval(), 30);
    EXPECT_TRUE(d.triggerTypeChecked[1]);
    EXPECT_TRUE(d.autoAdjustChecked);
    EXPECT_TRUE(d.styleChecked[2]) << "Rap";
    EXPECT_EQ(d.bandStart, 20) << "the band comes from Frequency, not the style";
    EXPECT_EQ(d.skipTargetValue(), 0);
    EXPECT_EQ(d.bandWidth, 3);
    EXPECT_EQ(d.threshold, 9000);
    EXPECT_EQ(d.sensitivity, 700);
    EXPECT_EQ(d.devicesCaption, QStringLiteral("Line In"));
    d.setBandWidth(5);
    d.responseClick(3);
    EXPECT_EQ(d.timer1().interval(), 3);
    EXPECT_EQ(setting(f, "Response"), QStringLiteral("lowTimer")) << "not saved at once";
    EXPECT_TRUE(d.Form_Unload());
    EXPECT_EQ(setting(f, "Response"), QStringLiteral("xtremeTimer"));
    EXPECT_EQ(setting(f, "Range"), QStringLiteral("5"));
    EXPECT_EQ(setting(f, "Music Style"), QStringLiteral("rStyle"));
    EXPECT_EQ(setting(f, "SoundCard"), QStringLiteral("Line In"));
}

TEST(AudioSettings, anUnknownResponseTicksNothingAndIsWrittenBackUnchanged) {
    Fixture f;
    store(f, "Response", "warpTimer");
    BeatDetector& d = f.detector();
    EXPECT_EQ(d.responseChecked, (std::array<bool, 4>{}));
    EXPECT_EQ(d.timer1().interval(), 20);
    d.Form_Unload();
    EXPECT_EQ(setting(f, "Response"), QStringLiteral("warpTimer"));
}

TEST(AudioSettings, aSliderValueThatIsNoNumberTakesTheFallback) {
    for (const char* key : {"Range", "Frequency", "ThresholdNum", "Sensitivity"}) {
        Fixture f;
        store(f, "Response", "medTimer");
        store(f, key, "loud");
        BeatDetector& d = f.detector();
        EXPECT_FALSE(d.loadSucceeded()) << key;
        EXPECT_EQ(d.bandStart, 60) << key;
        EXPECT_EQ(d.threshold, 500) << key;
        EXPECT_EQ(d.bandWidth, 8) << key << ": within the slider's range";
        EXPECT_TRUE(d.responseChecked[2] && d.responseChecked[1]) << "ticks only: Medium stays";
        EXPECT_EQ(d.timer1().interval(), 20);
        EXPECT_TRUE(d.styleChecked[4] && d.triggerTypeChecked[1] && d.autoAdjustChecked);
        EXPECT_EQ(d.responseName, QStringLiteral("medTimer"));
        EXPECT_TRUE(f.t.prompts().messages.isEmpty());
    }
}

TEST(AudioSettings, menuItemsSaveAtOnceOnlyWhereMarked) {
    struct Case { const char* what; std::function<void(BeatDetector&)> click; bool saved; };
    const Case cases[] = {
        {"bpmAdjust", [](BeatDetector& d) { d.triggerTypeClick(1); }, true},
        {"bpmWithEmulation", [](BeatDetector& d) { d.triggerTypeClick(2); }, true},
        {"stepTrigger", [](BeatDetector& d) { d.triggerTypeClick(0); }, false},
        {"autoAdjust", [](BeatDetector& d) { d.autoAdjust_Click(); }, true},
        {"manualAdjust", [](BeatDetector& d) { d.manualAdjust_Click(); }, false},
        {"Brumal", [](BeatDetector& d) { d.styleClick(5); }, true},
        {"Country", [](BeatDetector& d) { d.styleClick(6); }, true},
        {"House", [](BeatDetector& d) { d.styleClick(3); }, false},
    };
    for (const Case& c : cases) {
        Fixture f;
        c.click(f.detector());
        EXPECT_EQ(setting(f, "Response") != QStringLiteral("<none>"), c.saved) << c.what;
        EXPECT_EQ(setting(f, "Range"), QStringLiteral("<none>")) << c.what << ": the sliders wait for the unload";
    }
}

TEST(AudioSettings, musicStylesSetTheBandStartAndTheSkip) {
    struct Case { int item; int32_t start; int32_t target; };
    for (const Case c : {Case{0, 6, 0}, Case{1, 9, 0}, Case{2, 4, 16}, Case{3, 8, 0}, Case{4, 6, 0}, Case{5, 9, 0},
                         Case{6, 5, 8}, Case{7, 5, 0}}) {
        Fixture f;
        BeatDetector& d = f.detector();
        d.setBandWidth(12);
        d.styleClick(c.item);
        EXPECT_EQ(d.bandStart, c.start) << c.item;
        EXPECT_EQ(d.skipTargetValue(), c.target) << c.item;
        EXPECT_EQ(d.bandWidth, 12);
        EXPECT_EQ(d.musicStyleName, BeatDetector::styleItems[c.item]);
        EXPECT_EQ(std::count(d.styleChecked.begin(), d.styleChecked.end(), true), 1);
        EXPECT_EQ(d.bandLabel, QString::number(c.start * 10) + QStringLiteral(" Hz"));
    }
}

TEST(AudioSettings, closingWhileListeningStopsAndStaysThenUnloads) {
    Fixture f;
    BeatDetector& d = f.listening();
    EXPECT_FALSE(d.Form_Unload());
    EXPECT_FALSE(f.wave.isOpen());
    EXPECT_TRUE(d.loaded());
    EXPECT_EQ(setting(f, "Range"), QStringLiteral("8")) << "every key, even when the close is refused";
    store(f, "Range", "2");
    EXPECT_TRUE(d.Form_Unload());
    EXPECT_FALSE(d.loaded());
    EXPECT_EQ(setting(f, "Range"), QStringLiteral("8"));
}

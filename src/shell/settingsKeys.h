#pragma once
// Every key of ylc.ini in one table: section, key, the default its readers
// pass, and which subsystems read and write it. Readers and writers name a
// key through this table instead of spelling section and key themselves.
//
// Subsystems: 1 shell, 3 playback, 5 patch and layout, 6 show and options,
// 7 masters and top bar, 9 shortcut pages, 10 shortcut triggering,
// 14 effects, 16 external control, 18 sound-to-light, 20 support, 2 DMX output.

#include <QString>
#include <optional>
#include <vector>

namespace settingsKeys {

struct Key {
    const char* section;
    const char* key;
    // The default the readers pass; null when no reader reads the key.
    const char* defaultValue;
    const char* readBy;   // subsystem numbers, "-" for none
    const char* writtenBy;
};

// The playback sections are "PlayBack", a blank and the playback's number
// written with a blank for its sign ("PlayBack  9").
QString playbackSection(int number);

// [StartupConfig]
extern const Key startupFile;
// [Main]
extern const Key dmxRefreshRate;
// [Status]
extern const Key currentMode, theThing;
// [InterfaceType], [DualView], [ArtNet], [Webserver], [Midi Input Device]
extern const Key oneConsole, dualViewEnabled, artNetEnabled, artNetTarget, webserverEnabled, webserverPort,
    midiDeviceName;
// [HTiming], [Buttons], [Interface]
extern const Key hTiming, buttonsWidth, buttonsHeigth, interfaceOn;
// [Windows]
extern const Key windowsAudioTrigger, windowsSubMaster, windowsFogControl, windowsPalettes, windowsFixtureList,
    windowsStrobe,
    windowsShortcuts, windowsShortcutsFont;
// [Fixture Window]
extern const Key fixtureWindowFilename, fixtureWindowBackColor, fixtureWindowForeColor, fixtureWindowOnTop;
// [Strobe]: "Chase Rate" is read with "False" at start-up, "True" by the
// strobe window (strobeChaseRateWindow).
extern const Key strobeUseMin, strobeChaseIntensity, strobeChaseRate, strobeChaseRateWindow, strobeRate,
    strobeIntensity, strobeChaseSpeed;
// [Fog Controller]
extern const Key fogOutput, fogDuration, fogFrequency;
// [Audio Trigger]
extern const Key audioResponse, audioTriggerType, audioThreshold, audioMusicStyle, audioRange, audioFrequency,
    audioThresholdNum, audioSensitivity, audioSoundCard;
// [MasterTime], [Shortcuts], [HideBottomTools], [expandShortcutWindow]
extern const Key masterTimeSecond, masterTimeMiliSecond, shortcutsShowNumbers, hideBottomTools,
    expandShortcutWindow;
// [Update]: the update server's address (https), empty for none.
extern const Key updateLocation;
// [PlayBack n]: section from playbackSection(n).
extern const Key playbackPriority, playbackVisible, playbackMode, playbackX, playbackY, playbackShowShortcuts,
    playbackName, playbackTest;

// The whole table, in the order above.
const std::vector<const Key*>& all();

// The value in ylc.ini, or the key's default (`fallback` when given). A
// playback key takes its section from `section`.
QString read(const Key& key, const std::optional<QString>& fallback = std::nullopt,
             const QString& section = QString());
void write(const Key& key, const QString& value, const QString& section = QString());

// Typed reads for the start-up. A stored value that is no number (no truth
// value) gives the key's default instead and is reported once per key
// through `problems` (one line each: section, key and the value).
int readNumber(const Key& key, QStringList* problems);
bool readTruth(const Key& key, QStringList* problems);

} // namespace settingsKeys

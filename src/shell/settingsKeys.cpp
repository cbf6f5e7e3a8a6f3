#include "shell/settingsKeys.h"

#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"

#include <QStringList>

namespace settingsKeys {

const Key startupFile{"StartupConfig", "File", "", "1", "6"};
const Key dmxRefreshRate{"Main", "DMX Refresh Rate", "50", "1", "6"};
const Key currentMode{"Status", "currentMode", "Programmer/User", "1", "6"};
const Key theThing{"Status", "theThing", "tulipvex", "1", "6"};
const Key oneConsole{"InterfaceType", "oneConsole", "False", "1 7 6", "6"};
const Key dualViewEnabled{"DualView", "Enabled", "False", "6 7", "6"};
const Key artNetEnabled{"ArtNet", "Enabled", "False", "6 10 2", "6"};
// Not written by the console: an address typed by hand replaces the
// broadcast address of Art-Net.
const Key artNetTarget{"ArtNet", "Target", "2.255.255.255", "2", "-"};
const Key webserverEnabled{"Webserver", "Enabled", "False", "6 16", "6"};
const Key webserverPort{"Webserver", "Port", "8080", "6 16", "6"};
const Key midiDeviceName{"Midi Input Device", "Device Name", "", "6 16", "6 16"};
const Key hTiming{"HTiming", "Timing", nullptr, "-", "6"};
const Key buttonsWidth{"Buttons", "Width", "1800", "1", "-"};
const Key buttonsHeigth{"Buttons", "Heigth", "465", "1", "-"};
const Key windowsAudioTrigger{"Windows", "AudioTrigger", "False", "1", "1"};
const Key windowsSubMaster{"Windows", "subMaster", nullptr, "-", "1"};
const Key windowsFogControl{"Windows", "frmFogControl", "False", "1", "1"};
const Key windowsPalettes{"Windows", "frmPalettes", "False", "1", "1"};
const Key windowsFixtureList{"Windows", "fixtureList", "False", "1", "1"};
const Key windowsStrobe{"Windows", "frmStrobe", "False", "1", "1"};
const Key windowsShortcuts{"Windows", "Shortcuts", nullptr, "-", "1"};
const Key windowsShortcutsFont{"Windows", "ShortcutsFont", "8", "9", "9"};
const Key interfaceOn{"Interface", "On", nullptr, "-", "1"};
const Key fixtureWindowFilename{"Fixture Window", "Filename", "ydc.ico", "1", "5"};
const Key fixtureWindowBackColor{"Fixture Window", "BackColor", "16777215", "1", "5"};
const Key fixtureWindowForeColor{"Fixture Window", "ForeColor", "0", "1", "5"};
const Key fixtureWindowOnTop{"Fixture Window", "On Top", "False", "5", "5"};
const Key strobeUseMin{"Strobe", "Use Min", "False", "1", "-"};
const Key strobeChaseIntensity{"Strobe", "Chase Intensity", "True", "1 14", "14"};
const Key strobeChaseRate{"Strobe", "Chase Rate", "False", "1", "14"};
const Key strobeChaseRateWindow{"Strobe", "Chase Rate", "True", "14", "14"};
const Key strobeRate{"Strobe", "Rate", "100", "14", "14"};
const Key strobeIntensity{"Strobe", "Intensity", "100", "14", "14"};
const Key strobeChaseSpeed{"Strobe", "Chase Speed", nullptr, "-", "14"};
const Key fogOutput{"Fog Controller", "Output", "1", "14", "14"};
const Key fogDuration{"Fog Controller", "Duration", "1", "14", "14"};
const Key fogFrequency{"Fog Controller", "Frequency", "1", "14", "14"};
const Key audioResponse{"Audio Trigger", "Response", "highTimer", "18", "18"};
const Key audioTriggerType{"Audio Trigger", "Trigger Type", "stepTrigger", "18", "18"};
const Key audioThreshold{"Audio Trigger", "Threshold", "False", "18", "18"};
const Key audioMusicStyle{"Audio Trigger", "Music Style", "uniStyle", "18", "18"};
const Key audioRange{"Audio Trigger", "Range", "8", "18", "18"};
const Key audioFrequency{"Audio Trigger", "Frequency", "6", "18", "18"};
const Key audioThresholdNum{"Audio Trigger", "ThresholdNum", "2500", "18", "18"};
const Key audioSensitivity{"Audio Trigger", "Sensitivity", "200", "18", "18"};
const Key audioSoundCard{"Audio Trigger", "SoundCard", "", "18", "18"};
const Key masterTimeSecond{"MasterTime", "Second", "1", "7", "7"};
const Key masterTimeMiliSecond{"MasterTime", "MiliSecond", "1", "7", "7"};
const Key shortcutsShowNumbers{"Shortcuts", "ShowNumbers", "0", "9", "9"};
const Key hideBottomTools{"HideBottomTools", "value", "False", "9", "9"};
const Key expandShortcutWindow{"expandShortcutWindow", "value", "False", "9", "9"};
const Key updateLocation{"Update", "Location", "", "20", "-"};
const Key playbackPriority{"PlayBack ", "PlayBack Priority", "nop", "1", "-"};
const Key playbackVisible{"PlayBack ", "Visible", "False", "1", "3"};
const Key playbackMode{"PlayBack ", "Mode", nullptr, "-", "3"};
const Key playbackX{"PlayBack ", "X", nullptr, "-", "3"};
const Key playbackY{"PlayBack ", "Y", nullptr, "-", "3"};
const Key playbackShowShortcuts{"PlayBack ", "ShowShortcuts", nullptr, "-", "3"};
const Key playbackName{"PlayBack ", "Name", nullptr, "-", "3"};
const Key playbackTest{"PlayBack ", "test", nullptr, "-", "3"};

// The number is written with a blank in the place of its sign: two blanks
// stand before the digits.
QString playbackSection(int number) { return QStringLiteral("PlayBack  ") + QString::number(number); }

const std::vector<const Key*>& all() {
    static const std::vector<const Key*> table = {
        &startupFile, &dmxRefreshRate, &currentMode, &theThing, &oneConsole, &dualViewEnabled, &artNetEnabled,
        &artNetTarget, &webserverEnabled, &webserverPort, &midiDeviceName, &hTiming, &buttonsWidth,
        &buttonsHeigth, &interfaceOn, &windowsAudioTrigger, &windowsSubMaster, &windowsFogControl,
        &windowsPalettes, &windowsFixtureList, &windowsStrobe, &windowsShortcuts, &windowsShortcutsFont, &fixtureWindowFilename,
        &fixtureWindowBackColor, &fixtureWindowForeColor, &fixtureWindowOnTop, &strobeUseMin,
        &strobeChaseIntensity, &strobeChaseRate, &strobeChaseRateWindow, &strobeRate, &strobeIntensity,
        &strobeChaseSpeed, &fogOutput, &fogDuration, &fogFrequency, &audioResponse, &audioTriggerType,
        &audioThreshold, &audioMusicStyle, &audioRange, &audioFrequency, &audioThresholdNum, &audioSensitivity,
        &audioSoundCard, &masterTimeSecond, &masterTimeMiliSecond, &shortcutsShowNumbers, &hideBottomTools,
        &expandShortcutWindow, &updateLocation, &playbackPriority, &playbackVisible, &playbackMode, &playbackX, &playbackY,
        &playbackShowShortcuts, &playbackName, &playbackTest};
    return table;
}

namespace {
QString sectionOf(const Key& key, const QString& section) {
    return section.isEmpty() ? QString::fromLatin1(key.section) : section;
}

void report(const Key& key, const QString& value, QStringList* problems) {
    if (!problems) return;
    const QString line = QStringLiteral("[%1] %2 = \"%3\"")
                             .arg(QString::fromLatin1(key.section), QString::fromLatin1(key.key), value);
    if (!problems->contains(line)) problems->append(line);
}
} // namespace

QString read(const Key& key, const std::optional<QString>& fallback, const QString& section) {
    const QString def = fallback ? *fallback : QString::fromLatin1(key.defaultValue ? key.defaultValue : "");
    return miscGlobalFunctions::readIniValue(shell().iniFile(), sectionOf(key, section),
                                             QString::fromLatin1(key.key), def);
}

void write(const Key& key, const QString& value, const QString& section) {
    miscGlobalFunctions::writeIniValue(shell().iniFile(), sectionOf(key, section), QString::fromLatin1(key.key),
                                       value);
}

int readNumber(const Key& key, QStringList* problems) {
    const QString text = read(key).trimmed();
    bool ok = false;
    const int v = text.toInt(&ok);
    if (ok) return v;
    report(key, text, problems);
    return QString::fromLatin1(key.defaultValue ? key.defaultValue : "0").toInt();
}

bool readTruth(const Key& key, QStringList* problems) {
    const QString text = read(key).trimmed();
    if (const auto v = miscGlobalFunctions::truthFromText(text)) return *v;
    report(key, text, problems);
    return miscGlobalFunctions::truthFromText(QString::fromLatin1(key.defaultValue ? key.defaultValue : ""))
        .value_or(false);
}

} // namespace settingsKeys

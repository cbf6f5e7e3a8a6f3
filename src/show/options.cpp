#include "show/options.h"

#include "platform/prompts.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shell/services/controlService.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

#include <cmath>

namespace options {

namespace {
// The timing value lives as long as the shell.
struct TimingValue {
    int value = 0;
};

QString truth(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }
bool isOn(const settingsKeys::Key& key) { return settingsKeys::read(key) == QLatin1String("True"); }
} // namespace

const std::vector<std::pair<QString, int>>& refreshRates() {
    static const std::vector<std::pair<QString, int>> table{
        {QStringLiteral("20 Hz"), 50}, {QStringLiteral("25 Hz"), 40}, {QStringLiteral("27 Hz"), 37},
        {QStringLiteral("30 Hz"), 33}, {QStringLiteral("33 Hz"), 30}, {QStringLiteral("40 Hz"), 25},
    };
    return table;
}

QString refreshEntryFor(int intervalMs) {
    if (intervalMs <= 0) return {};
    const QString text = QString::number(std::lrint(1000.0 / intervalMs)) + QStringLiteral(" Hz");
    for (const auto& entry : refreshRates())
        if (entry.first == text) return text;
    return {};
}

std::optional<int> intervalFor(const QString& entry) {
    for (const auto& e : refreshRates())
        if (e.first == entry) return e.second;
    return std::nullopt;
}

void applyDmxRefreshRate(const QString& entry) {
    PlaybackService& frame = shell().playback();
    if (const auto interval = intervalFor(entry)) frame.setRefreshIntervalMs(*interval);
    settingsKeys::write(settingsKeys::dmxRefreshRate, QString::number(frame.refreshIntervalMs()));
}

QStringList timingEntries() {
    QStringList out;
    for (int v = 10; v <= 10000; v += 25) out.append(QString::number(v));
    return out;
}

int timingValue() { return shell().engine<TimingValue>().value; }

void chooseTiming(int value) {
    shell().engine<TimingValue>().value = value;
    settingsKeys::write(settingsKeys::hTiming, QString::number(value));
}

bool dualViewStored() { return isOn(settingsKeys::dualViewEnabled); }
bool oneConsoleStored() { return isOn(settingsKeys::oneConsole); }
bool artNetStored() { return isOn(settingsKeys::artNetEnabled); }
bool webServerStored() { return isOn(settingsKeys::webserverEnabled); }

void setDualView(bool on) {
    settingsKeys::write(settingsKeys::dualViewEnabled, truth(on));
    shell().masters().cmdProgramingMode_Click();
}

void setOneConsole(bool on) { settingsKeys::write(settingsKeys::oneConsole, truth(on)); }

bool chooseStartupShow(const QString& path) {
    if (path.isEmpty() || !miscGlobalFunctions::FileExists(path)) {
        shell().prompts().messageBox(QStringLiteral(" File Not Valid"));
        return false;
    }
    QString name = path;
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    settingsKeys::write(settingsKeys::startupFile, libParsePath::ParsePath(name, 6));
    return true;
}

QStringList midiEntries() {
    QStringList out{QStringLiteral("Disable MIDI Input")};
    out.append(shell().control().midiInputDevices());
    return out;
}

QString storedMidiDevice() { return settingsKeys::read(settingsKeys::midiDeviceName); }

void chooseMidiDevice(const QString& entry) {
    settingsKeys::write(settingsKeys::midiDeviceName, entry);
    ControlService& control = shell().control();
    control.closeMIDI();
    control.initMidi();
}

bool portTextChanged(const QString& text) {
    const double value = numberText::leadingValue(text);
    if (!(value > 0 && value < 9999)) return false;
    settingsKeys::write(settingsKeys::webserverPort, QString::number(std::lrint(value)));
    return true;
}

QString storedPort() { return settingsKeys::read(settingsKeys::webserverPort); }

WebServerState setWebServer(bool on, const QString& portText) {
    settingsKeys::write(settingsKeys::webserverEnabled, truth(on));
    ControlService& control = shell().control();
    if (!on) {
        control.StopServer();
        return {QString(), QStringLiteral("REMOTE DISABLED")};
    }
    int32_t port = numberText::isNumber(portText) ? int32_t(std::lrint(numberText::leadingValue(portText))) : 0;
    control.StartServer(port);
    WebServerState state;
    state.portText = QString::number(control.getPort());
    state.address = QStringLiteral("http://") + control.getIP() + QLatin1Char(':') + state.portText;
    shell().shortcuts().startUpSequencesFromIniFile();
    shell().shortcuts().pressActivePageButton();
    return state;
}

} // namespace options

#include "masters/wingMidi.h"

#include "masters/mastersEngine.h"
#include "platform/midiPorts.h"
#include "platform/tickTimer.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"

#include <QDebug>

WingMidi::WingMidi(MastersEngine& m) : masters(m), goDelay(shell().timers().create()) {
    goDelay->setInterval(20);
    goDelay->setEnabled(false);
    goDelay->onTick = [this] {
        goDelay->setEnabled(false);
        masters.wingGo(note, channel, velocity);
    };
}

WingMidi::~WingMidi() {
    goDelay->setEnabled(false);
    closeMidi();
}

void WingMidi::initMidi() {
    MidiPorts* ports = shell().midi();
    closeMidi();
    if (!ports) return;
    const QString name = miscGlobalFunctions::readIniValue(shell().iniFile(), QStringLiteral("Midi Input Device"),
                                                           QStringLiteral("Device Name"), QString());
    if (name.trimmed().isEmpty()) return;
    if (!ports->openInput(name, [this](const MidiMessage& m) { received(m); })) {
        problem = ports->lastError();
        qWarning("%s", qPrintable(problem));
        return;
    }
    wingAttached = ports->openOutput(name);
    if (!wingAttached) problem = ports->lastError();
}

void WingMidi::closeMidi() {
    if (MidiPorts* ports = shell().midi()) {
        ports->closeInput();
        ports->closeOutput();
    }
    wingAttached = false;
}

void WingMidi::received(const MidiMessage& m) {
    note = m.data1;
    channel = int32_t(m.status) - 143;
    velocity = m.data2;
    goDelay->setEnabled(true);
    masters.wingMessage(note, channel, velocity);
}

void WingMidi::switchWingButton(const QString& name, bool on) {
    if (name.toLower() != QLatin1String("autogo")) return;
    if (on) sendWingNoteOn(144, 45, 64);
    else sendWingNoteOff(128, 45, 0);
}

void WingMidi::sendWingNoteOff(int32_t status, int32_t n, int32_t v) {
    MidiPorts* ports = shell().midi();
    if (!wingAttached || !ports) return;
    ports->send(MidiMessage{uint8_t(status), uint8_t(n & 0x7F), uint8_t(v & 0x7F)});
}

void WingMidi::sendWingNoteOn(int32_t status, int32_t n, int32_t v) { sendWingNoteOff(status, n, v); }

bool WingMidi::midiValueChanged(const QString& value) {
    if (value == lastValue && changedCount >= 2) {
        changedCount = 0;
        return false;
    }
    lastValue = value;
    ++changedCount;
    return true;
}

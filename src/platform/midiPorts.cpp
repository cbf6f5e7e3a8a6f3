#include "platform/midiPorts.h"

#include <QMetaObject>
#include <QObject>
#include <rtmidi/RtMidi.h>

namespace {

QStringList portNames(RtMidi& r) {
    QStringList names;
    const unsigned n = r.getPortCount();
    for (unsigned i = 0; i < n; ++i) names << QString::fromStdString(r.getPortName(i));
    return names;
}

int indexOf(RtMidi& r, const QString& name) {
    const QStringList names = portNames(r);
    for (int i = 0; i < names.size(); ++i)
        if (names[i] == name || names[i].startsWith(name + QLatin1Char(':'))) return i;
    return -1;
}

} // namespace

RtMidiPorts::RtMidiPorts() : uiThread(std::make_unique<QObject>()) {}

RtMidiPorts::~RtMidiPorts() {
    closeInput();
    closeOutput();
}

// The sequencer is opened on first need; without one RtMidi throws and the
// console goes on without MIDI.
template <typename Port> bool openSequencer(std::unique_ptr<Port>& port, const char* what, QString& error) {
    if (port) return true;
    try {
        port = std::make_unique<Port>(RtMidi::LINUX_ALSA, "VarnelDMX");
        return true;
    } catch (const RtMidiError& e) {
        error = QStringLiteral("MIDI %1 not available: ").arg(QLatin1String(what)) + QString::fromStdString(e.getMessage());
        return false;
    }
}

bool RtMidiPorts::makeIn() { return openSequencer(in, "input", error); }

bool RtMidiPorts::makeOut() { return openSequencer(out, "output", error); }

QStringList RtMidiPorts::inputNames() {
    if (!makeIn()) return {};
    try {
        return portNames(*in);
    } catch (const RtMidiError& e) {
        error = QString::fromStdString(e.getMessage());
        return {};
    }
}

QStringList RtMidiPorts::outputNames() {
    if (!makeOut()) return {};
    try {
        return portNames(*out);
    } catch (const RtMidiError& e) {
        error = QString::fromStdString(e.getMessage());
        return {};
    }
}

void RtMidiPorts::onMessage(double, std::vector<unsigned char>* bytes, void* self) {
    // RtMidi's own thread: only copy the bytes and hand them over.
    auto* p = static_cast<RtMidiPorts*>(self);
    if (!bytes || bytes->empty() || bytes->size() > 3) return;
    MidiMessage m;
    m.status = (*bytes)[0];
    if (bytes->size() > 1) m.data1 = (*bytes)[1];
    if (bytes->size() > 2) m.data2 = (*bytes)[2];
    QMetaObject::invokeMethod(p->uiThread.get(), [p, m] {
        if (p->onReceived) p->onReceived(m);
    }, Qt::QueuedConnection);
}

bool RtMidiPorts::openInput(const QString& name, std::function<void(const MidiMessage&)> received) {
    closeInput();
    if (!makeIn()) return false;
    try {
        const int i = indexOf(*in, name);
        if (i < 0) {
            error = QStringLiteral("MIDI input not found: ") + name;
            return false;
        }
        onReceived = std::move(received);
        in->openPort(unsigned(i), "VarnelDMX in");
        in->ignoreTypes(true, true, true);
        in->setCallback(&RtMidiPorts::onMessage, this);
        return true;
    } catch (const RtMidiError& e) {
        error = QStringLiteral("MIDI input could not be opened: ") + QString::fromStdString(e.getMessage());
        return false;
    }
}

bool RtMidiPorts::openOutput(const QString& name) {
    closeOutput();
    if (!makeOut()) return false;
    try {
        const int i = indexOf(*out, name);
        if (i < 0) {
            error = QStringLiteral("MIDI output not found: ") + name;
            return false;
        }
        out->openPort(unsigned(i), "VarnelDMX out");
        outOpen = true;
        return true;
    } catch (const RtMidiError& e) {
        error = QStringLiteral("MIDI output could not be opened: ") + QString::fromStdString(e.getMessage());
        return false;
    }
}

void RtMidiPorts::closeInput() {
    if (!in) return;
    try {
        in->cancelCallback();
        in->closePort();
    } catch (const RtMidiError&) {
    }
    onReceived = nullptr;
}

void RtMidiPorts::closeOutput() {
    if (!out || !outOpen) return;
    try {
        out->closePort();
    } catch (const RtMidiError&) {
    }
    outOpen = false;
}

bool RtMidiPorts::outputOpen() const { return outOpen; }

void RtMidiPorts::send(const MidiMessage& m) {
    if (!out || !outOpen) return;
    const std::vector<unsigned char> bytes{m.status, m.data1, m.data2};
    try {
        out->sendMessage(&bytes);
    } catch (const RtMidiError& e) {
        error = QString::fromStdString(e.getMessage());
    }
}

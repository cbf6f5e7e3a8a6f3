#pragma once
// MIDI in and out: one input and one output port, chosen by name. Short
// messages only (status and two data bytes). The Linux implementation is
// RtMidi over the ALSA sequencer; it opens the sequencer only when a port is
// asked for, so a machine without one (a server, CI) runs the console
// without MIDI and the reason is in lastError(). Tests use a fake.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

struct MidiMessage {
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
};

class MidiPorts {
public:
    virtual ~MidiPorts() = default;
    // Names of the input and output ports there are; empty when none or no sequencer.
    virtual QStringList inputNames() = 0;
    virtual QStringList outputNames() = 0;
    // Opens the named input; `received` runs on the user-interface thread for
    // every short message. False (reason in lastError()) when it cannot.
    virtual bool openInput(const QString& name, std::function<void(const MidiMessage&)> received) = 0;
    virtual bool openOutput(const QString& name) = 0;
    virtual void closeInput() = 0;
    virtual void closeOutput() = 0;
    virtual bool outputOpen() const = 0;
    // Sends a short message on the open output; nothing when none is open.
    virtual void send(const MidiMessage& m) = 0;
    virtual QString lastError() const = 0;
};

class RtMidiIn;
class RtMidiOut;
class QObject;

class RtMidiPorts final : public MidiPorts {
public:
    RtMidiPorts();
    ~RtMidiPorts() override;
    QStringList inputNames() override;
    QStringList outputNames() override;
    bool openInput(const QString& name, std::function<void(const MidiMessage&)> received) override;
    bool openOutput(const QString& name) override;
    void closeInput() override;
    void closeOutput() override;
    bool outputOpen() const override;
    void send(const MidiMessage& m) override;
    QString lastError() const override { return error; }

private:
    bool makeIn();
    bool makeOut();
    static void onMessage(double stamp, std::vector<unsigned char>* bytes, void* self);
    std::unique_ptr<RtMidiIn> in;
    std::unique_ptr<RtMidiOut> out;
    std::unique_ptr<QObject> uiThread; // messages are handed to the UI thread through it
    std::function<void(const MidiMessage&)> onReceived;
    bool outOpen = false;
    QString error;
};

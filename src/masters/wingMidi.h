#pragma once
// The MIDI input and the control wing's output, the least the master section
// needs while external control is not built: the ports named in ylc.ini,
// every short message decoded into note, channel code (status - 143) and
// velocity, GO keys offered to the page submasters 20 ms after the message,
// then the dispatch chain (page submasters, top bar), the wing's LEDs and
// the thinning of repeated keys. Registered as the control service.

#include "shell/services/controlService.h"

#include <QString>
#include <memory>

class MastersEngine;
class TickTimer;
struct MidiMessage;

class WingMidi : public ControlService {
public:
    explicit WingMidi(MastersEngine& masters);
    ~WingMidi() override;

    // Opens the input and the wing's output from ylc.ini [Midi Input Device]
    // "Device Name"; a missing port or sequencer leaves the console without
    // MIDI, reported in status().
    void initMidi() override;
    void closeMidi();
    // A short message from the input (also the tests' way in).
    void received(const MidiMessage& m);
    // The delayed GO offer (the 20 ms timer).
    TickTimer& goTimer() { return *goDelay; }

    void switchWingButton(const QString& name, bool on) override;
    bool controlWingAttached() override { return wingAttached; }
    void sendWingNoteOff(int32_t status, int32_t note, int32_t velocity) override;
    void sendWingNoteOn(int32_t status, int32_t note, int32_t velocity) override;
    bool midiValueChanged(const QString& value) override;

    QString status() const { return problem; }

private:
    MastersEngine& masters;
    std::unique_ptr<TickTimer> goDelay;
    bool wingAttached = false;
    int32_t note = 0, channel = 0, velocity = 0;
    QString lastValue;
    int changedCount = 0;
    QString problem;
};

#pragma once
// What external control (MIDI, the control wing) offers the others. The
// base is "no wing attached".

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class ControlService {
public:
    virtual ~ControlService() = default;

    // Lights or darkens a named button of the control wing.
    virtual void switchWingButton(const QString& name, bool on) {}
    // Whether a control wing is attached.
    virtual bool controlWingAttached() { return false; }
    // A note-off to the wing (status byte, note, velocity).
    virtual void sendWingNoteOff(int32_t status, int32_t note, int32_t velocity) {}
};

#pragma GCC diagnostic pop

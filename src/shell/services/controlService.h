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
    // A note-on to the wing (status byte, note, velocity).
    virtual void sendWingNoteOn(int32_t status, int32_t note, int32_t velocity) {}


    // The shortcut of a button on a page: its key, else its MIDI note and
    // channel joined by a comma; empty when none.
    virtual QString getMyKeyboardShortcut(const QString& page, const QString& buttonName);
    // A page's own shortcut, key or MIDI; empty when none.
    virtual QString getPageShortcut(const QString& page);
    // Moves a button's assignment from oldName on oldPage to newName on
    // newPage; an empty shortcut changes nothing.
    virtual void carryButtonShortcut(const QString& oldName, const QString& newName, const QString& shortcut,
                                     const QString& oldPage, const QString& newPage);
    // Moves a page's own assignment to the new page name.
    virtual void carryPageShortcut(const QString& oldPage, const QString& newPage, const QString& shortcut);
    // Removes the key and MIDI assignment of a button on a page.
    virtual void deleteButtonAssignments(const QString& page, const QString& buttonName);
    // Starts the web remote (port 0: from the settings); nothing when disabled.
    virtual void StartServer(int32_t& port);
    virtual void StopServer();
    // Rebuilds the web remote's model of pages and buttons.
    virtual void updateWebInterface();

    virtual void shortcutKeyDown(int /*keyCode*/, int /*shift*/) {} // the button pages' keyboard shortcuts
    virtual void shortcutKeyUp(int /*keyCode*/, int /*shift*/) {}
};

#pragma GCC diagnostic pop

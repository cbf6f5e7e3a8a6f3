#pragma once
// What external control (MIDI, the control wing) offers the others. The
// base is "no wing attached".

#include <QStringList>
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
    // Thinning of repeated wing messages: false only for the third and later
    // repeat of the same value in a row (the counter is shared by all callers).
    virtual bool midiValueChanged(const QString& value) { return true; }


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
    // A button's state changed (button index and page tab as decimal text,
    // the state word): the web remote marks it on or off.
    virtual void mirrorButtonStateToWeb(const QString& index, const QString& tab, const QString& state);

    // A key pressed / released in a window that forwards keys (key codes and
    // shift state as keyCodes gives them): the button pages' keyboard
    // triggers; a key without assignment goes to the main window's keys.
    virtual void shortcutKeyDown(int keyCode, int shift);
    virtual void shortcutKeyUp(int keyCode, int shift);

    // The running web server's local address and port; empty and 0 when none runs.
    virtual QString getIP();
    virtual int32_t getPort();
    // The names of the MIDI input devices, by device number from 0.
    virtual QStringList midiInputDevices() { return {}; }
    // Closes MIDI output and input; reopens them with the device ylc.ini names.
    virtual void closeMIDI() {}
    virtual void initMidi() {}

    // MIDI time code from input device n (the schedule's time source): opened and started,
    // false when it cannot; closed again. The last received time code as hh:mm:ss.ff
    // (frames last; empty before any) and its rate ("SMPTE 25" ...).
    virtual bool openTimeCodeInput(int32_t device) { return false; }
    virtual void closeTimeCodeInput() {}
    virtual QString timeCode() { return {}; }
    virtual QString timeCodeRate() { return {}; }

    // ---- Windows opened from the main window ----
    // Shows the DMX input window above the others.
    virtual void showDmxInput() {}
    // Passes a key typed into the main window to the keyboard shortcuts.
    virtual void keyToShortcuts(int32_t key, int32_t shift, bool down) {}
};

#pragma GCC diagnostic pop

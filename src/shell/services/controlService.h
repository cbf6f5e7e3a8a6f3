#pragma once
// What other subsystems ask of the external control: key and MIDI
// assignments of the button pages, and the web remote. Until the control
// subsystem runs, the base keeps the assignments of keyboardShortcuts.ini and
// MIDIShortcuts.ini of the show folder in step with pages and buttons, and no
// web remote runs.

#include <QString>
#include <cstdint>

class ControlService {
public:
    virtual ~ControlService() = default;
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
};

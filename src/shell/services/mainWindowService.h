#pragma once
// What other subsystems ask of the main window's programming console. The
// base answers "nothing there": the programmer user mode, no groups.

#include <QString>

class MainWindowService {
public:
    virtual ~MainWindowService() = default;
    virtual QString userMode() { return {}; }                     // "User Only", "Playback Only", ... ; empty = programmer
    virtual void Keyshortcuts(int /*keyCode*/, int /*shift*/) {}    // the console's key shortcuts
    virtual void keyshortcutsup(int /*keyCode*/, int /*shift*/) {}
    virtual void checkGroupSelected(int /*group*/) {}              // mark the chosen fixture group (0 = none)
    virtual bool canRemoveFixtures() { return false; }             // removal is offered
    virtual void removeSelectedFixtures() {}                       // ask and remove the selected fixtures
    virtual void removeMatrix(const QString& /*matrixName*/) {}   // ask and remove a matrix's fixtures
};

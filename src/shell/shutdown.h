#pragma once
// The one road out of the program: it records whether an interface was
// open, asks in the programmer mode about the unsaved show and the unsaved
// sequence, keeps the main window's place, and ends after the final
// confirmation (or hands over to a downloaded installer). Nothing unsaved is
// lost without the operator's No: each unsaved-work flag is cleared only by
// its own successful save or its own No, and a failed save returns to
// running.

#include <QString>

// What the shutdown asks of the window side.
class ShutdownView {
public:
    virtual ~ShutdownView() = default;
    // Stores the main window's position.
    virtual void saveMainWindowState() {}
    // Unloads the windows and ends the event loop.
    virtual void endProgram() {}
    // Hands a downloaded installer package to the desktop's package installer.
    virtual void openInstaller(const QString& path) { (void)path; }
};

namespace shutdown {

inline const QString confirmText =
    QStringLiteral("Are you sure you want to quit program and stop all running sequences");

// True when the program ends; false when it keeps running. startNew is the
// path of a downloaded installer to start instead of the confirmation.
bool closeProgram(ShutdownView& view, const QString& startNew = QString());

// The final confirmation; true on Yes.
bool confirmClose();

} // namespace shutdown

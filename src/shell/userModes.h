#pragma once
// The user modes and the lock code that guards a change of mode. The mode
// decides whether the operator may save and edit the show or only play it:
// "Programmer/User" everything, "User Only" no saving or deleting, "Playback
// Only" neither, with the top bar held in playback mode. Mode and code live
// in ylc.ini [Status]; one per shell: shell().engine<UserModes>().

#include <QString>

class UserModes {
public:
    static inline const QString programmerUser = QStringLiteral("Programmer/User");
    static inline const QString userOnly = QStringLiteral("User Only");
    static inline const QString playbackOnly = QStringLiteral("Playback Only");

    // Reads the stored mode and lock code.
    UserModes();

    QString userMode;
    QString passWord;

    // Start-up: applies the stored mode to the windows.
    void applyUserMode();
    // A mode chosen in the options window: asks for the lock code (an empty
    // box) and, when it matches exactly, stores and applies the mode. False
    // when the code was refused ("Password Incorrect, Please try again").
    bool changeMode(const QString& chosen);
    // Asks for the current code, then the new one twice. A wrong current
    // code, an empty new code (a cancelled box answers empty) or a
    // confirmation that differs changes nothing. True when the code changed.
    bool changePassword();
};

// Enables or disables every saving and editing control of the console.
void disableSaveMenu(bool enable);

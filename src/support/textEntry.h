#pragma once
// What the text-entry dialog's OK does: the mode chosen by its caller says
// which name is being typed. A name is checked before anything changes; a
// refused name keeps the dialog open with the reason.

#include <QString>
#include <cstdint>

namespace textEntry {

// The modes' keywords. Any other text that is not empty is the name of the
// fixture being renamed; the empty text names a playback.
inline const QString editMultiChasers = QStringLiteral("iamgoingtoeditmultichasers");
inline const QString editScheduleShortcut = QStringLiteral("weareeditingascheduleshortcut");
inline const QString renameSequence = QStringLiteral("iamgoingtorenameasequence");
inline const QString renameDmxPilot = QStringLiteral("iamgoingtorenameadmxpilot");
inline const QString renameSequenceOnPlayback = QStringLiteral("iamgoingtorenameasequenceonplayback");

inline const QString duplicateFixtureName =
    QStringLiteral("Each fixture must have a unique name, Please try different name, name already taken.");

// What the caller set up when it opened the dialog.
struct Request {
    QString dialogMode;
    // Renaming a fixture: its number, taken when the dialog opened.
    int32_t fixture = 0;
    // Naming a playback: its number (1..8).
    int32_t playback = 0;
    // Renaming a playback's sequence: the file, relative to the Sequences
    // folder ("Club\Intro.YSQ").
    QString originalName;
};

struct Result {
    // The action is done and the dialog closes.
    bool close = false;
    // Why the name was refused (shown; the dialog stays open), or empty.
    QString problem;
};

// The dialog's OK (and Enter in its text box) with the text typed.
Result OKButton_Click(const Request& request, const QString& typed);

// The text box's first text for a playback's sequence rename: the file's
// base name, without folder and extension.
QString sequenceBaseName(const QString& originalName);

// Checks a new file name typed for a sequence in the folder of `source`
// (a real path): empty when good, else the reason. target receives the new
// file's real path.
QString checkSequenceRename(const QString& source, const QString& typed, QString* target);

} // namespace textEntry

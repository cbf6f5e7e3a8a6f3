#pragma once
// What the confirmation dialog's OK does: the question it shows names the
// command, as its callers set it.

#include <QString>

namespace confirmActions {

inline const QString clearSequenceText =
    QStringLiteral("Are you sure you want to clear Loaded Sequence and Release Current Playback?");
inline const QString newShowText =
    QStringLiteral("Are you sure you want to Clear Loaded Configuration/Show and Start a New Configuration/Show?");
inline const QString newShowCaption = QStringLiteral("VarnelDMX stage Lighting Controller");
// The caption before clearing the current playback.
QString clearSequenceCaption();

struct Result {
    // The command ran and the dialog closes.
    bool close = false;
    // What went wrong (shown; the dialog stays open), or empty.
    QString problem;
};

// Runs the command whose question this is; a question that names none
// (compared exactly) does nothing and the dialog stays open.
Result OKButton_Click(const QString& question);

} // namespace confirmActions

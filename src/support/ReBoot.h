#pragma once
// Switching the computer off from the console, on the operator's explicit
// command only: quitting the program never comes here.

#include <QString>

namespace ReBoot {

inline const QString askText = QStringLiteral("ARE YOU SURE YOU WANT TO SHUT DOWN THE COMPUTER?");
inline const QString askTitle = QStringLiteral("SHUTDOWN?");

// Asks the system to power off (force: other programs are closed without
// asking). A refusal is reported to the operator; false then, and the
// console keeps running.
bool shutDownComputer(bool force);

// The shut-down command: the Yes/No question, then shutDownComputer(true).
// True when the system accepted, so the program should end.
bool confirmAndShutDown();

} // namespace ReBoot

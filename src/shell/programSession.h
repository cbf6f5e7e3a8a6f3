#pragma once
// What the start-up reads once for the whole run and the shutdown needs
// again: the user mode and its lock code, one-console mode, and the lock
// that keeps a second console from starting on the same program folder.

#include <QLockFile>
#include <QString>
#include <memory>

struct ProgramSession {
    QString userMode = QStringLiteral("Programmer/User");
    QString passWord = QStringLiteral("tulipvex");
    bool oneConsole = false;
    // Held from the instance check until the program ends.
    std::unique_ptr<QLockFile> instanceLock;
};

namespace programSession {
// Takes the program folder's instance lock; false when another running
// console holds it. A lock left by a console that crashed is taken over.
bool acquireInstanceLock(ProgramSession& session, const QString& programFolder);
} // namespace programSession

#include "shell/programSession.h"

#include <QDir>

namespace programSession {

bool acquireInstanceLock(ProgramSession& session, const QString& programFolder) {
    auto lock = std::make_unique<QLockFile>(QDir(programFolder).filePath(QStringLiteral("varneldmx.lock")));
    // A console runs for hours: only a lock whose process is gone is stale,
    // never one that is merely old.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return false;
    session.instanceLock = std::move(lock);
    return true;
}

} // namespace programSession

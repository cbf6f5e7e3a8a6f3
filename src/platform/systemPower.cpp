#include "platform/systemPower.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

bool LogindSystemPower::powerOff(bool force) {
    error.clear();
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        error = QStringLiteral("The system bus is not reachable: ") + bus.lastError().message();
        return false;
    }
    QDBusInterface manager(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                           QStringLiteral("org.freedesktop.login1.Manager"), bus);
    if (!manager.isValid()) {
        error = QStringLiteral("logind is not available: ") + manager.lastError().message();
        return false;
    }
    // logind ends every session at power-off whatever the programs in them
    // say, which is what the force flag asks for, so it needs no flag of its
    // own. Interactive: polkit may ask the operator to authenticate.
    (void)force;
    const QDBusReply<void> reply = manager.call(QStringLiteral("PowerOff"), true);
    if (!reply.isValid()) {
        error = reply.error().message();
        return false;
    }
    return true;
}

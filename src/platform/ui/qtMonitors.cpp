#include "platform/ui/qtMonitors.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>

namespace {
// The primary screen first, then the others in Qt's order.
std::vector<QScreen*> orderedScreens() {
    std::vector<QScreen*> out;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary) out.push_back(primary);
    for (QScreen* s : QGuiApplication::screens())
        if (s != primary) out.push_back(s);
    return out;
}
} // namespace

std::vector<QRect> QtMonitors::list() {
    std::vector<QRect> out;
    for (QScreen* s : orderedScreens()) out.push_back(s->geometry());
    return out;
}

std::vector<QRect> QtMonitors::workAreas() {
    std::vector<QRect> out;
    for (QScreen* s : orderedScreens()) out.push_back(s->availableGeometry());
    return out;
}

bool QtMonitors::canPlaceWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

namespace qtMonitors {

void preferPlaceableWindows() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || !qEnvironmentVariableIsSet("DISPLAY")) return;
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    if (!plugins.entryList({QStringLiteral("*qxcb*")}, QDir::Files).isEmpty())
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace qtMonitors

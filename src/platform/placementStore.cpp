#include "platform/placementStore.h"

#include <QSettings>

namespace {
QString keyFor(const QString& section, const QString& name) { return section + QLatin1Char('/') + name; }
}

QString QtPlacementStore::get(const QString& app, const QString& section, const QString& name, bool* found) const {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VarnelDMX"), app);
    const QVariant v = settings.value(keyFor(section, name));
    if (found) *found = v.isValid();
    return v.toString();
}

bool QtPlacementStore::set(const QString& app, const QString& section, const QString& name, const QString& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VarnelDMX"), app);
    settings.setValue(keyFor(section, name), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

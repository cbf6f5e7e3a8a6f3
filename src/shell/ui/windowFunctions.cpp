#include "shell/ui/windowFunctions.h"

#include "platform/placementStore.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

#include <QApplication>
#include <QWidget>
#include <charconv>
#include <cmath>
#include <typeindex>

namespace {

// Positions are stored in twips, the unit the thresholds of the placement
// rules are given in; at the usual 96 dots per inch a pixel is 15 twips.
constexpr double twipsPerPixel = 15.0;
// The store's application name.
const QString placementApp = QStringLiteral("varneldmx");

QString windowName(const QWidget* w) {
    const QString name = w->objectName();
    return name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name;
}

// The shortest decimal text of a 32-bit float ("1500", "-45", "12.5").
QString floatText(float v) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, res.ptr - buf);
}

} // namespace

namespace miscGlobalFunctions {

QWidget* topLevelWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

bool hasStoredPlacement(const QString& windowName) {
    bool found = false;
    const QString stored = shell().placement().get(placementApp, QStringLiteral("Startup"), windowName, &found);
    return found && !stored.trimmed().isEmpty();
}

QString windowPlacement(QWidget* window, const QString& mode, const QString& section) {
    if (!window) return {};
    Shell& s = shell();
    const QString sectionName = section.isEmpty() ? QStringLiteral("Startup") : section;
    const QString name = windowName(window);
    auto moveToDefault = [window] {
        window->move(int(std::lround(100 / twipsPerPixel)), int(std::lround(100 / twipsPerPixel)));
    };

    if (mode.toUpper() != QLatin1String("GET")) {
        const float left = float(window->x() * twipsPerPixel), top = float(window->y() * twipsPerPixel);
        const float width = float(window->width() * twipsPerPixel), height = float(window->height() * twipsPerPixel);
        // A minimised or off-screen window has nothing worth keeping.
        if (left > -47 && top > -150 && width > 0 && height > 0) {
            const QString text = floatText(left) + QLatin1Char(',') + floatText(top) + QLatin1Char(',') +
                                 floatText(width) + QLatin1Char(',') + floatText(height);
            if (!s.placement().set(placementApp, sectionName, name, text)) moveToDefault();
        }
        return {};
    }

    bool found = false;
    const QString stored = s.placement().get(placementApp, sectionName, name, &found);
    double fields[4] = {};
    // Reads fields first..last; false (the window then goes to the default
    // place) when one is not a number, or a size is negative.
    auto readFields = [&](int first, int last) {
        for (int i = first; i <= last; ++i) {
            bool ok = false;
            fields[i] = nextToken(stored, i + 1, QStringLiteral(",")).trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(fields[i]) || (i >= 2 && fields[i] < 0)) {
                moveToDefault();
                return false;
            }
        }
        return true;
    };
    // The first two fields decide; the size is only read when they pass.
    if (!readFields(0, 1)) return stored;
    if (fields[0] > -46 && fields[1] > -46 && !stored.isEmpty()) {
        if (!readFields(2, 3)) return stored;
        int pixels[4];
        for (int i = 0; i < 4; ++i) {
            const double p = std::round(fields[i] / twipsPerPixel);
            if (std::fabs(p) > 1'000'000) { // no screen is that large: a damaged value
                moveToDefault();
                return stored;
            }
            pixels[i] = int(p);
        }
        window->move(pixels[0], pixels[1]);
        window->resize(pixels[2], pixels[3]);
    }
    return stored;
}

void unloadAllForms(const QString& keepName) {
    for (QWidget* w : windows().loadedForms()) {
        const QString name = windowName(w);
        if (name == keepName || name == QLatin1String("frmPalettes")) continue;
        windows().unloadForm(std::type_index(typeid(*w)));
    }
}

} // namespace miscGlobalFunctions

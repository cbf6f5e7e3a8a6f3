#include "shortcuts/pageSettings.h"

#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shortcuts/shortcutFiles.h"

#include <cmath>

namespace pageSettings {

namespace {

QString file(const QString& page) { return shortcutFiles::pageSettingsFile(page); }

// The file is hand-editable: a number past what its use can hold (x=1e300,
// color=1e20) reads as 0, as if it were not there, rather than being cast
// out of range.
constexpr double coordinateLimit = 1e7; // twips; far beyond any screen
constexpr double integerLimit = 2147483647.0;

double readNumber(const QString& page, const QString& section, const QString& key, const QString& fallback,
                  double limit = coordinateLimit) {
    const QString text = miscGlobalFunctions::readIniValue(file(page), section, key, fallback);
    // Text that is no number at all is an error its caller reports; a number
    // too large for its use (inf included) reads as not stored.
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok)
        throw NotANumber(QStringLiteral("Type mismatch: [%1] %2=%3 in the page settings of \"%4\"")
                             .arg(section, key, text, page));
    return std::isfinite(v) && std::fabs(v) <= limit ? v : 0.0;
}

int32_t readInteger(const QString& page, const QString& section, const QString& key) {
    return int32_t(readNumber(page, section, key, QStringLiteral("0"), integerLimit));
}

void put(const QString& page, const QString& section, const QString& key, const QString& value) {
    miscGlobalFunctions::writeIniValue(file(page), section, key, value);
}

QString numberText(double v) { return QString::number(v, 'g', 10); }

} // namespace

bool readButtonPosition(const QString& page, const QString& name, float& x, float& y) {
    const double storedY = readNumber(page, name, QStringLiteral("y"), QStringLiteral("0"));
    const double storedX = readNumber(page, name, QStringLiteral("x"), QStringLiteral("0"));
    if (storedX == 0 && storedY == 0) return false;
    x = float(storedX);
    y = float(storedY);
    return true;
}

void writePosition(const QString& page, const QString& name, float x, float y, int32_t group) {
    if (name.isEmpty()) return;
    put(page, name, QStringLiteral("x"), numberText(x));
    put(page, name, QStringLiteral("y"), numberText(y));
    if (group >= 0) writeGroup(page, name, group);
}

void writeGroup(const QString& page, const QString& name, int32_t group) {
    if (name.isEmpty()) return;
    put(page, name, QStringLiteral("group"), QString::number(group));
}

void deletePagePosition(const QString& page, const QString& name) {
    if (name.isEmpty()) return;
    miscGlobalFunctions::writeIniValue(file(page), name, QStringLiteral("x"), std::nullopt);
    miscGlobalFunctions::writeIniValue(file(page), name, QStringLiteral("y"), std::nullopt);
    miscGlobalFunctions::writeIniValue(file(page), name, std::nullopt, std::nullopt);
}

int32_t groupOfButtonOnPage(const QString& page, const QString& name) {
    const int32_t g = readInteger(page, name, QStringLiteral("group"));
    return g < 1 ? 0 : g;
}

int32_t groupAtPoint(const std::vector<GroupRect>& groups, float x, float y) {
    for (size_t i = 0; i < groups.size(); ++i) {
        const GroupRect& g = groups[i];
        if (g.left <= x && x < g.left + g.width && g.top <= y && y < g.top + g.height) return int32_t(i) + 1;
    }
    return 0;
}

float snapCoordinate(float value, float step) {
    const int64_t g = std::llround(double(step) * 1440.0);
    if (g <= 0) return value;
    const int64_t whole = int64_t(std::nearbyint(value));
    const int64_t r = ((whole % g) + g) % g;
    const int64_t q = int64_t(std::floor(double(value) / double(g)));
    return float(r * 2 < g ? g * q : g * (q + 1));
}

std::vector<GroupRect> loadGroups(const QString& page) {
    std::vector<GroupRect> groups;
    for (int i = 1; i <= maxGroups; ++i) {
        const QString s = QString::number(i);
        GroupRect g;
        g.top = readNumber(page, s, QStringLiteral("top"), QStringLiteral("0"));
        g.left = readNumber(page, s, QStringLiteral("left"), QStringLiteral("0"));
        g.width = readNumber(page, s, QStringLiteral("width"), QStringLiteral("0"));
        g.height = readNumber(page, s, QStringLiteral("height"), QStringLiteral("0"));
        if (g.top + g.left + g.width + g.height <= 0) break;
        g.color = readInteger(page, s, QStringLiteral("color"));
        g.name = miscGlobalFunctions::readIniValue(file(page), s, QStringLiteral("name"), QString());
        groups.push_back(g);
    }
    return groups;
}

void saveGroupRect(const QString& page, int32_t group, const GroupRect& rect, bool withColor, bool withName) {
    if (group < 1) return;
    const QString s = QString::number(group);
    put(page, s, QStringLiteral("top"), numberText(rect.top));
    put(page, s, QStringLiteral("left"), numberText(rect.left));
    put(page, s, QStringLiteral("width"), numberText(rect.width));
    put(page, s, QStringLiteral("height"), numberText(rect.height));
    if (withColor) put(page, s, QStringLiteral("color"), QString::number(rect.color));
    if (withName) put(page, s, QStringLiteral("name"), rect.name);
}

void shiftGroupSections(const QString& page, int32_t n) {
    // Sections 1..11 are read: a hand-made eleventh still moves down.
    std::vector<GroupRect> all(12);
    for (int i = 1; i <= 11; ++i) {
        const QString s = QString::number(i);
        GroupRect& g = all[size_t(i)];
        g.top = readNumber(page, s, QStringLiteral("top"), QStringLiteral("0"));
        g.left = readNumber(page, s, QStringLiteral("left"), QStringLiteral("0"));
        g.width = readNumber(page, s, QStringLiteral("width"), QStringLiteral("0"));
        g.height = readNumber(page, s, QStringLiteral("height"), QStringLiteral("0"));
        g.color = readInteger(page, s, QStringLiteral("color"));
        g.name = miscGlobalFunctions::readIniValue(file(page), s, QStringLiteral("name"), QStringLiteral("none"));
    }
    int32_t last = 0;
    for (int i = n + 1; i <= 11; ++i) {
        const GroupRect& g = all[size_t(i)];
        if (g.left + g.top + g.width > 0) {
            saveGroupRect(page, i - 1, g, true, true);
        } else {
            last = i - 1;
            break;
        }
    }
    if (last < 1) return;
    const QString s = QString::number(last);
    for (const char* key : {"top", "left", "width", "height", "color", "name"})
        miscGlobalFunctions::writeIniValue(file(page), s, QString::fromLatin1(key), std::nullopt);
    miscGlobalFunctions::writeIniValue(file(page), s, std::nullopt, std::nullopt);
}

} // namespace pageSettings

#include "presets/addPreset.h"

#include "profiles/ClsFixture.h"
#include "shell/shell.h"

#include <QSet>

namespace addPreset {

QStringList channelTypeNames() {
    const ChannelModel& m = shell().state;
    QStringList out;
    QSet<QString> seen;
    for (size_t k = 1; k < m.lightClasses.size(); ++k) {
        const ClsFixture* p = m.lightClasses[k].get();
        if (!p) continue;
        for (int c = 1; c <= 36; ++c) {
            const QString& name = p->Channel_prop(c);
            if (name.isEmpty() || seen.contains(name.toLower())) continue;
            seen.insert(name.toLower());
            out << name;
        }
    }
    return out;
}

bool preTicked(const QString& caption, const QString& otherMode, bool panAndTiltMode) {
    auto begins = [&](std::initializer_list<const char*> words) {
        for (const char* w : words)
            if (caption.startsWith(QLatin1String(w))) return true;
        return false;
    };
    if (panAndTiltMode && (caption == QLatin1String("pan") || caption == QLatin1String("tilt") ||
                           caption == QLatin1String("panfine") || caption == QLatin1String("tiltfine")))
        return true;
    if (otherMode == QLatin1String("color")) return begins({"color"});
    if (otherMode == QLatin1String("gobo")) return begins({"gobo"});
    if (otherMode == QLatin1String("beam")) return begins({"dimmer", "prism", "focus", "effect"});
    if (otherMode == QLatin1String("shutter")) return begins({"shutter"});
    if (otherMode == QLatin1String("rotation")) return begins({"rotating"});
    return false;
}

std::vector<QPoint> boxPlaces(int count, int32_t dialogHeight) {
    std::vector<QPoint> out;
    int32_t left = boxLeft, top = 0; // the hidden template box
    for (int i = 0; i < count; ++i) {
        top += boxStep;
        if (top > dialogHeight - 2800) {
            top = boxStep;
            left += boxWidth + columnGap;
        }
        out.emplace_back(left, top);
    }
    return out;
}

int pageToReopen(const QString& paletteToSave) {
    const QString page = paletteToSave.trimmed().toLower();
    static const char* const pages[] = {"color", "gobo", "shutter", "beam", "function", "rotation", "speed", "position"};
    for (int i = 0; i < 8; ++i)
        if (page == QLatin1String(pages[i]) && i != 6) return i;
    return -1;
}

} // namespace addPreset

#include "presets/presetData.h"

#include "shell/numberText.h"

#include <cmath>

namespace presetData {

const QStringList& headers() {
    static const QStringList h = {QStringLiteral("Event #"), QStringLiteral("Preset Name"), QStringLiteral("Preset Type "),
                                  QStringLiteral("Step #"),  QStringLiteral("Speed"),       QStringLiteral("Offset"),
                                  QStringLiteral("Direction"), QStringLiteral("CenterX"),   QStringLiteral("CenterY"),
                                  QStringLiteral("SizeX"),   QStringLiteral("SizeY"),       QStringLiteral("Fixtures Selelected")};
    return h;
}

QStringList rowTexts(int row, const clsEvent& e) {
    return {QStringLiteral("Event ") + QString::number(row), e.eventName, e.eventType,
            QString::number(e.eventStepNumber), QString::number(e.shapeSpeed), QString::number(e.shapeOffset),
            QString::number(e.shapeDirection), QString::number(e.xCenter), QString::number(e.yCenter),
            QString::number(e.theXSize), QString::number(e.theYSize), e.eventFixtureNumbers};
}

std::optional<int32_t> swatchColour(const QString& presetName) {
    if (presetName.isEmpty()) return std::nullopt;
    const QChar probe = presetName.size() >= 4 ? presetName[presetName.size() - 4] : presetName[0];
    if (!(probe.unicode() >= '0' && probe.unicode() <= '9')) return std::nullopt;
    if (!numberText::isNumber(presetName)) return std::nullopt;
    const double v = numberText::leadingValue(presetName);
    if (!std::isfinite(v) || v < 0 || v > 0xFFFFFF) return std::nullopt;
    return int32_t(std::nearbyint(v));
}

int32_t stepCountOf(const EventCollection& events) {
    int32_t most = 1;
    for (const clsEvent& e : events) most = std::max(most, e.eventStepNumber);
    return most;
}

} // namespace presetData

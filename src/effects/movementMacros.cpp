#include "effects/movementMacros.h"

#include "shell/numberText.h"
#include "shell/shell.h"

#include <QStringList>

bool MovementMacros::isMacroEvent(const clsEvent& e) {
    return e.eventType.trimmed() == QLatin1String("m-fx") && !e.eventName.trimmed().isEmpty() &&
           !e.eventName.trimmed().startsWith(QLatin1Char('@'));
}

void MovementMacros::apply(const clsEvent& e, int32_t playback) {
    // A macro hands its own state back to the playback as an event; that
    // event is not applied to it again.
    if (applying || !isMacroEvent(e)) return;
    applying = true;
    const int32_t fixtureCount = shell().state.fixtureCount;
    std::vector<int32_t> fixtures;
    for (const QString& field : e.eventFixtureNumbers.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const double v = numberText::leadingValue(field);
        if (v >= 1 && v <= fixtureCount) fixtures.push_back(int32_t(v));
    }
    for (size_t position = 0; position < fixtures.size(); ++position) {
        const int32_t f = fixtures[position];
        std::unique_ptr<clsMovementMacro>& macro = macros[{playback, f}];
        if (!macro) macro = std::make_unique<clsMovementMacro>();
        clsEvent one = e;
        one.eventFixtureNumbers = QString::number(f) + QLatin1Char(',');
        // An event of one fixture carries its position; a list gives each its place.
        if (fixtures.size() > 1) one.shortcutLeft = float(position);
        macro->loadShapeFromFile(one, playback, false);
        if (one.shortcutTop != 0) macro->startShape();
    }
    applying = false;
}

void MovementMacros::tick() {
    for (auto& [key, macro] : macros) macro->updateMovement();
}

void MovementMacros::stopPlayback(int32_t playback) {
    for (auto it = macros.begin(); it != macros.end();) {
        if (it->first.first == playback) {
            it->second->stopShape();
            it = macros.erase(it);
        } else {
            ++it;
        }
    }
}

clsMovementMacro* MovementMacros::find(int32_t playback, int32_t fixture) {
    const auto it = macros.find({playback, fixture});
    return it == macros.end() ? nullptr : it->second.get();
}

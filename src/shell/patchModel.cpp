#include "shell/patchModel.h"

#include "profiles/ClsFixture.h"
#include "platform/prompts.h"
#include "shell/roleResolution.h"
#include "shell/shell.h"

#include <QHash>
#include <QVector>
#include <limits>
#include <stdexcept>

namespace {

QString description(const std::exception& e) { return QString::fromLocal8Bit(e.what()); }

int32_t lastFixture(const ChannelModel& m, int32_t last) {
    // The per-fixture arrays end at totalChannels.
    return std::min<int32_t>(last, int32_t(m.fixtureStartChannel.size()) - 1);
}

} // namespace

namespace patchModel {

void findlightclasses(int32_t first, int32_t last) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    last = lastFixture(m, last);
    if (first < 1) first = 1;
    if (first > last) return;

    // Channels by trimmed label, in ascending order, and the highest profile
    // slot of each trimmed name: scanning them gives the same last matches as
    // scanning every channel and every slot for each fixture.
    QHash<QString, QVector<int32_t>> channelsByLabel;
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        const QString label = m.channelFixtureLabel[c].trimmed();
        if (!label.isEmpty()) channelsByLabel[label].append(c);
    }
    QHash<QString, int32_t> slotByName;
    for (int32_t k = 1; k <= m.lightClassCount; ++k) slotByName.insert(m.lightClass(k).Name.trimmed(), k);

    for (int32_t f = first; f <= last; ++f) {
        const QString name = m.fixtureName[f].trimmed();
        if (!name.isEmpty()) {
            const auto found = channelsByLabel.constFind(name);
            if (found != channelsByLabel.constEnd()) {
                for (const int32_t c : *found) {
                    if (c > std::numeric_limits<int16_t>::max()) throw std::overflow_error("Overflow");
                    m.fixtureStartChannel[size_t(f)] = int16_t(c);
                    const auto slot = slotByName.constFind(m.channelProfileName[c].trimmed());
                    if (slot != slotByName.constEnd()) m.fixtureLightClass[size_t(f)] = int16_t(*slot);
                }
            }
        }
        if (m.lightClassCount >= 1 && m.fixtureLightClass[size_t(f)] == 0) {
            m.fixtureLightClass[size_t(f)] = 1;
            s.prompts().messageBox(QStringLiteral("Show File May Be Corrupt! Fixture:") + m.fixtureName[f]);
        }
    }
}

void fixture_layout(int32_t first, int32_t count) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    const int32_t last = lastFixture(m, first + count - 1);
    try {
        findlightclasses(first, last);
        for (int32_t f = std::max(first, 1); f <= last; ++f) {
            roleResolution::findifcolormixer(f);
            roleResolution::findIfBeamHasShutter(f);
            roleResolution::findPanandTilt(f);
        }
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Fixture Layout:") + description(e));
    }
}

void resetAreaLimitsForFixture(int32_t fixture) {
    ChannelModel& m = shell().state;
    if (fixture < 1 || size_t(fixture) >= m.fixtureAreaMaxX.size()) throw std::out_of_range("Subscript out of range");
    m.fixtureAreaMaxX[size_t(fixture)] = 255;
    m.fixtureAreaMaxY[size_t(fixture)] = 255;
    m.fixtureAreaMinX[size_t(fixture)] = 0;
    m.fixtureAreaMinY[size_t(fixture)] = 0;
}

void refreshLoadedFixtureTypes() {
    Shell& s = shell();
    ChannelModel& m = s.state;
    try {
        roleResolution::findSyncChannels();
        findlightclasses(1, m.fixtureCount);
        const int32_t last = lastFixture(m, m.fixtureCount);
        for (int32_t f = 1; f <= last; ++f) {
            roleResolution::findPanandTilt(f);
            roleResolution::findIfBeamHasShutter(f);
            resetAreaLimitsForFixture(f);
            roleResolution::findifcolormixer(f);
        }
        roleResolution::getFixtureDimmersandFoggers();
        for (size_t k = 1; k < m.lightClasses.size(); ++k) m.lightClass(int(k)).findColorGoboDimmerChannels();
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Refresh Fixture Types:") + description(e));
    }
}

} // namespace patchModel

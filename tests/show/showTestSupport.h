#pragma once
// Shows built through the shared arrays for the show tests.

#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"

#include <QByteArray>
#include <QString>
#include <cstring>

// Every text of the model empty, as the least show of the format holds.
inline void emptyAllTexts(ChannelModel& m) {
    for (QStringList* list : {&m.channelType, &m.channelFixtureLabel, &m.channelProfileName,
                              &m.dmxPilotShortcutFiles, &m.masterShortcutFiles, &m.fixtureName, &m.channelExtraText,
                              &m.fixtureView, &m.viewNames, &m.fixtureMatrixMarker, &m.fixtureMatrixName})
        for (QString& s : *list) s.clear();
}

inline int32_t readLong(const QByteArray& b, qsizetype at) {
    int32_t v = 0;
    std::memcpy(&v, b.constData() + at, 4);
    return v;
}

inline void putLong(QByteArray& b, qsizetype at, int32_t v) { std::memcpy(b.data() + at, &v, 4); }

// Patches `count` fixtures of profile slot `slot` from channel `start` on,
// the way the patch commit fills the arrays.
inline void patchFixtures(ChannelModel& m, int slot, const QString& profileName, const QStringList& types,
                          int32_t start, int count, const QString& view = QStringLiteral("View 1")) {
    ClsFixture& p = m.lightClass(slot);
    p.taken = true;
    p.Name = profileName;
    p.ChannelsUsed = int16_t(types.size());
    p.iconpath = QStringLiteral("spot.bmp");
    for (int c = 1; c <= types.size(); ++c) p.setChannel_prop(c, types[c - 1]);
    p.setProperties(1, 2, QStringLiteral("Open"));
    p.setFrom(1, 2, 0);
    p.setToo(1, 2, 127);
    m.lightClassCount = std::max(m.lightClassCount, slot);
    for (int k = 1; k <= count; ++k) {
        const int32_t first = start + (k - 1) * int32_t(types.size());
        const int32_t f = ++m.fixtureCount;
        const QString label = profileName + QLatin1Char(' ') + QString::number(k);
        for (int c = 0; c < types.size(); ++c) {
            m.channelType[first + c] = types[c];
            m.channelProfileName[first + c] = profileName;
            m.channelDmxPilotSteps[size_t(first + c)] = 5;
        }
        m.channelFixtureLabel[first] = label;
        m.fixtureName[f] = label;
        m.fixtureView[f] = view;
        m.fixtureIconTop[size_t(f)] = 100 * k;
        m.fixtureIconLeft[size_t(f)] = 200 * k;
        m.fixtureAreaMaxX[size_t(f)] = 255;
        m.fixtureAreaMaxY[size_t(f)] = 255;
    }
}

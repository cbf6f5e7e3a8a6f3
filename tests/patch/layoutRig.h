#pragma once
// A small rig patched straight into the shared arrays, as the patch commit
// would leave it: one profile per call of addProfile, fixtures placed at
// given positions, channel types and labels filled in.

#include "profiles/ClsFixture.h"
#include "shell/shell.h"

#include <QString>
#include <QStringList>
#include <utility>

namespace layoutRig {

// A profile with the given channel types; returns its slot.
inline int addProfile(const QString& name, const QStringList& types) {
    ChannelModel& m = shell().state;
    const int k = ++m.lightClassCount;
    ClsFixture& p = m.lightClass(k);
    p.Name = name;
    p.ChannelsUsed = int16_t(types.size());
    for (int c = 1; c <= types.size(); ++c) p.setChannel_prop(c, types[c - 1]);
    return k;
}

// Adds a fixture of profile k at start, placed at (left, top) twips.
inline int addFixture(int k, int start, int left, int top, const QString& view = {}) {
    ChannelModel& m = shell().state;
    const int f = ++m.fixtureCount;
    const ClsFixture& p = m.lightClass(k);
    const QString name = QStringLiteral("Fixture %1").arg(f);
    m.fixtureName[f] = name;
    m.fixtureStartChannel[size_t(f)] = int16_t(start);
    m.fixtureLightClass[size_t(f)] = int16_t(k);
    m.fixtureIconLeft[size_t(f)] = left;
    m.fixtureIconTop[size_t(f)] = top;
    m.fixtureView[f] = view;
    // The label (the fixture's identity) sits on its first channel only.
    for (int c = start; c < start + p.ChannelsUsed && c <= m.totalChannels; ++c) {
        m.channelType[c] = p.Channel_prop(c - start + 1);
        m.channelProfileName[c] = p.Name;
    }
    if (start <= m.totalChannels) m.channelFixtureLabel[start] = name;
    return f;
}

} // namespace layoutRig

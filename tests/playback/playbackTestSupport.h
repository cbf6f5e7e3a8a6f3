#pragma once
// Small helpers shared by the playback tests: a show of whole universes and
// a playback with a few programmed steps.

#include "playback/playbackEngine.h"
#include "playback/sequenceFile.h"
#include "platform/byteRecord.h"
#include "platform/safeFile.h"
#include "shell/shell.h"

#include <QByteArray>
#include <QString>

namespace playbackTest {

// Sizes the channel model for whole universes; every channel a patched
// dimmer channel that fades.
inline void makeShow(int universes) {
    ChannelModel& m = shell().state;
    m.resize(512 * universes);
    for (int c = 1; c <= m.totalChannels; ++c) {
        m.channelType[c] = QStringLiteral("dimmer");
        m.channelFades[size_t(c)] = 1;
    }
}

// A playback numbered `number` with `steps` steps; every level 0.
inline void program(PlaybackEngine& e, int number, int steps) {
    e.setMyPlayBackNumber(number);
    e.ensureChannelCapacity();
    int32_t n = steps;
    e.setMaxSequenceSteps(n);
}

// Sets a stored level and claims the channel for the playback.
inline void own(PlaybackEngine& e, int channel, int step, int level) {
    shell().state.channelOwner[size_t(channel)] = int16_t(e.myPlaybackNumber());
    e.state.stepValues(channel, step) = level;
}

// Step times in seconds (fade up, fade down, delay up, delay down, follow).
inline void times(PlaybackEngine& e, int step, float up, float down, float dUp = 0, float dDown = 0, float follow = 0) {
    PlaybackState& s = e.state;
    s.fadeUpTimes[size_t(step)] = s.sequenceFadeUpTimes[size_t(step)] = up;
    s.fadeDownTimes[size_t(step)] = s.sequenceFadeDownTimes[size_t(step)] = down;
    s.delayUpTimes[size_t(step)] = dUp;
    s.delayDownTimes[size_t(step)] = dDown;
    s.followTimes[size_t(step)] = follow;
}

inline QByteArray readAll(const QString& path) {
    QByteArray b;
    safeFile::readWhole(path, b);
    return b;
}
inline int16_t i16At(const QByteArray& f, qsizetype pos) { ByteReader r(f, pos); return r.i16(); }
inline int32_t i32At(const QByteArray& f, qsizetype pos) { ByteReader r(f, pos); return r.i32(); }
inline float f32At(const QByteArray& f, qsizetype pos) { ByteReader r(f, pos); return r.f32(); }
// Byte offset of record `number` (records numbered from 1).
inline qsizetype rec(int number) { return qsizetype(number - 1) * sequenceFile::recordSize; }

} // namespace playbackTest

#pragma once
// A show for the live controls' tests: the preset tests' desk (profiles
// from channel types and ranges, fixtures, a layout selection, playbacks
// that keep what they are told) with the playback names recorded too.

#include "presets/presetDesk.h"

namespace programmerTest {

class Playbacks : public presetTest::Playbacks {
public:
    QStringList aliases;
    void setPlaybackAlias(const QString& name, int32_t& playback, const QString& kind) override {
        aliases << QStringLiteral("%1|%2|%3").arg(name).arg(playback).arg(kind);
    }
};

struct Desk : presetTest::Desk {
    // In place of the base desk's playbacks (whose `playbacks` is not used here).
    Playbacks& plays = ts.get().provide<PlaybackService>(std::make_unique<Playbacks>());
    QStringList adjusts() const {
        QStringList out;
        for (const QString& c : plays.calls)
            if (c.startsWith(QLatin1String("adjust"))) out << c;
        return out;
    }
};

} // namespace programmerTest

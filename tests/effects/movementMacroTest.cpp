// The movement macro: a stored shape played on one fixture's pan and tilt on
// every refresh tick, set from an "m-fx" event and written back into one.

#include "console/consoleFakes.h"
#include "effects/clsMovementMacro.h"
#include "effects/movementMacros.h"
#include "platform/byteRecord.h"
#include "shell/services/presetsService.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct EventPlaybacks : FakePlaybacks {
    int32_t interval = 50;
    int32_t refreshIntervalMs() const override { return interval; }
};

struct RecordingPresets : PresetsService {
    std::vector<std::pair<int32_t, clsEvent>> sent;
    void sendEventToPlayback(int32_t playback, const clsEvent& event) override { sent.push_back({playback, event}); }
};

// One moving head: pan 1, tilt 2; a fine pan on 3 for fixture 2 (pan 4, tilt 5).
constexpr int noCount = 1 << 20; // the file's count is its number of points

struct MacroDesk {
    TestShell ts;
    EventPlaybacks& pb = ts.get().provide<PlaybackService>(std::make_unique<EventPlaybacks>());
    RecordingPresets& presets = ts.get().provide<PresetsService>(std::make_unique<RecordingPresets>());
    ChannelModel& m = ts.get().state;
    MacroDesk() {
        m.resize(16);
        m.fixtureCount = 2;
        m.fixturePanChannel[1] = 1;
        m.fixtureTiltChannel[1] = 2;
        m.fixturePanChannel[2] = 4;
        m.fixtureTiltChannel[2] = 5;
        m.fixturePanFineChannel[2] = 3;
        QDir(ts.folder()).mkpath(QStringLiteral("Shapes"));
        pb.currentStep[1] = 1;
    }
    void shape(const QString& name, const std::vector<std::pair<int16_t, int16_t>>& points, int count = noCount) {
        ByteWriter w;
        w.i16(count == noCount ? int16_t(points.size()) : int16_t(count));
        for (auto [p, t] : points) {
            w.i16(p);
            w.i16(t);
        }
        w.fill(3, '\0');
        writeWholeFile(ts.folder() + QStringLiteral("/Shapes/") + name + QStringLiteral(".YSH"), w.bytes());
    }
    static clsEvent event(const QString& name, int32_t fixture, int32_t speed) {
        clsEvent e;
        e.eventType = QStringLiteral("m-fx");
        e.eventName = name;
        e.eventFixtureNumbers = QString::number(fixture);
        e.eventStepNumber = 1;
        e.shapeSpeed = speed;
        e.theXSize = e.theYSize = 100;
        e.shortcutTop = -1;
        e.shortcutLeft = 1;
        return e;
    }
};

} // namespace

TEST(MovementMacro, SpeedFormula) {
    const struct {
        int speed;
        float seconds;
    } cases[] = {{100, 0.036f}, {10, 0.936f}, {190, 0.936f}, {0, 3.108f}, {200, 3.108f}};
    for (const auto& c : cases) EXPECT_NEAR(clsMovementMacro::speedFormula(c.speed, 36), c.seconds, 1e-5) << c.speed;
}

TEST(MovementMacro, InterpolatesOverTicksAtTwoRefreshRates) {
    for (int interval : {50, 25}) {
        SCOPED_TRACE(interval);
        MacroDesk d;
        d.pb.interval = interval;
        d.shape(QStringLiteral("Swing"), {{100, 50}, {200, 150}});
        clsMovementMacro macro;
        macro.loadShapeFromFile(MacroDesk::event(QStringLiteral("Swing"), 1, 50), 1, false);
        macro.startShape();
        ASSERT_TRUE(macro.isActive);
        const int per = 50 / interval; // ticks of this rate in one 50 ms tick
        std::vector<int> pans;
        macro.updateMovement(); // on to the second point
        for (int k = 0; k <= 10; ++k) {
            if (k > 0)
                for (int t = 0; t < per; ++t) macro.updateMovement();
            pans.push_back(d.m.channelOutput[1]);
        }
        // 0.502 s from point to point: 200 down to 100 in 10 (20) ticks.
        EXPECT_EQ(pans, (std::vector<int>{0, 190, 180, 170, 160, 150, 140, 130, 120, 110, 100}));
        EXPECT_EQ(d.m.channelOutput[2], 50);
        EXPECT_EQ(d.m.channelOwner[1], 1);
        EXPECT_TRUE(d.m.channelTouched[1]);
        for (int t = 0; t < per; ++t) macro.updateMovement();
        EXPECT_EQ(macro.currentStepIndex(), 1); // the next point, wrapping
    }
}

TEST(MovementMacro, EventRoundTripRebuildsTheSameShape) {
    MacroDesk d;
    d.shape(QStringLiteral("Loop"), {{10, 20}, {30, 40}, {50, 60}, {70, 80}});
    clsEvent in = MacroDesk::event(QStringLiteral("Shapes\\Loop.YSH"), 2, 80);
    in.shapeOffset = 1;
    in.shortcutLeft = 2;
    in.xCenter = 127;
    in.yCenter = 100;
    in.shapeDirection = 1;
    clsMovementMacro first;
    first.loadShapeFromFile(in, 1, false);
    first.startShape();
    const clsEvent out = first.updateEventToPlayback();
    ASSERT_EQ(d.presets.sent.size(), 1u);
    EXPECT_EQ(d.presets.sent[0].first, 1);
    EXPECT_EQ(out.eventType, QStringLiteral("m-fx"));
    EXPECT_EQ(out.eventName, QStringLiteral("Loop"));
    EXPECT_EQ(out.eventFixtureNumbers, QStringLiteral("2"));
    EXPECT_EQ(out.shapeSpeed, 80);
    EXPECT_EQ(out.shapeOffset, 1);
    EXPECT_EQ(out.shapeDirection, 1);
    EXPECT_EQ(out.yCenter, 100);
    EXPECT_EQ(out.shortcutLeft, 2.0f);
    EXPECT_EQ(out.shortcutTop, -1.0f);
    // The first point goes into the event's step for the fixture.
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(4, 1, 1), first.point(1).first);

    clsMovementMacro second;
    second.loadShapeFromFile(out, 1, false);
    ASSERT_EQ(second.pointCount(), 4);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(second.point(i), first.point(i)) << i;
    // Position 2 x offset 1: point i is the file's point i + 2, moved to the centre.
    EXPECT_EQ(first.point(1), (std::pair<int32_t, int32_t>{50, 60 - 127 + 100}));
}

TEST(MovementMacro, OffsetsWrapWhateverTheirSignAndScaledPointsStayLevels) {
    const struct {
        int position, offset, firstPoint;
    } cases[] = {{2, 3, 7}, {0, 5, 1}, {2, -3, 5}, {3, -7, 10}};
    std::vector<std::pair<int16_t, int16_t>> ten;
    for (int i = 1; i <= 10; ++i) ten.push_back({int16_t(100 + i), 127});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        MacroDesk d;
        d.shape(QStringLiteral("Ten"), ten);
        clsEvent e = MacroDesk::event(QStringLiteral("Ten"), 1, 100);
        e.shortcutLeft = float(c.position);
        e.shapeOffset = c.offset;
        clsMovementMacro macro;
        macro.loadShapeFromFile(e, 1, false);
        EXPECT_EQ(macro.point(1).first, 100 + c.firstPoint);
    }
    MacroDesk d;
    d.shape(QStringLiteral("Wide"), {{0, 255}, {255, 0}});
    clsEvent e = MacroDesk::event(QStringLiteral("Wide"), 1, 100);
    e.theXSize = e.theYSize = 300;
    clsMovementMacro macro;
    macro.loadShapeFromFile(e, 1, false);
    EXPECT_EQ(macro.point(1), (std::pair<int32_t, int32_t>{0, 255}));
    EXPECT_EQ(macro.point(2), (std::pair<int32_t, int32_t>{255, 0}));
}

TEST(MovementMacro, DamagedShapeFilesAreRefused) {
    const struct {
        const char* name;
        int16_t count;
        int points;
    } cases[] = {{"no point", 0, 0}, {"negative count", -2, 1}, {"count past the end", 9, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MacroDesk d;
        std::vector<std::pair<int16_t, int16_t>> pts(size_t(c.points), {10, 10});
        d.shape(QStringLiteral("Bad"), pts, c.count);
        clsMovementMacro macro;
        EXPECT_FALSE(macro.loadshape(d.ts.folder() + QStringLiteral("/Shapes/Bad.YSH")));
        EXPECT_EQ(macro.pointCount(), 0);
        macro.loadShapeFromFile(MacroDesk::event(QStringLiteral("Bad"), 1, 50), 1, false);
        macro.startShape();
        for (int t = 0; t < 5; ++t) macro.updateMovement(); // nothing to play, nothing breaks
        EXPECT_EQ(d.m.channelOutput[1], 0);
    }
}

TEST(MovementMacro, StoppingHandsTheChannelsBackUnlessThePlaybackIsLocked) {
    MacroDesk d;
    d.shape(QStringLiteral("Swing"), {{100, 50}, {200, 150}});
    d.pb.levels[{1, 1, 1}] = 33;
    d.pb.levels[{1, 1, 2}] = 44;
    clsMovementMacro macro;
    macro.loadShapeFromFile(MacroDesk::event(QStringLiteral("Swing"), 1, 50), 1, false);
    macro.startShape();
    for (int t = 0; t < 3; ++t) macro.updateMovement();
    d.pb.priority[1] = 10;
    macro.stopShape();
    EXPECT_TRUE(macro.isActive);
    d.pb.priority[1] = 5;
    macro.stopShape();
    EXPECT_FALSE(macro.isActive);
    EXPECT_EQ(d.m.channelOutput[1], 33);
    EXPECT_EQ(d.m.channelOutput[2], 44);
    EXPECT_FALSE(d.m.channelTouched[1]);
}

// The macros the console runs: one per listed fixture, set from the events
// that reach a playback, ticked together, stopped with the playback's events.
TEST(MovementMacros, AnEventStartsOneMacroPerFixtureInListPositionAndAnOffEventStopsThem) {
    MacroDesk d;
    d.shape(QStringLiteral("Ring"), {{10, 20}, {30, 40}, {50, 60}, {70, 80}});
    MovementMacros macros;
    clsEvent e = MacroDesk::event(QStringLiteral("Ring"), 1, 100);
    e.eventFixtureNumbers = QStringLiteral("1,2,");
    e.shapeOffset = 1;

    clsEvent written = e;
    written.eventName = QStringLiteral("@Ring"); // a shape written into the steps: no macro
    macros.apply(written, 1);
    EXPECT_EQ(macros.count(), 0u);

    macros.apply(e, 1);
    ASSERT_EQ(macros.count(), 2u);
    clsMovementMacro* first = macros.find(1, 1);
    clsMovementMacro* second = macros.find(1, 2);
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(first->isActive && second->isActive);
    // Fixture 2 is one point further on (position 1 x offset 1).
    EXPECT_EQ(first->point(1), std::make_pair(10, 20));
    EXPECT_EQ(second->point(1), std::make_pair(30, 40));

    // Speed 100 on four points is faster than the tick: each tick shows the next point.
    std::vector<int> pans;
    for (int t = 0; t < 4; ++t) {
        macros.tick();
        pans.push_back(d.m.channelOutput[1]);
    }
    EXPECT_EQ(pans, (std::vector<int>{30, 50, 70, 10}));
    EXPECT_EQ(d.m.channelOwner[1], 1);
    EXPECT_EQ(d.m.channelOwner[4], 1);
    EXPECT_NE(d.m.channelOutput[4], 0);

    // Marked off: both stop and hand their channels back (playback 1 holds 0 there).
    clsEvent off = e;
    off.shortcutTop = 0;
    macros.apply(off, 1);
    EXPECT_FALSE(first->isActive || second->isActive);
    EXPECT_EQ(d.m.channelOutput[4], 0);
    EXPECT_FALSE(d.m.channelTouched[4]);

    macros.apply(e, 1);
    macros.stopPlayback(1);
    EXPECT_EQ(macros.count(), 0u);
}

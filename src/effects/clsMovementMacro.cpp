#include "effects/clsMovementMacro.h"

#include "platform/byteRecord.h"
#include "platform/prompts.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
ChannelModel& model() { return shell().state; }
int32_t level(int32_t v) { return std::clamp(v, 0, 255); }
} // namespace

float clsMovementMacro::speedFormula(int32_t speedValue, int32_t points) {
    const int32_t away = std::abs(speedValue - 100);
    float seconds = float(away) / 100.0f + float(points) * 0.01f * 0.1f;
    if (away > 90) seconds *= 3;
    return seconds;
}

QString clsMovementMacro::shapePath(const QString& title) const {
    return shell().programPath(QStringLiteral("Shapes\\") + title + QStringLiteral(".YSH"));
}

void clsMovementMacro::setMyShapeName(const QString& name) {
    shapeName = name;
    updateEventToPlayback();
}

void clsMovementMacro::setShapeDirection(int32_t d) {
    direction = d;
    startShape();
    advanceShapeStep();
}

void clsMovementMacro::setCenter(int32_t x, int32_t y) {
    xCenter = x;
    yCenter = y;
    ShiftShape(0, 0, true);
}

void clsMovementMacro::refreshTicks() {
    const int32_t interval = std::max(shell().playback().refreshIntervalMs(), 1);
    ticksPerSecond = int32_t(std::nearbyint(1000.0 / interval));
}

void clsMovementMacro::adjustSpeed(int32_t theSpeed) {
    if (!isActive) return;
    speed = theSpeed;
    secondsPerStepValue = speedFormula(theSpeed, pointCount());
    const float old = ticksPerStep;
    ticksPerStep = secondsPerStepValue * float(ticksPerSecond);
    // The position within the present step stays where it was.
    if (old > 0) tickCounter = int32_t(float(tickCounter) / old * std::floor(ticksPerStep));
    computeStepIncrements();
}

void clsMovementMacro::adjustFadeTime(float theFadetime) {
    const int32_t n = pointCount();
    if (n > 0) secondsPerStepValue = theFadetime / (float(n) / 2.0f);
}

int32_t clsMovementMacro::nextShapeStepIndex() const {
    const int32_t n = pointCount();
    if (direction == 0) return stepIndex >= n ? 1 : stepIndex + 1;
    return stepIndex <= 1 ? n : stepIndex - 1;
}

void clsMovementMacro::computeStepIncrements() {
    const int32_t n = pointCount();
    if (n < 1 || stepIndex < 1 || stepIndex > n || !(ticksPerStep > 0)) return; // left as they were
    const int32_t j = nextShapeStepIndex();
    panIncrement = float(pan[size_t(j)] - pan[size_t(stepIndex)]) / ticksPerStep;
    tiltIncrement = float(tilt[size_t(j)] - tilt[size_t(stepIndex)]) / ticksPerStep;
}

void clsMovementMacro::advanceShapeStep() {
    if (!isActive) return;
    const int32_t n = pointCount();
    if (n < 1) return;
    stepIndex = nextShapeStepIndex();
    if (shapeName.isEmpty()) return;
    currentPan = float(pan[size_t(stepIndex)]);
    currentTilt = float(tilt[size_t(stepIndex)]);
    tickCounter = 0;
    ticksPerStep = secondsPerStepValue * float(ticksPerSecond);
    computeStepIncrements();
}

void clsMovementMacro::updateMovement() {
    if (!isActive) return;
    if (tickCounter >= int32_t(ticksPerStep)) {
        advanceShapeStep();
        // A point shorter than one tick (a fast speed on few points) is still
        // written: every tick then shows the next point, instead of none.
        if (int32_t(ticksPerStep) > 0) return;
    } else {
        ++tickCounter;
        currentPan += panIncrement;
        currentTilt += tiltIncrement;
    }
    roundedPan = int32_t(std::trunc(currentPan));
    roundedTilt = int32_t(std::trunc(currentTilt));
    ChannelModel& m = model();
    if (myfixture < 1 || size_t(myfixture) >= m.fixturePanChannel.size()) return;
    auto write = [&](int32_t ch, int32_t value, bool touched) {
        if (ch < 1 || ch > m.totalChannels) return;
        m.channelOutput[size_t(ch)] = level(value);
        if (touched) m.channelTouched[size_t(ch)] = 1;
        m.channelOwner[size_t(ch)] = int16_t(myPlayback);
    };
    write(m.fixturePanChannel[size_t(myfixture)], roundedPan, true);
    write(m.fixtureTiltChannel[size_t(myfixture)], roundedTilt, true);
    write(m.fixturePanFineChannel[size_t(myfixture)], int32_t((currentPan - float(roundedPan)) * 255), false);
    write(m.fixtureTiltFineChannel[size_t(myfixture)], int32_t((currentTilt - float(roundedTilt)) * 255), false);
}

bool clsMovementMacro::loadshape(const QString& myFilename) {
    QFile f(myFilename);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = f.readAll();
    ByteReader r(bytes);
    const int32_t n = r.i16();
    // A count the file cannot hold changes nothing.
    if (!r.ok() || n < 1 || bytes.size() < 2 + 4 * qsizetype(n)) return false;
    std::vector<int32_t> p(size_t(n) + 1, 0), t(size_t(n) + 1, 0);
    for (int32_t i = 1; i <= n; ++i) {
        p[size_t(i)] = r.i16();
        t[size_t(i)] = r.i16();
    }
    shapeName = libParsePath::ParsePath(myFilename, 4);
    pan = std::move(p);
    tilt = std::move(t);
    if (stepIndex < 1 || stepIndex > n) stepIndex = 1;
    return true;
}

void clsMovementMacro::sizeShape(bool doLoad) {
    if (doLoad) loadshape(shapePath(shapeName));
    const int32_t n = pointCount();
    for (int32_t i = 1; i <= n; ++i) {
        // Scaled and centred points stay DMX levels.
        pan[size_t(i)] = level(int32_t(std::trunc(myXSize / 100.0 * (pan[size_t(i)] - 127) + xCenter)));
        tilt[size_t(i)] = level(int32_t(std::trunc(myYSize / 100.0 * (tilt[size_t(i)] - 127) + yCenter)));
    }
    if (n >= 1) {
        currentPan = float(pan[size_t(stepIndex)]);
        currentTilt = float(tilt[size_t(stepIndex)]);
    }
    computeStepIncrements();
    tickCounter = 0;
}

void clsMovementMacro::ShiftShape(int32_t theStepOffset, int32_t /*theFixtureOffset*/, bool useInternal) {
    if (!QFileInfo::exists(shapePath(shapeName))) return;
    try {
        if (!loadshape(shapePath(shapeName))) throw std::runtime_error("damaged shape file");
        if (useInternal) theStepOffset = stepOffset;
        const int32_t n = pointCount();
        const std::vector<int32_t> p = pan, t = tilt;
        // The start point moves on by position x offset, wrapped into 1..N whatever its sign.
        const int64_t o = ((int64_t(fixturePosition) * theStepOffset) % n + n) % n;
        for (int32_t i = 1; i <= n; ++i) {
            int64_t u = i + o;
            if (u > n) u -= n;
            pan[size_t(i)] = p[size_t(u)];
            tilt[size_t(i)] = t[size_t(u)];
        }
        sizeShape(false);
        currentPan = float(pan[size_t(stepIndex)]);
        currentTilt = float(tilt[size_t(stepIndex)]);
        computeStepIncrements();
        tickCounter = 0;
        if (listener) listener->changedProperty();
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QString::fromUtf8(e.what()));
    }
}

void clsMovementMacro::startShape() {
    if (loaded) isActive = true;
}

void clsMovementMacro::pauseForCrossfade() {
    isActive = false;
    paused = true;
}

void clsMovementMacro::resumeAfterCrossfade() {
    if (!paused) return;
    isActive = true;
    loaded = true;
    startShape();
    paused = false;
}

void clsMovementMacro::stopShape() {
    Shell& s = shell();
    PlaybackService& pb = s.playback();
    if (pb.reportPlayBackPriority(myPlayback) == 10) return;
    isActive = false;
    ChannelModel& m = model();
    if (myfixture > 0 && size_t(myfixture) < m.fixturePanChannel.size()) {
        const int32_t step = pb.returnCurrentStep(myPlayback);
        // The playback takes its channels back at its present step.
        for (int32_t ch : {int32_t(m.fixturePanChannel[size_t(myfixture)]), int32_t(m.fixtureTiltChannel[size_t(myfixture)])}) {
            if (ch < 1 || ch > m.totalChannels) continue;
            m.channelTouched[size_t(ch)] = 0;
            m.channelOutput[size_t(ch)] = pb.sendChaserValueFromPlayback(ch, step, myPlayback);
        }
        for (int32_t ch : {int32_t(m.fixturePanFineChannel[size_t(myfixture)]),
                           int32_t(m.fixtureTiltFineChannel[size_t(myfixture)])})
            if (ch >= 1 && ch <= m.totalChannels) m.channelOutput[size_t(ch)] = pb.sendChaserValueFromPlayback(ch, step, myPlayback);
    }
    xCenter = yCenter = myXSize = myYSize = speed = 0;
}

void clsMovementMacro::loadShapeFromFile(const clsEvent& theClass, int32_t theplayback, bool fromPresetForm) {
    Shell& s = shell();
    PlaybackService& pb = s.playback();
    ChannelModel& m = model();
    try {
        const bool mfx = theClass.eventType == QStringLiteral("m-fx");
        const int32_t fixture = int32_t(numberText::leadingValue(theClass.eventFixtureNumbers));
        // A macro is not started for a playback that is not running; an
        // event marked off always stops it, or it would drive the head on.
        if (mfx && !fromPresetForm && theClass.shortcutTop != 0 && fixture >= 1 && fixture <= m.fixtureCount) {
            const int32_t panOwner = m.channelOwner[size_t(m.fixturePanChannel[size_t(fixture)])];
            const int32_t tiltOwner = m.channelOwner[size_t(m.fixtureTiltChannel[size_t(fixture)])];
            if (m.fixturePanChannel[size_t(fixture)] > 0 && m.fixtureTiltChannel[size_t(fixture)] > 0 && panOwner > 0 &&
                tiltOwner > 0 && pb.returnCurrentStep(panOwner) < 1)
                return;
        }
        events.clear();
        if (theClass.shortcutTop == 0) {
            stopShape();
            loaded = false;
            return;
        }
        loaded = true;
        QString title;
        if (mfx) {
            events.push_back(theClass);
            title = libParsePath::ParsePath(events.back().eventName, 4);
        }
        const clsEvent& ev = events.empty() ? theClass : events.back();
        eventStep = ev.eventStepNumber;
        bool isNew = false, rebuild = false;
        if (QFileInfo::exists(shapePath(title)) && title != shapeName) {
            shapeName = title;
            isNew = true;
        }
        if (ev.theXSize != myXSize || ev.theYSize != myYSize || ev.shapeOffset != stepOffset) {
            myXSize = ev.theXSize;
            myYSize = ev.theYSize;
            stepOffset = ev.shapeOffset;
            rebuild = true;
        }
        myfixture = fixture;
        direction = ev.shapeDirection;
        speed = ev.shapeSpeed;
        const int32_t x = ev.xCenter == 0 ? 127 : ev.xCenter, y = ev.yCenter == 0 ? 127 : ev.yCenter;
        if (x != xCenter || y != yCenter) {
            xCenter = x;
            yCenter = y;
            rebuild = true;
        }
        fixturePosition = int32_t(std::nearbyint(ev.shortcutLeft));
        if (isNew) {
            myPlayback = theplayback;
            refreshTicks();
            ticksPerStep = secondsPerStepValue * float(ticksPerSecond);
            stepIndex = 1;
            loadshape(shapePath(shapeName));
            computeStepIncrements();
            advanceShapeStep();
            rebuild = true;
        }
        if (pb.returnChaseType(myPlayback) != 2) secondsPerStepValue = speedFormula(ev.shapeSpeed, pointCount());
        if (rebuild) ShiftShape(ev.shapeOffset, 0, false);
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Error Loading Macro:") + QString::fromUtf8(e.what()), msgBox::OKOnly);
    }
}

clsEvent clsMovementMacro::updateEventToPlayback() {
    Shell& s = shell();
    clsEvent ev;
    ev.eventChannelName = QStringLiteral("m-fx");
    ev.eventFixtureNumbers = QString::number(myfixture);
    ev.eventName = shapeName;
    ev.eventStepNumber = eventStep;
    ev.eventType = QStringLiteral("m-fx");
    ev.fixtureOffset = 0;
    ev.shapeDirection = direction;
    ev.shapeOffset = stepOffset;
    ev.shapeSpeed = speed;
    ev.shortcutLeft = float(fixturePosition);
    ev.theXSize = myXSize;
    ev.theYSize = myYSize;
    ev.xCenter = xCenter;
    ev.yCenter = yCenter;
    ev.shortcutTop = isActive ? -1.0f : 0.0f;
    ChannelModel& m = model();
    if (myfixture > 0 && size_t(myfixture) < m.fixturePanChannel.size() && pointCount() >= 1) {
        s.playback().recieveChaserValueData(m.fixturePanChannel[size_t(myfixture)], eventStep, pan[1], myPlayback);
        s.playback().recieveChaserValueData(m.fixtureTiltChannel[size_t(myfixture)], eventStep, tilt[1], myPlayback);
    }
    s.presets().sendEventToPlayback(myPlayback, ev);
    return ev;
}

#pragma once
// A movement macro: one stored movement shape (.YSH) played on the pan and
// tilt channels of one fixture in real time, outside the playback's steps.
// On every refresh tick (updateMovement) it moves a fraction of the way to
// the next point and writes the levels straight into channelOutput, claiming
// the channels for its playback. It is set from an "m-fx" preset event and
// writes its state back into one. Speed, offset, direction, size and centre
// can change while it runs; a crossfade pauses it.

#include "shell/services/presetsService.h"

#include <QString>
#include <cstdint>
#include <vector>

class clsMovementMacro {
public:
    // Told when the shape was rebuilt (changedProperty).
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void changedProperty() = 0;
    };
    void setListener(Listener* l) { listener = l; }

    int32_t myXSize = 0, myYSize = 0; // percent
    int32_t myPlayback = 0;

    // Properties.
    int32_t mySpeed() const { return speed; }
    void setMySpeed(int32_t v) { speed = v; }
    bool isActive = false;
    const QString& myShapeName() const { return shapeName; }
    void setMyShapeName(const QString& name); // also hands the state to the playback
    int32_t shapeDirection() const { return direction; }
    void setShapeDirection(int32_t d); // also starts and moves to the next point
    int32_t stepOffset = 0;
    int32_t myfixture = 0;
    int32_t xCenter = 0, yCenter = 0;

    void setCenter(int32_t x, int32_t y);
    void adjustSpeed(int32_t theSpeed);
    void adjustFadeTime(float theFadetime);
    void loadShapeFromFile(const clsEvent& theClass, int32_t theplayback, bool fromPresetForm);
    clsEvent updateEventToPlayback();
    void pauseForCrossfade();
    void resumeAfterCrossfade();
    void sizeShape(bool doLoad);
    // Reads a shape file; false (nothing changed) when it is missing or damaged.
    bool loadshape(const QString& myFilename);
    void startShape();
    void stopShape();
    void updateMovement();
    void ShiftShape(int32_t theStepOffset, int32_t theFixtureOffset, bool useInternal);

    // Seconds per point for a speed and a shape of n points.
    static float speedFormula(int32_t speed, int32_t points);

    // What a test looks at.
    int32_t pointCount() const { return int32_t(pan.size()) - 1; }
    std::pair<int32_t, int32_t> point(int32_t i) const { return {pan[size_t(i)], tilt[size_t(i)]}; }
    int32_t currentStepIndex() const { return stepIndex; }
    float secondsPerStep() const { return secondsPerStepValue; }
    std::pair<float, float> position() const { return {currentPan, currentTilt}; }

private:
    QString shapePath(const QString& title) const;
    int32_t nextShapeStepIndex() const;
    void computeStepIncrements();
    void advanceShapeStep();
    void refreshTicks();

    int32_t speed = 0;
    QString shapeName;
    int32_t direction = 0;
    std::vector<int32_t> pan{0}, tilt{0}; // points 1..N (entry 0 unused)
    int32_t stepIndex = 1;
    int32_t eventStep = 0;
    int32_t fixturePosition = 0;
    bool loaded = false, paused = false;
    float currentPan = 0, currentTilt = 0, panIncrement = 0, tiltIncrement = 0;
    int32_t roundedPan = 0, roundedTilt = 0;
    int32_t ticksPerSecond = 0, tickCounter = 0;
    float ticksPerStep = 0, secondsPerStepValue = 0;
    std::vector<clsEvent> events; // at most the latest "m-fx" event
    Listener* listener = nullptr;
};

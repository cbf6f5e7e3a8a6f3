#pragma once
// What the effect generators and fog control offer the others. The base is
// "no effects": no fog window, the FX tool idle.

#include <QString>
#include <cstdint>

struct clsEvent;

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class EffectsService {
public:
    virtual ~EffectsService() = default;

    // The fog window's per-channel list follows the channel count (1..totalNumber).
    virtual void redimFoggers(int32_t totalNumber) {}
    // True while the FX tool drags its shape's centre or resizes its shape.
    virtual bool shapeGeneratorBusy() { return false; }
    // Rescales a fixture's pan/tilt movement in playback n's sequence.
    virtual void scaleSequence(int32_t playbackNumber, int32_t fixture) {}

    virtual void setStrobeButtonsForSelection(bool /*anySelected*/) {} // "Strobe Selected"/"Chase Selected" or "... All"
    virtual bool shapeWindowVisible() { return false; }                 // the effects window is shown
    virtual void refreshShape() {}                                      // redraw the shape for the first selected fixture
    virtual void getChannelsForSelectedFixtures() {}                    // refill the effects window's channel list

    // ---- Windows opened from the main window ----
    // Shows the fog control window, put above the others first.
    virtual void showFogControl() {}
    // Shows the LED / RGB editor above the others.
    virtual void showRgbEditor() {}
    // A stored RGB colour chase (.YCP, real path) written into the current playback.
    virtual void executeRGBProfile(const QString& path) {}
    // The RGB editor shown with that profile loaded (only shown when the file is missing).
    virtual void editRGBProfile(const QString& path) {}
    // Movement macros: an "m-fx" event reached a playback (it sets, starts or
    // stops the macros of the fixtures it lists); one refresh tick of every
    // macro; the macros of a playback whose events were dropped stop.
    virtual void applyMovementMacro(const clsEvent& event, int32_t playback) {}
    virtual void updateMovementMacros() {}
    virtual void stopMovementMacros(int32_t playback) {}
    // Shows the strobe channel window at a position (twips).
    virtual void showStrobeSettings(int32_t top, int32_t left) { (void)top, (void)left; }
    // Shows the strobe tool window.
    virtual void showStrobe() {}
    // Shows the shape generator above the others; whether there is one to show.
    virtual void showShapeGenerator() {}
    virtual bool hasShapeGenerator() { return false; }
    // Shows the stored-shapes browser above the others; its apply button loads the chosen
    // shape into the current playback, appended after its steps or from step 1.
    virtual void showShapeBrowser(bool append) {}
    // Redraws the preview picture of every stored shape (after a shape was saved).
    virtual void updateShapePictures() {}

    // Whether the fog window can be opened, and opens it.
    virtual bool hasFogWindow() { return false; }

    // ---- The FX tool's shape maths (Advanced FX Tool) ----
    // A shape entry point by name ("makeCircle", "makefigureEight", "makeVerticalLine",
    // "makeHorizontalLine", "makeAtomic", "makeWiggle", "makeSine", "makePingPong",
    // "makeDiagonal", "makeRandom", "makeNone"): writes that figure into the current
    // playback's steps for the selected fixtures with the properties dialog's size and
    // step count, and starts the playback when it is stopped. False for another name.
    virtual bool makeShape(const QString& entryPoint) { return false; }
    // The common centre of the next movement shape (pan, tilt; DMX levels).
    virtual void setShapeCenter(int32_t x, int32_t y) {}
    // The centre is being dragged on a pad: a shape written meanwhile keeps the common centre.
    virtual void setMovingCenter(bool on) {}
    virtual bool movingCenter() { return false; }
    // A shape size control is being dragged.
    virtual void setSizingShape(bool on) {}
    virtual bool sizingShape() { return false; }
    // Stores each selected fixture's present movement centre (read back by getLocalX/Y).
    virtual void setCenterForAllSelected() {}
    // The properties dialog's sizes (diameters 0..255, as its sliders) and step count text.
    virtual void setShapeSize(int32_t sizeX, int32_t sizeY) {}
    virtual void setShapeSteps(const QString& steps) {}
    // The tool's fields read by its step shifts and rotation: step offset, fixture offset,
    // pan rotation (which the tilt rotation follows) and tilt rotation, as typed text.
    virtual void setStepShiftText(const QString& text) {}
    virtual void setFixtureOffsetText(const QString& text) {}
    virtual void setRotationText(const QString& pan) {}
    virtual void setTiltRotationText(const QString& tilt) {}
    // Step range to the whole current playback.
    virtual void activateShapeTool() {}
    // "Movement StepShift" and "Apply Rotation" of the tool.
    virtual void shiftMovement() {}
    virtual void applyRotation() {}
    // Makes the tool work on this channel type (the range-property picker).
    virtual void setFX(const QString& channelName) {}

    // The pan / tilt centre the FX tool keeps for a fixture; 0 when none.
    virtual int32_t getLocalX(int32_t fixture) { return 0; }
    virtual int32_t getLocalY(int32_t fixture) { return 0; }
    // Makes a fixture that is not selected hold its present levels in every step of the current playback.
    virtual void fillInOtherActiveFixturesOnCurrentPlayback(int32_t fixture) {}
    // The strobe window's chase button held down / let go (the console's Space key).
    virtual void strobeChaseButton(bool down) {}
    // The fog button held down / let go (the console's Insert key).
    virtual void pressFog() {}
    virtual void releaseFog() {}
};

#pragma GCC diagnostic pop

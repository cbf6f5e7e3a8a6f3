#pragma once
// Movement shapes from the main window: saving the pan/tilt path that the
// current playback gives the first selected fixture, and loading a shape
// into the current playback for every selected fixture, scaled and centred,
// replacing its steps or appended after them. One per shell:
// shell().engine<MovementShapes>().

#include <QString>
#include <cstdint>

class MovementShapes {
public:
    // The DMX-pilot shift settings a shape carries; loading a shape replaces them.
    uint8_t dmxPilotShiftSteps = 0;
    int16_t dmxPilotGroupSize = 0;

    // Saves Shapes\<name>.YSH, or asks for the file when the trimmed name is
    // empty. False (after a message) when nothing was written.
    bool saveCurrentShapeFunction(const QString& filenameToSave);

    // Loads the shape file (a real path) into the current playback. Sizes
    // both below 1 move each fixture around its present position (or play the
    // stored values on a running playback); otherwise the shape is scaled by
    // size / 255 around the centre given, or around the FX tool's centre of
    // the fixture when both centre values are 0. True when a shape was loaded.
    bool ShapeGenerator(bool append, const QString& fileNameToOpen, int32_t theXSize, int32_t theYSize,
                        int32_t theCenterX, int32_t theCenterY);
};

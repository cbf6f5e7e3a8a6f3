#pragma once
// The channel model: the per-channel, per-fixture and per-view arrays that
// every subsystem reads and writes in place, and the main window's step
// tables for playbacks 1 to 8. All per-channel and per-fixture arrays share
// one upper bound, totalChannels; index 0 is unused (channelHold uses it).

#include "shell/showTables.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class ClsFixture;

using TruthArray = std::vector<uint8_t>; // 1 = true, 0 = false (stored as -1/0 in files)

struct DeskStepTables {
    // [playback 1..8][step]; names use steps 1..n, the others 0..n.
    std::vector<std::vector<QString>> stepNames;
    std::vector<std::vector<float>> spareTime, fadeUp, fadeDown, delayUp, delayDown, follow;
    std::vector<std::vector<int32_t>> nextScene;
    std::vector<std::vector<uint8_t>> flag;
};

struct ChannelModel {
    ChannelModel();
    ~ChannelModel();
    ChannelModel(const ChannelModel&) = delete;
    ChannelModel& operator=(const ChannelModel&) = delete;

    int32_t totalChannels = 0;

    // Per channel, 1..totalChannels.
    std::vector<int32_t> channelOutput, channelLastSent, channelLastSimulated;
    TruthArray channelInvert;
    std::vector<int16_t> channelOwner;
    QStringList channelType, channelFixtureLabel, channelProfileName;
    std::vector<int16_t> channelFixture;
    TruthArray channelIsIntensity, channelFades, channelTouched;
    TruthArray channelHold; // 0..totalChannels
    TruthArray channelBlackoutHold;
    std::vector<int16_t> channelLowLimits, channelHighLimits;
    TruthArray channelSyncFlags;
    std::vector<int16_t> channelSyncGroups;
    TruthArray channelDmxPilotFlags;
    std::vector<int16_t> channelDmxPilotSteps;
    TruthArray channelStrobeIntensityFlags, channelStrobeRateFlags;
    std::vector<int32_t> channelStrobeLow, channelStrobeHigh, channelStrobeSavedLevel;
    TruthArray channelStrobeState;
    // The strobe tool uses the channel's strobe range.
    TruthArray channelStrobeRangeFlags;
    std::vector<int32_t> channelLevelSnapshot;
    // channelExtraText: the show file's reserved texts, kept as read.
    QStringList channelMixedColour, channelExtraText;
    std::vector<int32_t> sceneClipboard, masterFaderMemory, submasterMemory;
    QStringList masterShortcutFiles, dmxPilotShortcutFiles;

    // Per fixture, 1..fixtureCount (sized 1..totalChannels).
    int32_t fixtureCount = 0;
    std::vector<int16_t> fixtureStartChannel, fixtureLightClass;
    QStringList fixtureName;
    std::vector<int32_t> fixtureIconTop, fixtureIconLeft;
    TruthArray fixtureIconMoving;
    QStringList fixtureView, fixtureMatrixMarker, fixtureMatrixName;
    std::vector<int32_t> fixtureMatrixColumn, fixtureMatrixRow;
    std::vector<int16_t> fixturePanChannel, fixturePanFineChannel, fixtureTiltChannel, fixtureTiltFineChannel;
    std::vector<int16_t> fixtureDimmerChannel, fixtureFogChannel, fixtureHazeFanChannel;
    std::vector<int32_t> fixtureShutterChannel, fixtureGoboRotationChannel;
    TruthArray fixtureIsColourMixer;
    std::vector<int16_t> fixtureAreaMaxX, fixtureAreaMaxY, fixtureAreaMinX, fixtureAreaMinY;
    // fixtureElevation: height in the 3D room in hundredths, 0 = not set.
    std::vector<int32_t> fixtureRotationX, fixtureRotationY, fixtureRotationZ, fixtureElevation;
    std::vector<float> fixtureGoboAngle;

    // Per view.
    QStringList viewNames;

    // The show's fixture profiles, 1..lightClassCount; a null slot is empty.
    std::vector<std::unique_ptr<ClsFixture>> lightClasses;
    int32_t lightClassCount = 0;
    // The highest slot whose profile is taken; 0 when none is.
    int32_t highestLightClassInUse() const;

    // Groups, names, strobe minimums and the 3D room of the show.
    ShowTables tables;
    // The profile in slot k, creating an empty profile in an empty slot
    // (growing the table when k is beyond it). Throws for k < 1.
    ClsFixture& lightClass(int k);

    // Steps 1 and 2 of the resize: every array to 1..n keeping contents;
    // every added channel and the last 512 channels typed "none" with fader
    // memories 100; fixtureCount kept within n.
    void resize(int32_t n);

    DeskStepTables deskStepTables;

    // The selected playback, where programming goes.
    int32_t currentPlayback = 1;

    // The channel slot selected by the profile editor (row + 2), also used
    // by the main window and the palette window as a channel index.
    int32_t selectedChannelSlot = 0;

    // The show's names and state.
    QString showFileName, showName, currentFileName;
    bool showChanged = false;
    // A sequence was programmed or changed and not saved yet.
    bool sequenceChanged = false;
};

// Main window procedures on the channel model.
namespace channelModel {

// Resizes every per-channel, per-fixture and per-view array to 1..n keeping
// contents, resets the last 512 channels' type and fader memories, then asks
// the playback frame to unload its windows and the fog window to resize.
void redimForMoreUniverses(int32_t numberOfChannels);

// True when the current playback may write the channel; may switch
// currentPlayback to the channel's owner. Throws std::out_of_range for a
// channel outside 1..totalChannels.
bool checkPriorities(int32_t theChannel);

// The largest step count of any playback plus one; 0 with no playback.
int32_t checkForLargestChaser();

// Resizes the desk step tables to steps 0..sizeToExpand (names 1..n).
void reDimMyVariables(int32_t sizeToExpand);

} // namespace channelModel

#include "shell/channelModel.h"

#include "profiles/ClsFixture.h"
#include "shell/services/effectsService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <algorithm>
#include <stdexcept>

namespace {

template <typename T> void resizeKeep(std::vector<T>& v, int32_t n, T fill = T{}) {
    v.resize(size_t(n) + 1, fill);
}

void resizeKeep(QStringList& v, int32_t n) {
    while (v.size() > n + 1) v.removeLast();
    while (v.size() < n + 1) v.append(QString());
}

} // namespace

ChannelModel::ChannelModel() = default;
ChannelModel::~ChannelModel() = default;

ClsFixture& ChannelModel::lightClass(int k) {
    if (k < 1) throw std::out_of_range("profile index below 1");
    if (size_t(k) >= lightClasses.size()) lightClasses.resize(size_t(k) + 1);
    auto& slot = lightClasses[size_t(k)];
    if (!slot) slot = std::make_unique<ClsFixture>();
    return *slot;
}

int32_t ChannelModel::highestLightClassInUse() const {
    for (size_t k = lightClasses.size(); k-- > 1;)
        if (lightClasses[k] && lightClasses[k]->taken) return int32_t(k);
    return 0;
}

void ChannelModel::resize(int32_t n) {
    if (n < 512) n = 512;
    const int32_t oldTop = int32_t(channelType.size()) - 1;
    for (auto* v : {&channelOutput, &channelLastSent, &channelLastSimulated, &channelStrobeLow, &channelStrobeHigh,
                    &channelStrobeSavedLevel, &channelLevelSnapshot, &sceneClipboard, &masterFaderMemory,
                    &submasterMemory, &fixtureIconTop, &fixtureIconLeft, &fixtureMatrixColumn, &fixtureMatrixRow,
                    &fixtureShutterChannel, &fixtureGoboRotationChannel, &fixtureRotationX, &fixtureRotationY,
                    &fixtureRotationZ, &fixtureElevation})
        resizeKeep(*v, n);
    for (auto* v : {&channelOwner, &channelFixture, &channelLowLimits, &channelHighLimits, &channelSyncGroups,
                    &channelDmxPilotSteps, &fixtureStartChannel, &fixtureLightClass, &fixturePanChannel,
                    &fixturePanFineChannel, &fixtureTiltChannel, &fixtureTiltFineChannel, &fixtureDimmerChannel,
                    &fixtureFogChannel, &fixtureHazeFanChannel, &fixtureAreaMaxX, &fixtureAreaMaxY, &fixtureAreaMinX,
                    &fixtureAreaMinY})
        resizeKeep(*v, n);
    for (auto* v : {&channelInvert, &channelIsIntensity, &channelFades, &channelTouched, &channelHold,
                    &channelBlackoutHold, &channelSyncFlags, &channelDmxPilotFlags, &channelStrobeIntensityFlags,
                    &channelStrobeRateFlags, &channelStrobeState, &channelStrobeRangeFlags, &fixtureIconMoving, &fixtureIsColourMixer})
        resizeKeep(*v, n);
    for (auto* v : {&channelType, &channelFixtureLabel, &channelProfileName, &channelMixedColour, &channelExtraText,
                    &masterShortcutFiles, &dmxPilotShortcutFiles, &fixtureName, &fixtureView, &fixtureMatrixMarker,
                    &fixtureMatrixName, &viewNames})
        resizeKeep(*v, n);
    resizeKeep(fixtureGoboAngle, n);

    totalChannels = n;
    // A show holds at most totalChannels fixtures: the per-fixture arrays
    // end there.
    if (fixtureCount > n) fixtureCount = n;
    // Every added channel, not only the last universe, starts unpatched with
    // full fader memories: a show load may add several universes at once.
    // The last universe is reset even when it existed already.
    for (int32_t i = std::min(n - 511, std::max(oldTop + 1, 1)); i <= n; ++i) {
        channelType[i] = QStringLiteral("none");
        masterFaderMemory[size_t(i)] = 100;
        submasterMemory[size_t(i)] = 100;
    }
}

namespace channelModel {

void redimForMoreUniverses(int32_t numberOfChannels) {
    Shell& s = shell();
    s.state.resize(numberOfChannels);
    s.playback().reDimAllPlaybackControls();
    s.effects().redimFoggers(s.state.totalChannels);
}

bool checkPriorities(int32_t theChannel) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    if (theChannel < 1 || theChannel > m.totalChannels) throw std::out_of_range("channel out of range");
    const int32_t owner = m.channelOwner[size_t(theChannel)];
    auto priorityOf = [&](int32_t playback) -> int32_t {
        if (playback <= 0) return 0;
        return s.playback().reportPlayBackPriority(playback);
    };
    const int32_t ownerPriority = priorityOf(owner);
    const int32_t currentPriority = priorityOf(m.currentPlayback);
    const bool result = currentPriority >= ownerPriority;
    int32_t number = m.currentPlayback;
    if (owner > 0 && owner != m.currentPlayback && !s.playback().getCurrentSequence(m.currentPlayback, number).isEmpty())
        m.currentPlayback = owner;
    return result;
}

int32_t checkForLargestChaser() {
    Shell& s = shell();
    PlaybackService& playbacks = s.playback();
    int32_t largest = 0;
    const int32_t count = playbacks.DocumentCount();
    for (int32_t n = 1; n <= count; ++n) {
        const int32_t steps = playbacks.maxStepsAtPosition(n);
        if (steps + 1 >= largest) largest = steps + 1;
    }
    return largest;
}

void reDimMyVariables(int32_t sizeToExpand) {
    DeskStepTables& t = shell().state.deskStepTables;
    const int32_t k = std::max<int32_t>(sizeToExpand, 0);
    auto grow = [k](auto& table, size_t extra) {
        table.resize(9);
        for (auto& row : table) row.resize(size_t(k) + extra);
    };
    grow(t.stepNames, 1);
    grow(t.spareTime, 1);
    grow(t.fadeUp, 1);
    grow(t.fadeDown, 1);
    grow(t.delayUp, 1);
    grow(t.delayDown, 1);
    grow(t.follow, 1);
    grow(t.nextScene, 1);
    grow(t.flag, 1);
}

} // namespace channelModel

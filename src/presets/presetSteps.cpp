// Preset events written into sequence steps: the levels of the presets the
// events name, as the presets are now.

#include "presets/clsPalettePreset.h"

#include "platform/prompts.h"
#include "presets/presetFile.h"
#include "profiles/ClsFixture.h"
#include "shell/libParsePath.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <stdexcept>

namespace {

const QString loadFailed = QStringLiteral("Error loading Preset Fixture Data. Function Aborted ");

bool channelInRange(int32_t channel) { return channel >= 1 && channel <= shell().state.totalChannels; }

} // namespace

void clsPalettePreset::selectFixturesFromList(const QString& list) {
    PatchService& patch = shell().patch();
    patch.Form_MouseDown(1, 0, 0, 0);
    patch.Form_MouseUp(1, 0, 0, 0);
    for (const QString& entry : list.split(QLatin1Char(','))) {
        bool ok = false;
        const int32_t f = entry.trimmed().toInt(&ok);
        if (ok && f >= 1 && f <= shell().state.fixtureCount) patch.setSelected(f, true);
    }
}

void clsPalettePreset::executePresetOnChaser(const QString& theFilename, const QString& theFixtureList,
                                             const QString& setCurrentType, int32_t theStepNumber) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    try {
        setFilenameToLoadPresets(setCurrentType);
        selectFixturesFromList(theFixtureList);
        const std::optional<presetFile::PresetData> d =
            presetFile::readFile(presetPath(currentTypeName, libParsePath::ParsePath(theFilename, 4)));
        if (!d) return;
        for (const presetFile::presetRecord& r : d->records) {
            const int32_t f = r.fixtureNumber;
            if (f < 1 || f > m.fixtureCount || !s.patch().isSelected(f)) continue;
            if (channelIndex(profileOfFixture(f), r.channelName) == 0) continue;
            returnAValueForAPropertyName(f, r.propertyName, r.channelName);
            const int32_t channel = lookupChannel;
            if (!channelInRange(channel)) continue;
            const int32_t level = lookupValue >= 0 ? lookupValue : r.savedValue;
            s.playback().recieveChaserValueData(channel, theStepNumber, level, m.currentPlayback);
            if (channelModel::checkPriorities(channel)) m.channelOwner[size_t(channel)] = int16_t(m.currentPlayback);
            lookupValue = 0;
            lookupChannel = 0;
        }
    } catch (const std::exception& e) {
        s.prompts().messageBox(loadFailed + QString::fromStdString(e.what()));
    }
}

void clsPalettePreset::updatePresetIntoChaser(int32_t theplayback) {
    // A copy: writing into the steps may reach code that edits the events.
    const EventCollection events = *myEventCollection;
    for (const clsEvent& e : events)
        loadPresetIntoChaser(e.eventName.trimmed() + QStringLiteral(".UQF"), e.eventFixtureNumbers.trimmed(),
                             e.eventType.trimmed(), e.eventStepNumber, theplayback);
}

void clsPalettePreset::loadPresetIntoChaser(const QString& theFilename, const QString& theFixtureList,
                                            const QString& setCurrentType, int32_t theStepNumber, int32_t theplayback) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    try {
        setFilenameToLoadPresets(setCurrentType);
        const std::optional<presetFile::PresetData> d =
            presetFile::readFile(presetPath(currentTypeName, libParsePath::ParsePath(theFilename, 4)));
        if (!d) return;
        const QString list = theFixtureList + QLatin1Char(',');
        for (const presetFile::presetRecord& r : d->records) {
            const int32_t f = r.fixtureNumber;
            if (f < 1 || f > m.fixtureCount || !listContainsNumber(list, QString::number(f))) continue;
            if (channelIndex(profileOfFixture(f), r.channelName) == 0) continue;
            returnAValueForAPropertyName(f, r.propertyName, r.channelName);
            const int32_t channel = lookupChannel;
            if (!channelInRange(channel) || m.channelOwner[size_t(channel)] != theplayback) continue;
            if (lookupValue >= 0) {
                s.playback().recieveChaserValueData(channel, theStepNumber, lookupValue, theplayback);
                if (channelModel::checkPriorities(channel)) m.channelOwner[size_t(channel)] = int16_t(theplayback);
                lookupValue = 0;
                lookupChannel = 0;
            } else {
                if (channelModel::checkPriorities(channel)) m.channelOwner[size_t(channel)] = int16_t(theplayback);
                s.playback().recieveChaserValueData(channel, theStepNumber, r.savedValue, theplayback);
            }
        }
    } catch (const std::exception& e) {
        s.prompts().messageBox(loadFailed + QString::fromStdString(e.what()));
    }
}

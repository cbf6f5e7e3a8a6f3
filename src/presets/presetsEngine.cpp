#include "presets/presetsEngine.h"

#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "playback/sequenceFile.h"
#include "presets/presetEventFile.h"
#include "shell/libParsePath.h"
#include "shell/services/playbackService.h"
#include "shell/services/effectsService.h"
#include "shell/shell.h"

#include <QFile>
#include <QFileInfo>

PresetsEngine::PresetsEngine() = default;
PresetsEngine::~PresetsEngine() = default;

SharedEvents PresetsEngine::eventCollection() {
    if (!mainEvents) mainEvents = std::make_shared<EventCollection>();
    return mainEvents;
}

clsPalettePreset& PresetsEngine::playbackInstance(int32_t playbackNumber) {
    std::unique_ptr<clsPalettePreset>& slot = playbackInstances[playbackNumber];
    if (!slot) {
        slot = std::make_unique<clsPalettePreset>();
        slot->myPlayback = playbackNumber;
    }
    return *slot;
}

// ---- The event file ------------------------------------------------------------------------

bool PresetsEngine::saveAsFixtureData(const QString& path, const EventCollection& events, int32_t stepCount) {
    shell().state.currentFileName = path;
    QString error;
    if (safeFile::writeWhole(path, presetEventFile::encode(events, stepCount), &error)) return true;
    shell().prompts().messageBox(QStringLiteral("Error Saving File ") + error);
    return false;
}

void PresetsEngine::loadEventsIntoCollection(clsPalettePreset& instance, QString& path) {
    path = presetEventFile::eventFilePath(path);
    auto events = std::make_shared<EventCollection>();
    if (QFileInfo(path).isFile()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            shell().prompts().messageBox(QStringLiteral("Sequence Not Recognized ") + file.errorString());
            return;
        }
        *events = presetEventFile::decode(file.readAll());
    }
    instance.myEventCollection = events;
    mainEvents = events;
}

void PresetsEngine::savePresetEvents(const QString& eventsFile, int32_t playbackNumber) {
    clsPalettePreset& instance = playbackInstance(playbackNumber);
    if (saveAsFixtureData(eventsFile, *instance.myEventCollection, shell().playback().getMaxSteps(playbackNumber)))
        mainEvents.reset();
}

void PresetsEngine::loadPresetEvents(const QString& eventsFile, int32_t playbackNumber) {
    clsPalettePreset& instance = playbackInstance(playbackNumber);
    QString path = eventsFile;
    loadEventsIntoCollection(instance, path);
    instance.updatePresetIntoChaser(playbackNumber);
    // The movement macros the sequence carries; a copy, as a macro may hand events back.
    const EventCollection loaded = *instance.myEventCollection;
    for (const clsEvent& e : loaded)
        if (e.eventType == QLatin1String("m-fx")) shell().effects().applyMovementMacro(e, playbackNumber);
}

void PresetsEngine::dropPresetEvents(int32_t playbackNumber) {
    auto found = playbackInstances.find(playbackNumber);
    if (found != playbackInstances.end()) found->second->myEventCollection->clear();
    shell().effects().stopMovementMacros(playbackNumber);
}

// ---- Events of the programmed sequence ----------------------------------------------------------

void PresetsEngine::changeMyStepNumber(int32_t fromStep, int32_t toStep) {
    EventCollection& events = *eventCollection();
    for (auto e = events.rbegin(); e != events.rend(); ++e)
        if (e->eventStepNumber == fromStep) e->eventStepNumber = toStep;
}

void PresetsEngine::removeEventIfInCurrentStep(int32_t step, bool allPages) {
    EventCollection& events = *eventCollection();
    const QString page = paletteCurrentlyActive.trimmed();
    std::erase_if(events, [&](const clsEvent& e) {
        return allPages || (e.eventStepNumber == step && e.eventType.trimmed() == page);
    });
}

void PresetsEngine::sendEventToPlayback(int32_t playbackNumber, const clsEvent& event) {
    PlaybackService& playbacks = shell().playback();
    // Only a playback that exists takes events (every playback has a priority).
    if (playbacks.reportPlayBackPriority(playbackNumber) < 1) return;
    clsPalettePreset& instance = playbackInstance(playbackNumber);
    EventCollection& events = *instance.myEventCollection;
    clsEvent taken = event;
    taken.eventFixtureNumbers = taken.eventFixtureNumbers.trimmed();
    const bool running = playbacks.getChaserFlag(shell().state.currentPlayback);
    std::erase_if(events, [&](const clsEvent& e) {
        return e.eventType == taken.eventType && e.eventFixtureNumbers == taken.eventFixtureNumbers &&
               (running || e.eventStepNumber == taken.eventStepNumber);
    });
    if (running) taken.eventStepNumber = 1;
    if (!taken.justDelete && !taken.eventFixtureNumbers.isEmpty()) events.push_back(taken);
    mainEvents = instance.myEventCollection;
    updateGridData(false);
    if (!taken.justDelete && taken.eventType == QLatin1String("m-fx")) shell().effects().applyMovementMacro(taken, playbackNumber);
}

// ---- Regenerating a stored sequence from its events --------------------------------------------

void PresetsEngine::alterSequenceFileUsingPresetData(const QString& presetEventFile) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    QString path = presetEventFile;
    loadEventsIntoCollection(myPaletteCls, path);
    const QString sequence = libParsePath::ParsePath(path, 7) + QStringLiteral(".YSQ");
    m.currentPlayback = sequenceFile::readSequenceHeader(sequence);
    if (m.currentPlayback < 1) return;
    for (int32_t c = 1; c <= m.totalChannels; ++c) m.channelOwner[size_t(c)] = 0;
    int32_t doc = m.currentPlayback;
    s.playback().loadSequenceInDoc(doc, sequence, true, false, 0);
    const EventCollection events = *myPaletteCls.myEventCollection;
    for (const clsEvent& e : events)
        myPaletteCls.executePresetOnChaser(e.eventName.trimmed() + QStringLiteral(".UQF"), e.eventFixtureNumbers.trimmed(),
                                           e.eventType.trimmed(), e.eventStepNumber);
    s.playback().saveTheSequence(m.currentPlayback, false);
}

// ---- Palettes ------------------------------------------------------------------------------------

void PresetsEngine::makePalleteDirectories() { myPaletteCls.makePalleteDirectories(); }

void PresetsEngine::regeneratePalettes() {
    myPaletteCls.makePalleteDirectories();
    myPaletteCls.addPropertiesToCollection();
    myPaletteCls.createPaletteFiles();
}

void PresetsEngine::regenerateAllPresets() {
    myPaletteCls.deletePalleteDirectories();
    regeneratePalettes();
}

int32_t PresetsEngine::returnAValueForAPropertyName(int32_t fixtureNumber, const QString& propertyName,
                                                    const QString& channelName) {
    return myPaletteCls.returnAValueForAPropertyName(fixtureNumber, propertyName, channelName);
}

void PresetsEngine::executePreset(QString& theFilename, int32_t overRideValue, bool addWhiteAmber) {
    myPaletteCls.executePreset(theFilename, overRideValue, addWhiteAmber);
}

QString PresetsEngine::setFilenameToLoadPresets(const QString& typeName) {
    return myPaletteCls.setFilenameToLoadPresets(typeName);
}

QString PresetsEngine::currentTypeName() { return myPaletteCls.currentTypeName; }

#pragma once
// The presets service: the palette window's shared preset engine, the
// preset events of the sequence being programmed and the engine instance of
// every playback that holds events. The palette window's own service
// (presetsUi) builds on this one.

#include "presets/clsPalettePreset.h"
#include "shell/services/presetsService.h"

#include <map>
#include <memory>

class PresetsEngine : public PresetsService {
public:
    PresetsEngine();
    ~PresetsEngine() override;

    // The palette window's instance, shared by the windows that build or apply presets.
    clsPalettePreset myPaletteCls;
    // The name of the palette page shown (the palette window sets it).
    QString paletteCurrentlyActive;

    // The events of the sequence being programmed or last loaded
    // (Main.eventCollection); made empty on first use after a release.
    SharedEvents eventCollection() override;
    // The engine instance of a playback, made on first use.
    clsPalettePreset& playbackInstance(int32_t playbackNumber);

    // Writes events as the event file at `path` (saved beside and renamed),
    // steps limited to stepCount; false (after telling the operator) when it
    // cannot be written. Leaves the path in currentFileName.
    bool saveAsFixtureData(const QString& path, const EventCollection& events, int32_t stepCount);
    // Reads the event file of `path` (any extension) into the instance's new
    // collection, which becomes the programmed one; path comes back as the
    // event file's path. A missing file gives no events; a damaged one is
    // refused with a message and changes nothing.
    void loadEventsIntoCollection(clsPalettePreset& instance, QString& path);

    // ---- PresetsService ----
    void changeMyStepNumber(int32_t fromStep, int32_t toStep) override;
    void removeEventIfInCurrentStep(int32_t step, bool allPages) override;
    void savePresetEvents(const QString& eventsFile, int32_t playbackNumber) override;
    void loadPresetEvents(const QString& eventsFile, int32_t playbackNumber) override;
    void dropPresetEvents(int32_t playbackNumber) override;
    void alterSequenceFileUsingPresetData(const QString& presetEventFile) override;
    void makePalleteDirectories() override;
    void regenerateAllPresets() override;
    void regeneratePalettes() override;
    int32_t returnAValueForAPropertyName(int32_t fixtureNumber, const QString& propertyName,
                                         const QString& channelName) override;
    void executePreset(QString& theFilename, int32_t overRideValue, bool addWhiteAmber) override;
    QString setFilenameToLoadPresets(const QString& typeName) override;
    QString currentTypeName() override;
    void sendEventToPlayback(int32_t playbackNumber, const clsEvent& event) override;
    void fixPresetsForFixtureRemove(int32_t k) override { myPaletteCls.fixPresetsForFixtureRemove(k); }

private:
    SharedEvents mainEvents;
    std::map<int32_t, std::unique_ptr<clsPalettePreset>> playbackInstances;
};

#pragma once
// What the preset engine and the palette window offer the others: preset
// events kept beside sequences, and the palette window's refreshes. The base
// is "no presets".

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class PresetsService {
public:
    virtual ~PresetsService() = default;

    // Preset events follow their steps when steps move.
    virtual void changeMyStepNumber(int32_t fromStep, int32_t toStep) {}
    // A deleted step's preset events go (on every page with allPages).
    virtual void removeEventIfInCurrentStep(int32_t step, bool allPages) {}
    // Preset events kept beside a sequence (a path ending in ".UQF"): saved, loaded for a playback.
    virtual void savePresetEvents(const QString& eventsFile) {}
    virtual void loadPresetEvents(const QString& eventsFile, int32_t playbackNumber) {}
    // Drops the preset events a playback holds (its sequence was emptied).
    virtual void dropPresetEvents(int32_t playbackNumber) {}
    // Marks the presets that the current step uses.
    virtual void updateCurrentActivePalettePreset() {}
    // The palette window's value display and the selected fixtures' positions (every tick).
    virtual void updateDMXValueDisplay(bool force) {}
    virtual void loadAllSelectedFixturePositions(bool force) {}
    // Whether the palette window is in live mode.
    virtual bool paletteLiveMode() { return false; }


    // Opens the palette window's Color page.
    virtual void cmdColor_Click() {}
    // Makes the show's palette folders.
    virtual void makePalleteDirectories() {}
    // Deletes and regenerates every preset of the show.
    virtual void regenerateAllPresets() {}

    virtual void refreshButtons() {} // rebuild the shown page for a new selection
    virtual void showActiveWheels(const QString& /*group*/) {} // relight the wing's wheel lights
    // Rewrites the sequence beside a preset-event file (.UQF, real path) from the presets' present data.
    virtual void alterSequenceFileUsingPresetData(const QString& /*presetEventFile*/) {}
    // Every icon that reads as selected, other than `except`, loses highlight
    // mode and the wing highlight.
    virtual void releaseAllHighlight(int32_t except);
    // The upper DMX value of the first range labelled propertyName on the
    // fixture's profile channel typed channelName (both trimmed, any case);
    // -9999999 when none matches.
    virtual int32_t returnAValueForAPropertyName(int32_t fixtureNumber, const QString& propertyName,
                                                 const QString& channelName);

    // Rebuilds the property collections from the show's profiles and writes
    // the generated preset files (existing files stay).
    virtual void regeneratePalettes() {}

    // The palette window's "Delete Group" and "Delete Preset" entries.
    virtual void setProgrammingControlsEnabled(bool enabled) {}

    // The palette window shown or hidden (programming mode).
    virtual void showPaletteWindow(bool visible) {}

    // ---- Windows opened from the main window ----
    // Shows the palette window above the others.
    virtual void showPalettes() {}
    // Lists the current playback's preset events in the preset-data window; true when it listed one.
    virtual bool updateGridData(bool force) { return false; }
    // Shows the preset-data window.
    virtual void showPresetData() {}
};

#pragma GCC diagnostic pop

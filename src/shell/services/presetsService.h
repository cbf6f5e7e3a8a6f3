#pragma once
// What the preset engine and the palette window offer the others: preset
// events kept beside sequences, and the palette window's refreshes. The base
// is "no presets".

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// One preset event: the note, kept with a sequence step, that the step uses
// a preset (or a movement shape) on some fixtures.
struct clsEvent {
    bool justDelete = false; // only removes the matching event; never stored
    int32_t theYSize = 0, theXSize = 0, shapeDirection = 0, shapeSpeed = 0, fixtureOffset = 0, shapeOffset = 0;
    int32_t yCenter = 0, xCenter = 0;
    float shortcutLeft = 0.0f, shortcutTop = 0.0f;
    QString eventChannelName; // not kept in the event file
    QString eventType;        // the palette page ("Color", "Gobo" ...), "m-fx", "shapes"
    QString eventName;        // the preset's escaped base name, or the shape's name
    int32_t eventStepNumber = 0;
    QString eventFixtureNumbers; // "2,5,", kept without surrounding blanks
};
// The preset events of one sequence. A playback and the programming console
// share one list object (never a copy), so a change in one is seen in both.
using EventCollection = std::vector<clsEvent>;
using SharedEvents = std::shared_ptr<EventCollection>;

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
    // Preset events kept beside a sequence (a path ending in ".UQF"): the saved playback's own events
    // written, loaded for a playback.
    virtual void savePresetEvents(const QString& eventsFile, int32_t playbackNumber) {}
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
    // An attribute wheel of this channel type was moved: the Add Preset dialog, when shown, ticks it.
    virtual void enableChannel(const QString& channelType) {}


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

    // ---- Presets recalled and events handed to playbacks ----
    // Recalls the preset of the current page onto the selected fixtures (a colour number mixes onto RGB
    // and CMY fixtures); theFilename comes back as the escaped base name. overRideValue < 0: the preset's levels.
    virtual void executePreset(QString& theFilename, int32_t overRideValue, bool addWhiteAmber) {}
    // Makes typeName the current palette page; the page's folder part ("\Color\"), "" for an unknown page.
    virtual QString setFilenameToLoadPresets(const QString& typeName) { return {}; }
    virtual QString currentTypeName() { return {}; }
    // The playback takes the event into its preset events (replacing the one of the same page and fixtures).
    virtual void sendEventToPlayback(int32_t playbackNumber, const clsEvent& event) {}
    // Fixture k leaves the patch (still counted): presets drop it and name the later fixtures one lower.
    virtual void fixPresetsForFixtureRemove(int32_t k) {}
    // The events of the sequence being programmed (shared with the playback that holds them).
    virtual SharedEvents eventCollection() { return std::make_shared<EventCollection>(); }
};

#pragma GCC diagnostic pop

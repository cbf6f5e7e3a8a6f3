#pragma once
// The preset engine: the show's palette folders, the range look-ups in the
// fixture profiles, the preset file writer, the live recall onto the
// selected fixtures, the preset events written into sequence steps and the
// palettes generated from the profiles. The palette window shares one
// instance; every playback holds one of its own for its events.

#include "shell/services/presetsService.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

class ClsFixture;

// The DMX values one named range spans.
struct PresetRange {
    int32_t min = 0;
    int32_t MAX = 0;
};

class clsPalettePreset {
public:
    static constexpr int32_t notFound = -9999999;
    // The generated palette types, in the order of their collections.
    static constexpr std::array<const char*, 7> generatedTypes = {"Color", "Gobo", "Shutter", "Beam",
                                                                  "Function", "Rotation", "Speed"};

    QString currentTypeName;
    SharedEvents myEventCollection = std::make_shared<EventCollection>();
    int32_t myPlayback = 0;

    // Range look-up memory: the channel and start value of the last look-up
    // (notFound when its range was missing) and the fixtures found so far.
    int32_t lookupChannel = 0;
    int32_t lookupValue = 0;
    QString lookupFixtureList;

    // ---- Palette folders ----
    // Makes typeName the current type; its folder part ("\Color\"), "" when unknown.
    QString setFilenameToLoadPresets(const QString& typeName);
    void makePalleteDirectories();
    void deletePalleteDirectories();
    // Real path of preset `name` of `type`; empty with no show loaded or a
    // name or type that would leave its folder.
    static QString presetPath(const QString& type, const QString& name);
    // The range the fine-adjust may sweep for a preset on the selected
    // fixtures; theFilename comes back as its escaped base name. Throws
    // std::runtime_error for a damaged file.
    std::optional<PresetRange> mouseWheelProperties(QString& theFilename);
    static bool isColorChannelName(const QString& name);

    // ---- Range look-ups ----
    // Profile channel 1..36 of a type name (trimmed, any case), 0 when none.
    int32_t returnAChannelForAPropertyName(const QString& propName, int32_t theLightClass);
    // End of the range named propertyName on the fixture's channel of that
    // type; notFound when missing. Sets the look-up memory. A name matches a
    // label when both, escaped as file names and without extension, are equal
    // (trimmed, any case): "Star.bmp" finds "Star.gif", "Open+Close" finds "Open/Close".
    int32_t returnAValueForAPropertyName(int32_t fixtureNumber, const QString& propertyName, const QString& theChannelType);
    void returnMaxandMinValuesForAPropertyName(int32_t fixtureNumber, const QString& propertyName,
                                               const QString& theChannelType, PresetRange& range);
    // Absolute channel of the fixture's channel typed exactly channelName
    // (lower-cased), searching channels 1..32; 0 when none.
    int32_t returnAChannelNumberForAChannelName(const QString& channelName, int32_t fixtureNumber);
    // Label of the first range of the fixture's channel that holds theValue; "" when none.
    QString returnAPropertiesNameForAValue(int32_t theValue, int32_t theFixture, int32_t theChannel);

    // ---- Preset file writer ----
    // Writes the preset of the current type named by theFilename's base name
    // (which comes back as the file's path): one record per patched fixture
    // and listed channel type the fixture has; overRide takes the level of the
    // range named after the preset, otherwise the level being sent. False with
    // a reason when the file cannot be written.
    bool makeCustomPresetFile(QString& theFilename, const QString& presetVisualDescription,
                              const QStringList& theChannelCollection, bool forceSelection, bool overRide,
                              QString* error = nullptr);

    // ---- Live recall ----
    void executePreset(QString& theFilename, int32_t overRideValue, bool addWhiteAmber);

    // ---- Events in sequence steps ----
    // Writes one preset's levels for the listed fixtures (which become the
    // selection) into a step of the current playback.
    void executePresetOnChaser(const QString& theFilename, const QString& theFixtureList, const QString& setCurrentType,
                               int32_t theStepNumber);
    // Writes every event of myEventCollection into its step of the playback.
    void updatePresetIntoChaser(int32_t theplayback);
    // One event's levels into a step, on the channels the playback owns.
    void loadPresetIntoChaser(const QString& theFilename, const QString& theFixtureList, const QString& setCurrentType,
                              int32_t theStepNumber, int32_t theplayback);
    static bool listContainsNumber(const QString& list, const QString& number);

    // ---- Palettes from the profiles ----
    // The distinct range names of the profiles' role channels, per generated type.
    void addPropertiesToCollection();
    const QStringList& propertyCollection(int typeIndex) const { return collections[size_t(typeIndex)]; }
    // One preset file per gathered name. False when it stopped on an error
    // (already reported to the operator).
    bool createPaletteFiles();
    // Fixture k leaves the patch (fixtureCount still counts it): every preset
    // of the show drops k from its fixture list and its records, and names the
    // fixtures above k one lower, each file saved whole beside and renamed.
    // Files that cannot be read or written are reported and left as they are.
    void fixPresetsForFixtureRemove(int32_t k);

    // The channel type names the records of a preset of the current type hold.
    QStringList returnCheckBoxCollection(QString& theFilename);

private:
    std::array<QStringList, 7> collections;

    // While palettes are generated the profiles do not change, so their
    // range keys and channel indexes are worked out once per profile; the
    // many files are flushed to disk together at the end.
    struct ProfileKeys {
        QHash<QString, int32_t> channelByType;             // trimmed lower type -> 1..36
        std::array<QHash<QString, int32_t>, 38> rowByKey;  // per range slot: key -> first row
    };
    bool generating = false;
    std::unordered_map<const ClsFixture*, ProfileKeys> profileKeys;
    // The type folders' real paths and file names (by lower-case name), read
    // once per generation instead of once per file written.
    struct FolderNames {
        QString path;
        QHash<QString, QString> files;
    };
    QHash<QString, FolderNames> folderNames;
    QString writtenPresetPath(const QString& type, const QString& name);
    const ProfileKeys& keysOf(const ClsFixture& p);

    const ClsFixture* profileOfFixture(int32_t fixtureNumber) const;
    static QString rangeLabelHolding(const ClsFixture& p, int32_t slot, int32_t value);
    int32_t channelIndex(const ClsFixture* p, const QString& type);
    int32_t findRow(const ClsFixture* p, int32_t slot, const QString& propertyName);
    bool setChannelLive(int32_t channel, int32_t level, bool presetChannel);
    void selectFixturesFromList(const QString& list);
    bool writeGeneratedType(int typeIndex, QString& failedFile, QString& error);
    bool writeShutterPresets(QString& failedFile, QString& error);
};

namespace presetNames {
// Comparison key of a range label or preset name: escaped as a file name,
// without extension, trimmed, lower case.
QString rangeKey(const QString& name);
// The escaped base name a preset is filed under.
QString fileTitle(const QString& name);
} // namespace presetNames

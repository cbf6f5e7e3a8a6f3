#pragma once
// The preset file (.USF): one 526-byte record per fixture channel the preset
// sets, then a 2911-byte trailer as the last bytes of the file. No header,
// no mark that readers check; little-endian numbers, Windows-1252 text
// padded with blanks (fields a writer never fills hold zero bytes).

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace presetFile {

constexpr int recordBytes = 526;
constexpr int trailerBytes = 2911;
constexpr int fixtureListWidth = 2500;

struct presetRecord {
    QString savedFixtureName;
    int32_t fixtureNumber = 0;
    int32_t savedValue = 0;
    int32_t savedChannel = 0;
    // Empty in records saved from the live levels (written as zero bytes).
    QString propertyName;
    QString channelName;
};

struct presetTrailer {
    QString presetName;
    int32_t recordCount = 0; // as stored
    QString fixtureList;
    QString visualDescription;
};

struct PresetData {
    std::vector<presetRecord> records;
    presetTrailer trailer;
};

// Whole file. The trailer's count is the number of records; the fixture list
// is cut after its last whole "n," entry that fits.
QByteArray encode(const PresetData& data);
// Only the trailer, or nothing when the file is too short to hold one.
std::optional<presetTrailer> decodeTrailer(const QByteArray& bytes);
// Trailer and records. The stored count is trusted only as far as the file
// holds records (a negative count reads none); texts come back without their
// padding (blanks and zero bytes). Empty with a reason for a file shorter than
// a trailer.
std::optional<PresetData> decode(const QByteArray& bytes, QString* reason = nullptr);
// Reads the preset at a real path: nothing when there is no such file;
// throws std::runtime_error (with the reason) for one that cannot be read or
// is too short to be a preset.
std::optional<PresetData> readFile(const QString& path);
// The fixture list cut to the trailer's width after its last whole entry.
QString fitFixtureList(const QString& list);

} // namespace presetFile

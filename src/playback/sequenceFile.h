#pragma once
// The sequence (cue list) file, ".YSQ": fixed 608-byte records, no header.
//
//   for each universe: N scene records (steps 1..N), then one mask record;
//   N step-timing records; one trailer (the last mask record, levels zeroed).
//
// This codec turns bytes into SequenceFileData and back, checking every count
// against the others and against the file length before anything is sized.
// Moving the data into and out of a playback is done by sequenceLoad.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace sequenceFile {

constexpr int recordSize = 608;
constexpr int channelsPerUniverse = 512;
constexpr int stepNameWidth = 50;
constexpr int numberTextWidth = 30;
constexpr int commandWidth = 512;
inline constexpr char marker[] = "IsNewSequenc";

// Offsets inside a channel record.
namespace at {
constexpr int spareTime = 512, stepCount = 516, name = 518, kind = 568, flag = 570, motionFade = 572,
              universes = 574, numberText = 578;
}

// One universe's mask record (also carries the fade-from-current settings
// and the trigger text).
struct MaskRecord {
    QByteArray bytes = QByteArray(channelsPerUniverse, '\0'); // 255 = owned
    int16_t kind = -1;                                       // -1 mask record, anything else claims nothing
    bool fadeFromCurrentScene = false;
    float fadeFromCurrentFadeUpTime = 0.0f;
    QString fadeFromCurrentFadeDownText;                    // as stored, blanks kept
    QString triggerText;                                    // as stored, blanks kept
};

// One step: its scene-record fields and its step-timing record.
struct StepRecord {
    QString name;           // all 50 characters as stored
    float spareTime = 0.0f; // as stored
    float fadeUp = 0.0f, fadeDown = 0.0f, delayUp = 0.0f, delayDown = 0.0f, follow = 0.0f;
    int32_t nextScene = 0;
    bool waitForGo = false;
    bool hasMarker = true;  // the timing record carries "IsNewSequenc"
    QString command;        // as stored, blanks kept
};

struct SequenceFileData {
    int32_t universes = 0; // U
    int32_t stepCount = 0; // N
    // levels[step 0..N-1] holds U * 512 bytes, channel c at index c - 1.
    std::vector<QByteArray> levels;
    std::vector<MaskRecord> masks; // one per universe
    std::vector<StepRecord> steps; // one per step
    // Fields of the records before the first mask record.
    bool useSequenceFadeTime = false;
    bool useMotionfade = false;
    QString playbackText = QStringLiteral("0"); // " 3" or "0"

    // A blank sequence of the given size (levels 0, masks all 0).
    static SequenceFileData sized(int32_t universes, int32_t steps);
    // The trigger text of the last mask record (where readers take it from).
    QString triggerText() const { return masks.empty() ? QString() : masks.back().triggerText; }
};

// Number of records of a complete file.
constexpr int64_t recordCount(int64_t universes, int64_t steps) { return universes * (steps + 1) + steps + 1; }

// Every channel record keeps the step count in 16 bits.
constexpr int64_t maxSteps = 32767;
// The longest file a sequence of that many universes can be.
constexpr int64_t largestFileBytes(int64_t universes) { return recordCount(universes, maxSteps) * recordSize; }

// Reads a whole sequence file of at most `maxUniverses` universes. A file
// longer than such a sequence can be is refused before it is read (false and
// a reason), as is one that cannot be opened.
bool readFile(const QString& path, QByteArray& bytes, int64_t maxUniverses, QString* reason = nullptr);

// The bytes of a complete file. The data must be consistent (sizes match).
QByteArray encode(const SequenceFileData& data);

// Reads a whole file's bytes. Returns false and a reason when the counts do
// not agree with each other or with the length; `data` is then untouched.
// The universe count is the one the first mask record states; older files
// written in place may carry surplus records after the trailer, which are
// ignored.
bool decode(const QByteArray& bytes, SequenceFileData& data, QString* reason = nullptr);

// The playback number text for a save: " n", or "0" for no playback.
QString playbackNumberText(int32_t playback);

// The trigger number of a stored trigger text: "true" 1, "false" 0, anything
// else its numeric value rounded (halves to even).
int32_t triggerFromText(const QString& text);

// The playback number stored in a file's first record: 1..7 as stored,
// anything else 1; 0 for an empty name, "*.YSQ" or a missing file.
int32_t readSequenceHeader(const QString& sequenceFile);

// Rewrites the trigger text (offset 578 of the last universe's mask record)
// of an existing file of at most `maxUniverses` universes, through a
// temporary file. False with a reason when the file cannot be read, is not a
// sequence, or cannot be written.
bool rewriteTriggerText(const QString& path, const QString& triggerText, int64_t maxUniverses,
                        QString* reason = nullptr);

} // namespace sequenceFile

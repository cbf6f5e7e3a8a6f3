#pragma once
// The show file (.YCF): the rig held in the channel model as one run of
// binary blocks with a 793-byte trailer that carries the channel count.
// Little-endian, no padding, truth values as 16-bit -1/0, texts as a 16-bit
// byte count and Windows-1252 bytes, fixed texts padded with spaces.
//
// Profiles 1..25 lie in fixed tables with the profile index varying fastest;
// more profiles follow in an extension block of whole records, one per slot
// above 25, with the range column varying fastest.

#include <QByteArray>
#include <QString>
#include <cstdint>

struct ChannelModel;

namespace showFile {

constexpr int trailerBytes = 793;
constexpr int fixedProfileSlots = 25;
constexpr int profileRecordBytes = 420130;
constexpr int objectRecordBytes = 558;
constexpr int wallRecordBytes = 1588;
constexpr int extensionHeaderBytes = 54;
constexpr int storedProfileChannels = 32; // channel names 1..32, range columns 1..32
constexpr int storedRanges = 50;
// 64 universes: channel numbers of the per-fixture arrays stay 16-bit.
constexpr int32_t maxTotalChannels = 64 * 512;
// A show whose every text is empty, with no 3D object and at most 25
// profile slots: the least a file for T channels can hold.
constexpr int64_t leastBytes(int64_t totalChannels) { return 90 * totalChannels + 169514; }

inline const char* multiUniverseMarker() { return "New Multi Universe Version"; }
inline const char* extensionMarker() { return "more that 25 Light Classes"; }

struct Trailer {
    bool marked = false;        // "New Multi Universe Version" found
    int32_t totalChannels = 0;  // as stored
    int32_t universes = 0;
    int32_t objectCount = 0;
};

// The last 793 bytes; false when the file is shorter.
bool readTrailer(const QByteArray& file, Trailer& out);

// The show held in `model`: every per-channel and per-fixture array to
// totalChannels, the profile slots (an empty slot as a default profile),
// the tables. Throws std::runtime_error when a value has no place in the
// format (a byte field outside 0..255, a text over 65,535 bytes).
QByteArray encode(const ChannelModel& model);

// Reads a whole file into `fresh`, a model nobody else uses: it is sized to
// the file's channel count and filled as a load applies the file (profiles
// 1..25 take channel names and labelled ranges only when taken; profiles
// above 25 have their texts trimmed and no pan, tilt, beam or type; wall
// texture names trimmed, without a folder). Returns the empty text on
// success, else what is wrong with the file; `fresh` is then of no use.
QString decode(const QByteArray& file, ChannelModel& fresh);

} // namespace showFile

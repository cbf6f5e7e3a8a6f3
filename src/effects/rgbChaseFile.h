#pragma once
// The RGB chase profile (.YCP, folder RGB of the program folder): one
// 32-byte record per colour of the editor's list, no header. Each record:
// 12 reserved bytes (zero), the colour (red in the lowest byte), the number
// of steps, the phase offset, the fixture offset and the colour count n, all
// 32-bit little-endian. The thumbnail lives beside it in images\RGB.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace rgbChaseFile {

struct Profile {
    std::vector<int32_t> colours;
    int32_t steps = 0;
    int32_t phaseOffset = 0;
    int32_t fixtureOffset = 0;
};

// The file's bytes: 32 x n, nothing for an empty list.
QByteArray encode(const Profile& profile);
// Reads min(the first record's count, whole records in the file) colours; the
// last record read gives the steps and offsets. False with a reason when not
// even one colour can be read (out is then left alone).
bool decode(const QByteArray& bytes, Profile& out, QString* why = nullptr);

} // namespace rgbChaseFile

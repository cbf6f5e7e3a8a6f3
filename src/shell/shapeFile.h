#pragma once
// The movement shape file (.YSH, folder Shapes): the step count, one pan and
// one tilt value per step, then the shift steps and group size of the
// DMX-pilot. A file of N steps is exactly 5 + 4 * N bytes.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace shapeFile {

struct Step {
    int16_t pan = 0;
    int16_t tilt = 0;
};

struct Shape {
    std::vector<Step> steps;
    uint8_t shiftSteps = 0;
    int16_t groupSize = 0;
};

// The file's bytes. A shape of more steps than an Integer holds is cut there.
QByteArray encode(const Shape& shape);
// False (with a message for the operator) when the step count is below 1 or
// the file's size does not match it; `out` is then left alone.
bool decode(const QByteArray& bytes, Shape& out, QString* error = nullptr);

} // namespace shapeFile

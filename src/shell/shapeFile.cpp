#include "shell/shapeFile.h"

#include "platform/byteRecord.h"

#include <limits>

namespace shapeFile {

QByteArray encode(const Shape& shape) {
    ByteWriter w;
    const size_t n = std::min<size_t>(shape.steps.size(), size_t(std::numeric_limits<int16_t>::max()));
    w.i16(int16_t(n));
    for (size_t s = 0; s < n; ++s) {
        w.i16(shape.steps[s].pan);
        w.i16(shape.steps[s].tilt);
    }
    w.i8(shape.shiftSteps);
    w.i16(shape.groupSize);
    return w.bytes();
}

bool decode(const QByteArray& bytes, Shape& out, QString* error) {
    auto refuse = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    ByteReader r(bytes);
    const int16_t n = r.i16();
    if (!r.ok() || n < 1) return refuse(QStringLiteral("The shape file holds no steps."));
    // The count, 4 bytes a step, the shift byte and the group size.
    const qsizetype expected = 5 + 4 * qsizetype(n);
    if (bytes.size() != expected)
        return refuse(QStringLiteral("The shape file is damaged: %1 steps need %2 bytes, the file has %3.")
                          .arg(n)
                          .arg(expected)
                          .arg(bytes.size()));
    Shape read;
    read.steps.resize(size_t(n));
    for (Step& s : read.steps) {
        s.pan = r.i16();
        s.tilt = r.i16();
    }
    read.shiftSteps = r.u8();
    read.groupSize = r.i16();
    if (!r.ok()) return refuse(QStringLiteral("The shape file is damaged."));
    out = std::move(read);
    return true;
}

} // namespace shapeFile

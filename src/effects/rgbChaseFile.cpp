#include "effects/rgbChaseFile.h"

#include "platform/byteRecord.h"

#include <algorithm>

namespace rgbChaseFile {

namespace {
constexpr int recordSize = 32;
}

QByteArray encode(const Profile& profile) {
    ByteWriter w;
    const int32_t n = int32_t(profile.colours.size());
    for (int32_t colour : profile.colours) {
        w.fill(12, '\0');
        w.i32(colour);
        w.i32(profile.steps);
        w.i32(profile.phaseOffset);
        w.i32(profile.fixtureOffset);
        w.i32(n);
    }
    return w.bytes();
}

bool decode(const QByteArray& bytes, Profile& out, QString* why) {
    const qsizetype whole = bytes.size() / recordSize;
    if (whole < 1) {
        if (why) *why = QStringLiteral("the file holds no colour");
        return false;
    }
    ByteReader first(bytes, 28);
    // The first record's count is only believed as far as the file reaches.
    const int64_t n = std::min<int64_t>(first.i32(), whole);
    if (n < 1) {
        if (why) *why = QStringLiteral("the file holds no colour");
        return false;
    }
    Profile p;
    for (int64_t k = 0; k < n; ++k) {
        ByteReader r(bytes, qsizetype(k * recordSize + 12));
        p.colours.push_back(r.i32());
        p.steps = r.i32();
        p.phaseOffset = r.i32();
        p.fixtureOffset = r.i32();
    }
    out = std::move(p);
    return true;
}

} // namespace rgbChaseFile

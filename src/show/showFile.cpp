#include "show/showFile.h"

#include "profiles/ClsFixture.h"
#include "platform/byteRecord.h"
#include "platform/text1252.h"
#include "shell/channelModel.h"

#include <cmath>
#include <stdexcept>

namespace showFile {
namespace {

constexpr int nameWidth = 255, iconWidth = 512, wallWidth = 256, markerWidth = 255, extensionMarkerWidth = 50;
constexpr int rangeEntries = storedRanges * storedProfileChannels; // per profile

// Entries of the fixed tables: the profile slot varies fastest.
constexpr int rangeEntry(int r, int c, int p) { return ((r - 1) * storedProfileChannels + (c - 1)) * fixedProfileSlots + (p - 1); }

const ClsFixture& emptyProfile() {
    static const ClsFixture empty;
    return empty;
}

const ClsFixture& profileAt(const ChannelModel& m, int p) {
    if (size_t(p) < m.lightClasses.size() && m.lightClasses[size_t(p)]) return *m.lightClasses[size_t(p)];
    return emptyProfile();
}

uint8_t asByte(int v, const char* what) {
    if (v < 0 || v > 255) throw std::runtime_error(std::string(what) + " outside 0..255 cannot be stored");
    return uint8_t(v);
}

// ---- writing ------------------------------------------------------------------------------

struct Out {
    ByteWriter w;
    int32_t T = 0;

    template <typename A> void fits(const A& a) const {
        if (qsizetype(a.size()) < T + 1) throw std::runtime_error("the channel arrays are shorter than the channel count");
    }
    void text(const QString& s) {
        if (s.isEmpty()) { w.i16(0); return; }
        const QByteArray b = text1252::encode(s);
        if (b.size() > 0xFFFF) throw std::runtime_error("a text longer than 65535 bytes cannot be stored");
        w.i16(int16_t(uint16_t(b.size())));
        w.raw(b);
    }
    void truths(const TruthArray& a) { fits(a); for (int32_t i = 1; i <= T; ++i) w.truth(a[size_t(i)] != 0); }
    void texts(const QStringList& a) { fits(a); for (int32_t i = 1; i <= T; ++i) text(a[i]); }
    void i16s(const std::vector<int16_t>& a) { fits(a); for (int32_t i = 1; i <= T; ++i) w.i16(a[size_t(i)]); }
    void i32s(const std::vector<int32_t>& a) { fits(a); for (int32_t i = 1; i <= T; ++i) w.i32(a[size_t(i)]); }
    void textList(const QStringList& a, int n) { for (int i = 0; i < n; ++i) text(a.value(i)); }
};

// ---- reading ------------------------------------------------------------------------------

struct In {
    explicit In(const QByteArray& file) : r(file) {}
    ByteReader r;
    int32_t T = 0;

    QString text() {
        const uint16_t n = uint16_t(r.i16());
        if (n == 0) return {};
        return text1252::decode(r.raw(n));
    }
    // A stop at the first short read keeps a damaged file from costing a
    // pass over every remaining entry.
    void truths(TruthArray& a) { for (int32_t i = 1; i <= T && r.ok(); ++i) a[size_t(i)] = r.truth() ? 1 : 0; }
    void texts(QStringList& a) { for (int32_t i = 1; i <= T && r.ok(); ++i) a[i] = text(); }
    void i16s(std::vector<int16_t>& a) { for (int32_t i = 1; i <= T && r.ok(); ++i) a[size_t(i)] = r.i16(); }
    void i32s(std::vector<int32_t>& a) { for (int32_t i = 1; i <= T && r.ok(); ++i) a[size_t(i)] = r.i32(); }
    void textList(QStringList& a, int n) {
        a.clear();
        for (int i = 0; i < n; ++i) a.append(text());
    }
};

// Blocks made of T-entry arrays, shared by the writer (M = const model) and
// the reader, so both walk the same order.
template <typename IO, typename M> void channelBlocks(IO& io, M& m) {
    io.truths(m.channelFades);                 // 1
    io.texts(m.channelType);                   // 2
    io.truths(m.channelInvert);                // 3
    io.truths(m.channelSyncFlags);             // 4
    io.i16s(m.channelSyncGroups);              // 5
    io.truths(m.channelDmxPilotFlags);         // 6
    io.i32s(m.channelStrobeHigh);              // 7
    io.i32s(m.channelStrobeLow);               // 8
    io.truths(m.channelStrobeIntensityFlags);  // 9
    io.truths(m.channelStrobeRateFlags);       // 10
    io.texts(m.channelFixtureLabel);           // 11
    io.texts(m.channelProfileName);            // 12
    io.i16s(m.channelLowLimits);               // 13
    io.i16s(m.channelHighLimits);              // 14
    io.i32s(m.fixtureIconTop);                 // 15
    io.i32s(m.fixtureIconLeft);                // 16
    io.texts(m.dmxPilotShortcutFiles);         // 17
    io.texts(m.masterShortcutFiles);           // 18
    io.texts(m.fixtureName);                   // 19
    io.texts(m.channelExtraText);              // 20
    io.i16s(m.channelDmxPilotSteps);           // 21
}

template <typename IO, typename M> void nameTables(IO& io, M& m) {
    io.textList(m.tables.groupMembers, ShowTables::groupSlots);               // 37
    io.textList(m.tables.groupNames, ShowTables::groupSlots);                 // 38
    io.textList(m.tables.playbackNames, ShowTables::namedPlaybacks);          // 39
    io.textList(m.tables.scheduleShortcutNames, ShowTables::shortcutNameSlots); // 40
    io.textList(m.tables.multiChaseNames, ShowTables::shortcutNameSlots);     // 41
    io.i16s(m.fixtureAreaMaxX);                                               // 42
    io.i16s(m.fixtureAreaMaxY);                                               // 43
    io.i16s(m.fixtureAreaMinX);                                               // 44
    io.i16s(m.fixtureAreaMinY);                                               // 45
}

template <typename IO, typename M> void placementBlocks(IO& io, M& m) {
    io.i32s(m.fixtureRotationX); // 50
    io.i32s(m.fixtureRotationY); // 51
    io.i32s(m.fixtureRotationZ); // 52
    io.i32s(m.fixtureElevation); // 53
}

template <typename IO, typename M> void layoutBlocks(IO& io, M& m) {
    io.texts(m.fixtureView);         // 57
    io.texts(m.viewNames);           // 58
    io.texts(m.fixtureMatrixMarker); // 59
    io.i32s(m.fixtureMatrixColumn);  // 60
    io.i32s(m.fixtureMatrixRow);     // 61
    io.texts(m.fixtureMatrixName);   // 62
}

QString fileNameOf(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

void writeFixedProfiles(Out& o, const ChannelModel& m) {
    ByteWriter& w = o.w;
    for (int p = 1; p <= fixedProfileSlots; ++p) w.truth(profileAt(m, p).taken);
    for (int p = 1; p <= fixedProfileSlots; ++p) o.text(profileAt(m, p).Name);
    for (int p = 1; p <= fixedProfileSlots; ++p) w.i8(asByte(profileAt(m, p).ChannelsUsed, "a channel count"));
    for (int p = 1; p <= fixedProfileSlots; ++p) o.text(profileAt(m, p).iconpath);
    for (int c = 1; c <= storedProfileChannels; ++c)
        for (int p = 1; p <= fixedProfileSlots; ++p) o.text(profileAt(m, p).Channel_prop(c));
    for (int r = 1; r <= storedRanges; ++r)
        for (int c = 1; c <= storedProfileChannels; ++c)
            for (int p = 1; p <= fixedProfileSlots; ++p) o.text(profileAt(m, p).properties(r, c));
    for (int r = 1; r <= storedRanges; ++r)
        for (int c = 1; c <= storedProfileChannels; ++c)
            for (int p = 1; p <= fixedProfileSlots; ++p) w.i8(asByte(profileAt(m, p).from(r, c), "a range bound"));
    for (int r = 1; r <= storedRanges; ++r)
        for (int c = 1; c <= storedProfileChannels; ++c)
            for (int p = 1; p <= fixedProfileSlots; ++p) w.i8(asByte(profileAt(m, p).too(r, c), "a range bound"));
}

void writeProfileRecord(ByteWriter& w, const ClsFixture& f) {
    w.truth(f.taken);
    w.fixedText(f.Name, nameWidth);
    w.i8(asByte(f.ChannelsUsed, "a channel count"));
    w.fixedText(f.iconpath, iconWidth);
    for (int c = 1; c <= storedProfileChannels; ++c) w.fixedText(f.Channel_prop(c), nameWidth);
    for (int r = 1; r <= storedRanges; ++r)
        for (int c = 1; c <= storedProfileChannels; ++c) w.fixedText(f.properties(r, c), nameWidth);
    for (int r = 1; r <= storedRanges; ++r)
        for (int c = 1; c <= storedProfileChannels; ++c) w.i8(asByte(f.from(r, c), "a range bound"));
    for (int r = 1; r <= storedRanges; ++r)
        for (int c = 1; c <= storedProfileChannels; ++c) w.i8(asByte(f.too(r, c), "a range bound"));
}

void readFixedProfiles(In& in, ChannelModel& m) {
    ByteReader& r = in.r;
    bool taken[fixedProfileSlots + 1] = {};
    for (int p = 1; p <= fixedProfileSlots; ++p) m.lightClass(p).taken = taken[p] = r.truth();
    for (int p = 1; p <= fixedProfileSlots; ++p) m.lightClass(p).Name = in.text();
    for (int p = 1; p <= fixedProfileSlots; ++p) m.lightClass(p).ChannelsUsed = r.u8();
    for (int p = 1; p <= fixedProfileSlots; ++p) m.lightClass(p).iconpath = in.text();
    // Only a profile in use takes its channel names and its labelled ranges.
    for (int c = 1; c <= storedProfileChannels; ++c)
        for (int p = 1; p <= fixedProfileSlots; ++p) {
            const QString name = in.text();
            if (taken[p]) m.lightClass(p).setChannel_prop(c, name);
        }
    std::vector<uint8_t> labelled(size_t(rangeEntries) * fixedProfileSlots, 0);
    for (int rg = 1; rg <= storedRanges; ++rg)
        for (int c = 1; c <= storedProfileChannels; ++c)
            for (int p = 1; p <= fixedProfileSlots; ++p) {
                const QString label = in.text();
                if (taken[p] && !label.isEmpty()) {
                    m.lightClass(p).setProperties(rg, c, label);
                    labelled[size_t(rangeEntry(rg, c, p))] = 1;
                }
            }
    for (int pass = 0; pass < 2; ++pass)
        for (int rg = 1; rg <= storedRanges; ++rg)
            for (int c = 1; c <= storedProfileChannels; ++c)
                for (int p = 1; p <= fixedProfileSlots; ++p) {
                    const uint8_t v = r.u8();
                    if (!labelled[size_t(rangeEntry(rg, c, p))]) continue;
                    if (pass == 0) m.lightClass(p).setFrom(rg, c, v);
                    else m.lightClass(p).setToo(rg, c, v);
                }
}

void readProfileRecord(ByteReader& r, ClsFixture& f) {
    f.taken = r.truth();
    f.Name = r.fixedText(nameWidth).trimmed();
    f.ChannelsUsed = r.u8();
    f.iconpath = r.fixedText(iconWidth).trimmed();
    for (int c = 1; c <= storedProfileChannels; ++c) f.setChannel_prop(c, r.fixedText(nameWidth).trimmed());
    for (int rg = 1; rg <= storedRanges; ++rg)
        for (int c = 1; c <= storedProfileChannels; ++c) f.setProperties(rg, c, r.fixedText(nameWidth).trimmed());
    for (int rg = 1; rg <= storedRanges; ++rg)
        for (int c = 1; c <= storedProfileChannels; ++c) f.setFrom(rg, c, r.u8());
    for (int rg = 1; rg <= storedRanges; ++rg)
        for (int c = 1; c <= storedProfileChannels; ++c) f.setToo(rg, c, r.u8());
}

} // namespace

bool readTrailer(const QByteArray& file, Trailer& out) {
    if (file.size() < trailerBytes) return false;
    ByteReader r(file, file.size() - trailerBytes);
    out.totalChannels = r.i32();
    out.universes = r.i32();
    out.objectCount = r.i32();
    r.skip(16);
    out.marked = r.fixedText(markerWidth).trimmed() == QLatin1String(multiUniverseMarker());
    return r.ok();
}

QByteArray encode(const ChannelModel& m) {
    Out o;
    o.T = m.totalChannels;
    const int slotCount = std::max<int>(fixedProfileSlots, int(m.lightClasses.size()) - 1);
    QByteArray& b = o.w.bytes();
    b.reserve(qsizetype(leastBytes(o.T) + int64_t(m.tables.objectList.size()) * objectRecordBytes +
                        (slotCount > fixedProfileSlots ? extensionHeaderBytes + int64_t(slotCount - fixedProfileSlots) * profileRecordBytes : 0) +
                        16 * int64_t(o.T)));
    channelBlocks(o, m);
    for (const int32_t v : m.tables.reservedTables) o.w.i32(v); // 22-24
    if (m.fixtureCount < 0 || m.fixtureCount > 32767) throw std::runtime_error("the fixture count cannot be stored");
    o.w.i16(int16_t(m.fixtureCount)); // 25
    o.w.i32(m.lightClassCount);       // 26
    o.w.i16(m.tables.strobeRateMinimum);
    o.w.i16(m.tables.strobeIntensityMinimum);
    writeFixedProfiles(o, m); // 29-36
    nameTables(o, m);         // 37-45
    for (int p = 1; p <= fixedProfileSlots; ++p) o.w.i16(profileAt(m, p).panRange());
    for (int p = 1; p <= fixedProfileSlots; ++p) o.w.i16(profileAt(m, p).tiltRange());
    for (int p = 1; p <= fixedProfileSlots; ++p) o.w.i16(profileAt(m, p).beamAngle());
    for (int p = 1; p <= fixedProfileSlots; ++p) o.text(profileAt(m, p).fixtureType());
    placementBlocks(o, m); // 50-53
    o.w.f32(m.tables.roomWidth);
    o.w.f32(m.tables.roomHeight);
    o.w.f32(m.tables.roomDepth);
    for (const clsThreeDObject& obj : m.tables.objectList) { // 55
        o.w.fixedText(obj.objectAlias, nameWidth);
        o.w.fixedText(obj.fileNamePath.trimmed(), nameWidth);
        o.w.i32(obj.ObjectColor);
        o.w.i32(0);
        for (const int32_t v : {obj.x, obj.Y, obj.z, obj.xRotation, obj.yRotation, obj.zRotation}) o.w.i32(v);
        for (const float v : {obj.ScaleX, obj.ScaleY, obj.Scalez}) o.w.f32(v);
        o.w.i32(0);
    }
    const clsWallTextures& walls = m.tables.wallTextures; // 56
    for (const QString* wall : {&walls.ceiling, &walls.leftWall, &walls.rightWall, &walls.backWall,
                                &walls.frontWall, &walls.floor})
        o.w.fixedText(fileNameOf(*wall), wallWidth);
    o.w.fill(wallRecordBytes - 6 * wallWidth, 0);
    layoutBlocks(o, m); // 57-62
    if (slotCount > fixedProfileSlots) { // 63
        o.w.fixedText(QString::fromLatin1(extensionMarker()), extensionMarkerWidth);
        o.w.i32(slotCount);
        for (int p = fixedProfileSlots + 1; p <= slotCount; ++p) writeProfileRecord(o.w, profileAt(m, p));
    }
    o.w.i32(o.T); // 64
    o.w.i32(int32_t(std::nearbyint(double(o.T) / 512.0)));
    o.w.i32(int32_t(m.tables.objectList.size()));
    o.w.fill(16, 0);
    o.w.fixedText(QString::fromLatin1(multiUniverseMarker()), markerWidth);
    o.w.fill(2 * markerWidth, 0);
    return b;
}

QString decode(const QByteArray& file, ChannelModel& m) {
    Trailer trailer;
    if (!readTrailer(file, trailer))
        return QStringLiteral("The file is too short to be a show file (%1 bytes).").arg(file.size());
    // A file without the marker comes from the one-universe format; what
    // lies at the object count's place there is other data.
    const int32_t T = trailer.marked ? trailer.totalChannels : 512;
    const int32_t objects = trailer.marked ? trailer.objectCount : 0;
    if (T <= 0 || T % 512 != 0 || T > maxTotalChannels)
        return QStringLiteral("The file's channel count %1 is not a whole number of universes from 1 to %2.")
            .arg(T)
            .arg(maxTotalChannels / 512);
    if (objects < 0) return QStringLiteral("The file's 3D object count %1 is negative.").arg(objects);
    if (int64_t(file.size()) < leastBytes(T) + int64_t(objects) * objectRecordBytes)
        return QStringLiteral("The file is too short for its %1 channels and %2 3D objects.").arg(T).arg(objects);
    // Where the blocks must end: the trailer of a marked file is its own.
    const qsizetype bodyEnd = trailer.marked ? file.size() - trailerBytes : file.size();

    m.resize(T);
    In in(file);
    in.T = T;
    ByteReader& r = in.r;
    channelBlocks(in, m);
    for (int32_t& v : m.tables.reservedTables) v = r.i32();
    const int16_t fixtureCount = r.i16();
    const int32_t lightClassCount = r.i32();
    if (r.ok() && (fixtureCount < 0 || fixtureCount > T))
        return QStringLiteral("The file's fixture count %1 is outside 0 to %2.").arg(fixtureCount).arg(T);
    m.fixtureCount = fixtureCount;
    m.tables.strobeRateMinimum = r.i16();
    m.tables.strobeIntensityMinimum = r.i16();
    m.lightClasses.clear();
    if (r.ok()) readFixedProfiles(in, m);
    nameTables(in, m);
    for (int p = 1; p <= fixedProfileSlots; ++p) m.lightClass(p).setPanRange(r.i16());
    for (int p = 1; p <= fixedProfileSlots; ++p) m.lightClass(p).setTiltRange(r.i16());
    for (int p = 1; p <= fixedProfileSlots; ++p) m.lightClass(p).setBeamAngle(r.i16());
    for (int p = 1; p <= fixedProfileSlots; ++p) m.lightClass(p).setFixtureType(in.text());
    placementBlocks(in, m);
    m.tables.roomWidth = r.f32();
    m.tables.roomHeight = r.f32();
    m.tables.roomDepth = r.f32();
    if (!r.ok() || int64_t(r.remaining()) < int64_t(objects) * objectRecordBytes)
        return QStringLiteral("The file ends before its 3D objects.");
    m.tables.objectList.assign(size_t(objects), clsThreeDObject{});
    for (clsThreeDObject& obj : m.tables.objectList) {
        obj.objectAlias = r.fixedText(nameWidth);
        obj.fileNamePath = r.fixedText(nameWidth).trimmed();
        obj.ObjectColor = r.i32();
        r.skip(4);
        for (int32_t* v : {&obj.x, &obj.Y, &obj.z, &obj.xRotation, &obj.yRotation, &obj.zRotation}) *v = r.i32();
        for (float* v : {&obj.ScaleX, &obj.ScaleY, &obj.Scalez}) *v = r.f32();
        r.skip(4);
    }
    clsWallTextures& walls = m.tables.wallTextures;
    for (QString* wall : {&walls.ceiling, &walls.leftWall, &walls.rightWall, &walls.backWall, &walls.frontWall,
                          &walls.floor})
        *wall = r.fixedText(wallWidth).trimmed();
    r.skip(wallRecordBytes - 6 * wallWidth);
    layoutBlocks(in, m);
    if (!r.ok()) return QStringLiteral("The file ends before all its blocks were read.");

    // The extension block, or the trailer's first bytes when there is none.
    int slotCount = fixedProfileSlots;
    if (r.remaining() >= extensionHeaderBytes) {
        const qsizetype at = r.position();
        const QString marker = r.fixedText(extensionMarkerWidth).trimmed();
        const int32_t n = r.i32();
        if (n > fixedProfileSlots && marker == QLatin1String(extensionMarker())) {
            const int64_t records = int64_t(n) - fixedProfileSlots;
            if (records * profileRecordBytes > int64_t(bodyEnd - r.position()))
                return QStringLiteral("The file announces %1 profiles but holds fewer.").arg(n);
            for (int p = fixedProfileSlots + 1; p <= n; ++p) readProfileRecord(r, m.lightClass(p));
            slotCount = n;
        } else {
            r.seek(at);
        }
    }
    if (!r.ok() || r.position() > bodyEnd) return QStringLiteral("The file ends before all its blocks were read.");
    // A file without the marker holds the blocks of one universe and at most
    // a trailer without it; more left over is a larger show cut short.
    if (!trailer.marked && r.position() != file.size() && r.position() != file.size() - trailerBytes)
        return QStringLiteral("The file has no channel count and is not a one-universe show.");
    if (lightClassCount < 0 || lightClassCount > slotCount)
        return QStringLiteral("The file's profile count %1 is outside 0 to %2.").arg(lightClassCount).arg(slotCount);
    m.lightClassCount = lightClassCount;
    return {};
}

} // namespace showFile

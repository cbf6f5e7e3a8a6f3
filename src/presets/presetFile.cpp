#include "presets/presetFile.h"

#include "platform/byteRecord.h"
#include "platform/safeFile.h"

#include <QFileInfo>
#include <algorithm>
#include <stdexcept>

namespace presetFile {
namespace {

constexpr int textWidth = 128;
constexpr int descriptionWidth = 255;
constexpr float markOne = 1.0f;
constexpr float markTwo = 11111.1f;

QString unpadded(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == QLatin1Char(' ') || text[end - 1] == QChar(0))) --end;
    qsizetype start = 0;
    while (start < end && (text[start] == QLatin1Char(' ') || text[start] == QChar(0))) ++start;
    return text.mid(start, end - start);
}

presetTrailer readTrailer(ByteReader& r) {
    presetTrailer t;
    r.skip(8);
    r.f32();
    r.skip(4);
    r.f32();
    t.presetName = unpadded(r.fixedText(textWidth));
    t.recordCount = r.i32();
    t.fixtureList = unpadded(r.fixedText(fixtureListWidth));
    t.visualDescription = unpadded(r.fixedText(descriptionWidth));
    r.i32();
    return t;
}

} // namespace

QString fitFixtureList(const QString& list) {
    if (list.size() <= fixtureListWidth) return list;
    const qsizetype lastComma = list.left(fixtureListWidth).lastIndexOf(QLatin1Char(','));
    return lastComma < 0 ? QString() : list.left(lastComma + 1);
}

QByteArray encode(const PresetData& data) {
    QByteArray out;
    out.reserve(qsizetype(data.records.size()) * recordBytes + trailerBytes);
    ByteWriter w(&out);
    for (const presetRecord& r : data.records) {
        w.fixedText(r.savedFixtureName, textWidth);
        w.i32(r.fixtureNumber);
        w.i32(r.savedValue);
        w.i32(r.savedChannel);
        if (r.propertyName.isEmpty())
            w.fill(textWidth, '\0');
        else
            w.fixedText(r.propertyName, textWidth);
        w.fixedText(r.channelName, textWidth);
        w.fill(textWidth, '\0');
        w.i16(0);
    }
    w.fill(8, '\0');
    w.f32(markOne);
    w.fill(4, '\0');
    w.f32(markTwo);
    const QString& name = data.trailer.presetName;
    w.fixedText(name.isEmpty() ? QStringLiteral("renameScene") : name, textWidth);
    w.i32(int32_t(data.records.size()));
    w.fixedText(fitFixtureList(data.trailer.fixtureList), fixtureListWidth);
    w.fixedText(data.trailer.visualDescription, descriptionWidth);
    w.i32(0);
    return out;
}

std::optional<presetTrailer> decodeTrailer(const QByteArray& bytes) {
    if (bytes.size() < trailerBytes) return std::nullopt;
    ByteReader r(bytes, bytes.size() - trailerBytes);
    return readTrailer(r);
}

std::optional<PresetData> decode(const QByteArray& bytes, QString* reason) {
    std::optional<presetTrailer> trailer = decodeTrailer(bytes);
    if (!trailer) {
        if (reason)
            *reason = QStringLiteral("the preset file is %1 bytes long, shorter than its %2-byte trailer")
                          .arg(bytes.size())
                          .arg(trailerBytes);
        return std::nullopt;
    }
    PresetData d;
    d.trailer = *trailer;
    const qsizetype room = (bytes.size() - trailerBytes) / recordBytes;
    const qsizetype count = std::clamp<qsizetype>(trailer->recordCount, 0, room);
    d.records.reserve(size_t(count));
    ByteReader r(bytes);
    for (qsizetype i = 0; i < count; ++i) {
        presetRecord rec;
        rec.savedFixtureName = unpadded(r.fixedText(textWidth));
        rec.fixtureNumber = r.i32();
        rec.savedValue = r.i32();
        rec.savedChannel = r.i32();
        rec.propertyName = unpadded(r.fixedText(textWidth));
        rec.channelName = unpadded(r.fixedText(textWidth));
        r.skip(textWidth);
        r.i16();
        d.records.push_back(std::move(rec));
    }
    return d;
}

std::optional<PresetData> readFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return std::nullopt;
    QByteArray bytes;
    QString reason;
    if (!safeFile::readWhole(path, bytes, &reason)) throw std::runtime_error(reason.toStdString());
    std::optional<PresetData> d = decode(bytes, &reason);
    if (!d) throw std::runtime_error(reason.toStdString());
    return d;
}

} // namespace presetFile

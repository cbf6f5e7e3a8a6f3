#include "playback/sequenceFile.h"

#include "platform/byteRecord.h"
#include "platform/safeFile.h"
#include "platform/text1252.h"
#include "shell/numberText.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace sequenceFile {

namespace {

// A reusable 608-byte record buffer written field by field, as the save
// keeps one channel record and changes only the fields each record needs.
class RecordBuffer {
public:
    RecordBuffer() : buf(recordSize, '\0') {}
    void i16(int offset, int16_t v) { put(offset, [&](ByteWriter& w) { w.i16(v); }); }
    void i32(int offset, int32_t v) { put(offset, [&](ByteWriter& w) { w.i32(v); }); }
    void f32(int offset, float v) { put(offset, [&](ByteWriter& w) { w.f32(v); }); }
    void text(int offset, const QString& t, int width) { put(offset, [&](ByteWriter& w) { w.fixedText(t, width); }); }
    void channels(const char* bytes) { std::memcpy(buf.data(), bytes, channelsPerUniverse); }
    void zeroChannels() { std::memset(buf.data(), 0, channelsPerUniverse); }
    const QByteArray& bytes() const { return buf; }

private:
    template <typename F> void put(int offset, F write) {
        QByteArray field;
        ByteWriter w(&field);
        write(w);
        std::memcpy(buf.data() + offset, field.constData(), size_t(field.size()));
    }
    QByteArray buf;
};

QByteArray record(const QByteArray& file, int64_t index) { return file.mid(qsizetype(index * recordSize), recordSize); }

int16_t i16At(const QByteArray& rec, int offset) {
    ByteReader r(rec, offset);
    return r.i16();
}
int32_t i32At(const QByteArray& rec, int offset) {
    ByteReader r(rec, offset);
    return r.i32();
}
float f32At(const QByteArray& rec, int offset) {
    ByteReader r(rec, offset);
    return r.f32();
}
QString textAt(const QByteArray& rec, int offset, int width) {
    ByteReader r(rec, offset);
    return r.fixedText(width);
}

bool fail(QString* reason, const QString& text) {
    if (reason) *reason = text;
    return false;
}

} // namespace

SequenceFileData SequenceFileData::sized(int32_t universes, int32_t steps) {
    SequenceFileData d;
    d.universes = universes;
    d.stepCount = steps;
    d.levels.assign(size_t(steps), QByteArray(qsizetype(universes) * channelsPerUniverse, '\0'));
    d.masks.assign(size_t(universes), MaskRecord{});
    d.steps.assign(size_t(steps), StepRecord{});
    return d;
}

QByteArray encode(const SequenceFileData& data) {
    const int32_t U = data.universes;
    const int32_t N = data.stepCount;
    QByteArray out;
    out.reserve(qsizetype(recordCount(U, N) * recordSize));

    RecordBuffer a;
    a.i16(at::flag, data.useSequenceFadeTime ? -1 : 0);
    a.i16(at::motionFade, data.useMotionfade ? -1 : 0);
    a.text(at::numberText, data.playbackText, numberTextWidth);
    a.i32(at::universes, 0);

    for (int32_t u = 0; u < U; ++u) {
        for (int32_t j = 0; j < N; ++j) {
            const StepRecord& step = data.steps[size_t(j)];
            a.i16(at::stepCount, int16_t(N));
            a.channels(data.levels[size_t(j)].constData() + qsizetype(u) * channelsPerUniverse);
            a.i16(at::kind, 0);
            a.text(at::name, step.name, stepNameWidth);
            a.f32(at::spareTime, step.spareTime);
            out.append(a.bytes());
        }
        const MaskRecord& mask = data.masks[size_t(u)];
        a.i16(at::stepCount, int16_t(N));
        a.channels(mask.bytes.constData());
        a.i16(at::kind, mask.kind);
        a.i16(at::flag, mask.fadeFromCurrentScene ? -1 : 0);
        a.f32(at::spareTime, mask.fadeFromCurrentFadeUpTime);
        a.text(at::name, mask.fadeFromCurrentFadeDownText, stepNameWidth);
        a.text(at::numberText, mask.triggerText, numberTextWidth);
        a.i32(at::universes, U);
        out.append(a.bytes());
        a.zeroChannels();
    }

    for (const StepRecord& step : data.steps) {
        ByteWriter w(&out);
        w.f32(step.fadeUp);
        w.f32(step.fadeDown);
        w.f32(step.delayUp);
        w.f32(step.delayDown);
        w.f32(step.follow);
        w.fill(4, '\0');
        w.i32(step.nextScene);
        w.i16(-1);
        w.fill(4, '\0');
        w.truth(step.waitForGo);
        if (step.hasMarker)
            w.fixedText(QString::fromLatin1(marker), 12);
        else
            w.fill(12, '\0');
        w.fill(18 + 18 + 12, '\0');
        w.fixedText(step.command, commandWidth);
    }

    out.append(a.bytes()); // trailer: the last mask record, channels zeroed
    return out;
}

bool decode(const QByteArray& bytes, SequenceFileData& data, QString* reason) {
    if (bytes.isEmpty()) return fail(reason, QStringLiteral("the file is empty"));
    if (bytes.size() % recordSize != 0)
        return fail(reason, QStringLiteral("the file length %1 is not a whole number of %2-byte records")
                                .arg(bytes.size()).arg(recordSize));
    const int64_t records = bytes.size() / recordSize;
    const QByteArray first = record(bytes, 0);
    const int32_t N = i16At(first, at::stepCount);
    if (N < 0) return fail(reason, QStringLiteral("the step count %1 is negative").arg(N));
    if (N + 2 > records) return fail(reason, QStringLiteral("the file is too short for %1 steps").arg(N));

    const QByteArray firstMask = record(bytes, N);
    const int32_t U = i32At(firstMask, at::universes);
    if (U < 1) return fail(reason, QStringLiteral("the universe count %1 is not valid").arg(U));
    if (i16At(firstMask, at::stepCount) != N)
        return fail(reason, QStringLiteral("the step counts of the records do not agree"));
    if (recordCount(U, N) > records)
        return fail(reason, QStringLiteral("the file holds %1 records, fewer than the %2 that %3 universes and %4 steps need")
                                .arg(records).arg(recordCount(U, N)).arg(U).arg(N));
    const QByteArray trailer = record(bytes, recordCount(U, N) - 1);
    if (i32At(trailer, at::universes) != U || i16At(trailer, at::stepCount) != N)
        return fail(reason, QStringLiteral("the trailer does not match the universe and step counts"));

    SequenceFileData d = SequenceFileData::sized(U, N);
    d.useSequenceFadeTime = i16At(first, at::flag) == -1;
    d.useMotionfade = i16At(first, at::motionFade) == -1;
    d.playbackText = textAt(first, at::numberText, numberTextWidth);

    int64_t index = 0;
    for (int32_t u = 0; u < U; ++u) {
        for (int32_t j = 0; j < N; ++j) {
            const QByteArray rec = record(bytes, index++);
            std::memcpy(d.levels[size_t(j)].data() + qsizetype(u) * channelsPerUniverse, rec.constData(), channelsPerUniverse);
            // Every universe repeats the step's name and spare time; the last read wins.
            d.steps[size_t(j)].name = textAt(rec, at::name, stepNameWidth);
            d.steps[size_t(j)].spareTime = f32At(rec, at::spareTime);
        }
        const QByteArray rec = record(bytes, index++);
        MaskRecord& mask = d.masks[size_t(u)];
        mask.bytes = rec.left(channelsPerUniverse);
        mask.kind = i16At(rec, at::kind);
        mask.fadeFromCurrentScene = i16At(rec, at::flag) == -1;
        mask.fadeFromCurrentFadeUpTime = f32At(rec, at::spareTime);
        mask.fadeFromCurrentFadeDownText = textAt(rec, at::name, stepNameWidth);
        mask.triggerText = textAt(rec, at::numberText, numberTextWidth);
    }
    for (int32_t j = 0; j < N; ++j) {
        const QByteArray rec = record(bytes, index++);
        ByteReader r(rec);
        StepRecord& step = d.steps[size_t(j)];
        step.fadeUp = r.f32();
        step.fadeDown = r.f32();
        step.delayUp = r.f32();
        step.delayDown = r.f32();
        step.follow = r.f32();
        r.skip(4);
        step.nextScene = r.i32();
        r.skip(2 + 4);
        step.waitForGo = r.i16() == -1;
        step.hasMarker = r.raw(12) == QByteArray(marker);
        r.skip(18 + 18 + 12);
        step.command = r.fixedText(commandWidth);
    }
    data = std::move(d);
    return true;
}

QString playbackNumberText(int32_t playback) {
    if (playback == 0) return QStringLiteral("0");
    return playback > 0 ? QStringLiteral(" %1").arg(playback) : QString::number(playback);
}

int32_t triggerFromText(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true")) return 1;
    if (t == QLatin1String("false")) return 0;
    const double v = std::nearbyint(numberText::leadingValue(t)); // default rounding mode: halves to even
    if (v > 2147483647.0 || v < -2147483648.0) return 0;
    return int32_t(v);
}

int32_t readSequenceHeader(const QString& sequenceFile) {
    if (sequenceFile.isEmpty() || sequenceFile == QLatin1String("*.YSQ")) return 0;
    if (!QFileInfo(sequenceFile).isFile()) return 0;
    // Only the first record holds the playback number.
    QFile file(sequenceFile);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const double v = numberText::leadingValue(textAt(file.read(recordSize), at::numberText, numberTextWidth));
    if (v > 0 && v < 8) return int32_t(v);
    return 1;
}

bool readFile(const QString& path, QByteArray& bytes, int64_t maxUniverses, QString* reason) {
    const int64_t limit = largestFileBytes(std::max<int64_t>(maxUniverses, 1));
    const int64_t size = QFileInfo(path).size();
    if (size > limit)
        return fail(reason, QStringLiteral("the file is %1 bytes long, more than a sequence of %2 universes can be (%3 bytes)")
                                .arg(size).arg(std::max<int64_t>(maxUniverses, 1)).arg(limit));
    QString error;
    if (!safeFile::readWhole(path, bytes, &error)) return fail(reason, error);
    return true;
}

bool rewriteTriggerText(const QString& path, const QString& triggerText, int64_t maxUniverses, QString* reason) {
    QByteArray bytes;
    if (!readFile(path, bytes, maxUniverses, reason)) return false;
    QString error;
    SequenceFileData data;
    if (!decode(bytes, data, reason)) return false;
    const int64_t lastMask = int64_t(data.universes) * (data.stepCount + 1) - 1;
    QByteArray field;
    ByteWriter w(&field);
    w.fixedText(triggerText, numberTextWidth);
    bytes.replace(qsizetype(lastMask * recordSize + at::numberText), numberTextWidth, field);
    if (!safeFile::writeWhole(path, bytes, &error)) return fail(reason, error);
    return true;
}

} // namespace sequenceFile

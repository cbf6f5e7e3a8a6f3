#include "playback/sequenceFile.h"
#include "shell/numberText.h"

#include "platform/byteRecord.h"
#include "platform/safeFile.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace sequenceFile;

namespace {

int16_t i16At(const QByteArray& file, qsizetype pos) { ByteReader r(file, pos); return r.i16(); }
int32_t i32At(const QByteArray& file, qsizetype pos) { ByteReader r(file, pos); return r.i32(); }
float f32At(const QByteArray& file, qsizetype pos) { ByteReader r(file, pos); return r.f32(); }
QByteArray bytesAt(const QByteArray& file, qsizetype pos, int n) { return file.mid(pos, n); }
qsizetype rec(int number) { return qsizetype(number - 1) * recordSize; } // records numbered from 1

// A small sequence with distinct values everywhere, so that a field written
// into the wrong place shows.
SequenceFileData sample(int universes, int steps) {
    SequenceFileData d = SequenceFileData::sized(universes, steps);
    d.useSequenceFadeTime = true;
    d.useMotionfade = false;
    d.playbackText = playbackNumberText(3);
    for (int j = 0; j < steps; ++j) {
        for (int c = 0; c < universes * 512; c += 97) d.levels[j][c] = char(10 * (j + 1) + c % 7);
        StepRecord& s = d.steps[j];
        s.name = QStringLiteral("Step %1").arg(j + 1);
        s.spareTime = 0.25f * float(j);
        s.fadeUp = 1.5f + float(j);
        s.fadeDown = 2.0f;
        s.delayUp = 0.5f;
        s.delayDown = 0.75f;
        s.follow = 3.0f;
        s.nextScene = j == steps - 1 ? 1 : 0;
        s.waitForGo = j == 1;
        s.command = j == 0 ? QStringLiteral("4,2") : QString();
    }
    for (int u = 0; u < universes; ++u) {
        MaskRecord& m = d.masks[u];
        m.bytes[0] = char(255);
        m.bytes[511] = char(255);
        m.fadeFromCurrentScene = true;
        m.fadeFromCurrentFadeUpTime = 1.25f;
        m.fadeFromCurrentFadeDownText = QStringLiteral("2.5");
        m.triggerText = QStringLiteral("0");
    }
    return d;
}

} // namespace

TEST(SequenceFileCodec, fileSizesFollowUniversesAndSteps) {
    EXPECT_EQ(encode(sample(1, 3)).size(), 4864);
    EXPECT_EQ(encode(sample(2, 3)).size(), 7296);
    EXPECT_EQ(encode(SequenceFileData::sized(1, 0)).size(), 2 * recordSize);
}

TEST(SequenceFileCodec, oneUniverseRecordLayout) {
    const QByteArray f = encode(sample(1, 3));
    // Record 1: step 1's levels and the fields before the first mask record.
    EXPECT_EQ(uint8_t(f[rec(1) + 0]), 10);
    EXPECT_EQ(uint8_t(f[rec(1) + 97]), 10 + 97 % 7);
    EXPECT_EQ(f32At(f, rec(1) + 512), 0.0f);
    EXPECT_EQ(i16At(f, rec(1) + 516), 3);
    EXPECT_EQ(bytesAt(f, rec(1) + 518, 50), QByteArray("Step 1").leftJustified(50, ' '));
    EXPECT_EQ(i16At(f, rec(1) + 568), 0);
    EXPECT_EQ(i16At(f, rec(1) + 570), -1);
    EXPECT_EQ(i16At(f, rec(1) + 572), 0);
    EXPECT_EQ(i32At(f, rec(1) + 574), 0);
    EXPECT_EQ(bytesAt(f, rec(1) + 578, 30), QByteArray(" 3").leftJustified(30, ' '));
    EXPECT_EQ(f32At(f, rec(3) + 512), 0.5f);

    // Record 4: the mask record of universe 0, carrying the trigger text.
    const qsizetype m = rec(4);
    EXPECT_EQ(uint8_t(f[m + 0]), 255);
    EXPECT_EQ(uint8_t(f[m + 1]), 0);
    EXPECT_EQ(uint8_t(f[m + 511]), 255);
    EXPECT_EQ(f32At(f, m + 512), 1.25f);
    EXPECT_EQ(i16At(f, m + 516), 3);
    EXPECT_EQ(bytesAt(f, m + 518, 50), QByteArray("2.5").leftJustified(50, ' '));
    EXPECT_EQ(i16At(f, m + 568), -1);
    EXPECT_EQ(i16At(f, m + 570), -1);
    EXPECT_EQ(i32At(f, m + 574), 1);
    EXPECT_EQ(bytesAt(f, m + 578, 30), QByteArray("0").leftJustified(30, ' '));

    // Records 5..7: step timing.
    const qsizetype b = rec(5);
    EXPECT_EQ(f32At(f, b + 0), 1.5f);
    EXPECT_EQ(f32At(f, b + 4), 2.0f);
    EXPECT_EQ(f32At(f, b + 8), 0.5f);
    EXPECT_EQ(f32At(f, b + 12), 0.75f);
    EXPECT_EQ(f32At(f, b + 16), 3.0f);
    EXPECT_EQ(bytesAt(f, b + 20, 4), QByteArray(4, '\0'));
    EXPECT_EQ(i32At(f, b + 24), 0);
    EXPECT_EQ(i16At(f, b + 28), -1);
    EXPECT_EQ(bytesAt(f, b + 30, 4), QByteArray(4, '\0'));
    EXPECT_EQ(i16At(f, b + 34), 0);
    EXPECT_EQ(bytesAt(f, b + 36, 12), QByteArray("IsNewSequenc"));
    EXPECT_EQ(bytesAt(f, b + 48, 48), QByteArray(48, '\0'));
    EXPECT_EQ(bytesAt(f, b + 96, 512), QByteArray("4,2").leftJustified(512, ' '));
    EXPECT_EQ(i16At(f, rec(6) + 34), -1);
    EXPECT_EQ(i32At(f, rec(7) + 24), 1);

    // Record 8: the trailer is the mask record with its levels zeroed.
    EXPECT_EQ(bytesAt(f, rec(8), 512), QByteArray(512, '\0'));
    EXPECT_EQ(bytesAt(f, rec(8) + 512, 96), bytesAt(f, m + 512, 96));
}

TEST(SequenceFileCodec, laterUniversesCarryTheFirstMaskRecordsFields) {
    SequenceFileData d = sample(2, 3);
    d.masks[1].triggerText = QStringLiteral("2");
    const QByteArray f = encode(d);
    // Universe 1's scene records follow the first mask record and keep its
    // flag, universe count and trigger text in the reused buffer.
    const qsizetype s = rec(5);
    EXPECT_EQ(uint8_t(f[s + 97]), uint8_t(d.levels[0][512 + 97]));
    EXPECT_EQ(i16At(f, s + 568), 0);
    EXPECT_EQ(i16At(f, s + 570), -1);
    EXPECT_EQ(i32At(f, s + 574), 2);
    EXPECT_EQ(bytesAt(f, s + 578, 30), QByteArray("0").leftJustified(30, ' '));
    EXPECT_EQ(bytesAt(f, s + 518, 50), QByteArray("Step 1").leftJustified(50, ' '));
    // The trigger text that readers use sits in the last mask record.
    EXPECT_EQ(bytesAt(f, rec(8) + 578, 30), QByteArray("2").leftJustified(30, ' '));
    EXPECT_EQ(i32At(f, rec(8) + 574), 2);
    EXPECT_EQ(bytesAt(f, rec(9) + 36, 12), QByteArray("IsNewSequenc"));
    EXPECT_EQ(bytesAt(f, rec(12) + 578, 30), QByteArray("2").leftJustified(30, ' '));
}

TEST(SequenceFileCodec, decodeGivesBackWhatWasEncoded) {
    for (int universes : {1, 2, 3}) {
        SequenceFileData in = sample(universes, 4);
        in.steps[2].hasMarker = false;
        SequenceFileData out;
        QString reason;
        ASSERT_TRUE(decode(encode(in), out, &reason)) << reason.toStdString();
        EXPECT_EQ(out.universes, universes);
        EXPECT_EQ(out.stepCount, 4);
        EXPECT_EQ(out.levels, in.levels);
        EXPECT_EQ(out.playbackText, QString(" 3").leftJustified(30, ' '));
        EXPECT_TRUE(out.useSequenceFadeTime);
        ASSERT_EQ(out.masks.size(), size_t(universes));
        EXPECT_EQ(out.masks.back().bytes, in.masks.back().bytes);
        EXPECT_EQ(out.triggerText().trimmed(), QString("0"));
        EXPECT_EQ(out.masks[0].fadeFromCurrentFadeDownText.trimmed(), QString("2.5"));
        EXPECT_EQ(out.steps[0].command.trimmed(), QString("4,2"));
        EXPECT_EQ(out.steps[1].name.size(), 50);
        EXPECT_TRUE(out.steps[1].waitForGo);
        EXPECT_FALSE(out.steps[2].hasMarker);
        EXPECT_EQ(out.steps[3].nextScene, 1);
        EXPECT_EQ(out.steps[0].fadeUp, 1.5f);
    }
}

TEST(SequenceFileCodec, damagedFilesAreRefusedAndLeaveTheTargetAlone) {
    const QByteArray good = encode(sample(2, 3));
    auto patched = [&](qsizetype pos, QByteArray bytes) { QByteArray f = good; f.replace(pos, bytes.size(), bytes); return f; };
    auto le16 = [](int16_t v) { QByteArray b; ByteWriter(&b).i16(v); return b; };
    auto le32 = [](int32_t v) { QByteArray b; ByteWriter(&b).i32(v); return b; };
    struct Case { const char* what; QByteArray bytes; };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"not whole records", good.left(good.size() - 1)},
        {"one record", good.left(recordSize)},
        {"truncated by a record", good.left(good.size() - recordSize)},
        {"negative step count", patched(rec(1) + 516, le16(-3))},
        {"step count beyond the file", patched(rec(1) + 516, le16(30000))},
        {"step count disagrees with the mask", patched(rec(1) + 516, le16(2))},
        {"zero universes", patched(rec(4) + 574, le32(0))},
        {"negative universes", patched(rec(4) + 574, le32(-1))},
        {"universes beyond the file", patched(rec(4) + 574, le32(1000000))},
        {"trailer disagrees", patched(rec(12) + 574, le32(3))},
    };
    for (const Case& c : cases) {
        SequenceFileData target = sample(1, 1);
        QString reason;
        EXPECT_FALSE(decode(c.bytes, target, &reason)) << c.what;
        EXPECT_FALSE(reason.isEmpty()) << c.what;
        EXPECT_EQ(target.stepCount, 1) << c.what;
        EXPECT_EQ(target.universes, 1) << c.what;
    }
}

TEST(SequenceFileCodec, surplusRecordsOfAnOlderLongerFileAreIgnored) {
    // An older program rewrote files in place without shortening them; the
    // tail of the previous, longer file follows the trailer.
    QByteArray f = encode(sample(1, 3)) + encode(sample(2, 5)).right(3 * recordSize);
    SequenceFileData out;
    ASSERT_TRUE(decode(f, out));
    EXPECT_EQ(out.universes, 1);
    EXPECT_EQ(out.stepCount, 3);
}

TEST(SequenceFileCodec, numberTexts) {
    EXPECT_EQ(playbackNumberText(3), QString(" 3"));
    EXPECT_EQ(playbackNumberText(0), QString("0"));
    struct T { const char* text; int32_t trigger; };
    for (T t : {T{"1", 1}, T{"0", 0}, T{"2", 2}, T{"  TRUE ", 1}, T{"False", 0}, T{" 2.5", 2},
                T{"3.5", 4}, T{"abc", 0}, T{"", 0}, T{"1x", 1}})
        EXPECT_EQ(triggerFromText(QString::fromLatin1(t.text)), t.trigger) << t.text;
    EXPECT_DOUBLE_EQ(numberText::leadingValue("  2.75 seconds"), 2.75);
    EXPECT_DOUBLE_EQ(numberText::leadingValue("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(numberText::leadingValue("-0.5"), -0.5);
    EXPECT_DOUBLE_EQ(numberText::leadingValue("1E2x"), 100.0);
}

TEST(SequenceFileCodec, readSequenceHeaderTakesTheStoredPlaybackNumber) {
    TestShell t;
    struct T { QString text; int32_t expected; };
    const T cases[] = {{" 3", 3}, {" 7", 7}, {" 8", 1}, {" 12", 1}, {"0", 1}, {"none", 1}, {" 1", 1}};
    int k = 0;
    for (const T& c : cases) {
        SequenceFileData d = sample(1, 2);
        d.playbackText = c.text;
        const QString path = QDir(t.folder()).filePath(QStringLiteral("h%1.YSQ").arg(k++));
        ASSERT_TRUE(safeFile::writeWhole(path, encode(d)));
        EXPECT_EQ(readSequenceHeader(path), c.expected) << c.text.toStdString();
    }
    EXPECT_EQ(readSequenceHeader(QDir(t.folder()).filePath("missing.YSQ")), 0);
    EXPECT_EQ(readSequenceHeader(QString()), 0);
    EXPECT_EQ(readSequenceHeader("*.YSQ"), 0);
}

TEST(SequenceFileCodec, rewriteTriggerTextPatchesOnlyTheLastMaskRecord) {
    TestShell t;
    const QString path = QDir(t.folder()).filePath("t.YSQ");
    const QByteArray before = encode(sample(2, 3));
    ASSERT_TRUE(safeFile::writeWhole(path, before));
    ASSERT_TRUE(rewriteTriggerText(path, "2", 2));
    QByteArray after;
    ASSERT_TRUE(safeFile::readWhole(path, after));
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(bytesAt(after, rec(8) + 578, 30), QByteArray("2").leftJustified(30, ' '));
    QByteArray expected = before;
    expected.replace(rec(8) + 578, 30, QByteArray("2").leftJustified(30, ' '));
    EXPECT_EQ(after, expected);

    const QString bad = QDir(t.folder()).filePath("bad.YSQ");
    ASSERT_TRUE(safeFile::writeWhole(bad, QByteArray(100, 'x')));
    QString reason;
    EXPECT_FALSE(rewriteTriggerText(bad, "1", 2, &reason));
    QByteArray still;
    ASSERT_TRUE(safeFile::readWhole(bad, still));
    EXPECT_EQ(still, QByteArray(100, 'x'));
}

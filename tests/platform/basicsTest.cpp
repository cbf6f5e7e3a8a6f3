#include "platform/byteRecord.h"
#include "platform/paths.h"
#include "platform/text1252.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ByteRecord, FieldsAreLittleEndianAndReadBack) {
    ByteWriter w;
    w.i16(-2);
    w.i32(0x01020304);
    w.truth(true);
    w.truth(false);
    w.f32(1.5f);
    w.fixedText(QStringLiteral("ab\u00e9"), 5);
    w.fixedText(QStringLiteral("toolong"), 3);
    const QByteArray expected = QByteArray::fromHex("feff" "04030201" "ffff" "0000" "0000c03f") + "ab\xe9  " + "too";
    ASSERT_EQ(w.bytes(), expected);

    ByteReader r(w.bytes());
    EXPECT_EQ(r.i16(), -2);
    EXPECT_EQ(r.i32(), 0x01020304);
    EXPECT_TRUE(r.truth());
    EXPECT_FALSE(r.truth());
    EXPECT_EQ(r.f32(), 1.5f);
    EXPECT_EQ(r.fixedText(5), QStringLiteral("ab\u00e9  "));
    EXPECT_EQ(r.fixedText(3), QStringLiteral("too"));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.remaining(), 0);
}

TEST(ByteRecord, ReadingPastTheEndYieldsZeroAndClearsOk) {
    ByteReader r(QByteArray("\x01\x02\x03", 3)); // a temporary: the reader keeps its own copy
    EXPECT_EQ(r.i16(), 0x0201);
    EXPECT_EQ(r.i32(), 0);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.u8(), 0); // stays failed, even where a byte is left
    EXPECT_TRUE(r.raw(1).isEmpty());

    ByteReader s(QByteArray(4, 'x'));
    s.skip(-1);
    EXPECT_FALSE(s.ok());
    ByteReader t(QByteArray(4, 'x'));
    t.seek(5);
    EXPECT_FALSE(t.ok());
}

TEST(Text1252, EveryByteSurvivesDecodeAndEncode) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    EXPECT_EQ(text1252::encode(text1252::decode(all)), all);
    EXPECT_EQ(text1252::decode("\x80\x9f"), QStringLiteral("\u20ac\u0178"));
    EXPECT_EQ(text1252::encode(QStringLiteral("\u4e2d")), QByteArray("?"));
}

TEST(Paths, RealPathMatchesExistingNamesWithoutRegardToCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Images/Icons")));
    ASSERT_TRUE(writeWholeFile(dir.filePath(QStringLiteral("Images/Icons/Spot.bmp")), {}));

    EXPECT_EQ(paths::realPath(dir.path() + QStringLiteral("\\images\\ICONS\\spot.BMP")),
              dir.filePath(QStringLiteral("Images/Icons/Spot.bmp")));
    // Components that do not exist yet are kept as given, below the matched part.
    EXPECT_EQ(paths::realPath(dir.path() + QStringLiteral("\\IMAGES\\New\\a.bmp")),
              dir.filePath(QStringLiteral("Images/New/a.bmp")));
    EXPECT_EQ(paths::joinStored(QStringLiteral("C:\\Shows"), QStringLiteral("a.YCF")), QStringLiteral("C:\\Shows\\a.YCF"));
    EXPECT_EQ(paths::joinStored(QStringLiteral("C:\\Shows\\"), QStringLiteral("a.YCF")), QStringLiteral("C:\\Shows\\a.YCF"));
}

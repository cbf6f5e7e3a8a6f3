// The two stored formats of the preset engine, byte by byte.

#include "platform/byteRecord.h"
#include "presets/presetEventFile.h"
#include "presets/presetFile.h"

#include <gtest/gtest.h>

namespace {

presetFile::PresetData twoRecords() {
    presetFile::PresetData d;
    d.records.push_back({QStringLiteral("Spot 1"), 1, 40, 7, QStringLiteral("Red"), QStringLiteral("color")});
    d.records.push_back({QStringLiteral("Par 2"), 2, 200, 20, QString(), QStringLiteral("red")});
    d.trailer.presetName = QStringLiteral("Red");
    d.trailer.fixtureList = QStringLiteral("1,2,");
    d.trailer.visualDescription = QStringLiteral("red.bmp");
    return d;
}

int32_t int32At(const QByteArray& b, qsizetype at) { return ByteReader(b, at).i32(); }

void setInt32At(QByteArray& b, qsizetype at, int32_t v) {
    QByteArray four;
    ByteWriter(&four).i32(v);
    b.replace(at, 4, four);
}

} // namespace

TEST(PresetFile, LayoutOfRecordsAndTrailerRoundTrips) {
    const QByteArray b = presetFile::encode(twoRecords());
    ASSERT_EQ(b.size(), 2 * 526 + 2911);
    EXPECT_EQ(b.mid(0, 6), "Spot 1");
    EXPECT_EQ(b.at(127), ' ');
    EXPECT_EQ(int32At(b, 128), 1);
    EXPECT_EQ(int32At(b, 132), 40);
    EXPECT_EQ(int32At(b, 136), 7);
    EXPECT_EQ(b.mid(140, 4), "Red ");
    EXPECT_EQ(b.mid(268, 6), "color ");
    EXPECT_EQ(b.mid(396, 130), QByteArray(130, '\0')); // spare text and reserved word
    // A record saved from the live levels has no range name: zero bytes.
    EXPECT_EQ(b.mid(526 + 140, 128), QByteArray(128, '\0'));

    const qsizetype t = 2 * 526;
    EXPECT_EQ(b.mid(t, 8), QByteArray(8, '\0'));
    EXPECT_EQ(b.mid(t + 8, 4), QByteArray::fromHex("0000803f"));
    EXPECT_EQ(b.mid(t + 16, 4), QByteArray::fromHex("669c2d46"));
    EXPECT_EQ(b.mid(t + 20, 4), "Red ");
    EXPECT_EQ(int32At(b, t + 148), 2);
    EXPECT_EQ(b.mid(t + 152, 5), "1,2, ");
    EXPECT_EQ(b.mid(t + 2652, 8), "red.bmp ");
    EXPECT_EQ(int32At(b, t + 2907), 0);

    const auto d = presetFile::decode(b);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->records.size(), 2u);
    EXPECT_EQ(d->records[0].savedFixtureName, "Spot 1");
    EXPECT_EQ(d->records[0].propertyName, "Red");
    EXPECT_EQ(d->records[1].propertyName, "");
    EXPECT_EQ(d->records[1].savedValue, 200);
    EXPECT_EQ(d->records[1].channelName, "red");
    EXPECT_EQ(d->trailer.fixtureList, "1,2,");
    EXPECT_EQ(d->trailer.visualDescription, "red.bmp");
}

TEST(PresetFile, StoredRecordCountIsTrustedOnlyAsFarAsTheFileHoldsRecords) {
    const struct {
        int32_t stored;
        size_t read;
    } cases[] = {{2, 2}, {1, 1}, {0, 0}, {-5, 0}, {3, 2}, {2000000000, 2}, {-2147483647 - 1, 0}};
    for (const auto& c : cases) {
        QByteArray b = presetFile::encode(twoRecords());
        setInt32At(b, b.size() - 2911 + 148, c.stored);
        const auto d = presetFile::decode(b);
        ASSERT_TRUE(d) << c.stored;
        EXPECT_EQ(d->records.size(), c.read) << c.stored;
    }
}

TEST(PresetFile, AFileShorterThanItsTrailerIsRefusedWithAReason) {
    for (const int size : {0, 1, 2910}) {
        QString reason;
        EXPECT_FALSE(presetFile::decode(QByteArray(size, 'x'), &reason)) << size;
        EXPECT_TRUE(reason.contains(QString::number(size))) << reason.toStdString();
    }
    EXPECT_TRUE(presetFile::decode(QByteArray(2911, '\0')));
}

TEST(PresetFile, ALongFixtureListIsCutAfterItsLastWholeEntry) {
    QString list;
    for (int f = 1; list.size() < 3000; ++f) list += QString::number(f) + QLatin1Char(',');
    const QString cut = presetFile::fitFixtureList(list);
    EXPECT_LE(cut.size(), 2500);
    EXPECT_TRUE(cut.endsWith(QLatin1Char(',')));
    EXPECT_TRUE(list.startsWith(cut));
    // The next entry would not have fitted.
    EXPECT_GT(cut.size() + list.mid(cut.size()).indexOf(QLatin1Char(',')) + 1, 2500);
    EXPECT_EQ(presetFile::fitFixtureList(QStringLiteral("1,4,")), "1,4,");
}

// ---- Preset-event file ----

TEST(PresetEventFile, RecordLayoutAndShapeTextRoundTrip) {
    clsEvent e;
    e.eventType = QStringLiteral("Color");
    e.eventFixtureNumbers = QStringLiteral("2,5,");
    e.eventName = QStringLiteral("Deep Blue");
    e.eventStepNumber = 3;
    e.xCenter = 120, e.yCenter = 64, e.shapeOffset = 0, e.shapeDirection = 1, e.shapeSpeed = 50;
    e.theXSize = 30, e.theYSize = 20, e.shortcutLeft = 1234.5f, e.shortcutTop = 80.0f;
    e.fixtureOffset = 9, e.eventChannelName = QStringLiteral("red");
    clsEvent off;
    off.eventType = QStringLiteral("m-fx");
    off.eventName = QStringLiteral("Circle");
    off.eventStepNumber = 1;

    const QByteArray b = presetEventFile::encode({e, off}, 12);
    ASSERT_EQ(b.size(), 2 * 1416);
    EXPECT_EQ(b.mid(0, 6), "Color ");
    EXPECT_EQ(b.mid(32, 5), "2,5, ");
    EXPECT_EQ(b.mid(1056, 10), "Deep Blue ");
    EXPECT_EQ(int32At(b, 1184), 3);
    EXPECT_EQ(int32At(b, 1188), 2);
    EXPECT_EQ(b.mid(1192, 128), QByteArray("120,64,0,1,50,30,20,1234.5,80,").leftJustified(128, ' '));
    EXPECT_EQ(b.mid(1320, 64), QByteArray("1").leftJustified(64, ' '));
    EXPECT_EQ(b.mid(1384, 32), QByteArray(32, '\0'));
    EXPECT_EQ(b.mid(1416 + 1192, 18), "0,0,0,0,0,0,0,0,0,");

    const EventCollection back = presetEventFile::decode(b);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].eventType, "Color");
    EXPECT_EQ(back[0].eventFixtureNumbers, "2,5,");
    EXPECT_EQ(back[0].eventName, "Deep Blue");
    EXPECT_EQ(back[0].eventStepNumber, 3);
    EXPECT_EQ(back[0].xCenter, 120);
    EXPECT_EQ(back[0].theYSize, 20);
    EXPECT_FLOAT_EQ(back[0].shortcutLeft, 1234.5f);
    EXPECT_FLOAT_EQ(back[0].shortcutTop, 80.0f);
    // What the file does not keep comes back at its default.
    EXPECT_EQ(back[0].fixtureOffset, 0);
    EXPECT_TRUE(back[0].eventChannelName.isEmpty());
    EXPECT_EQ(back[1].eventName, "Circle");
    EXPECT_TRUE(presetEventFile::encode({}, 5).isEmpty());
}

TEST(PresetEventFile, StepsAreLimitedToTheSavedSequence) {
    const struct {
        int32_t step, stepCount, written;
    } cases[] = {{15, 12, 12}, {4, 12, 4}, {12, 12, 12}, {3, 0, 0}, {3, -1, -1}};
    for (const auto& c : cases) {
        clsEvent e;
        e.eventStepNumber = c.step;
        EXPECT_EQ(int32At(presetEventFile::encode({e}, c.stepCount), 1184), c.written) << c.step << " " << c.stepCount;
    }
}

TEST(PresetEventFile, TheFirstCountDecidesAsFarAsTheFileHoldsWholeRecords) {
    clsEvent a, b, c;
    a.eventName = "A", b.eventName = "B", c.eventName = "C";
    const QByteArray three = presetEventFile::encode({a, b, c}, 5);
    const struct {
        int32_t firstCount;
        qsizetype bytes;
        int read;
    } cases[] = {{3, three.size(), 3}, {1, three.size(), 1},   {-4, three.size(), 0},
                 {900000000, three.size(), 3}, {3, 2 * 1416 + 700, 2}, {3, 1000, 0}};
    for (const auto& k : cases) {
        QByteArray f = three.left(k.bytes);
        if (f.size() >= 1416) setInt32At(f, 1188, k.firstCount);
        EXPECT_EQ(int(presetEventFile::decode(f).size()), k.read) << k.firstCount << " " << k.bytes;
    }
}

TEST(PresetEventFile, OnlyActiveRecordsAreRead) {
    clsEvent a, b;
    a.eventName = "A", b.eventName = "B";
    QByteArray f = presetEventFile::encode({a, b}, 5);
    f.replace(1416 + 1320, 1, "0");
    const EventCollection back = presetEventFile::decode(f);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].eventName, "A");
}

TEST(PresetEventFile, EventFilePathOfAnySequencePath) {
    for (const char* p : {"/show/Sequences/Intro.YSQ", "/show/Sequences/Intro.USF", "/show/Sequences/Intro"})
        EXPECT_EQ(presetEventFile::eventFilePath(QString::fromUtf8(p)), "/show/Sequences/Intro.UQF") << p;
}

TEST(PresetColours, ColourNumbersToText) {
    const struct {
        int32_t colour;
        const char* text;
    } cases[] = {{255, "255,0,0"}, {65280, "0,255,0"}, {16711680, "0,0,255"}, {-1, "255,0,0"}, {0, "0,0,0"}};
    for (const auto& c : cases) EXPECT_EQ(presetColours::colortorgb(c.colour), c.text) << c.colour;
    EXPECT_EQ(presetColours::rgbtocolor(255, 128, 1), 255 + 128 * 256 + 65536);
}

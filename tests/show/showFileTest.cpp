#include "show/showFile.h"
#include "show/showTestSupport.h"

#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

QByteArray encodeEmpty(int32_t channels, int profileSlots = 25) {
    ChannelModel m;
    m.resize(channels);
    emptyAllTexts(m);
    for (int k = 1; k <= profileSlots; ++k) m.lightClass(k);
    return showFile::encode(m);
}

// Where the blocks of a 512-channel show with every text empty begin.
constexpr qsizetype channelNameTable = 50 * 512 + 3072 + 10 + 50 + 50 + 25 + 50;

TEST(ShowFileCodec, EmptyShowHasTheFormatsLeastSize) {
    struct Case { int32_t channels; qsizetype bytes; };
    for (const Case c : {Case{512, 215594}, Case{1024, 261674}, Case{32768, 90 * 32768 + 169514}}) {
        SCOPED_TRACE(c.channels);
        EXPECT_EQ(encodeEmpty(c.channels).size(), c.bytes);
    }
}

TEST(ShowFileCodec, TrailerCarriesChannelsUniversesObjectsAndMarker) {
    ChannelModel m;
    m.resize(1024);
    m.tables.objectList.resize(2);
    const QByteArray file = showFile::encode(m);
    const QByteArray trailer = file.right(793);
    EXPECT_EQ(readLong(trailer, 0), 1024);
    EXPECT_EQ(readLong(trailer, 4), 2);
    EXPECT_EQ(readLong(trailer, 8), 2);
    EXPECT_EQ(trailer.mid(12, 16), QByteArray(16, '\0'));
    EXPECT_EQ(trailer.mid(28, 255), QByteArray("New Multi Universe Version").leftJustified(255, ' '));
    EXPECT_EQ(trailer.mid(283, 510), QByteArray(510, '\0'));
}

TEST(ShowFileCodec, TwentySixProfileSlotsAddTheExtensionBlock) {
    const QByteArray with25 = encodeEmpty(512, 25);
    const QByteArray with26 = encodeEmpty(512, 26);
    ASSERT_EQ(with26.size() - with25.size(), 54 + 420130);
    const qsizetype at = with25.size() - 793;
    EXPECT_EQ(with26.mid(at, 50), QByteArray("more that 25 Light Classes").leftJustified(50, ' '));
    EXPECT_EQ(readLong(with26, at + 50), 26);
    // With 25 slots the same place holds the trailer, which a reader must
    // not take for an extension although its first Long is far above 25.
    ChannelModel back;
    ASSERT_EQ(showFile::decode(with25, back), QString());
    EXPECT_EQ(back.lightClasses.size(), 26u);
    ASSERT_EQ(showFile::decode(with26, back), QString());
    EXPECT_EQ(back.lightClasses.size(), 27u);
}

TEST(ShowFileCodec, ProfileTablesInterleaveWithTheProfileFastest) {
    ChannelModel m;
    m.resize(512);
    emptyAllTexts(m);
    ClsFixture& p = m.lightClass(3);
    p.taken = true;
    p.setChannel_prop(2, QStringLiteral("pan"));
    p.setProperties(2, 4, QStringLiteral("Open"));
    p.setFrom(2, 4, 10);
    p.setToo(2, 4, 20);
    const QByteArray file = showFile::encode(m);

    // Channel-name entry (c-1)*25 + (p-1), range entry ((r-1)*32 + (c-1))*25 + (p-1).
    const qsizetype nameAt = channelNameTable + ((2 - 1) * 25 + (3 - 1)) * 2;
    EXPECT_EQ(file.mid(nameAt, 5), QByteArray("\x03\x00pan", 5));
    const qsizetype labelTable = channelNameTable + 800 * 2 + 3;
    const int rangeEntry = ((2 - 1) * 32 + (4 - 1)) * 25 + (3 - 1);
    EXPECT_EQ(file.mid(labelTable + rangeEntry * 2, 6), QByteArray("\x04\x00Open", 6));
    const qsizetype fromTable = labelTable + 40000 * 2 + 4;
    EXPECT_EQ(uint8_t(file[fromTable + rangeEntry]), 10);
    EXPECT_EQ(uint8_t(file[fromTable + 40000 + rangeEntry]), 20);

    ChannelModel back;
    ASSERT_EQ(showFile::decode(file, back), QString());
    EXPECT_EQ(back.lightClass(3).Channel_prop(2), QStringLiteral("pan"));
    EXPECT_EQ(back.lightClass(3).properties(2, 4), QStringLiteral("Open"));
    EXPECT_EQ(back.lightClass(3).too(2, 4), 20);
    EXPECT_EQ(back.lightClass(2).Channel_prop(2), QString());
}

TEST(ShowFileCodec, ThirtyThreeChannelProfileLosesWhatTheFormatCannotHold) {
    // Slot 1 lies in the fixed tables, slot 26 in the extension block.
    for (const int slot : {1, 26}) {
        SCOPED_TRACE(slot);
        ChannelModel m;
        m.resize(512);
        ClsFixture& p = m.lightClass(slot);
        p.taken = true;
        p.Name = QStringLiteral("Big Wash");
        p.ChannelsUsed = 33;
        p.setPanRange(540);
        p.setFixtureType(QStringLiteral("Moving Head"));
        for (int c = 1; c <= 33; ++c) {
            p.setChannel_prop(c, QStringLiteral("ch%1").arg(c));
            p.setProperties(1, c + 1, QStringLiteral("range of %1").arg(c));
        }
        ChannelModel back;
        ASSERT_EQ(showFile::decode(showFile::encode(m), back), QString());
        const ClsFixture& q = back.lightClass(slot);
        EXPECT_EQ(q.Name, QStringLiteral("Big Wash"));
        EXPECT_EQ(q.ChannelsUsed, 33);
        EXPECT_EQ(q.Channel_prop(32), QStringLiteral("ch32"));
        EXPECT_EQ(q.Channel_prop(33), QString());
        EXPECT_EQ(q.properties(1, 32), QStringLiteral("range of 31"));
        EXPECT_EQ(q.properties(1, 33), QString());
        EXPECT_EQ(q.panRange(), slot == 1 ? 540 : 0);
        EXPECT_EQ(q.fixtureType(), slot == 1 ? QStringLiteral("Moving Head") : QString());
    }
}

TEST(ShowFileCodec, FileWithoutTheMarkerIsOneUniverse) {
    ChannelModel m;
    m.resize(512);
    m.channelType[7] = QStringLiteral("dimmer");
    QByteArray file = showFile::encode(m);
    const qsizetype trailer = file.size() - 793;
    file.replace(trailer + 28, 255, QByteArray(255, ' '));
    putLong(file, trailer, 4096);      // other data where the count would be
    putLong(file, trailer + 8, 99999); // and where the object count would be
    ChannelModel back;
    ASSERT_EQ(showFile::decode(file, back), QString());
    EXPECT_EQ(back.totalChannels, 512);
    EXPECT_EQ(back.channelType[7], QStringLiteral("dimmer"));
    EXPECT_TRUE(back.tables.objectList.empty());
}

TEST(ShowFileCodec, DamagedFilesAreRefused) {
    ChannelModel m;
    m.resize(512);
    m.lightClass(26);
    m.fixtureCount = 7;
    m.lightClassCount = 3;
    const QByteArray good = showFile::encode(m);
    const qsizetype trailer = good.size() - 793;
    const qsizetype extension = trailer - 54 - 420130;
    // Block 25 (fixtureCount) follows blocks 1..24 of a 512-channel show
    // whose channel types read "none".
    const qsizetype fixtureCountAt = 50 * 512 + 4 * 512 + 3072;
    struct Case { const char* what; std::function<void(QByteArray&)> damage; };
    const std::vector<Case> cases = {
        {"shorter than a trailer", [](QByteArray& f) { f.truncate(792); }},
        {"channels not whole universes", [&](QByteArray& f) { putLong(f, trailer, 1000); }},
        {"no channels", [&](QByteArray& f) { putLong(f, trailer, 0); }},
        {"more universes than the arrays allow", [&](QByteArray& f) { putLong(f, trailer, 65 * 512); }},
        {"channels beyond the file's size", [&](QByteArray& f) { putLong(f, trailer, 64 * 512); }},
        {"negative object count", [&](QByteArray& f) { putLong(f, trailer + 8, -1); }},
        {"objects beyond the file's size", [&](QByteArray& f) { putLong(f, trailer + 8, 1000000); }},
        {"profile records cut short", [&](QByteArray& f) { f.remove(extension + 1000, 5000); }},
        {"more profile records announced than held", [&](QByteArray& f) { putLong(f, extension + 50, 40); }},
        {"fixture count above the channels", [&](QByteArray& f) { f[fixtureCountAt] = char(0x01), f[fixtureCountAt + 1] = char(0x08); }},
        {"profile count above the slots", [&](QByteArray& f) { putLong(f, fixtureCountAt + 2, 27); }},
        {"blocks cut short", [&](QByteArray& f) { f.remove(100, 4000); }},
    };
    ASSERT_EQ(good[fixtureCountAt], 7);
    ASSERT_EQ(readLong(good, fixtureCountAt + 2), 3);
    ChannelModel check;
    ASSERT_EQ(showFile::decode(good, check), QString());
    EXPECT_EQ(check.fixtureCount, 7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray file = good;
        c.damage(file);
        ChannelModel back;
        EXPECT_NE(showFile::decode(file, back), QString());
    }
}

TEST(ShowFileCodec, ValuesWithoutAPlaceInTheFormatFailTheEncode) {
    ChannelModel m;
    m.resize(512);
    m.lightClass(2).ChannelsUsed = 300;
    EXPECT_THROW(showFile::encode(m), std::runtime_error);
    ChannelModel n;
    n.resize(512);
    n.lightClass(30).setFrom(1, 2, 256);
    EXPECT_THROW(showFile::encode(n), std::runtime_error);
}

} // namespace

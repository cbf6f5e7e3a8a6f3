#include "platform/privateProfile.h"
#include "support/fakePlatform.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class PrivateProfile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("ylc.ini")); }
};

struct ReadCase {
    const char* what;
    QByteArray content; // nullptr-like empty: no file
    const char* section;
    const char* key;
    QString expected;
};

} // namespace

TEST_F(PrivateProfile, ReadRules) {
    const QByteArray longValue(300, 'x');
    const ReadCase cases[] = {
        {"plain", "[Main]\r\nKey=Value\r\n", "Main", "Key", "Value"},
        {"names without regard to case", "[MAIN]\r\nKEY=v\r\n", "main", "key", "v"},
        {"first section and key win", "[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\n", "A", "k", "1"},
        {"blanks around names and values", "  [ Main ]  \r\n  Key  =  some value  \r\n", "Main", "Key", "some value"},
        {"inner blanks of a section name count", "[PlayBack 3]\r\nk=1\r\n[PlayBack  3]\r\nk=2\r\n", "playback  3", "k", "2"},
        {"key of another section", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "A", "y", "dflt"},
        {"missing section", "[A]\r\nx=1\r\n", "B", "x", "dflt"},
        {"empty value is not the default", "[A]\r\nk=\r\n", "A", "k", ""},
        {"comment lines are no keys", "[A]\r\n;k=1\r\nk=2\r\n", "A", "k", "2"},
        {"LF-only lines", "[A]\nk=v\n", "A", "k", "v"},
        {"value cut to 254", "[A]\r\nk=" + longValue + "\r\n", "A", "k", QString(254, QLatin1Char('x'))},
        {"Windows-1252 on disk", "[A]\r\nk=caf\xe9 \x80\r\n", "A", "k", QStringLiteral("caf\u00e9 \u20ac")},
    };
    for (const ReadCase& c : cases) {
        ASSERT_TRUE(writeWholeFile(file(), c.content));
        EXPECT_EQ(privateProfile::getString(file(), QString::fromLatin1(c.section), QString::fromLatin1(c.key),
                                            QStringLiteral("dflt")),
                  c.expected)
            << c.what;
    }
}

TEST_F(PrivateProfile, MissingFileAndLongDefaultGiveTheDefaultCut) {
    EXPECT_EQ(privateProfile::getString(file(), "A", "k", "d"), QStringLiteral("d"));
    EXPECT_EQ(privateProfile::getString(file(), "A", "k", QString(300, QLatin1Char('d'))).size(), 254);
    EXPECT_FALSE(QFile::exists(file()));
}

namespace {
struct WriteCase {
    const char* what;
    QByteArray before; // empty: no file
    const char* section;
    std::optional<QString> key, value;
    QByteArray after; // empty: no file afterwards
};
} // namespace

TEST_F(PrivateProfile, WriteRules) {
    const WriteCase cases[] = {
        {"created on the first write", "", "A", "k", "v", "[A]\r\nk=v\r\n"},
        {"value replaced in place, everything else kept",
         "; top\r\n[A]\r\nx=1\r\nK=old\r\ny=2\r\n", "a", "k", "new", "; top\r\n[A]\r\nx=1\r\nK=new\r\ny=2\r\n"},
        {"new key at the end of its section", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "k", "v",
         "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n"},
        {"new section at the end of the file", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"only the first of two equal sections", "[A]\r\nk=1\r\n[a]\r\nk=2\r\n", "A", "k", "3",
         "[A]\r\nk=3\r\n[a]\r\nk=2\r\n"},
        {"section names keep inner blanks", "[PlayBack 3]\r\nk=1\r\n", "PlayBack  3", "k", "2",
         "[PlayBack 3]\r\nk=1\r\n[PlayBack  3]\r\nk=2\r\n"},
        {"no value removes the key", "[A]\r\nx=1\r\nk=2\r\n", "A", "k", std::nullopt, "[A]\r\nx=1\r\n"},
        {"no key removes the section", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n[C]\r\nz=3\r\n", "B", std::nullopt,
         std::nullopt, "[A]\r\nx=1\r\n[C]\r\nz=3\r\n"},
        {"removing a key takes its duplicates too", "[A]\r\nk=1\r\nx=1\r\nK=2\r\n[B]\r\nk=3\r\n", "a", "k",
         std::nullopt, "[A]\r\nx=1\r\n[B]\r\nk=3\r\n"},
        {"removing a section takes its duplicates too", "[A]\r\nk=1\r\n[B]\r\ny=2\r\n[a]\r\nk=2\r\n", "A",
         std::nullopt, std::nullopt, "[B]\r\ny=2\r\n"},
        {"removing from a missing file creates nothing", "", "A", "k", std::nullopt, ""},
        {"line breaks become blanks", "", "A", "k", QStringLiteral("a\r\nb"), "[A]\r\nk=a  b\r\n"},
        {"Windows-1252 on disk, undefined bytes kept", "[A]\r\nraw=\x81\x8d\r\n", "A", "k",
         QStringLiteral("\u00e9\u20ac"), "[A]\r\nraw=\x81\x8d\r\nk=\xe9\x80\r\n"},
    };
    for (const WriteCase& c : cases) {
        QFile::remove(file());
        if (!c.before.isEmpty()) { ASSERT_TRUE(writeWholeFile(file(), c.before)); }
        EXPECT_TRUE(privateProfile::writeString(file(), QString::fromLatin1(c.section), c.key, c.value)) << c.what;
        EXPECT_EQ(QFile::exists(file()), !c.after.isEmpty()) << c.what;
        EXPECT_EQ(readWholeFile(file()), c.after) << c.what;
    }
}

TEST_F(PrivateProfile, WrittenValueReadsBack) {
    ASSERT_TRUE(privateProfile::writeString(file(), "PlayBack  1", "Name", "  Intro  "));
    EXPECT_EQ(privateProfile::getString(file(), "playback  1", "NAME", ""), QStringLiteral("Intro"));
    EXPECT_EQ(privateProfile::sectionNames(file()), QStringList{QStringLiteral("PlayBack  1")});
}

TEST_F(PrivateProfile, NamesThatCannotBeReadBackAreRefused) {
    const QByteArray before = "[A]\r\nk=1\r\n";
    ASSERT_TRUE(writeWholeFile(file(), before));
    for (const char* key : {"a=b", "", ";x", "[x"})
        EXPECT_FALSE(privateProfile::writeString(file(), "A", QString::fromLatin1(key), "v")) << key;
    EXPECT_FALSE(privateProfile::writeString(file(), "A]", "k", "v"));
    EXPECT_EQ(readWholeFile(file()), before);
}

TEST_F(PrivateProfile, UnreadableFileIsNotReplaced) {
    const QByteArray before = "[A]\r\nk=1\r\n[B]\r\nx=2\r\n";
    ASSERT_TRUE(writeWholeFile(file(), before));
    QFile::setPermissions(file(), QFileDevice::Permissions());
    QFile probe(file());
    if (probe.open(QIODevice::ReadOnly)) GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_FALSE(privateProfile::writeString(file(), "A", "k", "2"));
    QFile::setPermissions(file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readWholeFile(file()), before);
}

TEST_F(PrivateProfile, NamesWithLineBreaksReadBackUnderTheSameNames) {
    const struct {
        QString section, key;
    } cases[] = {
        {QStringLiteral("Play\nBack"), QStringLiteral("Na\r\nme")},
        {QStringLiteral("Main"), QStringLiteral("two\rlines")},
        {QStringLiteral("\nLead"), QStringLiteral("Key\n")},
    };
    for (const auto& c : cases) {
        QFile::remove(file());
        ASSERT_TRUE(privateProfile::writeString(file(), c.section, c.key, "value")) << c.key.toStdString();
        EXPECT_EQ(privateProfile::getString(file(), c.section, c.key, "dflt"), QStringLiteral("value"))
            << c.key.toStdString();
        // The file itself keeps one entry on one line.
        EXPECT_EQ(readWholeFile(file()).count("\r\n"), 2) << c.key.toStdString();
    }
}

TEST_F(PrivateProfile, RemovingThousandsOfCopiesLeavesNoneAndKeepsTheRest) {
    // Hand-edited or damaged files may repeat a key or a section many times;
    // every copy goes, every other line stays in its place.
    QByteArray before = "; kept\r\n[A]\r\n";
    QByteArray keysGone = before;
    for (int i = 0; i < 8000; ++i) {
        before += "k=" + QByteArray::number(i) + "\r\nother" + QByteArray::number(i) + "=1\r\n";
        keysGone += "other" + QByteArray::number(i) + "=1\r\n";
    }
    QByteArray sectionsGone = "; kept\r\n";
    QByteArray tail;
    for (int i = 0; i < 8000; ++i) {
        tail += "[b]\r\nx=" + QByteArray::number(i) + "\r\n[C" + QByteArray::number(i) + "]\r\ny=1\r\n";
        sectionsGone += "[C" + QByteArray::number(i) + "]\r\ny=1\r\n";
    }
    before += tail;
    keysGone += tail;

    ASSERT_TRUE(writeWholeFile(file(), before));
    ASSERT_TRUE(privateProfile::writeString(file(), "a", "K", std::nullopt));
    EXPECT_EQ(readWholeFile(file()), keysGone);
    EXPECT_EQ(privateProfile::getString(file(), "A", "k", "gone"), QStringLiteral("gone"));

    ASSERT_TRUE(privateProfile::writeString(file(), "A", std::nullopt, std::nullopt));
    ASSERT_TRUE(privateProfile::writeString(file(), "B", std::nullopt, std::nullopt));
    EXPECT_EQ(readWholeFile(file()), sectionsGone);
    EXPECT_EQ(privateProfile::getString(file(), "b", "x", "gone"), QStringLiteral("gone"));
}

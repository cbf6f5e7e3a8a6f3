#include "platform/privateProfile.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/newDoEvents.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace miscGlobalFunctions;

// ---- Tokenizers

TEST(NextToken, IndexThenRunningScanThenReset) {
    TestShell t;
    const QString text = QStringLiteral("a,b,c");
    EXPECT_EQ(nextToken(text, 2, ","), QStringLiteral("b"));
    EXPECT_EQ(nextToken(text, 0, ","), QStringLiteral("c"));
    EXPECT_EQ(nextToken(text, 0, ","), QString()); // past the last field: the cursor resets
    EXPECT_EQ(nextToken(text, 0, ","), QStringLiteral("a"));
    EXPECT_EQ(nextToken(text, 0, ","), QStringLiteral("b"));
}

TEST(NextToken, FieldsBeyondTheEnd) {
    TestShell t;
    EXPECT_EQ(nextToken("a,b", 5, ","), QString());
    EXPECT_EQ(nextToken("a,b,", 3, ","), QString());
    EXPECT_EQ(nextToken("a,b,", 2, ","), QStringLiteral("b"));
    EXPECT_EQ(nextToken("", 1, ","), QString());
    EXPECT_EQ(nextToken("a,b", -1, ","), QString());
    EXPECT_EQ(nextToken("a,b", 100000, ","), QString()); // beyond the 16-bit range: no endless count
}

TEST(NextToken, LastFieldOfTheLongestTextIsNotLost) {
    TestShell t;
    // 32,767 characters, the longest text the scan takes: the position after
    // the last field lies beyond the 16-bit range.
    const QString text = QString(32765, QLatin1Char('x')) + QStringLiteral(",y");
    EXPECT_EQ(nextToken(text, 2, ","), QStringLiteral("y"));
    EXPECT_EQ(nextToken(text, 1, ",").size(), 32765);
    EXPECT_EQ(nextToken(text, 0, ","), QStringLiteral("y"));
    EXPECT_EQ(nextToken(text, 0, ","), QString()); // the scan ends and resets
    EXPECT_EQ(nextToken(text, 0, ",").size(), 32765);
    EXPECT_EQ(nextToken(text + QLatin1Char('z'), 1, ","), QString()); // one longer: beyond the limit
}

TEST(NextToken, QuotedPartKeepsItsDelimiter) {
    TestShell t;
    const QString text = QStringLiteral("one,\"two, half\",three");
    EXPECT_EQ(nextToken(text, 2, ",", "\""), QStringLiteral("two, half"));
    EXPECT_EQ(nextToken(text, 3, ",", "\""), QStringLiteral("three"));
    EXPECT_EQ(nextToken(text, 1, ",", "\""), QStringLiteral("one"));
    EXPECT_EQ(nextToken(text, 0, ",", "\""), QStringLiteral("two, half"));
}

TEST(NextToken, MultiCharacterDelimiterAndItsLengthFromTheScanStart) {
    TestShell t;
    EXPECT_EQ(nextToken("ab::cd::ef", 2, "::"), QStringLiteral("cd"));
    EXPECT_EQ(nextToken("ab::cd::ef", 0, "::"), QStringLiteral("ef"));
    // A running scan keeps the delimiter length it started with.
    EXPECT_EQ(nextToken("x,,y,,z", 1, ",,"), QStringLiteral("x"));
    EXPECT_EQ(nextToken("x,,y,,z", 0, ","), QStringLiteral("y"));
}

TEST(NextToken, TheTwoCursorsAreIndependent) {
    TestShell t;
    const QString outer = QStringLiteral("1;2;3"), inner = QStringLiteral("a,b");
    EXPECT_EQ(nextToken(outer, 1, ";"), QStringLiteral("1"));
    EXPECT_EQ(nextTokenAlt(inner, 1, ","), QStringLiteral("a"));
    EXPECT_EQ(nextToken(outer, 0, ";"), QStringLiteral("2"));
    EXPECT_EQ(nextTokenAlt(inner, 0, ","), QStringLiteral("b"));
    EXPECT_EQ(nextToken(outer, 0, ";"), QStringLiteral("3"));
    // The same cursor used for another text continues from its position.
    EXPECT_EQ(nextToken(outer, 1, ";"), QStringLiteral("1"));
    EXPECT_EQ(nextToken(QStringLiteral("abcd;e"), 0, ";"), QStringLiteral("cd"));
}

// ---- Text helpers

TEST(ReplaceText, Modes) {
    struct Case {
        const char *text, *find, *replacement;
        int mode;
        const char* expected;
        bool replaced;
    } cases[] = {
        {"aaa", "a", "aa", 1, "aaaaaa", true}, // never searches its own insertions
        {"aaa", "a", "aa", 0, "aaaaaa", true},
        {"Abc abc", "abc", "x", 1, "Abc x", true},
        {"Abc abc", "ABC", "x", 2, "x x", true},
        {"a<b>c", "<>", "_", -1, "a_b_c", true},
        {"aXbx", "x", "-", -2, "a-b-", true},
        {"abc", "z", "y", 1, "abc", false},
        {"abc", "", "y", 1, "abc", false},
        {"a\"b\"", "\"", "", 1, "ab", true},
    };
    for (const Case& c : cases) {
        bool replaced = !c.replaced;
        EXPECT_EQ(replaceText(c.text, c.find, c.replacement, c.mode, &replaced), QString::fromLatin1(c.expected))
            << c.text << " / " << c.find << " mode " << c.mode;
        EXPECT_EQ(replaced, c.replaced) << c.text << " / " << c.find;
    }
}

TEST(EscapeFileName, ReplacesInTheCallersTextAndTrimsTheResult) {
    QString name = QStringLiteral(" a<b>c:d/e\\f|g?h*i ");
    EXPECT_EQ(escapeFileName(name), QStringLiteral("a{b}c;d+e]f!g&h@i"));
    EXPECT_EQ(name, QStringLiteral(" a{b}c;d+e]f!g&h@i "));
}

TEST(UniverseChannelText, UniverseAndChannelWithin) {
    EXPECT_EQ(universeChannelText(1), QStringLiteral("U:1 CH:1"));
    EXPECT_EQ(universeChannelText(512), QStringLiteral("U:1 CH:512"));
    EXPECT_EQ(universeChannelText(513), QStringLiteral("U:2 CH:1"));
    EXPECT_EQ(universeChannelText(1024), QStringLiteral("U:2 CH:512"));
}

TEST(RotatePoint, QuarterTurnsAndRounding) {
    const float quarter = 1.5707963f;
    EXPECT_EQ(rotatePointX(110, 100, 100, quarter), 100);
    EXPECT_EQ(rotatePointY(110, 100, 100, quarter), 110);
    EXPECT_EQ(rotatePointX(100, 110, 100, quarter), 90);
    EXPECT_EQ(rotatePointX(5, 7, 0, 0.0f), 5);
    EXPECT_EQ(rotatePointY(5, 7, 0, 0.0f), 7);
    // Rounded to the nearest integer, not cut: 10 * cos(0.5) = 8.78.
    EXPECT_EQ(rotatePointX(10, 0, 0, 0.5f), 9);
    EXPECT_EQ(rotatePointY(10, 0, 0, -0.5f), -5); // -4.79
}

TEST(RotatePoint, LeavingTheSixteenBitRangeIsAnOverflow) {
    EXPECT_THROW(rotatePointX(32000, 0, -32000, 0.0f), std::overflow_error); // x - centre
    EXPECT_THROW(rotatePointY(32767, 32767, 0, 0.78539816f), std::overflow_error); // result 46340
    EXPECT_EQ(rotatePointX(32767, 32767, 0, 0.78539816f), 0);
}

TEST(TrimControlChars, StripsCodesUpTo32) {
    EXPECT_EQ(trimControlChars(QStringLiteral(" \t\r\n")), QString());
    EXPECT_EQ(trimControlChars(QString::fromLatin1("\x01 a b\t\0", 8)), QStringLiteral("a b"));
}

// ---- Files

TEST(FileExistsAndIsDirectory, FilesFoldersAndMissingNames) {
    TestShell t;
    const QString folder = t.folder();
    ASSERT_TRUE(writeWholeFile(folder + QStringLiteral("/Empty.txt"), {}));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("Images")));
    EXPECT_TRUE(FileExists(folder + QStringLiteral("/Empty.txt")));
    EXPECT_TRUE(FileExists(folder + QStringLiteral("\\empty.TXT"))); // stored form, other case
    EXPECT_FALSE(FileExists(folder + QStringLiteral("/Missing.txt")));
    EXPECT_FALSE(FileExists(folder + QStringLiteral("/Images")));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_TRUE(isDirectory(folder + QStringLiteral("\\images")));
    EXPECT_FALSE(isDirectory(folder + QStringLiteral("/Empty.txt")));
    EXPECT_FALSE(isDirectory(folder + QStringLiteral("/Missing")));
}

TEST(IniValues, ReadCutsAndWriteJoinsLineBreaks) {
    TestShell t;
    const QString ini = t.get().iniFile();
    writeIniValue(ini, "Main", "Text", QStringLiteral("a\r\nb"));
    EXPECT_EQ(readWholeFile(ini), QByteArray("[Main]\r\nText=a  b\r\n"));
    writeIniValue(ini, "Main", "Long", QString(300, QLatin1Char('z')));
    EXPECT_EQ(readIniValue(ini, "main", "long", "d"), QString(254, QLatin1Char('z')));
    EXPECT_EQ(readIniValue(ini, "Main", "Missing", "d"), QStringLiteral("d"));
    writeIniValue(ini, "Main", "Text", std::nullopt);
    EXPECT_EQ(readIniValue(ini, "Main", "Text", "gone"), QStringLiteral("gone"));
    writeIniValue(ini, "Main", std::nullopt, std::nullopt);
    EXPECT_TRUE(privateProfile::sectionNames(ini).isEmpty());
}

TEST(IniValues, TruthValues) {
    EXPECT_EQ(truthText(true), QStringLiteral("True"));
    EXPECT_EQ(truthText(false), QStringLiteral("False"));
    EXPECT_EQ(truthFromText("True"), true);
    EXPECT_EQ(truthFromText("false"), false);
    EXPECT_EQ(truthFromText("0"), false);
    EXPECT_EQ(truthFromText("-1"), true);
    EXPECT_EQ(truthFromText("maybe"), std::nullopt);
}

TEST(CopyFolderFiles, CopiesPlainFilesOverwritingAndReportsFailures) {
    TestShell t;
    QDir root(t.folder());
    ASSERT_TRUE(root.mkpath(QStringLiteral("Src/Sub")));
    ASSERT_TRUE(root.mkpath(QStringLiteral("Dst")));
    ASSERT_TRUE(writeWholeFile(root.filePath(QStringLiteral("Src/a.YSQ")), "new a"));
    ASSERT_TRUE(writeWholeFile(root.filePath(QStringLiteral("Src/b")), "b"));
    ASSERT_TRUE(writeWholeFile(root.filePath(QStringLiteral("Src/.hidden")), "h"));
    ASSERT_TRUE(writeWholeFile(root.filePath(QStringLiteral("Dst/a.YSQ")), "old a, longer"));
    ASSERT_TRUE(writeWholeFile(root.filePath(QStringLiteral("Dst/B")), "old b")); // the same name in another case
    int copied = -1;
    copyFolderFiles(root.filePath(QStringLiteral("src")), root.filePath(QStringLiteral("Dst")) + QLatin1Char('\\'), copied);
    EXPECT_EQ(copied, 2);
    EXPECT_EQ(readWholeFile(root.filePath(QStringLiteral("Dst/a.YSQ"))), QByteArray("new a"));
    EXPECT_EQ(readWholeFile(root.filePath(QStringLiteral("Dst/B"))), QByteArray("b"));
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("Dst/b"))));
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("Dst/.hidden"))));
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("Dst/Sub"))));
    EXPECT_EQ(QDir(root.filePath(QStringLiteral("Dst"))).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase),
              (QStringList{QStringLiteral("a.YSQ"), QStringLiteral("B")})); // no copy left half-way
    EXPECT_TRUE(t.prompts().messages.isEmpty());

    // A target that is no folder: every file fails, is reported, and the copy goes on.
    copyFolderFiles(root.filePath(QStringLiteral("Src")), root.filePath(QStringLiteral("Dst/a.YSQ")), copied);
    EXPECT_EQ(copied, 0);
    EXPECT_EQ(t.prompts().messages, (QStringList{QStringLiteral("Error copying file a.YSQ"), QStringLiteral("Error copying file b")}));
    EXPECT_EQ(t.prompts().beeps, 2);
}

TEST(ShellFileOperation, MovesToTheTrashOrLeavesTheFile) {
    TestShell t;
    const QString trashHome = t.folder() + QStringLiteral("/home-data");
    ASSERT_TRUE(QDir().mkpath(trashHome));
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", trashHome.toLocal8Bit());
    const QString file = t.folder() + QStringLiteral("/Old.YSQ");
    ASSERT_TRUE(writeWholeFile(file, "x"));
    const bool moved = shellFileOperation(file, nullptr, true);
    // Either the file is in a trash now, or (no trash on this system) it is untouched.
    EXPECT_EQ(QFile::exists(file), !moved);
    EXPECT_FALSE(shellFileOperation(t.folder() + QStringLiteral("/Missing.YSQ"), nullptr, true));
    if (oldXdg.isNull()) qunsetenv("XDG_DATA_HOME");
    else qputenv("XDG_DATA_HOME", oldXdg);
}

// ---- Windows

TEST(ShowStatusText, FrameCaptionOrTopBarInOneConsoleMode) {
    TestShell t;
    showStatusText("no frame yet"); // no frame: nothing happens
    struct Frame : PlaybackService {
        QString caption;
        void setFrameCaption(const QString& text) override { caption = text; }
    };
    struct TopBar : MastersService {
        QString text;
        void showTopBarText(const QString& t) override { text = t; }
    };
    struct MainWindow : MainWindowService {
        bool oneConsoleMode = false;
        bool oneConsole() override { return oneConsoleMode; }
    };
    const QString& caption = t.get().provide<PlaybackService>(std::make_unique<Frame>()).caption;
    const QString& topBar = t.get().provide<MastersService>(std::make_unique<TopBar>()).text;
    MainWindow& main = t.get().provide<MainWindowService>(std::make_unique<MainWindow>());
    showStatusText(QStringLiteral("Show: Club"));
    EXPECT_EQ(caption, QStringLiteral("Show: Club"));
    EXPECT_EQ(topBar, QString());

    main.oneConsoleMode = true;
    showStatusText(QStringLiteral("Show: Gala"));
    EXPECT_EQ(topBar, QStringLiteral("Show: Gala"));
    EXPECT_EQ(caption, QStringLiteral("Show: Club")); // the frame has no caption in that mode
}

TEST(DoEventsIfPending, RunsPendingEventsButNeverInsideItself) {
    TestShell t;
    newDoEvents::doEventsIfPending(); // no event loop: nothing to run
    struct EventLoop : MainWindowService {
        int passes = 0;
        bool throws = false;
        bool hasEventLoop() override { return true; }
        void processPendingEvents() override {
            if (throws) throw std::runtime_error("handler failed");
            ++passes;
            EXPECT_TRUE(shell().doEventsRunning);
            newDoEvents::doEventsIfPending(); // an event handler asking again
        }
    };
    EventLoop& loop = t.get().provide<MainWindowService>(std::make_unique<EventLoop>());
    const int& passes = loop.passes;
    newDoEvents::doEventsIfPending();
    EXPECT_EQ(passes, 1);
    EXPECT_FALSE(t.get().doEventsRunning);

    loop.throws = true;
    EXPECT_THROW(newDoEvents::doEventsIfPending(), std::runtime_error);
    EXPECT_FALSE(t.get().doEventsRunning);
}

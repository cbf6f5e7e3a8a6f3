// The sequence data move on re-patch, the MASTER table and the key list.

#include "platform/byteRecord.h"
#include "platform/prompts.h"
#include "shortcuts/masterShortcuts.h"
#include "shortcuts/sequenceDataMove.h"
#include "shortcuts/shortcutPages.h"
#include "shell/services/mastersService.h"
#include "shortcuts/shortcutsTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr int rec = 608;

TEST(SequenceDataMove, FourChannelsMoveFromOneToTenInTheirUniverseOnly) {
    const int32_t steps = 3;
    for (int32_t universe : {1, 2}) {
        PagesShell t;
        const QByteArray before = PagesShell::sequenceBytes(2, steps);
        const QString path = t.put("Main", "Two.YSQ", before);
        t.put("Main", "Solo.MUL", "not a sequence");
        t.get().engine<ShortcutPages>().moveSequenceData(1, 10, 4, 13, universe);
        const QByteArray after = readWholeFile(path);
        ASSERT_EQ(after.size(), before.size());
        const int first = (universe - 1) * (steps + 1), last = first + steps; // step records and the mask record
        for (int r = 0; r < before.size() / rec; ++r) {
            const QByteArray b = before.mid(r * rec, rec), a = after.mid(r * rec, rec);
            if (r < first || r > last) {
                EXPECT_EQ(a, b) << "record " << r << " universe " << universe;
                continue;
            }
            EXPECT_EQ(a.mid(9, 4), b.mid(0, 4)) << "record " << r;
            EXPECT_EQ(a.mid(0, 4), QByteArray(4, '\0')) << "record " << r;
            EXPECT_EQ(a.mid(4, 5), b.mid(4, 5)) << "record " << r;
            EXPECT_EQ(a.mid(13), b.mid(13)) << "record " << r;
        }
        EXPECT_EQ(t.show->saves, 1);
        EXPECT_TRUE(t.prompts().messages.isEmpty());
    }
}

TEST(SequenceDataMove, ABadFileIsSkippedAndReportedTheOthersMoveAndTheShowIsSaved) {
    PagesShell t;
    QByteArray lying = PagesShell::sequenceBytes(1, 2);
    QByteArray count;
    ByteWriter(&count).i32(40); // forty universes in a file of one
    lying.replace(lying.size() - rec + 574, 4, count);
    const QString badPath = t.put("A", "Lying.YSQ", lying);
    const QString shortPath = t.put("A", "Short.YSQ", QByteArray(100, '\1'));
    const QString goodPath = t.put("B", "Good.YSQ", PagesShell::sequenceBytes(1, 2));
    const QString fewer = t.put("B", "OneUniverse.YSQ", PagesShell::sequenceBytes(1, 2));
    t.get().engine<ShortcutPages>().moveSequenceData(1, 10, 4, 13, 1);
    EXPECT_EQ(readWholeFile(badPath), lying);
    EXPECT_EQ(readWholeFile(shortPath), QByteArray(100, '\1'));
    EXPECT_EQ(readWholeFile(goodPath).mid(0, 4), QByteArray(4, '\0'));
    EXPECT_EQ(t.show->saves, 1);
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].contains("A\\Lying.YSQ"));
    EXPECT_TRUE(t.prompts().messages[0].contains("A\\Short.YSQ"));
    // A universe the file does not have leaves it as it was.
    const QByteArray one = readWholeFile(fewer);
    t.get().engine<ShortcutPages>().moveSequenceData(10, 20, 13, 23, 2);
    EXPECT_EQ(readWholeFile(fewer), one);
}

TEST(SequenceDataMove, AnOverlappingMoveKeepsEveryLevelInOrder) {
    // Levels 10, 20, 30 on channels 1..3 (with 40 on channel 4 outside the
    // block) moved by less than the block's width, up and down.
    struct Case { int32_t from, to; std::vector<int> expected; }; // channels 1..6 after the move
    const std::vector<Case> cases = {
        {1, 2, {0, 10, 20, 30, 0, 0}},
        {1, 3, {0, 0, 10, 20, 30, 0}},
        {3, 1, {10, 20, 30, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        QByteArray bytes = PagesShell::sequenceBytes(1, 1);
        const int records = 2; // the step's scene record and the ownership mask of universe 1
        for (int r = 0; r < records; ++r) {
            char* record = bytes.data() + r * rec;
            std::fill(record, record + 6, '\0');
            for (int k = 0; k < 3; ++k) record[c.from - 1 + k] = char(10 * (k + 1));
        }
        QString reason;
        ASSERT_EQ(sequenceDataMove::moveChannelBlock(bytes, c.from, c.to, 3, 1, &reason), sequenceDataMove::Result::moved)
            << reason.toStdString();
        for (int r = 0; r < records; ++r)
            for (int ch = 0; ch < 6; ++ch)
                EXPECT_EQ(int(uint8_t(bytes[r * rec + ch])), c.expected[size_t(ch)])
                    << "from " << c.from << " to " << c.to << " record " << r << " channel " << ch + 1;
    }
    // A block that would reach past channel 512 is refused and changes nothing.
    QByteArray bytes = PagesShell::sequenceBytes(1, 1);
    const QByteArray before = bytes;
    QString reason;
    EXPECT_EQ(sequenceDataMove::moveChannelBlock(bytes, 1, 511, 4, 1, &reason), sequenceDataMove::Result::bad);
    EXPECT_EQ(bytes, before);
}

TEST(MasterShortcuts, PressLoadsOnTheHeadersPlaybackAndShowsItRunning) {
    struct Case { QString stored; int32_t playback; };
    for (const Case& c : {Case{" 12000", 12000}, Case{" 3", 3}, Case{"40000", 1}, Case{"0", 1}, Case{"", 1}}) {
        PagesShell t;
        t.put("Main", "Intro.YSQ", PagesShell::sequenceBytes(1, 1, c.stored));
        MasterShortcuts& master = t.get().engine<MasterShortcuts>();
        t.get().state.masterShortcutFiles = QStringList(600, QString());
        t.get().state.masterShortcutFiles[8] = "Club\\Main\\Intro.YSQ";
        master.pressLeft(7, false);
        ASSERT_EQ(t.playback->loads.size(), 1u) << c.stored.toStdString();
        EXPECT_EQ(t.playback->loads[0].playback, c.playback);
        EXPECT_EQ(t.playback->added, std::vector<int32_t>{c.playback});
        EXPECT_EQ(t.get().state.currentPlayback, c.playback);
        EXPECT_EQ(master.colour(7), MasterShortcuts::runningColour);
        EXPECT_EQ(master.caption(7), "Intro");
    }
}

TEST(MasterShortcuts, AMissingFileOrAnEscapingEntryIsRemovedAfterTheMessage) {
    for (const QString& stored : {QStringLiteral("Gone.YSQ"), QStringLiteral("..\\..\\ylc.ini")}) {
        PagesShell t;
        MasterShortcuts& master = t.get().engine<MasterShortcuts>();
        t.get().state.masterShortcutFiles = QStringList(600, QString());
        t.get().state.masterShortcutFiles[3] = stored;
        t.prompts().answers.push_back(msgBox::Cancel);
        master.pressLeft(2, false);
        EXPECT_TRUE(t.playback->loads.empty());
        EXPECT_EQ(t.prompts().messages.first(), "Sequence File Does Not Exits, Removing Sequence Shortcut Assignment.");
        EXPECT_EQ(master.entry(2), "");
        EXPECT_EQ(master.caption(2), "Sequence 2");
        EXPECT_EQ(master.colour(2), MasterShortcuts::clearedColour);
        EXPECT_EQ(t.show->saves, 1);
    }
}

TEST(MasterShortcuts, DropTakesSequencesBelowTheSequencesFolderOnly) {
    PagesShell t;
    MasterShortcuts& master = t.get().engine<MasterShortcuts>();
    t.get().state.masterShortcutFiles = QStringList(513, QString());
    const QString root = t.folder() + "/Sequences";
    master.dropFiles(509, {root + "/A.YSQ", t.folder() + "/Elsewhere/B.YSQ", root + "/Club/Main/c.ysq", root + "/D.txt"});
    EXPECT_EQ(master.entry(509), "A.YSQ");
    EXPECT_EQ(master.entry(510), "");
    EXPECT_EQ(master.entry(511), "Club\\Main\\c.ysq");
    EXPECT_EQ(t.prompts().messages.size(), 2); // elsewhere; no entry 513 for the fourth
    master.dropFiles(1, {root + "/D.txt"});
    EXPECT_EQ(t.prompts().messages.last(), "File type cannot be assigned to a Sequence Shortcut, must have a 'YSQ' extension.");
    EXPECT_EQ(master.entry(1), "");
    // The folder's case does not matter.
    EXPECT_EQ(master.extractFolderAndSequence(t.folder() + "/SEQUENCES/Club/x.YSQ"), "Club\\x.YSQ");
}

TEST(MasterShortcuts, SortingByNameRewritesOnlyTheButtonsEntries) {
    PagesShell t;
    MasterShortcuts& master = t.get().engine<MasterShortcuts>();
    QStringList table(700, QString());
    table[1] = "first.YSQ";
    table[5] = "b.YSQ";
    table[9] = "A.YSQ";
    table[600] = "beyond.YSQ";
    t.get().state.masterShortcutFiles = table;
    master.arrangeAlphabetically();
    const QStringList& after = t.get().state.masterShortcutFiles;
    EXPECT_EQ(after[1], "first.YSQ");
    EXPECT_EQ(after[2], "A.YSQ");
    EXPECT_EQ(after[3], "b.YSQ");
    EXPECT_EQ(after[4], "");
    EXPECT_EQ(after[600], "beyond.YSQ");
    EXPECT_EQ(master.caption(1), "A");
    EXPECT_EQ(master.caption(3), "Sequence 3");
}

TEST(KeyList, RowsInOrderWithTheirSpacerRows) {
    const QStringList rows = builtInShortcutRows();
    ASSERT_EQ(rows.size(), 67);
    EXPECT_EQ(rows.first(), "A = Strobe All");
    EXPECT_EQ(rows[30], "0 = Sequence 10");
    EXPECT_EQ(rows[52], "Shift + 0 = Multi-Chase Shortcut 10");
    EXPECT_EQ(rows.last(), "F12 = Stop Schedule");
    for (const auto& [row, spaces] : {std::pair{21, 18}, {32, 18}, {43, 19}, {54, 20}, {65, 20}})
        EXPECT_EQ(rows[row - 1], QString(spaces, ' ')) << row;
}

} // namespace

TEST(MasterShortcuts, RemovalEmptiesEntryNPlusOneAndTrashesOnlyARegularSequenceFile) {
    const struct {
        const char* stored;
        int answer;
        bool trashed;
        int32_t home;
    } cases[] = {
        {"Club\\Intro.YSQ", msgBox::OK, true, 2},      // the file's own home playback
        {"Club\\Intro.YSQ", msgBox::Cancel, false, 2}, // kept, entry emptied all the same
        {"Club", msgBox::OK, false, 0},                // a folder is never deleted
        {"", msgBox::OK, false, 0},                    // nor the Sequences folder itself
        {"Club\\Gone.YSQ", msgBox::OK, false, 0},      // missing: no delete, home 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        PagesShell t;
        const QString file = t.showFolder() + QStringLiteral("/Intro.YSQ");
        writeWholeFile(file, PagesShell::sequenceBytes(1, 1, QStringLiteral(" 2")));
        MasterShortcuts& master = t.get().engine<MasterShortcuts>();
        QStringList trashed;
        master.trash = [&](const QString& p) {
            trashed << p;
            return true;
        };
        t.get().state.masterShortcutFiles = QStringList(600, QString());
        t.get().state.masterShortcutFiles[8] = QString::fromLatin1(c.stored);
        t.prompts().answers.push_back(c.answer);
        master.selectedMasterShortcut = 7;
        master.removeEntry(7);
        EXPECT_EQ(t.get().state.masterShortcutFiles[8], "");
        EXPECT_EQ(master.caption(7), "Sequence 7");
        EXPECT_EQ(trashed.size(), c.trashed ? 1 : 0);
        EXPECT_EQ(t.playback->shortcutPanels, std::vector<int32_t>{c.home});
        EXPECT_EQ(t.show->saves, 1);
    }
}

// Removing an entry from outside a playback window first applies playback
// fader 1 to playback 1's dimmer; from a playback window it does not.
TEST(MasterShortcuts, RemovalOutsideAPlaybackWindowAppliesTheFirstPlaybackFader) {
    struct FaderLog : MastersService {
        std::vector<int32_t> applied;
        void applyPlaybackFader(int32_t n) override { applied.push_back(n); }
    };
    for (bool inPlaybackWindow : {false, true}) {
        PagesShell t;
        FaderLog& faders = t.get().provide<MastersService>(std::make_unique<FaderLog>());
        t.playback->windowActive = inPlaybackWindow;
        t.get().state.masterShortcutFiles = QStringList(600, QString());
        t.get().state.masterShortcutFiles[3] = QStringLiteral("Club\\Gone.YSQ");
        t.get().engine<MasterShortcuts>().removeEntry(2);
        EXPECT_EQ(faders.applied, inPlaybackWindow ? std::vector<int32_t>{} : std::vector<int32_t>{1});
        EXPECT_EQ(t.get().state.masterShortcutFiles[3], "");
    }
}

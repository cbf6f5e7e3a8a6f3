// Multi button files, the multi-button wizard filing every running playback
// as one multi button, and the "Enter Time" keypad: typing, its limit and
// what Enter writes for each target.

#include "platform/byteRecord.h"
#include "shell/services/consoleService.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/multiButtons.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/shortcutsTestSupport.h"
#include "shortcuts/timeKeypad.h"
#include "shortcuts/ui/frmKeyPad.h"
#include "shortcuts/ui/frmMultiWizard.h"
#include "shortcuts/ui/shortcutsServiceImpl.h"
#include "support/layoutCheck.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The playback engine's part of a multi from all playbacks: playbacks 1 and
// 3 are shown, each saved as "<name> <n>" into the show folder.
class MultiPlayback final : public PlaybackService {
public:
    explicit MultiPlayback(QString folder) : showFolder(std::move(folder)) {}
    bool saveMultiSequences(const QString& autoPlay, const QString& name) override {
        calls << autoPlay + QLatin1Char('|') + name;
        ShortcutsService& pages = shell().shortcuts();
        pages.setMultiCollectionToNothing();
        for (int n : {1, 3}) {
            const QString member = QStringLiteral("%1 %2").arg(name).arg(n);
            writeWholeFile(showFolder + QLatin1Char('/') + member + QStringLiteral(".YSQ"), QByteArray("seq"));
            pages.addToMultiCollection(member);
        }
        return true;
    }
    QString showFolder;
    QStringList calls;
};

class Recorder final : public MastersService {
public:
    void cmdPlaybackMode_Click() override { calls << QStringLiteral("playbackMode"); }
    void updateCrossFadeTime(int32_t group, float time) override {
        calls << QStringLiteral("crossFade(%1,%2)").arg(group).arg(double(time));
    }
    QStringList& calls;
    explicit Recorder(QStringList& log) : calls(log) {}
};

class TimeBoxes final : public ConsoleService {
public:
    void timeBoxEntry(int32_t box, double value) override { calls << QStringLiteral("box(%1,%2)").arg(box).arg(value); }
    QStringList& calls;
    explicit TimeBoxes(QStringList& log) : calls(log) {}
};

// The active playback window's grid as the keypad fills it.
class GridWindow final : public PlaybackService {
public:
    bool enterGridValue(int32_t column, double value) override {
        if (column == 5) return false; // as with no active playback window
        calls << QStringLiteral("grid(%1,%2)").arg(column).arg(value);
        return true;
    }
    QStringList& calls;
    explicit GridWindow(QStringList& log) : calls(log) {}
};

struct WizardDesk {
    PagesShell t;
    MultiPlayback& playback;
    QStringList calls;
    ShortcutPages& pages;
    WizardDesk()
        : playback(t.get().provide<PlaybackService>(std::make_unique<MultiPlayback>(t.showFolder()))),
          pages(t.get().engine<ShortcutPages>()) {
        t.put("Main", "Chase.YSQ");
        t.get().provide<MastersService>(std::make_unique<Recorder>(calls));
        registerShortcuts(t.get());
        EXPECT_TRUE(pages.start());
    }
    ~WizardDesk() { unloadForm<frmMultiWizard>(); }
    frmMultiWizard* open() {
        t.get().shortcuts().showMultiWizard(QStringLiteral("multiPlaybackMode"));
        return loadedForm<frmMultiWizard>();
    }
};

void send(QWidget* w, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent e(type, key, modifiers);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(MultiButtonFile, RecordsKeepTheirFieldsAndTheReservedBytesStayZero) {
    std::vector<multiButtons::Member> members(3);
    members[0].theName = QStringLiteral("Look 1");
    members[1].theName = QStringLiteral("Wash");
    members[1].myPage = QStringLiteral("Main");
    members[2].theName = QStringLiteral("Step");
    members[2].beatBool = members[2].releaseActive = true;
    members[2].theBeat = 32;
    members[2].theTime = 1.5f;
    for (bool hidden : {true, false}) {
        const QByteArray bytes = multiButtons::encode(members, hidden);
        ASSERT_EQ(bytes.size(), 3 * 768);
        for (int r = 0; r < 3; ++r) {
            ByteReader kind(bytes, r * 768 + 712);
            EXPECT_EQ(kind.i32(), hidden ? 99 : 0);
            for (auto [from, to] : {std::pair{512, 552}, std::pair{680, 700}, std::pair{716, 766}})
                for (int b = from; b < to; ++b) ASSERT_EQ(bytes[r * 768 + b], '\0') << r << " " << b;
        }
        // A tail shorter than a record is no member.
        const auto back = multiButtons::decode(bytes + QByteArray(100, 'x'));
        ASSERT_EQ(back.size(), 3u);
        EXPECT_EQ(back[0].theName.size(), 512);
        EXPECT_EQ(back[1].myPage.size(), 128);
        EXPECT_EQ(back[1].theName.trimmed(), "Wash");
        EXPECT_EQ(back[1].myPage.trimmed(), "Main");
        EXPECT_TRUE(back[2].beatBool && back[2].releaseActive && !back[2].timeBool);
        EXPECT_EQ(back[2].theBeat, 32.0f);
        EXPECT_EQ(back[2].theTime, 1.5f);
    }
    EXPECT_TRUE(multiButtons::decode(QByteArray()).empty());
}

TEST(MultiWizard, AllPlaybacksAreFiledAsOneMultiButtonOfTheShownPage) {
    WizardDesk d;
    frmMultiWizard* w = d.open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Multi Button Wizard");
    EXPECT_EQ(w->lblTitle->text(), "Multi From all Playbacks");
    EXPECT_TRUE(w->lblInstuctions->text().startsWith("All active sequences on all playbacks will be saved"));
    EXPECT_EQ(w->txtFileName->text(), "Enter Multi Button Name Here");

    // A click into the placeholder empties it; Enter in the box saves.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w->txtFileName, &press);
    EXPECT_EQ(w->txtFileName->text(), "");
    w->txtFileName->setText(QStringLiteral("Look"));
    send(w->txtFileName, QEvent::KeyPress, Qt::Key_Return);

    EXPECT_EQ(d.playback.calls, QStringList{"True|Look"});
    const QString multi = d.t.showFolder() + "/Main/Look.MUL";
    const auto members = multiButtons::decode(readWholeFile(multi));
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].theName.trimmed(), "Look 1");
    EXPECT_EQ(members[1].theName.trimmed(), "Look 3");
    for (const auto& m : members) {
        EXPECT_EQ(m.myPage.trimmed(), "");
        EXPECT_EQ(m.kind, 99);
    }
    EXPECT_TRUE(QFileInfo::exists(d.t.showFolder() + "/Look 3.YSQ"));
    EXPECT_EQ(d.calls, QStringList{"playbackMode"});
    // The page shows the new multi button, flashing until it is placed.
    EXPECT_TRUE(d.pages.flashButton);
    bool shown = false;
    for (const PageButton& b : d.pages.buttons)
        shown = shown || (b.visible && b.name == "Look" && b.kind == shortcutFiles::ButtonKind::multi);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(d.t.prompts().messages.isEmpty());
}

TEST(MultiWizard, ANameThatCannotNameAButtonIsRefusedBeforeAnythingIsWritten) {
    WizardDesk d;
    frmMultiWizard* w = d.open();
    ASSERT_NE(w, nullptr);
    for (const char* name : {"", "  ", "..\\..\\evil", "a/b", "C:x", "3", "ReleaseorStack"}) {
        d.t.prompts().messages.clear();
        w->txtFileName->setText(QString::fromLatin1(name));
        w->cmdNext->click();
        EXPECT_EQ(d.t.prompts().messages.size(), 1) << name;
        EXPECT_TRUE(w->isVisible()) << name;
    }
    EXPECT_TRUE(d.playback.calls.isEmpty());
    EXPECT_EQ(QDir(d.t.showFolder() + "/Main").entryList(QStringList{"*.MUL"}, QDir::Files), QStringList());
}

TEST(MultiWizard, CancelSavesNothing) {
    WizardDesk d;
    frmMultiWizard* w = d.open();
    ASSERT_NE(w, nullptr);
    w->txtFileName->setText(QStringLiteral("Look"));
    w->cmdBack->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(d.playback.calls.isEmpty());
    EXPECT_TRUE(w->mode().isEmpty());
}

TEST(TimeKeypad, TypingNeverKeepsAValueAbove1000) {
    struct Case {
        std::vector<int> buttons; // 0..8 "1".."9", 9 "0", 10 ".", -1 Back
        const char* text;
    } cases[] = {
        {{0, 9, 9, 9}, "1000"},
        {{0, 9, 9, 9, 9}, "0"},
        {{0, 9, 9, 9, 10, 4}, "0"},
        {{1, 10, 4}, "2.5"},
        {{-1}, ""},
        {{0, 1, -1}, "1"},
        {{0, 10, 1, 10, 2}, "1.2.3"},
    };
    for (const Case& c : cases) {
        TimeKeypad k;
        for (int b : c.buttons) b < 0 ? k.cmdBackSpace_Click() : k.cmdButton_Click(b);
        EXPECT_EQ(k.text, QString::fromLatin1(c.text));
    }
}

TEST(TimeKeypad, EnterWritesTheRoundedValueIntoItsTargetOrSaysWhy) {
    struct Case {
        const char* target;
        int index;
        const char* text;
        const char* written; // "" none
        const char* message; // "" none
        bool closes;
    } cases[] = {
        {"txtfadeTime", 2, "1.239", "box(2,1.24)", "", true},
        {"txtfadeTime", 0, "2.5", "box(0,2.5)", "", true},
        {"crossFade", 3, "2.5", "crossFade(3,2.5)", "", true},
        {"theGrid", 2, "2.456", "grid(2,2.46)", "", true},
        {"theGrid", 6, "3", "grid(6,3)", "", true},
        {"theGrid", 7, "1.2.3", "", "Not a numerical Value, Please Try Again", false},
        {"theGrid", 5, "2", "", "Not a numerical Value, Please Try Again", false},
        {"theGrid", 4, "1000.01", "", "Invalid value, please try again", false},
        {"txtfadeTime", 1, "", "", "Not a numerical Value, Please Try Again", false},
        {"crossFade", 1, "1.2.3", "", "Not a numerical Value, Please Try Again", false},
        {"scroll", 0, "", "", "", true},
        {"theOther", 0, "7", "", "", true},
        {"txtfadeTime", 1, "1000.5", "", "Invalid value, please try again", false},
    };
    for (const Case& c : cases) {
        TestShell t;
        QStringList calls;
        t.get().provide<MastersService>(std::make_unique<Recorder>(calls));
        t.get().provide<ConsoleService>(std::make_unique<TimeBoxes>(calls));
        t.get().provide<PlaybackService>(std::make_unique<GridWindow>(calls));
        TimeKeypad k;
        k.textBoxName = QString::fromLatin1(c.target);
        k.theTxtIndex = c.index;
        k.text = QString::fromLatin1(c.text); // as it stood in the box
        EXPECT_EQ(k.cmdEnter_Click(), c.closes) << c.target << " " << c.text;
        EXPECT_EQ(calls.join(','), QString::fromLatin1(c.written)) << c.text;
        EXPECT_EQ(t.prompts().messages.join(','), QString::fromLatin1(c.message)) << c.text;
        EXPECT_EQ(k.text, c.closes ? QString() : QString::fromLatin1(c.text));
    }
}

TEST(TimeKeypad, TheWindowTypesFromTheNumericBlockOnlyAndClosesOnEnter) {
    PagesShell t;
    QStringList calls;
    t.get().provide<ConsoleService>(std::make_unique<TimeBoxes>(calls));
    registerShortcuts(t.get());
    t.get().shortcuts().showTimeKeypad(QStringLiteral("txtfadeTime"), 4, 900, 700);
    frmKeyPad* w = loadedForm<frmKeyPad>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Enter Time");
    EXPECT_EQ(w->frameGeometry().right() + 1, 900);
    EXPECT_EQ(w->frameGeometry().bottom() + 1, 700);

    send(w->cmdButton[0], QEvent::KeyPress, Qt::Key_3); // the main keyboard's digits type nothing
    send(w->cmdButton[0], QEvent::KeyPress, Qt::Key_3, Qt::KeypadModifier);
    w->cmdButton[10]->click();
    send(w, QEvent::KeyPress, Qt::Key_7, Qt::KeypadModifier);
    send(w, QEvent::KeyPress, Qt::Key_5, Qt::KeypadModifier);
    send(w, QEvent::KeyPress, Qt::Key_Backspace);
    EXPECT_EQ(w->txtValue->text(), "3.7");
    // Opened again for another box: same window, the text stays.
    t.get().shortcuts().showTimeKeypad(QStringLiteral("txtfadeTime"), 2, 900, 700);
    EXPECT_EQ(loadedForm<frmKeyPad>(), w);
    EXPECT_EQ(w->txtValue->text(), "3.7");
    send(w, QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(calls, QStringList{"box(2,3.7)"});
    EXPECT_FALSE(w->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmKeyPad>(), nullptr);

    // Opened from a playback grid: its top left corner at the pointer.
    t.get().provide<PlaybackService>(std::make_unique<GridWindow>(calls));
    t.get().shortcuts().showTimeKeypadAt(QStringLiteral("theGrid"), 3, 120, 80);
    w = loadedForm<frmKeyPad>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->frameGeometry().topLeft(), QPoint(120, 80));
    send(w, QEvent::KeyPress, Qt::Key_4, Qt::KeypadModifier);
    send(w, QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(calls.last(), "grid(3,4)");
    EXPECT_FALSE(w->isVisible());

    // Escape closes it and enters nothing.
    t.get().shortcuts().showTimeKeypad(QStringLiteral("txtfadeTime"), 1, 900, 700);
    w = loadedForm<frmKeyPad>();
    ASSERT_NE(w, nullptr);
    send(w, QEvent::KeyPress, Qt::Key_8, Qt::KeypadModifier);
    const qsizetype before = calls.size();
    send(w, QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(calls.size(), before);
}

TEST(TimeKeypad, WizardAndKeypadLayoutsHoldAtBothFontSizes) {
    WizardDesk d;
    frmMultiWizard* wizard = d.open();
    ASSERT_NE(wizard, nullptr);
    d.t.get().shortcuts().showTimeKeypad(QStringLiteral("txtfadeTime"), 0, 900, 700);
    frmKeyPad* keypad = loadedForm<frmKeyPad>();
    ASSERT_NE(keypad, nullptr);
    for (QWidget* w : {static_cast<QWidget*>(wizard), static_cast<QWidget*>(keypad)})
        for (int points : {9, 14})
            EXPECT_EQ(layoutCheck::problemsAtFontSize(*w, points).join(QLatin1Char('\n')).toStdString(), "")
                << w->objectName().toStdString() << " " << points << " pt";
    unloadForm<frmKeyPad>();
}

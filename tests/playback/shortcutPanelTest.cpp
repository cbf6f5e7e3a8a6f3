#include "playback/shortcutPanel.h"

#include "playback/playbackEngine.h"
#include "playback/playbackFrame.h"
#include "playback/sequenceFileIo.h"
#include "playback/ui/frmPlayBackControl.h"
#include "playback/ui/frmPlayBackManager.h"
#include "playback/ui/toolbarIcons.h"
#include "platform/ui/keyCodes.h"
#include "playbackTestSupport.h"
#include "shell/services/consoleService.h"
#include "shell/services/shortcutsService.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"
#include "windowTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace playbackTest;

namespace {

// Saves a one-step sequence for playback `number` as Sequences\Club\<name>.
void saveFor(int number, const QString& name, bool perStepTimes = true, bool motionFade = true) {
    PlaybackEngine e;
    program(e, number, 1);
    e.state.stepCount = 1;
    own(e, 1, 1, 100 + number);
    e.state.useSequenceFadeTime = perStepTimes;
    e.state.useMotionfade = motionFade;
    ASSERT_TRUE(sequenceFileIo::saveSequence(e, true, number, "1", -1, name));
    for (int c = 1; c <= shell().state.totalChannels; ++c) shell().state.channelOwner[size_t(c)] = 0;
}

class ShortcutPanel : public ::testing::Test {
protected:
    TestShell t;
    void SetUp() override {
        makeShow(1);
        shell().state.showFileName = QStringLiteral("C:\\Shows\\Club.YLC");
        shell().state.masterShortcutFiles = QStringList(513, QString());
    }
    // Playback n's window in the shown frame, its panel on.
    frmPlayBackControl* panelOf(int32_t n) {
        form<frmPlayBackManager>().show();
        playbackFrame().clkAddPlaybackControl(n, false, true, false);
        frmPlayBackControl* w = form<frmPlayBackManager>().playbackWindow(n);
        w->clkShowShortcuts->trigger();
        return w;
    }
};

// The sequences the MASTER buttons were recoloured for.
struct RecordingShortcuts : ShortcutsService {
    QStringList recoloured;
    void checkActivePlaybacks(const QString& sequence) override { recoloured << sequence; }
};

// The key codes the main window's key handling (the console's) received.
struct RecordingKeys : ConsoleService {
    QStringList keys;
    void Keyshortcuts(int32_t code, int32_t shift) override { keys << QStringLiteral("down %1/%2").arg(code).arg(shift); }
    void keyshortcutsup(int32_t code, int32_t shift) override { keys << QStringLiteral("up %1/%2").arg(code).arg(shift); }
};

bool showsIcon(const QWidget& w, int image) {
    return w.windowIcon().pixmap(32).toImage() == toolbarIcon(image).pixmap(32).toImage();
}

void mouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

void key(QWidget* target, QEvent::Type type, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier, bool repeat = false) {
    QKeyEvent e(type, qtKey, mods, QString(), repeat);
    QCoreApplication::sendEvent(target, &e);
}

} // namespace

TEST(ShortcutPanelPlaces, tenButtonsFillARowOfEightAndStartASecond) {
    const auto places = shortcutPanel::buttonPlaces(10);
    ASSERT_EQ(places.size(), 10u);
    for (int k = 0; k < 8; ++k) {
        EXPECT_DOUBLE_EQ(places[size_t(k)].left, 75 + 900 * k);
        EXPECT_DOUBLE_EQ(places[size_t(k)].top, 60);
    }
    EXPECT_DOUBLE_EQ(places[8].left, 75);
    EXPECT_DOUBLE_EQ(places[8].top, 776.25);
    EXPECT_DOUBLE_EQ(places[9].left, 975);
    EXPECT_DOUBLE_EQ(places[9].top, 776.25);
}

TEST_F(ShortcutPanel, listsTheSequencesOfItsPlaybackOnly) {
    saveFor(3, "Three");
    saveFor(2, "Two");
    saveFor(3, "Master");
    shell().state.masterShortcutFiles[1] = "Club\\Two.YSQ";   // slot 1 is never shown
    shell().state.masterShortcutFiles[4] = "Club\\Master.YSQ";
    QFile::copy(shell().programPath("Sequences\\Club\\Three.YSQ"), QDir(shell().programPath("Sequences\\Club")).filePath("lower.ysq"));
    EXPECT_EQ(shortcutPanel::panelEntries(3), QStringList({"Club\\Master.YSQ", "Club\\Three.YSQ"}));
    EXPECT_TRUE(shortcutPanel::panelEntries(2).isEmpty()) << "a sequence in MASTER slot 1 is on no panel";
    shell().state.masterShortcutFiles[1].clear();
    EXPECT_EQ(shortcutPanel::panelEntries(2), QStringList({"Club\\Two.YSQ"}));
    EXPECT_EQ(shortcutPanel::checkPlaybackNumber(QDir(shell().programPath("Sequences\\Club")).filePath("lower.ysq")), 0);
    EXPECT_EQ(shortcutPanel::checkPlaybackNumber(shell().programPath("Sequences\\Club\\Nothing.YSQ")), 0);
}

TEST_F(ShortcutPanel, aPressMakesThePlaybackFirstThenGivesItTheFilesFlags) {
    saveFor(5, "Five", false, false);
    PlaybackFrame& frame = playbackFrame();
    ASSERT_EQ(frame.playback(5), nullptr);
    ASSERT_TRUE(shortcutPanel::loadShortcutSequence("Club\\Five.YSQ"));
    PlaybackEngine* five = frame.playback(5);
    ASSERT_NE(five, nullptr);
    EXPECT_FALSE(five->state.useSequenceFadeTime);
    EXPECT_FALSE(five->state.useMotionfade);
    EXPECT_EQ(five->state.stepCount, 1);
    EXPECT_EQ(shell().state.currentPlayback, 5);
}

TEST_F(ShortcutPanel, theWindowsPanelShowsItsButtonsAndAReleaseLoads) {
    saveFor(2, "Intro");
    saveFor(2, "Finale");
    form<frmPlayBackManager>().show();
    playbackFrame().clkAddPlaybackControl(2, false, true, false);
    frmPlayBackControl* w = form<frmPlayBackManager>().playbackWindow(2);
    w->clkShowShortcuts->trigger();
    ASSERT_EQ(w->cmdShortcut.size(), 2u);
    EXPECT_EQ(w->cmdShortcut[0]->text(), QString("Finale"));
    EXPECT_EQ(w->cmdShortcut[1]->toolTip(), QString("Club\\Intro.YSQ"));
    EXPECT_EQ(w->cmdShortcut[1]->x(), 975 / 15);
    EXPECT_FALSE(w->checkForShortcut("Club\\Other.YSQ", true));
    EXPECT_TRUE(w->checkForShortcut("Club\\Intro.YSQ", true));
    EXPECT_EQ(w->engine().state.theSequenceFilename, shell().programPath("Sequences\\Club\\Intro.YSQ"));
}

TEST_F(ShortcutPanel, theRunningSequencesButtonIsBlueAndTheWindowShowsTheLitLamp) {
    auto& master = t.get().provide<ShortcutsService>(std::make_unique<RecordingShortcuts>());
    saveFor(2, "Intro");
    saveFor(2, "Finale");
    frmPlayBackControl* w = panelOf(2);
    ASSERT_EQ(w->cmdShortcut.size(), 2u);
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(showsIcon(*sub, 21)) << "a stopped playback shows the dark lamp";

    mouse(w->cmdShortcut[1], QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
    ASSERT_TRUE(w->engine().state.isRunning);
    EXPECT_TRUE(w->cmdShortcut[1]->styleSheet().contains("rgb(0,0,255)")) << w->cmdShortcut[1]->styleSheet().toStdString();
    EXPECT_TRUE(w->cmdShortcut[0]->styleSheet().contains("rgb(255,128,0)"));
    EXPECT_TRUE(showsIcon(*sub, 22));
    EXPECT_TRUE(showsIcon(*w, 22));
    EXPECT_EQ(master.recoloured, QStringList({"Club\\Intro.YSQ"})) << "the MASTER buttons are recoloured first";

    w->engine().cmdClear_Click();
    w->checkActivePlaybacks("Club\\Intro.YSQ");
    for (QPushButton* b : w->cmdShortcut) EXPECT_TRUE(b->styleSheet().contains("rgb(255,128,0)"));
    EXPECT_TRUE(showsIcon(*sub, 21));
}

TEST_F(ShortcutPanel, aMovedButtonIsRedAndIsDraggedNotPlayed) {
    saveFor(2, "Intro");
    saveFor(2, "Finale");
    frmPlayBackControl* w = panelOf(2);
    ASSERT_EQ(w->cmdShortcut.size(), 2u);
    QPushButton* finale = w->cmdShortcut[0];
    mouse(finale, QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
    EXPECT_EQ(w->shortcutMenuButton, 0);
    w->clkButtonMenu->close();
    QAction* move = entry(w->clkButtonMenu, "Move Sequence Shortcut");
    ASSERT_NE(move, nullptr);
    move->trigger();
    EXPECT_TRUE(finale->styleSheet().contains("rgb(255,0,0)"));
    EXPECT_TRUE(w->isMovable(finale));
    EXPECT_FALSE(w->isMovable(w->cmdShortcut[1]));

    const QPoint start = finale->pos();
    mouse(finale, QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
    mouse(finale, QEvent::MouseMove, Qt::LeftButton, {10 + 200, 10 + 120});
    mouse(finale, QEvent::MouseButtonRelease, Qt::LeftButton, {10, 10});
    EXPECT_EQ(finale->pos(), start + QPoint(200, 120));
    EXPECT_GE(finale->parentWidget()->height(), finale->geometry().bottom()) << "the panel scrolls to the moved button";
    EXPECT_TRUE(w->engine().state.theSequenceFilename.isEmpty()) << "dragging played the sequence";

    // Never off the panel's corner.
    mouse(finale, QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
    mouse(finale, QEvent::MouseMove, Qt::LeftButton, {-2000, -2000});
    mouse(finale, QEvent::MouseButtonRelease, Qt::LeftButton, {10, 10});
    EXPECT_EQ(finale->pos(), QPoint(0, 0));

    // The other button still plays; a rebuilt panel moves nothing.
    mouse(w->cmdShortcut[1], QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
    EXPECT_EQ(w->engine().state.theSequenceFilename, shell().programPath("Sequences\\Club\\Intro.YSQ"));
    w->loadShortcutsOnFrame();
    EXPECT_FALSE(w->isMovable(w->cmdShortcut[0]));
    EXPECT_EQ(w->cmdShortcut[0]->pos(), QPoint(75 / 15, 60 / 15));
}

TEST_F(ShortcutPanel, keysInThePlaybackWindowReachTheMainWindowOnce) {
    auto& main = t.get().provide<ConsoleService>(std::make_unique<RecordingKeys>());
    saveFor(2, "Intro");
    frmPlayBackControl* w = panelOf(2);
    ASSERT_EQ(w->cmdShortcut.size(), 1u);
    QPushButton* button = w->cmdShortcut[0];
    key(w, QEvent::KeyPress, Qt::Key_End);
    key(w, QEvent::KeyRelease, Qt::Key_End);
    key(button, QEvent::KeyPress, Qt::Key_Space);
    key(button, QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, true); // auto-repeat: still held
    key(button, QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, true);
    key(button, QEvent::KeyRelease, Qt::Key_Space);
    key(button, QEvent::KeyRelease, Qt::Key_Escape, Qt::ShiftModifier);
    key(button, QEvent::KeyPress, Qt::Key_Tab);
    EXPECT_EQ(main.keys, QStringList({"down 35/0", "up 35/0", "down 32/0", "down 32/0", "up 32/0", "up 27/1"}));
    EXPECT_TRUE(w->engine().state.theSequenceFilename.isEmpty()) << "Space on a button played it";
}

TEST(KeyCodes, qtKeysBecomeTheCodesTheHandlersCompare) {
    struct Case { int qtKey; Qt::KeyboardModifiers mods; int code, shift; };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, 65, 0},         {Qt::Key_7, Qt::NoModifier, 55, 0},
        {Qt::Key_7, Qt::KeypadModifier, 103, 0},    {Qt::Key_Space, Qt::NoModifier, 32, 0},
        {Qt::Key_End, Qt::NoModifier, 35, 0},       {Qt::Key_Insert, Qt::NoModifier, 45, 0},
        {Qt::Key_Delete, Qt::NoModifier, 46, 0},    {Qt::Key_Pause, Qt::NoModifier, 19, 0},
        {Qt::Key_Escape, Qt::ShiftModifier, 27, 1}, {Qt::Key_F5, Qt::ControlModifier | Qt::AltModifier, 116, 6},
        {Qt::Key_Minus, Qt::KeypadModifier, 109, 0}, {Qt::Key_Minus, Qt::NoModifier, 189, 0},
        {Qt::Key_MediaPlay, Qt::NoModifier, 0, 0},
    };
    for (const Case& c : cases) {
        const QKeyEvent e(QEvent::KeyPress, c.qtKey, c.mods);
        EXPECT_EQ(keyCodes::keyCode(e), c.code) << c.qtKey;
        EXPECT_EQ(keyCodes::shiftState(e), c.shift) << c.qtKey;
    }
}

TEST_F(ShortcutPanel, theFramesRebuildLeavesAPanelThatIsOffOutOfTheWindow) {
    saveFor(2, "Intro");
    form<frmPlayBackManager>().show();
    playbackFrame().clkAddPlaybackControl(2, false, true, false);
    frmPlayBackControl* w = form<frmPlayBackManager>().playbackWindow(2);
    const int width = w->width();
    playbackFrame().refreshShortcuts(0, true); // as after a show load
    EXPECT_EQ(w->cmdShortcut.size(), 1u);
    EXPECT_FALSE(w->frmShorstcuts->isVisible());
    EXPECT_EQ(w->width(), width);
    w->clkShowShortcuts->trigger();
    EXPECT_TRUE(w->frmShorstcuts->isVisibleTo(w));
}

TEST_F(ShortcutPanel, aFocusedButtonShowsItsCaptionInBold) {
    saveFor(2, "Intro");
    QPushButton* b = panelOf(2)->cmdShortcut.at(0);
    QFocusEvent in(QEvent::FocusIn), out(QEvent::FocusOut);
    QCoreApplication::sendEvent(b, &in);
    EXPECT_TRUE(b->font().bold());
    QCoreApplication::sendEvent(b, &out);
    EXPECT_FALSE(b->font().bold());
}

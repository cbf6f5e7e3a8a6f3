// The console band on the main window, over a fake playback set: what the
// band itself decides (displays, the lock, pressed faces, the time-box entry,
// the step-name box's hold on the keys, its menus, its layout).

#include "console/console.h"
#include "console/consoleFakes.h"
#include "console/ui/ConsoleBand.h"
#include "console/ui/consoleMainWindowService.h"
#include "shell/services/effectsService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/shortcutsService.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"
#include "support/layoutCheck.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QMouseEvent>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class FakeEffects : public EffectsService {
public:
    QStringList calls;
    void showShapeBrowser(bool append) override { calls << QStringLiteral("browser(%1)").arg(append); }
    void strobeChaseButton(bool down) override { calls << QStringLiteral("strobe(%1)").arg(down); }
};

struct BandDesk {
    TestShell ts;
    FakePlaybacks& pb = ts.get().provide<PlaybackService>(std::make_unique<FakePlaybacks>());
    FakeSelection& sel = ts.get().provide<PatchService>(std::make_unique<FakeSelection>());
    FakeEffects& effects = ts.get().provide<EffectsService>(std::make_unique<FakeEffects>());
    Console& console = ts.get().engine<Console>();
    ConsoleBand* band = nullptr;

    BandDesk() {
        ts.get().state.resize(64);
        pb.documents = 3;
        ts.get().state.currentPlayback = 2;
        attachConsoleBand(ts.get());
        band = ConsoleBand::shown();
    }
    ~BandDesk() { unloadForm<Main>(); }
    MainWindowService& main() { return ts.get().mainWindow(); }
};

QStringList entryTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) out << a->text();
    return out;
}

QMenu* barMenu(Main& m, const QString& title) {
    for (QAction* a : m.menuBar()->actions())
        if (a->text() == title) return a->menu();
    return nullptr;
}

} // namespace

TEST(ConsoleBand, sitsOnTheMainWindowAndTakesItsDisplays) {
    BandDesk d;
    ASSERT_NE(d.band, nullptr);
    EXPECT_EQ(d.band->parentWidget(), loadedForm<Main>());
    EXPECT_TRUE(d.main().hasFadeTimeBoxes());
    // The time boxes start as the operator expects and read back what the playbacks write.
    const char* initial[6] = {"1.0", "1.0", "0", "0", "0", "0"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(d.main().mainFadeTimeText(i), QString::fromLatin1(initial[i])) << i;
    d.main().setMainFadeTimeText(2, QStringLiteral("0.5"));
    EXPECT_EQ(d.band->txtfadeTime[2]->text(), QStringLiteral("0.5"));
    EXPECT_EQ(d.main().mainFadeTimeText(6), QString());

    d.main().mainCommandCaption(QStringLiteral("Command"));
    d.main().mainBpmCaption(QStringLiteral(" 120 BPM"));
    d.main().updateSequenceDetails(QStringLiteral("Scene 4"));
    EXPECT_EQ(d.band->cmdShowProperties->text(), QStringLiteral("Command"));
    EXPECT_EQ(d.band->cmdBPM->text(), QStringLiteral(" 120 BPM"));
    EXPECT_EQ(d.band->txtSequenceDetails->text(), QStringLiteral("Scene 4"));

    d.main().mainDimmerSlider(100);
    EXPECT_EQ(d.band->sldrDimmer->value(), 100);
    EXPECT_EQ(d.band->lblPlaybackDimmer->text(), QStringLiteral("Playback Dimmer: 100%"));
    EXPECT_EQ(ConsoleBand::faceColour(d.band->sldrDimmer), 0xFAFAFA);
    // A dimmer shown from the playback is not sent back to it.
    EXPECT_TRUE(d.pb.calls.filter(QStringLiteral("setDimmer")).isEmpty());

    d.main().mainAutoFollowColour(0);
    EXPECT_EQ(ConsoleBand::faceColour(d.band->cmdAutoFollow), 0);
    d.main().mainBlackOutColour(0);
    EXPECT_TRUE(d.console.run.blackoutLatched);
}

TEST(ConsoleBand, theDimmerShownIsTheCurrentPlaybacksAndADragSetsIt) {
    BandDesk d;
    d.pb.dimmer[3] = 70;
    d.ts.get().state.currentPlayback = 3;
    d.main().returnSequenceNameForCurrentChaser();
    EXPECT_EQ(d.band->sldrDimmer->value(), 70);
    EXPECT_EQ(d.band->lblPlaybackDimmer->text(), QStringLiteral("Playback Dimmer: 70%"));
    EXPECT_TRUE(d.pb.calls.filter(QStringLiteral("setDimmer")).isEmpty());
    d.band->sldrDimmer->setValue(0);
    EXPECT_EQ(d.pb.dimmer[3], 0);
    EXPECT_EQ(ConsoleBand::faceColour(d.band->sldrDimmer), 0);
    EXPECT_EQ(d.band->lblPlaybackDimmer->text(), QStringLiteral("Playback Dimmer: 0%"));
}

TEST(ConsoleBand, stepNumberTakesTheSmallerTypeFromStepOneThousand) {
    BandDesk d;
    struct Case {
        const char* text;
        int points;
    } cases[] = {{"999:1200", 10}, {"1000:1200", 8}, {"0", 10}};
    for (const Case& c : cases) {
        d.main().mainStepNumber(QString::fromLatin1(c.text), 65280);
        EXPECT_EQ(d.band->stepNumber->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(d.band->stepNumber->font().pointSize(), c.points) << c.text;
    }
    EXPECT_EQ(d.console.run.stepNumberColour, 65280);
}

TEST(ConsoleBand, progressBarsNeverGetAZeroMaximumAndStayInRange) {
    BandDesk d;
    d.main().mainProgressMaximum(2, 0.0f);
    EXPECT_EQ(d.band->pBar[2]->maximum(), 1);
    d.main().mainProgressMaximum(0, 41.0f);
    d.main().mainProgressValue(0, 20.4f);
    EXPECT_EQ(d.band->pBar[0]->value(), 20);
    d.main().mainProgressValue(0, 99.0f);
    EXPECT_EQ(d.band->pBar[0]->value(), 41);
    d.main().mainFollowProgress(55);
    EXPECT_EQ(d.band->pBar[4]->value(), 55);
    // Bars outside 0..4 are no bars.
    d.main().mainProgressValue(7, 3.0f);
    d.main().mainProgressMaximum(-1, 3.0f);
}

TEST(ConsoleBand, lockDisablesTheProgrammingButtonsAndPrintsLocked) {
    BandDesk d;
    EXPECT_TRUE(d.main().mainProgrammingEnabled());
    d.main().setMainProgrammingLocked(true);
    EXPECT_FALSE(d.main().mainProgrammingEnabled());
    EXPECT_EQ(d.band->lblLocked->text(), QStringLiteral("LOCKED"));
    for (QWidget* w : std::initializer_list<QWidget*>{d.band->BTON, d.band->BT_OFf, d.band->cmdPause,
                                                      d.band->cmdAutoFollow, d.band->cmdSaveChanges, d.band->StepFoward,
                                                      d.band->StepPrevious, d.band->bt_store,
                                                      d.band->cmdRecordAndAddScene, d.band->cmdSceneList,
                                                      d.band->cmdEdit, d.band->cmdShowProperties, d.band->cmdCreateNew[1]})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    // The playback choice, the lock itself and NEW stay usable.
    EXPECT_TRUE(d.band->cmdOveride->isEnabled());
    EXPECT_TRUE(d.band->cmdAllPlaybacks->isEnabled());
    EXPECT_TRUE(d.band->cmdCreateNew[0]->isEnabled());
    d.main().setMainProgrammingLocked(false);
    EXPECT_TRUE(d.main().mainProgrammingEnabled());
    EXPECT_EQ(d.band->lblLocked->text(), QString());
}

TEST(ConsoleBand, aPressedButtonIsWhiteUntilLetGo) {
    BandDesk d;
    ConsoleBand::paint(d.band->cmdCreateNew[1], 0x404040);
    emit d.band->cmdCreateNew[1]->pressed();
    EXPECT_EQ(ConsoleBand::faceColour(d.band->cmdCreateNew[1]), 0xFFFFFF);
    emit d.band->cmdCreateNew[1]->released();
    emit d.band->cmdCreateNew[1]->clicked();
    EXPECT_EQ(ConsoleBand::faceColour(d.band->cmdCreateNew[1]), 0x404040);
    EXPECT_EQ(d.pb.calls.filter(QStringLiteral("fadeOut(2)")).size(), 1);
}

TEST(ConsoleBand, buttonsReachTheCurrentPlaybackAndShowTheEnginesState) {
    BandDesk d;
    d.band->BTON->click();
    EXPECT_EQ(d.pb.calls.filter(QStringLiteral("play(2)")).size(), 1);
    d.band->cmdAllPlaybacks->click();
    EXPECT_EQ(d.pb.priority[2], 10);
    EXPECT_EQ(ConsoleBand::faceColour(d.band->cmdAllPlaybacks), RunControls::red);
    d.band->cmdAllPlaybacks->click();
    EXPECT_EQ(d.band->cmdAllPlaybacks->text(), QStringLiteral("Programmer - 2"));
    d.band->cmdCreateNew[0]->click();
    EXPECT_EQ(d.band->cmdAllPlaybacks->text(), QStringLiteral("New Sequence"));
    d.band->bt_store->click();
    EXPECT_EQ(d.band->cmdSaveChanges->text(), QStringLiteral("Save Changes As Button"));
}

TEST(ConsoleBand, sceneListJumpsToTheChosenStepOnAutoTrigger) {
    BandDesk d;
    d.pb.steps[2] = 3;
    emit d.band->sceneMenu->aboutToShow();
    EXPECT_EQ(entryTexts(d.band->sceneMenu),
              QStringList({QStringLiteral("Look 1"), QStringLiteral("Look 2"), QStringLiteral("Look 3")}));
    d.pb.calls.clear();
    d.band->sceneMenu->actions().at(1)->trigger();
    EXPECT_EQ(d.pb.calls, QStringList({QStringLiteral("fadeTo(2,2)"), QStringLiteral("mode(2,0)")}));
}

TEST(ConsoleBand, saveMultiNeedsTwoActivePlaybacks) {
    BandDesk d;
    d.band->cmdSaveMulti->click();
    EXPECT_EQ(d.ts.prompts().messages,
              QStringList({QStringLiteral("More Than 1 Playback must be active to Save Multi button")}));
}

TEST(ConsoleBand, aTimeBoxOpensTheKeypadAtTheMainWindowsLowerRightCorner) {
    BandDesk d;
    struct Keypads : ShortcutsService {
        QStringList opened;
        void showTimeKeypad(const QString& target, int32_t index, int32_t right, int32_t bottom) override {
            opened << QStringLiteral("%1,%2,%3,%4").arg(target).arg(index).arg(right).arg(bottom);
        }
    };
    Keypads& keypads = d.ts.get().provide<ShortcutsService>(std::make_unique<Keypads>());
    const QRect main = d.band->window()->frameGeometry();
    for (int box : {0, 3, 5}) {
        QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(d.band->txtfadeTime[size_t(box)], &click);
    }
    const QString corner = QStringLiteral("%1,%2").arg(main.right() - 43).arg(main.bottom() - 23);
    EXPECT_EQ(keypads.opened, QStringList({"txtfadeTime,0," + corner, "txtfadeTime,3," + corner,
                                           "txtfadeTime,5," + corner}));
    // Nothing is written until the keypad's Enter.
    EXPECT_TRUE(d.ts.prompts().messages.isEmpty());
    EXPECT_TRUE(d.pb.calls.filter(QStringLiteral("SendMefadeTimeFromMain")).isEmpty());
}

TEST(ConsoleBand, keysReachTheConsoleExceptWhileAStepIsBeingNamed) {
    BandDesk d;
    Main& main = *loadedForm<Main>();
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(&main, &space);
    QKeyEvent spaceUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(&main, &spaceUp);
    EXPECT_EQ(d.effects.calls, QStringList({QStringLiteral("strobe(1)"), QStringLiteral("strobe(0)")}));

    // Shift+Esc on release is CLEAR ALL.
    QKeyEvent escUp(QEvent::KeyRelease, Qt::Key_Escape, Qt::ShiftModifier);
    QApplication::sendEvent(&main, &escUp);
    EXPECT_EQ(d.pb.calls.filter(QStringLiteral("clear(")).size(), 3);

    // Typing a step name: the keys stay in the box.
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(d.band->txtSequenceDetails, &in);
    EXPECT_TRUE(main.sequenceDetailsHasFocus);
    EXPECT_TRUE(d.console.keys.sequenceDetailsHasFocus);
    d.effects.calls.clear();
    QApplication::sendEvent(&main, &space);
    EXPECT_TRUE(d.effects.calls.isEmpty());
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(d.band->txtSequenceDetails, &out);
    EXPECT_FALSE(main.sequenceDetailsHasFocus);
    EXPECT_FALSE(d.console.keys.sequenceDetailsHasFocus);
}

TEST(ConsoleBand, editMenuHoldsItsEntriesInOrder) {
    BandDesk d;
    EXPECT_EQ(entryTexts(d.band->editMenu),
              QStringList({QStringLiteral("Re-Create all assigned Sequences With updated Palete Preset information"),
                           QStringLiteral("Copy Scene"), QStringLiteral("Paste Scene"), QStringLiteral("Merge Scene"),
                           QStringLiteral("Insert Scene"), QStringLiteral("Insert Blackout Scene"),
                           QStringLiteral("Remove Scene"), QStringLiteral("Copy Sequence"),
                           QStringLiteral("Paste Sequence"), QStringLiteral("Show Embeded Preset Data"),
                           QStringLiteral("Merge Sequence")}));
    EXPECT_EQ(d.band->cmdEdit->menu(), d.band->editMenu);
    d.pb.calls.clear();
    for (QAction* a : d.band->editMenu->actions())
        if (a->text() == QStringLiteral("Copy Scene") || a->text() == QStringLiteral("Merge Scene")) a->trigger();
    EXPECT_EQ(d.pb.calls, QStringList({QStringLiteral("copyscene(2)")}));
}

TEST(ConsoleBand, shapesMenuSavesAndOpensTheBrowser) {
    BandDesk d;
    QMenu* shapes = barMenu(*loadedForm<Main>(), QStringLiteral("Shapes"));
    ASSERT_NE(shapes, nullptr);
    const QList<QAction*> entries = shapes->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("Save current fixtures shape"));
    entries[1]->trigger();
    entries[2]->trigger();
    EXPECT_EQ(d.effects.calls, QStringList({QStringLiteral("browser(1)"), QStringLiteral("browser(0)")}));
    // No fixture selected: the save asks for a file, and a cancelled dialog writes nothing.
    entries[0]->trigger();
    EXPECT_FALSE(d.ts.prompts().fileRequests.empty());
}

TEST(ConsoleBand, mainWindowWithTheBandKeepsItsControlsApart) {
    BandDesk d;
    Main& main = *loadedForm<Main>();
    for (int points : {9, 14})
        EXPECT_EQ(layoutCheck::problemsAtFontSize(main, points).join(QLatin1Char('\n')).toStdString(), "")
            << points << " pt";
}

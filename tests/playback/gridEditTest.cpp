// Editing the step grid of a playback window: what a click on each column
// opens, the scene-name box, and a keypad value taken into the current step.

#include "engineFixture.h"

#include "playback/playbackFrame.h"
#include "playback/ui/frmPlayBackControl.h"
#include "playback/ui/frmPlayBackManager.h"
#include "playbackTestSupport.h"
#include "shell/ui/windowRegistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QTableWidget>

using namespace engineTest;

namespace {

// The keypad as the grid opens it: target, column and top-left corner.
struct KeypadCalls : ShortcutsService {
    QStringList calls;
    void showTimeKeypadAt(const QString& target, int32_t index, int32_t left, int32_t top) override {
        calls << QStringLiteral("%1(%2) at %3,%4").arg(target).arg(index).arg(left).arg(top);
    }
};

class GridEditTest : public EngineTest {};

TEST_F(GridEditTest, EachColumnOpensItsEditorAndEveryClickHoldsTheNextAdvance) {
    load({{10}, {20}, {30}}, 1.5f, 2.0f);
    eng.state.sceneNames[2] = QStringLiteral("Warm");
    eng.state.currentStep = 1;
    KeypadCalls& keypad = playbackTest::fake<ShortcutsService, KeypadCalls>();
    frmPlayBackControl w(eng);
    w.show();
    struct Case {
        int row, col;
        const char* keypad;  // "" not opened
        bool nameBox;        // the scene-name box shown with the cell's text
        int selectedColumn;  // -1: the selection stays where it was
    } cases[] = {
        {2, 2, "theGrid(2) at 40,50", false, 2},
        {3, 7, "theGrid(7) at 40,50", false, 7},
        {2, 6, "theGrid(6) at 40,50", false, 6},
        {2, 1, "", true, 1},
        {3, 8, "", false, 8}, // the command cell of the current step
        {2, 0, "", false, 0},
        {4, 2, "", false, -1}, // past the last step
        {0, 3, "", false, -1}, // the headings
    };
    for (const Case& c : cases) {
        keypad.calls.clear();
        w.txtSceneName->hide();
        w.msfgSequenceDetail->setCurrentCell(1, 0);
        eng.state.gridClicked = false;
        w.msfgSequenceDetail_Click(c.row, c.col, QPoint(40, 50));
        EXPECT_TRUE(eng.state.gridClicked) << c.row << "," << c.col;
        EXPECT_EQ(keypad.calls.join(','), QString::fromLatin1(c.keypad)) << c.row << "," << c.col;
        EXPECT_EQ(w.txtSceneName->isVisible(), c.nameBox) << c.row << "," << c.col;
        // The command column selects the current step's row, the others the clicked one.
        const int selectedRow = c.selectedColumn < 0 ? 1 : c.col == 8 ? eng.state.currentStep : c.row;
        EXPECT_EQ(w.msfgSequenceDetail->currentRow(), selectedRow) << c.row << "," << c.col;
        EXPECT_EQ(w.msfgSequenceDetail->currentColumn(), std::max(c.selectedColumn, 0)) << c.row << "," << c.col;
    }
    EXPECT_EQ(eng.state.currentStep, 1);
    // A time column hides the name box.
    w.msfgSequenceDetail_Click(2, 1, QPoint(40, 50));
    ASSERT_TRUE(w.txtSceneName->isVisible());
    EXPECT_EQ(w.txtSceneName->text(), QStringLiteral("[2] Warm"));
    w.msfgSequenceDetail_Click(2, 3, QPoint(40, 50));
    EXPECT_FALSE(w.txtSceneName->isVisible());
}

TEST_F(GridEditTest, AClickedGridKeepsTheCurrentStepOnTheNextAdvance) {
    load({{10}, {20}, {30}}, 0.5f, 0.5f);
    frmPlayBackControl w(eng);
    eng.state.currentStep = 2;
    w.msfgSequenceDetail_Click(3, 0, QPoint());
    eng.advanceToNextStep(false);
    EXPECT_EQ(eng.state.currentStep, 2);
    EXPECT_EQ(eng.state.nextStep, 1);
    EXPECT_FALSE(eng.state.gridClicked);
    eng.advanceToNextStep(false);
    EXPECT_EQ(eng.state.currentStep, 3);
}

TEST_F(GridEditTest, EnterInTheNameBoxNamesTheCurrentStep) {
    load({{10}, {20}}, 1.0f, 1.0f);
    eng.state.currentStep = 1;
    frmPlayBackControl w(eng);
    w.show();
    // The operator's click on the name cell of row 2.
    QWidget* cells = w.msfgSequenceDetail->viewport();
    const QPointF at = w.msfgSequenceDetail->visualItemRect(w.msfgSequenceDetail->item(2, 1)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, cells->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(cells, &e);
    }
    EXPECT_TRUE(eng.state.gridClicked);
    ASSERT_TRUE(w.txtSceneName->isVisible());
    EXPECT_EQ(w.txtSceneName->text(), QStringLiteral("2"));
    EXPECT_EQ(w.txtSceneName->geometry(), w.msfgSequenceDetail->visualItemRect(w.msfgSequenceDetail->item(2, 1)));
    w.txtSceneName->setText(QStringLiteral("[2] Blue"));
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w.txtSceneName, &up);
    EXPECT_FALSE(w.txtSceneName->isVisible());
    // The clicked row shows the text; the current step takes the name.
    EXPECT_EQ(w.msfgSequenceDetail->item(2, 1)->text(), QStringLiteral("[2] Blue"));
    EXPECT_EQ(eng.state.sceneNames[1], QStringLiteral("[2] Blue"));
    EXPECT_TRUE(eng.state.sceneNames[2].isEmpty());
}

TEST_F(GridEditTest, CellsReadBackIntoTheCurrentStepUntilOneIsNoNumber) {
    load({{10}, {20}}, 1.0f, 1.0f);
    eng.state.currentStep = 2;
    // One cell: its own table only, the sequence copy stays.
    EXPECT_TRUE(eng.updateTimingValues(2, QStringLiteral("2.5")));
    EXPECT_FLOAT_EQ(eng.state.fadeUpTimes[2], 2.5f);
    EXPECT_FLOAT_EQ(eng.state.sequenceFadeUpTimes[2], 1.0f);
    EXPECT_TRUE(eng.updateTimingValues(6, QStringLiteral("2.5")));
    EXPECT_EQ(eng.state.nextScenes[2], 2); // halves to the even number
    EXPECT_TRUE(eng.updateTimingValues(1, QStringLiteral("Warm")));
    EXPECT_TRUE(eng.updateTimingValues(8, QStringLiteral("Goto Step")));
    EXPECT_FALSE(eng.updateTimingValues(3, QStringLiteral("abc")));
    EXPECT_FLOAT_EQ(eng.state.fadeDownTimes[2], 1.0f);

    // The row: fade up, fade down, delay down, delay up, next, follow.
    EXPECT_FALSE(eng.updateValuesForRow({"2", "n", "03.5", "4", "x", "6", "1", "7"}));
    EXPECT_FLOAT_EQ(eng.state.sequenceFadeUpTimes[2], 3.5f);
    EXPECT_FLOAT_EQ(eng.state.fadeDownTimes[2], 4.0f);
    EXPECT_FLOAT_EQ(eng.state.delayDownTimes[2], 6.0f);
    EXPECT_FLOAT_EQ(eng.state.delayUpTimes[2], 0.0f); // stopped here
    EXPECT_TRUE(eng.updateValuesForRow({"2", "n", "1", "2", "3", "4", "1", "5", ""}));
    EXPECT_FLOAT_EQ(eng.state.delayUpTimes[2], 3.0f);
    EXPECT_EQ(eng.state.nextScenes[2], 1);
    EXPECT_FLOAT_EQ(eng.state.followTimes[2], 5.0f);
    // No current step: nothing is taken.
    eng.state.currentStep = 0;
    EXPECT_FALSE(eng.updateValuesForRow({"0", "n", "9", "9", "9", "9", "0", "9"}));
    EXPECT_FALSE(eng.updateTimingValues(2, QStringLiteral("9")));
    EXPECT_FLOAT_EQ(eng.state.fadeUpTimes[0], 0.0f);
}

} // namespace

// The keypad's value reaches the active playback window through the frame.
TEST(GridKeypad, AValueForTheActiveWindowChangesTheCurrentStepsFadeUpTime) {
    TestShell t;
    playbackTest::makeShow(1);
    auto& window = form<frmPlayBackManager>();
    window.show();
    PlaybackFrame& frame = playbackFrame();
    frame.clkAddPlaybackControl(1, false, true, false);
    PlaybackEngine& e = *frame.playback(1);
    playbackTest::program(e, 1, 3);
    playbackTest::times(e, 2, 1.0f, 1.0f);
    e.state.currentStep = 2;
    frmPlayBackControl* w = window.playbackWindow(1);
    ASSERT_NE(w, nullptr);
    w->displaySequenceData();
    // No playback window active: nothing taken.
    window.mdiArea()->setActiveSubWindow(nullptr);
    EXPECT_FALSE(shell().playback().enterGridValue(2, 2.5));
    window.mdiArea()->setActiveSubWindow(window.subWindowOf(1));

    w->msfgSequenceDetail_Click(2, 2, QPoint());
    EXPECT_TRUE(shell().playback().enterGridValue(2, 2.456));
    EXPECT_EQ(w->msfgSequenceDetail->item(2, 2)->text(), QStringLiteral("2.46"));
    EXPECT_FLOAT_EQ(e.state.fadeUpTimes[2], 2.46f);
    EXPECT_FLOAT_EQ(e.state.sequenceFadeUpTimes[2], 2.46f);
    EXPECT_FLOAT_EQ(e.state.fadeDownTimes[2], 1.0f);
    unloadForm<frmPlayBackManager>();
}

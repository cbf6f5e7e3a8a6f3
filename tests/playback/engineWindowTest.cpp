// The playback window opens offscreen, mirrors its engine and drives it.

#include "engineFixture.h"

#include "playback/ui/frmPlayBackControl.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QCoreApplication>
#include <QMouseEvent>

using namespace engineTest;

namespace {

class WindowTest : public EngineTest {};

TEST_F(WindowTest, ButtonsDriveTheEngineAndControlsMirrorIt) {
    load({{10}, {20}, {30}}, 0.5f, 0.5f);
    frmPlayBackControl w(eng);
    w.show();
    w.cmdGo->click();
    EXPECT_TRUE(eng.state.isRunning);
    ticks(1);
    EXPECT_EQ(w.lblStepNumber->text(), QStringLiteral("1:3"));
    EXPECT_EQ(w.pbFadeIn->maximum(), 10);

    w.cmdFoward->click();
    EXPECT_EQ(eng.state.currentStep, 2);
    EXPECT_EQ(w.lblStepNumber->text(), QStringLiteral("2:3"));

    w.optMode[1]->click();
    EXPECT_EQ(eng.getTriggerType(), 3);
    eng.setTriggerType(1);
    EXPECT_TRUE(w.optMode[0]->isChecked());

    w.sliderDimmer->setValue(40); // an operator's drag
    EXPECT_EQ(eng.getDimmerValue(), 40);
    eng.setTheSliderValue(70); // set from code: mirrored, not fed back
    EXPECT_EQ(w.sliderDimmer->value(), 70);

    w.cmdClear->click();
    EXPECT_EQ(w.lblStepNumber->text(), QStringLiteral("0"));
    EXPECT_EQ(w.sliderDimmer->value(), 100);
}

TEST_F(WindowTest, SequenceGridShowsSteps) {
    load({{10}, {20}}, 1.5f, 2.0f);
    eng.state.sceneNames[1] = QStringLiteral("Warm");
    eng.state.nextScenes[2] = 1;
    eng.state.followTimes[2] = 12.25f;
    eng.state.stepCommands[2] = QStringLiteral(" 4 ,3");
    frmPlayBackControl w(eng);
    const QTableWidget* g = w.msfgSequenceDetail;
    ASSERT_EQ(g->rowCount(), 3);
    auto cell = [g](int r, int c) { return g->item(r, c)->text(); };
    EXPECT_EQ(cell(0, 0), QStringLiteral("Step"));
    EXPECT_EQ(cell(0, 8), QStringLiteral("Command"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("[1] Warm"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("2"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("01.5"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("02.0"));
    EXPECT_EQ(cell(2, 6), QStringLiteral("1"));
    EXPECT_EQ(cell(2, 7), QStringLiteral("12.25"));
    EXPECT_EQ(cell(2, 8), QStringLiteral("Goto Step"));
    EXPECT_EQ(cell(1, 8), QString());
}

TEST_F(WindowTest, RightButtonOnBeatHoldsThenAdvances) {
    load({{10}, {20}, {30}}, 0.5f, 0.5f);
    frmPlayBackControl w(eng);
    w.show();
    eng.state.currentStep = 1;
    eng.state.isRunning = true;
    auto send = [&](QEvent::Type type) {
        const QPointF at(2, 2);
        QMouseEvent e(type, at, w.cmbBeatSync->mapToGlobal(at), Qt::RightButton,
                      type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.cmbBeatSync, &e);
    };
    send(QEvent::MouseButtonPress);
    EXPECT_FALSE(eng.state.isRunning);
    send(QEvent::MouseButtonRelease);
    EXPECT_TRUE(eng.state.isRunning);
    EXPECT_EQ(eng.state.currentStep, 2);
}

TEST_F(WindowTest, fadeSlidersCrossfadeByHandAndTheCommandCellCanBeSelected) {
    load({{0}, {200}}, 1.0f, 1.0f);
    frmPlayBackControl w(eng);
    w.show();
    startStep(1, 2);
    w.refreshFromEngine();
    ASSERT_EQ(w.pbFadeIn->maximum(), 20);
    w.pbFadeIn->setSliderDown(true); // the operator drags it to the end
    w.pbFadeIn->setSliderPosition(20);
    w.pbFadeIn->setSliderDown(false);
    EXPECT_FALSE(eng.state.isRunning);
    EXPECT_EQ(out(dim1), 200);
    eng.state.currentStep = 2;
    ASSERT_TRUE(eng.hasView());
    eng.view().showEditCommandDialog();
    EXPECT_EQ(w.msfgSequenceDetail->currentRow(), 2);
    EXPECT_EQ(w.msfgSequenceDetail->currentColumn(), 8);
}

} // namespace

#include "audio/ui/BeatDetect.h"
#include "audioFixture.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/ui/windowRegistry.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QKeyEvent>
#include <QToolButton>

using namespace audioTest;

namespace {
struct WindowFixture : Fixture {
    BeatDetect& window() {
        detector();
        attachAudioTriggerWindow(t.get());
        shell().audio().showAudioTrigger();
        return *loadedForm<BeatDetect>();
    }
};
} // namespace

TEST(AudioTriggerWindow, showsTheEngineAndCallsIt) {
    WindowFixture f;
    BeatDetect& w = f.window();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Audio Trigger"));
    EXPECT_TRUE(shell().audio().audioTriggerVisible());
    EXPECT_EQ(w.DevicesBox->text(), QStringLiteral("Sound Device"));
    ASSERT_EQ(w.devicesMenu->actions().size(), 1);
    w.devicesMenu->actions()[0]->trigger();
    EXPECT_EQ(w.DevicesBox->text(), QStringLiteral("Line In"));
    EXPECT_EQ(w.bandStart->text(), QStringLiteral("60 Hz"));
    EXPECT_EQ(w.thresholdValue->text(), QStringLiteral("25.00"));
    EXPECT_TRUE(w.responseItems[2]->isChecked());

    w.StartButton->click();
    EXPECT_EQ(w.StartButton->text(), QStringLiteral("Stop Audio In"));
    EXPECT_TRUE(w.StartButton->styleSheet().contains(QStringLiteral("QPushButton#StartButton")));
    EXPECT_FALSE(w.DevicesBox->isEnabled());
    EXPECT_TRUE(w.cmdSkip[2]->isEnabled());
    f.tick(quiet()); // queues the first block
    f.tick(loud());
    EXPECT_GT(w.volBar->value(), 0);
    EXPECT_EQ(w.cmdBPM->text(), QStringLiteral("120 BPM"));

    // The sliders and menus reach the engine.
    w.Slider2->setValue(9);
    EXPECT_EQ(f.detector().bandStart, 9);
    EXPECT_EQ(w.bandStart->text(), QStringLiteral("90 Hz"));
    w.styleItems[2]->trigger(); // Rap
    EXPECT_EQ(w.Slider2->value(), 4);
    EXPECT_EQ(w.Combo1->currentText(), QStringLiteral("2"));
    EXPECT_TRUE(w.styleItems[2]->isChecked());
    EXPECT_FALSE(w.styleItems[0]->isChecked());
    w.cmdSkip[3]->click();
    EXPECT_EQ(f.detector().skipTargetValue(), 64);
    QKeyEvent five(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    QApplication::sendEvent(w.Combo1, &five);
    EXPECT_EQ(f.detector().skipText, QStringLiteral("0"));
    EXPECT_EQ(f.detector().skipTargetValue(), 64) << "typing does not change the skip in force";
}

TEST(AudioTriggerWindow, closingWhileListeningStopsFirstAndASecondCloseUnloads) {
    WindowFixture f;
    BeatDetect& w = f.window();
    f.detector().DevicesBox_MenuClick(0);
    w.StartButton->click();
    w.move(200, 100);
    EXPECT_FALSE(w.close()) << "the first close only stops listening";
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.StartButton->text(), QStringLiteral("Start Audio In"));
    EXPECT_FALSE(f.t.placement().values.isEmpty()) << "the place is stored either way";
    EXPECT_TRUE(w.close());
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<BeatDetect>(), nullptr);
    EXPECT_EQ(miscGlobalFunctions::readIniValue(f.ini(), QStringLiteral("Audio Trigger"), QStringLiteral("Range")),
              QStringLiteral("8"));
    // Shown again: loaded again from the settings.
    BeatDetect& again = f.window();
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(again.DevicesBox->text(), QStringLiteral("Line In"));
}

TEST(AudioTriggerWindow, aWindowParkedAt45000TwipsKeepsItsStoredPlace) {
    WindowFixture f;
    BeatDetect& w = f.window();
    w.move(3000, 3000); // 45000 twips
    f.t.placement().values.clear();
    w.close();
    EXPECT_TRUE(f.t.placement().values.isEmpty());
}

// What the band's controls do: each calls the console engine or the
// playback service for the current playback, then shows the engine's state.

#include "console/ui/ConsoleBand.h"

#include "console/console.h"
#include "platform/prompts.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowMenu.h"
#include "shell/ui/windowRegistry.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

namespace {
int32_t current() { return shell().state.currentPlayback; }

// Runs an engine action and shows what it left.
template <typename F> void act(ConsoleBand* band, F&& f) {
    if (Console* c = ConsoleBand::engine()) {
        f(*c);
        band->refresh();
    }
}
} // namespace

void ConsoleBand::pressedFace(QPushButton* b) {
    connect(b, &QPushButton::pressed, this, [this, b] {
        pressedFaceMemory = faceColour(b);
        paint(b, 0xFFFFFF);
    });
    connect(b, &QPushButton::released, this, [this, b] {
        if (pressedFaceMemory >= 0) paint(b, pressedFaceMemory);
        else b->setStyleSheet(QString());
    });
}

void ConsoleBand::connectRunControls() {
    for (QPushButton* b : {BTON, BT_OFf, cmdPause, StepFoward, StepPrevious, cmdCreateNew[0], cmdCreateNew[1],
                           cmdCreateNew[2]})
        pressedFace(b);
    connect(BTON, &QPushButton::clicked, this, [this] { act(this, [](Console& c) { c.run.go(); }); });
    // The release acts on the press, as the operator expects of a stop.
    connect(BT_OFf, &QPushButton::pressed, this, [this] { act(this, [](Console& c) { c.BT_OFf_MouseDown(1); }); });
    connect(cmdPause, &QPushButton::clicked, this, [this] { act(this, [](Console& c) { c.run.pause(); }); });
    connect(StepFoward, &QPushButton::clicked, this, [this] { act(this, [](Console& c) { c.run.stepForward(); }); });
    connect(StepPrevious, &QPushButton::clicked, this, [this] { act(this, [](Console& c) { c.run.stepBack(); }); });

    connect(playbackMenu, &QMenu::aboutToShow, this, [this] { windowMenuUi::fillLoadedPlaybacksMenu(playbackMenu); });
    connect(playbackMenu, &QMenu::triggered, this, [this](QAction* a) { choosePlayback(a->text()); });
    connect(cmdAllPlaybacks, &QPushButton::clicked, this, [this] { act(this, [](Console& c) { c.run.toggleLock(); }); });
    connect(cmdBlackOut, &QPushButton::clicked, this, [this] { act(this, [](Console& c) { c.run.toggleBlackout(); }); });
    connect(cmdAutoFollow, &QPushButton::clicked, this, [this] { act(this, [](Console& c) { c.run.toggleAutoGo(); }); });
    connect(cmdBPM, &QPushButton::pressed, this, [this] {
        paint(cmdBPM, 255);
        shell().playback().theBeat(true);
    });
    connect(cmdBPM, &QPushButton::released, this, [this] { paint(cmdBPM, 0x404040); });
    for (int32_t i = 0; i < 3; ++i)
        connect(cmdCreateNew[size_t(i)], &QPushButton::clicked, this, [this, i] {
            act(this, [i](Console& c) { c.run.cmdCreateNew_Click(i); });
            if (i == 2) txtSequenceDetails->setText(engine() ? engine()->run.sequenceDetails : QString());
        });
    connect(cmdSaveMulti, &QPushButton::clicked, this, [] {
        if (shell().playback().returnNumberOfPlaybacksActive() < 2)
            shell().prompts().messageBox(QStringLiteral("More Than 1 Playback must be active to Save Multi button"));
        else shell().shortcuts().showMultiWizard(QStringLiteral("multiPlaybackMode"));
    });
    connect(sceneMenu, &QMenu::aboutToShow, this, [this] { fillSceneList(); });
    connect(sceneMenu, &QMenu::triggered, this, [](QAction* a) {
        PlaybackService& pb = shell().playback();
        pb.fadeFromCurrentOverride(current(), a->data().toInt(), 0);
        pb.setChaseMode(current(), 0, false);
    });
    connect(cmdShowProperties, &QPushButton::clicked, this, [] { shell().playback().ShowEditCommandDialog(current()); });
    connect(txtSequenceDetails, &QLineEdit::textChanged, this,
            [](const QString& text) { shell().playback().setSceneName(current(), 0, text); });
}

void ConsoleBand::choosePlayback(const QString& caption) {
    act(this, [&caption](Console& c) { c.run.choosePlayback(caption); });
    shell().presets().refreshButtons();
}

void ConsoleBand::fillSceneList() {
    sceneMenu->clear();
    PlaybackService& pb = shell().playback();
    const int32_t steps = pb.getMaxSteps(current());
    for (int32_t i = 1; i <= steps; ++i) sceneMenu->addAction(pb.getSceneName(current(), i).trimmed())->setData(i);
}

void ConsoleBand::connectRecording() {
    for (QPushButton* b : {bt_store, cmdRecordAndAddScene, cmdSaveChanges}) pressedFace(b);
    connect(bt_store, &QPushButton::clicked, this, [this] { act(this, [](Console& c) { c.bt_store_Click(); }); });
    connect(cmdRecordAndAddScene, &QPushButton::clicked, this,
            [this] { act(this, [](Console& c) { c.cmdRecordAndAddScene_Click(); }); });
    connect(cmdSaveChanges, &QPushButton::clicked, this, [this] { act(this, [](Console& c) { c.SaveSeq_Click(); }); });
}

void ConsoleBand::connectTiming() {
    // A time typed into a box must be a time: a negative or non-number entry
    // is refused with the message the keypad gives and the box keeps its
    // last good value. (The sixth box holds a step number, not a time.)
    for (int32_t i = 0; i < 5; ++i) {
        QLineEdit* box = txtfadeTime[size_t(i)];
        box->setProperty("lastGood", box->text());
        connect(box, &QLineEdit::editingFinished, this, [box] {
            bool ok = false;
            const double v = box->text().trimmed().toDouble(&ok);
            if (ok && v >= 0 && v <= 1000) {
                box->setProperty("lastGood", box->text());
                return;
            }
            box->setText(box->property("lastGood").toString());
            shell().prompts().messageBox(QStringLiteral("Invalid value, please try again"));
        });
        connect(box, &QLineEdit::textChanged, this, [box](const QString& text) {
            if (!box->isModified()) box->setProperty("lastGood", text); // written by the engine, not typed
        });
    }
    connect(sldrDimmer, &QSlider::valueChanged, this, [this](int v) {
        if (mirroring) return;
        act(this, [v](Console& c) { c.times.dimmerChanged(v, true); });
    });
    connect(sldrFadetime, &QSlider::valueChanged, this, [this](int v) {
        if (mirroring) return;
        act(this, [v](Console& c) { c.times.fadeTimeChanged(v); });
    });
    connect(sldrFadetime, &QSlider::sliderPressed, this, [this] { act(this, [](Console& c) { c.times.fadeTimeMouseDown(); }); });
    connect(sldrFadetime, &QSlider::sliderReleased, this, [this] { act(this, [](Console& c) { c.times.fadeTimeMouseUp(); }); });
    connect(chkUseFadetime, &QCheckBox::clicked, this,
            [this](bool on) { act(this, [on](Console& c) { c.times.setUseFadetime(on); }); });
    connect(chkFade, &QCheckBox::clicked, this, [this](bool on) { act(this, [on](Console& c) { c.times.setFadeScenes(on); }); });
}

// The keypad opens at the main window's lower right corner (350 and 650 twips in).
void ConsoleBand::timeBoxClicked(int32_t index) {
    const QRect main = window()->frameGeometry();
    shell().shortcuts().showTimeKeypad(QStringLiteral("txtfadeTime"), index, main.right() - 650 / 15,
                                       main.bottom() - 350 / 15);
}

void ConsoleBand::setSequenceDetailsFocus(bool focus) {
    if (Console* c = engine()) c->keys.sequenceDetailsHasFocus = focus;
    if (Main* m = loadedForm<Main>()) m->sequenceDetailsHasFocus = focus;
}

bool ConsoleBand::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtSequenceDetails) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress: setSequenceDetailsFocus(true); break;
        case QEvent::FocusOut: setSequenceDetailsFocus(false); break;
        default: break;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        for (int32_t i = 0; i < 6; ++i)
            if (watched == txtfadeTime[size_t(i)]) {
                timeBoxClicked(i);
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

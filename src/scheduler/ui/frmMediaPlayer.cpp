#include "scheduler/ui/frmMediaPlayer.h"

#include "platform/mediaPlayer.h"
#include "platform/monitors.h"
#include "platform/ui/keyCodes.h"
#include "scheduler/schedulerSubsystem.h"
#include "shell/services/controlService.h"
#include "shell/services/supportService.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowFunctions.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QStackedLayout>
#include <QVideoWidget>

frmMediaPlayer::frmMediaPlayer() : engine(scheduler::mediaWindow()) {
    setObjectName(QStringLiteral("frmMediaPlayer"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("frmMediaPlayer#frmMediaPlayer { background-color: black; }"));
    setAttribute(Qt::WA_StyledBackground);
    MediaPlayer1 = new QVideoWidget(this);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    MediaPlayer2 = new QVideoWidget(this);
    MediaPlayer2->setObjectName(QStringLiteral("MediaPlayer2"));
    stack = new QStackedLayout(this);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(MediaPlayer1);
    stack->addWidget(MediaPlayer2);
    MediaPlayer1->hide();
    MediaPlayer2->hide();
    if (MediaPlayer* p = engine.player(1)) p->setVideoOutput(MediaPlayer1);
    if (MediaPlayer* p = engine.player(2)) p->setVideoOutput(MediaPlayer2);
    clkMenu = new QMenu(QStringLiteral("menu"), this);
    clkMenu->addAction(QStringLiteral("Video Options"), this, [this] { clkVideoOptions_Click(); });
    clkMenu->addAction(QStringLiteral("Close Video Window"), this, [this] {
        engine.clkCloseWindow_Click();
        hide();
    });
    clkMenu->addAction(QStringLiteral("Move Window"), this, [this] { clkMoveWindow_Click(); });
    for (QVideoWidget* v : {MediaPlayer1, MediaPlayer2}) v->installEventFilter(this);
    resize(640, 360);
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
    Formontop::setFormOnTop(this, -1);
    engine.attach(this);
}

frmMediaPlayer::~frmMediaPlayer() {
    engine.detach(this);
    if (MediaPlayer* p = engine.player(1)) p->setVideoOutput(nullptr);
    if (MediaPlayer* p = engine.player(2)) p->setVideoOutput(nullptr);
}

void frmMediaPlayer::mediaWindowChanged() {
    MediaPlayer1->setVisible(engine.playerShown[0]);
    MediaPlayer2->setVisible(engine.playerShown[1]);
    setWindowTitle(engine.caption);
    if (!engine.visible) {
        hide();
        return;
    }
    if (!isVisible()) show();
    if (engine.minimised && !isMinimized()) showMinimized();
    else if (!engine.minimised && isMinimized()) showNormal();
}

// Centred on the chosen monitor, or covering it without a caption bar.
void frmMediaPlayer::clkVideoOptions_Click() {
    std::vector<QRect> monitors;
    if (Monitors* m = shell().monitors()) monitors = m->list();
    // The chooser also sets whether the video fills the monitor.
    const int32_t chosen = shell().support().showMonitorDialog(QStringLiteral("Choose a monitor"),
                                                               QStringLiteral("Virtual Desktop"), &engine.fullScreen);
    if (chosen < 1 || chosen > int32_t(monitors.size())) return;
    const QRect r = monitors[size_t(chosen - 1)];
    if (isMaximized()) showNormal();
    if (engine.fullScreen) {
        setWindowFlag(Qt::FramelessWindowHint, true);
        setGeometry(r);
    } else {
        setWindowFlag(Qt::FramelessWindowHint, false);
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    show();
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
}

void frmMediaPlayer::clkMoveWindow_Click() {
    setWindowFlag(Qt::FramelessWindowHint, false);
    showNormal();
}

void frmMediaPlayer::mousePressEvent(QMouseEvent*) { clkMenu->popup(QCursor::pos()); }

void frmMediaPlayer::keyPressEvent(QKeyEvent* event) {
    shell().control().shortcutKeyDown(keyCodes::keyCode(*event), keyCodes::shiftState(*event));
}

void frmMediaPlayer::keyReleaseEvent(QKeyEvent* event) {
    shell().control().shortcutKeyUp(keyCodes::keyCode(*event), keyCodes::shiftState(*event));
}

void frmMediaPlayer::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    QWidget::changeEvent(event);
}

void frmMediaPlayer::closeEvent(QCloseEvent* event) {
    if (engine.showingVideo || engine.fullScreen) miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    engine.unload();
    event->accept();
}

#pragma once
// The media window (frmMediaPlayer): no frame, black, above the others; it
// shows the picture of the player on screen, minimises for sound files and
// offers the Video Options, Close Video Window and Move Window menu.

#include "scheduler/mediaWindowEngine.h"

#include <QWidget>

class QMenu;
class QStackedLayout;
class QVideoWidget;

class frmMediaPlayer : public QWidget, public MediaWindowView {
    Q_OBJECT
public:
    frmMediaPlayer();
    ~frmMediaPlayer() override;
    void mediaWindowChanged() override;
    void clkVideoOptions_Click();
    void clkMoveWindow_Click();

    QVideoWidget* MediaPlayer1;
    QVideoWidget* MediaPlayer2;
    QMenu* clkMenu;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    MediaWindowEngine& engine;
    QStackedLayout* stack;
};

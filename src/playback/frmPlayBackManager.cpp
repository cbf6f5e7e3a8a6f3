#include "playback/frmPlayBackManager.h"

#include <QCloseEvent>
#include <QMdiArea>

frmPlayBackManager::frmPlayBackManager(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmPlayBackManager"));
    setWindowTitle(QStringLiteral("VarnelDMX"));
    area = new QMdiArea(this);
    setCentralWidget(area);
    resize(1024, 700);
}

void frmPlayBackManager::closeEvent(QCloseEvent* event) {
    // Closing the frame never unloads it: the program decides what follows.
    event->ignore();
    emit closeRequested();
}

#include "playback/frmPlayBackManager.h"

#include "playback/frmPlayBackControl.h"
#include "playback/playbackEngine.h"
#include "playback/playbackFrame.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QToolBar>

namespace {
const char* const toolTips[] = {
    "Start New Sequence on current Playback",
    "Save Sequence on Current Playback or Save Configuration if Main Window is Active",
    "New Show / Configuration",
    "Patch Fixtures",
    "Main DMX Window",
    "Fixture List",
    "Shape Generator",
    "Palletes",
    "Master Sequence Shortcuts",
    "Playback Submasters",
    "Fog Controller",
    "Main Scheduler",
    "Midi Scheduler",
    "DMX Input",
    "Media Player",
    "Audio Trigger",
    "3D Visualizer",
    "Sequence Wizard",
    "",
    "Master Dimmer",
    "Blackout",
};
const QString darkGrey = QStringLiteral("background-color: #404040;");
// The active playback window's own colour (BGR 16576).
const QString activeColour = QStringLiteral("background-color: rgb(192,64,0);");
} // namespace

frmPlayBackManager::frmPlayBackManager(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmPlayBackManager"));
    setWindowTitle(QStringLiteral("DMX Lighting Software"));
    area = new QMdiArea(this);
    setCentralWidget(area);
    resize(1024, 700);
    buildToolbar();
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));

    PlaybackFrame& frame = playbackFrame();
    frameEngine = &frame;
    for (int32_t i = 1; i <= frame.DocumentCount(); ++i) attach(*frame.slotAt(i));
    frame.onWindowCreated = [this](PlaybackWindowSlot& slot) { attach(slot); };
    frame.onWindowUnloaded = [this](PlaybackWindowSlot& slot) { detach(slot); };
    // Activating a playback window makes its playback the current one.
    connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
        if (!active) return;
        for (auto& [slot, sub] : subWindows) {
            if (sub != active) continue;
            shell().state.currentPlayback = slot->engine().myPlaybackNumber();
            resetBackColor();
            if (sub->widget()) sub->widget()->setStyleSheet(activeColour);
            return;
        }
    });
}

frmPlayBackManager::~frmPlayBackManager() {
    if (hasShell()) miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    // The shell unloads its windows before its engines, so the frame engine
    // is still there.
    frameEngine->onWindowCreated = nullptr;
    frameEngine->onWindowUnloaded = nullptr;
    while (!subWindows.empty()) detach(*subWindows.begin()->first);
}

void frmPlayBackManager::buildToolbar() {
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    int index = 1;
    for (const char* tip : toolTips) {
        QAction* action = Toolbar1->addAction(QString::number(index));
        action->setToolTip(QString::fromLatin1(tip));
        if (index == 19) {
            // The spacer keeps the last two buttons at the right-hand end.
            auto* spacer = new QWidget(Toolbar1);
            spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            Toolbar1->removeAction(action);
            action = Toolbar1->addWidget(spacer);
        }
        connect(action, &QAction::triggered, this, [this, index] {
            if (toolbarButtonClicked) toolbarButtonClicked(index);
        });
        ++index;
    }
}

void frmPlayBackManager::attach(PlaybackWindowSlot& slot) {
    if (subWindows.count(&slot)) return;
    auto* content = new frmPlayBackControl(slot.engine());
    QMdiSubWindow* sub = area->addSubWindow(content);
    sub->setWindowTitle(slot.caption());
    sub->installEventFilter(this);
    subWindows[&slot] = sub;
    slot.onVisibilityChanged = [sub](bool visible) { sub->setVisible(visible); };
    slot.onCaptionChanged = [sub](const QString& caption) { sub->setWindowTitle(caption); };
    slot.onFocus = [this, sub] { area->setActiveSubWindow(sub); };
    sub->setVisible(slot.visible());
}

void frmPlayBackManager::detach(PlaybackWindowSlot& slot) {
    auto it = subWindows.find(&slot);
    if (it == subWindows.end()) return;
    QMdiSubWindow* sub = it->second;
    subWindows.erase(it);
    slot.onVisibilityChanged = nullptr;
    slot.onCaptionChanged = nullptr;
    slot.onFocus = nullptr;
    sub->removeEventFilter(this);
    area->removeSubWindow(sub);
    delete sub;
}

frmPlayBackControl* frmPlayBackManager::playbackWindow(int32_t playbackNumber) const {
    QMdiSubWindow* sub = subWindowOf(playbackNumber);
    return sub ? qobject_cast<frmPlayBackControl*>(sub->widget()) : nullptr;
}

QMdiSubWindow* frmPlayBackManager::subWindowOf(int32_t playbackNumber) const {
    PlaybackWindowSlot* slot = frameEngine->findPlayback(playbackNumber);
    auto it = slot ? subWindows.find(slot) : subWindows.end();
    return it == subWindows.end() ? nullptr : it->second;
}

void frmPlayBackManager::resetBackColor() {
    for (auto& [slot, sub] : subWindows)
        if (sub->widget()) sub->widget()->setStyleSheet(darkGrey);
}

bool frmPlayBackManager::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        for (auto& [slot, sub] : subWindows) {
            if (sub != watched) continue;
            // Closing a playback window unloads it once the close event is
            // done; the frame drops it from its list, which removes this
            // sub-window.
            event->ignore();
            QPointer<QMdiSubWindow> closing(sub);
            QMetaObject::invokeMethod(this, [this, closing] {
                if (!closing) return;
                for (auto& [s, w] : subWindows)
                    if (w == closing.data()) { frameEngine->unloadPlayback(*s); return; }
            }, Qt::QueuedConnection);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmPlayBackManager::closeEvent(QCloseEvent* event) {
    // Closing the frame never unloads it: the program decides what follows.
    event->ignore();
    emit closeRequested();
}

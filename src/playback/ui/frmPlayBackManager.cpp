#include "playback/ui/frmPlayBackManager.h"

#include "playback/ui/frmPlayBackControl.h"
#include "playback/playbackEngine.h"
#include "playback/playbackFrame.h"
#include "shell/ui/windowFunctions.h"
#include "playback/ui/toolbarIcons.h"
#include "shell/libParsePath.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
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
const QString darkGrey = QStringLiteral("#404040");
// The active playback window's own colour (BGR 16576).
const QString activeColour = QStringLiteral("rgb(192,64,0)");
} // namespace

class frmPlayBackManager::SubWindowView : public PlaybackSlotView {
public:
    SubWindowView(QMdiArea* a, QMdiSubWindow* s) : area(a), sub(s) {}
    void visibilityChanged(bool visible) override { sub->setVisible(visible); }
    void captionChanged(const QString& caption) override { sub->setWindowTitle(caption); }
    void focus() override { area->setActiveSubWindow(sub); }

private:
    QMdiArea* area;
    QMdiSubWindow* sub;
};

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
    frame.setView(this);
    // Activating a playback window makes its playback the current one.
    connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
        if (!active) return;
        for (auto& [slot, sub] : subWindows) {
            if (sub != active) continue;
            const PlaybackState& st = slot->engine().state;
            shell().state.currentPlayback = st.myPlaybackNumber;
            MainWindowService& main = shell().mainWindow();
            main.setAllPlaybacksCaption(main.returnSequenceNameForCurrentChaser());
            shell().masters().showActivePlayback(st.myPlaybackNumber);
            resetBackColor();
            if (auto* w = qobject_cast<frmPlayBackControl*>(sub->widget())) w->setBackColour(activeColour);
            // No sequence loaded: the caption ends in " : ".
            frameEngine->setCaption(*slot, st.originalHeading + QStringLiteral(" : ") +
                                               libParsePath::ParsePath(st.theSequenceFilename, 4));
            return;
        }
    });
}

frmPlayBackManager::~frmPlayBackManager() {
    if (hasShell()) miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    // The shell unloads its windows before its engines, so the frame engine
    // is still there.
    frameEngine->setView(nullptr);
    while (!subWindows.empty()) detach(*subWindows.begin()->first);
}

bool frmPlayBackManager::playbackWindowActive() const {
    const QMdiSubWindow* active = area->activeSubWindow();
    return active && qobject_cast<frmPlayBackControl*>(active->widget()) != nullptr;
}

PlaybackWindowSlot* frmPlayBackManager::activePlaybackSlot() const {
    const QMdiSubWindow* active = area->activeSubWindow();
    if (!active || !qobject_cast<frmPlayBackControl*>(active->widget())) return nullptr;
    for (const auto& [slot, sub] : subWindows)
        if (sub == active) return slot;
    return nullptr;
}

void frmPlayBackManager::buildToolbar() {
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(32, 32));
    int index = 1;
    for (const char* tip : toolTips) {
        QAction* action = Toolbar1->addAction(toolbarIcon(index), QString::fromLatin1(tip));
        action->setToolTip(QString::fromLatin1(tip));
        if (index == 19) {
            // The spacer keeps the last two buttons at the right-hand end.
            auto* spacer = new QWidget(Toolbar1);
            spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            Toolbar1->removeAction(action);
            action = Toolbar1->addWidget(spacer);
        }
        connect(action, &QAction::triggered, this, [this, index] {
            emit toolbarButtonClicked(index);
            shell().mainWindow().toolbarButtonClick(index);
            updateToolbarStates();
        });
        toolbarActions.push_back(action);
        ++index;
    }
    updateToolbarStates();
}

void frmPlayBackManager::updateToolbarStates() {
    for (size_t i = 0; i < toolbarActions.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        if (index == 19) continue;
        QAction* action = toolbarActions[i];
        const bool available = shell().mainWindow().toolbarButtonAvailable(index);
        action->setEnabled(available);
        const QString tip = QString::fromLatin1(toolTips[i]);
        action->setToolTip(available ? tip : tip + QStringLiteral(" (Not available yet)"));
    }
}

QAction* frmPlayBackManager::toolbarButton(int index) const {
    if (index < 1 || index > static_cast<int>(toolbarActions.size())) return nullptr;
    return toolbarActions[static_cast<size_t>(index - 1)];
}

void frmPlayBackManager::attach(PlaybackWindowSlot& slot) {
    if (subWindows.count(&slot)) return;
    auto* content = new frmPlayBackControl(slot.engine());
    QMdiSubWindow* sub = area->addSubWindow(content);
    // Every playback window keeps its placement under the same name.
    sub->setObjectName(QStringLiteral("frmPlayBackControl"));
    sub->setWindowTitle(slot.caption());
    sub->installEventFilter(this);
    subWindows[&slot] = sub;
    auto view = std::make_unique<SubWindowView>(area, sub);
    slot.setView(view.get());
    subWindowViews[&slot] = std::move(view);
    sub->setVisible(slot.visible());
}

void frmPlayBackManager::detach(PlaybackWindowSlot& slot) {
    auto it = subWindows.find(&slot);
    if (it == subWindows.end()) return;
    QMdiSubWindow* sub = it->second;
    // An unloading playback window keeps its own placement, then the frame's.
    if (hasShell()) {
        miscGlobalFunctions::windowPlacement(sub, QStringLiteral("SET"));
        miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    }
    subWindows.erase(it);
    slot.setView(nullptr);
    subWindowViews.erase(&slot);
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
        if (auto* w = qobject_cast<frmPlayBackControl*>(sub->widget())) w->setBackColour(darkGrey);
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

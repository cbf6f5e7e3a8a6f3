#include "playback/ui/frmPlayBackControl.h"

#include "playback/playbackEngine.h"
#include "playback/playbackFrame.h"
#include "platform/prompts.h"
#include "playback/shortcutPanel.h"
#include "playback/ui/toolbarIcons.h"
#include "platform/ui/keyCodes.h"
#include "shell/services/schedulerService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/controlService.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"
#include "playback/sequenceFileIo.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/supportService.h"
#include "shell/shell.h"

#include <QButtonGroup>
#include <QCursor>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QGroupBox>
#include <QScrollArea>
#include <QActionGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

QSlider* progressSlider(QWidget* parent, const QString& name) {
    auto* s = new QSlider(Qt::Vertical, parent);
    s->setObjectName(name);
    s->setEnabled(false); // moved by the engine only
    s->setRange(0, 0);
    return s;
}

int sliderRange(float ticks) { return ticks > 0 ? int(std::min(ticks, 2.0e9f)) : 0; }

QString colourStyle(int bgr) {
    return QStringLiteral("background-color: rgb(%1,%2,%3)").arg(bgr & 0xff).arg((bgr >> 8) & 0xff).arg((bgr >> 16) & 0xff);
}

const char* const gridHeaders[] = {"Step", "SceneName", "Fade Up", "Fade Down", "Delay Up", "Delay Down",
                                   "Next Scene", "Follow Time", "Command"};
const int gridWidthsTwips[] = {400, 1200, 650, 825, 700, 875, 850, 850, 950};

} // namespace

QString sequenceTimeText(float seconds) {
    QString text = QString::number(double(seconds), 'f', 2);
    if (text.endsWith(QLatin1Char('0'))) text.chop(1);
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative) text.remove(0, 1);
    if (text.indexOf(QLatin1Char('.')) < 2) text.prepend(QLatin1Char('0'));
    return negative ? QLatin1Char('-') + text : text;
}

frmPlayBackControl::frmPlayBackControl(PlaybackEngine& engine, QWidget* parent)
    : QWidget(parent), eng(engine) {
    setAttribute(Qt::WA_StyledBackground);
    // A click on the background gives the window the keys.
    setFocusPolicy(Qt::ClickFocus);
    followPlaybackNumber();

    cmdGo = new QPushButton(QStringLiteral("GO"), this);
    cmdBack = new QPushButton(QStringLiteral("<<"), this);
    cmdFoward = new QPushButton(QStringLiteral(">>"), this);
    cmdPause = new QPushButton(QStringLiteral("Pause"), this);
    cmdClear = new QPushButton(QStringLiteral("Stop"), this);
    cmbBeatSync = new QPushButton(QStringLiteral("Beat"), this);
    cmbBeatSync->setToolTip(QStringLiteral("Tap to the Tempo to change Fadetimes for Active Playback"));
    cmbBeatSync->installEventFilter(this);
    cmdGo->installEventFilter(this);
    const char* modeTexts[] = {"Auto Trigger", "Play Trigger", "Audio"};
    modeGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        optMode[i] = new QRadioButton(QString::fromLatin1(modeTexts[i]), this);
        modeGroup->addButton(optMode[i], i);
    }
    sliderDimmer = new QSlider(Qt::Vertical, this);
    sliderDimmer->setRange(0, 100);
    sliderDimmer->setValue(100);
    vsliderFadeTime = new QSlider(Qt::Vertical, this);
    vsliderFadeTime->setRange(0, 5000);
    pbDelayIn = progressSlider(this, QStringLiteral("pbDelayIn"));
    pbDelayOut = progressSlider(this, QStringLiteral("pbDelayOut"));
    pbFadeIn = progressSlider(this, QStringLiteral("pbFadeIn"));
    pbFadeOut = progressSlider(this, QStringLiteral("pbFadeOut"));
    lblStepNumber = new QLabel(QStringLiteral("0"), this);
    lblBPM = new QLabel(this);
    chkUseMotionfade = new QCheckBox(QStringLiteral("Motionfade"), this);
    ckForceFadeTime = new QCheckBox(QStringLiteral("Use Fadetime"), this);
    msfgSequenceDetail = new QTableWidget(this);
    msfgSequenceDetail->setEditTriggers(QAbstractItemView::NoEditTriggers);
    msfgSequenceDetail->verticalHeader()->hide();
    msfgSequenceDetail->horizontalHeader()->hide();
    buildSceneNameBox();

    auto* transport = new QHBoxLayout;
    for (QPushButton* b : {cmdBack, cmdGo, cmdFoward, cmdPause, cmdClear, cmbBeatSync}) transport->addWidget(b);
    auto* modes = new QVBoxLayout;
    for (QRadioButton* r : optMode) modes->addWidget(r);
    modes->addWidget(chkUseMotionfade);
    modes->addWidget(ckForceFadeTime);
    modes->addWidget(lblStepNumber);
    modes->addWidget(lblBPM);
    auto* sliders = new QHBoxLayout;
    auto* dimmerColumn = new QVBoxLayout;
    dimmerColumn->addWidget(new QLabel(QStringLiteral("PlayBack Dimmer"), this));
    dimmerColumn->addWidget(sliderDimmer);
    sliders->addLayout(dimmerColumn);
    for (QSlider* s : {vsliderFadeTime, pbDelayIn, pbFadeIn, pbDelayOut, pbFadeOut}) sliders->addWidget(s);
    sliders->addLayout(modes);
    auto* left = new QVBoxLayout;
    left->addLayout(transport);
    left->addLayout(sliders);
    auto* root = new QHBoxLayout(this);
    menuBar = new QMenuBar(this);
    root->addLayout(left);
    root->addWidget(msfgSequenceDetail, 1);
    frmShorstcuts = new QGroupBox(QStringLiteral("Playback Shortcuts"), this);
    frmShorstcuts->setObjectName(QStringLiteral("frmShorstcuts"));
    auto* scroll = new QScrollArea(frmShorstcuts);
    shortcutCanvas = new QWidget;
    scroll->setWidget(shortcutCanvas);
    auto* panelLayout = new QVBoxLayout(frmShorstcuts);
    panelLayout->addWidget(scroll);
    frmShorstcuts->setMinimumWidth(7605 / 15);
    frmShorstcuts->hide();
    root->addWidget(frmShorstcuts, 1);

    connect(cmdGo, &QPushButton::clicked, this, [this] { eng.cmdGo_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { eng.cmdBack_Click(); });
    connect(cmdFoward, &QPushButton::clicked, this, [this] { eng.cmdFoward_Click(); });
    connect(cmdPause, &QPushButton::clicked, this, [this] { eng.cmdPause_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { eng.cmdClear_Click(); });
    connect(cmbBeatSync, &QPushButton::clicked, this, [this] { eng.cmbBeatSync_Click(); });
    connect(modeGroup, &QButtonGroup::idClicked, this, [this](int id) { eng.optMode_Click(id); });
    connect(sliderDimmer, &QSlider::valueChanged, this, [this](int v) {
        if (!mirroring) eng.changeDimmerValue(v);
    });
    connect(vsliderFadeTime, &QSlider::valueChanged, this, [this](int v) {
        if (mirroring) return;
        eng.state.vsliderFadeTime = v;
        eng.vsliderFadeTime_Scroll();
    });
    connect(chkUseMotionfade, &QCheckBox::toggled, this, [this](bool on) {
        if (!mirroring) eng.state.useMotionfade = on;
    });
    // The "Use Fadetime" box is mirrored only; a click does nothing.
    connect(ckForceFadeTime, &QCheckBox::clicked, this, [this] { refreshFromEngine(); });

    // The fade progress sliders double as a manual crossfader: pressing one
    // holds the playback, dragging it sets the fade by hand.
    for (QSlider* s : {pbFadeIn, pbFadeOut}) {
        s->setEnabled(true);
        connect(s, &QSlider::sliderPressed, this, [this] {
            eng.state.isRunning = false;
            refreshFromEngine();
        });
    }
    connect(pbFadeIn, &QSlider::sliderMoved, this, [this](int v) {
        if (!mirroring) eng.pbFadeIn_Scroll(v);
    });
    connect(pbFadeOut, &QSlider::sliderMoved, this, [this](int v) {
        if (!mirroring) eng.pbFadeOut_Scroll(v);
    });
    buildMenus();
    buildViewMenu();
    root->setMenuBar(menuBar);
    eng.setView(this);
    refreshFromEngine();
    displaySequenceData();
}

void frmPlayBackControl::buildMenus() {
    clkMenu = new QMenu(QStringLiteral("Menu"), this);
    clkMenu->setObjectName(QStringLiteral("clkMenu"));
    clkMenu->addAction(QStringLiteral("Load Seqence Cuelist"), this, [this] { loadSequence(); });
    clkMenu->addAction(QStringLiteral("Clear Current Sequence/ Start New Sequence"), this,
                       [this] { eng.clkStartnewSequence_Click(); });
    clkMenu->addAction(QStringLiteral("Save Changes to current Sequence Cuelist"), this,
                       [this] { clkSaveChangesToSequence_Click(); });
    clkMenu->addAction(QStringLiteral("Rename/Name Playback Alias"), this,
                       [this] { shell().support().namePlayback(eng.myPlaybackNumber()); });
    clkMenu->addAction(QStringLiteral("Hide Playback Control"), this, [this] { eng.clkClosePlaybackControl_Click(); });
    clkMenu->addAction(QStringLiteral("Exit Program"));

    clkButtonMenu = new QMenu(QStringLiteral("Button Mneu"), this);
    clkButtonMenu->addAction(QStringLiteral("Delete Sequence File"), this, [this] {
        if (shortcutMenuButton < 0 || size_t(shortcutMenuButton) >= cmdShortcut.size()) return;
        shortcutPanel::deleteSequenceFile(cmdShortcut[size_t(shortcutMenuButton)]->toolTip());
        loadShortcutsOnFrame();
    });
    clkButtonMenu->addAction(QStringLiteral("Rename Sequence File"), this, [this] {
        if (shortcutMenuButton < 0 || size_t(shortcutMenuButton) >= cmdShortcut.size()) return;
        // The text-entry dialog renames the file and rebuilds every playback's buttons.
        shell().support().renamePlaybackSequence(cmdShortcut[size_t(shortcutMenuButton)]->toolTip());
    });
    clkButtonMenu->addAction(QStringLiteral("Move Sequence Shortcut"), this, [this] { clkMoveSequenceShortcut_Click(); });

    clkRemoteMenu = new QMenu(QStringLiteral("RemoteMenu"), this);
    clkRemoteMenu->setObjectName(QStringLiteral("clkRemoteMenu"));
    clkRemoteMenu->addAction(QStringLiteral("Load Sequence Cuelist"), this, [this] { loadSequence(); });
    clkRemoteMenu->addAction(QStringLiteral("Play"), this, [this] { eng.cmdGo_Click(); });
    clkRemoteMenu->addAction(QStringLiteral("Stop"), this, [this] { eng.clkStop_Click(); });
}

void frmPlayBackControl::buildViewMenu() {
    mnuView = menuBar->addMenu(QStringLiteral("View"));
    mlstPlayback = mnuView->addMenu(QStringLiteral("Show Loaded Playbacks"));
    connect(mnuView, &QMenu::aboutToShow, this, [this] { clkView_Click(); });
    mnuView->addAction(QStringLiteral("Show Main Window"), this, [] {
        Main& main = form<Main>();
        main.show();
        main.activateWindow();
    });
    auto arrange = [this](bool cascade) {
        auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
        if (!sub || !sub->mdiArea()) return;
        if (cascade) sub->mdiArea()->cascadeSubWindows();
        else sub->mdiArea()->tileSubWindows();
    };
    mnuView->addAction(QStringLiteral("Auto Arrange Windows Cascade"), this, [arrange] { arrange(true); });
    mnuView->addAction(QStringLiteral("Auto Arrange Windows Best Fit"), this, [arrange] { arrange(false); });
    clkShowShortcuts = mnuView->addAction(QStringLiteral("Show Playback Sequence Shortcuts"), this,
                                          [this] { clkShowShortcuts_Click(); });
    clkShowShortcuts->setCheckable(true);
    clkDisplaySequence = mnuView->addAction(QStringLiteral("Display Sequence/Cuelist Data"), this,
                                            [this] { setPlaybackViewMode(true, false); });
    clkDefaultView = mnuView->addAction(QStringLiteral("Default View"), this, [this] { setPlaybackViewMode(false, false); });
    clkCompactView = mnuView->addAction(QStringLiteral("Compact View"), this, [this] { setPlaybackViewMode(false, true); });
    clkMicroViewMode = mnuView->addAction(QStringLiteral("Micro Mode"), this, [this] { setPlaybackViewMode(true, true); });
    for (QAction* a : {clkDisplaySequence, clkDefaultView, clkCompactView, clkMicroViewMode}) a->setCheckable(true);
}

void frmPlayBackControl::clkView_Click() {
    mlstPlayback->clear();
    PlaybackFrame& frame = playbackFrame();
    for (int32_t i = 1; i <= frame.DocumentCount(); ++i) {
        const PlaybackWindowSlot* slot = frame.slotAt(i);
        if (!slot || !slot->visible()) continue;
        // The entry keeps its playback's number: the list skips hidden
        // windows, so its position is no slot index.
        const int32_t number = slot->engine().myPlaybackNumber();
        mlstPlayback->addAction(slot->caption(), this, [number] { shell().playback().showPlayback(number); });
    }
}

void frmPlayBackControl::loadShortcutsOnFrame() {
    // The frame rebuilds every panel after a show load; a window whose panel
    // is off keeps it out of its layout rather than widening for it.
    frmShorstcuts->setVisible(eng.state.showPlaybackShortcuts);
    movableButtons.clear();
    draggedButton = nullptr;
    for (QPushButton* b : cmdShortcut) delete b;
    cmdShortcut.clear();
    const QStringList entries = shortcutPanel::panelEntries(eng.myPlaybackNumber());
    const auto places = shortcutPanel::buttonPlaces(int32_t(entries.size()));
    for (qsizetype k = 0; k < entries.size(); ++k) {
        auto* b = new QPushButton(QFileInfo(QString(entries[k]).replace(QLatin1Char('\\'), QLatin1Char('/'))).completeBaseName(),
                                  shortcutCanvas);
        b->setToolTip(entries[k]);
        b->setGeometry(int(places[size_t(k)].left / 15), int(places[size_t(k)].top / 15),
                       shortcutPanel::buttonWidth / 15, shortcutPanel::buttonHeight / 15);
        b->setStyleSheet(colourStyle(33023));
        b->installEventFilter(this);
        b->show();
        cmdShortcut.push_back(b);
    }
    fitCanvas();
}

void frmPlayBackControl::fitCanvas() {
    int right = 0, bottom = 0;
    for (const QPushButton* b : cmdShortcut) {
        right = std::max(right, b->geometry().right() + 1);
        bottom = std::max(bottom, b->geometry().bottom() + 1);
    }
    shortcutCanvas->resize(std::max(right, 1), std::max(bottom, 1));
}

void frmPlayBackControl::checkActivePlaybacks(const QString& theSequence) {
    for (QPushButton* b : cmdShortcut) b->setStyleSheet(colourStyle(33023));
    int32_t running = 0;
    // The frame is asked with the path relative to "Sequences", as the buttons carry it.
    if (!theSequence.isEmpty() && shell().playback().returnIfFilenameIsRunning(theSequence, running)) {
        for (QPushButton* b : cmdShortcut) {
            if (b->toolTip() != theSequence) continue;
            b->setStyleSheet(colourStyle(16711680));
            break;
        }
    }
    showRunningIcon(eng.state.isRunning);
}

void frmPlayBackControl::refreshPlaybackStatusOnShortcuts() {
    const QString& file = eng.state.theSequenceFilename;
    if (file.size() <= 5) return;
    const QString prefix = shell().programPath(QStringLiteral("Sequences")) + QLatin1Char('/');
    // The stored form of the path: relative to "Sequences", with backslashes.
    const QString relative = file.mid(prefix.size()).replace(QLatin1Char('/'), QLatin1Char('\\'));
    shell().shortcuts().checkActivePlaybacks(relative);
    checkActivePlaybacks(relative);
}

void frmPlayBackControl::showRunningIcon(bool running) {
    const int image = running ? 22 : 21;
    if (image == iconImage) return;
    iconImage = image;
    const QIcon icon = toolbarIcon(image);
    setWindowIcon(icon);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setWindowIcon(icon);
}

void frmPlayBackControl::clkMoveSequenceShortcut_Click() {
    if (shortcutMenuButton < 0 || size_t(shortcutMenuButton) >= cmdShortcut.size()) return;
    QPushButton* b = cmdShortcut[size_t(shortcutMenuButton)];
    b->setStyleSheet(colourStyle(255));
    if (!isMovable(b)) movableButtons.push_back(b);
}

bool frmPlayBackControl::isMovable(const QPushButton* button) const {
    return std::find(movableButtons.begin(), movableButtons.end(), button) != movableButtons.end();
}

bool frmPlayBackControl::checkForShortcut(const QString& shortcutName, bool playIfFound) {
    for (QPushButton* b : cmdShortcut) {
        if (b->toolTip() != shortcutName) continue;
        if (playIfFound) pressShortcut(b);
        return true;
    }
    return false;
}

void frmPlayBackControl::pressShortcut(QPushButton* button) {
    const QString relative = button->toolTip();
    shortcutPanel::loadShortcutSequence(relative);
    if (shell().scheduler().schedulerRecording()) shell().scheduler().recordEvent(relative, QStringLiteral("Sequence"));
    refreshPlaybackStatusOnShortcuts();
}

void frmPlayBackControl::clkShowShortcuts_Click() {
    PlaybackState& st = eng.state;
    st.showPlaybackShortcuts = !st.showPlaybackShortcuts;
    if (st.showPlaybackShortcuts) loadShortcutsOnFrame();
    applyPlaybackViewMode();
}

void frmPlayBackControl::setPlaybackViewMode(bool sequenceData, bool compact) {
    eng.state.showSequenceData = sequenceData;
    eng.state.compactView = compact;
    applyPlaybackViewMode();
}

void frmPlayBackControl::applyPlaybackViewMode() {
    PlaybackState& st = eng.state;
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* outer = sub ? static_cast<QWidget*>(sub) : static_cast<QWidget*>(this);
    if (!outer->isMinimized()) {
        struct Mode { bool data, compact; QAction* entry; int width, height; };
        const Mode modes[] = {{false, false, clkDefaultView, 3950, 5500}, {true, false, clkDisplaySequence, 11600, 5500},
                              {false, true, clkCompactView, 3950, 2685}, {true, true, clkMicroViewMode, 3950, 1250}};
        for (const Mode& m : modes) {
            const bool chosen = m.data == st.showSequenceData && m.compact == st.compactView;
            m.entry->setChecked(chosen);
            if (!chosen) continue;
            const bool gridShown = st.showPlaybackShortcuts ? !m.data : m.data;
            msfgSequenceDetail->setVisible(gridShown);
            frmShorstcuts->setVisible(st.showPlaybackShortcuts);
            const int width = st.showPlaybackShortcuts ? 11600 : m.width;
            outer->resize(std::max(width / 15, outer->minimumSizeHint().width()),
                          std::max(m.height / 15, outer->minimumSizeHint().height()));
        }
        if (st.showPlaybackShortcuts) {
            clkDisplaySequence->setChecked(false);
            loadShortcutsOnFrame();
        }
        clkShowShortcuts->setChecked(st.showPlaybackShortcuts);
        eng.savePlaybackWindowSettings(outer->y() * 15, outer->x() * 15);
    }
    shell().playback().hidePlayback(eng.myPlaybackNumber());
}

void frmPlayBackControl::followPlaybackNumber() {
    const QString name = QStringLiteral("playback") + QString::number(eng.myPlaybackNumber());
    if (objectName() == name) return;
    setObjectName(name);
    setBackColour(backColour);
}

void frmPlayBackControl::setBackColour(const QString& colour) {
    backColour = colour;
    setStyleSheet(QStringLiteral("frmPlayBackControl#%1 { background-color: %2; }").arg(objectName(), colour));
}

void frmPlayBackControl::showMenu() { clkRemoteMenu->popup(QCursor::pos()); }

void frmPlayBackControl::loadSequence() {
    sequenceFileIo::loadSequenceFromDialog(eng);
    refreshFromEngine();
}

void frmPlayBackControl::clkSaveChangesToSequence_Click() {
    // The file keeps the trigger the playback runs with.
    const char* triggers[] = {"1", "0", "2"};
    const int option = std::clamp(eng.state.optMode, 0, 2);
    sequenceFileIo::saveSequence(eng, false, eng.myPlaybackNumber(), QString::fromLatin1(triggers[option]), 0, QString());
}

void frmPlayBackControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        clkMenu->popup(event->globalPosition().toPoint());
        return;
    }
    QWidget::mousePressEvent(event);
}

frmPlayBackControl::~frmPlayBackControl() {
    if (eng.hasView() && &eng.view() == this) eng.setView(nullptr);
}

// The step-command editor (the button pages' Command Builder) opens at the
// pointer on the current step's command cell.
void frmPlayBackControl::showEditCommandDialog() {
    const int row = eng.state.currentStep;
    if (row >= 1 && row < msfgSequenceDetail->rowCount()) msfgSequenceDetail->setCurrentCell(row, 8);
    const QPoint at = QCursor::pos();
    shell().shortcuts().showCommandBuilder(at.x(), at.y());
}

bool frmPlayBackControl::shortcutButtonEvent(QPushButton* b, int index, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab moves between the buttons as usual.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
        if (event->type() == QEvent::KeyPress) forwardKey(*key, true);
        else if (!key->isAutoRepeat()) forwardKey(*key, false);
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        QFont font = b->font();
        font.setBold(event->type() == QEvent::FocusIn);
        b->setFont(font);
        return false;
    }
    case QEvent::MouseMove: {
        if (b != draggedButton) return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint to = b->mapToParent(mouse->position().toPoint()) - grabOffset;
        b->move(std::max(0, to.x()), std::max(0, to.y()));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        break;
    default:
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (mouse->button() == Qt::RightButton) {
        // The right button opens the button menu and plays nothing.
        if (press) {
            shortcutMenuButton = index;
            clkButtonMenu->popup(mouse->globalPosition().toPoint());
        }
        return true;
    }
    if (isMovable(b)) {
        // A button being moved is dragged, never played.
        if (press && mouse->button() == Qt::LeftButton) {
            draggedButton = b;
            grabOffset = mouse->position().toPoint();
            b->raise();
        } else if (!press && b == draggedButton) {
            draggedButton = nullptr;
            fitCanvas();
        }
        return true;
    }
    if (press) return false;
    b->setDown(false);
    pressShortcut(b);
    return true;
}

void frmPlayBackControl::forwardKey(const QKeyEvent& event, bool down) {
    // Tab belongs to the focus chain.
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) return;
    const int code = keyCodes::keyCode(event);
    if (code == 0) return;
    const int shift = keyCodes::shiftState(event);
    // Releases, like presses, go to the keyboard triggers alone: they pass
    // unassigned keys to the main window, which so sees each release once.
    if (down) shell().control().shortcutKeyDown(code, shift);
    else shell().control().shortcutKeyUp(code, shift);
}

void frmPlayBackControl::keyPressEvent(QKeyEvent* event) {
    // Keys typed into the scene-name box are the name's, not triggers.
    if (!txtSceneName->hasFocus()) forwardKey(*event, true);
    event->accept();
}

void frmPlayBackControl::focusInEvent(QFocusEvent* event) {
    shell().masters().showActivePlayback(eng.myPlaybackNumber());
    QWidget::focusInEvent(event);
}

void frmPlayBackControl::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && !txtSceneName->hasFocus()) forwardKey(*event, false);
    event->accept();
}

bool frmPlayBackControl::eventFilter(QObject* watched, QEvent* event) {
    for (size_t k = 0; k < cmdShortcut.size(); ++k)
        if (cmdShortcut[k] == watched) return shortcutButtonEvent(cmdShortcut[k], int(k), event);
    // Releasing GO of playbacks 1..8 also tells the main window's GO.
    if (watched == cmdGo && event->type() == QEvent::MouseButtonRelease) {
        const int32_t n = eng.myPlaybackNumber();
        if (n >= 1 && n <= 8) shell().mainWindow().play(n, false);
        return false;
    }
    if (watched == txtSceneName && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtSceneName_Enter();
            return true;
        }
        return false;
    }
    if (watched == cmbBeatSync && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            if (event->type() == QEvent::MouseButtonPress) {
                eng.state.isRunning = false;
            } else {
                eng.state.isRunning = true;
                eng.advanceToNextStep(false);
                eng.cmbBeatSync_Click();
            }
            refreshFromEngine();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmPlayBackControl::refreshFromEngine() {
    const PlaybackState& st = eng.state;
    followPlaybackNumber();
    mirroring = true;
    const QSignalBlocker b1(sliderDimmer), b2(vsliderFadeTime), b3(chkUseMotionfade), b4(ckForceFadeTime);
    sliderDimmer->setValue(st.sliderDimmer);
    vsliderFadeTime->setMaximum(st.vsliderFadeTimeMax);
    vsliderFadeTime->setValue(st.vsliderFadeTime);
    chkUseMotionfade->setChecked(st.useMotionfade);
    ckForceFadeTime->setChecked(st.useSequenceFadeTime);
    if (st.optMode >= 0 && st.optMode <= 2) optMode[st.optMode]->setChecked(true);
    struct Bar { QSlider* slider; float max; int32_t value; };
    for (const Bar& bar : {Bar{pbDelayIn, st.pbDelayInMax, st.pbDelayIn}, Bar{pbDelayOut, st.pbDelayOutMax, st.pbDelayOut},
                           Bar{pbFadeIn, st.pbFadeInMax, st.pbFadeIn}, Bar{pbFadeOut, st.pbFadeOutMax, st.pbFadeOut}}) {
        bar.slider->setRange(0, sliderRange(bar.max));
        bar.slider->setValue(std::clamp(bar.value, 0, bar.slider->maximum()));
    }
    lblStepNumber->setText(st.stepNumberText.isEmpty() ? QStringLiteral("0") : st.stepNumberText);
    lblBPM->setText(st.bpmText);
    cmdPause->setStyleSheet(colourStyle(st.isRunning ? 8421504 : 255));
    showRunningIcon(st.isRunning);
    const QString indicator = colourStyle(st.crossfadeIndicator ? 16711680 : 192);
    chkUseMotionfade->setStyleSheet(indicator);
    ckForceFadeTime->setStyleSheet(indicator);
    mirroring = false;
}

void frmPlayBackControl::displaySequenceData() {
    const PlaybackState& st = eng.state;
    QTableWidget* g = msfgSequenceDetail;
    g->setColumnCount(9);
    const int top = g->rowCount() > 0 ? g->rowAt(0) : 0;
    const int steps = std::max(0, std::min(st.stepCount, st.lastStepSlot()));
    // An empty sequence still shows one blank row under the headings.
    g->setRowCount(std::max(steps + 1, 2));
    if (steps == 0)
        for (int col = 0; col < 9; ++col) g->setItem(1, col, new QTableWidgetItem);
    for (int col = 0; col < 9; ++col) {
        g->setItem(0, col, new QTableWidgetItem(QString::fromLatin1(gridHeaders[col])));
        g->setColumnWidth(col, gridWidthsTwips[col] / 15);
    }
    auto set = [g](int row, int col, const QString& text) { g->setItem(row, col, new QTableWidgetItem(text)); };
    const bool stepTimes = !st.isDeskPlayback || st.useSequenceFadeTime;
    for (int d = 1; d <= steps; ++d) {
        set(d, 0, QString::number(d));
        const QString name = st.sceneNames.value(d).trimmed();
        set(d, 1, name.isEmpty() ? QString::number(d) : QLatin1Char('[') + QString::number(d) + QStringLiteral("] ") + name);
        if (stepTimes) {
            set(d, 2, sequenceTimeText(st.sequenceFadeUpTimes[size_t(d)]));
            set(d, 3, sequenceTimeText(st.sequenceFadeDownTimes[size_t(d)]));
            set(d, 4, sequenceTimeText(st.delayUpTimes[size_t(d)]));
            set(d, 5, sequenceTimeText(st.delayDownTimes[size_t(d)]));
            set(d, 6, QString::number(st.nextScenes[size_t(d)]));
            set(d, 7, sequenceTimeText(st.followTimes[size_t(d)]));
        } else {
            set(d, 2, sequenceTimeText(st.fadeUpTimes[size_t(d)]));
            set(d, 3, sequenceTimeText(st.fadeDownTimes[size_t(d)]));
            set(d, 4, QStringLiteral("0"));
            set(d, 5, QStringLiteral("0"));
            set(d, 6, QString::number(st.nextScenes[size_t(d)]));
            set(d, 7, QStringLiteral("0"));
        }
        set(d, 8, eng.stepCommandName(d));
    }
    if (top > 0 && top < g->rowCount() - 1) g->scrollToItem(g->item(top, 0), QAbstractItemView::PositionAtTop);
}

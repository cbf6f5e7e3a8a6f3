#include "shortcuts/ui/frmSequenceShortcuts.h"

#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/supportService.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/shortcutPages.h"
#include "shell/ui/Formontop.h"
#include "shortcuts/ui/frmAddTimer.h"
#include "shortcuts/ui/sequenceProperties.h"

#include <QComboBox>
#include <algorithm>
#include <QCursor>
#include <QKeyEvent>
#include <QListWidget>
#include <QSlider>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QString faceStyle(const PageButton& b) {
    // Running buttons show green, fading ones grey with a bar growing along
    // the top, auto/multi/timeline on blue.
    QString colour = QStringLiteral("#404040");
    if (b.fading) colour = QStringLiteral("#808080");
    else if (b.tag == QLatin1String("on")) colour = QStringLiteral("#00a000");
    else if (b.tag.endsWith(QLatin1String(" on"))) colour = QStringLiteral("#0000c0");
    if (b.fading && b.fadePercent > 0) {
        const double stop = std::clamp(b.fadePercent / 100.0, 0.0, 0.999);
        return QStringLiteral("QPushButton { color: white; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                              "stop:0 #404040, stop:%1 #404040, stop:%2 %3, stop:1 %3); }")
            .arg(stop).arg(stop + 0.001).arg(colour);
    }
    return QStringLiteral("QPushButton { background-color: %1; color: white; }").arg(colour);
}

// Qt keys to the arrow codes the buttons take.
int arrowCode(int key) {
    switch (key) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    default: return 0;
    }
}

int mouseCode(Qt::MouseButton b) {
    if (b == Qt::LeftButton) return 1;
    if (b == Qt::RightButton) return 2;
    if (b == Qt::MiddleButton) return 4;
    return 0;
}

int shiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}
} // namespace

frmSequenceShortcuts::frmSequenceShortcuts() {
    setObjectName(QStringLiteral("frmSequenceShortcuts"));
    setWindowTitle(QStringLiteral("Sequence Shortcuts"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    cmdLockorStack = new QPushButton(QStringLiteral("Default Mode"), this);
    cmdLockorStack->setObjectName(QStringLiteral("cmdLockorStack"));
    connect(cmdLockorStack, &QPushButton::clicked, this, [this] { engine().cmdLockorStack_Click(); });
    top->addWidget(cmdLockorStack);
    tabRow = new QHBoxLayout();
    top->addLayout(tabRow, 1);
    layout->addLayout(top);
    area = new QWidget(this);
    area->setObjectName(QStringLiteral("pageArea"));
    area->setMinimumSize(400, 300);
    area->installEventFilter(this);
    area->setMouseTracking(true);
    layout->addWidget(area, 1);
    // The auto-pilot panel at the foot: steps, Start, interval mode and boxes.
    auto* panel = new QHBoxLayout();
    lstSequences = new QListWidget(this);
    lstSequences->setObjectName(QStringLiteral("lstSequences"));
    lstSequences->setMaximumHeight(90);
    lstSequences->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstSequences, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = lstSequences->row(item);
        engine().selectedStepRow = row;
        engine().pressNextAutoPilotStep(row + 1);
    });
    connect(lstSequences, &QListWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        ShortcutPages& e = engine();
        const int row = lstSequences->currentRow();
        e.selectedStepRow = row;
        QMenu menu(this);
        QAction* del = menu.addAction(QStringLiteral("Delete Event"));
        QAction* ins = menu.addAction(QStringLiteral("Insert Event"));
        QAction* chosen = menu.exec(lstSequences->mapToGlobal(p));
        if (chosen == del) e.removeAutoPilotStep(row + 1);
        else if (chosen == ins) e.insertStepPending = true;
    });
    cmdStart = new QPushButton(QStringLiteral("Start"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    connect(cmdStart, &QPushButton::clicked, this, [this] { engine().cmdStart_Click(); });
    cmdTime = new QPushButton(QStringLiteral("Time"), this);
    cmdTime->setObjectName(QStringLiteral("cmdTime"));
    cmdBeats = new QPushButton(QStringLiteral("Beats"), this);
    cmdBeats->setObjectName(QStringLiteral("cmdBeats"));
    // Either button switches to the other mode.
    for (QPushButton* b : {cmdTime, cmdBeats})
        connect(b, &QPushButton::clicked, this, [this] { engine().setIntervalMode(engine().beatsMode); });
    txtTime = new QLineEdit(this);
    txtTime->setObjectName(QStringLiteral("txtTime"));
    txtBeats = new QLineEdit(this);
    txtBeats->setObjectName(QStringLiteral("txtBeats"));
    connect(txtTime, &QLineEdit::textEdited, this, [this](const QString& t) { engine().txtTime = t; });
    connect(txtBeats, &QLineEdit::textEdited, this, [this](const QString& t) { engine().txtBeats = t; });
    const struct {
        QToolButton*& button;
        const char* name;
        bool time;
        int direction;
    } arrows[] = {{UdTimeUp, "UdTimeUp", true, 1}, {UdTimeDown, "UdTimeDown", true, -1},
                  {UdBeatUp, "UdBeatUp", false, 1}, {UdBeatDown, "UdBeatDown", false, -1}};
    for (const auto& a : arrows) {
        a.button = new QToolButton(this);
        a.button->setObjectName(QLatin1String(a.name));
        a.button->setArrowType(a.direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        const bool time = a.time;
        const int direction = a.direction;
        connect(a.button, &QToolButton::clicked, this, [this, time, direction] { engine().stepIntervalBox(time, direction); });
    }
    panel->addWidget(lstSequences, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdStart, cmdTime, txtTime, UdTimeUp, UdTimeDown, cmdBeats, txtBeats,
                                                      UdBeatUp, UdBeatDown})
        panel->addWidget(w);
    layout->addLayout(panel);
    for (int i = 0; i <= shortcutFiles::maxButtons; ++i) {
        auto* b = new QPushButton(area);
        b->setObjectName(QStringLiteral("cmdSequence%1").arg(i));
        b->hide();
        b->setContextMenuPolicy(Qt::PreventContextMenu);
        b->setProperty("buttonIndex", i);
        b->installEventFilter(this);
        buttons.push_back(b);
    }
    for (int g = 0; g < pageSettings::maxGroups; ++g) {
        auto* f = new QFrame(area);
        f->setObjectName(QStringLiteral("shpGroup%1").arg(g + 1));
        f->setAttribute(Qt::WA_TransparentForMouseEvents);
        f->hide();
        groupFrames.push_back(f);
        auto* dimmer = new QSlider(Qt::Horizontal, area);
        dimmer->setObjectName(QStringLiteral("sldrDimmer%1").arg(g + 1));
        dimmer->setRange(0, 100);
        dimmer->setValue(100);
        dimmer->hide();
        connect(dimmer, &QSlider::sliderMoved, this, [this, g](int v) { engine().adjustCurrentPageGroup(g + 1, v); });
        dimmers.push_back(dimmer);
        auto* outline = new QFrame(area);
        outline->setObjectName(QStringLiteral("shpHighLightSequence%1").arg(g + 1));
        outline->setAttribute(Qt::WA_TransparentForMouseEvents);
        outline->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #ffff00; background: transparent; }"));
        outline->hide();
        highlights.push_back(outline);
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->availableSize() : QSize(1280, 800);
    resize(int(size.width() * 0.995), int(size.height() * 0.625));
    ShortcutPages& e = engine();
    e.onChanged = [this] { mirror(); };
    e.showButtonMenu = [this](const ShortcutPages::MenuRequest& r) { buttonMenu(r); };
    e.openStartWizard = [] { shell().support().showStartWizard(); };
}

frmSequenceShortcuts::~frmSequenceShortcuts() {
    if (hasShell())
        if (ShortcutPages* e = shell().loadedEngine<ShortcutPages>()) {
            e->onChanged = nullptr;
            e->showButtonMenu = nullptr;
            e->openStartWizard = nullptr;
        }
}

void frmSequenceShortcuts::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!started) return;
    ShortcutPages& e = engine();
    e.windowWidth = width() * 15.0;
    e.windowHeight = height() * 15.0;
}

ShortcutPages& frmSequenceShortcuts::engine() { return shell().engine<ShortcutPages>(); }

void frmSequenceShortcuts::open() {
    if (!started) {
        started = true;
        ShortcutPages& e = engine();
        e.windowWidth = width() * 15.0;
        e.windowHeight = height() * 15.0;
        e.buttonWidth = 1125;
        e.buttonHeight = 666;
        e.start();
    }
    show();
    raise();
    mirror();
}

QPushButton* frmSequenceShortcuts::pageButton(int index) const {
    return index >= 0 && index < int(buttons.size()) ? buttons[size_t(index)] : nullptr;
}

QPushButton* frmSequenceShortcuts::tab(int index) const {
    return index >= 0 && index < int(tabs.size()) ? tabs[size_t(index)] : nullptr;
}

QSlider* frmSequenceShortcuts::groupDimmer(int group) const {
    return group >= 1 && group <= int(dimmers.size()) ? dimmers[size_t(group) - 1] : nullptr;
}

QFrame* frmSequenceShortcuts::groupHighlight(int group) const {
    return group >= 1 && group <= int(highlights.size()) ? highlights[size_t(group) - 1] : nullptr;
}

void frmSequenceShortcuts::mirrorAutoPilot() {
    ShortcutPages& e = engine();
    const QStringList lines = e.stepLines();
    if (lstSequences->count() != lines.size()) {
        lstSequences->clear();
        lstSequences->addItems(lines);
    } else {
        for (int i = 0; i < lines.size(); ++i) lstSequences->item(i)->setText(lines[i]);
    }
    if (e.selectedStepRow >= 0 && e.selectedStepRow < lstSequences->count()) lstSequences->setCurrentRow(e.selectedStepRow);
    cmdStart->setText(e.startCaption);
    cmdStart->setProperty("running", e.autoPilotRunning);
    const QString marked = QStringLiteral("QPushButton { background-color: #ff0000; color: white; }");
    cmdTime->setStyleSheet(e.beatsMode ? QString() : marked);
    cmdBeats->setStyleSheet(e.beatsMode ? marked : QString());
    cmdBeats->setText(e.beatCount > 0 ? QStringLiteral("Beats:%1").arg(e.beatCount) : QStringLiteral("Beats"));
    if (!txtTime->hasFocus()) txtTime->setText(e.txtTime);
    if (!txtBeats->hasFocus()) txtBeats->setText(e.txtBeats);
}

QString frmSequenceShortcuts::faceText(const PageButton& b) {
    QString text = b.name;
    if (b.fading) text = QStringLiteral("FADING OUT\n") + text;
    if (b.tag == QLatin1String("on") && (b.locked || b.audio)) {
        text += QLatin1Char('\n');
        if (b.audio) text += QStringLiteral("[audio]");
        if (b.locked) text += QStringLiteral("[locked]");
    }
    // The clock mark: a daily timer switches this button on.
    if (b.timer) text += QStringLiteral("\n[timer]");
    return text;
}

void frmSequenceShortcuts::mirror() {
    ShortcutPages& e = engine();
    // Tabs: "Add New Page" then one per page folder.
    const int wanted = int(e.pages.size()) + 1;
    while (int(tabs.size()) < wanted) {
        const int index = int(tabs.size());
        auto* t = new QPushButton(this);
        t->setObjectName(QStringLiteral("cmdPages%1").arg(index));
        t->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(t, &QPushButton::clicked, this, [this, index] { engine().cmdPages_Click(index); });
        connect(t, &QPushButton::customContextMenuRequested, this,
                [this, index, t](const QPoint& p) { pageMenu(index, t->mapToGlobal(p)); });
        tabRow->addWidget(t);
        tabs.push_back(t);
    }
    for (int i = 0; i < int(tabs.size()); ++i) {
        QPushButton* t = tabs[size_t(i)];
        t->setVisible(i < wanted);
        if (i >= wanted) continue;
        t->setText(e.tabCaption(i));
        t->setToolTip(i == 0 ? QString() : e.pages[i - 1]);
        // Tabs holding a playing button are green; the shown page's is outlined.
        const bool playing = i > 0 && i < int(e.playingTabs.size()) && e.playingTabs[size_t(i)];
        QString style;
        if (i > 0)
            style = QStringLiteral("QPushButton#cmdPages%1 { background-color: %2; color: %3; %4 }")
                        .arg(i)
                        .arg(playing ? QStringLiteral("#00ff00") : QStringLiteral("#404040"))
                        .arg(playing ? QStringLiteral("black") : QStringLiteral("white"))
                        .arg(i == e.selectedTab ? QStringLiteral("border: 3px solid #00ff00; font-weight: bold;") : QString());
        t->setStyleSheet(style);
        t->setProperty("playing", playing);
    }
    cmdLockorStack->setText(e.pageModeCaption());
    mirrorAutoPilot();
    for (int g = 0; g < int(groupFrames.size()); ++g) {
        QFrame* f = groupFrames[size_t(g)];
        QSlider* dimmer = dimmers[size_t(g)];
        QFrame* outline = highlights[size_t(g)];
        if (g >= int(e.groups.size())) {
            f->hide();
            dimmer->hide();
            outline->hide();
            continue;
        }
        {
            const pageSettings::GroupRect& r = e.groups[size_t(g)];
            dimmer->setGeometry(px(r.left), px(r.top + r.height), px(r.width), 20);
            if (!dimmer->isSliderDown()) dimmer->setValue(e.groupDimmer[size_t(g) + 1]);
            dimmer->show();
            const int cursor = e.returnButtonIndexForGroup(g + 1);
            if (cursor >= 1 && cursor <= e.currentPageButtonCount) {
                const PageButton& cb = e.buttons[size_t(cursor)];
                outline->setGeometry(px(cb.left) - 2, px(cb.top) - 2, px(e.buttonWidth) + 4, px(e.buttonHeight) + 4);
                outline->show();
                outline->raise();
            } else {
                outline->hide();
            }
        }
        const pageSettings::GroupRect& r = e.groups[size_t(g)];
        f->setGeometry(px(r.left), px(r.top), px(r.width), px(r.height));
        const int c = r.color;
        f->setStyleSheet(QStringLiteral("QFrame#shpGroup%1 { background-color: rgb(%2,%3,%4); }")
                             .arg(g + 1).arg(c & 0xFF).arg((c >> 8) & 0xFF).arg((c >> 16) & 0xFF));
        f->lower();
        f->show();
    }
    for (int i = 1; i < int(buttons.size()); ++i) {
        QPushButton* b = buttons[size_t(i)];
        const PageButton& pb = e.buttons[size_t(i)];
        if (!pb.visible || i > e.currentPageButtonCount) {
            b->hide();
            continue;
        }
        b->setGeometry(px(pb.left), px(pb.top), px(e.buttonWidth), px(e.buttonHeight));
        b->setText(faceText(pb));
        b->setToolTip(pb.name);
        b->setProperty("state", pb.tag);
        b->setProperty("fading", pb.fading);
        b->setStyleSheet(faceStyle(pb));
        b->setEnabled(e.movingButtonIndex == 0);
        b->show();
    }
}

void frmSequenceShortcuts::buttonMenu(const ShortcutPages::MenuRequest& r) {
    ShortcutPages& e = engine();
    e.currentButtonIndex = r.index;
    e.currentButtonName = e.buttons[size_t(r.index)].name;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("clkMenu"));
    auto add = [&](const QString& text, auto handler) {
        QAction* a = menu.addAction(text);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto later = [&](const QString& text) {
        QAction* a = menu.addAction(text);
        a->setEnabled(false);
        a->setToolTip(QStringLiteral("Not available yet."));
    };
    add(QStringLiteral("Move/Copy Button "), [this] { openCopyMoveDialog(); });
    add(QStringLiteral("Move Button Position"), [&e] { e.clkMoveButton_Click(); });
    add(QStringLiteral("Save Changes Made To Sequence"), [&e] { e.clkSaveChangesToButton_Click(); });
    QAction* edit = add(r.editCaption, [&e] { e.cmdEditButton_Click(); });
    edit->setEnabled(r.editEnabled);
    add(QStringLiteral("Adjust Fade In and Fade Out Times"), [this, &e, index = r.index] {
        e.clkAdjustFadeInFadeOut_Click();
        // The dialog cut down to its crossfade section, at the button's lower right corner.
        unloadForm<sequenceProperties>();
        sequenceProperties& editor = form<sequenceProperties>();
        editor.setPlayback(shell().state.currentPlayback);
        if (QPushButton* b = pageButton(index)) editor.move(b->mapToGlobal(QPoint(b->width(), b->height())));
        editor.show();
        editor.setFadeChangeMode(true);
        Formontop::setFormOnTop(&editor, -1);
        editor.raise();
    });
    later(QStringLiteral("Assign/Delete  Keyboard Shortcut"));
    later(r.midiCaption);
    add(QStringLiteral("Rename Button"), [&e] { e.clkRenameShortcut_Click(); });
    add(QStringLiteral("Delete Button"), [&e] { e.clkDeleteShortcut_Click(); });
    later(QStringLiteral("Show Embedded Preset Data"));
    add(QStringLiteral("Refresh This Button Sequence"), [&e] { e.clkRefreshButtonSequecne_Click(); });
    add(QStringLiteral("Set To Timer"), [&e] {
        frmAddTimer& dialog = form<frmAddTimer>();
        dialog.update(e.currentPage, e.currentButtonName);
        dialog.show();
        dialog.raise();
    });
    QAction* bump = add(QStringLiteral("Bump Button"), [&e] { e.clkBumpOption_Click(); });
    bump->setCheckable(true);
    bump->setChecked(r.bumpChecked);
    bump->setEnabled(r.bumpEnabled);
    menu.exec(QCursor::pos());
}

bool frmSequenceShortcuts::buttonEvent(int index, QEvent* event) {
    ShortcutPages& e = engine();
    QPushButton* b = buttons[size_t(index)];
    // Positions go to the engine in twips of the 1125-twip face.
    auto face = [b](const QPointF& p, float& x, float& y) {
        x = float(p.x() * 1125.0 / std::max(1, b->width()));
        y = float(p.y() * 1125.0 / std::max(1, b->height()));
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        float x = 0, y = 0;
        face(m->position(), x, y);
        b->setFocus();
        e.cmdSequence_MouseDown(index, mouseCode(m->button()), shiftCode(m->modifiers()), x, y);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(event);
        float x = 0, y = 0;
        face(m->position(), x, y);
        e.cmdSequence_MouseUp(index, mouseCode(m->button()), shiftCode(m->modifiers()), x, y);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        e.cmdSequence_DblClick(index);
        return true;
    case QEvent::KeyPress: {
        const int code = arrowCode(static_cast<QKeyEvent*>(event)->key());
        if (code == 0) return false;
        e.cmdSequence_KeyDown(index, code);
        return true;
    }
    default: return false;
    }
}

void frmSequenceShortcuts::pageMenu(int index, const QPoint& at) {
    if (index < 1) return;
    ShortcutPages& e = engine();
    e.currentPage = e.pages[index - 1];
    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("Rename Page")), &QAction::triggered, this, [&e] { e.clkRenamePage_Click(); });
    connect(menu.addAction(QStringLiteral("Delete Page")), &QAction::triggered, this, [&e] { e.deleteCurrentPage(); });
    for (const char* text : {"Assign/Delete Keyboard Shortcut", "Assign/Delete MIDI Shortcut"}) {
        QAction* a = menu.addAction(QString::fromLatin1(text));
        a->setEnabled(false);
        a->setToolTip(QStringLiteral("Key and MIDI assignment is not available yet."));
    }
    connect(menu.addAction(QStringLiteral("Duplicate Page")), &QAction::triggered, this, [&e] { e.clkDuplicatePage_Click(); });
    menu.exec(at);
}

void frmSequenceShortcuts::groupMenu(const QPoint& areaPoint) {
    ShortcutPages& e = engine();
    const int group = e.groupAtPoint(float(areaPoint.x() * 15), float(areaPoint.y() * 15));
    QMenu menu(this);
    QAction* del = menu.addAction(QStringLiteral("Delete Group"));
    QAction* name = menu.addAction(QStringLiteral("Edit Group Name "));
    QAction* colour = menu.addAction(QStringLiteral("Edit Group Color"));
    for (QAction* a : {del, name, colour}) a->setEnabled(group >= 1);
    QAction* create = menu.addAction(QStringLiteral("Create Button Group"));
    QAction* reset = menu.addAction(QStringLiteral("Reset Button Positions and Delete Button Groups"));
    QAction* chosen = menu.exec(mapToGlobal(area->mapTo(this, areaPoint)));
    if (chosen == del) e.deleteGroup(group);
    else if (chosen == name) e.renameGroup(group);
    else if (chosen == colour) e.recolourGroup(group);
    else if (chosen == create) e.createGroup({areaPoint.y() * 15.0, areaPoint.x() * 15.0, 3000, 2000, 0, {}});
    else if (chosen == reset) e.cmdReset_Click();
}

bool frmSequenceShortcuts::eventFilter(QObject* watched, QEvent* event) {
    const QVariant index = watched->property("buttonIndex");
    if (index.isValid() && watched != area) return buttonEvent(index.toInt(), event) || QWidget::eventFilter(watched, event);
    if (watched != area) return QWidget::eventFilter(watched, event);
    ShortcutPages& e = engine();
    if (event->type() == QEvent::MouseMove) {
        auto* m = static_cast<QMouseEvent*>(event);
        e.followMove(float(m->position().x() * 15), float(m->position().y() * 15),
                     m->modifiers() == Qt::ShiftModifier);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() == Qt::LeftButton) e.dropMove();
        e.endFlash();
    } else if (event->type() == QEvent::ContextMenu) {
        groupMenu(static_cast<QContextMenuEvent*>(event)->pos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSequenceShortcuts::openCopyMoveDialog() {
    ShortcutPages& e = engine();
    if (e.currentButtonIndex < 1) return;
    auto* dialog = new frmSequencePageOptions(e.currentPage, e.currentButtonName, e.pages);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

frmSequencePageOptions::frmSequencePageOptions(const QString& sourcePage, const QString& buttonName, const QStringList& pages)
    : currentPageName(sourcePage) {
    setObjectName(QStringLiteral("frmSequencePageOptions"));
    setWindowTitle(QStringLiteral("Move/Copy  Button"));
    setFont(QFont(QStringLiteral("Arial")));
    auto* layout = new QVBoxLayout(this);
    txtSequenceName = new QLineEdit(buttonName, this);
    cmdPageList = new QComboBox(this);
    cmdPageList->addItems(pages);
    auto* row = new QHBoxLayout();
    auto* move = new QPushButton(QStringLiteral("Copy / Move Button"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    row->addWidget(move);
    row->addWidget(cancel);
    layout->addWidget(txtSequenceName);
    layout->addWidget(cmdPageList);
    layout->addLayout(row);
    connect(move, &QPushButton::clicked, this, [this] { cmdMove_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void frmSequencePageOptions::cmdMove_Click() {
    if (shell().engine<ShortcutPages>().copyMoveButton(currentPageName, txtSequenceName->text().trimmed(),
                                                       cmdPageList->currentText()))
        close();
}

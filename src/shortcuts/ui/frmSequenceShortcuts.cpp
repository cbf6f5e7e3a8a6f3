#include "shortcuts/ui/frmSequenceShortcuts.h"

#include "shell/shell.h"
#include "shortcuts/shortcutPages.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QString faceStyle(const PageButton& b) {
    // Running buttons show green, fading ones grey, auto/multi/timeline on blue.
    QString colour = QStringLiteral("#404040");
    if (b.tag == QLatin1String("on")) colour = QStringLiteral("#00a000");
    else if (b.fading) colour = QStringLiteral("#808080");
    else if (b.tag.endsWith(QLatin1String(" on"))) colour = QStringLiteral("#0000c0");
    return QStringLiteral("QPushButton { background-color: %1; color: white; }").arg(colour);
}
} // namespace

frmSequenceShortcuts::frmSequenceShortcuts() {
    setObjectName(QStringLiteral("frmSequenceShortcuts"));
    setWindowTitle(QStringLiteral("Sequence Shortcuts"));
    auto* layout = new QVBoxLayout(this);
    tabRow = new QHBoxLayout();
    layout->addLayout(tabRow);
    area = new QWidget(this);
    area->setObjectName(QStringLiteral("pageArea"));
    area->setMinimumSize(400, 300);
    area->installEventFilter(this);
    area->setMouseTracking(true);
    layout->addWidget(area, 1);
    for (int i = 0; i <= shortcutFiles::maxButtons; ++i) {
        auto* b = new QPushButton(area);
        b->setObjectName(QStringLiteral("cmdSequence%1").arg(i));
        b->hide();
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QPushButton::clicked, this, [this, i] {
            engine().pressButton(i);
        });
        connect(b, &QPushButton::customContextMenuRequested, this,
                [this, i, b](const QPoint& p) { buttonMenu(i, b->mapToGlobal(p)); });
        buttons.push_back(b);
    }
    for (int g = 0; g < pageSettings::maxGroups; ++g) {
        auto* f = new QFrame(area);
        f->setObjectName(QStringLiteral("shpGroup%1").arg(g + 1));
        f->setAttribute(Qt::WA_TransparentForMouseEvents);
        f->hide();
        groupFrames.push_back(f);
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->availableSize() : QSize(1280, 800);
    resize(int(size.width() * 0.995), int(size.height() * 0.625));
    engine().onChanged = [this] { mirror(); };
}

frmSequenceShortcuts::~frmSequenceShortcuts() {
    if (hasShell())
        if (ShortcutPages* e = shell().loadedEngine<ShortcutPages>()) e->onChanged = nullptr;
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
        t->setStyleSheet(i > 0 && i == e.selectedTab
                             ? QStringLiteral("QPushButton#cmdPages%1 { background-color: #00ff00; }").arg(i)
                             : QString());
    }
    for (int g = 0; g < int(groupFrames.size()); ++g) {
        QFrame* f = groupFrames[size_t(g)];
        if (g >= int(e.groups.size())) {
            f->hide();
            continue;
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
        b->setText(pb.fading ? QStringLiteral(" FADING OUT ") : pb.name);
        b->setToolTip(pb.name);
        b->setProperty("state", pb.tag);
        b->setStyleSheet(faceStyle(pb));
        b->setEnabled(e.movingButtonIndex == 0);
        b->show();
    }
}

void frmSequenceShortcuts::buttonMenu(int index, const QPoint& at) {
    ShortcutPages& e = engine();
    e.currentButtonIndex = index;
    e.currentButtonName = e.buttons[size_t(index)].name;
    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("Move Button Position")), &QAction::triggered, this,
            [&e] { e.clkMoveButton_Click(); });
    connect(menu.addAction(QStringLiteral("Rename Button")), &QAction::triggered, this, [&e] { e.clkRenameShortcut_Click(); });
    connect(menu.addAction(QStringLiteral("Move/Copy Button ")), &QAction::triggered, this, [this] { openCopyMoveDialog(); });
    connect(menu.addAction(QStringLiteral("Delete Button")), &QAction::triggered, this, [&e] { e.clkDeleteShortcut_Click(); });
    menu.exec(at);
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

#include "patch/ui/FixtureList.h"

#include "platform/ui/keyCodes.h"
#include "patch/layoutEngine.h"
#include "patch/ui/groupMenu.h"
#include "shell/services/mainWindowService.h"
#include "shell/shell.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

FixtureList::FixtureList(LayoutEngine& e) : engine(e) {
    setObjectName(QStringLiteral("FixtureList"));
    setWindowTitle(QStringLiteral("Fixture List"));
    setWindowFlag(Qt::Tool);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    groupMenu::addCommands(bar->addMenu(QStringLiteral("Groups")), this,
                           QStringLiteral("Create New Group from Selected Fixtures"));
    layout->setMenuBar(bar);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Light text on the dark list, and a selection that stays readable when
    // the window is not the active one.
    List1->setStyleSheet(QStringLiteral("QListWidget#List1 { background: #303030; color: #FFFFFF; }"
                                        "QListWidget#List1::item:selected { background: #2F6FC0; color: #FFFFFF; }"));
    List1->viewport()->installEventFilter(this);
    List1->installEventFilter(this);
    layout->addWidget(List1);
    cmdLocateFixture = new QPushButton(QStringLiteral("Locate Fixture"), this);
    cmdLocateFixture->setObjectName(QStringLiteral("cmdLocateFixture"));
    layout->addWidget(cmdLocateFixture);
    connect(cmdLocateFixture, &QPushButton::clicked, this, [this] {
        engine.list.listIndex = List1->currentRow();
        engine.cmdLocateFixture_Click();
    });
    connect(List1, &QListWidget::itemSelectionChanged, this, &FixtureList::selectionChanged);
    syncFromEngine();
}

void FixtureList::syncFromEngine() {
    syncing = true;
    const FixtureListState& s = engine.list;
    if (List1->count() != s.entries.size()) {
        List1->clear();
        List1->addItems(s.entries);
    } else {
        for (int k = 0; k < s.entries.size(); ++k)
            if (List1->item(k)->text() != s.entries[k]) List1->item(k)->setText(s.entries[k]);
    }
    for (int k = 0; k < List1->count(); ++k) List1->item(k)->setSelected(s.entrySelected(k));
    const bool on = s.findFixtureMode;
    cmdLocateFixture->setText(on ? QStringLiteral("Select one Fixture Above") : QStringLiteral("Locate Fixture"));
    cmdLocateFixture->setStyleSheet(on ? QStringLiteral("QPushButton#cmdLocateFixture { background: #FF0000; }")
                                       : QStringLiteral("QPushButton#cmdLocateFixture { background: #404040; color: #C0C0C0; }"));
    syncing = false;
}

void FixtureList::selectionChanged() {
    if (syncing) return;
    FixtureListState& s = engine.list;
    s.selected.assign(size_t(List1->count()), 0);
    for (int k = 0; k < List1->count(); ++k) s.selected[size_t(k)] = List1->item(k)->isSelected();
    s.listIndex = List1->currentRow();
    // Only a change made with the mouse in the list reaches the layout.
    engine.listselect(s.listMouseFlag, -1);
}

bool FixtureList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) engine.list.listMouseFlag = true;
        if (event->type() == QEvent::MouseButtonRelease) {
            // The selection changes on the press and on drags; the flag ends after.
            QWidget::eventFilter(watched, event);
            engine.list.listMouseFlag = false;
        }
    } else if (watched == List1 && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int shift = keyCodes::shiftState(*key);
        if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Delete) {
            shell().mainWindow().removeSelectedFixtures();
            return true;
        }
        if (event->type() == QEvent::KeyPress) shell().mainWindow().Keyshortcuts(keyCodes::keyCode(*key), shift);
        else shell().mainWindow().keyshortcutsup(keyCodes::keyCode(*key), shift);
    }
    return QWidget::eventFilter(watched, event);
}

void FixtureList::mousePressEvent(QMouseEvent* event) {
    // A right press beside the list offers the fixture groups.
    if (event->button() == Qt::RightButton) groupMenu::popup(this, event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

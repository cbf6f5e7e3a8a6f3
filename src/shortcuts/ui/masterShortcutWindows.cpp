#include "shortcuts/ui/masterShortcutWindows.h"

#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"
#include "shortcuts/masterShortcuts.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
QString rgbOf(int32_t bgr) {
    if (bgr == MasterShortcuts::clearedColour) return QStringLiteral("palette(button)");
    return QStringLiteral("rgb(%1,%2,%3)").arg(bgr & 0xFF).arg((bgr >> 8) & 0xFF).arg((bgr >> 16) & 0xFF);
}
constexpr int columns = 8;
} // namespace

Shortcuts::Shortcuts() : buttons(size_t(MasterShortcuts::buttonCount) + 1, nullptr) {
    setObjectName(QStringLiteral("Shortcuts"));
    setWindowTitle(QStringLiteral("MASTER Shortcuts"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    QMenu* menu = bar->addMenu(QStringLiteral("Menu"));
    MasterShortcuts& master = shell().engine<MasterShortcuts>();
    connect(menu->addAction(QStringLiteral("Arrange Buttons Alphabetically")), &QAction::triggered, this,
            [&master] { master.arrangeAlphabetically(); });
    connect(menu->addAction(QStringLiteral("Arrange buttons by Chaser")), &QAction::triggered, this,
            [&master] { master.arrangeByChaser(); });
    showNumbersAction = menu->addAction(QStringLiteral("Show Seqeunce Numbers"));
    showNumbersAction->setCheckable(true);
    showNumbersAction->setChecked(master.showNumbers());
    connect(showNumbersAction, &QAction::toggled, this, [&master](bool on) { master.setShowNumbers(on); });
    layout->setMenuBar(bar);
    auto* scroll = new QScrollArea(this);
    auto* grid = new QWidget(scroll);
    auto* gridLayout = new QGridLayout(grid);
    for (int n = 1; n <= MasterShortcuts::buttonCount; ++n) {
        auto* b = new QPushButton(grid);
        b->setObjectName(QStringLiteral("ShortcutCommand%1").arg(n));
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [n, &master] {
            master.pressLeft(n, QGuiApplication::keyboardModifiers() == Qt::ShiftModifier);
        });
        gridLayout->addWidget(b, (n - 1) / columns, (n - 1) % columns);
        buttons[size_t(n)] = b;
    }
    scroll->setWidget(grid);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll);
    master.onChanged = [this] { mirror(); };
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
    mirror();
}

Shortcuts::~Shortcuts() {
    if (hasShell())
        if (MasterShortcuts* m = shell().loadedEngine<MasterShortcuts>()) m->onChanged = nullptr;
}

QPushButton* Shortcuts::ShortcutCommand(int index) const {
    return index >= 1 && index <= MasterShortcuts::buttonCount ? buttons[size_t(index)] : nullptr;
}

void Shortcuts::mirror() {
    const MasterShortcuts& master = shell().engine<MasterShortcuts>();
    for (int n = 1; n <= MasterShortcuts::buttonCount; ++n) {
        QPushButton* b = buttons[size_t(n)];
        b->setText(master.caption(n));
        b->setToolTip(master.entry(n));
        b->setStyleSheet(QStringLiteral("QPushButton#ShortcutCommand%1 { background-color: %2; }")
                             .arg(n).arg(rgbOf(master.colour(n))));
    }
}

bool Shortcuts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        for (int n = 1; n <= MasterShortcuts::buttonCount; ++n)
            if (buttons[size_t(n)] == watched) shell().engine<MasterShortcuts>().pressRight(n);
    }
    return QWidget::eventFilter(watched, event);
}

ShortcutsDefined::ShortcutsDefined() {
    setObjectName(QStringLiteral("ShortcutsDefined"));
    setWindowTitle(QStringLiteral("Shortcuts Defined"));
    setStyleSheet(QStringLiteral("ShortcutsDefined#ShortcutsDefined { background-color: #404040; }"));
    auto* layout = new QVBoxLayout(this);
    List1 = new QListWidget(this);
    List1->addItems(builtInShortcutRows());
    layout->addWidget(List1);
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
}

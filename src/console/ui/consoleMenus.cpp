#include "console/ui/consoleMenus.h"

#include "console/ui/ConsoleBand.h"
#include "shell/services/consoleService.h"
#include "shell/services/effectsService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"
#include "shell/ui/windowMenu.h"

#include <QMenu>
#include <QMenuBar>

namespace consoleMenus {

namespace {
// Runs a console command, then lets the band show what it left.
template <typename F> void add(QMenu* menu, const QString& caption, F f) {
    QObject::connect(menu->addAction(caption), &QAction::triggered, menu, [f] {
        f(shell().console());
        if (ConsoleBand* band = ConsoleBand::shown()) band->refresh();
    });
}
void nothing(ConsoleService&) {}
} // namespace

void fillEditMenu(QMenu* menu) {
    add(menu, QStringLiteral("Re-Create all assigned Sequences With updated Palete Preset information"),
        [](ConsoleService& c) { c.clkRefreshSequences_Click(); });
    add(menu, QStringLiteral("Copy Scene"), [](ConsoleService& c) { c.copyscene_Click(); });
    add(menu, QStringLiteral("Paste Scene"), [](ConsoleService& c) { c.pastescene_Click(); });
    add(menu, QStringLiteral("Merge Scene"), nothing);
    add(menu, QStringLiteral("Insert Scene"), [](ConsoleService& c) { c.insertscene_Click(); });
    add(menu, QStringLiteral("Insert Blackout Scene"), [](ConsoleService& c) { c.clkInsertBlackoutScene_Click(); });
    add(menu, QStringLiteral("Remove Scene"), [](ConsoleService& c) { c.removescene_Click(); });
    add(menu, QStringLiteral("Copy Sequence"), nothing);
    add(menu, QStringLiteral("Paste Sequence"), nothing);
    windowMenuUi::fillEditMenu(menu); // "Show Embeded Preset Data"
    add(menu, QStringLiteral("Merge Sequence"), nothing);
}

void addMainMenus(QMenuBar* bar) {
    QMenu* sequence = bar->addMenu(QStringLiteral("Sequence"));
    sequence->setObjectName(QStringLiteral("sequenceMenu"));
    QObject::connect(sequence->addAction(QStringLiteral("Clear Sequence / New Sequence ")), &QAction::triggered, sequence,
                     [] { shell().mainWindow().clearsequence_Click(); });
    add(sequence, QStringLiteral("Save Sequence"), [](ConsoleService& c) { c.SaveSeq_Click(); });
    QObject::connect(sequence->addAction(QStringLiteral("Save Sequence and View Sequence Information")),
                     &QAction::triggered, sequence,
                     [] { shell().shortcuts().showSequenceProperties(shell().state.currentPlayback); });

    QMenu* shapes = bar->addMenu(QStringLiteral("Shapes"));
    shapes->setObjectName(QStringLiteral("shapesMenu"));
    add(shapes, QStringLiteral("Save current fixtures shape"),
        [](ConsoleService& c) { c.saveCurrentShapeFunction(QString()); });
    QObject::connect(shapes->addAction(QStringLiteral("Apply saved shape to Selected Fixtures ( append to last step )")),
                     &QAction::triggered, shapes, [] { shell().effects().showShapeBrowser(true); });
    QObject::connect(shapes->addAction(QStringLiteral("Apply saved shape to Selected fixtures ( start at current step )")),
                     &QAction::triggered, shapes, [] { shell().effects().showShapeBrowser(false); });
}

} // namespace consoleMenus

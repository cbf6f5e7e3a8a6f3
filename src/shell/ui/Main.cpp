#include "shell/ui/Main.h"
#include "shell/ui/firstStartScreen.h"

#include "platform/ui/keyCodes.h"
#include "shell/fileDrop.h"
#include "shell/roleResolution.h"
#include "shell/services/consoleService.h"
#include "shell/services/controlService.h"
#include "shell/services/supportService.h"
#include "shell/shell.h"
#include "shell/shutdown.h"
#include "shell/ui/windowFunctions.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

namespace {
class MainShutdownView final : public ShutdownView {
public:
    explicit MainShutdownView(Main& m) : main(m) {}
    void saveMainWindowState() override {
        miscGlobalFunctions::windowPlacement(&main, QStringLiteral("SET"));
        firstStartScreen::rememberToolWindows();
    }
    // exit(), not quit(): quit() first asks every window to close, and the
    // main window answers a close with the shutdown questions, so the
    // operator would be asked a second time.
    void endProgram() override { QCoreApplication::exit(0); }
    void openInstaller(const QString& path) override { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

private:
    Main& main;
};
} // namespace

Main::Main(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("VarnelDMX"));
    setAcceptDrops(true);
    resize(800, 500);
    buildMenus();
}

bool Main::closeProgram(const QString& startNew) {
    MainShutdownView view(*this);
    return shutdown::closeProgram(view, startNew);
}

void Main::closeEvent(QCloseEvent* event) {
    // Closing never unloads the main window by itself: the questions come first.
    event->ignore();
    closeProgram();
}

void Main::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !hasShell()) return;
    if (isActiveWindow()) {
        shell().support().unloadSplash();
        roleResolution::findSyncChannels();
    } else {
        miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    }
}

void Main::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void Main::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    event->acceptProposedAction();
    fileDrop::openDroppedFiles(paths);
}

void Main::setConsoleBand(QWidget* band) { setCentralWidget(band); }

void Main::keyPressEvent(QKeyEvent* event) {
    if (sequenceDetailsHasFocus || !hasShell()) return QMainWindow::keyPressEvent(event);
    shell().control().keyToShortcuts(event->key(), int32_t(event->modifiers()), true);
    if (const int32_t key = keyCodes::keyCode(*event)) shell().console().Keyshortcuts(key, keyCodes::shiftState(*event));
}

void Main::keyReleaseEvent(QKeyEvent* event) {
    if (sequenceDetailsHasFocus || !hasShell()) return QMainWindow::keyReleaseEvent(event);
    shell().control().keyToShortcuts(event->key(), int32_t(event->modifiers()), false);
    // A held key repeats as press-release pairs; only the real release lets go.
    if (event->isAutoRepeat()) return;
    if (const int32_t key = keyCodes::keyCode(*event)) shell().console().keyshortcutsup(key, keyCodes::shiftState(*event));
}

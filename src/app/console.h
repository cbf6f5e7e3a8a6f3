#pragma once
// The running console: the program folder, the real platform services, the
// wiring of every built subsystem, and the frame and main window. main()
// runs it; the application tests start it the same way on a temporary
// program folder.

#include "shell/shell.h"

#include <QString>
#include <memory>

class frmPlayBackManager;
class Main;

namespace console {

// Creates and seeds the program folder from the shipped resources. Empty
// when the folder is ready, else a message naming the folder and the reason.
QString prepareProgramFolder(const QString& resources, const QString& folder);

// The platform services of the desktop: real prompts, clock, timers,
// placement and device layers.
PlatformServices desktopServices();

class Console {
public:
    // Installs the shell on the folder and starts every built subsystem,
    // on the desktop's services or on the services given.
    explicit Console(const QString& folder);
    Console(const QString& folder, PlatformServices services);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    Shell& shell() { return scope.get(); }
    frmPlayBackManager& frame();
    Main& mainWindow();
    // Reads the start-up settings and show, then shows the frame and the
    // main window; a second later the interfaces are opened (and with them
    // the refresh tick) and Art-Net starts when enabled.
    void start();

private:
    ShellScope scope;
};

} // namespace console

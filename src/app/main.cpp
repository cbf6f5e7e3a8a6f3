// Start of the console: the program folder, the real platform services, the
// frame and the main window.

#include "app/wiring.h"
#include "output/DmxOutput.h"
#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/deviceArrival.h"
#include "platform/fileSystem.h"
#include "platform/ftdiPort.h"
#include "platform/paths.h"
#include "platform/placementStore.h"
#include "platform/portIo.h"
#include "platform/ui/qtMonitors.h"
#include "platform/ui/qtPrompts.h"
#include "platform/midiPorts.h"
#include "platform/tickTimer.h"
#include "playback/ui/frmPlayBackManager.h"
#include "shell/ui/Main.h"
#include "shell/ui/consoleStartup.h"
#include "shell/ui/windowRegistry.h"
#include "shell/services/mastersService.h"
#include "shell/services/showService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"
#include "shell/userModes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

int main(int argc, char** argv) {
    qtMonitors::preferPlaceableWindows();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("varneldmx"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("VarnelDMX lighting console"));
    parser.addHelpOption();
    QCommandLineOption folderOption(QStringLiteral("program-folder"),
                                    QStringLiteral("Data folder of the console (settings, shows, sequences)."),
                                    QStringLiteral("DIR"),
                                    QDir::homePath() + QStringLiteral("/.local/share/VarnelDMX"));
    QCommandLineOption quitAfterOption(QStringLiteral("quit-after"),
                                       QStringLiteral("Close the console after MS milliseconds (for smoke runs)."),
                                       QStringLiteral("MS"));
    parser.addOption(folderOption);
    parser.addOption(quitAfterOption);
    parser.process(app);

    const QString folder = QDir(parser.value(folderOption)).absolutePath();
    if (!paths::seedFolder(QStringLiteral(VARNEL_RESOURCES_DIR), folder)) {
        qWarning("Could not prepare the program folder %s", qPrintable(folder));
    }

    PlatformServices services;
    services.prompts = std::make_unique<QtPrompts>();
    services.clock = std::make_unique<SystemClock>();
    services.timers = std::make_unique<QtTimerFactory>();
    services.placement = std::make_unique<QtPlacementStore>();
    services.ftdi = std::make_unique<LibFtdiDriver>();
    services.artNet = std::make_unique<UdpArtNetLayer>();
    services.portIo = std::make_unique<LinuxPortIo>();
    services.deviceArrival = std::make_unique<UdevDeviceArrival>();
    services.midi = std::make_unique<RtMidiPorts>();
    services.monitors = std::make_unique<QtMonitors>();
    ShellScope scope(std::make_unique<Shell>(folder, std::move(services)));
    Shell& s = scope.get();
    wiring::startShell(s);
    wiring::startOutput(s);
    wiring::startPlayback(s);
    wiring::startEffects(s);
    wiring::startShow(s);
    wiring::startShortcuts(s);
    wiring::startPatch(s);
    wiring::startMasters(s);
    wiring::startAudio(s);
    wiring::startScheduler(s);
    wiring::startProfiles(s);

    // Closing the frame asks the questions of the main window's shutdown.
    auto& frame = form<frmPlayBackManager>();
    // The layout and the fixture list: the patch service's windows, there
    // before the start-up lays the show's fixtures out on them.
    wiring::startLayout(s);
    QObject::connect(&frame, &frmPlayBackManager::closeRequested, &app, [] { form<Main>().closeProgram(); });
    // The start-up road: settings, one instance, the last show and playbacks;
    // a second after the windows are up the interfaces open, then Art-Net
    // starts when it is enabled.
    QObject::connect(&consoleStartup::view(), &MainStartupView::startupFinished, &app,
                     [&s] { s.engine<DmxOutput>().startArtNetIfEnabled(); });
    // It runs inside the event loop, so its dialogs and pause keep the
    // windows live.
    QTimer::singleShot(0, &app, [&app, &frame, &s] {
        if (consoleStartup::run()) {
            frame.show();
            // The frame's load shows the top bar.
            s.masters().showTopBar();
            // The stored user mode, once the windows it reaches exist.
            s.engine<UserModes>().applyUserMode();
        } else {
            app.exit(0);
        }
    });

    if (parser.isSet(quitAfterOption)) {
        QTimer::singleShot(parser.value(quitAfterOption).toInt(), &app, &QApplication::quit);
    }
    const int rc = app.exec();
    return rc;
}

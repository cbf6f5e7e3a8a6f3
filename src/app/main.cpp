// Start of the console: the program folder, the real platform services, the
// frame and the main window.

#include "app/wiring.h"
#include "output/DmxOutput.h"
#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/deviceArrival.h"
#include "platform/ftdiPort.h"
#include "platform/paths.h"
#include "platform/placementStore.h"
#include "platform/portIo.h"
#include "platform/ui/qtPrompts.h"
#include "platform/tickTimer.h"
#include "playback/ui/frmPlayBackManager.h"
#include "playback/playbackFrame.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"
#include "shell/services/showService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

int main(int argc, char** argv) {
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
    ShellScope scope(std::make_unique<Shell>(folder, std::move(services)));
    Shell& s = scope.get();
    wiring::startShell(s);
    wiring::startOutput(s);
    wiring::startPlayback(s);
    wiring::startEffects(s);
    wiring::startShow(s);
    wiring::startShortcuts(s);
    wiring::startConsole(s);

    auto& frame = form<frmPlayBackManager>();
    QObject::connect(&frame, &frmPlayBackManager::closeRequested, &app, &QApplication::quit);
    // The refresh period comes from ylc.ini; a setting that cannot be read
    // takes its default and the file stays. Then the start-up show comes back
    // before the windows are shown.
    QStringList settingsProblems;
    s.engine<PlaybackFrame>().applyStartupRefreshRate(
        QString::number(settingsKeys::readNumber(settingsKeys::dmxRefreshRate, &settingsProblems)));
    if (!settingsProblems.isEmpty())
        s.prompts().messageBox(QStringLiteral("There was an error loading your settings. The defaults are used for: ") +
                               settingsProblems.join(QStringLiteral(", ")));
    s.show().loadStartupShow();
    frame.show();
    form<Main>().show();
    // The layout and the fixture list are tool windows shown with the console.
    wiring::startLayout(s);

    // A second after the windows are up the interfaces are opened, whose last
    // step switches the refresh tick on, then Art-Net starts when it is
    // enabled.
    QTimer::singleShot(1000, &app, [&s] {
        DmxOutput& output = s.engine<DmxOutput>();
        output.clkCorvellDmxDongle_Click();
        output.startArtNetIfEnabled();
    });

    if (parser.isSet(quitAfterOption)) {
        QTimer::singleShot(parser.value(quitAfterOption).toInt(), &app, &QApplication::quit);
    }
    const int rc = app.exec();
    return rc;
}

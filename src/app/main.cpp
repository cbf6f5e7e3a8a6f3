// Start of the console: the program folder, the real platform services, the
// frame and the main window.

#include "effects/frmFogControl.h"
#include "output/DmxOutput.h"
#include "patch/ui/patchWindows.h"
#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/ftdiPort.h"
#include "platform/paths.h"
#include "platform/placementStore.h"
#include "platform/portIo.h"
#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "playback/frmPlayBackManager.h"
#include "playback/playbackFrame.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/Main.h"
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
    ShellScope scope(std::make_unique<Shell>(folder, std::move(services)));
    Shell& s = scope.get();
    s.hooks.processPendingEvents = [] { QCoreApplication::processEvents(); };
    s.hooks.redimFoggers = [&s](int32_t n) { s.form<frmFogControl>().redimFoggers(n); };
    s.engine<DmxOutput>(); // fills the DMX output hooks of the shell

    auto& frame = s.form<frmPlayBackManager>();
    QObject::connect(&frame, &frmPlayBackManager::closeRequested, &app, &QApplication::quit);
    s.hooks.setFrameCaption = [&frame](const QString& text) { frame.setWindowTitle(text); };
    frame.show();
    s.form<Main>().show();
    startPatchWindows(s);

    // The refresh period comes from ylc.ini; a second after the windows are up
    // the interfaces are opened, whose last step switches the refresh tick on,
    // then Art-Net starts when it is enabled.
    PlaybackFrame& playbacks = s.engine<PlaybackFrame>();
    playbacks.applyStartupRefreshRate(
        miscGlobalFunctions::readIniValue(s.iniFile(), QStringLiteral("Main"), QStringLiteral("DMX Refresh Rate"),
                                          QStringLiteral("50")));
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

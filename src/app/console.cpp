#include "app/console.h"

#include "app/wiring.h"
#include "output/DmxOutput.h"
#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/deviceArrival.h"
#include "platform/fileSystem.h"
#include "platform/httpDownload.h"
#include "platform/systemPower.h"
#include "platform/midiPorts.h"
#include "platform/ui/qtMonitors.h"
#include "platform/ftdiPort.h"
#include "platform/mediaPlayer.h"
#include "platform/outputClock.h"
#include "platform/paths.h"
#include "platform/placementStore.h"
#include "platform/portIo.h"
#include "platform/tickTimer.h"
#include "platform/waveInput.h"
#include "platform/ui/qtPrompts.h"
#include "playback/playbackFrame.h"
#include "playback/ui/frmPlayBackManager.h"
#include "shell/services/mastersService.h"
#include "shell/services/showService.h"
#include "shell/ui/firstStartScreen.h"
#include "shell/ui/consoleStartup.h"
#include "shell/userModes.h"
#include "shell/settingsKeys.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace console {

QString prepareProgramFolder(const QString& resources, const QString& folder) {
    const QString start = QStringLiteral("The program folder %1 cannot be used: ").arg(folder);
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) return start + QStringLiteral("it is a file, not a folder.");
    if (!info.exists() && !QDir().mkpath(folder))
        return start + QStringLiteral("it could not be created (check the permissions of the folder above it).");
    // A file that can be made and removed shows the folder is writable;
    // the permission bits alone do not tell (root, mounts, ACLs).
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-test-XXXXXX")));
    if (!probe.open()) return start + QStringLiteral("it is not writable (%1).").arg(probe.errorString());
    probe.close();
    if (!paths::seedFolder(resources, folder))
        return start + QStringLiteral("the shipped files could not be copied into it.");
    return {};
}

PlatformServices desktopServices() {
    // Qt Multimedia's FFmpeg back end decodes with the libraries Qt itself
    // depends on; the GStreamer one needs plug-in packages per format. It is
    // chosen before the first player or sound device is made.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    PlatformServices services;
    services.prompts = std::make_unique<QtPrompts>();
    services.clock = std::make_unique<SystemClock>();
    services.timers = std::make_unique<QtTimerFactory>();
    services.placement = std::make_unique<QtPlacementStore>();
    services.outputClock = std::make_unique<ThreadedOutputClock>();
    services.ftdi = std::make_unique<LibFtdiDriver>();
    auto artNet = std::make_unique<UdpArtNetLayer>();
    artNet->setOutputClock(services.outputClock.get());
    services.artNet = std::move(artNet);
    services.portIo = std::make_unique<LinuxPortIo>();
    services.deviceArrival = std::make_unique<UdevDeviceArrival>();
    services.midi = std::make_unique<RtMidiPorts>();
    services.monitors = std::make_unique<QtMonitors>();
    services.waveInput = std::make_unique<QtWaveInput>();
    services.media = std::make_unique<QtMediaPlayerFactory>();
    services.power = std::make_unique<LogindSystemPower>();
    services.http = std::make_unique<QtHttpDownload>();
    return services;
}

Console::Console(const QString& folder, PlatformServices services)
    : scope(std::make_unique<Shell>(folder, std::move(services))) {
    Shell& s = shell();
    wiring::startShell(s);
    wiring::startSupport(s);
    wiring::startOutput(s);
    wiring::startPlayback(s);
    wiring::startEffects(s);
    wiring::startShow(s);
    wiring::startShortcuts(s);
    wiring::startPatch(s);
    wiring::startMasters(s);
    wiring::startAudio(s);
    wiring::startMatrix(s);
    wiring::startScheduler(s);
    wiring::startProfiles(s);
    wiring::startConsole(s);
    wiring::startPresets(s);
    wiring::startProgrammer(s);
    wiring::startControl(s);
    // The layout and the fixture list: the patch service's windows, there
    // before the start-up lays the show's fixtures out on them.
    wiring::startLayout(s);
}

Console::Console(const QString& folder) : Console(folder, desktopServices()) {}

Console::~Console() = default;

frmPlayBackManager& Console::frame() { return form<frmPlayBackManager>(); }

Main& Console::mainWindow() { return form<Main>(); }

void Console::start() {
    Shell& s = shell();
    auto& frameWindow = frame();
    // The start-up road: settings, one instance, the last show and playbacks;
    // a second after the windows are up the interfaces open (and with them
    // the refresh tick), then Art-Net starts when it is enabled and the
    // toolbar reflects the interfaces found.
    QObject::connect(&consoleStartup::view(), &MainStartupView::startupFinished, &frameWindow, [&s] {
        s.engine<DmxOutput>().startArtNetIfEnabled();
        if (auto* f = loadedForm<frmPlayBackManager>()) f->updateToolbarStates();
    });
    // It runs inside the event loop, so its dialogs and pause keep the
    // windows live.
    QTimer::singleShot(0, &frameWindow, [this, &s] {
        const bool firstScreen = firstStartScreen::neverPlaced();
        if (!consoleStartup::run()) {
            QCoreApplication::exit(0);
            return;
        }
        frame().updateToolbarStates();
        frame().show();
        mainWindow().show();
        // The frame's load shows the top bar.
        s.masters().showTopBar();
        // A console never placed before opens with its windows side by side.
        if (firstScreen)
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                firstStartScreen::arrange(screen->availableGeometry());
        // The stored user mode, once the windows it reaches exist.
        s.engine<UserModes>().applyUserMode();
    });
}

} // namespace console

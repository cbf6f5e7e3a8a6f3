#include "app/console.h"

#include "app/wiring.h"
#include "output/DmxOutput.h"
#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/deviceArrival.h"
#include "platform/ftdiPort.h"
#include "platform/paths.h"
#include "platform/placementStore.h"
#include "platform/portIo.h"
#include "platform/tickTimer.h"
#include "platform/ui/qtPrompts.h"
#include "playback/playbackFrame.h"
#include "playback/ui/frmPlayBackManager.h"
#include "shell/services/showService.h"
#include "shell/settingsKeys.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
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
    PlatformServices services;
    services.prompts = std::make_unique<QtPrompts>();
    services.clock = std::make_unique<SystemClock>();
    services.timers = std::make_unique<QtTimerFactory>();
    services.placement = std::make_unique<QtPlacementStore>();
    services.ftdi = std::make_unique<LibFtdiDriver>();
    services.artNet = std::make_unique<UdpArtNetLayer>();
    services.portIo = std::make_unique<LinuxPortIo>();
    services.deviceArrival = std::make_unique<UdevDeviceArrival>();
    return services;
}

Console::Console(const QString& folder, PlatformServices services)
    : scope(std::make_unique<Shell>(folder, std::move(services))) {
    Shell& s = shell();
    wiring::startShell(s);
    wiring::startOutput(s);
    wiring::startPlayback(s);
    wiring::startProfiles(s);
    wiring::startEffects(s);
    wiring::startShow(s);
    wiring::startShortcuts(s);
}

Console::Console(const QString& folder) : Console(folder, desktopServices()) {}

Console::~Console() = default;

frmPlayBackManager& Console::frame() { return form<frmPlayBackManager>(); }

Main& Console::mainWindow() { return form<Main>(); }

void Console::start() {
    Shell& s = shell();
    auto& frameWindow = frame();
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
    frameWindow.updateToolbarStates();
    frameWindow.show();
    mainWindow().show();

    // A second after the windows are up the interfaces are opened, whose last
    // step switches the refresh tick on, then Art-Net starts when it is
    // enabled; the toolbar then reflects the interfaces found.
    QTimer::singleShot(1000, &frameWindow, [&s] {
        DmxOutput& output = s.engine<DmxOutput>();
        output.clkCorvellDmxDongle_Click();
        output.startArtNetIfEnabled();
        if (auto* f = loadedForm<frmPlayBackManager>()) f->updateToolbarStates();
    });
}

} // namespace console

#include "shell/shell.h"

#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/deviceArrival.h"
#include "platform/fileSystem.h"
#include "platform/httpDownload.h"
#include "platform/ftdiPort.h"
#include "platform/mediaPlayer.h"
#include "platform/midiPorts.h"
#include "platform/monitors.h"
#include "platform/outputClock.h"
#include "platform/paths.h"
#include "platform/placementStore.h"
#include "platform/portIo.h"
#include "platform/prompts.h"
#include "platform/systemPower.h"
#include "platform/tickTimer.h"
#include "platform/waveInput.h"

#include <stdexcept>

PlatformServices::PlatformServices() = default;
PlatformServices::~PlatformServices() = default;
PlatformServices::PlatformServices(PlatformServices&&) noexcept = default;
PlatformServices& PlatformServices::operator=(PlatformServices&&) noexcept = default;

namespace {
// The installed shell. The only mutable global: everything else hangs off it.
Shell* current = nullptr;
} // namespace

Shell::Shell(QString programFolder, PlatformServices s) : folder(std::move(programFolder)), services(std::move(s)) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    state.totalChannels = 512;
    state.resize(512);
}

FileSystem& Shell::files() {
    if (!services.files) services.files = std::make_unique<LocalFileSystem>();
    return *services.files;
}

Shell::~Shell() {
    windows.reset();
    while (!engines.empty()) engines.pop_back();
    while (!services_.empty()) services_.pop_back();
}

void* Shell::findService(std::type_index type) const {
    for (const auto& s : services_)
        if (s.type == type) return s.object.get();
    return nullptr;
}

void Shell::putService(std::type_index type, OwnedObject object) {
    for (auto& s : services_) {
        if (s.type == type) {
            // The old one goes after the new one is in place: its destructor
            // may still reach the shell.
            std::swap(s.object, object);
            return;
        }
    }
    services_.push_back({type, std::move(object)});
}

QString Shell::iniFile() const { return programPath(QStringLiteral("ylc.ini")); }

QString Shell::programPath(const QString& storedRelative) const {
    return paths::realPath(folder + QLatin1Char('/') + storedRelative);
}

Shell& shell() {
    if (!current) throw std::logic_error("no shell installed");
    return *current;
}

bool hasShell() { return current != nullptr; }

ShellScope::ShellScope(std::unique_ptr<Shell> s) : owned(std::move(s)), previous(current) { current = owned.get(); }

ShellScope::~ShellScope() {
    // Windows and engines may still reach shell() while they are destroyed:
    // the shell stays current until it is gone.
    owned.reset();
    current = previous;
}

#pragma once
// The one object that owns the shared state and the platform services. Code
// reaches it through shell(); a test makes a fresh one (with fakes) per case
// through ShellScope.

#include "shell/channelModel.h"

#include <QString>
#include <memory>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

class Prompts;
class Clock;
class TimerFactory;
class PlacementStore;
class FtdiDriver;
class OutputClock;
class ArtNetLayer;
class PortIo;
class DeviceArrival;
class FileSystem;
class MidiPorts;
class WaveInput;
class MediaPlayerFactory;
class Monitors;
class SystemPower;
class HttpDownload;
class ConsoleService;
class ControlService;
class MainWindowService;
class MastersService;
class PatchService;
class PlaybackService;
class PresetsService;
class ProfilesService;
class SchedulerService;
class ShortcutsService;
class ShowService;
class SupportService;
class VisualizerService;

struct PlatformServices {
    // Out of line, so code that moves the set needs no layer's header.
    PlatformServices();
    ~PlatformServices();
    PlatformServices(PlatformServices&&) noexcept;
    PlatformServices& operator=(PlatformServices&&) noexcept;

    std::unique_ptr<Prompts> prompts;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<TimerFactory> timers;
    std::unique_ptr<PlacementStore> placement;
    // Sends the newest output frame on steady deadlines from its own thread;
    // missing in tests (frames are then written by the tick). Declared
    // before the devices, which leave it as they go.
    std::unique_ptr<OutputClock> outputClock;
    // DMX output devices; any may be missing (no output of that kind).
    std::unique_ptr<FtdiDriver> ftdi;
    std::unique_ptr<ArtNetLayer> artNet;
    std::unique_ptr<PortIo> portIo;
    // Tells the output when a USB-to-DMX interface is plugged in; may be missing.
    std::unique_ptr<DeviceArrival> deviceArrival;
    // Drives, folders and copies of backup and restore; the desktop's when missing.
    std::unique_ptr<FileSystem> files;
    // MIDI in and out (the control wing); may be missing (no MIDI).
    std::unique_ptr<MidiPorts> midi;
    // The display monitors for window placement; may be missing (one screen assumed).
    std::unique_ptr<Monitors> monitors;
    // Sound input of the audio trigger; may be missing (no sound input).
    std::unique_ptr<WaveInput> waveInput;
    // Media players of the media window and the schedule; may be missing (no media).
    std::unique_ptr<MediaPlayerFactory> media;
    // Switching the computer off on the operator's command; may be missing (not offered).
    std::unique_ptr<SystemPower> power;
    // HTTP downloads (the update check); may be missing (no downloads).
    std::unique_ptr<HttpDownload> http;
};

// The services the subsystems offer each other (src/shell/services/).
class OutputService;
class EffectsService;
class AudioService;
class MatrixService;

class Shell {
public:
    Shell(QString programFolder, PlatformServices services);
    ~Shell();

    ChannelModel state;

    // Real path of the program folder, without a trailing slash.
    const QString& programFolder() const { return folder; }
    // Real path of ylc.ini in the program folder.
    QString iniFile() const;
    // Real path of a name below the program folder, given in stored form
    // ("Sequences\Club\Intro.YSQ"); folder names match without regard to case.
    QString programPath(const QString& storedRelative) const;

    Prompts& prompts() { return *services.prompts; }
    Clock& clock() { return *services.clock; }
    TimerFactory& timers() { return *services.timers; }
    PlacementStore& placement() { return *services.placement; }
    FtdiDriver* ftdi() { return services.ftdi.get(); }
    OutputClock* outputClock() { return services.outputClock.get(); }
    ArtNetLayer* artNet() { return services.artNet.get(); }
    PortIo* portIo() { return services.portIo.get(); }
    DeviceArrival* deviceArrival() { return services.deviceArrival.get(); }
    FileSystem& files();
    MidiPorts* midi() { return services.midi.get(); }
    Monitors* monitors() { return services.monitors.get(); }
    WaveInput* waveInput() { return services.waveInput.get(); }
    MediaPlayerFactory* media() { return services.media.get(); }
    SystemPower* power() { return services.power.get(); }
    HttpDownload* http() { return services.http.get(); }
    PlatformServices& platform() { return services; }

    // The window side's own state (the window registry of src/shell/ui/),
    // made on first use and destroyed before everything else the shell holds,
    // as windows may still reach engines and services while they close.
    template <typename T> T& windowSide() {
        if (!windows) windows = OwnedObject(new T(), [](void* p) { delete static_cast<T*>(p); });
        return *static_cast<T*>(windows.get());
    }
    template <typename T> T* loadedWindowSide() { return static_cast<T*>(windows.get()); }

    // Services the subsystems offer each other (src/shell/services/). Each
    // service is an interface whose base implementation answers "nothing
    // there"; the base is made on first use, and a subsystem replaces it with
    // its own when it starts (tests with a fake). Callers never check for null.
    template <typename S> S& service() {
        if (S* s = static_cast<S*>(findService(std::type_index(typeid(S))))) return *s;
        S* made = new S();
        putService(std::type_index(typeid(S)), OwnedObject(made, [](void* p) { delete static_cast<S*>(p); }));
        return *made;
    }
    // Registers the implementation of service S, replacing the one in place.
    template <typename S, typename Impl> Impl& provide(std::unique_ptr<Impl> impl) {
        static_assert(std::is_base_of_v<S, Impl>, "an implementation derives from its service");
        Impl& ref = *impl;
        S* asService = impl.release();
        putService(std::type_index(typeid(S)), OwnedObject(asService, [](void* p) { delete static_cast<S*>(p); }));
        return ref;
    }
    // Registers an implementation that an engine of the shell owns; the engine
    // withdraws it before it goes, which puts the base back.
    template <typename S> void lend(S& impl) {
        putService(std::type_index(typeid(S)), OwnedObject(&impl, [](void*) {}));
    }
    template <typename S> void withdraw(S& impl) {
        if (findService(std::type_index(typeid(S))) == static_cast<void*>(&impl))
            putService(std::type_index(typeid(S)), OwnedObject(new S(), [](void* p) { delete static_cast<S*>(p); }));
    }
    // The services by name (each defined beside its service).
    AudioService& audio();
    ConsoleService& console();
    ControlService& control();
    EffectsService& effects();
    MainWindowService& mainWindow();
    MastersService& masters();
    MatrixService& matrix();
    OutputService& output();
    PatchService& patch();
    PlaybackService& playback();
    PresetsService& presets();
    ProfilesService& profiles();
    SchedulerService& scheduler();
    ShortcutsService& shortcuts();
    ShowService& show();
    SupportService& support();
    VisualizerService& visualizer();

    // Subsystem engines that live as long as the shell (the interface set, the
    // playback frame's engine ...), created on first use, destroyed in reverse
    // order before the windows.
    template <typename T> T& engine() {
        if (T* loaded = loadedEngine<T>()) return *loaded;
        engines.push_back({std::type_index(typeid(T)), OwnedObject(new T(), [](void* p) { delete static_cast<T*>(p); })});
        return *static_cast<T*>(engines.back().object.get());
    }
    template <typename T> T* loadedEngine() {
        for (auto& e : engines)
            if (e.type == std::type_index(typeid(T))) return static_cast<T*>(e.object.get());
        return nullptr;
    }

    // Re-entry flag of newDoEvents::doEventsIfPending.
    bool doEventsRunning = false;
    // Tokenizer cursors of nextToken / nextTokenAlt. The texts are 16-bit
    // long at most, but the position after their last field may lie beyond.
    struct TokenCursor { int32_t position = 0; int32_t delimiterLength = 0; };
    TokenCursor tokenCursor, tokenCursorAlt;

private:
    QString folder;
    PlatformServices services;
    using OwnedObject = std::unique_ptr<void, void (*)(void*)>;
    OwnedObject windows{nullptr, [](void*) {}};
    struct EngineSlot {
        std::type_index type;
        OwnedObject object;
    };
    std::vector<EngineSlot> engines;
    std::vector<EngineSlot> services_;
    void* findService(std::type_index type) const;
    void putService(std::type_index type, OwnedObject object);
};

// The shell in use. Only valid while one is installed.
Shell& shell();
bool hasShell();

// Installs a shell for its lifetime and puts the previous one back after.
class ShellScope {
public:
    explicit ShellScope(std::unique_ptr<Shell> s);
    ~ShellScope();
    ShellScope(const ShellScope&) = delete;
    ShellScope& operator=(const ShellScope&) = delete;
    Shell& get() { return *owned; }

private:
    std::unique_ptr<Shell> owned;
    Shell* previous = nullptr;
};

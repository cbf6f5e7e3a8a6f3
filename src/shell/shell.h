#pragma once
// The one object that owns the shared state and the platform services. Code
// reaches it through shell(); a test makes a fresh one (with fakes) per case
// through ShellScope.

#include "shell/channelModel.h"

#include <QString>
#include <functional>
#include <memory>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

class QWidget;

class Prompts;
class Clock;
class TimerFactory;
class PlacementStore;
class FtdiDriver;
class ArtNetLayer;
class PortIo;
class PatchService;
class MastersService;
class PlaybackService;
class MatrixService;
class PresetsService;
class EffectsService;
class ControlService;
class MainWindowService;

struct PlatformServices {
    std::unique_ptr<Prompts> prompts;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<TimerFactory> timers;
    std::unique_ptr<PlacementStore> placement;
    // DMX output devices; any may be missing (no output of that kind).
    std::unique_ptr<FtdiDriver> ftdi;
    std::unique_ptr<ArtNetLayer> artNet;
    std::unique_ptr<PortIo> portIo;
};

// Calls from the shell up into the subsystems that build on it. Each subsystem
// sets its own entries when it starts; an unset entry answers as "nothing
// there" (no playback, no icon).
struct ShellHooks {
    // Playback frame.
    std::function<int32_t(int32_t)> reportPlayBackPriority;  // by playback number; 0 when none
    std::function<QString(int32_t)> getCurrentSequence;      // by playback number
    std::function<int32_t()> documentCount;                  // live playback windows
    std::function<int32_t(int32_t)> getMaxSteps;             // by window position 1..documentCount
    std::function<void()> reDimAllPlaybackControls;
    // Fog control window.
    std::function<void(int32_t)> redimFoggers;
    // Layout window: the name held by a fixture's icon; empty when none.
    std::function<QString(int32_t)> fixtureIconName;
    // Lets pending window events run once (wired by the application).
    std::function<void()> processPendingEvents;
    // Playback frame: sets its caption (the status line of the console).
    std::function<void(const QString&)> setFrameCaption;
    // Top bar, in one-console mode the status line instead of the caption:
    // clears the bar and prints the text at x 150 twips, 250 twips above its
    // bottom, in
    // grey (128, 128, 128) and bold.
    std::function<void(const QString&)> showTopBarText;
    // DMX output (set by the output engine when it is created): open every
    // USB-to-DMX interface, whether one is open, whether Art-Net runs, and
    // end Art-Net at shutdown.
    std::function<void()> openDmxInterfaces;
    std::function<bool()> dmxInterfaceOpen;
    std::function<bool()> artNetRunning;
    std::function<void()> endArtNet;
};

class Shell {
public:
    Shell(QString programFolder, PlatformServices services);
    ~Shell();

    ChannelModel state;
    ShellHooks hooks;

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
    ArtNetLayer* artNet() { return services.artNet.get(); }
    PortIo* portIo() { return services.portIo.get(); }
    PlatformServices& platform() { return services; }

    // Windows are singletons created on first use and kept until the shell
    // goes (shutdown, or the end of a test).
    template <typename W> W& form() {
        if (W* w = loadedForm<W>()) return *w;
        auto owned = std::make_unique<W>();
        W& ref = *owned;
        forms.emplace_back(std::type_index(typeid(W)), std::move(owned));
        return ref;
    }
    template <typename W> W* loadedForm() {
        for (auto& [type, widget] : forms)
            if (type == std::type_index(typeid(W))) return static_cast<W*>(widget.get());
        return nullptr;
    }
    // Unloads a window; the next form<W>() makes a new one.
    template <typename W> void unloadForm() { unloadForm(std::type_index(typeid(W))); }
    void unloadForm(std::type_index type);
    // Every loaded window, in load order.
    std::vector<QWidget*> loadedForms() const;

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
    // Named accessors (defined beside each service).
    PatchService& patch();
    MastersService& masters();
    PlaybackService& playback();
    MatrixService& matrix();
    PresetsService& presets();
    EffectsService& effects();
    ControlService& control();
    MainWindowService& mainWindow();

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
    std::vector<std::pair<std::type_index, std::unique_ptr<QWidget>>> forms;
    using OwnedObject = std::unique_ptr<void, void (*)(void*)>;
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

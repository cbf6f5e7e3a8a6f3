#include "shell/ui/mainCommands.h"

#include "platform/prompts.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/audioService.h"
#include "shell/services/effectsService.h"
#include "shell/services/mastersService.h"
#include "shell/services/matrixService.h"
#include "shell/services/outputService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/schedulerService.h"
#include "shell/services/profilesService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/showService.h"
#include "shell/services/supportService.h"
#include "shell/shell.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowMenu.h"
#include "shell/ui/windowRegistry.h"
#include "shell/windowMenu.h"

#include <typeinfo>

namespace mainCommands {

namespace {

const QString notYet = QStringLiteral("Not available yet");

// A service still at its base answers "nothing there": its subsystem has not
// registered an implementation.
template <typename S> bool running() { return typeid(shell().service<S>()) != typeid(S); }

template <typename S> QString needs() { return running<S>() ? QString() : notYet; }

// Records in ylc.ini [Windows] that a tool window was opened.
void recordOpened(const QString& key) {
    miscGlobalFunctions::writeIniValue(shell().iniFile(), QStringLiteral("Windows"), key, QStringLiteral("True"));
}

} // namespace

std::vector<Menu> menus() {
    using C = Command;
    return {
        {QStringLiteral("File"),
         {{C::LoadShow, QStringLiteral("Load Configuration")},
          {C::SaveShow, QStringLiteral("Save Configuration")},
          {C::ClearShow, QStringLiteral("Clear Configuration / Start New Show")},
          {C::BackupShow, QStringLiteral("Backup Current configuration")},
          {C::ShutDownComputer, QStringLiteral("Shut Down Computer")}},
         {}},
        {QStringLiteral("Preferences"), {{C::Preferences, QStringLiteral("Main Desk")}}, {}},
        {QStringLiteral("Advanced"),
         {},
         {{QStringLiteral("Dmx View"),
           {{C::DmxOutputWindow, QStringLiteral("Dmx Output Window")},
            {C::ChannelConfiguration, QStringLiteral("DMX Channel Configuration")},
            {C::PatchList, QStringLiteral("Patch List")},
            {C::DmxTiming, QStringLiteral("DMX512 Timing")},
            {C::DmxRecord, QStringLiteral("DMX Record")}},
           {}},
          {QStringLiteral("RGB and Matrix"),
           {{C::RgbEditor, QStringLiteral("L.E.D. / RGB Editor")},
            {C::BrumalMatrix, QStringLiteral("Brumal Matrix ")}},
           {}},
          {QStringLiteral("Advanced Tools"),
           {{C::AdvancedFx, QStringLiteral("Advanced FX Tool")},
            {C::Scheduler, QStringLiteral("TimeLine Button Scheduler")}},
           {}}}},
        {QStringLiteral("Windows"),
         {{C::ProfileEditor, QStringLiteral("Fixture Editor")},
          {C::FixtureList, QStringLiteral("Fixture List")},
          {C::LayoutWindow, QStringLiteral("Fixture Layout")},
          {C::Palettes, QStringLiteral("Palettes")},
          {C::ShortcutPages, QStringLiteral("Sequence Shortcuts")},
          {C::MasterShortcuts, QStringLiteral("Master Sequence Shortcuts")},
          {C::KeyList, QStringLiteral("Keyboard Shortcut List")},
          {C::PlaybackFaders, QStringLiteral("Playback Submasters")},
          {C::GrandMaster, QStringLiteral("Grand Master")},
          {C::FogControl, QStringLiteral("Fog Controller")},
          {C::DmxInput, QStringLiteral("DMX Input")},
          {C::MediaPlayer, QStringLiteral("Media Player")},
          {C::AudioTrigger, QStringLiteral("Audio Trigger")},
          {C::Visualizer, QStringLiteral("3D Viewer")},
          {C::SequenceWizard, QStringLiteral("Sequence Wizard")}},
         {}},
    };
}

QString unavailableReason(Command c) {
    using C = Command;
    switch (c) {
    case C::LoadShow:
    case C::SaveShow:
    case C::ClearShow:
    case C::BackupShow:
    case C::Preferences: return needs<ShowService>();
    case C::ClearSequence: return needs<PlaybackService>();
    case C::ShutDownComputer: return needs<SupportService>().isEmpty() && shell().power() ? QString() : notYet;
    case C::FocusMain: return {};
    case C::DmxOutputWindow:
    case C::DmxRecord: return shell().output().hasWindows() ? QString() : notYet;
    case C::DmxTiming:
        if (!shell().output().hasWindows()) return notYet;
        return shell().output().dmxInterfaceOpen() ? QString() : QStringLiteral("No DMX interface is open");
    case C::ChannelConfiguration:
    case C::PatchList:
    case C::FixtureList:
    case C::LayoutWindow: return needs<PatchService>();
    case C::ProfileEditor: return needs<ProfilesService>();
    case C::ShortcutPages:
    case C::MasterShortcuts:
    case C::KeyList: return needs<ShortcutsService>();
    case C::GrandMaster:
    case C::PlaybackFaders:
    case C::GrandBlackout: return needs<MastersService>();
    case C::FogControl: return shell().effects().hasFogWindow() ? QString() : notYet;
    case C::AudioTrigger: return needs<AudioService>();
    case C::BrumalMatrix: return needs<MatrixService>();
    case C::AdvancedFx: return shell().effects().hasShapeGenerator() ? QString() : notYet;
    case C::Palettes: return needs<PresetsService>();
    case C::Scheduler:
    case C::MediaPlayer: return needs<SchedulerService>();
    // Their subsystems (RGB editor, submasters, DMX input, 3D, wizard, the
    // console's blackout button) are not built yet.
    default: return notYet;
    }
}

void run(Command c) {
    if (!unavailableReason(c).isEmpty()) return;
    Shell& s = shell();
    using C = Command;
    switch (c) {
    case C::LoadShow: s.show().loadTheConfiguration(true, QString()); break;
    case C::SaveShow: s.show().saveConfiguration(true, true, false); break;
    case C::ClearShow: s.show().clearall(); break;
    case C::ClearSequence: s.support().confirmClearSequence(); break;
    case C::ShutDownComputer: s.support().shutDownCommand(); break;
    case C::FocusMain: {
        Main& m = form<Main>();
        m.show();
        m.raise();
        m.activateWindow();
        break;
    }
    case C::DmxOutputWindow: s.output().showOutputMonitor(); break;
    case C::DmxRecord: s.output().showDmxRecord(); break;
    case C::DmxTiming: s.output().showDmxTiming(); break;
    case C::ChannelConfiguration: s.patch().showDmxConfiguration(); break;
    case C::PatchList: s.patch().showPatchList(); break;
    case C::FixtureList:
        s.patch().showFixtureList();
        recordOpened(QStringLiteral("fixtureList"));
        break;
    case C::LayoutWindow: s.patch().showLayoutWindow(); break;
    case C::ProfileEditor: s.profiles().showProfileEditor(); break;
    case C::ShortcutPages: s.shortcuts().showShortcutPages(); break;
    case C::MasterShortcuts:
        s.shortcuts().showMasterShortcuts();
        recordOpened(QStringLiteral("Shortcuts"));
        break;
    case C::KeyList: s.shortcuts().showKeyList(); break;
    case C::GrandMaster: s.masters().showGrandMaster(); break;
    case C::PlaybackFaders: s.masters().showPlaybackFaders(); break;
    case C::GrandBlackout: s.masters().lblBlackout_Click(); break;
    case C::Preferences: s.show().showOptions(false); break;
    case C::BackupShow: s.show().backUpConfiguration(false); break;
    case C::FogControl: s.effects().showFogControl(); break;
    case C::AudioTrigger: windowMenu::showAudioTrigger(); break;
    case C::BrumalMatrix: s.matrix().showBrumalMatrix(); break;
    case C::AdvancedFx: s.effects().showShapeGenerator(); break;
    case C::Palettes: windowMenu::showPalettes(); break;
    case C::Scheduler: windowMenuUi::openScheduler(); break;
    case C::MediaPlayer: windowMenu::mediaplayermain_Click(); break;
    default: break;
    }
}

std::optional<Command> toolbarCommand(int index) {
    using C = Command;
    const std::optional<C> none;
    const std::optional<C> table[] = {C::ClearSequence, C::SaveShow, C::ClearShow, C::ProfileEditor, C::FocusMain,
                                      C::FixtureList, C::AdvancedFx, C::Palettes, C::MasterShortcuts,
                                      C::PlaybackFaders, C::FogControl, C::Scheduler, none, C::DmxInput,
                                      C::MediaPlayer, C::AudioTrigger, C::Visualizer, C::SequenceWizard, none,
                                      C::GrandMaster, C::GrandBlackout};
    if (index < 1 || index > 21) return std::nullopt;
    return table[index - 1];
}

} // namespace mainCommands

#pragma once
// The main window's commands: the windows and show commands its menus and
// the frame's toolbar run. Each command reaches its subsystem through that
// subsystem's service, so a command whose subsystem is not running is
// reported as unavailable (with the reason) instead of doing nothing.

#include <QString>
#include <optional>
#include <vector>

namespace mainCommands {

enum class Command {
    LoadShow, SaveShow, ClearShow, ShutDownComputer,
    ClearSequence, FocusMain,
    DmxOutputWindow, ChannelConfiguration, PatchList, DmxTiming, DmxRecord,
    RgbEditor, BrumalMatrix, AdvancedFx, Scheduler,
    ProfileEditor, FixtureList, LayoutWindow, Palettes, MasterShortcuts, ShortcutPages, KeyList,
    PlaybackFaders, FogControl, DmxInput, MediaPlayer, AudioTrigger, Visualizer, SequenceWizard,
    GrandMaster, GrandBlackout,
    Preferences, BackupShow,
};

struct Entry {
    Command command;
    QString caption;
};

// The captions, in menu order, of each menu of the main window.
struct Menu {
    QString title;
    std::vector<Entry> entries;
    std::vector<Menu> submenus;
};
std::vector<Menu> menus();

// Empty when the command can run now, else why not ("Not available yet").
QString unavailableReason(Command c);
// Runs the command (nothing when it is unavailable).
void run(Command c);
// The command of toolbar button 1..21; none for the buttons without one (13, 19).
std::optional<Command> toolbarCommand(int index);

} // namespace mainCommands

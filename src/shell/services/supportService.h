#pragma once
// Support windows (subsystem 20): the start-up splash, the preset-data
// window, the common dialogs (text entry, confirmation, monitor chooser,
// start wizard), the update check and switching the computer off. The base
// shows nothing and changes nothing.

#include <QString>
#include <cstdint>

class SupportService {
public:
    virtual ~SupportService() = default;
    // The splash window's loading line; ignored when no splash is up.
    virtual void showLoadingText(const QString& text) { (void)text; }
    // Unloads the splash window.
    virtual void unloadSplash() {}
    // Unloads the preset-data window.
    virtual void unloadShowPresetData() {}

    // ---- Text-entry dialog ---------------------------------------------------------
    // Each asks for a name and returns once it is done (true) or cancelled.
    // A new name for a fixture.
    virtual bool renameFixture(int32_t fixture) { (void)fixture; return false; }
    // The operator's name of a playback (1..8).
    virtual bool namePlayback(int32_t playback) { (void)playback; return false; }
    // A new name for a sequence file of a playback's shortcut buttons, given
    // relative to the Sequences folder ("Club\Intro.YSQ").
    virtual bool renamePlaybackSequence(const QString& originalName) { (void)originalName; return false; }

    // ---- Confirmation dialog -------------------------------------------------------
    // "Are You Sure?" before clearing the current playback.
    virtual void confirmClearSequence() {}
    // "Are You Sure?" before clearing the show and starting a new one.
    virtual void confirmNewShow() {}

    // ---- Other windows and commands -------------------------------------------------
    // The start wizard chooser ("Task").
    virtual void showStartWizard() {}
    // Asks the update server for a newer version; silent keeps the outcome
    // to itself unless there is one.
    virtual void checkForUpdate(bool silent) { (void)silent; }
    // The monitor chooser: the chosen monitor's 1-based position, 0 when
    // none. fullScreen, when given, follows the "Playback Fullscreen" box.
    virtual int32_t showMonitorDialog(const QString& prompt, const QString& caption, bool* fullScreen) {
        (void)prompt, (void)caption, (void)fullScreen;
        return 0;
    }
    // The explicit shut-down command: confirmation, then the computer is
    // switched off and the program ends; a refusal is reported and the
    // console keeps running.
    virtual void shutDownCommand() {}
    // Switches the computer off without asking; false when refused.
    virtual bool shutDownComputer(bool force) {
        (void)force;
        return false;
    }
};

#pragma once
// The main-window service while the programming console runs: the shell's
// window services, and the playback engine's displays shown on the console
// band (step number, times, progress bars, dimmer, colours, captions, the
// programming lock) with the band's time boxes and fade-time slider read back.

#include "shell/ui/shellMainWindowService.h"

#include <QPointer>
#include <memory>

class ConsoleBand;
class QProgressDialog;

class ConsoleMainWindowService : public ShellMainWindowService {
public:
    ConsoleMainWindowService();
    ~ConsoleMainWindowService() override;

    QString returnSequenceNameForCurrentChaser() override;
    void setAllPlaybacksCaption(const QString& caption) override;

    void mainFollowProgress(int32_t percent) override;
    void mainStepNumber(const QString& text, int32_t colour) override;
    void mainDimmerSlider(int32_t value) override;
    void setFadeTimeSlider(int32_t value) override;
    void mainPauseColour(int32_t colour) override;
    void mainAutoFollowColour(int32_t colour) override;
    void mainBlackOutColour(int32_t colour) override;
    void mainCommandCaption(const QString& caption) override;
    void mainBpmCaption(const QString& caption) override;
    void updateSequenceDetails(const QString& sceneName) override;
    void mainProgressMaximum(int32_t bar, float maximum) override;
    void mainProgressValue(int32_t bar, float value) override;
    void showProgressWindow(int32_t maximum) override;
    void advanceProgressWindow(const QString& label) override;
    void closeProgressWindow() override;
    void mainFadeScenes(bool on) override;

    bool hasFadeTimeBoxes() override;
    QString mainFadeTimeText(int32_t box) override;
    void setMainFadeTimeText(int32_t box, const QString& text) override;
    std::optional<int32_t> mainFadeTimeSlider() override;
    bool mouseDownOnFade() override;
    bool mainProgrammingEnabled() override;
    void setMainProgrammingLocked(bool locked) override;
    void play(int32_t playbackNumber, bool fromKey) override;
    void setProgrammingControlsEnabled(bool enabled) override;

    // Keys typed into other windows, in Qt's numbering.
    void Keyshortcuts(int keyCode, int shift) override;
    void keyshortcutsup(int keyCode, int shift) override;

private:
    ConsoleBand* band();
    QPointer<ConsoleBand> cached;
    QPointer<QProgressDialog> progress;
};

// Registers the console's main-window service and puts the band and its
// menus on the main window.
class Shell;
void attachConsoleBand(Shell& s);

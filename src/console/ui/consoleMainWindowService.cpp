#include "console/ui/consoleMainWindowService.h"

#include "console/console.h"
#include "console/ui/ConsoleBand.h"
#include "console/ui/consoleMenus.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSlider>

ConsoleMainWindowService::ConsoleMainWindowService() = default;

ConsoleMainWindowService::~ConsoleMainWindowService() {
    if (progress) progress->deleteLater();
}

ConsoleBand* ConsoleMainWindowService::band() {
    if (!cached) cached = ConsoleBand::shown();
    return cached;
}

QString ConsoleMainWindowService::returnSequenceNameForCurrentChaser() {
    Console* c = ConsoleBand::engine();
    if (!c) return {};
    const QString name = c->run.returnSequenceNameForCurrentChaser();
    // The dimmer shown is the current playback's, so a drag starts from its real level.
    if (ConsoleBand* b = band()) b->showDimmer(shell().playback().getDimmerValue(shell().state.currentPlayback));
    return name;
}

void ConsoleMainWindowService::setAllPlaybacksCaption(const QString& caption) {
    if (Console* c = ConsoleBand::engine()) c->run.allPlaybacksCaption = caption;
    if (ConsoleBand* b = band()) b->refresh();
}

void ConsoleMainWindowService::mainFollowProgress(int32_t percent) {
    if (ConsoleBand* b = band()) b->showProgressValue(4, float(percent));
}

void ConsoleMainWindowService::mainStepNumber(const QString& text, int32_t colour) {
    if (ConsoleBand* b = band()) b->showStepNumber(text, colour);
}

void ConsoleMainWindowService::mainDimmerSlider(int32_t value) {
    if (ConsoleBand* b = band()) b->showDimmer(value);
}

void ConsoleMainWindowService::setFadeTimeSlider(int32_t value) {
    if (ConsoleBand* b = band()) b->showFadeTime(value);
    else shell().console().setFadeTimeSlider(value);
}

void ConsoleMainWindowService::mainPauseColour(int32_t colour) {
    if (ConsoleBand* b = band()) ConsoleBand::paint(b->cmdPause, colour);
}

void ConsoleMainWindowService::mainAutoFollowColour(int32_t colour) {
    if (Console* c = ConsoleBand::engine()) c->run.autoGoColour = colour;
    if (ConsoleBand* b = band()) b->refresh();
}

void ConsoleMainWindowService::mainBlackOutColour(int32_t colour) {
    if (Console* c = ConsoleBand::engine()) {
        c->run.blackoutColour = colour;
        c->run.blackoutLatched = colour == RunControls::black;
    }
    if (ConsoleBand* b = band()) b->refresh();
}

void ConsoleMainWindowService::mainCommandCaption(const QString& caption) {
    if (ConsoleBand* b = band()) b->cmdShowProperties->setText(caption);
}

void ConsoleMainWindowService::mainBpmCaption(const QString& caption) {
    if (ConsoleBand* b = band()) b->cmdBPM->setText(caption);
}

void ConsoleMainWindowService::updateSequenceDetails(const QString& sceneName) {
    if (ConsoleBand* b = band()) b->showSequenceDetails(sceneName);
}

void ConsoleMainWindowService::mainProgressMaximum(int32_t bar, float maximum) {
    if (ConsoleBand* b = band()) b->showProgressMaximum(bar, maximum);
}

void ConsoleMainWindowService::mainProgressValue(int32_t bar, float value) {
    if (ConsoleBand* b = band()) b->showProgressValue(bar, value);
}

void ConsoleMainWindowService::showProgressWindow(int32_t maximum) {
    if (!progress) {
        progress = new QProgressDialog;
        progress->setObjectName(QStringLiteral("Progress"));
        progress->setCancelButton(nullptr);
        progress->setMinimumDuration(0);
        progress->setAutoClose(false);
        progress->setAutoReset(false);
    }
    progress->setRange(0, std::max(1, maximum));
    progress->setValue(0);
    progress->show();
}

void ConsoleMainWindowService::advanceProgressWindow(const QString& label) {
    if (!progress) return;
    progress->setValue(std::min(progress->maximum(), progress->value() + 1));
    progress->setLabelText(label);
}

void ConsoleMainWindowService::closeProgressWindow() {
    if (progress) progress->deleteLater();
    progress = nullptr;
}

void ConsoleMainWindowService::mainFadeScenes(bool on) {
    if (ConsoleBand* b = band()) b->showFadeScenes(on);
}

bool ConsoleMainWindowService::hasFadeTimeBoxes() { return band() != nullptr; }

QString ConsoleMainWindowService::mainFadeTimeText(int32_t box) {
    ConsoleBand* b = band();
    if (!b || box < 0 || box > 5) return {};
    return b->txtfadeTime[size_t(box)]->text();
}

void ConsoleMainWindowService::setMainFadeTimeText(int32_t box, const QString& text) {
    ConsoleBand* b = band();
    if (b && box >= 0 && box <= 5) b->txtfadeTime[size_t(box)]->setText(text);
}

std::optional<int32_t> ConsoleMainWindowService::mainFadeTimeSlider() {
    if (ConsoleBand* b = band()) return b->sldrFadetime->value();
    return std::nullopt;
}

bool ConsoleMainWindowService::mouseDownOnFade() { return shell().console().mouseDownOnFade(); }

bool ConsoleMainWindowService::mainProgrammingEnabled() {
    ConsoleBand* b = band();
    return !b || b->programmingEnabled();
}

void ConsoleMainWindowService::setMainProgrammingLocked(bool locked) {
    if (ConsoleBand* b = band()) b->setProgrammingLocked(locked);
}

void ConsoleMainWindowService::play(int32_t playbackNumber, bool fromKey) {
    shell().console().play(playbackNumber, fromKey);
    if (ConsoleBand* b = band()) b->refresh();
}

void ConsoleMainWindowService::setProgrammingControlsEnabled(bool enabled) {
    if (ConsoleBand* b = band()) b->cmdSaveChanges->setEnabled(enabled);
}

void ConsoleMainWindowService::Keyshortcuts(int keyCode, int shift) {
    if (keyCode) shell().console().Keyshortcuts(keyCode, shift);
}

void ConsoleMainWindowService::keyshortcutsup(int keyCode, int shift) {
    if (keyCode) shell().console().keyshortcutsup(keyCode, shift);
}

void attachConsoleBand(Shell& s) {
    s.provide<MainWindowService>(std::make_unique<ConsoleMainWindowService>());
    Main& main = form<Main>();
    if (main.findChild<ConsoleBand*>()) return;
    main.setConsoleBand(new ConsoleBand);
    consoleMenus::addMainMenus(main.menuBar());
}

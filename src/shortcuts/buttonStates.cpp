// Button states kept across restarts (shortcutsStatus.ini and the start-up
// replay), the faces' fade feedback and the fade-end refresh, the playing
// page tabs and the control wing's lamps.

#include "shortcuts/shortcutPages.h"

#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shell/services/controlService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <cmath>

using shortcutFiles::ButtonKind;

namespace {

QString statusFile() { return shortcutFiles::showFolder() + QStringLiteral("/shortcutsStatus.ini"); }

// Whether a saved state word belongs to a button of this kind.
bool stateOfKind(const QString& state, ButtonKind kind) {
    switch (kind) {
    case ButtonKind::sequence: return state == QLatin1String("on") || state == QLatin1String("off");
    case ButtonKind::multi: return state.startsWith(QLatin1String("multi "));
    case ButtonKind::autoPilot: return state.startsWith(QLatin1String("auto "));
    case ButtonKind::timeline: return state.startsWith(QLatin1String("timeline "));
    case ButtonKind::none: break;
    }
    return false;
}

} // namespace

void ShortcutPages::setButtonState(int32_t index, const QString& tag) {
    if (index < 1 || index > currentPageButtonCount) return;
    PageButton& b = buttons[size_t(index)];
    const bool changedState = b.tag != tag;
    b.tag = tag;
    // Written the moment it changes: the replay at the next start reads it.
    if (changedState && !currentPage.isEmpty())
        miscGlobalFunctions::writeIniValue(statusFile(), b.name, currentPage, tag);
    ControlService& control = shell().control();
    if (control.getPort() > 0)
        control.mirrorButtonStateToWeb(QString::number(index), QString::number(selectedTab), tag);
}

void ShortcutPages::saveButtonLocked(bool locked, int32_t index) {
    if (index < 1 || index > currentPageButtonCount) return;
    miscGlobalFunctions::writeIniValue(statusFile(), buttons[size_t(index)].name, QStringLiteral("Locked"),
                                       miscGlobalFunctions::truthText(locked));
}

void ShortcutPages::startUpSequencesFromIniFile() {
    try {
        replayButtonStates();
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("StartupSequence: ") + QString::fromStdString(e.what()));
    }
    restoringButtonStates = false;
}

void ShortcutPages::replayButtonStates() {
    const QString file = statusFile();
    for (int32_t tab = 1; tab <= int32_t(pages.size()); ++tab) {
        restoringButtonStates = true;
        cmdPages_Click(tab);
        for (int32_t j = 1; j <= currentPageButtonCount; ++j) {
            const PageButton& b = buttons[size_t(j)];
            const QString name = b.name;
            const QString state = miscGlobalFunctions::readIniValue(file, name, currentPage, QString());
            const QString lockedText =
                miscGlobalFunctions::readIniValue(file, name, QStringLiteral("Locked"), QStringLiteral("False"));
            const std::optional<bool> locked = miscGlobalFunctions::truthFromText(lockedText);
            if (!locked) {
                shell().prompts().messageBox(QStringLiteral("StartupSequence: ") +
                                             QStringLiteral("\"%1\" is not a truth value (Locked of %2)").arg(lockedText, name));
                restoringButtonStates = false;
                return;
            }
            // Only a state of the button's own kind, and only when the button
            // is not in it already: a second replay (the web server switched
            // on) leaves running buttons running instead of toggling them off.
            if (!state.endsWith(QLatin1String("on")) || !stateOfKind(state, b.kind) || b.tag == state) continue;
            cmdSequence_MouseUp(j, 1, 0, 0, 700);
            // The lock is kept per name across kinds: only a sequence button has one.
            if (*locked && b.kind == ButtonKind::sequence && buttons[size_t(j)].tag == QLatin1String("on"))
                cmdSequence_MouseUp(j, 1, 0, 1000, 1000);
        }
    }
    shell().control().updateWebInterface();
    restoringButtonStates = false;
}

// ---- Faces ---------------------------------------------------------------------------------

void ShortcutPages::setOnPicture(int32_t index) {
    if (index < 1 || index > currentPageButtonCount) return;
    PageButton& b = buttons[size_t(index)];
    b.locked = isButtonLocked(index);
    b.audio = isButtonAudioMode(index);
}

void ShortcutPages::wingLamp(int32_t index) {
    ControlService& control = shell().control();
    if (!control.controlWingAttached()) return;
    const PageButton& b = buttons[size_t(index)];
    const QString shortcut = control.getMyKeyboardShortcut(currentPage, b.name);
    if (shortcut.size() < 3) return;
    const int32_t note = int32_t(numberText::leadingValue(shortcut.section(QLatin1Char(','), 0, 0)));
    int32_t lamp = -1;
    if (note >= 0 && note < 16) lamp = note;
    else if (note >= 48 && note <= 84) lamp = note + 1;
    if (lamp < 0) return;
    if (b.tag.endsWith(QLatin1String(" on")) || b.tag == QLatin1String("on")) control.sendWingNoteOn(145, lamp, 64);
    else control.sendWingNoteOff(129, lamp, 0);
}

void ShortcutPages::paintButtonFace(int32_t index, bool fading) {
    if (index < 1 || index > currentPageButtonCount) return;
    wingLamp(index);
    PageButton& b = buttons[size_t(index)];
    b.fading = fading;
    b.fadePercent = 0;
    changed();
}

void ShortcutPages::updateFadeOutText(const QString& sequenceFile, int32_t percent) {
    const QString real = paths::realPath(sequenceFile);
    for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
        PageButton& b = buttons[size_t(i)];
        if (b.kind != ButtonKind::sequence || shortcutFiles::buttonFile(currentPage, b.name, b.kind) != real) continue;
        if (percent >= 100) {
            paintButtonFace(i, false);
            continue;
        }
        b.fading = true;
        b.fadePercent = std::max(0, percent);
        changed();
        return;
    }
}

// ---- Fade end ------------------------------------------------------------------------------

void ShortcutPages::doneWithFade(bool byPass) {
    // Many sequences often end together: the first end after a quiet spell
    // refreshes at once, later ones within 0.8 s are paid by one refresh on
    // the next tick.
    const int64_t now = shell().clock().monotonicMs();
    if (byPass || now > lastFadeDoneMs + 800) {
        lastFadeDoneMs = now;
        refreshCurrentlyPlaying();
        refreshPageOnly();
        return;
    }
    lastFadeDoneMs = now;
    fadeDoneDeferred = true;
}

void ShortcutPages::checkDoneWithFadeDelay() {
    if (!fadeDoneDeferred) return;
    doneWithFade(true);
    fadeDoneDeferred = false;
}

void ShortcutPages::refreshCurrentlyPlaying() {
    PlaybackService& p = shell().playback();
    ControlService& control = shell().control();
    // A copy: re-claiming channels may reach back into the pages.
    const std::vector<SequenceRef> pressed = [this] {
        std::vector<SequenceRef> v;
        for (const auto& [name, s] : shortcutCollection) v.push_back(s);
        return v;
    }();
    for (const SequenceRef& s : pressed) {
        int32_t n = 0;
        if (!p.returnIfFilenameIsLoaded(sequenceRelative(s->myPage.trimmed(), s->theName.trimmed()), n)) continue;
        if (n > 0) p.refreshPlaybackChannels(n);
        // Only the ten groups have lamps; "0" (no group) lights nothing.
        const int32_t g = int32_t(numberText::leadingValue(s->myButtonGroup));
        if (control.controlWingAttached() && s->myPage == currentPage && g >= 1 && g <= pageSettings::maxGroups)
            control.sendWingNoteOn(145, (g - 1) * 5 + 52, 127);
    }
    markPlayingPages();
}

void ShortcutPages::markPlayingPages() {
    playingTabs.assign(size_t(pages.size()) + 1, false);
    for (const auto& [name, s] : shortcutCollection) {
        const int32_t tab = int32_t(pages.indexOf(s->myPage.trimmed())) + 1;
        if (tab > 0) playingTabs[size_t(tab)] = true;
    }
    changed();
}

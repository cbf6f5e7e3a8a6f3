// What a press on a page button does: the one dispatcher every source of
// presses calls, the sequence button's switch on and off, the release of a
// group or page, the queries on a button's playback, and the button menu.

#include "shortcuts/shortcutPages.h"

#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/consoleService.h"
#include "shell/services/controlService.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/services/schedulerService.h"
#include "shell/shell.h"

#include <QFileInfo>

using shortcutFiles::ButtonKind;

namespace {

constexpr int32_t lockedPriority = 10;
constexpr int32_t releasedPriority = 5;

PlaybackService& pb() { return shell().playback(); }

bool isOnOrOff(const QString& s) { return s == QLatin1String("on") || s == QLatin1String("off"); }

} // namespace

void ShortcutPages::startButtonTimer() { buttonTimer->setEnabled(true); }

void ShortcutPages::stopButtonTimer() { buttonTimer->setEnabled(false); }

void ShortcutPages::stopLongPress() {
    buttonHeldTicks = 0;
    buttonHeld = false;
    stopButtonTimer();
}

bool ShortcutPages::isBumpButton(const QString& name) const {
    const QString v = miscGlobalFunctions::readIniValue(shortcutFiles::pageSettingsFile(currentPage), name,
                                                        QStringLiteral("bump"), QStringLiteral("False"));
    return miscGlobalFunctions::truthFromText(v).value_or(false);
}

// ---- The dispatcher ------------------------------------------------------------------------

void ShortcutPages::cmdSequence_MouseUp(int32_t index, int32_t button, int32_t shift, float x, float y) {
    try {
        dispatch(index, button, shift, x, y);
    } catch (const std::exception& e) {
        // What was done before the failure stays done.
        shell().prompts().messageBox(QStringLiteral(" Error in Sequence Button Event. Error Description:") +
                                     QString::fromStdString(e.what()) + QStringLiteral(" Error Number:13"));
    }
}

void ShortcutPages::dispatch(int32_t index, int32_t button, int32_t shift, float x, float y) {
    if (index < 0 || index > currentPageButtonCount) return;
    buttonHeld = false;
    stopButtonTimer();
    PageButton& b = buttons[size_t(index)];
    mouseDownButtonName = b.name;
    mouseDownButtonIndex = index;
    currentButtonName = b.name;
    currentButtonIndex = index;
    if (pageMode == QLatin1String("Stack")) theCurrentY = 501;
    else if (pageMode == QLatin1String("Release")) theCurrentY = 0;
    else theCurrentY = y;
    // The fixed button's tag stays "off": it goes with the sequence buttons.
    const int32_t p = index >= 1 && b.kind == ButtonKind::sequence ? findPlaybackOfButton(b.name) : 0;
    const QString s = b.tag.isEmpty() && index == 0 ? QStringLiteral("off") : b.tag;
    if (button == 2) {
        MenuRequest r;
        r.index = index;
        r.editEnabled = r.bumpEnabled = isOnOrOff(s);
        r.bumpChecked = isBumpButton(b.name);
        r.editCaption = QStringLiteral("Edit Button Sequence on Playback");
        if (s == QLatin1String("multi on") || s == QLatin1String("multi off")) {
            r.editEnabled = true;
            r.editCaption = QStringLiteral("Edit Multi Button");
        }
        r.midiCaption = shell().masters().tessalyControlWing() ? QStringLiteral("Assign/Delete to Control Wing")
                                                               : QStringLiteral("Assign/Delete Midi Note.");
        if (showButtonMenu && index >= 1) showButtonMenu(r);
        return;
    }
    if (button != 1) return;
    if (isOnOrOff(s)) pressSequence(index, shift, x, y, p);
    else if (s == QLatin1String("auto on") || s == QLatin1String("auto off")) pressAutoPilot(index);
    else if (s == QLatin1String("multi on") || s == QLatin1String("multi off")) pressMulti(index);
    else if (s == QLatin1String("timeline on") || s == QLatin1String("timeline off")) pressTimeline(index);
}

void ShortcutPages::pressSequence(int32_t index, int32_t shift, float x, float y, int32_t p) {
    // The two hot spots sit in the face's lower corners and look at the raw
    // click, not at the height the page mode made of it.
    if (p > 0 && x > 15 && x < 400 && y > 765 && y < 1095) {
        pb().setChaseMode(p, pb().returnChaseType(p) != 2 ? 2 : 1, true);
        setOnPicture(index);
        paintButtonFace(index, false);
        return;
    }
    if (p > 0 && x > 750 && x < 1080 && y > 750 && y < 1080) {
        const bool lock = !isButtonLocked(index);
        pb().setPlaybackPriority(p, lock ? lockedPriority : releasedPriority, true);
        setOnPicture(index);
        paintButtonFace(index, false);
        saveButtonLocked(lock, index);
        return;
    }
    if (index >= 1) {
        toggleSequenceButton(index, theCurrentY > 500, shift);
        return;
    }
    // The fixed button; the page mode does not apply to it.
    if (movingButtonIndex != 0) return;
    releaseAllAndCreateNew(!(y > 500));
}

void ShortcutPages::pressAutoPilot(int32_t index) {
    PageButton& b = buttons[size_t(index)];
    if (b.tag == QLatin1String("auto on")) {
        paintButtonFace(index, false);
        setButtonState(index, QStringLiteral("auto off"));
        runningAutoPilotName.clear();
        autoPilotSteps.clear();
        if (autoPilotRunning) cmdStart_Click();
        changed();
        return;
    }
    switchAutoPilotOff();
    paintButtonFace(index, false);
    setButtonState(index, QStringLiteral("auto on"));
    const QString name = b.name;
    loadAutoPilotButton(index);
    currentStep = 0;
    runningAutoPilotName = name;
    pressNextAutoPilotStep(0);
}

void ShortcutPages::pressMulti(int32_t index) {
    PageButton& b = buttons[size_t(index)];
    if (b.tag == QLatin1String("multi on")) {
        setButtonState(index, QStringLiteral("multi off"));
        paintButtonFace(index, false);
        if (loadMultiButton(index, QString())) executeMulti(false);
        refreshPageOnly();
        return;
    }
    // Multi buttons stack from 400 down, not from 500 as sequence buttons do.
    if (theCurrentY >= 400) {
        recordPressForBuilder(index, 1);
    } else {
        releaseAllMultiOnPage(index, false);
        releaseAllOnPage(index);
        recordPressForBuilder(index, 0);
    }
    paintButtonFace(index, false);
    setButtonState(index, QStringLiteral("multi on"));
    if (loadMultiButton(index, QString())) executeMulti(true);
    refreshPageOnly();
}

void ShortcutPages::pressTimeline(int32_t index) {
    PageButton& b = buttons[size_t(index)];
    SchedulerService& scheduler = shell().scheduler();
    if (b.tag == QLatin1String("timeline on")) {
        setButtonState(index, QStringLiteral("timeline off"));
        paintButtonFace(index, false);
        scheduler.stopTimeline();
        shell().console().cmdCreateNew_Click(2);
        removeAllButtonCollections();
        refreshCurrentPage();
        return;
    }
    releaseTimelineButtons();
    paintButtonFace(index, false);
    setButtonState(index, QStringLiteral("timeline on"));
    switchAutoPilotOff();
    releaseAllOnPage(index);
    scheduler.startTimeline(shortcutFiles::buttonFile(currentPage, b.name, ButtonKind::timeline));
}

void ShortcutPages::cmdSequence_MouseDown(int32_t index, int32_t button, int32_t shift, float x, float y) {
    if (index < 0 || index > currentPageButtonCount) return;
    mouseDownButtonName = buttons[size_t(index)].name;
    mouseDownButtonIndex = index;
    if (button == 1) {
        buttonHeldTicks = 0;
        buttonHeld = true;
        startButtonTimer();
    } else if (button == 2) {
        stopLongPress();
    }
    // A bump button plays while it is held: on at mouse-down, off at mouse-up.
    if (index >= 1 && isBumpButton(mouseDownButtonName) && !buttons[size_t(index)].tag.endsWith(QLatin1String("on")))
        cmdSequence_MouseUp(index, button, shift, x, y);
}

void ShortcutPages::pressWebButton(int32_t button, int32_t page) {
    // A tab below 1 would ask for a new page: never from a remote.
    if (page < 1 || page > pages.size()) return;
    if (page != selectedTab) cmdPages_Click(page);
    if (page != selectedTab || button < 1 || button > currentPageButtonCount) return;
    cmdSequence_MouseDown(button, 1, 0, 0, 0);
    cmdSequence_MouseUp(button, 1, 0, 0, 0);
}

void ShortcutPages::cmdSequence_DblClick(int32_t index) {
    if (index < 1 || index > currentPageButtonCount) return;
    const PageButton& b = buttons[size_t(index)];
    if (isBumpButton(b.name) && !b.tag.endsWith(QLatin1String("on"))) cmdSequence_MouseUp(index, 1, 0, 0, 0);
}

void ShortcutPages::cmdSequence_KeyDown(int32_t index, int32_t keyCode) {
    if (index < 1 || index > currentPageButtonCount) return;
    int32_t p = 0;
    if (!pb().returnIfFilenameIsLoaded(sequenceRelative(currentPage, buttons[size_t(index)].name.trimmed()), p) || p <= 0)
        return;
    if (keyCode == 37) pb().stepBackWards(p);
    else if (keyCode == 38) pb().playLoadedSequence(p, false, true, false);
    else if (keyCode == 39) pb().StepFoward(p);
}

void ShortcutPages::releaseAllAndCreateNew(bool release) {
    if (release) {
        releaseAllMultiOnPage(0, true);
        releaseAllOnPage(-1);
        switchAutoPilotOff();
        releaseTimelineButtons();
        refreshPageOnly();
        return;
    }
    currentMultiEditing.clear();
    if (openStartWizard) openStartWizard();
}

void ShortcutPages::releaseTimelineButtons() {
    for (int32_t i = 1; i <= currentPageButtonCount; ++i)
        if (buttons[size_t(i)].tag == QLatin1String("timeline on")) cmdSequence_MouseUp(i, 1, 0, 501, 0);
}

// ---- Sequence button on and off --------------------------------------------------------------

void ShortcutPages::toggleSequenceButton(int32_t index, bool stack, int32_t crossFade) {
    recordPressForBuilder(index, stack ? 1 : 0);
    PageButton& b = buttons[size_t(index)];
    const QString name = b.name.trimmed();
    if (b.tag == QLatin1String("off")) {
        // A button whose file is gone stays off: marking it on would tie it
        // to whatever the last load left in a playback.
        const QString path = shortcutFiles::buttonFile(currentPage, name, ButtonKind::sequence);
        if (!QFileInfo(path).isFile()) {
            shell().prompts().messageBox(
                QStringLiteral("The sequence file of the button \"%1\" is missing: %2").arg(name, path));
            return;
        }
        setButtonState(index, QStringLiteral("on"));
        if (!stack) {
            releaseAllMultiOnPage(index, false);
            releaseAllOnPage(index);
        }
        auto r = std::make_shared<clsSequence>();
        r->myPage = currentPage;
        r->theName = name;
        r->myIndex = index;
        const int32_t g = groupAtPoint(float(b.left), float(b.top));
        r->myButtonGroup = QString::number(g);
        const int32_t playback = executecmdSequence(index, crossFade, readButtonGroupDimmer(*r));
        if (playback <= 0) {
            // Nothing was loaded: the button goes back to off.
            setButtonState(index, QStringLiteral("off"));
            changed();
            return;
        }
        r->myPlayback = playback;
        r->currentX = int32_t(b.left);
        r->currentY = int32_t(b.top);
        highlightFirstButtonOfGroups(g, index);
        shell().masters().setGroupsCurrrentSequence(g, name);
        registerPressedButton(r, name);
        setOnPicture(index);
        paintButtonFace(index, false);
        changed();
        return;
    }
    if (b.tag != QLatin1String("on")) return;
    int32_t p = 0;
    pb().returnIfFilenameIsLoaded(sequenceRelative(currentPage, name), p);
    shell().state.currentPlayback = p;
    if (p > 0 && pb().reportPlayBackPriority(p) >= lockedPriority) {
        stopLongPress();
        shell().prompts().messageBox(QStringLiteral("Button is Locked Please Unlock to Release"));
        return;
    }
    if (p > 0) {
        pb().fadeOutSequence(p);
        pb().setPlaybackPriority(p, releasedPriority, false);
        pb().hidePlayback(p);
    }
    shortcutCollection.remove(name);
    // The state stays "on" until the fade has ended and the page is derived again.
    paintButtonFace(index, true);
    changed();
}

int32_t ShortcutPages::executecmdSequence(int32_t index, int32_t crossFade, int32_t dimmer) {
    const QString path = shortcutFiles::buttonFile(currentPage, buttons[size_t(index)].name.trimmed(), ButtonKind::sequence);
    if (!QFileInfo(path).isFile()) return 0;
    int32_t doc = 0;
    const int32_t loaded = pb().loadSequenceInDoc(doc, path, false, crossFade == 1, dimmer);
    if (loaded <= 0) return 0;
    lastLoadedPlayback = loaded;
    shell().state.currentPlayback = loaded;
    pb().hidePlayback(loaded);
    return loaded;
}

void ShortcutPages::releaseAllOnPage(int32_t callingIndex) {
    float left = 0, top = 0;
    if (callingIndex > 0 && callingIndex <= currentPageButtonCount) {
        left = float(buttons[size_t(callingIndex)].left);
        top = float(buttons[size_t(callingIndex)].top);
    }
    const int32_t group = groupAtPoint(left, top);
    try {
        for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
            const PageButton& b = buttons[size_t(i)];
            if (b.kind != ButtonKind::sequence || b.tag != QLatin1String("on")) continue;
            const int32_t p = findPlaybackOfButton(b.name);
            if (p == 0 || pb().reportPlayBackPriority(p) == lockedPriority) continue;
            if (callingIndex != -1 && pageSettings::groupOfButtonOnPage(currentPage, b.name) != group) continue;
            shortcutCollection.remove(b.name.trimmed());
            pb().fadeOutSequence(p);
            paintButtonFace(i, true);
        }
    } catch (const pageSettings::NotANumber&) {
        // The release stops at an unreadable group; the buttons after it stay pressed.
    }
    changed();
}

void ShortcutPages::releaseSequenceButton(const clsSequence& s) {
    int32_t p = 0;
    pb().returnIfFilenameIsLoaded(sequenceRelative(s.myPage.trimmed(), s.theName.trimmed()), p);
    if (p > 0) {
        pb().setPlaybackPriority(p, releasedPriority, false);
        pb().fadeOutSequence(p);
        pb().hidePlayback(p);
    }
    shortcutCollection.remove(s.theName.trimmed());
}

bool ShortcutPages::isButtonLocked(int32_t index) const {
    const int32_t p = findPlaybackOfButton(buttons[size_t(index)].name);
    return p > 0 && pb().reportPlayBackPriority(p) == lockedPriority;
}

bool ShortcutPages::isButtonAudioMode(int32_t index) const {
    const int32_t p = findPlaybackOfButton(buttons[size_t(index)].name);
    return p > 0 && pb().returnChaseType(p) == 2;
}

bool ShortcutPages::isPlaybackFadingOut(int32_t playback) const { return pb().returnFadeOutStatus(playback); }

void ShortcutPages::removeAllButtonCollections() {
    releaseAllMultiOnPage(0, true);
    releaseAllOnPage(-1);
    switchAutoPilotOff();
    releaseTimelineButtons();
    shortcutCollection.clear();
    autoPilotSteps.clear();
    multiMembers.clear();
    runningMultiCollection.clear();
    markPlayingPages();
    changed();
}

// ---- The hold timer -----------------------------------------------------------------------------

void ShortcutPages::buttonTimer_Timer() {
    if (buttonHeld) {
        ++buttonHeldTicks;
        if (buttonHeldTicks > 3 && mouseDownButtonIndex >= 1) {
            currentButtonIndex = mouseDownButtonIndex;
            currentButtonName = mouseDownButtonName;
            clkMoveButton_Click();
            buttonHeldTicks = 0;
            stopButtonTimer();
            endFlash();
        }
    }
    if (fadeDoneDeferred) {
        doneWithFade(true);
        fadeDoneDeferred = false;
    }
    if (!firstLoad) {
        startUpSequencesFromIniFile();
        firstLoad = true;
        stopButtonTimer();
        if (!pages.isEmpty()) cmdPages_Click(1);
    }
}

// ---- The button menu -------------------------------------------------------------------------

void ShortcutPages::clkSaveChangesToButton_Click() {
    if (pb().DocumentCount() < 1) return;
    const int32_t p = findPlaybackOfButton(mouseDownButtonName);
    if (p > 0) pb().saveTheSequence(p, true);
}

void ShortcutPages::cmdEditButton_Click() {
    const int32_t index = mouseDownButtonIndex;
    if (index < 1 || index > currentPageButtonCount) return;
    const QString tag = buttons[size_t(index)].tag;
    if (tag == QLatin1String("off")) {
        releaseAllOnPage(0);
        cmdSequence_MouseUp(index, 1, 0, 0, 0);
        shell().masters().cmdProgramingMode_Click();
        stopLongPress();
        shell().console().selectCurrentChaserActiveFixtures();
    } else if (tag == QLatin1String("on")) {
        shell().state.currentPlayback = findPlaybackOfButton(mouseDownButtonName);
        shell().masters().cmdProgramingMode_Click();
        stopLongPress();
        shell().console().selectCurrentChaserActiveFixtures();
    } else if (tag == QLatin1String("multi off") || tag == QLatin1String("multi on")) {
        const QString name = mouseDownButtonName;
        if (tag == QLatin1String("multi on")) releaseAllOnPage(0);
        cmdSequence_MouseUp(index, 1, 0, 0, 0);
        currentMultiEditing = name;
        shell().masters().cmdProgramingMode_Click();
        stopLongPress();
    }
}

void ShortcutPages::clkAdjustFadeInFadeOut_Click() {
    const int32_t index = mouseDownButtonIndex;
    if (index < 1 || index > currentPageButtonCount) return;
    const QString tag = buttons[size_t(index)].tag;
    if (tag == QLatin1String("off")) {
        releaseAllOnPage(0);
        cmdSequence_MouseUp(index, 1, 0, 0, 0);
        stopLongPress();
    } else if (tag == QLatin1String("on")) {
        shell().state.currentPlayback = findPlaybackOfButton(mouseDownButtonName);
        stopLongPress();
    }
}

void ShortcutPages::clkRefreshButtonSequecne_Click() { pb().refreshPlaybackUsingSequence(mouseDownButtonName); }

void ShortcutPages::clkBumpOption_Click() {
    if (mouseDownButtonName.isEmpty()) return;
    const bool bump = !isBumpButton(mouseDownButtonName);
    miscGlobalFunctions::writeIniValue(shortcutFiles::pageSettingsFile(currentPage), mouseDownButtonName,
                                       QStringLiteral("bump"), miscGlobalFunctions::truthText(bump));
}

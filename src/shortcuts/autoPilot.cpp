// The auto pilot: an auto-pilot button's steps pressed one after another
// through the press dispatcher, each after a wait of minutes (the lapse
// tick) or of beats (recieveBeat), round and round until it is stopped.

#include "shortcuts/shortcutPages.h"

#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/numberText.h"
#include "shell/shell.h"

#include <algorithm>
#include <cmath>

using shortcutFiles::ButtonKind;

namespace {

QString decimal(float v) { return QString::number(double(v), 'g', 7); }

} // namespace

bool ShortcutPages::loadAutoPilotButton(int32_t index) {
    if (index < 1 || index > currentPageButtonCount) return false;
    const QString path = shortcutFiles::buttonFile(currentPage, buttons[size_t(index)].name, ButtonKind::autoPilot);
    autoPilotSteps.clear();
    QByteArray bytes;
    if (!safeFile::readWhole(path, bytes)) {
        shell().prompts().messageBox(QStringLiteral("The Auto Pilot file could not be read: ") + path);
        return false;
    }
    autoPilotSteps = multiButtons::references(multiButtons::decode(bytes));
    selectedStepRow = -1;
    autoPilotRunning = false;
    cmdStart_Click();
    changed();
    return true;
}

void ShortcutPages::switchAutoPilotOff() {
    for (int32_t j = 1; j <= currentPageButtonCount; ++j) {
        PageButton& b = buttons[size_t(j)];
        if (runningAutoPilotName.isEmpty() || b.kind != ButtonKind::autoPilot || b.name != runningAutoPilotName) continue;
        b.tag = QStringLiteral("auto off");
        paintButtonFace(j, false);
        cmdStart_Click();
    }
    runningAutoPilotName.clear();
    changed();
}

void ShortcutPages::cmdStart_Click() {
    if (startCaption == QLatin1String("Save Changes")) {
        if (!runningAutoPilotName.isEmpty()) saveAutoDMXPilot(runningAutoPilotName, true);
        startCaption = autoPilotRunning ? QStringLiteral("Stop") : QStringLiteral("Start");
    } else if (autoPilotRunning) {
        autoPilotRunning = false;
        startCaption = QStringLiteral("Start");
        tmrLapse->setEnabled(false);
        runningAutoPilotName.clear();
    } else {
        autoPilotRunning = true;
        tmrLapse->setEnabled(true);
        startCaption = QStringLiteral("Stop");
        currentStep = 1;
        // One minute back: with "1" in the minutes box the first tick finds the wait over.
        stepStartMs = shell().clock().monotonicMs() - 60000;
    }
    changed();
}

void ShortcutPages::tmrLapse_Timer() {
    const double minutes = numberText::leadingValue(txtTime);
    const double beats = numberText::leadingValue(txtBeats);
    const int64_t now = shell().clock().monotonicMs();
    const bool timeDue = double(stepStartMs) + minutes * 60000.0 <= double(now);
    const bool beatsDue = beats <= beatCount;
    if ((beatsDue && beatsMode) || (timeDue && !beatsMode)) pressNextAutoPilotStep(0);
    if (flashButton) changed();
}

void ShortcutPages::recieveBeat() {
    ++beatCount;
    if (beatCount > numberText::leadingValue(txtBeats) && beatsMode) {
        // Restart the lapse count-down; from now on it ticks every second.
        tmrLapse->setInterval(1);
        tmrLapse->setInterval(1000);
        if (!runningAutoPilotName.isEmpty()) pressNextAutoPilotStep(0);
    }
    changed();
}

void ShortcutPages::pressNextAutoPilotStep(int32_t step) {
    beatCount = 0;
    const int32_t count = int32_t(autoPilotSteps.size());
    if (step != 0) currentStep = step;
    else currentStep = currentStep < count ? currentStep + 1 : 1;
    if (currentStep < 1 || currentStep > count) {
        changed();
        return;
    }
    const SequenceRef s = autoPilotSteps[size_t(currentStep) - 1];
    const QString page = s->myPage.trimmed();
    if (!page.isEmpty() && page != currentPage) {
        const int32_t tab = int32_t(pages.indexOf(page)) + 1;
        if (tab > 0) cmdPages_Click(tab);
    }
    const int32_t j = buttonIndex(s->theName);
    if (j > 0) {
        if (s->timeBool) {
            txtTime = decimal(s->theTime);
            setIntervalMode(true);
        } else if (s->beatBool) {
            txtBeats = decimal(s->theBeat);
            setIntervalMode(false);
        }
        // Only a releasing step restarts the wait clock.
        if (s->releaseActive) {
            cmdSequence_MouseUp(j, 1, 0, 0, 0);
            stepStartMs = shell().clock().monotonicMs();
        } else {
            cmdSequence_MouseUp(j, 1, 0, 0, 501);
        }
    }
    selectedStepRow = currentStep - 1;
    stopLongPress();
    changed();
}

void ShortcutPages::setIntervalMode(bool isTime) {
    beatsMode = !isTime;
    changed();
}

void ShortcutPages::storeStepInterval(bool isTime) {
    if (autoPilotSteps.empty() || currentStep < 1 || currentStep > int32_t(autoPilotSteps.size())) return;
    clsSequence& s = *autoPilotSteps[size_t(currentStep) - 1];
    if (isTime) s.theTime = float(numberText::leadingValue(txtTime));
    else s.theBeat = float(numberText::leadingValue(txtBeats));
    startCaption = QStringLiteral("Save Changes");
    changed();
}

QString ShortcutPages::steppedInterval(const QString& text, bool isTime, int32_t direction) {
    const int32_t step = isTime ? 1 : 16, high = isTime ? 10 : 5000;
    const double value = numberText::leadingValue(text);
    const int32_t whole = std::isfinite(value) ? int32_t(std::clamp(value, 0.0, double(high))) : 0;
    return QString::number(std::clamp(whole + direction * step, 0, high));
}

void ShortcutPages::stepIntervalBox(bool isTime, int32_t direction) {
    QString& box = isTime ? txtTime : txtBeats;
    box = steppedInterval(box, isTime, direction);
    setIntervalMode(isTime);
    storeStepInterval(isTime);
}

void ShortcutPages::removeAutoPilotStep(int32_t step) {
    if (step < 1 || step > int32_t(autoPilotSteps.size())) return;
    autoPilotSteps.erase(autoPilotSteps.begin() + (step - 1));
    startCaption = QStringLiteral("Save Changes");
    changed();
}

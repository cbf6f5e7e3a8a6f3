#include "show/interfaceSettings.h"

#include "output/DmxOutput.h"
#include "output/clsCorvellDongle.h"
#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "shell/numberText.h"
#include "shell/services/controlService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

#include <cmath>
#include <utility>

namespace {
constexpr int applyWaitMs = 1000;
constexpr int detectWaitMs = 500;

DmxOutput& output() { return shell().engine<DmxOutput>(); }

void message(const QString& text) { shell().prompts().messageBox(text); }
} // namespace

InterfaceSettings::InterfaceSettings(InterfaceSettingsView* v) : view(v) {}

InterfaceSettings::~InterfaceSettings() = default;

QStringList InterfaceSettings::entries() const {
    QStringList out;
    for (const auto& d : output().dmxDongleCollection) out.append(d ? d->mySerialNumber : QString());
    return out;
}

bool InterfaceSettings::choose(int position) {
    const auto& all = output().dmxDongleCollection;
    if (position < 1 || position > int(all.size()) || !all[size_t(position - 1)]) return false;
    selectedInterface = all[size_t(position - 1)];
    selectedInterfaceIndex = position;
    selectedInterface->readUserMemory();
    if (view) view->interfaceStateChanged();
    return true;
}

QString InterfaceSettings::universeText(const QString& boxText) {
    const long long value = std::llrint(numberText::leadingValue(boxText));
    const QString digits = QString::number(value < 0 ? -value : value).rightJustified(4, QLatin1Char('0'));
    return value < 0 ? QStringLiteral("-") + digits : digits;
}

void InterfaceSettings::clearSelection() {
    selectedInterface.reset();
    selectedInterfaceIndex = 0;
}

void InterfaceSettings::apply(const QString& universeBoxText) {
    if (waiting) return;
    if (!selectedInterface) {
        message(QStringLiteral(" Error in DMX Universe Apply: No interface is selected."));
        return;
    }
    selectedInterface->writeToUserMemory(QString());
    const int32_t written = selectedInterface->writeToUserMemory(universeText(universeBoxText));
    applyPosition = selectedInterfaceIndex;
    if (written > 0) {
        selectedInterface->readUserMemory();
        wait(applyWaitMs, &InterfaceSettings::afterApplyWait);
        return;
    }
    message(written < 0 ? QStringLiteral(" Error in DMX Universe Apply: The interface did not take the universe number.")
                        : QStringLiteral(" Error in DMX Universe Apply: The interface has no room for the universe number."));
    redetectAfterApply(false, applyPosition);
}

void InterfaceSettings::redetectAfterApply(bool written, int32_t position) {
    output().clkCorvellDmxDongle_Click();
    clearSelection();
    if (view) view->showHardwareSection();
    if (int32_t(output().dmxDongleCollection.size()) >= position && position >= 1) {
        choose(position);
        if (written) applyPending = false;
    }
    if (view) view->interfaceStateChanged();
}

void InterfaceSettings::afterApplyWait() {
    if (selectedInterface) selectedInterface->closeUSB();
    redetectAfterApply(true, applyPosition);
}

void InterfaceSettings::detectAgain() {
    if (waiting) return;
    for (const auto& d : output().dmxDongleCollection)
        if (d) d->closeUSB();
    clearSelection();
    if (view) view->interfaceStateChanged();
    wait(detectWaitMs, &InterfaceSettings::afterDetectWait);
}

void InterfaceSettings::afterDetectWait() {
    output().clkCorvellDmxDongle_Click();
    shell().control().initMidi();
}

void InterfaceSettings::wait(int milliseconds, void (InterfaceSettings::*next)()) {
    if (!timer) timer = shell().timers().create();
    pending = next;
    waiting = true;
    timer->onTick = [this] {
        timer->setEnabled(false);
        waiting = false;
        if (auto step = std::exchange(pending, nullptr)) (this->*step)();
    };
    timer->setInterval(milliseconds);
    timer->setEnabled(true);
}

std::shared_ptr<clsCorvellDongle> InterfaceSettings::timingInterface(int32_t* position) {
    const auto& all = output().dmxDongleCollection;
    const bool open = selectedInterface && selectedInterfaceIndex >= 1 && selectedInterfaceIndex <= int32_t(all.size()) &&
                      all[size_t(selectedInterfaceIndex - 1)] == selectedInterface;
    if (!open) {
        message(QStringLiteral(" No Hardware Detected: No interface is selected."));
        return nullptr;
    }
    if (position) *position = selectedInterfaceIndex;
    return selectedInterface;
}

void InterfaceSettings::setArtNet(bool on) {
    settingsKeys::write(settingsKeys::artNetEnabled, on ? QStringLiteral("True") : QStringLiteral("False"));
    if (on)
        output().startArtNet();
    else
        output().stopArtnet();
}

#include "output/DmxOutput.h"

#include "output/clsCorvellDongle.h"
#include "output/outputViews.h"
#include "platform/artNetSender.h"
#include "platform/deviceArrival.h"
#include "platform/ftdiPort.h"
#include "platform/outputClock.h"
#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "shell/afterTick.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/playbackService.h"
#include "shell/settingsKeys.h"
#include "shell/services/controlService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QObject>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <stdexcept>

namespace {
constexpr int32_t universeSize = 512;

int32_t clampLevel(int32_t level) { return std::clamp(level, 0, 255); }

// A universe beyond the show's channels is cut to the show's last one (0
// when the show has less than one universe).
int32_t universeWithinShow(int32_t universe, int32_t totalChannels) {
    return int64_t(universe) * universeSize > totalChannels ? totalChannels / universeSize : universe;
}

// The universe an interface serves, within the configured universes.
int32_t servedUniverse(int32_t universe, int32_t totalChannels) {
    return std::max(universeWithinShow(universe, totalChannels), 1);
}

// Channels 1..total as sent, from index 0: clamped to 0..255, then inverted
// where the channel's invert flag is set.
void fillSentLevels(std::vector<uint8_t>& out, const ChannelModel& st, int32_t total) {
    out.resize(size_t(std::max(total, 0)));
    const size_t inverts = st.channelInvert.size();
    for (int32_t ch = 1; ch <= total; ++ch) {
        const int32_t v = clampLevel(st.channelOutput[size_t(ch)]);
        out[size_t(ch - 1)] = uint8_t(size_t(ch) < inverts && st.channelInvert[size_t(ch)] ? 255 - v : v);
    }
}
} // namespace

DmxOutput::DmxOutput() : dmxSendBuffer(universeSize + 1, 0), deferral(std::make_unique<QObject>()) {
    if (!hasShell()) return;
    dmxRecordStopChannel = shell().state.totalChannels;
    shell().lend<OutputService>(*this);
    if (DeviceArrival* arrival = shell().deviceArrival()) {
        if (!arrival->start([this] { deviceArrived(); }))
            qWarning("Plugged-in DMX interfaces are not noticed: %s", qPrintable(arrival->lastError()));
    }
}

DmxOutput::~DmxOutput() {
    if (hasShell())
        if (AfterTick* after = shell().loadedEngine<AfterTick>()) after->forget(this);
    if (hasShell())
        if (DeviceArrival* arrival = shell().deviceArrival()) arrival->stop();
    closeInterfaces();
    if (hasShell()) shell().withdraw<OutputService>(*this);
}

// Every interface in the set and the one served last, which may be held
// elsewhere too (the timing editor).
void DmxOutput::closeInterfaces() {
    closeRetired();
    for (auto& d : dmxDongleCollection) d->closeUSB();
    if (currentDmxClass) currentDmxClass->closeUSB();
}

void DmxOutput::setTick(bool on) {
    shell().playback().setRefreshTickEnabled(on);
}

void DmxOutput::setMainCaption(const QString& caption) {
    mainCaption = caption;
    shell().mainWindow().setMainCaption(caption);
}

void DmxOutput::clkCorvellDmxDongle_Click() {
    setTick(false);
    // Every old interface is closed before the devices are opened again,
    // also one still referred to elsewhere (the timing editor, the last one
    // served), or its device would refuse the new open.
    closeInterfaces();
    currentDmxClass.reset();
    dmxDongleCollection.clear();

    const int32_t totalChannels = shell().state.totalChannels;
    std::shared_ptr<clsCorvellDongle> held;
    int failures = 0;
    QString openProblem;
    while (int(dmxDongleCollection.size()) < maxInterfaces) {
        if (!held) held = std::make_shared<clsCorvellDongle>();
        int32_t status = held->openPort(int32_t(dmxDongleCollection.size()));
        if (status != ftStatus::ok && shell().ftdi() && !shell().ftdi()->openProblem().isEmpty())
            openProblem = shell().ftdi()->openProblem();
        held->dmxReadSerialNumber();
        held->readUserMemory();
        held->myUniverseNumber = universeWithinShow(held->myUniverseNumber, totalChannels);
        // No device at this index: the list is complete.
        if (status == ftStatus::invalidHandle || status == ftStatus::deviceNotFound) break;
        if (status == ftStatus::ok) {
            DMXDongle = true;
            dmxDongleCollection.push_back(std::move(held));
            held.reset();
            failures = 0;
            continue;
        }
        // A device held by another program: a few more tries, then it ends
        // the list (later indexes must keep their place in the order).
        if (++failures >= openRetries) break;
    }
    if (held) held->closeUSB();

    for (size_t n = 1; n <= dmxDongleCollection.size(); ++n)
        setMainCaption(QStringLiteral("Activating USB to DMX Interface:") + QString::number(n));
    const QString version = QString::number(versionMajor) + QLatin1Char('.') + QString::number(versionMinor) +
                            QString::number(versionRevision);
    const QString tail = version + QStringLiteral(" || Show Name: ") +
                         libParsePath::ParsePath(shell().state.showFileName, 4);
    if (!dmxDongleCollection.empty()) {
        copyLength = universeSize * 4;
        setMainCaption(QStringLiteral("VarnelDMX USB TO DMX Activated ") + tail);
    } else {
        setMainCaption(QStringLiteral("VarnelDMX Software No DMX Output ") + tail);
    }
    miscGlobalFunctions::showStatusText(mainCaption);
    // An interface the user may not open is said once, with what mends it.
    if (!openProblem.isEmpty()) reportOnce(openProblemReported, openProblem);
    setTick(true);
}

void DmxOutput::reportOnce(bool& reported, const QString& text) {
    if (reported) return;
    reported = true;
    qWarning("%s", qPrintable(text));
    miscGlobalFunctions::showStatusText(text);
}

void DmxOutput::deviceArrived() {
    // The tick goes back to what it was: a show load or a universe change
    // may have stopped it on purpose. A second arrival within the wait
    // finds it stopped by the first.
    if (!arrivalWait || !arrivalWait->enabled()) tickBeforeArrival = shell().playback().refreshTickEnabled();
    setTick(false);
    currentDmxClass.reset();
    // The enumeration below replaces whatever rebuild was still to come.
    rebuildQueued = false;
    rebuildAttempts = 0;
    if (!arrivalWait) {
        arrivalWait = shell().timers().create();
        arrivalWait->onTick = [this] {
            arrivalWait->setEnabled(false);
            clkCorvellDmxDongle_Click();
            // The new device may be a MIDI device or a drive as well.
            shell().control().initMidi();
            shell().shortcuts().checkForDrive();
            setTick(tickBeforeArrival);
        };
    }
    arrivalWait->setEnabled(false);
    arrivalWait->setInterval(arrivalDelayMs);
    arrivalWait->setEnabled(true);
}

void DmxOutput::sendOutputFrame() {
    ChannelModel& st = shell().state;
    if (st.currentPlayback != lastShownPlayback) {
        lastShownPlayback = st.currentPlayback;
        // The button is captioned after the tick (at once outside it).
        shell().engine<AfterTick>().mark(this, 0, [] {
            MainWindowService& main = shell().mainWindow();
            main.setAllPlaybacksCaption(main.returnSequenceNameForCurrentChaser());
        });
    }
    if (OutputClock* clock = shell().outputClock()) clock->setPeriodMs(shell().playback().refreshIntervalMs());
    std::vector<std::shared_ptr<clsCorvellDongle>> lost;
    try {
        // Channels actually held by the arrays, in case they lag the count.
        const int32_t total = std::min<int64_t>(st.totalChannels, int64_t(st.channelOutput.size()) - 1);
        const bool toInterfaces = DMXDongle && !dmxDongleCollection.empty();
        // Each channel's level is worked out once per tick, whoever sends it.
        if (toInterfaces || artNetEnabled) fillSentLevels(sentLevels, st, total);
        if (toInterfaces) {
            for (const auto& dongle : dmxDongleCollection) {
                currentDmxClass = dongle;
                clsCorvellDongle& d = *dongle;
                if (d.myReadMode) continue;
                const int32_t base = (servedUniverse(d.myUniverseNumber, st.totalChannels) - 1) * universeSize;
                const int32_t present = std::clamp(total - base, 0, universeSize);
                const auto firstSlot = dmxSendBuffer.begin() + 1;
                if (present > 0) std::copy_n(sentLevels.begin() + base, present, firstSlot);
                std::fill(firstSlot + present, dmxSendBuffer.end(), 0);
                d.sendDmxData(dmxSendBuffer);
                if (d.errorLimitReached()) lost.push_back(dongle);
            }
        }
        if (artNetEnabled) {
            if (ArtNetLayer* art = shell().artNet()) {
                art->setTxBlock(0, sentLevels.data(), uint32_t(sentLevels.size()));
                art->readWrite(-1);
                if (const uint64_t dropped = art->droppedPackets())
                    reportOnce(artNetDropsReported,
                               QStringLiteral("Art-Net output: %1 packets could not be sent (the network took no more)")
                                   .arg(dropped));
            }
        }
        if (st.channelLastSent.size() != st.channelOutput.size()) st.channelLastSent.resize(st.channelOutput.size());
        std::copy(st.channelOutput.begin(), st.channelOutput.end(), st.channelLastSent.begin());
    } catch (const std::exception& e) {
        reportTickError(QString::fromLocal8Bit(e.what()));
    }
    if (!lost.empty()) dropLostInterfaces(lost);
}

void DmxOutput::dropLostInterfaces(const std::vector<std::shared_ptr<clsCorvellDongle>>& lost) {
    for (const auto& d : lost) {
        const auto at = std::find(dmxDongleCollection.begin(), dmxDongleCollection.end(), d);
        const int number = int(at - dmxDongleCollection.begin()) + 1;
        reportTickError(QStringLiteral("DMX interface %1 (serial %2, universe %3) stopped answering")
                            .arg(number)
                            .arg(d->mySerialNumber)
                            .arg(d->myUniverseNumber));
        if (at != dmxDongleCollection.end()) dmxDongleCollection.erase(at);
        if (currentDmxClass == d) currentDmxClass.reset();
        retired.push_back(d);
    }
    // Closing waits for a write under way to end: after the tick, not in it.
    QTimer::singleShot(0, deferral.get(), [this] { closeRetired(); });
    if (!dmxDongleCollection.empty()) return;
    // The last one went: say so, and enumerate again after the tick a
    // bounded number of times. With others still sending, the lost one is
    // found again when it is plugged back in (device arrival).
    stopDMXOutput();
    scheduleRebuild();
}

void DmxOutput::closeRetired() {
    for (auto& d : retired) d->closeUSB();
    retired.clear();
}

void DmxOutput::reportTickError(const QString& text) {
    if (text == reportedTickError) return;
    reportedTickError = text;
    qWarning("DMX send stage: %s", qPrintable(text));
    miscGlobalFunctions::showStatusText(QStringLiteral("DMX output error: ") + text);
}

void DmxOutput::stopDMXOutput() {
    closeInterfaces();
    dmxDongleCollection.clear();
    DMXDongle = false;
    shell().playback().setFrameCaption(QStringLiteral("Dmx to USB Interface Disconected, Please Check USB Cable"));
}

void DmxOutput::scheduleRebuild() {
    if (rebuildQueued) return;
    rebuildQueued = true;
    QTimer::singleShot(rebuildAttempts == 0 ? 0 : 1000, deferral.get(), [this] { runPendingRebuild(); });
}

void DmxOutput::runPendingRebuild() {
    if (!rebuildQueued) return;
    rebuildQueued = false;
    clkCorvellDmxDongle_Click();
    if (dmxDongleCollection.empty() && ++rebuildAttempts < maxRebuildAttempts) {
        scheduleRebuild();
        return;
    }
    rebuildAttempts = 0;
}

void DmxOutput::startArtNet() {
    Prompts& prompts = shell().prompts();
    try {
        ArtNetLayer* art = shell().artNet();
        if (!art) throw std::runtime_error("no Art-Net sender on this system");
        QString address = settingsKeys::read(settingsKeys::artNetTarget).trimmed();
        if (address.isEmpty()) address = QStringLiteral("2.255.255.255");
        const int16_t status = art->init(address);
        if (status == artNetStatus::ready || status == artNetStatus::readyAlready) {
            artNetDropsReported = false;
            prompts.messageBox(QStringLiteral("ArtNet Output Device Detected and Enabled"), msgBox::OKOnly);
            artNetEnabled = true;
            art->setTxPipeUniverse(0, 0);
            art->clearDataBuffer(0);
        } else {
            artNetEnabled = false;
            if (!art->lastError().isEmpty())
                prompts.messageBox(QStringLiteral("Error setting up ArtNet Drivers: ") + art->lastError(), msgBox::OKOnly);
        }
    } catch (const std::exception& e) {
        prompts.messageBox(QStringLiteral("Error setting up ArtNet Drivers: ") + QString::fromLocal8Bit(e.what()),
                           msgBox::OKOnly);
    }
}

void DmxOutput::stopArtnet() {
    try {
        if (ArtNetLayer* art = shell().artNet()) art->end();
        artNetEnabled = false;
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Error setting up ArtNet Drivers: ") + QString::fromLocal8Bit(e.what()),
                                     msgBox::OKOnly);
    }
}

void DmxOutput::startArtNetIfEnabled() {
    const QString text = settingsKeys::read(settingsKeys::artNetEnabled);
    if (miscGlobalFunctions::truthFromText(text.trimmed()).value_or(false)) startArtNet();
}

void DmxOutput::endArtNet() {
    if (!artNetEnabled) return;
    stopArtnet();
}

void DmxOutput::startRecording() {
    setTick(false);
    for (size_t n = 0; n < dmxDongleCollection.size(); ++n) {
        currentDmxClass = dmxDongleCollection[n];
        currentDmxClass->Class_Terminate();
        currentDmxClass->openPort(int32_t(n));
        currentDmxClass->pleaseSleep(2000);
        currentDmxClass->switchToReadMode();
    }
    dmxRecordActive = true;
    setTick(true);
}

void DmxOutput::stopRecording() {
    dmxRecordActive = false;
    // Back to output: the open sequence resets the interface's line, after
    // which it takes output frames again.
    setTick(false);
    for (size_t n = 0; n < dmxDongleCollection.size(); ++n) {
        clsCorvellDongle& d = *dmxDongleCollection[n];
        if (!d.myReadMode) continue;
        d.Class_Terminate();
        d.openPort(int32_t(n));
        d.myReadMode = false;
    }
    setTick(true);
}

void DmxOutput::attachWindows(std::unique_ptr<OutputWindows> w) { windows = std::move(w); }

void DmxOutput::showOutputMonitor() {
    if (windows) windows->showOutputMonitor();
}

void DmxOutput::showDmxRecord() {
    if (windows) windows->showDmxRecord();
}

void DmxOutput::showDmxTiming() {
    if (!windows || dmxDongleCollection.empty()) return;
    windows->showDmxTiming(1);
}

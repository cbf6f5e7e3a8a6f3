#pragma once
// The DMX output engine: the set of open USB-to-DMX interfaces, the send
// stage that the refresh tick runs, Art-Net start and stop, and the DMX
// record settings. One per shell: shell().engine<DmxOutput>(); creating it
// registers it as the output service of the shell.

#include "shell/services/outputService.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class clsCorvellDongle;
class OutputWindows;
class QObject;
class TickTimer;

class DmxOutput : public OutputService {
public:
    DmxOutput();
    ~DmxOutput() override;
    DmxOutput(const DmxOutput&) = delete;
    DmxOutput& operator=(const DmxOutput&) = delete;

    // The open interfaces in device order (element n is device index n).
    std::vector<std::shared_ptr<clsCorvellDongle>> dmxDongleCollection;
    // The interface the send stage served last.
    std::shared_ptr<clsCorvellDongle> currentDmxClass;
    // At least one interface was added (cleared only when output stops).
    bool DMXDongle = false;
    int32_t copyLength = 0;
    bool artNetEnabled = false;
    // currentPlayback as last shown on the main window's playbacks button.
    int32_t lastShownPlayback = 0;

    // Finds and opens every connected interface (the refresh tick is off
    // meanwhile). A device that will not open is tried a few times and then
    // ends the list, so this always finishes.
    void clkCorvellDmxDongle_Click();
    // One send stage: every interface not in read mode gets its universe,
    // Art-Net gets every channel, channelLastSent takes the copy. Called by
    // the refresh tick after the playbacks have written channelOutput.
    void sendOutputFrame() override;
    // Drops (and closes) every interface.
    void stopDMXOutput();

    void startArtNet();
    void stopArtnet();
    // Starts Art-Net when ylc.ini [ArtNet] Enabled reads as True.
    void startArtNetIfEnabled();
    // Shutdown: ends Art-Net when it runs.
    void endArtNet() override;

    // The output service.
    void openDmxInterfaces() override { clkCorvellDmxDongle_Click(); }
    bool dmxInterfaceOpen() override { return DMXDongle; }
    bool artNetRunning() override { return artNetEnabled; }
    // The output's windows, once the window library has attached them.
    void attachWindows(std::unique_ptr<OutputWindows> windows);
    bool hasWindows() override { return windows != nullptr; }
    void showOutputMonitor() override;
    void showDmxRecord() override;
    // Opens the timing editor of the first open interface (none open: nothing).
    void showDmxTiming() override;

    // DMX record: switches every interface to DMX input (tick off meanwhile),
    // and back to output when recording stops.
    void startRecording();
    void stopRecording();
    bool dmxRecordActive = false;
    int32_t dmxRecordStartChannel = 1;
    int32_t dmxRecordStopChannel = 512;
    int16_t dmxRecordOffset = 0;

    // The caption the enumeration gave the main window.
    QString mainCaption;

    // An interface that hits its error limit during a tick leaves the set
    // (closed after the tick) and is reported once; the others keep sending.
    // When it was the last one the set is rebuilt right after the tick, a
    // bounded number of times (runPendingRebuild does it at once).
    bool rebuildPending() const { return rebuildQueued; }
    void runPendingRebuild();

    // A USB-to-DMX interface was plugged in: the refresh tick stops, and the
    // interfaces are enumerated arrivalDelayMs later (which starts the tick
    // again); a further arrival meanwhile restarts the wait.
    void deviceArrived();
    static constexpr int arrivalDelayMs = 4000;

    // The program's version as major, minor, revision.
    int versionMajor = 0, versionMinor = 1, versionRevision = 0;

    static constexpr int openRetries = 3;
    static constexpr int maxInterfaces = 64;
    static constexpr int maxRebuildAttempts = 3;

private:
    void setTick(bool on);
    void closeInterfaces();
    void setMainCaption(const QString& caption);
    void reportTickError(const QString& text);
    void scheduleRebuild();
    // Interfaces past their error limit leave the set; the others go on.
    void dropLostInterfaces(const std::vector<std::shared_ptr<clsCorvellDongle>>& lost);
    void closeRetired();
    std::vector<std::shared_ptr<clsCorvellDongle>> retired;

    std::vector<int32_t> dmxSendBuffer;
    // This tick's level of every channel, channel 1 at index 0.
    std::vector<uint8_t> sentLevels;
    std::unique_ptr<QObject> deferral;
    bool rebuildQueued = false;
    int rebuildAttempts = 0;
    QString reportedTickError;
    std::unique_ptr<TickTimer> arrivalWait;
    // Whether the refresh tick ran when a device arrived.
    bool tickBeforeArrival = true;
    bool openProblemReported = false;
    bool artNetDropsReported = false;
    void reportOnce(bool& reported, const QString& text);
    std::unique_ptr<OutputWindows> windows;
};

#pragma once
// What the DMX output offers the others: the interfaces and Art-Net, and
// the send stage of the refresh tick. The base is "no output".

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class OutputService {
public:
    virtual ~OutputService() = default;

    // Finds and opens every connected USB-to-DMX interface.
    virtual void openDmxInterfaces() {}
    // Whether at least one interface is open.
    virtual bool dmxInterfaceOpen() { return false; }
    // Whether Art-Net output runs.
    virtual bool artNetRunning() { return false; }
    // Ends Art-Net output (shutdown).
    virtual void endArtNet() {}
    // One send stage: channelOutput to the interfaces and Art-Net (called by the refresh tick).
    virtual void sendOutputFrame() {}

    // ---- Windows opened from the main window ----
    // Shows the DMX output window above the others.
    virtual void showDmxOutputWindow() {}

    // Whether the output's windows can be opened (its window library is attached).
    virtual bool hasWindows() { return false; }
    // Opens the output monitor, the DMX record window, or the timing editor of the first open interface.
    virtual void showOutputMonitor() {}
    virtual void showDmxRecord() {}
    virtual void showDmxTiming() {}
};

#pragma GCC diagnostic pop

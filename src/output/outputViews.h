#pragma once
// The output's windows as its engine opens them; the window library attaches
// its implementation when the output starts.

class OutputWindows {
public:
    virtual ~OutputWindows() = default;
    virtual void showOutputMonitor() = 0;
    virtual void showDmxRecord() = 0;
    // The timing editor of the interface at 1-based position `port`.
    virtual void showDmxTiming(int port) = 0;
};

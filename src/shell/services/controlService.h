#pragma once
// External control (subsystem 16): web server, MIDI. The base runs nothing.

class ControlService {
public:
    virtual ~ControlService() = default;
    // Stops the web server when one runs.
    virtual void StopServer() {}
};

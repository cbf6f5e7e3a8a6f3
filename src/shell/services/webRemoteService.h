#pragma once
// The web remote (external control): its server and its model of the button
// pages. The base runs no server.

#include <QString>
#include <cstdint>

class WebRemoteService {
public:
    virtual ~WebRemoteService() = default;
    // Starts the server; port 0 takes the settings ([Webserver] Enabled and
    // Port) and receives the port used, 0 when the remote is disabled.
    virtual void StartServer(int32_t& port) { (void)port; }
    virtual void StopServer() {}
    // The running server's address and port; empty and 0 when none runs.
    virtual QString getIP() { return {}; }
    virtual int32_t getPort() { return 0; }
    // Rebuilds the model of pages and buttons from the show's page folders.
    virtual void updateWebInterface() {}
    // A button's state as the pages set it: "on", "multi on", "auto on" and
    // "timeline on" are on, anything else off.
    virtual void mirrorButtonStateToWeb(const QString& buttonId, const QString& pageId, const QString& state) {
        (void)buttonId, (void)pageId, (void)state;
    }
};

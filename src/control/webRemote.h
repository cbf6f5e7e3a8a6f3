#pragma once
// The web remote as the console runs it: the server started from the
// settings, its page model rebuilt from the show's page folders, button
// states mirrored into it, and a press from the remote handed to the pages.

#include "control/clsWebServer.h"
#include "shell/services/webRemoteService.h"

#include <memory>
#include <vector>

class WebRemote final : public WebRemoteService, public WebButtonHost {
public:
    ~WebRemote() override;
    void StartServer(int32_t& port) override;
    void StopServer() override;
    QString getIP() override;
    int32_t getPort() override;
    void updateWebInterface() override;
    void mirrorButtonStateToWeb(const QString& buttonId, const QString& pageId, const QString& state) override;

    void ButtonPressed(int32_t page, int32_t button, const QString& action) override;

    // The port ylc.ini enables: [Webserver] Port when Enabled is True, else 0.
    static int32_t getWebServerMode();
    // [Webserver] Enabled reads as true.
    static bool webServerEnabled();
    clsWebServer* server() { return theWebServer.get(); }

private:
    std::unique_ptr<clsWebServer> theWebServer;
    // Servers stopped by a press they were answering, freed once done.
    std::vector<std::unique_ptr<clsWebServer>> retired;
    void dropServer();
};

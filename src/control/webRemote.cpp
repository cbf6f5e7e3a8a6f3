#include "control/webRemote.h"

#include "shell/libParsePath.h"
#include "shell/services/shortcutsService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

#include <QDir>

WebRemote::~WebRemote() = default;

int32_t WebRemote::getWebServerMode() {
    if (settingsKeys::read(settingsKeys::webserverEnabled).trimmed().compare(QLatin1String("True"),
                                                                             Qt::CaseInsensitive) != 0)
        return 0;
    bool ok = false;
    const int port = settingsKeys::read(settingsKeys::webserverPort).trimmed().toInt(&ok);
    // A port that is no port keeps the remote off rather than guessing.
    if (!ok || port < 1 || port > 65535) {
        qWarning("ylc.ini [Webserver] Port is not a port number: the web remote stays off.");
        return 0;
    }
    return port;
}

void WebRemote::StartServer(int32_t& port) {
    if (port == 0) port = getWebServerMode();
    if (port == 0) return;
    theWebServer = std::make_unique<clsWebServer>();
    theWebServer->host = this;
    theWebServer->StartServer(QDir(shell().programFolder()).filePath(QStringLiteral("Web")), port);
    updateWebInterface();
}

void WebRemote::StopServer() {
    if (theWebServer) theWebServer->StopServer();
    theWebServer.reset();
}

QString WebRemote::getIP() { return theWebServer ? theWebServer->getTheIP() : QString(); }
int32_t WebRemote::getPort() { return theWebServer ? theWebServer->getThePort() : 0; }

void WebRemote::updateWebInterface() {
    if (!theWebServer || getWebServerMode() == 0) return;
    Shell& s = shell();
    WebPageModel& model = theWebServer->model;
    model.ClearPages();
    model.PageTitle = s.state.showName;
    const QDir show(s.programPath(QStringLiteral("Sequences\\") + s.state.showName));
    const auto order = QDir::Name | QDir::IgnoreCase;
    const QStringList folders = show.entryList(QDir::Dirs | QDir::NoDotAndDotDot, order);
    struct Kind { const char* pattern; int32_t type; };
    const Kind kinds[] = {{"*.YSQ", 0}, {"*.YTO", 2}, {"*.MUL", 1}, {"*.YSC", 3}};
    for (qsizetype i = 0; i < folders.size(); ++i) {
        clsPageInfo& page = model.AddPage(QString::number(i + 1));
        page.Name(libParsePath::ParsePath(folders[i], 4));
        const QDir folder(show.filePath(folders[i]));
        int32_t number = 0;
        for (const Kind& k : kinds) {
            for (const QString& file : folder.entryList({QLatin1String(k.pattern)}, QDir::Files, order)) {
                clsButtonInfo& button = page.AddButton(QString::number(++number));
                button.Caption(libParsePath::ParsePath(file, 4));
                button.ButtonType(k.type);
            }
        }
    }
}

void WebRemote::mirrorButtonStateToWeb(const QString& buttonId, const QString& pageId, const QString& state) {
    if (!theWebServer) return;
    clsPageInfo* page = theWebServer->model.Pages(pageId);
    clsButtonInfo* button = page ? page->Buttons(buttonId) : nullptr;
    if (!button) return;
    const bool on = state == QLatin1String("on") || state == QLatin1String("multi on") ||
                    state == QLatin1String("auto on") || state == QLatin1String("timeline on");
    // Set only on a change, so the written form stays cached.
    if (button->IsOn() != on) button->IsOn(on);
}

void WebRemote::ButtonPressed(int32_t page, int32_t button, const QString& action) {
    (void)action;
    shell().shortcuts().pressWebButton(int16_t(button), int16_t(page));
}

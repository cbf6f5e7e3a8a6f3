#include "control/webRemote.h"

#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/shortcutsService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

#include <QDir>

WebRemote::~WebRemote() = default;

bool WebRemote::webServerEnabled() {
    return miscGlobalFunctions::truthFromText(settingsKeys::read(settingsKeys::webserverEnabled)).value_or(false);
}

int32_t WebRemote::getWebServerMode() {
    if (!webServerEnabled()) return 0;
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
    dropServer();
    theWebServer = std::make_unique<clsWebServer>();
    theWebServer->host = this;
    theWebServer->StartServer(QDir(shell().programFolder()).filePath(QStringLiteral("Web")), port);
    updateWebInterface();
}

void WebRemote::StopServer() { dropServer(); }

void WebRemote::dropServer() {
    std::erase_if(retired, [](const auto& server) { return !server->busy(); });
    if (!theWebServer) return;
    theWebServer->StopServer();
    if (theWebServer->busy()) retired.push_back(std::move(theWebServer));
    theWebServer.reset();
}

QString WebRemote::getIP() { return theWebServer ? theWebServer->getTheIP() : QString(); }
int32_t WebRemote::getPort() { return theWebServer ? theWebServer->getThePort() : 0; }

void WebRemote::updateWebInterface() {
    if (!theWebServer || !webServerEnabled()) return;
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
    // The page in view shows its buttons as they are now, not all off until
    // each changes again.
    ShortcutsService& pagesService = s.shortcuts();
    const QString tab = QString::number(pagesService.pageNames().indexOf(pagesService.currentPage()) + 1);
    for (int32_t i = 1; i <= pagesService.currentPageButtonCount(); ++i)
        mirrorButtonStateToWeb(QString::number(i), tab, pagesService.buttonState(i));
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

#pragma once
// The web remote's HTTP/1.1 server: static files from the program folder's
// Web folder, the page data at "/CGI/GETDATA.ASP" and button presses at
// "/CGI/BUTTONCLICK.ASP". It runs on the user-interface thread over
// QTcpServer; the wire is fixed byte by byte (header lines in a fixed
// order). A request never reaches a file outside the Web folder, a request
// head is at most 8 KiB, idle connections are closed, and only a few
// connections are held at once. Network failures are logged, never shown.

#include "control/webPageModel.h"

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <cstdint>
#include <memory>

class QTcpServer;
class QTcpSocket;
class TickTimer;

// Who carries out a press from the remote: the button pages.
class WebButtonHost {
public:
    virtual ~WebButtonHost() = default;
    // A press of a button the model holds (page and button ids as numbers).
    virtual void ButtonPressed(int32_t page, int32_t button, const QString& action) = 0;
};

class clsWebServer {
public:
    static constexpr int maxHeadBytes = 8 * 1024;
    static constexpr int maxConnections = 32;
    static constexpr int64_t idleMs = 30000;
    static constexpr int sweepMs = 1000;

    clsWebServer();
    ~clsWebServer();

    // Keeps the root folder and listens on the port (every address of the
    // machine; 127.0.0.1 only with VARNELDMX_LOOPBACK_ONLY=1). False, with
    // the reason logged, when it cannot listen.
    bool StartServer(const QString& sRootFolder, int32_t nPort);
    // Closes the listener and every connection.
    bool StopServer();
    bool running() const { return isRunning; }
    int32_t getThePort() const;
    QString getTheIP() const;
    int connectionCount() const { return int(connections.size()); }
    // A request is being answered (a press may stop the server meanwhile:
    // the object must then outlive the request).
    bool busy() const { return processing; }

    // The whole answer (header and body) to one request head.
    QByteArray ProcessRequest(const QByteArray& sRequest);

    WebPageModel model;
    WebButtonHost* host = nullptr;

private:
    struct Connection {
        QByteArray received;
        int64_t lastActivityMs = 0;
    };
    QString root;
    bool isRunning = false;
    bool processing = false;
    std::unique_ptr<QTcpServer> listener;
    QMap<QTcpSocket*, Connection> connections;
    std::unique_ptr<TickTimer> sweep;
    QMap<QString, QString> query; // keys upper-cased

    void accept();
    void dataArrived(QTcpSocket* socket);
    void drop(QTcpSocket* socket);
    void closeIdle();

    void parseQueryString(const QString& text);
    QString getQueryValue(const QString& key) const;
    QByteArray handleCgiRequest(const QString& path, QByteArray& contentType);
    QString fileFor(const QString& path) const;
};

namespace webServer {
// "+" becomes a space and each "%" with two hex digits its byte, in one pass
// (an encoded "%" stays a "%": nothing is decoded twice).
QByteArray urlDecode(const QByteArray& text);
// Slashes become backslashes, doubled backslashes one, one trailing one goes.
QString normalizePath(const QString& path);
QByteArray getContentType(const QString& fileName);
// The header of an answer, the date from the shell's clock (UTC).
QByteArray buildResponseHeader(const QString& fileName, qint64 bodyLength, int expiryMinutes, const QByteArray& status,
                               const QByteArray& contentType = QByteArray());
// An HTTP date (RFC 1123 form).
QByteArray httpDate(const QDateTime& utc);
} // namespace webServer

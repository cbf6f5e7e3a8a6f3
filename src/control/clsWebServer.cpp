#include "control/clsWebServer.h"

#include "platform/clock.h"
#include "platform/tickTimer.h"
#include "shell/shell.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QLocale>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <cctype>
#include <cmath>
#include <optional>

namespace webServer {

QByteArray urlDecode(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() + 0 && std::isxdigit(uchar(text[i + 1])) &&
                   std::isxdigit(uchar(text[i + 2]))) {
            out += char(QByteArray(text.constData() + i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

QString normalizePath(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    p.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    if (p.endsWith(QLatin1Char('\\'))) p.chop(1);
    return p;
}

QByteArray getContentType(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString ext = dot < 0 ? QString() : fileName.mid(dot + 1).toUpper();
    if (ext == QLatin1String("GIF")) return "image/gif";
    if (ext == QLatin1String("PNG")) return "image/png";
    if (ext == QLatin1String("JPG") || ext == QLatin1String("JPEG")) return "image/jpeg";
    if (ext == QLatin1String("JS")) return "text/javascript; charset=utf-8";
    if (ext == QLatin1String("CSS")) return "text/css";
    return "text/html";
}

QByteArray httpDate(const QDateTime& utc) {
    return QLocale::c().toString(utc, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss")).toLatin1() + " GMT";
}

QByteArray buildResponseHeader(const QString& fileName, qint64 bodyLength, int expiryMinutes, const QByteArray& status,
                               const QByteArray& contentType) {
    const QDateTime now = shell().clock().now().toUTC();
    const QByteArray crlf = "\r\n";
    return "HTTP/1.1 " + status + crlf + "Date: " + httpDate(now) + crlf + "Server: DeskWeb" + crlf +
           "Content-Length: " + QByteArray::number(bodyLength) + crlf +
           "Content-Type: " + (contentType.isEmpty() ? getContentType(fileName) : contentType) + crlf +
           "Expires: " + httpDate(now.addSecs(qint64(expiryMinutes) * 60)) + crlf + "Cache-control: private" + crlf +
           crlf;
}

} // namespace webServer

using namespace webServer;

namespace {
bool loopbackOnly() { return qEnvironmentVariable("VARNELDMX_LOOPBACK_ONLY") == QLatin1String("1"); }

// A text safe inside the quoted error literal of a plain-text answer.
QString escapedForMessage(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\'') || c == QLatin1Char('\\') || c == QLatin1Char('<') || c == QLatin1Char('>') ||
            c == QLatin1Char('&') || c.unicode() < 0x20)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

// A whole number from a remote's id; nothing for anything else.
std::optional<int32_t> idNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 1 || v > 32767) return std::nullopt;
    return int32_t(std::floor(v));
}
} // namespace

clsWebServer::clsWebServer() = default;

clsWebServer::~clsWebServer() { StopServer(); }

bool clsWebServer::StartServer(const QString& sRootFolder, int32_t nPort) {
    root = sRootFolder;
    while (root.endsWith(QLatin1Char('/')) || root.endsWith(QLatin1Char('\\'))) root.chop(1);
    if (isRunning) return true;
    listener = std::make_unique<QTcpServer>();
    const QHostAddress address = loopbackOnly() ? QHostAddress(QHostAddress::LocalHost) : QHostAddress(QHostAddress::Any);
    if (nPort < 0 || nPort > 65535 || !listener->listen(address, quint16(nPort))) {
        qWarning("The web remote cannot listen on port %d: %s", nPort, qPrintable(listener->errorString()));
        listener.reset();
        return false;
    }
    QObject::connect(listener.get(), &QTcpServer::newConnection, listener.get(), [this] { accept(); });
    sweep = shell().timers().create();
    sweep->setInterval(sweepMs);
    sweep->onTick = [this] { closeIdle(); };
    sweep->setEnabled(true);
    isRunning = true;
    return true;
}

bool clsWebServer::StopServer() {
    if (sweep) sweep->setEnabled(false);
    sweep.reset();
    const auto sockets = connections.keys();
    connections.clear();
    for (QTcpSocket* s : sockets) {
        s->disconnect();
        s->abort();
        s->deleteLater();
    }
    if (listener) listener->close();
    listener.reset();
    isRunning = false;
    return true;
}

int32_t clsWebServer::getThePort() const { return listener ? int32_t(listener->serverPort()) : 0; }

QString clsWebServer::getTheIP() const {
    if (!listener) return {};
    const QHostAddress bound = listener->serverAddress();
    if (bound != QHostAddress::Any && bound != QHostAddress::AnyIPv4 && bound != QHostAddress::AnyIPv6)
        return bound.toString();
    // Listening on every address: the one a phone on the venue's network
    // would type is the machine's first outward IPv4 address.
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) return a.toString();
    return QHostAddress(QHostAddress::LocalHost).toString();
}

void clsWebServer::accept() {
    while (QTcpSocket* socket = listener->nextPendingConnection()) {
        // A few connections at once: a phone or two, not a crowd.
        if (connections.size() >= maxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // Qt reads no more than this ahead of us, so a client that sends
        // without end cannot fill memory before its head is judged.
        socket->setReadBufferSize(2 * maxHeadBytes);
        connections.insert(socket, Connection{{}, shell().clock().monotonicMs()});
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { dataArrived(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] { drop(socket); });
        QObject::connect(socket, &QTcpSocket::errorOccurred, socket, [socket](QAbstractSocket::SocketError) {
            qInfo("Web remote connection: %s", qPrintable(socket->errorString()));
        });
    }
}

void clsWebServer::drop(QTcpSocket* socket) {
    if (connections.remove(socket) == 0) return;
    socket->disconnect();
    socket->abort();
    socket->deleteLater();
}

void clsWebServer::dataArrived(QTcpSocket* socket) {
    auto it = connections.find(socket);
    if (it == connections.end()) return;
    it->received += socket->readAll();
    it->lastActivityMs = shell().clock().monotonicMs();
    for (;;) {
        const qsizetype end = it->received.indexOf("\r\n\r\n");
        if (end < 0) {
            if (it->received.size() > maxHeadBytes) drop(socket);
            return;
        }
        if (end + 4 > maxHeadBytes) return drop(socket);
        const QByteArray head = it->received.left(end + 4);
        it->received.remove(0, end + 4);
        processing = true;
        const QByteArray answer = ProcessRequest(head);
        processing = false;
        // The press may have stopped the server, or the peer gone.
        if (!isRunning) return;
        it = connections.find(socket);
        if (it == connections.end()) return;
        if (socket->write(answer) != answer.size())
            qInfo("Web remote: an answer could not be sent: %s", qPrintable(socket->errorString()));
    }
}

void clsWebServer::closeIdle() {
    const int64_t now = shell().clock().monotonicMs();
    for (QTcpSocket* s : connections.keys())
        if (now - connections.value(s).lastActivityMs >= idleMs) drop(s);
}

void clsWebServer::parseQueryString(const QString& text) {
    QString rest = text.trimmed();
    while (!rest.isEmpty()) {
        const qsizetype eq = rest.indexOf(QLatin1Char('='));
        if (eq < 0) break;
        const QString key = rest.left(eq);
        const QString remainder = rest.mid(eq + 1);
        const qsizetype amp = remainder.indexOf(QLatin1Char('&'));
        const QString value = amp < 0 ? remainder : remainder.left(amp);
        query[key.toUpper()] = value;
        if (amp < 0) break;
        rest = remainder.mid(amp + 1);
    }
}

QString clsWebServer::getQueryValue(const QString& key) const { return query.value(key.toUpper()); }

QByteArray clsWebServer::handleCgiRequest(const QString& path, QByteArray& contentType) {
    const QString upper = path.toUpper();
    if (upper == QLatin1String("/CGI/GETDATA.ASP")) return model.getPageDataJson().toUtf8();
    if (upper == QLatin1String("/CGI/BUTTONCLICK.ASP")) {
        // Only a button the remote was shown is pressed; anything else
        // presses nothing and the page data answers.
        const auto page = idNumber(getQueryValue(QStringLiteral("PageID")));
        const auto button = idNumber(getQueryValue(QStringLiteral("ButtonID")));
        clsPageInfo* p = page ? model.Pages(QString::number(*page)) : nullptr;
        if (p && button && p->Buttons(QString::number(*button)) && host)
            host->ButtonPressed(*page, *button, getQueryValue(QStringLiteral("ButtonAction")));
        return model.getPageDataJson().toUtf8();
    }
    contentType = "text/plain; charset=utf-8";
    return ("{ bSuccess: false, sErrorMsg: 'Unknown URL: " + escapedForMessage(path) + "' }").toUtf8();
}

// The real file a request path names, or empty when it names none inside
// the root folder.
QString clsWebServer::fileFor(const QString& path) const {
    const QStringList segments = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString& s : segments)
        if (s == QLatin1String("..") || s == QLatin1String(".") || s.contains(QLatin1Char(':')) || s.contains(QChar(0)))
            return {};
    const QString rootCanonical = QFileInfo(root).canonicalFilePath();
    if (rootCanonical.isEmpty()) return {};
    QString name = QDir(root).filePath(segments.join(QLatin1Char('/')));
    if (QFileInfo(name).isDir()) name = QDir(name).filePath(QStringLiteral("Index.htm"));
    const QFileInfo file(name);
    if (!file.isFile()) return {};
    const QString canonical = file.canonicalFilePath();
    // A link inside the folder may not lead out of it.
    if (!canonical.startsWith(rootCanonical + QLatin1Char('/'))) return {};
    return canonical;
}

QByteArray clsWebServer::ProcessRequest(const QByteArray& sRequest) {
    const QByteArray notFound = buildResponseHeader(QString(), 0, 0, "404 Not Found");
    QByteArray line = sRequest;
    if (const qsizetype crlf = line.indexOf("\r\n"); crlf >= 0) line.truncate(crlf);
    const qsizetype space = line.indexOf(' ');
    if (space < 0) return notFound;
    query.clear();
    QByteArray target = line.mid(space + 1);
    if (const qsizetype version = target.lastIndexOf(" HTTP"); version >= 0) target.truncate(version);
    target = target.trimmed();
    // Decoded as a whole first: an encoded "?", "&" or "=" separates too.
    QString decoded = QString::fromUtf8(urlDecode(target));
    if (const qsizetype q = decoded.indexOf(QLatin1Char('?')); q >= 0) {
        parseQueryString(decoded.mid(q + 1));
        decoded.truncate(q);
    }
    QString path = normalizePath(decoded);
    if (path.left(5).toUpper() == QLatin1String("\\CGI\\")) {
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        QByteArray contentType;
        const QByteArray body = handleCgiRequest(path, contentType);
        return buildResponseHeader(QStringLiteral("x.htm"), body.size(), -1, "200 OK", contentType) + body;
    }
    const QString file = fileFor(path);
    if (file.isEmpty()) return notFound;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        qWarning("Web remote: %s cannot be read: %s", qPrintable(file), qPrintable(f.errorString()));
        return notFound;
    }
    const QByteArray body = f.readAll();
    return buildResponseHeader(file, body.size(), 1440, "200 OK") + body;
}

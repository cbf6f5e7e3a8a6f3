#include "platform/httpDownload.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

QtHttpDownload::QtHttpDownload() : manager(std::make_unique<QNetworkAccessManager>()) {}

QtHttpDownload::~QtHttpDownload() { abort(); }

void QtHttpDownload::get(const QUrl& url, HttpObserver& observer) {
    abort();
    QNetworkRequest request(url);
    // A redirect could lead anywhere; the address given is the one asked.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    current = &observer;
    started = false;
    reply = manager->get(request);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [this] { start(); });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [this] {
        start();
        if (current) current->responseData(reply->readAll());
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this] {
        QNetworkReply* done = reply;
        HttpObserver* observer = current;
        start();
        if (observer && done->bytesAvailable() > 0) observer->responseData(done->readAll());
        const QString error = done->error() == QNetworkReply::NoError ? QString() : done->errorString();
        reply = nullptr;
        current = nullptr;
        done->deleteLater();
        if (observer) observer->responseFinished(error);
    });
}

void QtHttpDownload::start() {
    if (started || !reply || !current) return;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) return;
    started = true;
    QString headers;
    for (const auto& pair : reply->rawHeaderPairs())
        headers += QString::fromLatin1(pair.first) + QStringLiteral(": ") + QString::fromLatin1(pair.second) +
                   QStringLiteral("\r\n");
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    current->responseStarted(status.toInt(), headers, length.isValid() ? length.toLongLong() : -1);
}

void QtHttpDownload::abort() {
    if (!reply) return;
    QNetworkReply* r = reply;
    reply = nullptr;
    current = nullptr;
    r->disconnect();
    r->abort();
    r->deleteLater();
}

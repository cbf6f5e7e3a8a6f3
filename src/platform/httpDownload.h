#pragma once
// HTTP download: one GET at a time, its answer streamed to an observer on
// the user-interface thread. The Linux implementation is Qt's network access
// manager; tests run it against a server on 127.0.0.1.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <memory>

class HttpObserver {
public:
    virtual ~HttpObserver() = default;
    // The status line and headers have come: status code (0 when none),
    // every header as "Name: value" lines, Content-Length (-1 when absent).
    virtual void responseStarted(int status, const QString& headers, qint64 contentLength) = 0;
    // A piece of the body.
    virtual void responseData(const QByteArray& data) = 0;
    // The request ended; error is empty when the whole answer came.
    virtual void responseFinished(const QString& error) = 0;
};

class HttpDownload {
public:
    virtual ~HttpDownload() = default;
    // Starts a GET; the observer hears of it until responseFinished or
    // abort(). A running request is aborted first.
    virtual void get(const QUrl& url, HttpObserver& observer) = 0;
    // Drops the running request; its observer hears nothing more.
    virtual void abort() = 0;
};

class QNetworkAccessManager;
class QNetworkReply;

class QtHttpDownload final : public HttpDownload {
public:
    QtHttpDownload();
    ~QtHttpDownload() override;
    void get(const QUrl& url, HttpObserver& observer) override;
    void abort() override;

private:
    std::unique_ptr<QNetworkAccessManager> manager;
    QNetworkReply* reply = nullptr;
    HttpObserver* current = nullptr;
    bool started = false;
    void start();
};

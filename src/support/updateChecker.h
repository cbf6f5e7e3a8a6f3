#pragma once
// The update check of frmAutoUpdate: the update server's version file is
// fetched and compared with the program's version; on the operator's Yes
// the installer package is downloaded beside the program folder's files and
// handed over by closing the program. Nothing is handed over unless the
// answer was 200, every announced byte came, and the package's SHA-256 is
// the one the version file gives.

#include "platform/httpDownload.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>
#include <cstdint>

// What the update window shows while the package downloads.
class UpdateView {
public:
    virtual ~UpdateView() = default;
    virtual void showWindow() {}
    virtual void setStatus(const QString& text) { (void)text; }
    virtual void setProgress(int64_t maximum, int64_t value) { (void)maximum, (void)value; }
    virtual void closeWindow() {}
};

class UpdateChecker final : public HttpObserver {
public:
    struct Version {
        int32_t major = 0, minor = 0, revision = 0;
    };
    // Whether the server's version is newer than the program's.
    static bool isNewer(const Version& server, const Version& program);

    inline static const QString versionFileName = QStringLiteral("currentVersion.ini");
    inline static const QString installerFileName = QStringLiteral("VarnelDMX Setup.exe");
    static constexpr int64_t maxVersionFileBytes = 64 * 1024;

    UpdateChecker();
    ~UpdateChecker() override;

    // Starts a check; silent keeps "no connection" and "no update" to itself.
    // Nothing when a check or download is already running.
    void checkForUpdate(bool silent);
    // Stops the download and removes what came of it.
    void cmdCancel_Click();
    bool busy() const { return phase != Phase::Idle; }

    // The program's version the server's is compared with.
    Version program;
    // Plain http is refused; a test may allow it to 127.0.0.1.
    bool allowLoopbackHttp = false;
    UpdateView* view = nullptr;

    // Where the version file and the finished installer are kept.
    QString versionFilePath() const;
    QString installerPath() const;

    void responseStarted(int status, const QString& headers, qint64 contentLength) override;
    void responseData(const QByteArray& data) override;
    void responseFinished(const QString& error) override;

private:
    enum class Phase { Idle, Version, Installer };
    Phase phase = Phase::Idle;
    bool silent = false;
    QString base;
    int status = 0;
    int64_t expected = -1, received = 0;
    bool overflow = false;
    QByteArray versionBytes;
    QByteArray wantedSha256;
    QFile part;
    QCryptographicHash hash{QCryptographicHash::Sha256};

    QString checkLocation(const QString& location) const;
    void versionArrived(const QString& error);
    void installerArrived(const QString& error);
    void startDownload();
    void failDownload(const QString& reason);
    void finish();
    void message(const QString& text, int buttons = 0);
};

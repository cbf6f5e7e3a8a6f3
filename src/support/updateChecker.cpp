#include "support/updateChecker.h"

#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/mainWindowService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"
#include "show/showNames.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
const QString noConnection = QStringLiteral(" Could not get internet connection.");

// A whole number from the version file; false when the text is none.
bool number(const QString& text, int32_t& out) {
    bool ok = false;
    out = text.trimmed().toInt(&ok);
    return ok;
}

QString megabytes(int64_t bytes) { return QString::number(double(bytes) / 1000000.0, 'f', 2); }
} // namespace

bool UpdateChecker::isNewer(const Version& server, const Version& program) {
    if (server.major != program.major) return server.major > program.major;
    if (server.minor != program.minor) return server.minor > program.minor;
    return server.revision > program.revision;
}

UpdateChecker::UpdateChecker() : program{showNames::majorVersion, showNames::minorVersion, showNames::revision} {}

UpdateChecker::~UpdateChecker() {
    if (phase != Phase::Idle && hasShell())
        if (HttpDownload* http = shell().http()) http->abort();
    if (part.isOpen()) part.remove();
}

QString UpdateChecker::versionFilePath() const { return QDir(shell().programFolder()).filePath(versionFileName); }
QString UpdateChecker::installerPath() const { return QDir(shell().programFolder()).filePath(installerFileName); }

void UpdateChecker::message(const QString& text, int buttons) {
    shell().prompts().messageBox(text, buttons);
}

// Empty when the address may be asked, else why not.
QString UpdateChecker::checkLocation(const QString& location) const {
    if (location.trimmed().isEmpty())
        return QStringLiteral("No update server is set: ylc.ini [Update] Location.");
    const QUrl url(location.trimmed());
    if (!url.isValid() || url.host().isEmpty()) return QStringLiteral("The update address is not valid: ") + location;
    if (url.scheme() == QLatin1String("https")) return {};
    if (allowLoopbackHttp && url.scheme() == QLatin1String("http") && url.host() == QLatin1String("127.0.0.1"))
        return {};
    return QStringLiteral("The update address must be an https address: ") + location;
}

void UpdateChecker::checkForUpdate(bool quiet) {
    if (busy()) return;
    Shell& s = shell();
    silent = quiet;
    base = settingsKeys::read(settingsKeys::updateLocation).trimmed();
    const QString problem = checkLocation(base);
    if (!problem.isEmpty()) {
        if (!silent) message(problem);
        return;
    }
    if (!base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');
    HttpDownload* http = s.http();
    if (!http) {
        if (!silent) message(noConnection);
        return;
    }
    // An old version file must not stand in for the server's answer.
    QFile::remove(versionFilePath());
    phase = Phase::Version;
    status = 0;
    expected = -1;
    received = 0;
    overflow = false;
    versionBytes.clear();
    http->get(QUrl(base + versionFileName), *this);
}

void UpdateChecker::responseStarted(int code, const QString& headers, qint64 contentLength) {
    status = code;
    expected = contentLength;
    received = 0;
    if (phase != Phase::Installer) return;
    if (view) {
        view->setStatus(headers);
        view->setProgress(std::max<int64_t>(expected, 0), 0);
    }
}

void UpdateChecker::responseData(const QByteArray& data) {
    received += data.size();
    if (phase == Phase::Version) {
        if (versionBytes.size() + data.size() > maxVersionFileBytes) {
            overflow = true;
            return;
        }
        versionBytes += data;
        return;
    }
    if (phase != Phase::Installer) return;
    // More than announced is not the package announced.
    if (expected >= 0 && received > expected) overflow = true;
    if (overflow || !part.isOpen()) return;
    hash.addData(data);
    if (part.write(data) != data.size()) overflow = true;
    if (view) {
        view->setProgress(std::max<int64_t>(expected, 0), received);
        view->setStatus(megabytes(received) + QStringLiteral(" of ") + megabytes(std::max<int64_t>(expected, 0)) +
                        QStringLiteral(" megabytes completed"));
    }
}

void UpdateChecker::responseFinished(const QString& error) {
    if (phase == Phase::Version) versionArrived(error);
    else if (phase == Phase::Installer) installerArrived(error);
}

void UpdateChecker::finish() {
    phase = Phase::Idle;
    if (view) view->closeWindow();
}

void UpdateChecker::versionArrived(const QString& error) {
    phase = Phase::Idle;
    Shell& s = shell();
    const bool whole = error.isEmpty() && status == 200 && !overflow && !versionBytes.isEmpty() &&
                       (expected < 0 || expected == received);
    if (!whole || !safeFile::writeWhole(versionFilePath(), versionBytes)) {
        if (!silent) message(noConnection);
        finish();
        return;
    }
    const QString file = versionFilePath();
    auto key = [&](const char* name, const char* fallback) {
        return miscGlobalFunctions::readIniValue(file, QStringLiteral("CurrentVersion"), QLatin1String(name),
                                                 QLatin1String(fallback));
    };
    Version server;
    // A version that is no number ends the check without a word.
    if (!number(key("theMajor", "2"), server.major) || !number(key("theMinor", "0"), server.minor) ||
        !number(key("theRev", "1"), server.revision)) {
        finish();
        return;
    }
    const QString serverText = QString::number(server.major) + QLatin1Char('.') + QString::number(server.minor) +
                               QLatin1Char('.') + QString::number(server.revision);
    if (!isNewer(server, program)) {
        if (!silent)
            message(QStringLiteral("No Update Needed! You have the latest Version: ") + QString::number(program.major) +
                    QLatin1Char('.') + QString::number(program.minor) + QLatin1Char('.') +
                    QString::number(program.revision) + QStringLiteral(" Server Version: ") + serverText +
                    QLatin1Char('.'));
        finish();
        return;
    }
    const int answer =
        s.prompts().messageBox(QStringLiteral("A newer version: ") + serverText +
                                   QStringLiteral("  is available, would you like to download and install it now?"),
                               msgBox::YesNo);
    if (answer != msgBox::Yes) {
        finish();
        return;
    }
    wantedSha256 = QByteArray::fromHex(key("theSha256", "").trimmed().toLatin1());
    if (wantedSha256.size() != 32) {
        message(QStringLiteral("The update server gives no SHA-256 for the installer; nothing was downloaded."));
        finish();
        return;
    }
    startDownload();
}

void UpdateChecker::startDownload() {
    part.setFileName(installerPath() + QStringLiteral(".part"));
    if (!part.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        message(QStringLiteral("The installer cannot be written: ") + part.errorString());
        finish();
        return;
    }
    hash.reset();
    phase = Phase::Installer;
    status = 0;
    expected = -1;
    received = 0;
    overflow = false;
    if (view) view->showWindow();
    shell().http()->get(QUrl(base + installerFileName), *this);
}

void UpdateChecker::failDownload(const QString& reason) {
    part.close();
    part.remove();
    message(QStringLiteral("The update could not be downloaded: ") + reason);
    finish();
}

void UpdateChecker::installerArrived(const QString& error) {
    part.close();
    if (!error.isEmpty() && status == 0) return failDownload(error);
    if (status != 200) return failDownload(QStringLiteral("the server answered ") + QString::number(status) + QLatin1Char('.'));
    if (!error.isEmpty()) return failDownload(error);
    if (expected < 0) return failDownload(QStringLiteral("the server did not say how long the installer is."));
    if (overflow || received != expected)
        return failDownload(QString::number(received) + QStringLiteral(" of ") + QString::number(expected) +
                            QStringLiteral(" bytes came."));
    if (hash.result() != wantedSha256) return failDownload(QStringLiteral("the installer's SHA-256 is wrong."));
    QFile::remove(installerPath());
    if (!QFile::rename(part.fileName(), installerPath())) return failDownload(QStringLiteral("it could not be kept."));
    finish();
    // The program's own way out: the save questions, then the hand-over.
    shell().mainWindow().closeProgram(installerPath());
}

void UpdateChecker::cmdCancel_Click() {
    if (phase == Phase::Installer)
        if (HttpDownload* http = shell().http()) http->abort();
    if (part.isOpen()) part.close();
    if (phase == Phase::Installer) part.remove();
    finish();
}

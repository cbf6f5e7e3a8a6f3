// The update check against a small HTTP server on 127.0.0.1.

#include "platform/httpDownload.h"
#include "platform/prompts.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/mainWindowService.h"
#include "shell/settingsKeys.h"
#include "support/fakePlatform.h"
#include "support/updateChecker.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

// One canned answer per path. length: the Content-Length sent (-1: the
// body's size, -2: none); the connection closes after the body.
struct Answer {
    int status = 200;
    QByteArray body;
    qint64 length = -1;
};

class LoopbackServer {
public:
    LoopbackServer() {
        server.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1/updates").arg(server.serverPort()); }

    QMap<QByteArray, Answer> answers;
    QList<QByteArray> asked;

private:
    void serve(QTcpSocket* socket) {
        QByteArray& request = pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        const QByteArray path = QByteArray::fromPercentEncoding(request.split(' ').value(1));
        pending.remove(socket);
        asked.append(path);
        const Answer a = answers.value(path, Answer{404, "missing", -1});
        QByteArray head = "HTTP/1.1 " + QByteArray::number(a.status) + " X\r\nConnection: close\r\n";
        if (a.length != -2)
            head += "Content-Length: " + QByteArray::number(a.length == -1 ? a.body.size() : a.length) + "\r\n";
        socket->write(head + "\r\n" + a.body);
        socket->disconnectFromHost();
    }
    QTcpServer server;
    QMap<QTcpSocket*, QByteArray> pending;
};

class HandOverRecorder final : public MainWindowService {
public:
    bool closeProgram(const QString& startNew) override {
        handedOver.append(startNew);
        return true;
    }
    QStringList handedOver;
};

QByteArray versionFile(int major, int minor, int rev, const QByteArray& sha = {}) {
    QByteArray text = "[CurrentVersion]\r\ntheMajor=" + QByteArray::number(major) + "\r\ntheMinor=" +
                      QByteArray::number(minor) + "\r\ntheRev=" + QByteArray::number(rev) + "\r\n";
    if (!sha.isEmpty()) text += "theSha256=" + sha + "\r\n";
    return text;
}

class UpdateCheck : public ::testing::Test {
protected:
    void SetUp() override {
        t.get().platform().http = std::make_unique<QtHttpDownload>();
        recorder = &t.get().provide<MainWindowService>(std::make_unique<HandOverRecorder>());
        settingsKeys::write(settingsKeys::updateLocation, server.base());
        checker.allowLoopbackHttp = true;
        checker.program = {1, 3, 2};
    }
    // Runs the check to its end (bounded, in case the server never answers).
    void run(bool silent = false) {
        checker.checkForUpdate(silent);
        const QDeadlineTimer limit(10000);
        while (checker.busy() && !limit.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_FALSE(checker.busy());
    }
    void offer(const QByteArray& installer, const QByteArray& sha, qint64 length = -1, int status = 200) {
        server.answers["/updates/currentVersion.ini"] = {200, versionFile(1, 4, 0, sha), -1};
        server.answers["/updates/VarnelDMX Setup.exe"] = {status, installer, length};
        t.prompts().answers.push_back(msgBox::Yes);
    }
    QString installer() const { return QDir(t.folder()).filePath(QStringLiteral("VarnelDMX Setup.exe")); }

    TestShell t;
    LoopbackServer server;
    HandOverRecorder* recorder = nullptr;
    UpdateChecker checker;
};

TEST(UpdateVersions, newerByMajorThenMinorThenRevision) {
    struct Case { UpdateChecker::Version server; bool newer; };
    const UpdateChecker::Version program{1, 3, 2};
    const Case cases[] = {{{1, 3, 5}, true}, {{1, 4, 0}, true}, {{2, 0, 0}, true},
                          {{1, 3, 2}, false}, {{0, 9, 9}, false}, {{1, 2, 9}, false}};
    for (const Case& c : cases)
        EXPECT_EQ(UpdateChecker::isNewer(c.server, program), c.newer)
            << c.server.major << '.' << c.server.minor << '.' << c.server.revision;
}

TEST_F(UpdateCheck, sameAndOlderVersionsSayNoUpdateNeededUnlessSilent) {
    server.answers["/updates/currentVersion.ini"] = {200, versionFile(1, 3, 2), -1};
    run();
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_EQ(t.prompts().messages[0],
              QStringLiteral("No Update Needed! You have the latest Version: 1.3.2 Server Version: 1.3.2."));

    server.answers["/updates/currentVersion.ini"] = {200, versionFile(0, 9, 9), -1};
    run(true);
    EXPECT_EQ(t.prompts().messages.size(), 1) << "a silent check keeps the outcome to itself";
    EXPECT_TRUE(recorder->handedOver.isEmpty());
}

TEST_F(UpdateCheck, aVersionFileWithoutKeysReadsAsTwoZeroOne) {
    server.answers["/updates/currentVersion.ini"] = {200, "[CurrentVersion]\r\n", -1};
    t.prompts().answers.push_back(msgBox::No);
    run();
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_EQ(t.prompts().messages[0],
              QStringLiteral("A newer version: 2.0.1  is available, would you like to download and install it now?"));
    EXPECT_EQ(server.asked.size(), 1) << "No downloads nothing";
}

TEST_F(UpdateCheck, aMissingVersionFileIsNoConnectionAndAnOldCopyDoesNotStandIn) {
    QFile old(checker.versionFilePath());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(versionFile(9, 9, 9));
    old.close();
    run();
    EXPECT_EQ(t.prompts().messages, QStringList{QStringLiteral(" Could not get internet connection.")});
    EXPECT_FALSE(QFile::exists(checker.versionFilePath()));
}

TEST_F(UpdateCheck, aNewerVersionIsDownloadedCheckedAndHandedOver) {
    const QByteArray package(200000, 'p');
    offer(package, QCryptographicHash::hash(package, QCryptographicHash::Sha256).toHex());
    run();
    ASSERT_EQ(recorder->handedOver, QStringList{installer()});
    QFile file(installer());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), package);
    EXPECT_EQ(t.prompts().messages.size(), 1) << t.prompts().messages.join('|').toStdString();
}

TEST_F(UpdateCheck, aFailedOrWrongDownloadHandsNothingOver) {
    const QByteArray package(5000, 'p');
    const QByteArray good = QCryptographicHash::hash(package, QCryptographicHash::Sha256).toHex();
    struct Case { const char* name; int status; qint64 length; QByteArray sha; const char* reason; };
    const Case cases[] = {
        {"404", 404, -1, good, "the server answered 404."},
        {"short body", 200, 9000, good, ""},
        {"no length", 200, -2, good, "the server did not say how long the installer is."},
        {"wrong checksum", 200, -1, QByteArray(64, 'a'), "the installer's SHA-256 is wrong."},
        {"no checksum", 200, -1, QByteArray(), ""},
    };
    for (const Case& c : cases) {
        t.prompts().messages.clear();
        offer(package, c.sha, c.length, c.status);
        run();
        EXPECT_TRUE(recorder->handedOver.isEmpty()) << c.name;
        EXPECT_FALSE(QFile::exists(installer())) << c.name;
        EXPECT_FALSE(QFile::exists(installer() + QStringLiteral(".part"))) << c.name;
        ASSERT_EQ(t.prompts().messages.size(), 2) << c.name;
        if (*c.reason) {
            EXPECT_EQ(t.prompts().messages[1],
                      QStringLiteral("The update could not be downloaded: ") + QString::fromLatin1(c.reason))
                << c.name;
        }
    }
}

TEST_F(UpdateCheck, onlyHttpsAddressesAreAskedAndNoneWhenUnset) {
    checker.allowLoopbackHttp = false;
    run();
    settingsKeys::write(settingsKeys::updateLocation, QString());
    run();
    settingsKeys::write(settingsKeys::updateLocation, QStringLiteral("https://127.0.0.1:1/"));
    run(true);
    EXPECT_TRUE(server.asked.isEmpty());
    ASSERT_EQ(t.prompts().messages.size(), 2);
    EXPECT_TRUE(t.prompts().messages[0].startsWith(QStringLiteral("The update address must be an https address")));
    EXPECT_EQ(t.prompts().messages[1], QStringLiteral("No update server is set: ylc.ini [Update] Location."));
}

} // namespace

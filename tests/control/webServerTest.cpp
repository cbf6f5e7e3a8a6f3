// The web remote's server over a real socket on 127.0.0.1: the exact bytes
// of its answers, the page model, and what it refuses.

#include "control/clsWebServer.h"
#include "control/webRemote.h"
#include "platform/clock.h"
#include "shell/services/shortcutsService.h"
#include "shell/settingsKeys.h"
#include "support/fakePlatform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

const QByteArray crlf = "\r\n";

class Presses final : public WebButtonHost {
public:
    void ButtonPressed(int32_t page, int32_t button, const QString& action) override {
        pressed.append(QStringLiteral("%1/%2/%3").arg(page).arg(button).arg(action));
    }
    QStringList pressed;
};

class WebServer : public ::testing::Test {
protected:
    void SetUp() override {
        t.clock().time = QDateTime(QDate(2026, 3, 5), QTime(18, 30, 0), Qt::UTC);
        web = QDir(t.folder()).filePath(QStringLiteral("Web"));
        QDir().mkpath(web + QStringLiteral("/Sub"));
        writeWholeFile(web + QStringLiteral("/Index.htm"), "<html>remote</html>");
        writeWholeFile(web + QStringLiteral("/style.CSS"), "body{}");
        writeWholeFile(web + QStringLiteral("/app.js"), "go();");
        writeWholeFile(web + QStringLiteral("/README"), "plain");
        writeWholeFile(QDir(t.folder()).filePath(QStringLiteral("secret.txt")), "ylc secret");
        ASSERT_TRUE(server.StartServer(web, 0));
        server.host = &presses;
        clsPageInfo& page = server.model.AddPage(QStringLiteral("1"));
        page.Name(QStringLiteral("Club"));
        clsButtonInfo& b = page.AddButton(QStringLiteral("1"));
        b.Caption(QStringLiteral("Intro \"A\""));
        server.model.PageTitle = QStringLiteral("Gala");
    }

    // Sends bytes on a fresh or given connection and collects the answer
    // until the peer is quiet with a whole answer (bounded).
    QByteArray ask(const QByteArray& request, QTcpSocket* socket = nullptr) {
        QTcpSocket own;
        QTcpSocket& s = socket ? *socket : own;
        if (s.state() != QAbstractSocket::ConnectedState) {
            s.connectToHost(QStringLiteral("127.0.0.1"), quint16(server.getThePort()));
            pumpUntil([&] { return s.state() == QAbstractSocket::ConnectedState; });
        }
        s.write(request);
        QByteArray answer;
        pumpUntil([&] {
            answer += s.readAll();
            const qsizetype head = answer.indexOf("\r\n\r\n");
            if (head < 0) return s.state() != QAbstractSocket::ConnectedState;
            const qsizetype at = answer.indexOf("Content-Length: ");
            const qsizetype length = answer.mid(at + 16, answer.indexOf('\r', at) - at - 16).toLongLong();
            return answer.size() >= head + 4 + length;
        });
        return answer;
    }
    // Sends bytes that expect no answer (yet), and lets the server read them.
    void send(const QByteArray& bytes, QTcpSocket& s) {
        if (s.state() != QAbstractSocket::ConnectedState) {
            s.connectToHost(QStringLiteral("127.0.0.1"), quint16(server.getThePort()));
            pumpUntil([&] { return s.state() == QAbstractSocket::ConnectedState; });
        }
        s.write(bytes);
        pumpUntil([&] { return s.bytesToWrite() == 0; });
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    template <typename Done> void pumpUntil(Done done) {
        const QDeadlineTimer limit(5000);
        while (!done() && !limit.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    static QByteArray header(const QByteArray& status, qsizetype length, const QByteArray& type,
                             const QByteArray& expires) {
        return "HTTP/1.1 " + status + crlf + "Date: Thu, 05 Mar 2026 18:30:00 GMT" + crlf + "Server: DeskWeb" + crlf +
               "Content-Length: " + QByteArray::number(length) + crlf + "Content-Type: " + type + crlf +
               "Expires: " + expires + crlf + "Cache-control: private" + crlf + crlf;
    }
    QByteArray pageData() const {
        return "{  bSuccess: true, aPages: [\r\n{sID: \"1\", sName: \"Club\"}\r\n], aButtons: [\r\n"
               "{sPageID: \"1\", sButtonID: \"1\", sCaption: \"Intro \\\"A\\\"\", bIsOn: false, bIsLocked: false, "
               "nButtonType: 0}\r\n], sPageTitle: \"Gala\" }";
    }

    TestShell t;
    QString web;
    clsWebServer server;
    Presses presses;
};

TEST_F(WebServer, staticFilesFoldersAndTheCgiAnswerByteForByte) {
    const QByteArray day = "Fri, 06 Mar 2026 18:30:00 GMT";
    EXPECT_EQ(ask("GET / HTTP/1.1\r\nHost: x\r\n\r\n"),
              header("200 OK", 19, "text/html", day) + "<html>remote</html>");
    struct Case { const char* target; const char* type; const char* body; };
    const Case files[] = {{"/style.CSS", "text/css", "body{}"},
                          {"/APP.JS", nullptr, nullptr}, // names match exactly on this machine
                          {"/app.js", "text/javascript; charset=utf-8", "go();"},
                          {"//README/", "text/html", "plain"},
                          {"/Sub", nullptr, nullptr}}; // a folder without Index.htm
    for (const Case& c : files) {
        const QByteArray answer = ask(QByteArray("GET ") + c.target + " HTTP/1.1\r\n\r\n");
        if (c.body)
            EXPECT_EQ(answer, header("200 OK", qsizetype(strlen(c.body)), c.type, day) + c.body) << c.target;
        else
            EXPECT_EQ(answer, header("404 Not Found", 0, "text/html", "Thu, 05 Mar 2026 18:30:00 GMT")) << c.target;
    }
    const QByteArray data = pageData();
    EXPECT_EQ(ask("GET /cgi/getdata.asp?x=1 HTTP/1.1\r\n\r\n"),
              header("200 OK", data.size(), "text/html", "Thu, 05 Mar 2026 18:29:00 GMT") + data);
    EXPECT_EQ(ask("NOSPACE\r\n\r\n"), header("404 Not Found", 0, "text/html", "Thu, 05 Mar 2026 18:30:00 GMT"));
}

TEST_F(WebServer, aPressReachesOnlyAButtonTheRemoteWasShown) {
    const QByteArray data = pageData();
    const QByteArray ok = header("200 OK", data.size(), "text/html", "Thu, 05 Mar 2026 18:29:00 GMT") + data;
    EXPECT_EQ(ask("GET /CGI/BUTTONCLICK.ASP?pageid=1&BUTTONID=1&ButtonAction=Down HTTP/1.1\r\n\r\n"), ok);
    EXPECT_EQ(presses.pressed, QStringList{QStringLiteral("1/1/Down")});
    const char* bad[] = {"pageid=0&buttonid=1", "pageid=-3&buttonid=1", "pageid=1&buttonid=2",
                         "pageid=1&buttonid=99999999999", "pageid=x&buttonid=1", "buttonid=1", ""};
    for (const char* q : bad) EXPECT_EQ(ask(QByteArray("GET /CGI/BUTTONCLICK.ASP?") + q + " HTTP/1.1\r\n\r\n"), ok) << q;
    EXPECT_EQ(presses.pressed.size(), 1);
}

TEST_F(WebServer, nothingOutsideTheWebFolderIsServed) {
    const char* hostile[] = {"/../secret.txt", "/Sub/../../secret.txt", "/%2e%2e/secret.txt", "/%2E%2E%5Csecret.txt",
                             "/%252e%252e/secret.txt", "/..%5c..%5csecret.txt", "//etc/passwd", "/C:/secret.txt"};
    for (const char* target : hostile) {
        const QByteArray answer = ask(QByteArray("GET ") + target + " HTTP/1.1\r\n\r\n");
        EXPECT_TRUE(answer.startsWith("HTTP/1.1 404 Not Found\r\n")) << target;
        EXPECT_FALSE(answer.contains("secret")) << target;
    }
    // A link inside the folder does not lead out of it either.
    ASSERT_TRUE(QFile::link(QDir(t.folder()).filePath(QStringLiteral("secret.txt")), web + QStringLiteral("/link.txt")));
    EXPECT_TRUE(ask("GET /link.txt HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 404 Not Found\r\n"));
    // An unknown CGI path comes back escaped, as plain text.
    const QByteArray unknown = ask("GET /CGI/%3Cscript%3E'x HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(unknown.contains("Content-Type: text/plain; charset=utf-8\r\n"));
    EXPECT_TRUE(unknown.endsWith("{ bSuccess: false, sErrorMsg: 'Unknown URL: /CGI/\\x3cscript\\x3e\\x27x' }"));
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

TEST_F(WebServer, connectionsAreBoundedInSizeTimeAndNumber) {
    // A request that arrives in pieces is answered once whole; the
    // connection stays open for the next one.
    QTcpSocket keep;
    send("GET / HTTP/1.1\r\n", keep);
    EXPECT_EQ(keep.bytesAvailable(), 0);
    EXPECT_TRUE(ask("\r\n", &keep).startsWith("HTTP/1.1 200 OK"));
    EXPECT_TRUE(ask("GET /app.js HTTP/1.1\r\n\r\n", &keep).endsWith("go();"));

    // A head beyond 8 KiB is not collected: the connection is closed.
    QTcpSocket big;
    send("GET / HTTP/1.1\r\nX: " + QByteArray(clsWebServer::maxHeadBytes, 'a'), big);
    pumpUntil([&] { return big.state() == QAbstractSocket::UnconnectedState; });
    EXPECT_EQ(big.state(), QAbstractSocket::UnconnectedState);

    // A slow client is let go once idle too long.
    QTcpSocket slow;
    send("GET / HT", slow);
    t.clock().ms += clsWebServer::idleMs;
    t.timers().created.back()->fire();
    pumpUntil([&] { return slow.state() == QAbstractSocket::UnconnectedState; });
    EXPECT_EQ(slow.state(), QAbstractSocket::UnconnectedState);

    // Beyond the limit a connection is refused; the held ones are served.
    std::vector<std::unique_ptr<QTcpSocket>> crowd;
    for (int i = 0; i < 200; ++i) {
        crowd.push_back(std::make_unique<QTcpSocket>());
        crowd.back()->connectToHost(QStringLiteral("127.0.0.1"), quint16(server.getThePort()));
    }
    pumpUntil([&] { return server.connectionCount() >= clsWebServer::maxConnections; });
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(server.connectionCount(), clsWebServer::maxConnections);
    EXPECT_TRUE(ask("GET /app.js HTTP/1.1\r\n\r\n", crowd.front().get()).endsWith("go();"));
}

TEST(WebPageModel, pageDataListsPagesInOrderAndCachesUntilAChange) {
    WebPageModel model;
    EXPECT_EQ(model.getPageDataJson(),
              QStringLiteral("{  bSuccess: true, aPages: [\r\n\r\n], aButtons: [\r\n\r\n], sPageTitle: \"Tessaly\" }"));
    model.AddPage(QStringLiteral("1")).Name(QStringLiteral("Empty"));
    clsPageInfo& two = model.AddPage(QStringLiteral("2"));
    two.Name(QStringLiteral("A\\B"));
    two.AddButton(QStringLiteral("1")).Caption(QStringLiteral("x"));
    clsButtonInfo& auto3 = two.AddButton(QStringLiteral("2"));
    auto3.ButtonType(2);
    const QString before = model.getPageDataJson();
    EXPECT_TRUE(before.contains(QStringLiteral("{sID: \"1\", sName: \"Empty\"},\r\n{sID: \"2\", sName: \"A\\B\"}")));
    EXPECT_TRUE(before.contains(QStringLiteral("nButtonType: 0},\r\n{sPageID: \"2\", sButtonID: \"2\"")));
    auto3.IsOn(true);
    EXPECT_TRUE(model.getPageDataJson().contains(QStringLiteral("bIsOn: true, bIsLocked: false, nButtonType: 2}")));
    // Adding an existing page again moves it to the end, empty.
    model.AddPage(QStringLiteral("1"));
    EXPECT_TRUE(model.getPageDataJson().contains(QStringLiteral("{sID: \"2\", sName: \"A\\B\"},\r\n{sID: \"1\", sName: \"\"}")));
}

// A port nobody listens on now, so parallel runs do not collide.
int32_t freePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    return int32_t(probe.serverPort());
}

class PressRecorder final : public ShortcutsService {
public:
    void pressWebButton(int16_t button, int16_t page) override { presses.push_back({page, button}); }
    std::vector<std::pair<int, int>> presses;
};

TEST(WebRemote, theShowsPageFoldersBecomeTheModelAndStatesAreMirrored) {
    TestShell t;
    t.get().state.showName = QStringLiteral("Gala");
    const QString show = QDir(t.folder()).filePath(QStringLiteral("Sequences/Gala"));
    for (const char* f : {"Club/Intro.YSQ", "Club/Finale.YSQ", "Club/Run.YTO", "Club/Mix.MUL", "Empty/notes.txt"}) {
        QDir().mkpath(QFileInfo(show + QLatin1Char('/') + QLatin1String(f)).absolutePath());
        writeWholeFile(show + QLatin1Char('/') + QLatin1String(f), "x");
    }
    auto& pages = t.get().provide<ShortcutsService>(std::make_unique<PressRecorder>());
    WebRemote remote;
    int32_t port = 0;
    remote.StartServer(port);
    EXPECT_EQ(port, 0) << "disabled in the settings: nothing listens";
    EXPECT_EQ(remote.getPort(), 0);
    settingsKeys::write(settingsKeys::webserverEnabled, QStringLiteral("True"));
    port = 0;
    settingsKeys::write(settingsKeys::webserverPort, QStringLiteral("0"));
    remote.StartServer(port);
    EXPECT_EQ(remote.getPort(), 0) << "a port that is no port keeps the remote off";
    port = freePort();
    remote.StartServer(port);
    ASSERT_NE(remote.server(), nullptr);
    WebPageModel& model = remote.server()->model;
    EXPECT_EQ(model.PageTitle, QStringLiteral("Gala"));
    ASSERT_NE(model.Pages(QStringLiteral("1")), nullptr);
    clsPageInfo& club = *model.Pages(QStringLiteral("1"));
    EXPECT_EQ(club.Name(), QStringLiteral("Club"));
    ASSERT_EQ(club.buttonCount(), 4);
    struct Button { const char* id; const char* caption; int type; };
    for (const Button& b : {Button{"1", "Finale", 0}, Button{"2", "Intro", 0}, Button{"3", "Run", 2}, Button{"4", "Mix", 1}}) {
        EXPECT_EQ(club.Buttons(QLatin1String(b.id))->Caption(), QLatin1String(b.caption));
        EXPECT_EQ(club.Buttons(QLatin1String(b.id))->ButtonType(), b.type);
    }
    EXPECT_EQ(model.Pages(QStringLiteral("2"))->buttonCount(), 0);
    for (const char* state : {"multi on", "timeline on", "off", "On"}) {
        remote.mirrorButtonStateToWeb(QStringLiteral("3"), QStringLiteral("1"), QLatin1String(state));
        EXPECT_EQ(club.Buttons(QStringLiteral("3"))->IsOn(), QLatin1String(state).endsWith(QLatin1String(" on")))
            << state;
    }
    remote.mirrorButtonStateToWeb(QStringLiteral("9"), QStringLiteral("7"), QStringLiteral("on")); // ignored
    remote.ButtonPressed(1, 3, QStringLiteral("Down"));
    EXPECT_EQ(pages.presses, (std::vector<std::pair<int, int>>{{1, 3}}));
    remote.StopServer();
    EXPECT_EQ(remote.getPort(), 0);
}

} // namespace

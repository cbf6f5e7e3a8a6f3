#include "fuzzSupport.h"

#include "support/fakePlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// The run's application and shell live until the process ends. They go at
// exit, before Qt's own globals (registered after those were made), the
// shell first, so that its temporary folder is removed.
int argc = 1;
char name[8] = "fuzz";
char* argv[2] = {name, nullptr};
QCoreApplication* app = nullptr;
TestShell* testShell = nullptr;

void endRun() {
    delete testShell;
    testShell = nullptr;
    delete app;
    app = nullptr;
}
} // namespace

TestShell& shell() {
    if (!testShell) {
        qInstallMessageHandler(quiet);
        app = new QCoreApplication(argc, argv);
        testShell = new TestShell();
        std::atexit(endRun);
    }
    return *testShell;
}

QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

QString file(const QString& name, const QByteArray& content) {
    const QString path = QDir(shell().folder()).filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property does not hold: %s\n", what);
    std::abort();
}

} // namespace fuzz

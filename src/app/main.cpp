// Start of the console: the command line, the program folder, then the
// console itself (src/app/console.h).

#include "app/console.h"
#include "platform/ui/qtMonitors.h"
#include "playback/ui/frmPlayBackManager.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    qtMonitors::preferPlaceableWindows();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("varneldmx"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("VarnelDMX lighting console"));
    parser.addHelpOption();
    QCommandLineOption folderOption(QStringLiteral("program-folder"),
                                    QStringLiteral("Data folder of the console (settings, shows, sequences)."),
                                    QStringLiteral("DIR"),
                                    QDir::homePath() + QStringLiteral("/.local/share/VarnelDMX"));
    QCommandLineOption quitAfterOption(QStringLiteral("quit-after"),
                                       QStringLiteral("Close the console after MS milliseconds (for smoke runs)."),
                                       QStringLiteral("MS"));
    parser.addOption(folderOption);
    parser.addOption(quitAfterOption);
    parser.process(app);

    // Without a usable program folder nothing could be kept: the console
    // says which folder and why, and ends.
    const QString folder = QDir(parser.value(folderOption)).absolutePath();
    const QString problem = console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), folder);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
            QMessageBox::critical(nullptr, QStringLiteral("VarnelDMX"), problem);
        return 2;
    }

    console::Console c(folder);
    // Closing the frame asks the questions of the main window's shutdown.
    QObject::connect(&c.frame(), &frmPlayBackManager::closeRequested, &app, [] { form<Main>().closeProgram(); });
    c.start();

    if (parser.isSet(quitAfterOption)) {
        // exit(), not quit(): quit() would first ask each window to close,
        // and the main window answers that with the shutdown questions.
        QTimer::singleShot(parser.value(quitAfterOption).toInt(), &app, [] { QCoreApplication::exit(0); });
    }
    return app.exec();
}

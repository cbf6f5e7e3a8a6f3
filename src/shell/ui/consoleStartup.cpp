#include "shell/ui/consoleStartup.h"
#include "shell/ui/windowFunctions.h"

#include "shell/programSession.h"
#include "shell/shell.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"

#include <QApplication>
#include <QScreen>

void MainStartupView::placeAndShowMain() {
    Main& main = form<Main>();
    main.oneConsole = shell().engine<ProgramSession>().oneConsole;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        main.setGeometry(area.left(), area.top() + int(area.height() * 0.005), int(area.width() * 0.995),
                         int(area.height() * 0.12));
    }
    main.show();
}

void MainStartupView::oneConsoleFrame() {
    // The desktop's task bar is left alone; the frame covers the screen
    // without a frame instead.
    if (QWidget* frame = miscGlobalFunctions::topLevelWindow(QStringLiteral("frmPlayBackManager"))) {
        frame->setWindowFlag(Qt::FramelessWindowHint, true);
        frame->showFullScreen();
    }
}

namespace consoleStartup {

MainStartupView& view() { return shell().engine<MainStartupView>(); }

bool run() {
    MainStartupView& v = view(); // made first, so it goes after the road
    StartupSequence& road = shell().engine<StartupSequence>();
    road.setView(&v);
    return road.start() != StartupSequence::Outcome::SecondInstance;
}

} // namespace consoleStartup

#include "shell/ui/Main.h"

Main::Main(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("VarnelDMX"));
    resize(800, 500);
    buildMenus();
}

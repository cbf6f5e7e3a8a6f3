#pragma once
// The start-up road as the running console sees it: the main window placed
// as a strip at the top of the screen, the frame made frameless and full
// screen in one-console mode, and a signal when the interfaces are open.

#include "shell/startupSequence.h"

#include <QObject>

class MainStartupView : public QObject, public StartupView {
    Q_OBJECT
public:
    void placeAndShowMain() override;
    void oneConsoleFrame() override;
    void finished() override { emit startupFinished(); }

signals:
    void startupFinished();
};

namespace consoleStartup {
// Starts the road; false when another console runs on this program folder
// (its message has been shown and nothing else was done).
bool run();
// The view of the road, to learn when it is over.
MainStartupView& view();
} // namespace consoleStartup

#pragma once
// Closing one of the output tool windows unloads it, so that its timer stops
// and it lets go of what it refers to; the next use loads a fresh one. The
// window cannot be deleted inside its own close event, so the unload runs
// right after, and only if the window is still the loaded one and still
// closed by then.

#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

template <typename W> void unloadAfterClose(W* window) {
    if (!hasShell() || loadedForm<W>() != window) return;
    QPointer<W> closed(window);
    QTimer::singleShot(0, QCoreApplication::instance(), [closed] {
        if (closed && !closed->isVisible() && hasShell() && loadedForm<W>() == closed.data())
            unloadForm<W>();
    });
}

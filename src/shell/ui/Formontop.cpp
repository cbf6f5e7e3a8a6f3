#include "shell/ui/Formontop.h"

#include <QWidget>

namespace Formontop {

void setFormOnTop(QWidget* window, int position) {
    if (!window) return;
    switch (position) {
    case -1:
    case -2: {
        const bool onTop = position == -1;
        if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
        // Changing a window flag hides the window; show it again as it was.
        const bool wasVisible = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (wasVisible) window->show();
        break;
    }
    case 0: window->raise(); break;
    case 1: window->lower(); break;
    default: break;
    }
}

} // namespace Formontop

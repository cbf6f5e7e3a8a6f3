#include "shell/ui/firstStartScreen.h"

#include "shell/settingsKeys.h"
#include "shell/ui/windowFunctions.h"

#include <QWidget>
#include <algorithm>

namespace firstStartScreen {

using miscGlobalFunctions::topLevelWindow;

namespace {

// Puts a window's frame (title bar included) on `frame`.
void placeFrame(QWidget* w, const QRect& frame) {
    const QRect outer = w->frameGeometry(), inner = w->geometry();
    const int left = inner.left() - outer.left(), top = inner.top() - outer.top();
    const int right = outer.right() - inner.right(), bottom = outer.bottom() - inner.bottom();
    w->setGeometry(frame.adjusted(left, top, -right, -bottom));
}

// The height a window asks for across the screen, never more than a share
// of it.
int rowHeight(QWidget* w, int most) {
    const int wanted = std::max(w->minimumSizeHint().height(), w->sizeHint().height());
    const int frameExtra = w->frameGeometry().height() - w->geometry().height();
    return std::min(wanted + frameExtra, most);
}

// The narrowest a window's frame can be.
int leastFrameWidth(const QWidget* w) {
    return std::max(w->minimumWidth(), w->minimumSizeHint().width()) + w->frameGeometry().width() - w->geometry().width();
}

struct ToolWindow {
    const char* name;
    const settingsKeys::Key& key;
};

const ToolWindow toolWindows[] = {
    {"FixtureList", settingsKeys::windowsFixtureList}, {"frmPalettes", settingsKeys::windowsPalettes},
    {"frmStrobe", settingsKeys::windowsStrobe},        {"BeatDetect", settingsKeys::windowsAudioTrigger},
    {"frmFogControl", settingsKeys::windowsFogControl},
};

} // namespace

const QStringList& screenWindows() {
    static const QStringList names = {QStringLiteral("frmTop"), QStringLiteral("Main"),
                                      QStringLiteral("frmPlayBackManager"), QStringLiteral("fixture"),
                                      QStringLiteral("frmSequenceShortcuts"), QStringLiteral("FixtureList")};
    return names;
}

bool neverPlaced() {
    for (const QString& name : screenWindows())
        if (miscGlobalFunctions::hasStoredPlacement(name)) return false;
    return true;
}

void arrange(const QRect& area) {
    int y = area.top();
    for (const QString& name : {QStringLiteral("frmTop"), QStringLiteral("Main")}) {
        QWidget* w = topLevelWindow(name);
        if (!w) continue;
        const int h = rowHeight(w, area.height() / 3);
        placeFrame(w, QRect(area.left(), y, area.width(), h));
        y += h;
    }
    const QRect below(area.left(), y, area.width(), area.bottom() - y + 1);
    QWidget* frame = topLevelWindow(QStringLiteral("frmPlayBackManager"));
    const int frameWidth = std::max(below.width() * 45 / 100, frame ? leastFrameWidth(frame) : 0);
    if (frame) placeFrame(frame, QRect(below.left(), below.top(), frameWidth, below.height()));
    // The right-hand pane: the layout in programming mode or the button
    // pages in playback mode (one of them is shown), the fixture list beside
    // it at the screen's edge.
    const QRect pane(below.left() + frameWidth, below.top(), below.width() - frameWidth, below.height());
    QWidget* list = topLevelWindow(QStringLiteral("FixtureList"));
    const int listWidth = list ? std::max(pane.width() / 4, leastFrameWidth(list)) : 0;
    const QRect upper(pane.left(), pane.top(), pane.width() - listWidth, pane.height());
    for (const QString& name : {QStringLiteral("fixture"), QStringLiteral("frmSequenceShortcuts")})
        if (QWidget* w = topLevelWindow(name)) placeFrame(w, upper);
    if (list) placeFrame(list, QRect(upper.right() + 1, pane.top(), listWidth, pane.height()));
}

void rememberToolWindows() {
    for (const ToolWindow& t : toolWindows) {
        const QWidget* w = topLevelWindow(QString::fromLatin1(t.name));
        settingsKeys::write(t.key, w && w->isVisible() ? QStringLiteral("True") : QStringLiteral("False"));
    }
}

} // namespace firstStartScreen

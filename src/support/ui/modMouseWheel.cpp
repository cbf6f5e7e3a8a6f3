#include "support/ui/modMouseWheel.h"

#include "shell/shell.h"

#include <QApplication>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>
#include <vector>

namespace {

class WheelFilter final : public QObject {
public:
    struct Hooked {
        QPointer<QWidget> window;
        WheelTarget* target;
    };
    std::vector<Hooked> hooked;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return false;
        auto* wheel = static_cast<QWheelEvent*>(event);
        // A turn passed on to parent widgets comes by again: once is enough.
        const Turn turn{wheel->timestamp(), wheel->globalPosition(), wheel->angleDelta()};
        if (turn == last) return false;
        last = turn;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        for (const Hooked& h : hooked) {
            if (!h.window || widget->window() != h.window) continue;
            int32_t keys = 0;
            const Qt::KeyboardModifiers mods = wheel->modifiers();
            const Qt::MouseButtons buttons = wheel->buttons();
            if (buttons & Qt::LeftButton) keys |= modMouseWheel::mkLButton;
            if (buttons & Qt::RightButton) keys |= modMouseWheel::mkRButton;
            if (buttons & Qt::MiddleButton) keys |= modMouseWheel::mkMButton;
            if (mods & Qt::ShiftModifier) keys |= modMouseWheel::mkShift;
            if (mods & Qt::ControlModifier) keys |= modMouseWheel::mkControl;
            int32_t rotation = wheel->angleDelta().y();
            int32_t x = int32_t(wheel->globalPosition().x()), y = int32_t(wheel->globalPosition().y());
            if (modMouseWheel::isPointInWindow(h.window->frameGeometry(), x, y))
                h.target->mouseWheel(keys, rotation, x, y);
        }
        // The turn goes on to the control under the pointer.
        return false;
    }

private:
    struct Turn {
        quint64 time = 0;
        QPointF at;
        QPoint delta;
        bool operator==(const Turn&) const = default;
    };
    Turn last;
};

// The one filter on the application, kept by the shell while it lives.
class WheelHooks {
public:
    WheelHooks() { qApp->installEventFilter(&filter); }
    ~WheelHooks() {
        if (qApp) qApp->removeEventFilter(&filter);
    }
    WheelFilter filter;
};

WheelFilter* filter() { return &shell().engine<WheelHooks>().filter; }

} // namespace

namespace modMouseWheel {

void WheelHook(QWidget* window, WheelTarget& target) {
    if (!window || !qApp || !hasShell()) return;
    WheelUnHook(window);
    filter()->hooked.push_back({window, &target});
}

void WheelUnHook(QWidget* window) {
    if (!qApp || !hasShell()) return;
    auto& list = filter()->hooked;
    std::erase_if(list, [window](const WheelFilter::Hooked& h) { return !h.window || h.window == window; });
}

bool isPointInWindow(const QRect& frame, int32_t x, int32_t y) {
    // QRect's right and bottom are the last pixels inside; the edge beyond counts too.
    return x >= frame.left() && x <= frame.right() + 1 && y >= frame.top() && y <= frame.bottom() + 1;
}

} // namespace modMouseWheel

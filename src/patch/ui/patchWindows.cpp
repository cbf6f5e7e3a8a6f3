#include "patch/ui/patchWindows.h"
#include "patch/ui/patchWindowService.h"

#include "patch/layoutEngine.h"
#include "patch/ui/FixtureList.h"
#include "patch/ui/fixture.h"
#include "patch/ui/groupMenu.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {
// An unloaded window may be the one whose handler is running (the fixture
// list's Delete key removes fixtures, which rebuilds the list): it goes
// once control is back in the event loop, hidden until then.
template <class W> void unloadLater(std::unique_ptr<W>& window) {
    if (!window) return;
    W* w = window.release();
    w->hide();
    w->deleteLater();
}
} // namespace

// Keeps both windows in step with the engine.
struct PatchWindowsService::Views : LayoutView {
    std::unique_ptr<fixture> layout;
    std::unique_ptr<FixtureList> list;
    void iconsChanged() override {
        if (layout) layout->syncIcons(false);
    }
    void listChanged() override {
        if (list) list->syncFromEngine();
    }
    void popupFixtureMenu(double x, double y) override {
        if (layout) layout->popupFixtureMenu(x, y);
    }
    void popupGroupMenu(double x, double y) override {
        if (layout) layout->popupGroupMenu(x, y);
    }
};

PatchWindowsService::PatchWindowsService() : views(std::make_unique<Views>()) { layoutEngine().view = views.get(); }

PatchWindowsService::~PatchWindowsService() {
    if (hasShell())
        if (LayoutEngine* e = shell().loadedEngine<LayoutEngine>(); e && e->view == views.get()) e->view = nullptr;
}

fixture& PatchWindowsService::layoutWindow() {
    if (!views->layout) views->layout = std::make_unique<fixture>(layoutEngine());
    return *views->layout;
}

FixtureList& PatchWindowsService::fixtureList() {
    if (!views->list) {
        views->list = std::make_unique<FixtureList>(layoutEngine());
        // Beneath the layout window, from its right half, a quarter of the screen wide.
        const fixture& l = layoutWindow();
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect g = screen->availableGeometry();
            views->list->setGeometry(l.x() + l.width() / 2, l.y() + l.frameGeometry().height() + g.height() / 200,
                                     g.width() / 4 - 4, g.height() * 12 / 100);
        }
    }
    return *views->list;
}

fixture* PatchWindowsService::loadedLayoutWindow() const { return views->layout.get(); }
FixtureList* PatchWindowsService::loadedFixtureList() const { return views->list.get(); }

void PatchWindowsService::showLayoutWindow() {
    layoutEngine().setSimulationEnabled(true);
    fixture& w = layoutWindow();
    w.show();
    w.raise();
    w.activateWindow();
}

void PatchWindowsService::hideLayoutWindow() {
    if (views->layout) views->layout->hide();
}

void PatchWindowsService::showFixtureList() {
    // A list loaded now is filled from the fixture names as they are.
    if (!views->list) layoutEngine().loadFixtureList();
    fixtureList().show();
}

void PatchWindowsService::hideFixtureList() {
    if (views->list) views->list->hide();
}

void PatchWindowsService::unloadFixtureList() {
    if (FixtureList* w = views->list.get()) {
        // Its place is kept unless it was parked off screen.
        if (!(w->x() * 15 == 45000 && w->y() * 15 == 45000))
            miscGlobalFunctions::windowPlacement(w, QStringLiteral("SET"));
        unloadLater(views->list);
    }
    LayoutPatchService::unloadFixtureList();
}

void PatchWindowsService::reloadFixtureList() {
    const bool shown = views->list && views->list->isVisible();
    unloadFixtureList();
    if (shown) showFixtureList();
}

void PatchWindowsService::unloadLayoutWindow() {
    unloadLater(views->layout);
    LayoutPatchService::unloadLayoutWindow();
}

void PatchWindowsService::reloadLayoutWindow() {
    unloadLayoutWindow();
    fixture& w = layoutWindow();
    w.show();
    w.raise();
}

void PatchWindowsService::refreshIcons() {
    LayoutPatchService::refreshIcons();
    if (views->layout) views->layout->syncIcons(true);
}

PatchWindowsService& startPatchWindows(Shell& s) {
    // The service registered early (the profile editor may already use it)
    // is taken over; otherwise one is registered now.
    auto* registered = dynamic_cast<PatchWindowsService*>(&s.patch());
    PatchWindowsService& service =
        registered ? *registered : s.provide<PatchService>(std::make_unique<PatchWindowService>());
    layoutEngine().layoutWholeShow();
    // The layout and the fixture list are tool windows shown at start-up.
    service.showLayoutWindow();
    service.showFixtureList();
    return service;
}

void PatchWindowsService::popupGroupMenuAtPointer() { groupMenu::popup(nullptr, QCursor::pos()); }

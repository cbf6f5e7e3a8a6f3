#include "masters/ui/mastersConsole.h"

#include "masters/mastersEngine.h"
#include "masters/ui/MasterFader.h"
#include "masters/ui/Submaster.h"
#include "masters/ui/frmPageSubmasters.h"
#include "masters/ui/frmTop.h"
#include "masters/wingMidi.h"
#include "platform/monitors.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

#include <memory>

namespace {

class MastersConsole final : public MastersEngine {
public:
    void showTopBar() override { form<frmTop>().open(); }
    void showPageSubmasters() override { form<frmPageSubmasters>().open(); }
    void showPlaybackFaders() override { form<Submaster>().open(); }
    void showMasterFadeOut() override { form<MasterFader>().open(); }
    // The main window's "Grand Master" is the master fader window.
    void showGrandMaster() override { showMasterFadeOut(); }
    // Programming mode places the windows for one or two monitors; here
    // those of this section (the others' windows place themselves when
    // their subsystems are built). Under Wayland the desktop places them.
    void cmdProgramingMode_Click() override {
        MastersEngine::cmdProgramingMode_Click();
        Monitors* monitors = shell().monitors();
        if (monitors && !monitors->canPlaceWindows()) return;
        const dualView::Placement& p = top.lastPlacement;
        if (p.submasters) {
            frmPageSubmasters& w = form<frmPageSubmasters>();
            const QRect& r = *p.submasters;
            w.setGeometry(r.x() / 15, r.y() / 15, r.width() / 15, r.height() / 15);
            if (p.showSubmasters) w.open();
        }
        if (p.topBarWidth) {
            if (frmTop* t = loadedForm<frmTop>()) t->resize(*p.topBarWidth / 15, t->height());
        }
    }
    void loadNewSubmaster(int32_t index, int32_t colour, const QString& name) override {
        form<frmPageSubmasters>(); // the strips are laid out for the window's height
        MastersEngine::loadNewSubmaster(index, colour, name);
    }
};

} // namespace

void registerMasters(Shell& s) {
    MastersEngine& m = s.provide<MastersService>(std::make_unique<MastersConsole>());
    WingMidi& wing = s.provide<ControlService>(std::make_unique<WingMidi>(m));
    wing.initMidi();
}

#include "masters/ui/mastersConsole.h"

#include "masters/mastersEngine.h"
#include "masters/ui/MasterFader.h"
#include "masters/ui/Submaster.h"
#include "masters/ui/frmPageSubmasters.h"
#include "masters/ui/frmTop.h"
#include "masters/wingMidi.h"
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

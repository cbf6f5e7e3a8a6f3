#include "effects/ui/frmFogControl.h"

#include "effects/effectsEngine.h"
#include "effects/fogControl.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowRegistry.h"

frmFogControl::frmFogControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmFogControl"));
    setWindowTitle(QStringLiteral("Fog Control"));
}

const std::vector<int32_t>& frmFogControl::foggers() const { return shell().engine<FogControl>().foggers(); }

namespace {
class FogWindowUi final : public FogWindow {
public:
    // Put on top before it is shown, then the settings record that it was opened.
    void show() override {
        frmFogControl& w = form<frmFogControl>();
        Formontop::setFormOnTop(&w, -1);
        w.show();
        w.raise();
        miscGlobalFunctions::writeIniValue(shell().iniFile(), QStringLiteral("Windows"), QStringLiteral("frmFogControl"),
                                           QStringLiteral("True"));
    }
};
} // namespace

void attachFogWindow(Shell& s) { s.engine<EffectsEngine>().attachFogWindow(std::make_unique<FogWindowUi>()); }

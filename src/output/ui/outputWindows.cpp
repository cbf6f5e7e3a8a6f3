#include "output/ui/outputWindows.h"

#include "output/DmxOutput.h"
#include "output/outputViews.h"
#include "output/ui/Dmxrecord.h"
#include "output/ui/frmDmxOutDisplay.h"
#include "output/ui/frmDmxTiming.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowRegistry.h"

namespace {

class OutputWindowsUi final : public OutputWindows {
public:
    void showOutputMonitor() override { showOnTop(form<frmDmxOutDisplay>()); }
    void showDmxRecord() override { showOnTop(form<Dmxrecord>()); }
    void showDmxTiming(int port) override {
        auto& interfaces = shell().engine<DmxOutput>().dmxDongleCollection;
        if (port < 1 || port > static_cast<int>(interfaces.size())) return;
        frmDmxTiming& editor = form<frmDmxTiming>();
        editor.myActivePort = port;
        editor.myInterfaceCls = interfaces[static_cast<size_t>(port - 1)];
        showOnTop(editor);
    }

private:
    static void showOnTop(QWidget& w) {
        w.show();
        Formontop::setFormOnTop(&w, -1);
        w.raise();
    }
};

} // namespace

void attachOutputWindows(Shell& s) { s.engine<DmxOutput>().attachWindows(std::make_unique<OutputWindowsUi>()); }

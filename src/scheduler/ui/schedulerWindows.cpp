#include "scheduler/eventEngine.h"
#include "scheduler/ui/Scheduler.h"
#include "scheduler/ui/frmMediaPlayer.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowMenu.h"
#include "shell/ui/windowRegistry.h"

namespace {
class SchedulerWindowsUi final : public SchedulerWindows {
public:
    void showScheduler(int32_t top, int32_t left, int32_t width, int32_t height) override {
        Scheduler& w = form<Scheduler>();
        if (width > 0 && height > 0) w.setGeometry(left / 15, top / 15, width / 15, height / 15);
        Formontop::setFormOnTop(&w, -1);
        w.show();
        w.raise();
    }
    void openFromMenu() override { windowMenuUi::openScheduler(); }
    void closeScheduler() override {
        if (Scheduler* w = loadedForm<Scheduler>()) {
            w->close();
            unloadForm<Scheduler>();
        }
    }
    void showMediaPlayer() override {
        frmMediaPlayer& w = form<frmMediaPlayer>();
        w.show();
        w.raise();
    }
    void videoOptions() override { form<frmMediaPlayer>().clkVideoOptions_Click(); }
};
} // namespace

void attachSchedulerWindows(Shell& s) { s.engine<EventEngine>().attachWindows(std::make_unique<SchedulerWindowsUi>()); }

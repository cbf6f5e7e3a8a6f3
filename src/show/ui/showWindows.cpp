#include "show/ui/showWindows.h"

#include "shell/ui/Formontop.h"
#include "shell/ui/windowRegistry.h"
#include "show/ui/Options.h"
#include "show/ui/frmBackupRestore.h"

void ShowWindows::showOptions(bool fresh) {
    // From the top bar the window always starts fresh.
    if (fresh) unloadForm<Options>();
    Options& w = form<Options>();
    w.show();
    Formontop::setFormOnTop(&w, -1);
    w.raise();
}

void ShowWindows::showBackupRestore() {
    frmBackupRestore& w = form<frmBackupRestore>();
    w.show();
    w.raise();
}

#include "matrix/ui/matrixWindows.h"

#include "matrix/matrixEngine.h"
#include "matrix/ui/frmBrumalMatrix.h"
#include "matrix/ui/frmMatrixAddressing.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowRegistry.h"

namespace {

class MatrixWindowsUi final : public MatrixWindows {
public:
    void showBrumalMatrix() override {
        frmBrumalMatrix& w = form<frmBrumalMatrix>();
        Formontop::setFormOnTop(&w, -1);
        w.show();
        w.raise();
    }
    bool brumalVisible() const override {
        const frmBrumalMatrix* w = loadedForm<frmBrumalMatrix>();
        return w && w->isVisible();
    }
    void showMatrixAddressing() override {
        frmMatrixAddressing& w = form<frmMatrixAddressing>();
        w.loadMatrix();
        Formontop::setFormOnTop(&w, -1);
        w.show();
        w.raise();
    }
};

} // namespace

void registerMatrix(Shell& s) { s.engine<MatrixEngine>().attachWindows(std::make_unique<MatrixWindowsUi>()); }

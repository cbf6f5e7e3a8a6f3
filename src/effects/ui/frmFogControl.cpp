#include "effects/ui/frmFogControl.h"

#include "effects/fogControl.h"
#include "shell/shell.h"

frmFogControl::frmFogControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmFogControl"));
}

const std::vector<int32_t>& frmFogControl::foggers() const { return shell().engine<FogControl>().foggers(); }

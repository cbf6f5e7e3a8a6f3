#include "effects/frmFogControl.h"

#include <algorithm>

frmFogControl::frmFogControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmFogControl"));
}

void frmFogControl::redimFoggers(int32_t totalNumber) {
    fogChannels.resize(size_t(std::max<int32_t>(totalNumber, 0)) + 1, 0);
}

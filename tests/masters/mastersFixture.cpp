#include "mastersFixture.h"

#include "shell/miscGlobalFunctions.h"

void MastersTest::attachWing() {
    ports.inputs = ports.outputs = QStringList{QStringLiteral("Wing")};
    miscGlobalFunctions::writeIniValue(shell().iniFile(), QStringLiteral("Midi Input Device"),
                                       QStringLiteral("Device Name"), QStringLiteral("Wing"));
    wing.initMidi();
    ASSERT_TRUE(wing.controlWingAttached());
}

void MastersTest::loadGroups(int count) {
    for (int k = 1; k <= count; ++k) m.loadNewSubmaster(k, 0x00FF00, QStringLiteral("G%1").arg(k));
    m.showAllSubmasters();
}

#include "patch/fixtureProperties.h"

#include "shell/patchModel.h"
#include "shell/services/patchService.h"
#include "shell/shell.h"

#include <utility>

namespace fixtureProperties {

QString decimaltobinary(int32_t channel) {
    return QString::number(std::max(channel, 0), 2).rightJustified(8, QLatin1Char('0'));
}

StartAddress startAddress(int32_t absoluteChannel) {
    StartAddress a;
    a.universe = (absoluteChannel - 1) / 512 + 1;
    a.channel = (absoluteChannel - 1) % 512 + 1;
    const QString bits = decimaltobinary(a.channel).rightJustified(10, QLatin1Char('0'));
    for (int j = 1; j <= 9; ++j) a.switchOn[size_t(j - 1)] = bits[bits.size() - j] != QLatin1Char('0');
    return a;
}

QString startChannelCaption(const StartAddress& a) {
    return QStringLiteral("Start Channel: ") + QString::number(a.channel) + QStringLiteral("   Universe: ") +
           QString::number(a.universe);
}

bool renumberFixture(int32_t n, int32_t m) {
    ChannelModel& s = shell().state;
    if (n < 1 || m < 1 || n > s.fixtureCount || m > s.fixtureCount) return false;
    const QString pixel = QStringLiteral("YesMatrix");
    if (s.fixtureMatrixMarker[m] == pixel || s.fixtureMatrixMarker[n] == pixel) return false;
    s.fixtureName.swapItemsAt(n, m);
    std::swap(s.fixtureIconTop[size_t(n)], s.fixtureIconTop[size_t(m)]);
    std::swap(s.fixtureIconLeft[size_t(n)], s.fixtureIconLeft[size_t(m)]);
    s.fixtureView.swapItemsAt(n, m);
    std::swap(s.fixtureRotationX[size_t(n)], s.fixtureRotationX[size_t(m)]);
    std::swap(s.fixtureRotationY[size_t(n)], s.fixtureRotationY[size_t(m)]);
    std::swap(s.fixtureRotationZ[size_t(n)], s.fixtureRotationZ[size_t(m)]);
    patchModel::fixture_layout(1, s.fixtureCount);
    shell().patch().layoutFixtures(1, s.fixtureCount, false);
    s.showChanged = true;
    return true;
}

} // namespace fixtureProperties

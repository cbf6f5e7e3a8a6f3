#include "patch/patchList.h"

#include "profiles/ClsFixture.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"

namespace patchList {

namespace {
QString inversion(int32_t channel) {
    const ChannelModel& m = shell().state;
    if (channel < 1 || channel > m.totalChannels) return QStringLiteral("N/A");
    return m.channelInvert[size_t(channel)] ? QStringLiteral("True") : QStringLiteral("False");
}
} // namespace

QStringList row(int32_t f) {
    const ChannelModel& m = shell().state;
    const int32_t start = m.fixtureStartChannel[size_t(f)];
    const int32_t lc = m.fixtureLightClass[size_t(f)];
    const int32_t used = lc >= 1 && lc < int32_t(m.lightClasses.size()) && m.lightClasses[size_t(lc)]
                             ? m.lightClasses[size_t(lc)]->ChannelsUsed
                             : 0;
    return {QString::number(f),
            m.fixtureName[f].trimmed(),
            miscGlobalFunctions::universeChannelText(start),
            miscGlobalFunctions::universeChannelText(start + used - 1),
            inversion(m.fixturePanChannel[size_t(f)]),
            inversion(m.fixtureTiltChannel[size_t(f)])};
}

void toggleInversion(int32_t f, int32_t column) {
    ChannelModel& m = shell().state;
    if (f < 1 || f > m.fixtureCount) return;
    const int32_t c = column == 4 ? m.fixturePanChannel[size_t(f)] : column == 5 ? m.fixtureTiltChannel[size_t(f)] : 0;
    if (c >= 1 && c <= m.totalChannels) m.channelInvert[size_t(c)] = m.channelInvert[size_t(c)] ? 0 : 1;
}

QString pageHeader(const QString& showFileName, int32_t rowBand, int32_t columnBand) {
    return QStringLiteral("::Show Name: ") + showFileName + QStringLiteral("::Page (") + QString::number(rowBand) +
           QStringLiteral(", ") + QString::number(columnBand) + QLatin1Char(')');
}

std::vector<Page> paginate(const std::vector<double>& rowHeights, const std::vector<double>& columnWidths,
                           double top, double bottom, double left, double right) {
    std::vector<Page> pages;
    const int32_t rows = int32_t(rowHeights.size()), columns = int32_t(columnWidths.size());
    int32_t firstRow = 0, rowBand = 0;
    while (firstRow < rows) {
        int32_t lastRow = firstRow;
        float y = float(top + rowHeights[size_t(firstRow)] + 60);
        while (lastRow + 1 < rows && float(y + rowHeights[size_t(lastRow + 1)] + 60) <= bottom) {
            y = float(y + rowHeights[size_t(lastRow + 1)] + 60);
            ++lastRow;
        }
        int32_t firstColumn = 0, columnBand = 0;
        while (firstColumn < columns) {
            int32_t lastColumn = firstColumn;
            double xRight = left + columnWidths[size_t(firstColumn)] + 120;
            while (lastColumn + 1 < columns && xRight + columnWidths[size_t(lastColumn + 1)] + 120 <= right) {
                xRight += columnWidths[size_t(lastColumn + 1)] + 120;
                ++lastColumn;
            }
            pages.push_back({firstRow, lastRow, firstColumn, lastColumn, rowBand, columnBand});
            firstColumn = lastColumn + 1;
            ++columnBand;
        }
        firstRow = lastRow + 1;
        ++rowBand;
    }
    return pages;
}

} // namespace patchList

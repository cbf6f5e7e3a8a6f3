#include "programmer/rangePicker.h"

#include "profiles/ClsFixture.h"
#include "programmer/wheelBank.h"
#include "shell/channelModel.h"
#include "shell/services/consoleService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"

#include <stdexcept>

namespace rangePicker {

namespace {
constexpr int32_t itemSize = 720, gap = 150, rowStep = 1050, rowStart = 200, lastSlot = 31;
}

std::vector<Item> loadControls(int32_t lightClass, int32_t channel, int32_t windowWidth, QString* error) {
    std::vector<Item> items;
    ChannelModel& m = shell().state;
    if (lightClass < 1 || size_t(lightClass) >= m.lightClasses.size() || channel < 1) return items;
    const int slot = channel + 1;
    if (slot > lastSlot) return items;
    const ClsFixture* p = m.lightClasses[size_t(lightClass)].get();
    if (!p) return items;
    try {
        for (int r = 1; r <= ClsFixture::maxRanges; ++r) {
            Item item;
            const QString& label = p->properties(r, slot);
            if (label.trimmed().isEmpty()) {
                item.label = item.tag = fxItem;
            } else {
                item.label = label;
                item.tag = QStringLiteral("%1,%2").arg(p->from(r, slot)).arg(p->too(r, slot));
            }
            if (items.empty()) {
                item.left = rowStart;
                item.top = rowStart;
            } else {
                item.left = items.back().left + itemSize + gap;
                item.top = items.back().top;
                if (item.left > windowWidth - rowStep) {
                    item.top += rowStep;
                    item.left = rowStart;
                }
            }
            const bool fx = item.tag == fxItem;
            items.push_back(item);
            if (fx) break;
        }
    } catch (const std::exception& e) {
        if (error) *error = QString::fromUtf8(e.what()) + QStringLiteral(" Problem With Fixture Profile, please Check");
    }
    return items;
}

void applyItem(WheelBank& bank, int index, const Item& item) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    bank.refreshTimerActive = index;
    AttributeWheel* w = bank.wheel(index);
    if (w && item.tag != fxItem) {
        const int32_t ch = w->myChannelNumber;
        const bool inShow = ch >= 1 && ch <= m.totalChannels;
        if (inShow && channelModel::checkPriorities(ch)) {
            const int32_t lowest = item.tag.section(QLatin1Char(','), 0, 0).toInt();
            const int32_t highest = item.tag.section(QLatin1Char(','), 1, 1).toInt();
            w->updateMinMax(lowest, highest);
            w->setMyValue(lowest);
            // The first check may have made the channel's owner current: ask again.
            if (channelModel::checkPriorities(ch)) {
                m.channelOutput[size_t(ch)] = lowest;
                m.channelOwner[size_t(ch)] = int16_t(m.currentPlayback);
                if (s.playback().getChaserFlag(m.currentPlayback)) m.channelTouched[size_t(ch)] = 1;
                bank.wheelChange(index);
            }
        }
        bank.storeWheelType(*w);
    }
    bank.refreshTimerActive = 0;
    s.console().autoRecord();
}

} // namespace rangePicker

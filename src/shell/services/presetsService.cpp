#include "shell/services/presetsService.h"

#include "profiles/ClsFixture.h"
#include "shell/services/patchService.h"
#include "shell/shell.h"

#include <algorithm>

PresetsService& Shell::presets() { return service<PresetsService>(); }

void PresetsService::releaseAllHighlight(int32_t except) {
    Shell& s = shell();
    for (int32_t i = 1; i <= s.state.fixtureCount; ++i) {
        if (i == except || !s.patch().isSelected(i)) continue;
        s.patch().setHighlightMode(i, false);
        s.patch().setWingHighLight(i, false);
    }
}

int32_t PresetsService::returnAValueForAPropertyName(int32_t fixtureNumber, const QString& propertyName,
                                                     const QString& channelName) {
    constexpr int32_t none = -9999999;
    ChannelModel& m = shell().state;
    if (fixtureNumber < 1 || size_t(fixtureNumber) >= m.fixtureLightClass.size()) return none;
    const int32_t lc = m.fixtureLightClass[size_t(fixtureNumber)];
    if (lc < 1) return none;
    const ClsFixture& p = m.lightClass(lc);
    const QString wanted = propertyName.trimmed();
    const int32_t used = std::min<int32_t>(p.ChannelsUsed, ClsFixture::maxChannels - 1);
    for (int32_t c = 1; c <= used; ++c) {
        if (p.Channel_prop(c).trimmed().compare(channelName.trimmed(), Qt::CaseInsensitive) != 0) continue;
        for (int32_t k = 1; k <= ClsFixture::maxRanges; ++k)
            if (p.properties(k, c + 1).trimmed().compare(wanted, Qt::CaseInsensitive) == 0) return p.too(k, c + 1);
        return none;
    }
    return none;
}

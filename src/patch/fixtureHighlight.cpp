// Single-fixture operations that read or drive the output directly: the
// Locate Fixture light-up, the fixture list's selection carried to the
// layout, and spotlight (solo) mode. Every channel worked out from a start
// channel and a profile role is checked against the channel arrays; a
// channel outside them is left alone.
#include "patch/layoutEngine.h"

#include "profiles/ClsFixture.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"

#include <algorithm>

void LayoutEngine::highLightFixture(int32_t fixtureNumber, bool releaseOnly) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    const int32_t total = std::min<int32_t>(m.totalChannels, int32_t(m.channelOutput.size()) - 1);
    highlightSavedOutput.resize(size_t(std::max(total, 0)) + 1, 0);
    const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureStartChannel.size()) - 1);
    auto profileOf = [&](int32_t f) -> const ClsFixture* {
        if (f < 1 || f > fixtures || m.fixtureLightClass[size_t(f)] < 1) return nullptr;
        return &m.lightClass(m.fixtureLightClass[size_t(f)]);
    };
    auto inArrays = [&](int64_t c) { return c >= 1 && c <= total; };

    // Give the previous fixture back.
    if (highlightedFixture > 0 && highlightedFixture <= fixtures &&
        m.fixtureStartChannel[size_t(highlightedFixture)] <= total) {
        if (const ClsFixture* p = profileOf(highlightedFixture)) {
            const int64_t start = m.fixtureStartChannel[size_t(highlightedFixture)];
            for (int64_t c = start; c < start + p->ChannelsUsed; ++c) {
                if (!inArrays(c)) continue;
                m.channelOutput[size_t(c)] = highlightSavedOutput[size_t(c)];
                m.channelTouched[size_t(c)] = 0;
            }
        }
    }
    if (releaseOnly) return;
    std::copy(m.channelOutput.begin(), m.channelOutput.begin() + total + 1, highlightSavedOutput.begin());
    highlightedFixture = fixtureNumber;
    const ClsFixture* p = profileOf(fixtureNumber);
    if (!p) return;
    const size_t f = size_t(fixtureNumber);
    const int64_t start = m.fixtureStartChannel[f];
    auto drive = [&](int64_t c, int32_t v) {
        if (!inArrays(c)) return;
        m.channelOutput[size_t(c)] = v;
        m.channelTouched[size_t(c)] = 1;
    };
    auto lookup = [&](const char* property, const char* channel) {
        return s.presets().returnAValueForAPropertyName(fixtureNumber, QString::fromLatin1(property),
                                                         QString::fromLatin1(channel));
    };
    if (m.fixtureShutterChannel[f] > 0) {
        int32_t v = lookup("Open Shutter", "Shutter");
        if (v == 0) v = lookup("Open", "Shutter");
        drive(m.fixtureShutterChannel[f], v > 0 ? v : 255);
    }
    if (m.fixtureDimmerChannel[f] > 0) {
        int32_t v = lookup("full on", "dimmer");
        if (v == 0) v = lookup("100%", "dimmer");
        if (v == 0) v = lookup("100", "dimmer");
        drive(m.fixtureDimmerChannel[f], v > 0 ? v : 255);
    }
    auto wheel = [&](int32_t role, const char* channel) {
        if (role < 1 || p->ChannelsUsed < 2) return;
        const int32_t v = lookup("open", channel);
        drive(start + role - 1, v >= 1 && v <= 255 ? v : 0);
    };
    wheel(p->colorChannel(), "Color");
    wheel(p->colorChannel1(), "Color");
    wheel(p->colorChannel2(), "Color");
    wheel(p->goboChannel(), "Gobo");
    if (p->panChannel() >= 1) drive(start + p->panChannel() - 1, 128);
    if (p->tiltChannel() >= 1) drive(start + p->tiltChannel() - 1, 128);
}

void LayoutEngine::listselect(bool listmouse, int32_t overrideFixture) {
    Shell& s = shell();
    const ChannelModel& m = s.state;
    if (!listmouse) return;
    Form_MouseDown(1, 0, 0, 0);
    Form_MouseUp(1, 0, 0, 0);
    if (overrideFixture >= 0) list.setEntrySelected(overrideFixture, true);
    for (int32_t b = std::min(m.fixtureCount, iconCount() - 1); b >= 1; --b) {
        FixtureIcon& ic = *Flable[size_t(b)];
        if (list.entrySelected(b - 1)) {
            if (list.entries.value(b - 1) != m.fixtureName[b].trimmed()) continue;
            makeCurrent(b);
            ic.setSelected(true);
            ic.setBackcolor(FixtureIcon::selectedLabel);
            if (list.findFixtureMode) highLightFixture(b, false);
        } else {
            ic.setSelected(false);
            ic.setBackcolor(labelBackColour());
        }
    }
    s.presets().refreshButtons();
    notify();
    if (view) view->listChanged();
}

void LayoutEngine::cmdLocateFixture_Click() {
    list.findFixtureMode = !list.findFixtureMode;
    if (list.listIndex >= 0) highLightFixture(list.listIndex + 1, !list.findFixtureMode);
    if (view) view->listChanged();
}

void LayoutEngine::spotlightModeClick() {
    ChannelModel& m = shell().state;
    if (currentLightClass < 1) return;
    const ClsFixture& p = m.lightClass(currentLightClass);
    const int32_t total = std::min<int32_t>(m.totalChannels, int32_t(m.channelHold.size()) - 1);
    const int64_t first = std::max<int64_t>(currentStartChannel, 1);
    const int64_t end = std::min<int64_t>(int64_t(currentStartChannel) + p.ChannelsUsed - 1, total);
    if (first > end) return; // no channels: nothing changes, not even the check mark
    bool on = false;
    for (int64_t c = first; c <= end; ++c)
        if (!m.channelHold[size_t(c)]) on = true;
    for (int64_t c = first; c <= end; ++c) {
        m.channelTouched[size_t(c)] = on;
        m.channelHold[size_t(c)] = on;
    }
    spotlightChecked = on;
    if (FixtureIcon* ic = icon(currentFixtureNumber)) ic->setSoloMode(on);
    notify();
}

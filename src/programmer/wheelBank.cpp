#include "programmer/wheelBank.h"

#include "platform/prompts.h"
#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"
#include "shell/services/consoleService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"

#include <QSet>
#include <QtGlobal>
#include <stdexcept>

namespace {

ClsFixture* profileInSlot(int32_t slot) {
    ChannelModel& m = shell().state;
    if (slot < 1 || size_t(slot) >= m.lightClasses.size()) return nullptr;
    return m.lightClasses[size_t(slot)].get();
}

bool channelInShow(int32_t ch) { return ch >= 1 && ch <= shell().state.totalChannels; }

int32_t levelOf(int32_t ch) { return channelInShow(ch) ? shell().state.channelOutput[size_t(ch)] : 0; }

bool running() {
    Shell& s = shell();
    return s.playback().getChaserFlag(s.state.currentPlayback);
}

} // namespace

WheelBank::WheelBank() = default;
WheelBank::~WheelBank() = default;

AttributeWheel* WheelBank::wheel(int index) const {
    return index >= 1 && index <= count() ? wheels_[size_t(index) - 1].get() : nullptr;
}

void WheelBank::clear() { wheels_.clear(); }

std::vector<int32_t> WheelBank::fixturesForBank() {
    Shell& s = shell();
    ChannelModel& m = s.state;
    std::vector<int32_t> fixtures;
    QSet<QString> names;
    const int32_t count = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureLightClass.size()) - 1);
    for (int32_t f = 1; f <= count; ++f) {
        if (!s.patch().isSelected(f)) continue;
        const ClsFixture* p = profileInSlot(m.fixtureLightClass[size_t(f)]);
        if (!p) continue; // a fixture without a profile gets no wheels
        if (names.contains(p->Name)) continue;
        names.insert(p->Name);
        fixtures.push_back(f);
    }
    return fixtures;
}

int WheelBank::buildAttributeWheels() {
    clear();
    wheelChangeActive = false;
    wheelChangeIndex = 0;
    ChannelModel& m = shell().state;
    for (const int32_t f : fixturesForBank()) {
        const int32_t slot = m.fixtureLightClass[size_t(f)];
        const ClsFixture* p = profileInSlot(slot);
        const int32_t start = m.fixtureStartChannel[size_t(f)];
        const int32_t used = std::clamp<int32_t>(p->ChannelsUsed, 0, ClsFixture::maxChannels);
        for (int32_t j = 1; j <= used; ++j) {
            wheels_.push_back(std::make_unique<AttributeWheel>(this, count() + 1));
            AttributeWheel& w = *wheels_.back();
            w.myChannelNumberLightClass = j;
            w.myChannelNumber = start + j - 1;
            w.myFixtureNumber = f;
            w.myFixtureStartChannel = start;
            w.channelLightClass = slot;
            // The channel number first: the name reaches the label only then.
            w.changeChannelName(p->Channel_prop(j));
            wheelChangeActive = false;
            wheelChangeIndex = 0;
            w.setMyValue(levelOf(w.myChannelNumber));
        }
    }
    return count();
}

std::vector<WheelBank::Place> WheelBank::placeWheels(const std::vector<int32_t>& widths, int32_t height,
                                                     int32_t windowWidth) {
    std::vector<Place> places;
    int32_t rowTop = firstTop;
    int32_t previousLeft = firstLeft; // the template's place
    int32_t previousTop = firstTop;
    for (size_t n = 0; n < widths.size(); ++n) {
        Place p;
        if (previousLeft + widths[n] < windowWidth - rightMargin) {
            // Edge to edge with the previous wheel (wheels may differ in
            // width when their captions do, so the previous one's width counts).
            p.left = n == 0 ? firstLeft : previousLeft + widths[n - 1];
            p.top = rowTop;
        } else {
            p.left = firstLeft;
            p.top = previousTop + height + rowGap;
            rowTop = p.top;
        }
        places.push_back(p);
        previousLeft = p.left;
        previousTop = p.top;
    }
    return places;
}

// ---- The wheels' events -------------------------------------------------------------------------------

void WheelBank::changeStarted(int index) {
    wheelChangeActive = true;
    wheelChangeIndex = index;
    wheelUnderPointer = index;
    const AttributeWheel* w = wheel(index);
    Shell& s = shell();
    if (w && channelInShow(w->myChannelNumber) && running() && !s.presets().paletteLiveMode())
        s.state.channelTouched[size_t(w->myChannelNumber)] = 1;
}

void WheelBank::valueChanged(int index) {
    AttributeWheel* w = wheel(index);
    if (!w) return;
    Shell& s = shell();
    ChannelModel& m = s.state;
    const int32_t own = w->myChannelNumber;
    if (wheelChangeActive && wheelChangeIndex == index && channelInShow(own)) {
        const int32_t value = w->myValue();
        if (!running()) {
            m.channelOutput[size_t(own)] = value;
            s.playback().adjustPlayBackValuesInRealTime(m.currentPlayback, own, value);
            s.presets().enableChannel(w->channelName); // ticked in the Add Preset dialog when it is shown
        }
        // The same channel type on every other selected fixture, at most one channel each.
        const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureLightClass.size()) - 1);
        for (int32_t f = 1; f <= fixtures; ++f) {
            if (f == w->myFixtureNumber || !s.patch().isSelected(f)) continue;
            const ClsFixture* p = profileInSlot(m.fixtureLightClass[size_t(f)]);
            if (!p) continue;
            const int32_t start = m.fixtureStartChannel[size_t(f)];
            const int32_t last = std::min<int32_t>(start + p->ChannelsUsed - 1, m.totalChannels);
            for (int32_t j = std::max(start, 1); j <= last; ++j) {
                if (m.channelType[j] != w->channelName) continue;
                if (channelModel::checkPriorities(j)) {
                    m.channelOutput[size_t(j)] = value;
                    m.channelOwner[size_t(j)] = m.channelOwner[size_t(own)];
                    s.playback().adjustPlayBackValuesInRealTime(m.currentPlayback, j, value);
                    w->updatePlayback(m.channelOwner[size_t(j)]);
                    if (running() && !s.presets().paletteLiveMode()) m.channelTouched[size_t(j)] = 1;
                }
                break;
            }
        }
    }
    s.playback().updatePlaybacksColorMixers(m.currentPlayback);
    updateAllWheelProperties(index);
}

void WheelBank::changeEnded(int index) {
    wheelChangeActive = false;
    wheelChangeIndex = 0;
    AttributeWheel* w = wheel(index);
    if (!w) return;
    // A range limit holds for one change only.
    w->maxValue = 255;
    w->minValue = 0;
    updateAllValues();
    Shell& s = shell();
    s.console().autoRecord();
    int32_t current = s.state.currentPlayback;
    s.playback().setPlaybackAlias(QStringLiteral("Fader : ") + w->channelName, current, QStringLiteral("fader"));
    const bool touched = channelInShow(w->myChannelNumber) && s.state.channelTouched[size_t(w->myChannelNumber)];
    w->changeActiveColor(touched ? AttributeWheel::darkOrange : AttributeWheel::grey);
}

void WheelBank::propertyButtonClick(int index) {
    for (const auto& w : wheels_) w->resetColor();
    if (view_ && wheel(index)) view_->openRangePicker(index);
}

void WheelBank::labelClick(int index) {
    if (const AttributeWheel* w = wheel(index); w && channelInShow(w->myChannelNumber))
        shell().patch().showChannelSettings(w->myChannelNumber, false);
}

void WheelBank::wheelChange(int index) {
    wheelChangeActive = true;
    wheelChangeIndex = index;
    valueChanged(index);
    wheelChangeActive = false;
    wheelChangeIndex = 0;
}

void WheelBank::updateAllValues() {
    const AttributeWheel* w = wheel(wheelUnderPointer);
    if (!w) return;
    storeWheelType(*w);
}

void WheelBank::storeWheelType(const AttributeWheel& w) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    if (!running()) return;
    const int32_t current = m.currentPlayback;
    for (int32_t ch = 1; ch <= m.totalChannels; ++ch)
        if (m.channelType[ch] == w.channelName && m.channelOwner[size_t(ch)] == current)
            s.playback().adjustPlayBackValuesInRealTime(current, ch, w.myValue());
}

void WheelBank::updateAllWheelProperties(int index) {
    AttributeWheel* w = wheel(index);
    if (!w) return;
    ChannelModel& m = shell().state;
    const int32_t ch = w->myChannelNumber;
    if (channelInShow(ch)) {
        w->updatePlayback(m.channelOwner[size_t(ch)]);
        w->changeActiveColor(w->mouseDownFlag ? AttributeWheel::lightGrey
                             : m.channelTouched[size_t(ch)] ? AttributeWheel::darkOrange
                                                            : AttributeWheel::grey);
    }
    updateColorMixerChannels();
    if (w->colorMixChannel || w->channelLightClass < 1) return;
    const ClsFixture& p = m.lightClass(w->channelLightClass);
    const int slot = w->myChannelNumberLightClass + 1;
    if (slot < 2 || slot > ClsFixture::maxChannels) return;
    for (int r = 1; r <= ClsFixture::maxRanges; ++r) {
        if (p.from(r, slot) <= w->myValue() && w->myValue() <= p.too(r, slot)) {
            w->updateProperty(p.properties(r, slot));
            return;
        }
    }
}

bool WheelBank::updateColorMixerChannels() {
    static const char* const cells[] = {"red",   "green",  "blue",  "red1", "green1",  "blue1",  "red2", "green2",
                                        "blue2", "red3",   "green3", "blue3", "cyan", "magenta", "yellow"};
    ChannelModel& m = shell().state;
    bool result = false;
    for (const auto& w : wheels_) {
        if (w->channelLightClass < 1) continue;
        if (!m.lightClass(w->channelLightClass).rgbFixture()) continue;
        result = true;
        bool cell = false;
        for (const char* name : cells) cell = cell || w->channelName == QLatin1String(name);
        if (!cell) continue;
        // The mixed colour of channel k is kept at k + 1; the last channel
        // of the show has no slot there, so it reads as no colour yet.
        const qsizetype at = qsizetype(w->myChannelNumber) + 1;
        w->updateProperty(at >= 1 && at < m.channelMixedColour.size() ? m.channelMixedColour[at] : QString());
    }
    return result;
}

void WheelBank::updateDMXValueDisplay(bool firstTime) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    try {
        for (int i = 1; i <= count(); ++i) {
            AttributeWheel& w = *wheel(i);
            const int32_t level = levelOf(w.myChannelNumber);
            // The wheel the range picker is setting keeps its value.
            if ((w.myValue() == level && !firstTime) || i == refreshTimerActive) continue;
            w.setMyValue(level);
            updateAllWheelProperties(i);
            if (!firstTime && channelInShow(w.myChannelNumber)) w.updatePlayback(m.channelOwner[size_t(w.myChannelNumber)]);
        }
    } catch (const std::exception& e) {
        const QString text = QStringLiteral(" Error Updating Fader Values:") + QString::fromUtf8(e.what());
        if (firstTime) {
            s.prompts().messageBox(text);
        } else if (!tickErrorReported_) {
            // On the refresh tick: logged once, never a box.
            tickErrorReported_ = true;
            qWarning("%s", qPrintable(text));
        }
    }
}

void WheelBank::stepWheelUnderPointer(int32_t rotation) {
    AttributeWheel* w = wheel(wheelUnderPointer);
    if (w) {
        try {
            w->moveLines(rotation < 0 ? 5 : -5);
            wheelChange(wheelUnderPointer);
        } catch (const std::exception&) {
            wheelChangeActive = false;
            wheelChangeIndex = 0;
        }
    }
    shell().console().autoRecord();
    if (w) storeWheelType(*w);
}

#include "programmer/attributeWheel.h"

#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "programmer/rangeLabels.h"
#include "shell/channelModel.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"

#include <cmath>
#include <limits>

AttributeWheel::AttributeWheel(AttributeWheelHost* host, int index)
    : host_(host), index_(index), timer_(shell().timers().create()) {
    timer_->setInterval(1);
    timer_->setEnabled(false);
    timer_->onTick = [this] { tmrScroll_Timer(); };
}

AttributeWheel::~AttributeWheel() {
    timer_->setEnabled(false);
    timer_->onTick = nullptr;
}

void AttributeWheel::raise(void (AttributeWheelHost::*event)(int)) {
    if (host_) (host_->*event)(index_);
}

void AttributeWheel::changed() {
    if (view_) view_->wheelChanged();
}

bool AttributeWheel::allowed() const {
    // A wheel whose channel lies outside the show never writes.
    if (myChannelNumber < 1 || myChannelNumber > shell().state.totalChannels) return false;
    return channelModel::checkPriorities(myChannelNumber);
}

void AttributeWheel::writeChannel(int32_t level, int32_t owner) {
    ChannelModel& m = shell().state;
    m.channelOutput[size_t(myChannelNumber)] = level;
    m.channelOwner[size_t(myChannelNumber)] = int16_t(owner);
}

void AttributeWheel::setMyValue(int32_t v) {
    value_ = v;
    showValue();
}

void AttributeWheel::showValue() {
    display.valueText = QString::number(value_);
    const int32_t percent = value_ == 0 ? 0 : int32_t(std::nearbyint(double(value_) / 255.0 * 100.0));
    display.percentText = QString::number(percent) + QLatin1Char('%');
    changed();
    raise(&AttributeWheelHost::valueChanged);
}

void AttributeWheel::changeSequence() {
    raise(&AttributeWheelHost::changeStarted);
    raise(&AttributeWheelHost::valueChanged);
    raise(&AttributeWheelHost::changeEnded);
}

void AttributeWheel::moveLines(int32_t upOrDown) {
    for (int32_t& y : display.lines) {
        if (y < lineBottom && upOrDown > 0) {
            y += upOrDown;
            if (y >= lineBottom) y = lineTop;
        } else if (y > lineTop && upOrDown < 0) {
            y += upOrDown;
            if (y <= lineTop) y = lineBottom;
        }
    }
    const int32_t v = value_;
    bool moved = true;
    if (v != minValue && upOrDown > 0 && v > 0)
        value_ = v - 1;
    else if (v < maxValue && upOrDown < 0)
        value_ = v + 1;
    else
        moved = false;
    if (moved && allowed()) {
        Shell& s = shell();
        ChannelModel& m = s.state;
        writeChannel(value_, m.currentPlayback);
        if (!s.presets().paletteLiveMode() && s.playback().getChaserFlag(m.currentPlayback))
            m.channelTouched[size_t(myChannelNumber)] = 1;
        updatePlayback(m.channelOwner[size_t(myChannelNumber)]);
        raise(&AttributeWheelHost::valueChanged);
    }
    showValue();
}

void AttributeWheel::changeChannelName(const QString& theString) {
    channelName = theString;
    display.buttonCaption = channelName;
    if (myChannelNumber > 0) display.label = channelName;
    for (const char* prefix : {"red", "green", "blue", "cya", "magen", "yell"})
        if (theString.startsWith(QLatin1String(prefix), Qt::CaseSensitive)) colorMixChannel = true;
    changed();
}

void AttributeWheel::updateMinMax(int32_t min, int32_t max) {
    if (min < 0 || max > 255) return;
    minValue = min;
    maxValue = max;
    display.labelTextColour = yellow;
    changed();
}

void AttributeWheel::changeActiveColor(int32_t theColor) {
    display.frameColour = theColor;
    changed();
}

void AttributeWheel::resetColor() {
    display.buttonColour = darkGrey;
    changed();
}

void AttributeWheel::updatePlayback(int32_t thePlayback) {
    display.playbackNumber = thePlayback;
    changed();
}

void AttributeWheel::updateProperty(const QString& theUpdateInfo) {
    display.label = theUpdateInfo;
    switch (rangeLabels::rangeLabelKind(theUpdateInfo)) {
    case rangeLabels::empty: break;
    case rangeLabels::colour:
        display.swatch = rangeLabels::swatchColour(theUpdateInfo);
        display.picture.clear();
        break;
    case rangeLabels::picture:
        // A missing picture leaves the text showing.
        if (const QString path = rangeLabels::picturePath(theUpdateInfo); !path.isEmpty()) {
            display.picture = path;
            display.swatch = -1;
        }
        break;
    case rangeLabels::text:
        display.swatch = -1;
        display.picture.clear();
        break;
    }
    changed();
}

void AttributeWheel::refreshMe() { changed(); }

void AttributeWheel::updateValue(int32_t theNewValue) {
    value_ = theNewValue;
    const int32_t current = shell().state.currentPlayback;
    if (myChannelNumber >= 1 && myChannelNumber <= shell().state.totalChannels) writeChannel(value_, current);
    updatePlayback(current);
    showValue();
    changeSequence();
}

void AttributeWheel::releaseValue() {
    value_ = 0;
    if (myChannelNumber >= 1 && myChannelNumber <= shell().state.totalChannels) writeChannel(0, 0);
    updatePlayback(shell().state.currentPlayback);
    showValue();
    changeSequence();
}

void AttributeWheel::increaseValue() {
    if (value_ + 1 > 255) return;
    raise(&AttributeWheelHost::changeStarted);
    moveLines(-5);
    raise(&AttributeWheelHost::valueChanged);
    raise(&AttributeWheelHost::changeEnded);
}

void AttributeWheel::decreaseValue() {
    if (value_ - 1 < 0) return;
    raise(&AttributeWheelHost::changeStarted);
    moveLines(5);
    raise(&AttributeWheelHost::valueChanged);
    raise(&AttributeWheelHost::changeEnded);
}

// ---- Gestures ---------------------------------------------------------------------------------------

void AttributeWheel::faderMouseDown(double y, double faderHeight) {
    scrollStep_ = y < faderHeight / 2 ? -5 : 5;
    timer_->setEnabled(true);
    mouseDownFlag = true;
    // The hold is timed on the monotonic clock, so it never jumps at
    // midnight or with a change of the time of day.
    pressMs_ = shell().clock().monotonicMs();
    raise(&AttributeWheelHost::changeStarted);
}

void AttributeWheel::faderMouseMove(bool leftHeld, double y, double faderHeight) {
    if (leftHeld) faderMouseDown(y, faderHeight);
    raise(&AttributeWheelHost::faderMouseMove);
}

void AttributeWheel::faderMouseUp() {
    scrollStep_ = 0;
    timer_->setEnabled(false);
    mouseDownFlag = false;
    pressMs_ = 0;
    raise(&AttributeWheelHost::changeEnded);
}

void AttributeWheel::tmrScroll_Timer() {
    const int64_t elapsed = shell().clock().monotonicMs() - pressMs_;
    if (elapsed < 500)
        timer_->setInterval(100);
    else if (elapsed > 2000)
        timer_->setInterval(1);
    else if (elapsed > 1000)
        timer_->setInterval(50);
    if (scrollStep_ != 0) moveLines(scrollStep_);
}

void AttributeWheel::lblValue_Click() {
    Shell& s = shell();
    const QString answer =
        s.prompts().inputBox(QStringLiteral("Please Enter Value:"), QStringLiteral("Direct DMX Value"), QString());
    bool ok = false;
    const double number = answer.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) return; // not a number, empty or cancelled: nothing
    const double rounded = std::nearbyint(number);
    if (rounded < double(std::numeric_limits<int32_t>::min()) || rounded > double(std::numeric_limits<int32_t>::max())) {
        s.prompts().messageBox(QStringLiteral("Please Enter a Value from 0 to 255 ") + QString::number(6));
        return;
    }
    const int32_t v = int32_t(rounded);
    if (v < 0 || v > 255) return;
    value_ = v;
    if (allowed()) {
        const int32_t current = s.state.currentPlayback;
        writeChannel(value_, current);
        updatePlayback(current);
        showValue();
        changeSequence();
    } else {
        changed();
    }
}

void AttributeWheel::LBL255_Click() {
    if (!allowed()) return;
    value_ = 255;
    minValue = 0;
    maxValue = 255;
    display.labelTextColour = white;
    const int32_t current = shell().state.currentPlayback;
    writeChannel(255, current);
    updatePlayback(current);
    showValue();
    changeSequence();
}

void AttributeWheel::LBL0_MouseDown(bool rightButton) {
    if (!allowed()) return;
    ChannelModel& m = shell().state;
    value_ = 0;
    minValue = 0;
    maxValue = 255;
    display.labelTextColour = white;
    m.channelOutput[size_t(myChannelNumber)] = 0;
    if (rightButton) m.channelOwner[size_t(myChannelNumber)] = 0;
    updatePlayback(m.currentPlayback);
    showValue();
    changeSequence();
}

void AttributeWheel::propertyButtonMouseDown() {
    if (host_) host_->propertyButtonClick(index_);
    display.buttonColour = white;
    changed();
}

void AttributeWheel::propertyButtonClicked() {
    if (host_) host_->propertyButtonClick(index_);
}

void AttributeWheel::labelClicked() { raise(&AttributeWheelHost::labelClick); }

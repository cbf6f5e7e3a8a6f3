#pragma once
// The Faders page's bank of attribute wheels and the host side of their
// events: one wheel per channel of the first selected fixture of every
// profile, a moved wheel copied to the channel of the same type on every
// other selected fixture and handed to the current playback, the look
// recorded at the end of a change, and every wheel kept in step with the
// channel model on each refresh tick.
//
// Other subsystems drive a wheel through the bank: `wheel(i)` gives wheel i
// (1..count()), whose gestures (LBL255_Click, updateValue, moveLines inside
// `wheelChange` ...) behave as the operator's.

#include "programmer/attributeWheel.h"

#include <QString>
#include <memory>
#include <vector>

// What the bank asks of its window.
class WheelBankView {
public:
    virtual ~WheelBankView() = default;
    // The property button of wheel index was pressed: open the range picker for it.
    virtual void openRangePicker(int index) = 0;
};

class WheelBank final : public AttributeWheelHost {
public:
    // A wheel's place in the window, twips.
    struct Place {
        int32_t left = 0, top = 0;
    };
    static constexpr int32_t firstLeft = 100, firstTop = 1000, rowGap = 250, rightMargin = 1000;

    WheelBank();
    ~WheelBank() override;

    void setView(WheelBankView* view) { view_ = view; }

    // The first selected fixture of every profile name, in fixture order.
    static std::vector<int32_t> fixturesForBank();
    // Rebuilds the bank from the selection: every wheel told its fixture,
    // profile and channel, and given the channel's present level (which
    // writes nothing). The previous wheels go first. Returns the count.
    int buildAttributeWheels();
    // Places wheels of the given widths and height, left to right from
    // (100, 1000) edge to edge; a wheel opens a new row (at left 100, one
    // height plus 250 lower) unless the previous wheel's left plus its own
    // width stays below the window's width less 1000 (twips).
    static std::vector<Place> placeWheels(const std::vector<int32_t>& widths, int32_t height, int32_t windowWidth);
    void clear();

    int count() const { return int(wheels_.size()); }
    // Wheel index 1..count(); null outside.
    AttributeWheel* wheel(int index) const;

    int32_t wheelUnderPointer = 0;
    bool wheelChangeActive = false;
    int32_t wheelChangeIndex = 0;
    // The wheel the range picker is setting (its index); the tick leaves it alone.
    int32_t refreshTimerActive = 0;

    // ---- The wheels' events ----
    void valueChanged(int index) override;
    void faderMouseMove(int index) override { wheelUnderPointer = index; }
    void changeStarted(int index) override;
    void changeEnded(int index) override;
    void propertyButtonClick(int index) override;
    void labelClick(int index) override;

    // Applies wheel index's value as if it had been moved.
    void wheelChange(int index);
    // Owner number, frame colour and range label of one wheel.
    void updateAllWheelProperties(int index);
    // Colour swatches on the colour cells of additive-colour fixtures; true
    // when some wheel belongs to such a profile.
    bool updateColorMixerChannels();
    // Brings the wheels in step with the channel model (every refresh tick
    // while the Faders page is shown; all of them with firstTime).
    void updateDMXValueDisplay(bool firstTime);
    // Hands every channel of the wheel's type the running current playback
    // owns to that playback.
    void updateAllValues();
    // One mouse-wheel notch on the wheel last under the pointer: rotation
    // below 0 lowers it one step, otherwise raises it; then the look is
    // recorded and handed to the playback.
    void stepWheelUnderPointer(int32_t rotation);
    // Hands every channel of the wheel's type that the running current
    // playback owns to that playback (nothing while it stands).
    void storeWheelType(const AttributeWheel& w);

private:
    std::vector<std::unique_ptr<AttributeWheel>> wheels_; // index - 1
    WheelBankView* view_ = nullptr;
    bool tickErrorReported_ = false;
};

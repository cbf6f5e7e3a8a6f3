#pragma once
// The attribute wheel: one DMX channel of one selected fixture on the
// palette window's Faders page. This is its engine half: the value with its
// limits, the press-and-hold stepping that speeds up the longer the fader is
// held (100, 50, then 1 ms between steps, on a timer from shell().timers()),
// "Full" and "Off", direct entry, and the range label it shows. It writes its
// own channel into the channel model and reports every change to its host
// (the wheel bank); the widget in programmer/ui draws what `display` holds.

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

class TickTimer;

// The wheel's six events, received by its host with the wheel's index.
class AttributeWheelHost {
public:
    virtual ~AttributeWheelHost() = default;
    virtual void valueChanged(int index) = 0;
    virtual void faderMouseMove(int index) = 0;
    virtual void changeStarted(int index) = 0;
    virtual void changeEnded(int index) = 0;
    virtual void propertyButtonClick(int index) = 0;
    virtual void labelClick(int index) = 0;
};

// The drawing half, told after every change of `display` or the value.
class AttributeWheelView {
public:
    virtual ~AttributeWheelView() = default;
    virtual void wheelChanged() = 0;
};

class AttributeWheel {
public:
    static constexpr int32_t grey = 0x808080, lightGrey = 0xC0C0C0, darkGrey = 0x404040, white = 0xFFFFFF,
                             yellow = 0x00FFFF, darkOrange = 0x0040C0;
    // Ridge lines scroll between these heights (twips inside the fader).
    static constexpr int32_t lineTop = 120, lineBottom = 1215;

    AttributeWheel(AttributeWheelHost* host = nullptr, int index = 0);
    ~AttributeWheel();
    AttributeWheel(const AttributeWheel&) = delete;
    AttributeWheel& operator=(const AttributeWheel&) = delete;

    int index() const { return index_; }
    void setView(AttributeWheelView* view) { view_ = view; }

    // Set by the bank's builder and read by the host.
    bool mouseDownFlag = false;
    QString channelName;
    int32_t myChannelNumber = 0;           // absolute DMX channel
    int32_t channelLightClass = 0;         // the fixture's profile slot
    int32_t myChannelNumberLightClass = 0; // the channel within its profile, from 1
    bool colorMixChannel = false;          // set by changeChannelName, never cleared
    int32_t minValue = 0, maxValue = 255;
    int32_t myFixtureStartChannel = 0, myFixtureNumber = 0;

    // What the wheel shows.
    struct Display {
        QString valueText = QStringLiteral("0");
        QString percentText = QStringLiteral("100%");
        QString buttonCaption;                      // the property button: channelName
        QString label = QStringLiteral("Label1");   // lblChannel's text
        int32_t labelTextColour = white;
        int32_t swatch = -1;                        // a colour swatch in place of the label; -1 none
        QString picture;                            // a picture in place of the label; empty none
        int32_t playbackNumber = 0;                 // the owning playback, both labels
        int32_t frameColour = grey;                 // the fader's background
        int32_t buttonColour = darkGrey;            // the property button (white while pressed)
        std::array<int32_t, 6> lines = {1080, 915, 723, 537, 366, 180};
    } display;

    int32_t myValue() const { return value_; }
    // Stores the value and shows it (raises valueChanged).
    void setMyValue(int32_t v);

    // One wheel step: upOrDown < 0 raises the value by one, > 0 lowers it.
    void moveLines(int32_t upOrDown);
    void changeChannelName(const QString& theString);
    // Limits the fader to a range for one change (both within 0..255).
    void updateMinMax(int32_t min, int32_t max);
    void changeActiveColor(int32_t theColor);
    void resetColor();
    void updatePlayback(int32_t thePlayback);
    // Shows a range label: text, a colour swatch or a picture.
    void updateProperty(const QString& theUpdateInfo);
    void refreshMe();
    // Value, level and owner set without checks; zero and free; one step.
    void updateValue(int32_t theNewValue);
    void releaseValue();
    void increaseValue();
    void decreaseValue();

    // ---- The operator's gestures (the widget converts at its edge) ----
    // A press on the fader: the upper half (y below half of height) raises.
    void faderMouseDown(double y, double faderHeight);
    void faderMouseMove(bool leftHeld, double y, double faderHeight);
    void faderMouseUp();
    // Direct entry through an input box; bad text changes nothing.
    void lblValue_Click();
    void LBL255_Click();
    void LBL0_MouseDown(bool rightButton);
    void propertyButtonMouseDown();
    void propertyButtonClicked();
    void labelClicked();

    // The press-and-hold timer (tests fire it).
    TickTimer& tmrScroll() { return *timer_; }
    void tmrScroll_Timer();
    int32_t scrollStep() const { return scrollStep_; }

private:
    void showValue();
    void changeSequence();
    void changed();
    bool allowed() const;
    void writeChannel(int32_t level, int32_t owner);
    void raise(void (AttributeWheelHost::*event)(int));

    AttributeWheelHost* host_;
    int index_;
    AttributeWheelView* view_ = nullptr;
    std::unique_ptr<TickTimer> timer_;
    int32_t value_ = 0;
    int32_t scrollStep_ = 0;
    int64_t pressMs_ = 0;
};

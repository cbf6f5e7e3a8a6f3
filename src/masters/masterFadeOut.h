#pragma once
// The master fade-out ("Grand Master" window): a second master for the
// dimmer channels of the patched fixtures, rewritten from remembered levels,
// and a timed fade to black and back at 20 ticks a second.

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class MastersEngine;
class TickTimer;

class MasterFadeOut {
public:
    explicit MasterFadeOut(MastersEngine& m);
    ~MasterFadeOut();

    // The window loads: fade time from ylc.ini, level from the fader.
    void load();
    // The window unloads: every fader memory back to 100, blackout off.
    void unload();
    // Activation: the remembered levels from the live output, unless faded out.
    void activate();
    // The playback engine's level of a channel for a new step.
    void setMyValuemem(int32_t value, int32_t channel);
    // The fader moved to value (by the operator or by the timer).
    void setFader(int32_t value);
    void pressFader() { dragging = true; }
    void releaseFader() {
        dragging = false;
        level = float(fader);
    }
    // The Fade Out / Cancel / Fade Up button.
    void cmdFadeOut_Click();
    // One tick of a timed fade.
    void tick();
    // The fade time changed: seconds 0..59, hundredths 0..99; stored in ylc.ini.
    void setFadeTime(int32_t seconds, int32_t hundredths);
    void setChannelFunction(const QString& f);

    TickTimer& timer() { return *fadeTimer; }

    int32_t fader = 100;
    QString caption = QStringLiteral("Fade Out");
    int32_t seconds = 1, hundredths = 1;
    QString channelFunction = QStringLiteral("dimmer");
    float level = 100;
    float step = 0;
    bool recompute = true;
    bool fadingUp = false;
    bool dragging = false;
    bool fadedOut = false;
    bool loaded = false;
    std::vector<int32_t> memory;

private:
    void rescale();
    void sizeMemory();
    MastersEngine& masters;
    std::unique_ptr<TickTimer> fadeTimer;
};

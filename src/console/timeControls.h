#pragma once
// The console's timing and level controls of the current playback: the
// fade-time slider, the playback dimmer, the override and fade-scenes check
// boxes and the six time boxes. They forward values to the playback; the
// window mirrors the state kept here.

#include <QString>
#include <cstdint>

class TimeControls {
public:
    // The dimmer slider (0..100); fromScroll: the operator dragged it, so the playback takes it.
    void dimmerChanged(int32_t value, bool fromScroll);
    // The fade-time slider's value reaches the current playback.
    void fadeTimeChanged(int32_t value);
    void fadeTimeMouseDown();
    void fadeTimeMouseUp() { mouseDownOnFade = false; }
    // Moves the fade-time slider as if dragged and ticks the override.
    void setFadeTimeSlider(int32_t value);
    void setUseFadetime(bool ticked);
    void setFadeScenes(bool ticked);
    // A keypad entry for time box index (0..5): rounded to 2 decimals, box 0 also into box 1;
    // the current step takes the boxes, every step too while the playback runs.
    void keypadEntry(int32_t index, double value);

    int32_t fadeTimeValue = 0;
    bool mouseDownOnFade = false;
    bool useFadetimeTicked = false;
    bool fadeScenesTicked = false;
    QString dimmerLabel = QStringLiteral("Playback Dimmer");
    int32_t dimmerColour = 0; // blue-green-red
};

#pragma once
// The sound-to-matrix renderer of one playback: for every spectrum block it
// computes one level per matrix column and draws one of eight patterns
// (bars, sparkles, flashes, a level meter) straight into the channel levels
// of the matrix's pixel fixtures.

#include <QString>
#include <cstdint>
#include <random>
#include <vector>

struct ChannelModel;

class clsSoundToMatrix {
public:
    // The sensitivity slider of the sound-to-light window.
    struct Sensitivity {
        int32_t maximum = 1000;
        int32_t value = 200;
    };

    clsSoundToMatrix();

    void setMyPlayback(int32_t playback) { myPlayback = playback; }
    int32_t myPlaybackNumber() const { return myPlayback; }
    // Modes 9..16 draw; any other draws nothing.
    void setMode(int32_t mode) { theMode = mode; }
    int32_t getMode() const { return theMode; }
    // One block of spectrum magnitudes (even indexes from 2 up are read); nothing unless active.
    void recieveAudioData(ChannelModel& m, const std::vector<int32_t>& spectrum, Sensitivity sensitivity);
    // Names the matrix and looks its size up; a matrix with pixels gets fresh levels.
    void setMyMatixName(const ChannelModel& m, const QString& name);
    const QString& myMatixName() const { return matrixName; }
    int32_t frontColor() const { return front; }
    // Ignored in the random-colour modes (12 and 15).
    void setFrontColor(int32_t colour);
    int32_t BackColor() const { return back; }
    void setBackColor(int32_t colour) { back = colour; }
    // Switching off zeroes the matrix's colour channels that no playback owns.
    void setIsActive(ChannelModel& m, bool active);
    bool isActive() const { return active; }

    int32_t matrixWidth() const { return width; }
    int32_t matrixHeight() const { return height; }
    const std::vector<int64_t>& columnLevels() const { return levels; }

    // The colour table of the random-colour modes.
    static constexpr int32_t colorTable[8] = {0, 16711680, 16776960, 65280, 16711935, 255, 16777215, 65535};

private:
    void storeFront(int32_t colour) { front = colour; }
    void randomColourStep();
    double rnd();
    void draw(ChannelModel& m);

    QString matrixName;
    int32_t width = 0, height = 0;
    std::vector<int64_t> levels; // index 1..width
    int32_t myPlayback = 0;
    bool active = false;
    int32_t theMode = 0;
    int32_t front = 0, back = 0;
    int32_t randomCounter = 0;
    std::minstd_rand generator;
};

#pragma once
// The RGB chase generator of the RGB editor (frmRGBEditor): a list of
// colours becomes steps of the current playback on the selected
// colour-mixing fixtures, groups of fixtures rotated against each other by
// the phase offset; and the .YCP profiles that keep the editor's settings.
// One per shell: shell().engine<RgbChase>().

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

class RgbChase {
public:
    // The editor's settings.
    std::vector<int32_t> colours; // red in the lowest byte
    int32_t steps = 1;
    int32_t phaseOffset = 0;
    int32_t fixtureOffset = 0;

    // The colour of each position 1..size (index 0 unused): the list, then repeated.
    struct Tables {
        std::vector<int32_t> red, green, blue, white, white1, amber;
    };
    // Room for every colour of the list, for twice the steps, and for the
    // numbered cells three positions on.
    static Tables colourTables(const std::vector<int32_t>& colours, int32_t steps);

    // Writes the chase into the current playback and starts `playback` on beats.
    void createRgbChase(int32_t playback);
    // Rotates one channel type's stored steps from fixture group to fixture group.
    void rgbShiftShape(const QString& channelName);
    // Loads a profile into the settings; false (settings unchanged) with a message when it cannot be read.
    bool openRGBShortcut(const QString& path);
    // Writes the settings as a profile (replacing the file whole) and the
    // thumbnail bitmap images\RGB\<base name>.bmp; false with a message.
    bool saveRGBShortcut(const QString& path, const QByteArray& thumbnailBmp);
    // A profile recalled from the palette: loaded and written at once.
    void executeRGBProfile(const QString& path);

    // The profile folder and a profile's thumbnail path.
    static QString profileFolder();
    static QString thumbnailPath(const QString& profilePath);
};

#pragma once
// The tables of the show file beside the per-channel arrays: fixture groups,
// playback and shortcut-slot names, strobe minimums, the 3D room with its
// objects and wall textures, and three reserved tables kept as read. Shared
// state: the show file loads and saves them whole, and the subsystems that
// use them (groups, playbacks, scheduler, strobe, 3D view) read them here.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// One object of the 3D room. Transperency is not kept in the show file.
struct clsThreeDObject {
    QString fileNamePath; // model file, relative to the program folder
    QString objectAlias;
    int32_t x = 0, Y = 0, z = 0;
    int32_t xRotation = 0, yRotation = 0, zRotation = 0;
    int32_t ObjectColor = 0; // blue-green-red
    int32_t Transperency = 0;
    float ScaleX = 0, ScaleY = 0, Scalez = 0;
};

// Full paths of the room's texture pictures; empty when none is set.
struct clsWallTextures {
    QString ceiling, leftWall, rightWall, backWall, frontWall, floor;
};

struct ShowTables {
    static constexpr int groupSlots = 256;
    static constexpr int namedPlaybacks = 8;
    static constexpr int shortcutNameSlots = 256;
    static constexpr int reservedLongs = 3 * 256;

    ShowTables()
        : groupMembers(groupSlots), groupNames(groupSlots), playbackNames(namedPlaybacks),
          scheduleShortcutNames(shortcutNameSlots), multiChaseNames(shortcutNameSlots) {}

    // Group i (1..256) is entry i - 1.
    QStringList groupMembers, groupNames;
    // The operator's names of playbacks 1..8 (entry n - 1).
    QStringList playbackNames;
    // Default texts of the schedule-shortcut and multi-chase dialogs, slot n
    // at entry n - 1.
    QStringList scheduleShortcutNames, multiChaseNames;
    // Strobe tool's rate and intensity adjust minimums.
    int16_t strobeRateMinimum = 0, strobeIntensityMinimum = 0;
    // Kept as read from a file and written back; zero otherwise.
    std::array<int32_t, reservedLongs> reservedTables{};
    // The 3D room.
    float roomWidth = 0, roomHeight = 0, roomDepth = 0;
    std::vector<clsThreeDObject> objectList;
    clsWallTextures wallTextures;
};

#pragma once
// What other subsystems ask of the playback engine. The base answers
// "nothing there": no playback runs.

#include <cstdint>

class PlaybackService {
public:
    virtual ~PlaybackService() = default;
    virtual bool getChaserFlag(int32_t /*playback*/) { return false; } // the playback is running
};

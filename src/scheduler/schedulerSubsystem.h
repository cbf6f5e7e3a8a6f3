#pragma once
// The scheduler's windows as the engines open them; the window library
// attaches them. And the schedule and media engines of the shell, made on
// first use and wired to each other.

#include <cstdint>

class ScheduleEngine;
class MediaWindowEngine;

class SchedulerWindows {
public:
    virtual ~SchedulerWindows() = default;
    // The scheduler window at a place (twips; all 0: where it was).
    virtual void showScheduler(int32_t top, int32_t left, int32_t width, int32_t height) = 0;
    // The scheduler window opened as its menu entry opens it (placed under the pages).
    virtual void openFromMenu() = 0;
    virtual void closeScheduler() = 0;
    virtual void showMediaPlayer() = 0;
    virtual void videoOptions() = 0;
};

namespace scheduler {
// The schedule of the shell, its media the media window's.
ScheduleEngine& schedule();
MediaWindowEngine& mediaWindow();
} // namespace scheduler

#pragma once
// What the playback engines tell the windows that show them. The windows
// (src/playback/ui/) implement these and attach themselves; with none
// attached nothing is shown and every question answers "nothing there".

#include <QString>

class PlaybackWindowSlot;

// The window that shows one playback (frmPlayBackControl).
class PlaybackView {
public:
    virtual ~PlaybackView() = default;
    // The engine's state changed (step label, sliders, trigger option, pause colour).
    virtual void displayChanged() {}
    // Refill the step grid.
    virtual void displaySequenceData() {}
    // Open the step-command editor of the current row.
    virtual void showEditCommandDialog() {}
    // The keypad's value into the grid cell of the selected row and this
    // column, then into the current step; false when nothing was taken.
    virtual bool enterGridValue(int column, double value) { (void)column; (void)value; return false; }
    // Pop up the window's menu; the load dialog.
    virtual void showMenu() {}
    virtual void loadSequence() {}
    // The playback's shortcut panel: rebuilt, buttons of running sequences marked, a shortcut looked up.
    virtual void loadShortcutsOnFrame() {}
    virtual void checkActivePlaybacks(const QString& theSequence) { (void)theSequence; }
    virtual bool checkForShortcut(const QString& shortcutName, bool playIfFound) { (void)shortcutName; (void)playIfFound; return false; }
};

// What holds a playback in the frame (its PlaybackWindowSlot): the playback
// asks to be seen, or hides its window at the end of a fade-out.
class PlaybackHost {
public:
    virtual ~PlaybackHost() = default;
    virtual void showWindow() {}
    virtual void hideWindow() {}
};

// The frame's place for one playback window (a sub-window of the frame).
class PlaybackSlotView {
public:
    virtual ~PlaybackSlotView() = default;
    virtual void visibilityChanged(bool visible) { (void)visible; }
    virtual void captionChanged(const QString& caption) { (void)caption; }
    // Bring the window to the front and make it the active one.
    virtual void focus() {}
};

// The frame window (frmPlayBackManager).
class PlaybackFrameView {
public:
    virtual ~PlaybackFrameView() = default;
    // A playback window was created / unloaded.
    virtual void windowCreated(PlaybackWindowSlot& slot) { (void)slot; }
    virtual void windowUnloaded(PlaybackWindowSlot& slot) { (void)slot; }
    // The frame's caption (the console's status line).
    virtual void captionChanged(const QString& caption) { (void)caption; }
    // Whether the frame's active child window is a playback window.
    virtual bool playbackWindowActive() const { return false; }
    // The playback of the frame's active child window; null when it is no playback window.
    virtual PlaybackWindowSlot* activePlaybackSlot() const { return nullptr; }
};

#pragma once
// The palette window's live controls (attribute wheels on the Faders page,
// the encoder strip, the colour picture of the Color page), which the live
// attribute control subsystem builds. The palette window tells them what
// happens to it; the presets service holds the one in place (none until
// that subsystem starts, and then the window shows its pages without them).

class frmPalettes;

class PaletteLiveControls {
public:
    virtual ~PaletteLiveControls() = default;
    // The window was made: its strip and pictures are added to it.
    virtual void attach(frmPalettes& window) = 0;
    // The window goes: nothing of it may be used any more.
    virtual void detach(frmPalettes& window) = 0;
    // The Faders tab was opened (the page is already cleared).
    virtual void showFaders() = 0;
    // The page is being cleared for another page: the wheels and the colour picture go.
    virtual void pageCleared() = 0;
    // A page was built for the tab now marked (preset pages and the empty pages alike).
    virtual void pageBuilt() = 0;
    // The fixture selection changed.
    virtual void selectionChanged() = 0;
    // The wheels brought in step with the channel model (every refresh tick;
    // all of them with firstTime).
    virtual void updateDMXValueDisplay(bool firstTime) = 0;
};

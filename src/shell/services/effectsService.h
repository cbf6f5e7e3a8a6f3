#pragma once
// What other subsystems ask of the effect generators and fog control. The
// base answers "nothing there": no strobe window, no effects window.

class EffectsService {
public:
    virtual ~EffectsService() = default;
    virtual void setStrobeButtonsForSelection(bool /*anySelected*/) {} // "Strobe Selected"/"Chase Selected" or "... All"
    virtual bool shapeWindowVisible() { return false; }                 // the effects window is shown
    virtual void refreshShape() {}                                      // redraw the shape for the first selected fixture
    virtual void getChannelsForSelectedFixtures() {}                    // refill the effects window's channel list
};

#pragma once
// The 3D visualizer (subsystem 19). The base has no 3D window.

class VisualizerService {
public:
    virtual ~VisualizerService() = default;
    // Unloads the 3D window; when loaded again it rebuilds from the show.
    virtual void unloadVisualizer() {}

    // ---- Windows opened from the main window ----
    // Loads the 3D window afresh from the current show and shows it above the others.
    virtual void showVisualizer() {}
};

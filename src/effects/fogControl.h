#pragma once
// The engine of fog and haze control. For now it keeps the per-channel list
// that follows the show's channel count; the controller itself comes later.
// It also opens the stored-shapes browser (shapePreview) for the others.
// One per shell: shell().engine<FogControl>(); while it lives it is the
// effects service of the shell.

#include "shell/services/effectsService.h"

#include <cstdint>
#include <memory>
#include <vector>

// The fog window as the engine opens it; the window library attaches it.
class FogWindow {
public:
    virtual ~FogWindow() = default;
    virtual void show() = 0;
};

// The stored-shapes browser as the engine opens it; the window library attaches it.
class ShapeBrowserWindow {
public:
    virtual ~ShapeBrowserWindow() = default;
    virtual void show(bool append) = 0;
    virtual void updateShapePictures() = 0;
};

class FogControl : public EffectsService {
public:
    FogControl();
    ~FogControl() override;
    FogControl(const FogControl&) = delete;
    FogControl& operator=(const FogControl&) = delete;

    // Resizes the per-channel list to 1..totalNumber, keeping its contents.
    void redimFoggers(int32_t totalNumber) override;
    const std::vector<int32_t>& foggers() const { return fogChannels; }

    void attachWindow(std::unique_ptr<FogWindow> w) { window = std::move(w); }
    bool hasFogWindow() override { return window != nullptr; }
    void showFogControl() override {
        if (window) window->show();
    }

    void attachShapeBrowser(std::unique_ptr<ShapeBrowserWindow> w) { shapeBrowser = std::move(w); }
    void showShapeBrowser(bool append) override {
        if (shapeBrowser) shapeBrowser->show(append);
    }
    void updateShapePictures() override {
        if (shapeBrowser) shapeBrowser->updateShapePictures();
    }

private:
    std::vector<int32_t> fogChannels; // index 0 unused
    std::unique_ptr<FogWindow> window;
    std::unique_ptr<ShapeBrowserWindow> shapeBrowser;
};

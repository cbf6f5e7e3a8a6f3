#pragma once
// The effects subsystem as the others reach it: while it lives it is the
// shell's EffectsService, and it routes each call to the engine that does
// the work (ShapeGenerator for the FX tool, FogControl for fog) or to the
// window the window library attached. One per shell:
// shell().engine<EffectsEngine>().

#include "shell/services/effectsService.h"

#include <memory>

class ShapeGenerator;

// The windows as the engine opens them; the window library attaches them.
class FogWindow {
public:
    virtual ~FogWindow() = default;
    virtual void show() = 0;
};
class ShapeBrowserWindow {
public:
    virtual ~ShapeBrowserWindow() = default;
    virtual void show(bool append) = 0;
    virtual void updateShapePictures() = 0;
};
class ShapeToolWindow {
public:
    virtual ~ShapeToolWindow() = default;
    virtual void show() = 0;          // the Advanced FX Tool, on top
    virtual bool visible() = 0;
    virtual void refreshShape() = 0;  // its step preview
};

class EffectsEngine : public EffectsService {
public:
    EffectsEngine();
    ~EffectsEngine() override;
    EffectsEngine(const EffectsEngine&) = delete;
    EffectsEngine& operator=(const EffectsEngine&) = delete;

    void attachFogWindow(std::unique_ptr<FogWindow> w) { fogWindow = std::move(w); }
    void attachShapeBrowser(std::unique_ptr<ShapeBrowserWindow> w) { shapeBrowser = std::move(w); }
    void attachShapeTool(std::unique_ptr<ShapeToolWindow> w) { shapeTool = std::move(w); }

    // Fog.
    void redimFoggers(int32_t totalNumber) override;
    bool hasFogWindow() override { return fogWindow != nullptr; }
    void showFogControl() override;

    // Shape browser.
    void showShapeBrowser(bool append) override;
    void updateShapePictures() override;

    // RGB colour chases.
    void executeRGBProfile(const QString& path) override;
    void editRGBProfile(const QString& path) override;

    // Movement macros.
    void applyMovementMacro(const clsEvent& event, int32_t playback) override;
    void updateMovementMacros() override;
    void stopMovementMacros(int32_t playback) override;

    // The FX tool.
    void showShapeGenerator() override;
    bool hasShapeGenerator() override { return shapeTool != nullptr; }
    bool shapeWindowVisible() override;
    void refreshShape() override;
    void getChannelsForSelectedFixtures() override;
    bool shapeGeneratorBusy() override;
    bool makeShape(const QString& entryPoint) override;
    void setShapeCenter(int32_t x, int32_t y) override;
    void setMovingCenter(bool on) override;
    bool movingCenter() override;
    void setSizingShape(bool on) override;
    bool sizingShape() override;
    void setCenterForAllSelected() override;
    int32_t getLocalX(int32_t fixture) override;
    int32_t getLocalY(int32_t fixture) override;
    void setShapeSize(int32_t sizeX, int32_t sizeY) override;
    void setShapeSteps(const QString& steps) override;
    void setStepShiftText(const QString& text) override;
    void setFixtureOffsetText(const QString& text) override;
    void setRotationText(const QString& pan) override;
    void setTiltRotationText(const QString& tilt) override;
    void activateShapeTool() override;
    void shiftMovement() override;
    void applyRotation() override;
    void setFX(const QString& channelName) override;
    void fillInOtherActiveFixturesOnCurrentPlayback(int32_t fixture) override;

private:
    ShapeGenerator& tool();
    std::unique_ptr<FogWindow> fogWindow;
    std::unique_ptr<ShapeBrowserWindow> shapeBrowser;
    std::unique_ptr<ShapeToolWindow> shapeTool;
};

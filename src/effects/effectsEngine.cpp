#include "effects/effectsEngine.h"

#include "effects/effectWrites.h"
#include "effects/fogControl.h"
#include "effects/movementMacros.h"
#include "effects/rgbChase.h"
#include "effects/shapeGenerator.h"
#include "shell/shell.h"

#include <QFileInfo>

EffectsEngine::EffectsEngine() {
    if (!hasShell()) return;
    shell().engine<FogControl>();
    shell().lend<EffectsService>(*this);
}

EffectsEngine::~EffectsEngine() {
    if (hasShell()) shell().withdraw<EffectsService>(*this);
}

ShapeGenerator& EffectsEngine::tool() { return shell().engine<ShapeGenerator>(); }

void EffectsEngine::redimFoggers(int32_t totalNumber) { shell().engine<FogControl>().redimFoggers(totalNumber); }
void EffectsEngine::showFogControl() {
    if (fogWindow) fogWindow->show();
}

void EffectsEngine::showShapeBrowser(bool append) {
    if (shapeBrowser) shapeBrowser->show(append);
}
void EffectsEngine::updateShapePictures() {
    if (shapeBrowser) shapeBrowser->updateShapePictures();
}

void EffectsEngine::executeRGBProfile(const QString& path) { shell().engine<RgbChase>().executeRGBProfile(path); }

void EffectsEngine::editRGBProfile(const QString& path) {
    if (QFileInfo(path).isFile()) shell().engine<RgbChase>().openRGBShortcut(path);
    shell().effects().showRgbEditor();
}

void EffectsEngine::applyMovementMacro(const clsEvent& event, int32_t playback) {
    shell().engine<MovementMacros>().apply(event, playback);
}
void EffectsEngine::updateMovementMacros() {
    if (MovementMacros* m = shell().loadedEngine<MovementMacros>()) m->tick();
}
void EffectsEngine::stopMovementMacros(int32_t playback) {
    if (MovementMacros* m = shell().loadedEngine<MovementMacros>()) m->stopPlayback(playback);
}

void EffectsEngine::showShapeGenerator() {
    if (shapeTool) shapeTool->show();
}
bool EffectsEngine::shapeWindowVisible() { return shapeTool && shapeTool->visible(); }
void EffectsEngine::refreshShape() {
    if (shapeTool && shapeTool->visible()) shapeTool->refreshShape();
}
void EffectsEngine::getChannelsForSelectedFixtures() {
    if (ShapeGenerator* g = shell().loadedEngine<ShapeGenerator>()) g->getCHannelsForSelectedFixtures();
}
bool EffectsEngine::shapeGeneratorBusy() {
    const ShapeGenerator* g = shell().loadedEngine<ShapeGenerator>();
    return g && (g->movingCenter || g->sizingShape);
}
bool EffectsEngine::makeShape(const QString& entryPoint) { return tool().makeShape(entryPoint); }
void EffectsEngine::setShapeCenter(int32_t x, int32_t y) { tool().setCenter(x, y); }
void EffectsEngine::setMovingCenter(bool on) { tool().movingCenter = on; }
bool EffectsEngine::movingCenter() { return tool().movingCenter; }
void EffectsEngine::setSizingShape(bool on) { tool().sizingShape = on; }
bool EffectsEngine::sizingShape() { return tool().sizingShape; }
void EffectsEngine::setCenterForAllSelected() { tool().setCenterForAllSelected(); }
int32_t EffectsEngine::getLocalX(int32_t fixture) { return tool().getLocalX(fixture); }
int32_t EffectsEngine::getLocalY(int32_t fixture) { return tool().getLocalY(fixture); }
void EffectsEngine::setShapeSize(int32_t sizeX, int32_t sizeY) {
    tool().setDialogSlider(true, sizeX);
    tool().setDialogSlider(false, sizeY);
}
void EffectsEngine::setShapeSteps(const QString& steps) { tool().dialog().txtSteps = steps; }
void EffectsEngine::setStepShiftText(const QString& text) { tool().fields.ShiftTxt = text; }
void EffectsEngine::setFixtureOffsetText(const QString& text) { tool().fields.Offsettxt = text; }
void EffectsEngine::setRotationText(const QString& pan) { tool().setRotateText(pan); }
void EffectsEngine::setTiltRotationText(const QString& tilt) { tool().fields.RotateYTxt = tilt; }
void EffectsEngine::activateShapeTool() { tool().activateForm(); }
void EffectsEngine::shiftMovement() { tool().movementStepShift(); }
void EffectsEngine::applyRotation() { tool().applyRotation(); }
void EffectsEngine::setFX(const QString& channelName) { tool().setFX(channelName); }
void EffectsEngine::fillInOtherActiveFixturesOnCurrentPlayback(int32_t fixture) {
    effectWrites::fillInOtherActiveFixturesOnCurrentPlayback(fixture);
}

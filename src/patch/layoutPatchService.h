#pragma once
// The patch subsystem's answers to other subsystems, from the layout engine.
// The window library derives from it to add the windows themselves.

#include "shell/services/patchService.h"

class LayoutPatchService : public PatchService {
public:
    void refreshIcons() override;
    void unloadFixtureIcon(int32_t fixture) override;
    void unloadFixtureList() override;
    void unloadLayoutWindow() override;
    void reloadFixtureList() override;
    QString fixtureIconName(int32_t fixture) override;
    QString currentFixtureLayer() override;
    void changeFixtureLayer(const QString& layer) override;
    void setFixturePosition() override;
    void layoutFixtures(int32_t start, int32_t count, bool hideOnly) override;
    void setSimulationEnabled(bool on) override;
    double getScaledTop() override;
    bool isSelected(int32_t fixture) override;
    void setSelected(int32_t fixture, bool on) override;
    bool isNewSelected(int32_t fixture) override;
    bool isWingHighLight(int32_t fixture) override;
    void setWingHighLight(int32_t fixture, bool on) override;
    void setHighlightMode(int32_t fixture, bool on) override;
    QString returnFixtureSelectList() override;
    int32_t returnFirstFixture() override;
    int32_t returnLastFixture() override;
    int32_t returnSelectCount() override;
    bool anyFixturesHiglighted() override;
    void getOutOfHighLightForPresetSave() override;
    void selectNextFixture() override;
    void selectPreviousFixture() override;
    void Form_MouseDown(int button, int shift, double x, double y) override;
    void Form_MouseUp(int button, int shift, double x, double y) override;
    int32_t currentFixtureNumber() override;
    void highLightFixture(int32_t fixture, bool releaseOnly) override;
    std::vector<int32_t> selectedFixtures() override;
    void selectFixtures(const std::vector<int32_t>& fixtures, bool add) override;
    bool renameFixture(int32_t fixture, const QString& name) override;
};

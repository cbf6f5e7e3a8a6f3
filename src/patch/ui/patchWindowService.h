#pragma once
// The patch side of PatchService: the patch window opened from the profile
// editor, the profile update, and the main window's patch commands (patch
// list, DMX configuration, fixture properties, channel settings, removal).

#include "patch/ui/patchWindows.h"

class QWidget;
class Shell;

// The whole patch service of the running console: the layout's answers and
// windows, with the patch window's commands.
class PatchWindowService : public PatchWindowsService {
public:
    void showPatchWindow(bool fromFile) override;
    void closePatchWindow() override;
    void updatePatchedProfile() override;
    void showPatchList() override;
    void showDmxConfiguration() override;
    void showFixtureProperties(int32_t fixture) override;
    void showChannelSettings(int32_t channel, bool modal) override;
    void removeSelectedFixtures() override;
    void removeMatrix(const QString& matrixName) override;
    void selectGroup(int32_t index, bool shiftHeld) override;
    void createGroup() override;
    void editExistingGroup() override;
    void saveChangesToGroup() override;
    void deleteGroup() override;
    void renameGroup(int32_t group) override;
    int32_t tickedGroup() override;
    bool deleteAGroup(int32_t g) override;

private:
    void placeBesideLayout(QWidget& window, int32_t fixture);
};

// Registers the patch windows' service with the shell.
void registerPatchWindows(Shell& s);

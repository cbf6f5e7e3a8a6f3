#pragma once
// The profile editor as the other subsystems reach it.

#include "shell/services/profilesService.h"

class ProfilesServiceImpl : public ProfilesService {
public:
    void showProfileEditor() override;
    void loadFixtureFile(const QString& path) override;
    void editPatchedProfile(int32_t slot) override;
    void editFixture() override;
    void createNewFixtureProfile() override;
};

class Shell;

// Registers the profile editor as the profiles service.
void registerProfiles(Shell& s);

#pragma once
// What the fixture profiles offer the others: the profile editor. The base
// has no editor.

#include <QString>
#include <cstdint>

class ProfilesService {
public:
    virtual ~ProfilesService() = default;
    // Enables, shows and focuses the profile editor.
    virtual void showProfileEditor() {}
    // Shows the profile editor with a profile file loaded into it.
    virtual void loadFixtureFile(const QString& path) { (void)path; }
    // Shows the profile editor on the show's profile in this slot itself (not
    // a copy), made empty when the slot is; a slot below 1 shows nothing.
    virtual void editPatchedProfile(int32_t slot) { (void)slot; }
    // Shows the profile editor and starts its "Edit Fixture" command.
    virtual void editFixture() {}
    // Shows the profile editor and starts a new, empty fixture profile.
    virtual void createNewFixtureProfile() {}
};

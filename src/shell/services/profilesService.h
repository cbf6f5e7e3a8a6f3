#pragma once
// What the fixture profiles offer the others: the profile editor. The base
// has no editor.

#include <QString>

class ProfilesService {
public:
    virtual ~ProfilesService() = default;
    // Enables, shows and focuses the profile editor.
    virtual void showProfileEditor() {}
    // Shows the profile editor with a profile file loaded into it.
    virtual void loadFixtureFile(const QString& path) { (void)path; }
};

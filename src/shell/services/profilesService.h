#pragma once
// What the profile editor offers the others. The base is "no editor".

class ProfilesService {
public:
    virtual ~ProfilesService() = default;
    // Opens the profile editor with its fixture library (the 3D window closes first).
    virtual void showProfileEditor() {}
};

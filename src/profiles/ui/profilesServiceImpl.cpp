#include "profiles/ui/profilesServiceImpl.h"

#include "profiles/ClsFixture.h"
#include "profiles/ui/Light_Editor.h"
#include "shell/services/visualizerService.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

// The 3D window goes first; the editor is enabled, shown and focused, not put
// on top.
void ProfilesServiceImpl::showProfileEditor() {
    shell().visualizer().unloadVisualizer();
    Light_Editor& editor = form<Light_Editor>();
    editor.setEnabled(true);
    editor.show();
    editor.raise();
    editor.activateWindow();
}

void ProfilesServiceImpl::loadFixtureFile(const QString& path) {
    showProfileEditor();
    form<Light_Editor>().loadFixtureSub(path);
}

void ProfilesServiceImpl::editPatchedProfile(int32_t slot) {
    if (slot < 1) return;
    ClsFixture& profile = shell().state.lightClass(slot);
    showProfileEditor();
    form<Light_Editor>().loadClass25IntoMe(profile);
}

void ProfilesServiceImpl::editFixture() {
    showProfileEditor();
    form<Light_Editor>().Edit_Fixture_Click();
}

void ProfilesServiceImpl::createNewFixtureProfile() {
    showProfileEditor();
    form<Light_Editor>().clkCreateNewFixtureProfile_Click();
}

void registerProfiles(Shell& s) { s.provide<ProfilesService>(std::make_unique<ProfilesServiceImpl>()); }

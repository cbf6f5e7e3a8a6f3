#include "profiles/ui/profilesServiceImpl.h"

#include "profiles/ui/Light_Editor.h"
#include "shell/ui/windowRegistry.h"

void ProfilesServiceImpl::showProfileEditor() {
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

#include "profiles/ui/profilesServiceImpl.h"

#include "profiles/ui/Light_Editor.h"
#include "shell/services/profilesService.h"
#include "shell/services/visualizerService.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

namespace {

class ProfilesServiceImpl final : public ProfilesService {
public:
    // The 3D window goes first; the editor is enabled, shown and focused,
    // not put on top.
    void showProfileEditor() override {
        shell().visualizer().unloadVisualizer();
        Light_Editor& editor = form<Light_Editor>();
        editor.setEnabled(true);
        editor.show();
        editor.raise();
        editor.activateWindow();
    }
};

} // namespace

void registerProfiles(Shell& s) { s.provide<ProfilesService>(std::make_unique<ProfilesServiceImpl>()); }

#include "shell/services/patchService.h"

#include "shell/shell.h"

PatchService& Shell::patch() { return service<PatchService>(); }

// Without a layout window a fixture's icon would carry the fixture's name.
QString PatchService::fixtureIconName(int32_t fixtureNumber) {
    const auto& names = shell().state.fixtureName;
    if (fixtureNumber < 1 || fixtureNumber >= names.size()) return {};
    return names[fixtureNumber];
}

#include "shell/services/profilesService.h"

#include "shell/shell.h"

ProfilesService& Shell::profiles() { return service<ProfilesService>(); }

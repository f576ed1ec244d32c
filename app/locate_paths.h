// Works out AppPaths at start-up: the running executable's own path and the
// folder that holds the settings.
#pragma once

#include "app/app_paths.h"

void LocateAppPaths(AppPaths& paths);

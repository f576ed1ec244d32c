// config.txt: the program-wide settings store and the routines that read,
// create and save it.
#pragma once

#include "settings/config_store.h"

// The program-wide store, bound to "config.txt" with "=" until the start-up
// rebinds it to the settings file of AppPaths.
extern ConfigStore g_config;

// Start-up: binds the store to the settings file of AppPaths and loads it,
// writing the defaults when it cannot be read (fatal errors 113, 114, 115).
// Sets the startup flag from the "startup" setting.
void LoadSettingsAtStartup();
// First run: creates config.txt with time=30, hollow=off, startup=0 and
// writes the Run value.
void WriteDefaultConfig();
// Stores the switch and the startup flag, saves and reads the file back
// (fatal error 101 when it cannot be read back).
void SaveSettings();

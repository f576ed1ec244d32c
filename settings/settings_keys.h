// The keys config.txt holds and the repair of a file that lacks some of them.
// No windows.h.
#pragma once

#include <string>

#include "settings/config_store.h"

inline constexpr const char kKeyTime[] = "time";
inline constexpr const char kKeyHollow[] = "hollow";
inline constexpr const char kKeyStartup[] = "startup";

// What a new config.txt holds, in this order.
inline constexpr const char kDefaultTime[] = "30";
inline constexpr const char kDefaultHollow[] = "off";
inline constexpr const char kDefaultStartup[] = "0";

// Fills a store with the three lines of a new config.txt.
void AddDefaultSettings(ConfigStore& store);

// Writes the switch and the startup flag into the store. A file that lost
// lines (an empty config.txt left by a crash, a hand edit) gets each missing
// key back, appended in the order time, hollow, startup; lines that are there
// keep their places. A missing "time" comes back as the default interval,
// which is the one the timer runs at when the line is missing.
void StoreCoreSettings(ConfigStore& store, bool hollowOn, int startupFlag);

// The keys config.txt holds and the repair of a file that lacks some of them.
// No windows.h.
#pragma once

#include <string>

#include "settings/config_store.h"
#include "settings/setting_values.h"

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

// Optional keys. Each is absent from a new config.txt; absent, or holding a
// value that does not parse, it means the behaviour the program had before
// the key existed. A bad value stays in the file untouched until the user
// changes that setting.
inline constexpr const char kKeyPause[] = "pause";            // "YYYY-MM-DD HH:MM"
inline constexpr const char kKeyQuiet[] = "quiet";            // "HH:MM-HH:MM"
inline constexpr const char kKeyFullScreen[] = "fullscreen";  // "wait" or "show"
inline constexpr const char kFullScreenWait[] = "wait";
inline constexpr const char kFullScreenShow[] = "show";
inline constexpr const char kKeyTiming[] = "timing";  // "random" or "fixed"
inline constexpr const char kTimingRandom[] = "random";
inline constexpr const char kTimingFixed[] = "fixed";
inline constexpr const char kKeyChecks[] = "checks";  // "vary" or "hand"
inline constexpr const char kChecksVary[] = "vary";
inline constexpr const char kChecksHand[] = "hand";
inline constexpr const char kKeyMorning[] = "morning";  // "off" or "on"
inline constexpr const char kMorningOff[] = "off";
inline constexpr const char kMorningOn[] = "on";
// The language of the words: a code of the program's languages ("de",
// "pt_BR"); absent means Windows' display language where the program has
// it, else English.
inline constexpr const char kKeyLanguage[] = "language";

// The optional settings as the program uses them. The initial values are
// the behaviour when a key is absent.
struct OptionalSettings {
  bool hasPause = false;
  LocalMinute pauseUntil = 0;
  bool hasQuiet = false;
  QuietHours quiet;
  bool waitWhileFullScreen = true;
  // Gaps between reminders drawn at random around the interval.
  bool randomTiming = false;
  // Reality checks of several kinds instead of the hand picture only.
  bool varyChecks = false;
  // The morning question about the night.
  bool morningQuestion = true;
  // The "language" setting as written (letters, digits, '_' and '-');
  // empty for Windows' language.
  std::string language;
};

// One optional key: its name and the parser that stores a good value in
// the record (and returns false, leaving the record alone, for a bad one).
struct OptionalKey {
  const char* key;
  bool (*parse)(const std::string& value, OptionalSettings& into);
};

// Every optional key, in the order they are read.
extern const OptionalKey kOptionalKeys[];
extern const int kOptionalKeyCount;

OptionalSettings ReadOptionalSettings(const ConfigStore& store);

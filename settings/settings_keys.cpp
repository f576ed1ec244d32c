#include "settings/settings_keys.h"

void AddDefaultSettings(ConfigStore& store) {
  store.AddIfAbsent(kKeyTime, kDefaultTime);
  store.AddIfAbsent(kKeyHollow, kDefaultHollow);
  store.AddIfAbsent(kKeyStartup, kDefaultStartup);
}

void StoreCoreSettings(ConfigStore& store, bool hollowOn, int startupFlag) {
  store.AddIfAbsent(kKeyTime, kDefaultTime);
  store.SetString(kKeyHollow, hollowOn ? "on" : "off");
  store.SetInt(kKeyStartup, startupFlag);
}

namespace {

bool ParsePause(const std::string& value, OptionalSettings& into) {
  LocalMinute until = 0;
  if (!ParseDateTime(value, &until)) return false;
  into.hasPause = true;
  into.pauseUntil = until;
  return true;
}

bool ParseQuiet(const std::string& value, OptionalSettings& into) {
  QuietHours hours;
  if (!ParseQuietHours(value, &hours)) return false;
  into.hasQuiet = true;
  into.quiet = hours;
  return true;
}

bool ParseFullScreen(const std::string& value, OptionalSettings& into) {
  if (value == kFullScreenWait) {
    into.waitWhileFullScreen = true;
  } else if (value == kFullScreenShow) {
    into.waitWhileFullScreen = false;
  } else {
    return false;
  }
  return true;
}

// A key of two words: the first sets `flag`, the second clears it.
bool ParseChoice(const std::string& value, const char* yes, const char* no, bool& flag) {
  if (value == yes) {
    flag = true;
  } else if (value == no) {
    flag = false;
  } else {
    return false;
  }
  return true;
}

bool ParseTiming(const std::string& value, OptionalSettings& into) {
  return ParseChoice(value, kTimingRandom, kTimingFixed, into.randomTiming);
}

bool ParseChecks(const std::string& value, OptionalSettings& into) {
  return ParseChoice(value, kChecksVary, kChecksHand, into.varyChecks);
}

bool ParseMorning(const std::string& value, OptionalSettings& into) {
  return ParseChoice(value, kMorningOn, kMorningOff, into.morningQuestion);
}

// A language code: 1 to 15 ASCII letters, digits, '_' or '-'. Whether the
// program carries that language is decided where the language is chosen.
bool ParseLanguage(const std::string& value, OptionalSettings& into) {
  if (value.empty() || value.size() > 15) return false;
  for (char c : value) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && !(c >= '0' && c <= '9') && c != '_' && c != '-') return false;
  }
  into.language = value;
  return true;
}

}  // namespace

const OptionalKey kOptionalKeys[] = {
    {kKeyPause, ParsePause},
    {kKeyQuiet, ParseQuiet},
    {kKeyFullScreen, ParseFullScreen},
    {kKeyTiming, ParseTiming},
    {kKeyChecks, ParseChecks},
    {kKeyMorning, ParseMorning},
    {kKeyLanguage, ParseLanguage},
};
const int kOptionalKeyCount = static_cast<int>(sizeof kOptionalKeys / sizeof kOptionalKeys[0]);

OptionalSettings ReadOptionalSettings(const ConfigStore& store) {
  OptionalSettings settings;
  for (const OptionalKey& k : kOptionalKeys) {
    const int at = store.Find(k.key);
    if (at >= 0) k.parse(store.values[static_cast<std::size_t>(at)], settings);
  }
  return settings;
}

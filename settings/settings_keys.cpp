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

#include "app/option_menus.h"

#include <string>

#include "reminders/reminder_gate.h"
#include "resources/resource_ids.h"

namespace {

HMENU g_pauseMenu = nullptr;
HMENU g_optionsMenu = nullptr;

struct PauseItem {
  UINT id;
  const char* text;
  PauseChoice choice;
};

const PauseItem kPauseItems[] = {
    {IDM_PAUSE_30, "For 30 Minutes", PauseChoice::Minutes30},
    {IDM_PAUSE_60, "For 1 Hour", PauseChoice::Hour1},
    {IDM_PAUSE_180, "For 3 Hours", PauseChoice::Hours3},
    {IDM_PAUSE_TOMORROW, "Until Tomorrow", PauseChoice::Tomorrow},
};

// One item of "Options": its text, whether it shows a check mark, and what
// choosing it writes into the store.
struct OptionItem {
  UINT id;
  std::string (*text)(const OptionalSettings&);
  bool (*checked)(const OptionalSettings&);
  void (*choose)(ConfigStore&, const OptionalSettings&);
};

const OptionItem kOptionItems[] = {
    {IDM_WAIT_FULLSCREEN, [](const OptionalSettings&) { return std::string("Wait While Full-Screen Or Presenting"); },
     [](const OptionalSettings& s) { return s.waitWhileFullScreen; },
     [](ConfigStore& store, const OptionalSettings& s) {
       store.SetString(kKeyFullScreen, s.waitWhileFullScreen ? kFullScreenShow : kFullScreenWait);
     }},
    {IDM_QUIET_HOURS, QuietHoursItemText, [](const OptionalSettings& s) { return s.hasQuiet; },
     [](ConfigStore& store, const OptionalSettings& s) {
       if (s.hasQuiet) {
         store.Remove(kKeyQuiet);
       } else {
         store.SetString(kKeyQuiet, FormatQuietHours(kMenuQuietHours));
       }
     }},
    {IDM_RANDOM_TIMES, [](const OptionalSettings&) { return std::string("Random Times"); },
     [](const OptionalSettings& s) { return s.randomTiming; },
     [](ConfigStore& store, const OptionalSettings& s) {
       store.SetString(kKeyTiming, s.randomTiming ? kTimingFixed : kTimingRandom);
     }},
    {IDM_VARY_CHECKS, [](const OptionalSettings&) { return std::string("Vary The Reality Check"); },
     [](const OptionalSettings& s) { return s.varyChecks; },
     [](ConfigStore& store, const OptionalSettings& s) {
       store.SetString(kKeyChecks, s.varyChecks ? kChecksHand : kChecksVary);
     }},
    {IDM_MORNING_QUESTION, [](const OptionalSettings&) { return std::string("Morning Question"); },
     [](const OptionalSettings& s) { return s.morningQuestion; },
     [](ConfigStore& store, const OptionalSettings& s) {
       store.SetString(kKeyMorning, s.morningQuestion ? kMorningOff : kMorningOn);
     }},
};

}  // namespace

void AppendOptionMenus(HMENU trayMenu) {
  g_pauseMenu = CreatePopupMenu();
  for (const PauseItem& item : kPauseItems) AppendMenuA(g_pauseMenu, MF_STRING, item.id, item.text);
  AppendMenuA(g_pauseMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(g_pauseMenu, MF_STRING | MF_GRAYED, IDM_RESUME, "Resume Reminders");
  AppendMenuA(trayMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(g_pauseMenu), "Pause Reminders");

  g_optionsMenu = CreatePopupMenu();
  const OptionalSettings none;
  for (const OptionItem& item : kOptionItems) {
    AppendMenuA(g_optionsMenu, MF_STRING, item.id, item.text(none).c_str());
  }
  AppendMenuA(trayMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(g_optionsMenu), "Options");
}

void UpdateOptionMenus(const OptionalSettings& settings, LocalMinute now) {
  if (!g_pauseMenu || !g_optionsMenu) return;
  EnableMenuItem(g_pauseMenu, IDM_RESUME, MF_BYCOMMAND | (IsPaused(settings, now) ? MF_ENABLED : MF_GRAYED));
  for (const OptionItem& item : kOptionItems) {
    const std::string text = item.text(settings);
    ModifyMenuA(g_optionsMenu, item.id, MF_BYCOMMAND | MF_STRING | (item.checked(settings) ? MF_CHECKED : MF_UNCHECKED),
                item.id, text.c_str());
  }
}

bool ApplyOptionCommand(UINT id, ConfigStore& store, const OptionalSettings& settings, LocalMinute now) {
  for (const PauseItem& item : kPauseItems) {
    if (item.id == id) {
      store.SetString(kKeyPause, FormatDateTime(PauseEnd(item.choice, now)));
      return true;
    }
  }
  if (id == IDM_RESUME) {
    store.Remove(kKeyPause);
    return true;
  }
  for (const OptionItem& item : kOptionItems) {
    if (item.id == id) {
      item.choose(store, settings);
      return true;
    }
  }
  return false;
}

unsigned OptionMenuMarks() {
  if (!g_pauseMenu || !g_optionsMenu) return 0;
  unsigned marks = 0;
  if (GetMenuState(g_optionsMenu, IDM_WAIT_FULLSCREEN, MF_BYCOMMAND) & MF_CHECKED) marks |= 1;
  if (GetMenuState(g_optionsMenu, IDM_QUIET_HOURS, MF_BYCOMMAND) & MF_CHECKED) marks |= 2;
  if (GetMenuState(g_optionsMenu, IDM_RANDOM_TIMES, MF_BYCOMMAND) & MF_CHECKED) marks |= 8;
  if (GetMenuState(g_optionsMenu, IDM_VARY_CHECKS, MF_BYCOMMAND) & MF_CHECKED) marks |= 16;
  if (GetMenuState(g_optionsMenu, IDM_MORNING_QUESTION, MF_BYCOMMAND) & MF_CHECKED) marks |= 32;
  if (!(GetMenuState(g_pauseMenu, IDM_RESUME, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED))) marks |= 4;
  return marks;
}

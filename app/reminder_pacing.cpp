#include "app/reminder_pacing.h"

#include <string>

#include "app/language_switch.h"
#include "app/main_window.h"
#include "app/option_menus.h"
#include "app/tray_icon.h"
#include "reminders/hollow_control.h"
#include "journal/morning_question.h"
#include "reminders/reality_check.h"
#include "reminders/reminder_facts.h"
#include "settings/settings_file.h"

namespace {

OptionalSettings g_options;
UINT g_periodMs = 0;
UINT g_gapMs = 0;
bool g_timerRandom = false;

// Seeded from the clock, the performance counter and the process: every
// start draws its own series (the runtime's rand() would repeat one).
CheckRandom& Random() {
  static CheckRandom random = [] {
    LARGE_INTEGER counter = {};
    QueryPerformanceCounter(&counter);
    std::seed_seq seed{static_cast<unsigned>(GetTickCount()), static_cast<unsigned>(counter.LowPart),
                       static_cast<unsigned>(counter.HighPart), static_cast<unsigned>(GetCurrentProcessId())};
    return CheckRandom(seed);
  }();
  return random;
}

// Sets the reminder timer going with the next gap.
void ArmReminderTimer(HWND mainWindow) {
  if (g_periodMs == 0) return;
  g_timerRandom = g_options.randomTiming;
  g_gapMs = g_timerRandom ? DrawReminderGapMs(g_periodMs, Random()) : g_periodMs;
  SetTimer(mainWindow, kReminderTimerId, g_gapMs, nullptr);
}
ReminderGate g_gate;
bool g_silenced = false;
bool g_silenceTimerOn = false;

void Act(HWND mainWindow, ReminderAction action) {
  switch (action) {
    case ReminderAction::Show:
      KillTimer(mainWindow, kHeldReminderTimerId);
      ShowRealityCheck();
      break;
    case ReminderAction::Hold:
      SetTimer(mainWindow, kHeldReminderTimerId, kHeldCheckMs, nullptr);
      break;
    case ReminderAction::Drop:
      KillTimer(mainWindow, kHeldReminderTimerId);
      break;
  }
}

// Follows the silence in force now: hollow rests while it lasts and comes
// back afterwards when its switch is on; the tip says until when.
void FollowSilence(HWND mainWindow) {
  const LocalMinute now = LocalNow();
  const bool silenced = IsSilenced(g_options, now);
  if (silenced && !g_silenced) {
    StopHollow();
  } else if (!silenced && g_silenced) {
    StartHollowIfSwitchOn();
  }
  g_silenced = silenced;
  if (silenced && g_gate.held) Act(mainWindow, OnHeldCheck(g_gate, g_options, GatherReminderFacts()));
  SetTrayTip(TrayTipText(g_options, now).c_str());
  UpdateOptionMenus(g_options, now);
  const bool needTimer = IsPaused(g_options, now) || g_options.hasQuiet;
  if (needTimer && !g_silenceTimerOn) SetTimer(mainWindow, kSilenceTimerId, kSilenceCheckMs, nullptr);
  if (!needTimer && g_silenceTimerOn) KillTimer(mainWindow, kSilenceTimerId);
  g_silenceTimerOn = needTimer;
}

}  // namespace

void ApplyOptionalSettings(HWND mainWindow) {
  g_options = ReadOptionalSettings(g_config);
  // Random timing turned on or off: the timer changes at once.
  if (g_periodMs != 0 && g_options.randomTiming != g_timerRandom) ArmReminderTimer(mainWindow);
  FollowSilence(mainWindow);
}

void StartReminderTimer(HWND mainWindow, UINT periodMs) {
  g_periodMs = periodMs;
  ArmReminderTimer(mainWindow);
}

UINT ReminderGapMs() { return g_gapMs; }

CheckRandom& ReminderRandom() { return Random(); }

bool ChecksVary() { return g_options.varyChecks; }

bool MorningQuestionWanted() { return g_options.morningQuestion; }

bool RemindersSilenced() { return g_silenced; }

bool SilencedNow() { return IsSilenced(g_options, LocalNow()); }

bool WaitsWhileFullScreen() { return g_options.waitWhileFullScreen; }

void OnReminderTick(HWND mainWindow) {
  if (g_timerRandom) ArmReminderTimer(mainWindow);
  Act(mainWindow, OnReminderDue(g_gate, g_options, GatherReminderFacts()));
}

bool OnPacingTimer(HWND mainWindow, UINT_PTR id) {
  if (id == kHeldReminderTimerId) {
    Act(mainWindow, OnHeldCheck(g_gate, g_options, GatherReminderFacts()));
    return true;
  }
  if (id == kSilenceTimerId) {
    FollowSilence(mainWindow);
    return true;
  }
  return false;
}

bool OnOptionCommand(HWND mainWindow, UINT id) {
  if (!ApplyOptionCommand(id, g_config, g_options, LocalNow())) return false;
  SaveSettings();
  // Another language: the menu is made anew in it before the settings set
  // its marks and the tip, and then the rest of the program follows.
  const bool newLanguage = TakeLanguageSetting(ReadOptionalSettings(g_config).language);
  if (newLanguage) RebuildTrayMenu();
  ApplyOptionalSettings(mainWindow);
  SetMorningQuestionEnabled(mainWindow, g_options.morningQuestion);
  if (newLanguage) AnnounceLanguage();
  return true;
}

unsigned PacingState() { return (g_gate.held ? 1u : 0u) | (g_silenced ? 2u : 0u); }

void SetAwayThresholdMs(unsigned ms) { g_gate.awayAfterMs = ms; }

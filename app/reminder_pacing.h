// When reality checks and hollow may show: the main window's reminder tick
// asks the reminder gate and acts on its answer; pauses and quiet hours
// rest hollow and set the tray tip.
#pragma once

#include <windows.h>

#include "reminders/check_choice.h"

// Timers of the main window: a held reminder looks every 5 s whether it
// may show; while a pause or quiet hours are set, a slower one notices their
// start and end.
inline constexpr UINT_PTR kHeldReminderTimerId = 150;
inline constexpr UINT_PTR kSilenceTimerId = 151;
inline constexpr UINT kSilenceCheckMs = 15000;

// Reads the optional settings from the store and applies them: tray tip,
// menu marks, hollow resting or started again, the silence timer.
void ApplyOptionalSettings(HWND mainWindow);
// Paused or inside quiet hours, as the silence timer saw it last.
bool RemindersSilenced();
// Paused or inside quiet hours at this moment.
bool SilencedNow();
// "Wait While Full-Screen Or Presenting" is on.
bool WaitsWhileFullScreen();
// Starts the reminder timer (kReminderTimerId) for an interval of periodMs:
// periodic at that interval, or with random timing a one-shot gap drawn
// around it and drawn again at every tick.
void StartReminderTimer(HWND mainWindow, UINT periodMs);
// The gap the reminder timer runs now, in milliseconds.
UINT ReminderGapMs();
// The run's random generator, seeded once per start of the program.
CheckRandom& ReminderRandom();
// The morning question is on ("morning" is not "off").
bool MorningQuestionWanted();
// The reality checks vary in kind ("checks" is "vary").
bool ChecksVary();
// A tick of the reminder timer.
void OnReminderTick(HWND mainWindow);
// Timers kHeldReminderTimerId and kSilenceTimerId; false for any other.
bool OnPacingTimer(HWND mainWindow, UINT_PTR id);
// The submenus' commands: changes the setting, saves, applies (a new
// language everywhere at once). False when `id` is none of theirs.
bool OnOptionCommand(HWND mainWindow, UINT id);

// For the tests: a reminder is held (1), reminders are silenced (2).
unsigned PacingState();
// Test hook: the time without input after which the user counts as away.
void SetAwayThresholdMs(unsigned ms);

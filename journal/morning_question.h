// The morning question: a small layered popup in the style of the reality
// check that asks how the night went, shown without taking the keyboard
// focus, and the clock that decides when to ask (timer kMorningTimerId of
// the main window, and the session's lock and unlock).
#pragma once

#include <windows.h>

#include "journal/practice_record.h"

inline constexpr const char kMorningTitle[] = "SMX - Good Morning";
inline constexpr UINT_PTR kMorningTimerId = 152;
// Posted to the main window by "Write it down": wParam is the DreamKind of
// the new dream the journal opens at.
inline constexpr UINT kOpenJournalAtNewDream = WM_APP + 0x70;

// Start-up: reads the record once for today's answer, asks at once when
// the program starts in the morning, and sets the polls going. Nothing
// when the question is turned off.
void StartMorningQuestion(HWND mainWindow, bool enabled);
// "Morning Question" turned on or off.
void SetMorningQuestionEnabled(HWND mainWindow, bool enabled);
void OnMorningTimer(HWND mainWindow);
// WM_WTSSESSION_CHANGE.
void OnSessionChange(HWND mainWindow, WPARAM change);
// Test hook: the absence that counts and the span of the day (minutes), and
// today counts as not asked yet.
void SetMorningClockForTest(HWND mainWindow, unsigned awayMs, int firstMinute, int lastMinute);

// What the question offers now, for the tray menu (the popup never takes
// the keyboard): nothing while it is not open, its three answers, or, after
// a dream was answered, "Write it down".
enum class MorningOffer { None, Answers, WriteItDown };
MorningOffer CurrentMorningOffer();
// The same as a click on the answer's button (Lucid, Dream or None) while
// the answers show, or on "Write it down" while that shows.
void AnswerMorningQuestion(PracticeEvent answer);
void WriteDownMorningDream();

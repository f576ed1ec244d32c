// The practice record, practice.csv beside config.txt: one line per event,
// "YYYY-MM-DD HH:MM:SS,event" in local time with a CR LF line end. Lines are
// only ever appended, each whole in one write; a line cut short by a power
// cut is skipped when reading and never joins the next one. No windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/setting_values.h"

inline constexpr const char kPracticeFileName[] = "practice.csv";

enum class PracticeEvent : unsigned char {
  Shown,      // a reality check appeared
  Checked,    // dismissed with a double-click: the user did the check
  Dismissed,  // dismissed with a right click
  Lucid,      // morning answers: a lucid dream,
  Dream,      //   a dream,
  None,       //   nothing remembered
};

// The word of an event in the file ("shown", "checked", ...).
const char* PracticeEventName(PracticeEvent event);

// A local date and time to the second.
struct PracticeTime {
  CivilTime civil;
  int second = 0;  // 0..59
};

struct PracticeEntry {
  LocalMinute minute = 0;  // the local date and time, to the minute
  int second = 0;          // 0..59
  PracticeEvent event = PracticeEvent::Shown;
};

// "YYYY-MM-DD HH:MM:SS,event\r\n".
std::string FormatPracticeLine(const PracticeTime& when, PracticeEvent event);
// One line, without its line end: a real date and time, a comma and a known
// event word, nothing else. False for anything else.
bool ParsePracticeLine(const char* text, std::size_t length, PracticeEntry* entry);
// Every line that parses, in file order. Lines end with LF (CR LF or a lone
// LF); a last line without its line end is torn and skipped, and so is any
// line that does not parse.
std::vector<PracticeEntry> ReadPracticeText(const char* data, std::size_t size);
// The whole file read and parsed; a missing or unreadable file reads as empty.
std::vector<PracticeEntry> ReadPracticeFile(const std::string& path);
// Appends one event: opens the file (creating it), and when its last byte is
// not a line end (a torn line) starts with CR LF so that the new line stands
// on its own; then writes the line in one write and pushes it to the disk.
// False when the file cannot be opened or written.
bool AppendPracticeEvent(const std::string& path, const PracticeTime& when, PracticeEvent event);

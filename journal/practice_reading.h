// "My Practice" as a screen reader reads it, in the language in use: the
// streak, the line about lucid nights, then one line per week of the
// chart, oldest first, with its checks done, dismissals, lucid nights and
// dreams. No windows.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "journal/practice_summary.h"

// How the window writes a day under the chart ("3 Mar").
using PracticeDayLabel = std::string (*)(std::int64_t day);

std::vector<std::string> PracticeReading(const PracticeSummary& summary, PracticeDayLabel dayLabel);

// The Win32 half of the practice record: where practice.csv lives (beside
// config.txt, wherever the settings went) and the recording of one event at
// the local time of now.
#pragma once

#include <string>

#include "journal/practice_record.h"

std::string PracticeFilePath();
// Appends the event; a file that cannot be written costs only the line.
void RecordPractice(PracticeEvent event);

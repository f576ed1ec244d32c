// Where the dream journal meets the practice record: a dream written down
// for a morning that has no morning answer gives that answer, so that My
// Practice shows its moon. No windows.h.
#pragma once

#include <cstdint>
#include <vector>

#include "journal/dream_file.h"
#include "journal/practice_record.h"

// The answer a night's dreams give: Lucid when one of them was lucid, else
// Dream (a fragment is a dream remembered in part). False when the file
// holds no dream.
bool MorningAnswerOfDreams(const DreamFile& file, PracticeEvent* answer);
// True when the record holds a morning answer (lucid, dream or none) given
// on that day.
bool RecordHasAnswerOn(const std::vector<PracticeEntry>& record, std::int64_t day);

#include "journal/journal_practice.h"

bool MorningAnswerOfDreams(const DreamFile& file, PracticeEvent* answer) {
  if (file.dreams.empty()) return false;
  *answer = PracticeEvent::Dream;
  for (const Dream& dream : file.dreams) {
    if (dream.kind == DreamKind::Lucid) *answer = PracticeEvent::Lucid;
  }
  return true;
}

bool RecordHasAnswerOn(const std::vector<PracticeEntry>& record, std::int64_t day) {
  for (const PracticeEntry& entry : record) {
    const bool answer = entry.event == PracticeEvent::Lucid || entry.event == PracticeEvent::Dream ||
                        entry.event == PracticeEvent::None;
    if (answer && DayOf(entry.minute) == day) return true;
  }
  return false;
}

#include "journal/practice_journal.h"

#include <windows.h>

#include "app/app_globals.h"
#include "settings/config_file_ops.h"

std::string PracticeFilePath() { return FolderOf(g_paths.settingsFile) + kPracticeFileName; }

void RecordPractice(PracticeEvent event) {
  SYSTEMTIME st = {};
  GetLocalTime(&st);
  PracticeTime when;
  when.civil.year = st.wYear;
  when.civil.month = st.wMonth;
  when.civil.day = st.wDay;
  when.civil.hour = st.wHour;
  when.civil.minute = st.wMinute;
  when.second = st.wSecond < 60 ? st.wSecond : 59;  // a leap second counts as the one before
  AppendPracticeEvent(PracticeFilePath(), when, event);
}

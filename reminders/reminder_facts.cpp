#include "reminders/reminder_facts.h"

#include <windows.h>
#include <shellapi.h>

#include "skin/foreground_window.h"

namespace {

// Windows' own "do not disturb" states: busy (a full-screen program),
// full-screen Direct3D, presentation mode, quiet time. The function is
// looked up at run time; where the system lacks it, it says nothing.
bool WindowsAsksForQuiet() {
  using QueryFn = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE*);
  static const QueryFn query = [] {
    HMODULE shell = GetModuleHandleA("shell32.dll");
    return shell ? reinterpret_cast<QueryFn>(reinterpret_cast<void*>(GetProcAddress(shell, "SHQueryUserNotificationState")))
                 : nullptr;
  }();
  QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
  if (!query || FAILED(query(&state))) return false;
  return state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE ||
         state == QUNS_QUIET_TIME;
}

unsigned IdleMs() {
  LASTINPUTINFO last = {};
  last.cbSize = sizeof last;
  if (!GetLastInputInfo(&last)) return 0;  // unknown: taken as present
  return GetTickCount() - last.dwTime;
}

}  // namespace

LocalMinute LocalNow() {
  SYSTEMTIME st = {};
  GetLocalTime(&st);
  CivilTime t;
  t.year = st.wYear;
  t.month = st.wMonth;
  t.day = st.wDay;
  t.hour = st.wHour;
  t.minute = st.wMinute;
  return ToLocalMinute(t);
}

ReminderFacts GatherReminderFacts() {
  ReminderFacts facts;
  facts.now = LocalNow();
  facts.doNotDisturb = WindowsAsksForQuiet() || IsAnotherProgramFullScreen();
  facts.idleMs = IdleMs();
  return facts;
}

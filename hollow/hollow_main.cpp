// hollow: two drifting, fading reminder pictures on the desktop. Runs only
// with "-run"; ends when either window is closed or destroyed.
#include <windows.h>

#include "hollow/reminder_window.h"
#include "hollow/run_argument.h"
#include "settings/language.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (!IsRunArgument(commandLine)) return 0;
  // The language somnivex speaks, as it names it; else Windows' own.
  ApplyLanguageSetting(RunArgumentValue(commandLine, kHollowLanguageArgument));

  // Only informs: once the box is closed a further pair comes up.
  if (FindWindowA(g_reminders[0].className, nullptr)) {
    MessageBoxA(nullptr, "Vododi Reminders Are Already Running.", "Message", MB_ICONINFORMATION | MB_OK);
  }

  for (ReminderWindow& reminder : g_reminders) {
    if (!RegisterReminderClass(instance, reminder)) return 0;
    CreateReminderWindow(instance, reminder);
  }
  for (const ReminderWindow& reminder : g_reminders) ShowWindow(reminder.window, SW_SHOW);

  MSG msg = {};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

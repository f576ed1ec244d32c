#include "reminders/hollow_control.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <vector>

#include "app/app_globals.h"
#include "app/fatal_error.h"
#include "app/fatal_text.h"
#include "reminders/process_name.h"

namespace {

// A process that was told to end is waited for this long, so that the next
// look at the process list no longer finds it.
constexpr DWORD kEndWaitMs = 2000;

std::vector<DWORD> ProcessIdsNamed(const char* name) {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL ok = Process32First(snapshot, &entry); ok; ok = Process32Next(snapshot, &entry)) {
    if (SameProcessName(entry.szExeFile, name)) ids.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return ids;
}

void CloseWindowTitled(const char* title) {
  HWND window = FindWindowA(nullptr, title);
  if (window) SendMessageA(window, WM_CLOSE, 0, 0);
}

}  // namespace

bool IsProcessRunning(const char* name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL ok = Process32First(snapshot, &entry); ok && !found; ok = Process32Next(snapshot, &entry)) {
    found = SameProcessName(entry.szExeFile, name);
  }
  CloseHandle(snapshot);
  return found;
}

void KillProcessesByName(const char* name) {
  std::vector<HANDLE> ending;
  for (DWORD id : ProcessIdsNamed(name)) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) continue;  // no rights, or it has just ended: go on silently
    if (TerminateProcess(process, 9)) {
      ending.push_back(process);
    } else {
      CloseHandle(process);
    }
  }
  const DWORD start = GetTickCount();
  for (HANDLE process : ending) {
    const DWORD spent = GetTickCount() - start;
    WaitForSingleObject(process, spent < kEndWaitMs ? kEndWaitMs - spent : 0);
    CloseHandle(process);
  }
}

void StartHollow() {
  if (IsProcessRunning(kHollowProcessName)) return;
  const HINSTANCE result = ShellExecuteA(nullptr, "open", g_paths.hollowProgram.c_str(), "-run", nullptr, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(result) <= 32) ShowFatalError(kErrorHollowStart);
}

void StopHollow() {
  CloseWindowTitled(kHollowWindow1);
  CloseWindowTitled(kHollowWindow2);
  if (IsProcessRunning(kHollowProcessName)) KillProcessesByName(kHollowProcessName);
  // A hollow that was already on its way out may not have been opened above;
  // give it the same bounded time to leave the process list.
  const DWORD start = GetTickCount();
  while (IsProcessRunning(kHollowProcessName) && GetTickCount() - start < kEndWaitMs) Sleep(20);
}

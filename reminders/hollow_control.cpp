#include "reminders/hollow_control.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "app/app_globals.h"
#include "app/fatal_error.h"
#include "app/fatal_text.h"
#include "settings/wide_text.h"
#include "reminders/process_name.h"
#include "settings/language.h"
#include "settings/translation.h"

namespace {

// A process that was told to end is waited for this long, so that the next
// look at the process list no longer finds it.
constexpr DWORD kEndWaitMs = 2000;
// How long a hollow window has to answer WM_CLOSE.
constexpr UINT kCloseWaitMs = 500;

// A path in the long form the system reports for a running image, so that
// an 8.3 or otherwise differently spelled start of the same file compares
// equal. Unchanged when the file cannot be found.
std::wstring LongPath(const std::wstring& path) {
  std::vector<wchar_t> buffer(32768);
  const DWORD length = GetLongPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return path;
  return std::wstring(buffer.data(), length);
}

// True when the process still runs, in this session, from exactly this image
// file (full paths compared ignoring case). A program that merely shares the
// file name, somewhere else or in another user's session, is none of ours;
// nor is one that has ended but is still listed.
bool RunsImage(DWORD processId, const std::wstring& image, DWORD session) {
  DWORD processSession = 0;
  if (!ProcessIdToSessionId(processId, &processSession) || processSession != session) return false;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, processId);
  if (!process) return false;
  std::vector<wchar_t> buffer(32768);
  DWORD length = static_cast<DWORD>(buffer.size());
  const bool alive = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  const bool named = alive && QueryFullProcessImageNameW(process, 0, buffer.data(), &length) != 0;
  CloseHandle(process);
  if (!named) return false;
  const std::wstring running = LongPath(std::wstring(buffer.data(), length));
  return CompareStringOrdinal(running.c_str(), -1, image.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The processes in this session whose image is the file at imagePath.
std::vector<DWORD> ProcessesOf(const std::string& imagePath) {
  std::vector<DWORD> ids;
  const std::wstring image = LongPath(Widen(imagePath));
  const std::string::size_type slash = imagePath.find_last_of('\\');
  const std::string fileName = slash == std::string::npos ? imagePath : imagePath.substr(slash + 1);
  DWORD session = 0;
  if (!ProcessIdToSessionId(GetCurrentProcessId(), &session)) return ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL ok = Process32FirstW(snapshot, &entry); ok; ok = Process32NextW(snapshot, &entry)) {
    // The file name sorts out nearly every process before the path is asked for.
    if (!SameProcessName(Utf8(entry.szExeFile, wcslen(entry.szExeFile)).c_str(), fileName.c_str())) continue;
    if (RunsImage(entry.th32ProcessID, image, session)) ids.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return ids;
}

// Sends WM_CLOSE to the window with this title when it belongs to our own
// hollow: another program's window of the same title is left alone.
void CloseHollowWindow(const char* title, const std::vector<DWORD>& ours) {
  HWND window = FindWindowA(nullptr, title);
  if (!window) return;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  for (DWORD id : ours) {
    if (id == owner) {
      // A hung hollow must not hang the caller: a short wait, then it is
      // ended below like any hollow that did not leave.
      DWORD_PTR ignored = 0;
      SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kCloseWaitMs, &ignored);
      return;
    }
  }
}

}  // namespace

bool IsProcessRunning(const std::string& imagePath) { return !ProcessesOf(imagePath).empty(); }

void KillProcessesByName(const std::string& imagePath) {
  std::vector<HANDLE> ending;
  for (DWORD id : ProcessesOf(imagePath)) {
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

bool StartHollow() {
  if (IsProcessRunning(g_paths.hollowProgram)) return true;
  // hollow shows its questions in the language in use here: "-run language=de".
  const std::wstring arguments = Widen(std::string("-run ") + kHollowLanguageArgument + LanguageInUse());
  const HINSTANCE result =
      ShellExecuteW(nullptr, L"open", Widen(g_paths.hollowProgram).c_str(), arguments.c_str(), nullptr, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(result) > 32) return true;
  // Missing, blocked by a virus scanner, or no program at all: the user is
  // told, and the reality checks go on without the Vododi Reminders.
  ShowErrorBox(kErrorHollowStart);
  return false;
}

void StopHollow() {
  const std::vector<DWORD> ours = ProcessesOf(g_paths.hollowProgram);
  if (ours.empty()) return;
  CloseHollowWindow(kHollowWindow1, ours);
  CloseHollowWindow(kHollowWindow2, ours);
  if (IsProcessRunning(g_paths.hollowProgram)) KillProcessesByName(g_paths.hollowProgram);
  // A hollow that was already on its way out may not have been opened above;
  // give it the same bounded time to leave the process list.
  const DWORD start = GetTickCount();
  while (IsProcessRunning(g_paths.hollowProgram) && GetTickCount() - start < kEndWaitMs) Sleep(20);
}

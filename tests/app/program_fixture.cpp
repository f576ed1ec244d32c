#include "tests/app/program_fixture.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>

#include "journal/morning_question.h"

using namespace harness;

namespace program {

void ProgramTest::SetUp() {
  folder_ = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
  exe_ = folder_ + "somnivex.exe";
  KillAllHollow();
  DeleteRunValueForTest();
}

void ProgramTest::TearDown() {
  for (Process& p : started_) {
    Kill(p);
    Close(p);
  }
  for (HWND w : TopWindows(kMainTitle)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (h) {
      TerminateProcess(h, 1);
      WaitForSingleObject(h, 5000);
      CloseHandle(h);
    }
  }
  KillAllHollow();
  WaitForNoWindow(kMainTitle, 5000);
}

void ProgramTest::Install(bool withHollow, bool withSound) {
  auto copy = [&](const std::string& from, const char* name) {
    return CopyFileA(from.c_str(), (folder_ + name).c_str(), FALSE) != 0;
  };
  ASSERT_TRUE(copy(source_ + "somnivex.exe", "somnivex.exe"));
  if (withHollow) {
    ASSERT_TRUE(copy(source_ + "hollow.exe", "hollow.exe"));
  }
  if (withSound) {
    const bool fromBuild = source_ == BinDir();
    ASSERT_TRUE(copy(fromBuild ? BinDir() + "..\\resources\\ting.wav" : source_ + "ting.wav", "ting.wav"));
  }
}

void ProgramTest::WriteConfig(const std::string& bytes) { ASSERT_TRUE(harness::WriteFile(folder_ + "config.txt", bytes)); }

std::string ProgramTest::Config() const { return harness::ReadFile(folder_ + "config.txt"); }

std::string ProgramTest::WaitConfig(const std::string& expected, DWORD timeoutMs) const {
  return WaitFile(folder_ + "config.txt", expected, timeoutMs);
}

std::string WaitFile(const std::string& path, const std::string& expected, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  std::string bytes = harness::ReadFile(path);
  while (bytes != expected && GetTickCount() - start < timeoutMs) {
    SleepMs(50);
    bytes = harness::ReadFile(path);
  }
  return bytes;
}

std::string PerUserSettingsFile() {
  char base[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base);
  return std::string(base) + "\\Somnivex\\config.txt";
}

Process ProgramTest::LaunchProcess(const std::string& args) {
  started_.push_back(Start(exe_, args));
  return started_.back();
}

HWND ProgramTest::Launch(const std::string& args) {
  Process p = LaunchProcess(args);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 30000) {
    for (HWND w : TopWindows(kMainTitle)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == p.id) {
        main_ = w;
        WaitIdle(w);
        return w;
      }
    }
    SleepMs(50);
  }
  return nullptr;
}

void ProgramTest::WaitIdle(HWND window) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
  if (window != main_) return;
  // The main window answers while its initialisation waits on another
  // program; wait until that has run to its end.
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 30000) {
    result = 0;
    if (!SendMessageTimeoutA(window, kQueryReady, 0, 0, SMTO_NORMAL, 20000, &result) || result == 1) break;
    SleepMs(20);
  }
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
}

LRESULT ProgramTest::Query(UINT message, WPARAM wParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(main_, message, wParam, 0, SMTO_NORMAL, 20000, &result);
  return static_cast<LRESULT>(result);
}

HWND ProgramTest::Control(int id) const { return GetDlgItem(main_, id); }

void ProgramTest::Click(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  char command[160];
  std::snprintf(command, sizeof command, "/usr/bin/xdotool mousemove %d %d sleep 0.1 click 1 sleep 0.1 mousemove 2 2", x, y);
  RunUnix(command);
}

void ProgramTest::Command(int id) {
  // Posted, as a click's notification is; a sent query would overtake it,
  // so give the command time to start before waiting for the program.
  PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  SleepMs(250);
  WaitIdle(main_);
}

void ProgramTest::Tick() {
  PostMessageA(main_, WM_TIMER, kReminderTimerId, 0);
  SleepMs(300);
  WaitIdle(main_);
}

bool ProgramTest::PopupShows(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    if (Query(kQueryPopupVisible) == 1) return true;
    SleepMs(200);
  }
  return false;
}

void ProgramTest::DismissPopup() {
  HWND popup = WaitForWindow(kPopupTitle, 5000);
  ASSERT_NE(popup, nullptr);
  PostMessageA(popup, WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
  SleepMs(100);
  WaitIdle(popup);
  ASSERT_EQ(Query(kQueryPopupVisible), 0);
}

SYSTEMTIME LocalTimeIn(long long minutes) {
  SYSTEMTIME st = {};
  GetLocalTime(&st);
  return MinutesAfter(st, minutes);
}

std::string LocalDate(int days) {
  const SYSTEMTIME st = LocalTimeIn(days * 24LL * 60);
  char text[16];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", st.wYear, st.wMonth, st.wDay);
  return text;
}

SYSTEMTIME MinutesAfter(SYSTEMTIME st, long long minutes) {
  FILETIME ft = {};
  SystemTimeToFileTime(&st, &ft);
  ULARGE_INTEGER t = {};
  t.LowPart = ft.dwLowDateTime;
  t.HighPart = ft.dwHighDateTime;
  t.QuadPart += minutes * 60 * 10000000LL;
  ft.dwLowDateTime = t.LowPart;
  ft.dwHighDateTime = t.HighPart;
  FileTimeToSystemTime(&ft, &st);
  return st;
}

std::string CaptureScreenUnder(HWND window, const std::string& shot) {
  RECT r = {};
  GetWindowRect(window, &r);
  char command[512];
  std::snprintf(command, sizeof command, "/usr/bin/import -window root -crop %ldx%ld+%ld+%ld +repage %s",
                r.right - r.left, r.bottom - r.top, r.left, r.top, shot.c_str());
  RunUnix(command, 20000);
  return shot;
}

std::string CaptureForReadme(HWND window, const std::string& name) {
  const std::string shot = CaptureScreenUnder(window, UnixPath(WorkFolder()) + "/" + name);
  const char* refs = std::getenv("SMX_REFERENCE_DIR");
  if (std::getenv("SMX_UPDATE_SCREENSHOTS") && refs) {
    CopyFileA(WindowsPath(shot).c_str(), WindowsPath(std::string(refs) + "/" + name).c_str(), FALSE);
  }
  return shot;
}

void ProgramTest::ChooseMenuItem(int index) { ChooseSubmenuItem(index, -1); }

int ProgramTest::PopupItemsAbove() {
  int items = Query(kQueryPopupVisible) == 1 ? 2 : 0;  // I Did The Check, Not Now
  HWND morning = FindWindowA(nullptr, kMorningTitle);
  if (morning && IsWindowVisible(morning)) ++items;  // the answers, or Write it down
  return items;
}

void ProgramTest::ChooseSubmenuItem(int index, int subIndex, int subSubIndex) {
  ChoosePopupItem(index + PopupItemsAbove(), subIndex, subSubIndex);
}

void ProgramTest::ChoosePopupItem(int index, int subIndex, int subSubIndex) {
  PostMessageA(main_, WM_TRAY_CALLBACK, TRAY_ICON_ID, WM_RBUTTONDOWN);
  HWND menu = WaitMenu(10000);
  ASSERT_NE(menu, nullptr);
  // Home selects the first item whatever the mouse may have lit when the
  // menu opened under it; then down to the item.
  SleepMs(100);
  PostMessageA(menu, WM_KEYDOWN, VK_HOME, 0);
  SleepMs(50);
  for (int i = 0; i < index; ++i) {
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    SleepMs(50);
  }
  // Right opens a submenu with its first item selected.
  for (int sub : {subIndex, subSubIndex}) {
    if (sub < 0) break;
    PostMessageA(menu, WM_KEYDOWN, VK_RIGHT, 0);
    SleepMs(200);
    for (int i = 0; i < sub; ++i) {
      PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
      SleepMs(50);
    }
  }
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  SleepMs(300);
  WaitIdle(main_);
}

ProgramTest::Outcome ProgramTest::StartAndSee(std::string* boxText) {
  Process p = LaunchProcess();
  auto shown = [&] {
    for (HWND w : TopWindows(kMainTitle)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == p.id && IsWindowVisible(w)) {
        main_ = w;
        WaitIdle(w);
        return true;
      }
    }
    return false;
  };
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 40000) {
    if (HWND box = WaitForMessageBox("Error", 0, p.id)) {
      *boxText = MessageBoxText(box);
      PressButton(box, IDOK);
      const DWORD after = GetTickCount();
      while (GetTickCount() - after < 20000) {
        const DWORD code = WaitExit(p, 100);
        if (code != static_cast<DWORD>(STILL_ACTIVE)) return code == 0 ? Outcome::kErrorBox : Outcome::kNeither;
        if (shown()) return Outcome::kErrorBoxThenRuns;
      }
      return Outcome::kNeither;
    }
    if (shown()) return Outcome::kRuns;
    if (WaitExit(p, 0) != static_cast<DWORD>(STILL_ACTIVE)) return Outcome::kNeither;
    SleepMs(100);
  }
  return Outcome::kNeither;
}

HWND WaitMenu(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu && IsWindowVisible(menu)) return menu;
    SleepMs(50);
  }
  return nullptr;
}

namespace {

void SetClassCommand(const char* key, const std::string& command) {
  HKEY k = nullptr;
  const std::string path = std::string(key) + "\\shell\\open\\command";
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) == ERROR_SUCCESS) {
    RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>(command.size() + 1));
    RegCloseKey(k);
  }
}

}  // namespace

void RegisterShellRecorder(const std::string& logFile) {
  const std::string recorder = BinDir() + "..\\tests\\shell_recorder.exe";
  const std::string command = "\"" + recorder + "\" \"" + logFile + "\" \"%1\"";
  SetClassCommand("http", command);
  SetClassCommand("https", command);
  HKEY k = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, ".html", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) == ERROR_SUCCESS) {
    const char type[] = "smxtest.htmlfile";
    RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(type), sizeof type);
    RegCloseKey(k);
  }
  SetClassCommand("smxtest.htmlfile", command);
}

std::string FreshShellRecorderLog() {
  const std::string log = WorkFolder() + "shell-recorder.log";
  DeleteFileA(log.c_str());
  return log;
}

void UnregisterShellRecorder() {
  RegDeleteTreeA(HKEY_CLASSES_ROOT, "smxtest.htmlfile");
}

int TrayIconCount() {
  HWND tray = FindWindowA(nullptr, "Wine System Tray");
  if (!tray) return 0;
  int count = 0;
  for (HWND child = GetWindow(tray, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) ++count;
  }
  return count;
}

std::string RegistryText(HKEY root, const std::string& key, const char* value) {
  char data[1024] = {};
  DWORD size = sizeof data - 1;
  DWORD type = 0;
  HKEY k = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return "<no key>";
  const LONG r = RegQueryValueExA(k, value, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(k);
  if (r != ERROR_SUCCESS) return "<none>";
  return type == REG_SZ ? std::string(data) : "<not REG_SZ>";
}

std::string RunValue() { return RegistryText(HKEY_CURRENT_USER, kRunKey, "Somnivex"); }

void DeleteRunValueForTest() {
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &k) == ERROR_SUCCESS) {
    RegDeleteValueA(k, "Somnivex");
    RegCloseKey(k);
  }
}

bool WaitProcessCount(const char* exeName, int count, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (CountProcesses(exeName) != count) {
    if (GetTickCount() - start > timeoutMs) return false;
    SleepMs(100);
  }
  return true;
}

void KillAllHollow() {
  for (int round = 0; round < 3 && CountProcesses("hollow.exe") > 0; ++round) {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 e = {};
    e.dwSize = sizeof e;
    for (BOOL ok = Process32First(snap, &e); ok; ok = Process32Next(snap, &e)) {
      if (lstrcmpiA(e.szExeFile, "hollow.exe") == 0) {
        HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, e.th32ProcessID);
        if (h) {
          TerminateProcess(h, 1);
          WaitForSingleObject(h, 3000);
          CloseHandle(h);
        }
      }
    }
    CloseHandle(snap);
  }
}

}  // namespace program

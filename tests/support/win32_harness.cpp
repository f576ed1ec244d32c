#include "tests/support/win32_harness.h"

#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>

namespace harness {

namespace {

// Every program a test starts inherits this environment: the programs then
// answer the test messages (queries and hooks) that the suites send.
[[maybe_unused]] const bool kHooksOn = SetEnvironmentVariableA("SOMNIVEX_TEST_HOOKS", "1") != 0;

}  // namespace

std::string WindowsPath(const std::string& unixPath) {
  std::string out = "Z:";
  for (char c : unixPath) out += (c == '/') ? '\\' : c;
  return out;
}

std::string UnixPath(const std::string& windowsPath) {
  std::string out = windowsPath.substr(2);  // Z: is the Unix root
  for (char& c : out) c = (c == '\\') ? '/' : c;
  if (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

std::string BinDir() {
  const char* dir = std::getenv("SMX_BIN_DIR");
  std::string path = dir ? WindowsPath(dir) : std::string(".");
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

namespace {

bool DeleteTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string full = folder + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteTree(full + "\\");
      } else {
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  std::string trimmed = folder;
  if (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
  SetFileAttributesA(trimmed.c_str(), FILE_ATTRIBUTE_NORMAL);
  return RemoveDirectoryA(trimmed.c_str()) != 0;
}

}  // namespace

std::string WorkFolder() {
  const char* dir = std::getenv("SMX_WORK_DIR");
  std::string path;
  if (dir && *dir) {
    path = WindowsPath(dir);
  } else {
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof cwd, cwd);
    path = cwd;
  }
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

std::string FreshFolder(const std::string& name) {
  std::string base = WorkFolder() + "scratch\\";
  CreateDirectoryA(base.c_str(), nullptr);
  std::string folder = base + name + "\\";
  DeleteTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

bool CopyProgram(const std::string& fileName, const std::string& toFolder) {
  return CopyFileA((BinDir() + fileName).c_str(), (toFolder + fileName).c_str(), FALSE) != 0;
}

Process Start(const std::string& exe, const std::string& args) {
  Process p;
  std::string folder = exe.substr(0, exe.rfind('\\') + 1);
  std::string command = "\"" + exe + "\"";
  if (!args.empty()) command += " " + args;
  std::vector<char> buffer(command.begin(), command.end());
  buffer.push_back('\0');
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.empty() ? nullptr : folder.c_str(), &si, &pi)) {
    CloseHandle(pi.hThread);
    p.handle = pi.hProcess;
    p.id = pi.dwProcessId;
  }
  return p;
}

DWORD WaitExit(Process& p, DWORD timeoutMs) {
  if (!p.handle) return STILL_ACTIVE;
  if (WaitForSingleObject(p.handle, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(p.handle, &code);
  return code;
}

void Kill(Process& p) {
  if (!p.handle) return;
  TerminateProcess(p.handle, 1);
  WaitForSingleObject(p.handle, 5000);
}

void Close(Process& p) {
  if (p.handle) CloseHandle(p.handle);
  p.handle = nullptr;
}

HWND WaitForWindow(const char* title, DWORD timeoutMs, const char* className) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND w = FindWindowA(className, title);
    if (w) return w;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(50);
  }
}

RECT PrimaryWorkArea() {
  RECT work = {};
  // While Wine renews its display devices the monitor list is briefly empty;
  // a moment later it is whole again.
  for (int attempt = 0; attempt < 40 && IsRectEmpty(&work); ++attempt) {
    if (attempt) Sleep(50);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    const POINT origin = {0, 0};
    if (GetMonitorInfoA(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &monitor)) work = monitor.rcWork;
  }
  if (IsRectEmpty(&work)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

bool WaitForNoWindow(const char* title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (FindWindowA(nullptr, title)) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  return true;
}

namespace {

struct Collect {
  const char* title;
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND w, LPARAM param) {
  Collect* c = reinterpret_cast<Collect*>(param);
  if (c->title) {
    char text[512] = {};
    GetWindowTextA(w, text, sizeof text);
    if (std::string(text) == c->title) c->found.push_back(w);
  } else {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == c->processId) c->found.push_back(w);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(const char* title) {
  Collect c{title, 0, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&c));
  return c.found;
}

std::vector<HWND> WindowsOfProcess(DWORD processId) {
  Collect c{nullptr, processId, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&c));
  return c.found;
}

HWND WaitForMessageBox(const char* title, DWORD timeoutMs, DWORD processId) {
  const DWORD start = GetTickCount();
  for (;;) {
    for (HWND w : TopWindows(title)) {
      char cls[64] = {};
      GetClassNameA(w, cls, sizeof cls);
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (std::string(cls) == "#32770" && IsWindowVisible(w) && (processId == 0 || pid == processId)) return w;
    }
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(50);
  }
}

std::string MessageBoxText(HWND box) {
  char text[4096] = {};
  HWND label = GetDlgItem(box, 0xFFFF);
  if (label) GetWindowTextA(label, text, sizeof text);
  return text;
}

void PressButton(HWND box, int buttonId) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

std::string ReadFile(const std::string& path) {
  std::string bytes;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return bytes;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  std::fclose(f);
  return bytes;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RunUnix(const std::string& commandLine, DWORD timeoutMs) {
  // Wine starts Unix programs directly but cannot wait for them: the shell
  // leaves a marker file when the command is done, and that is waited for.
  static unsigned counter = 0;
  char name[64];
  wsprintfA(name, "unix-done-%lu-%u", GetCurrentProcessId(), ++counter);
  const std::string marker = WorkFolder() + name;
  std::string unixMarker = marker.substr(2);  // the folder lies on Z:, the Unix root
  for (char& c : unixMarker) c = (c == '\\') ? '/' : c;
  DeleteFileA(marker.c_str());
  // Wine hands the Unix program its arguments split by the Windows rules:
  // one double-quoted argument for sh, inner quotes escaped.
  std::string script = commandLine + "; : > " + unixMarker;
  std::string quoted;
  for (char c : script) {
    if (c == '"') quoted += '\\';
    quoted += c;
  }
  std::string shell = "/bin/sh -c \"" + quoted + "\"";
  std::vector<char> buffer(shell.begin(), shell.end());
  buffer.push_back('\0');
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  const DWORD start = GetTickCount();
  while (!FileExists(marker) && GetTickCount() - start < timeoutMs) Sleep(20);
  DeleteFileA(marker.c_str());
}

int CountProcesses(const char* exeName) {
  int count = 0;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL ok = Process32First(snap, &entry); ok; ok = Process32Next(snap, &entry)) {
    if (lstrcmpiA(entry.szExeFile, exeName) == 0) ++count;
  }
  CloseHandle(snap);
  return count;
}

void SleepMs(DWORD ms) { Sleep(ms); }

}  // namespace harness

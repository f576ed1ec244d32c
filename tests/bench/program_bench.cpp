// Running cost of the shipped programs under Wine, each figure measured
// against a yardstick in the same run:
//   startup  time from process start to the main window showing and to the
//            end of its fade-in, against a minimal dialog program
//   idle     CPU time and wake-ups over a stretch with the window hidden
//            (somnivex), and for hollow while its pictures show and drift
//            (the first 30 s) and over 60 s while both are faded out, each
//            against the minimal program; hollow's average over its whole
//            cycle of 2730 s (30 s shown, the rest hidden) follows from these
//   memory   private bytes after start-up and after an hour of use: for
//            somnivex 720 tip changes, 6 reality checks (the shortest
//            interval) and 6 about boxes; for hollow 120 fade ticks a window
// Usage: program_bench.exe FOLDER [idle-seconds]
// FOLDER holds somnivex.exe, hollow.exe and minimal_dialog.exe.
#include <windows.h>
#include <psapi.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/main_window.h"
#include "resources/resource_ids.h"

namespace {

struct Started {
  PROCESS_INFORMATION pi = {};
  bool ok = false;
};

Started Launch(const std::string& exe, const std::string& args) {
  Started s;
  std::string command = "\"" + exe + "\" " + args;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  const std::string folder = exe.substr(0, exe.rfind('\\') + 1);
  s.ok = CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &s.pi) != 0;
  return s;
}

void End(Started& s) {
  TerminateProcess(s.pi.hProcess, 0);
  WaitForSingleObject(s.pi.hProcess, 5000);
  CloseHandle(s.pi.hThread);
  CloseHandle(s.pi.hProcess);
}

double NowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * double(c.QuadPart) / double(f.QuadPart);
}

HWND WindowOf(DWORD pid, const char* title) {
  HWND w = FindWindowA(nullptr, title);
  while (w) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid) return w;
    w = FindWindowExA(nullptr, w, nullptr, title);
  }
  return nullptr;
}

// Milliseconds until the window is visible, and until its constant alpha
// reaches `finalAlpha` (0: not layered, the first figure is used).
void MeasureStart(const std::string& exe, const char* title, BYTE finalAlpha, double* shown, double* faded) {
  const double t0 = NowMs();
  Started s = Launch(exe, "");
  *shown = *faded = -1;
  while (s.ok && NowMs() - t0 < 30000) {
    HWND w = WindowOf(s.pi.dwProcessId, title);
    if (w && IsWindowVisible(w)) {
      if (*shown < 0) *shown = NowMs() - t0;
      BYTE alpha = 0;
      DWORD flags = 0;
      if (finalAlpha == 0 || (GetLayeredWindowAttributes(w, nullptr, &alpha, &flags) && alpha >= finalAlpha)) {
        *faded = NowMs() - t0;
        break;
      }
    }
    Sleep(2);
  }
  End(s);
  // Let the system finish with the ended process before the next start.
  Sleep(1500);
}

double CpuMs(HANDLE process) {
  FILETIME c, e, k, u;
  if (!GetProcessTimes(process, &c, &e, &k, &u)) return -1;
  auto ms = [](FILETIME f) { return (double(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) / 10000.0; };
  return ms(k) + ms(u);
}

double PrivateMb(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) return -1;
  // Wine keeps the private bytes in the page-file figure.
  return (counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage) / 1048576.0;
}

std::string ReadWhole(const std::string& path) {
  std::string bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
  }
  return bytes;
}

// Under Wine each Windows process is a Linux process whose command line
// names the executable; its CPU time and its threads' scheduler counts are
// in /proc, which Wine shows on drive Z: (Wine gives no CPU times for other
// processes). The newest live match counts. Empty where there is no such
// process (Windows).
std::string LinuxProcessOf(const char* exeName) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA("Z:\\proc\\*", &entry);
  if (find == INVALID_HANDLE_VALUE) return "";
  long newest = 0;
  do {
    const long pid = std::atol(entry.cFileName);
    if (pid <= newest) continue;
    const std::string dir = std::string("Z:\\proc\\") + entry.cFileName;
    std::string line = ReadWhole(dir + "\\cmdline");
    for (char& c : line) c = static_cast<char>(c == 0 ? ' ' : std::tolower(static_cast<unsigned char>(c)));
    if (line.find(exeName) == std::string::npos) continue;
    if (ReadWhole(dir + "\\status").find("State:\tZ") != std::string::npos) continue;
    newest = pid;
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return newest ? std::to_string(newest) : "";
}

// User and system CPU time of the whole process in milliseconds (Linux
// counts in ticks of 1/100 s); -1 where unknown.
double LinuxCpuMs(const std::string& linuxPid) {
  if (linuxPid.empty()) return -1;
  const std::string stat = ReadWhole("Z:\\proc\\" + linuxPid + "\\stat");
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  // After the name: state, then fields 4 to 13, then utime and stime.
  const char* p = stat.c_str() + close + 2;
  for (int field = 3; field < 14 && *p; ++field) p = std::strchr(p, ' ') ? std::strchr(p, ' ') + 1 : "";
  char* end = nullptr;
  const double user = std::strtod(p, &end);
  const double system = std::strtod(end, nullptr);
  return (user + system) * 10.0;
}

// Times the process's threads were woken from sleep (voluntary context
// switches, summed over its threads); -1 where unknown.
long long WakeUps(const std::string& linuxPid) {
  if (linuxPid.empty()) return -1;
  const std::string tasks = "Z:\\proc\\" + linuxPid + "\\task\\";
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((tasks + "*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return -1;
  long long total = 0;
  do {
    if (entry.cFileName[0] < '1' || entry.cFileName[0] > '9') continue;
    const std::string status = ReadWhole(tasks + entry.cFileName + "\\status");
    const size_t at = status.find("voluntary_ctxt_switches:");
    if (at != std::string::npos && (at == 0 || status[at - 1] == '\n')) total += std::atoll(status.c_str() + at + 24);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return total;
}

struct Idle {
  double cpuMs = -1;
  double wakeUpsPerSecond = -1;
  double startMb = -1;
  double hourMb = -1;
};

void Post(HWND window, UINT message, WPARAM w = 0, LPARAM l = 0) {
  PostMessageA(window, message, w, l);
}

// Waits until the window has handled everything posted to it so far.
void Settle(HWND window) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
}

HWND WaitWindow(const char* title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  HWND w = nullptr;
  while (!(w = FindWindowA(nullptr, title)) && GetTickCount() - start < timeoutMs) Sleep(20);
  return w;
}

// One hour of use at the shortest reminder interval, compressed.
void SomnivexHour(HWND main) {
  for (int i = 0; i < 720; ++i) Post(main, WM_TIMER, kTipsTimerId);
  Settle(main);
  for (int i = 0; i < 6; ++i) {
    Post(main, WM_COMMAND, MAKEWPARAM(IDC_TEST_REALITY, BN_CLICKED));
    Sleep(200);
    if (HWND popup = WaitWindow("SMX - Reality Check", 20000)) {
      Settle(popup);
      Post(popup, WM_RBUTTONUP);
      Sleep(50);
      Settle(popup);
    }
    Post(main, WM_COMMAND, MAKEWPARAM(IDC_ABOUT, BN_CLICKED));
    Sleep(200);
    if (HWND about = WaitWindow("SMX About", 20000)) {
      Settle(about);
      Post(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_CLOSE, BN_CLICKED));
      const DWORD start = GetTickCount();
      while (IsWindow(about) && GetTickCount() - start < 10000) Sleep(20);
    }
  }
}

// An hour of hollow: 120 fade ticks a window (two fade-ins and outs each).
void HollowHour(HWND) {
  HWND first = FindWindowA(nullptr, "SM Vododi Reminders 1"), second = FindWindowA(nullptr, "SM Vododi Reminders 2");
  for (int i = 0; i < 120; ++i) {
    Post(first, WM_TIMER, 575);
    Post(second, WM_TIMER, 578);
  }
  Settle(first);
  Settle(second);
}

// Fades both pictures out, as the first fade tick does 30 s after start.
void FadeOutHollow(HWND) {
  HWND first = FindWindowA(nullptr, "SM Vododi Reminders 1"), second = FindWindowA(nullptr, "SM Vododi Reminders 2");
  Post(first, WM_TIMER, 575);
  Post(second, WM_TIMER, 578);
  Settle(first);
  Settle(second);
  Sleep(1000);
}

// CPU time and wake-ups over `seconds` once the program has settled (and
// `prepare` has run), then the memory after an hour of use.
Idle MeasureIdle(const std::string& exe, const std::string& args, const char* title, const char* exeName, bool hide,
                 int seconds, void (*hour)(HWND), void (*prepare)(HWND) = nullptr) {
  Idle r;
  Started s = Launch(exe, args);
  if (!s.ok) return r;
  const double t0 = NowMs();
  while (!WindowOf(s.pi.dwProcessId, title) && NowMs() - t0 < 30000) Sleep(50);
  Sleep(3000);
  HWND window = WindowOf(s.pi.dwProcessId, title);
  if (hide) ShowWindow(window, SW_HIDE);
  if (prepare) prepare(window);
  Sleep(1000);
  r.startMb = PrivateMb(s.pi.hProcess);
  const std::string pid = LinuxProcessOf(exeName);
  // The Linux process's figure under Wine, the system's own on Windows.
  auto cpu = [&]() {
    const double linux = LinuxCpuMs(pid);
    return linux >= 0 ? linux : CpuMs(s.pi.hProcess);
  };
  const long long wakeBefore = WakeUps(pid);
  const double before = cpu();
  Sleep(seconds * 1000);
  r.cpuMs = cpu() - before;
  const long long wakeAfter = WakeUps(pid);
  if (wakeBefore >= 0 && wakeAfter >= wakeBefore) r.wakeUpsPerSecond = double(wakeAfter - wakeBefore) / seconds;
  if (hour) {
    hour(window);
    Sleep(1000);
    r.hourMb = PrivateMb(s.pi.hProcess);
  }
  End(s);
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: program_bench FOLDER [idle-seconds]\n");
    return 2;
  }
  std::string folder = argv[1];
  if (folder.back() != '\\') folder += '\\';
  const int idleSeconds = argc > 2 ? std::atoi(argv[2]) : 120;
  const std::string somnivex = folder + "somnivex.exe", hollow = folder + "hollow.exe";
  const std::string minimal = folder + "minimal_dialog.exe";

  double sShown = 0, sFaded = 0, mShown = 0, mFaded = 0, best = 1e9, bestMin = 1e9, bestFade = 1e9;
  for (int run = 0; run < 3; ++run) {
    MeasureStart(minimal, "Minimal Dialog..", 0, &mShown, &mFaded);
    MeasureStart(somnivex, "Somnivex..", 225, &sShown, &sFaded);
    if (sShown > 0 && sShown < best) best = sShown;
    if (sFaded > 0 && sFaded < bestFade) bestFade = sFaded;
    if (mShown > 0 && mShown < bestMin) bestMin = mShown;
    DeleteFileA((folder + "config.txt").c_str());
  }
  std::printf("startup: somnivex shown %.0f ms, faded in %.0f ms; minimal dialog shown %.0f ms; ratio %.2f (shown), %.2f (faded)\n",
              best, bestFade, bestMin, best / bestMin, bestFade / bestMin);

  const Idle sIdle = MeasureIdle(somnivex, "", "Somnivex..", "somnivex.exe", true, idleSeconds, SomnivexHour);
  // The pictures show for the first 30 s after start; the drifting stretch
  // ends before that (it begins about 4 s after start).
  const int shownSeconds = idleSeconds < 20 ? idleSeconds : 20;
  const int hiddenSeconds = 60;
  const Idle hIdle = MeasureIdle(hollow, "-run", "SM Vododi Reminders 1", "hollow.exe", false, shownSeconds, HollowHour);
  const Idle hHidden =
      MeasureIdle(hollow, "-run", "SM Vododi Reminders 1", "hollow.exe", false, hiddenSeconds, nullptr, FadeOutHollow);
  const Idle mIdle = MeasureIdle(minimal, "", "Minimal Dialog..", "minimal_dialog.exe", true, idleSeconds, nullptr);
  const double seconds = idleSeconds;
  std::printf("idle over %d s: somnivex hidden %.0f ms CPU (%.3f %% of a core), minimal dialog hidden %.0f ms CPU; "
              "difference %.0f ms\n",
              idleSeconds, sIdle.cpuMs, sIdle.cpuMs / (seconds * 10.0), mIdle.cpuMs, sIdle.cpuMs - mIdle.cpuMs);
  const double shownShare = hIdle.cpuMs / (shownSeconds * 10.0);
  const double hiddenShare = hHidden.cpuMs / (hiddenSeconds * 10.0);
  const double minimalShare = mIdle.cpuMs / (seconds * 10.0);
  std::printf("hollow shown and drifting, over %d s: %.0f ms CPU (%.2f %% of a core)\n", shownSeconds, hIdle.cpuMs,
              shownShare);
  std::printf("hollow with both pictures faded out, over %d s: %.0f ms CPU (%.3f %% of a core); "
              "minimal dialog hidden %.3f %% of a core\n",
              hiddenSeconds, hHidden.cpuMs, hiddenShare, minimalShare);
  std::printf("hollow over a whole cycle (30 s shown, 2700 s hidden): %.3f %% of a core\n",
              (shownShare * 30 + hiddenShare * 2700) / 2730);
  std::printf("wake-ups per second: somnivex hidden %.1f, hollow drifting %.1f, hollow hidden %.1f, minimal dialog %.1f\n",
              sIdle.wakeUpsPerSecond, hIdle.wakeUpsPerSecond, hHidden.wakeUpsPerSecond, mIdle.wakeUpsPerSecond);
  std::printf("memory after start-up (private): somnivex %.1f MB, hollow %.1f MB, minimal dialog %.1f MB\n",
              sIdle.startMb, hIdle.startMb, mIdle.startMb);
  std::printf("memory after an hour of use: somnivex %.1f MB (720 tips, 6 reality checks, 6 about boxes), "
              "hollow %.1f MB (120 fade ticks a window)\n",
              sIdle.hourMb, hIdle.hourMb);
  DeleteFileA((folder + "config.txt").c_str());
  return 0;
}

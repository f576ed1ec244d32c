// Running cost of the shipped programs under Wine, each figure measured
// against a yardstick in the same run:
//   startup  time from process start to the main window showing and to the
//            end of its fade-in, against a minimal dialog program
//   idle     CPU time and wake-ups over a stretch with the window hidden
//            (somnivex) and while drifting (hollow), against the minimal program
//   memory   private bytes after start-up
// Usage: program_bench.exe FOLDER [idle-seconds]
// FOLDER holds somnivex.exe, hollow.exe and minimal_dialog.exe.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

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
  return counters.PrivateUsage / 1048576.0;
}

// CPU time used over `seconds` once the program has settled.
double IdleCpu(const std::string& exe, const std::string& args, const char* title, bool hide, int seconds, double* memory) {
  Started s = Launch(exe, args);
  if (!s.ok) return -1;
  const double t0 = NowMs();
  while (!WindowOf(s.pi.dwProcessId, title) && NowMs() - t0 < 30000) Sleep(50);
  Sleep(3000);
  if (hide) ShowWindow(WindowOf(s.pi.dwProcessId, title), SW_HIDE);
  Sleep(1000);
  *memory = PrivateMb(s.pi.hProcess);
  const double before = CpuMs(s.pi.hProcess);
  Sleep(seconds * 1000);
  const double used = CpuMs(s.pi.hProcess) - before;
  End(s);
  return used;
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
    MeasureStart(somnivex, "Somnivex..", 225, &sShown, &sFaded);
    MeasureStart(minimal, "Minimal Dialog..", 0, &mShown, &mFaded);
    if (sShown > 0 && sShown < best) best = sShown;
    if (sFaded > 0 && sFaded < bestFade) bestFade = sFaded;
    if (mShown > 0 && mShown < bestMin) bestMin = mShown;
    DeleteFileA((folder + "config.txt").c_str());
  }
  std::printf("startup: somnivex shown %.0f ms, faded in %.0f ms; minimal dialog shown %.0f ms; ratio %.2f (shown), %.2f (faded)\n",
              best, bestFade, bestMin, best / bestMin, bestFade / bestMin);

  double sMem = 0, hMem = 0, mMem = 0;
  const double sCpu = IdleCpu(somnivex, "", "Somnivex..", true, idleSeconds, &sMem);
  const double hCpu = IdleCpu(hollow, "-run", "SM Vododi Reminders 1", false, idleSeconds, &hMem);
  const double mCpu = IdleCpu(minimal, "", "Minimal Dialog..", true, idleSeconds, &mMem);
  std::printf("idle over %d s: somnivex hidden %.0f ms CPU (%.3f %%), hollow drifting %.0f ms CPU (%.3f %%), minimal %.0f ms CPU\n",
              idleSeconds, sCpu, 100.0 * sCpu / (idleSeconds * 1000.0), hCpu, 100.0 * hCpu / (idleSeconds * 1000.0), mCpu);
  std::printf("memory after start-up: somnivex %.1f MB private, hollow %.1f MB, minimal %.1f MB\n", sMem, hMem, mMem);
  DeleteFileA((folder + "config.txt").c_str());
  return 0;
}

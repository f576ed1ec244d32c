// Helpers for Win32 tests that drive real programs under Wine: starting
// processes, waiting for windows, answering message boxes, files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

// "Z:\..." form of a Unix path (Wine maps Z: to the Unix root).
std::string WindowsPath(const std::string& unixPath);
// Unix path of a "Z:\..." path, without a trailing slash.
std::string UnixPath(const std::string& windowsPath);
// Folder of the built programs (SMX_BIN_DIR), in Windows form, with a trailing backslash.
std::string BinDir();
// The folder for what a test run writes (scratch folders, screenshots,
// logs), in Windows form with a trailing backslash: the Wine slot's own
// (SMX_WORK_DIR, set by cmake/wine-exec), else the current folder. Suites
// that run side by side in different slots never share it.
std::string WorkFolder();
// A fresh, empty folder for one test inside WorkFolder(), in Windows form
// with a trailing backslash.
std::string FreshFolder(const std::string& name);
bool CopyProgram(const std::string& fileName, const std::string& toFolder);

struct Process {
  HANDLE handle = nullptr;
  DWORD id = 0;
};
// Starts "exe args" with the folder of exe as the current folder.
Process Start(const std::string& exe, const std::string& args = "");
// Waits for the process to end; returns its exit code, or STILL_ACTIVE on timeout.
DWORD WaitExit(Process& p, DWORD timeoutMs);
void Kill(Process& p);
void Close(Process& p);

// Polls until a top-level window with the title (and class, if given) exists.
HWND WaitForWindow(const char* title, DWORD timeoutMs, const char* className = nullptr);
// Polls until no top-level window with the title exists.
bool WaitForNoWindow(const char* title, DWORD timeoutMs);
// The primary monitor's work area, read afresh from the monitor. (Wine keeps
// the first SPI_GETWORKAREA answer of a process for good, and that answer
// can be empty when the display devices were being renewed at that moment.)
RECT PrimaryWorkArea();
// All top-level windows with this exact title.
std::vector<HWND> TopWindows(const char* title);
// All top-level windows of one process.
std::vector<HWND> WindowsOfProcess(DWORD processId);

// A message box of the given title (class #32770) belonging to processId (0: any).
HWND WaitForMessageBox(const char* title, DWORD timeoutMs, DWORD processId = 0);
// The box's text (its static control with id 0xFFFF).
std::string MessageBoxText(HWND box);
// Presses the box's button with the id (IDOK, IDYES, IDNO...).
void PressButton(HWND box, int buttonId);

std::string ReadFile(const std::string& path);
bool WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// Runs a Unix program (xdotool, import) from the Windows test; Wine starts
// Unix executables directly. Waits up to timeoutMs.
void RunUnix(const std::string& commandLine, DWORD timeoutMs = 10000);

// Counts running processes with this executable name (ASCII case ignored).
int CountProcesses(const char* exeName);

void SleepMs(DWORD ms);

}  // namespace harness

#include "app/tray_icon.h"

#include <shellapi.h>

#include "app/app_globals.h"
#include "app/maker_info.h"
#include "app/option_menus.h"
#include "app/reminder_pacing.h"
#include "journal/dream_window.h"
#include "journal/practice_window.h"
#include "resources/resource_ids.h"
#include "settings/autostart.h"
#include "settings/settings_file.h"
#include "settings/shell_open.h"
#include "skin/layered_window.h"

namespace {

// The record of the icon, kept because the quit path removes the icon with it.
// Its size is that of the record version with a 128-character tip and the
// balloon fields: 488 bytes in the 32-bit program.
NOTIFYICONDATAA g_trayIcon;
HMENU g_trayMenu = nullptr;
constexpr DWORD kTrayRecordSize = NOTIFYICONDATAA_V2_SIZE;
#ifndef _WIN64
static_assert(kTrayRecordSize == 488, "tray record of the 32-bit program");
#endif

void OpenTrayMenu(HWND mainWindow) {
  POINT cursor = {};
  GetCursorPos(&cursor);
  SetForegroundWindow(mainWindow);
  const UINT command = static_cast<UINT>(TrackPopupMenu(g_trayMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY,
                                                        cursor.x, cursor.y, 0, mainWindow, nullptr));
  switch (command) {
    case IDM_QUIT:
      SendMessageA(mainWindow, WM_CLOSE, 0, 0);
      break;
    case IDM_MAKER:
      OpenWithShell(kMakerHomePage);
      break;
    case IDM_SHOW:
      ShowMainWindow(mainWindow);
      break;
    case IDM_MY_PRACTICE:
      RunPracticeWindow();
      break;
    case IDM_DREAM_JOURNAL:
      RunDreamJournal();
      break;
    case IDM_STARTUP:
      ToggleAutostart();
      SaveSettings();
      break;
    default:
      OnOptionCommand(mainWindow, command);  // the submenus; 0 when dismissed
      break;
  }
}

}  // namespace

void CreateTrayIcon(HWND mainWindow) {
  ZeroMemory(&g_trayIcon, sizeof g_trayIcon);
  g_trayIcon.cbSize = kTrayRecordSize;
  g_trayIcon.hWnd = mainWindow;
  g_trayIcon.uID = TRAY_ICON_ID;
  g_trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  g_trayIcon.uCallbackMessage = WM_TRAY_CALLBACK;
  g_trayIcon.hIcon = static_cast<HICON>(LoadImageA(g_instance, MAKEINTRESOURCEA(IDI_SOMNIVEX), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  lstrcpynA(g_trayIcon.szTip, "Somnivex", sizeof g_trayIcon.szTip);
  Shell_NotifyIconA(NIM_ADD, &g_trayIcon);
  // A program run as administrator would otherwise never hear that Explorer
  // (which runs as the user) made a new taskbar.
  ChangeWindowMessageFilterEx(mainWindow, RegisterWindowMessageA("TaskbarCreated"), MSGFLT_ALLOW, nullptr);

  g_trayMenu = CreatePopupMenu();
  AppendMenuA(g_trayMenu, MF_STRING | MF_CHECKED, IDM_STARTUP, "Invoke At Startup");
  AppendMenuA(g_trayMenu, MF_STRING, IDM_SHOW, "Show Application");
  AppendOptionMenus(g_trayMenu);
  AppendMenuA(g_trayMenu, MF_STRING, IDM_MY_PRACTICE, "My Practice...");
  AppendMenuA(g_trayMenu, MF_STRING, IDM_DREAM_JOURNAL, "Dream Journal...");
  AppendMenuA(g_trayMenu, MF_STRING, IDM_MAKER, kMakerHostName);
  AppendMenuA(g_trayMenu, MF_STRING, IDM_QUIT, "Quit Application");
}

void AddTrayIconAgain() {
  if (g_trayIcon.hWnd) Shell_NotifyIconA(NIM_ADD, &g_trayIcon);
}

void HandleTrayNotify(HWND mainWindow, LPARAM mouseMessage) {
  switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP:
      ShowMainWindow(mainWindow);
      break;
    case WM_RBUTTONDOWN:
      OpenTrayMenu(mainWindow);
      break;
    default:
      break;
  }
}

void SetTrayTip(const char* tip) {
  if (!g_trayIcon.hWnd || lstrcmpA(g_trayIcon.szTip, tip) == 0) return;
  lstrcpynA(g_trayIcon.szTip, tip, sizeof g_trayIcon.szTip);
  Shell_NotifyIconA(NIM_MODIFY, &g_trayIcon);
}

void SetStartupMenuCheck(bool checked) {
  if (g_trayMenu) CheckMenuItem(g_trayMenu, IDM_STARTUP, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool IsStartupMenuChecked() {
  return g_trayMenu && (GetMenuState(g_trayMenu, IDM_STARTUP, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void DestroyTrayMenu() {
  if (g_trayMenu) DestroyMenu(g_trayMenu);
  g_trayMenu = nullptr;
}

void RemoveTrayIcon() { Shell_NotifyIconA(NIM_DELETE, &g_trayIcon); }

#include "app/tray_icon.h"

#include <shellapi.h>

#include "app/app_globals.h"
#include "app/maker_info.h"
#include "app/option_menus.h"
#include "app/reminder_pacing.h"
#include "app/tray_popup_items.h"
#include "settings/wide_text.h"
#include "journal/dream_window.h"
#include "journal/practice_window.h"
#include "resources/resource_ids.h"
#include "settings/autostart.h"
#include "settings/settings_file.h"
#include "settings/shell_open.h"
#include "settings/translation.h"
#include "skin/layered_window.h"

namespace {

// The record of the icon, kept because the quit path removes the icon with it.
// Its size is that of the record version with a 128-character tip and the
// balloon fields: 936 bytes in the 32-bit program. The tip is UTF-16, so
// that it can be in any language.
NOTIFYICONDATAW g_trayIcon;
HMENU g_trayMenu = nullptr;
constexpr DWORD kTrayRecordSize = NOTIFYICONDATAW_V2_SIZE;
#ifndef _WIN64
static_assert(kTrayRecordSize == 936, "tray record of the 32-bit program");
#endif

// The menu at `at` (the cursor, or the icon when the keyboard opened it).
void OpenTrayMenu(HWND mainWindow, POINT at) {
  SetForegroundWindow(mainWindow);
  const int popupItems = InsertPopupItems(g_trayMenu);
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(g_trayMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, mainWindow, nullptr));
  RemovePopupItems(g_trayMenu, popupItems);
  if (OnPopupItemCommand(command)) return;
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

// Adds the icon and asks for version 4 of its messages: with it the
// keyboard reaches the icon (Enter and Space send NIN_KEYSELECT, Shift+F10
// and the menu key WM_CONTEXTMENU). A shell that refuses keeps version 0,
// whose messages HandleTrayNotify tells apart by their layout.
void AddIcon() {
  Shell_NotifyIconW(NIM_ADD, &g_trayIcon);
  NOTIFYICONDATAW version = g_trayIcon;
  version.uVersion = NOTIFYICON_VERSION_4;
  Shell_NotifyIconW(NIM_SETVERSION, &version);
}

POINT CursorPoint() {
  POINT cursor = {};
  GetCursorPos(&cursor);
  return cursor;
}

void Append(UINT flags, UINT_PTR id, const char* text) { AppendMenuW(g_trayMenu, flags, id, Widen(text).c_str()); }

// The menu in the language in use, its submenus' marks not yet set.
void BuildTrayMenu(bool startupChecked) {
  g_trayMenu = CreatePopupMenu();
  // Translators: an item of the tray icon's menu, checked while the program
  // starts with Windows; about 30 characters at most.
  Append(MF_STRING | (startupChecked ? MF_CHECKED : MF_UNCHECKED), IDM_STARTUP, Tr("Invoke At Startup"));
  // Translators: an item of the tray icon's menu that shows the main window.
  Append(MF_STRING, IDM_SHOW, Tr("Show Application"));
  AppendOptionMenus(g_trayMenu);
  // Translators: an item of the tray icon's menu that opens the record of
  // the reality checks of the last four weeks.
  Append(MF_STRING, IDM_MY_PRACTICE, Tr("My Practice..."));
  // Translators: an item of the tray icon's menu that opens the dream journal.
  Append(MF_STRING, IDM_DREAM_JOURNAL, Tr("Dream Journal..."));
  Append(MF_STRING, IDM_MAKER, kMakerHostName);  // an address, the same in every language
  // Translators: the last item of the tray icon's menu: ends the program.
  Append(MF_STRING, IDM_QUIT, Tr("Quit Application"));
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
  lstrcpynW(g_trayIcon.szTip, L"Somnivex", ARRAYSIZE(g_trayIcon.szTip));
  AddIcon();
  // A program run as administrator would otherwise never hear that Explorer
  // (which runs as the user) made a new taskbar.
  ChangeWindowMessageFilterEx(mainWindow, RegisterWindowMessageA("TaskbarCreated"), MSGFLT_ALLOW, nullptr);
  BuildTrayMenu(true);
}

void RebuildTrayMenu() {
  const bool startupChecked = IsStartupMenuChecked();
  DestroyTrayMenu();  // with its submenus
  BuildTrayMenu(startupChecked);
}

void AddTrayIconAgain() {
  if (g_trayIcon.hWnd) AddIcon();
}

void HandleTrayNotify(HWND mainWindow, WPARAM wParam, LPARAM lParam) {
  // Version 4 puts the event in the low word and the icon's id in the high
  // word, with the place of the icon or the cursor in wParam. The version 0
  // layout (the event alone; a shell that kept it, or a message posted
  // that way) has 0 in the high word.
  const UINT event = LOWORD(lParam);
  const bool layout4 = HIWORD(lParam) == TRAY_ICON_ID;
  const POINT anchor = layout4 ? POINT{static_cast<short>(LOWORD(wParam)), static_cast<short>(HIWORD(wParam))} : CursorPoint();
  switch (event) {
    case NIN_SELECT:     // a click, after its button messages
    case NIN_KEYSELECT:  // Enter or Space on the icon
      ShowMainWindow(mainWindow);
      break;
    case WM_CONTEXTMENU:  // after a right click, or Shift+F10 and the menu key
      OpenTrayMenu(mainWindow, anchor);
      break;
    // With version 4 the shell follows these with the two above; alone they
    // are the version 0 icon's clicks.
    case WM_LBUTTONUP:
      if (!layout4) ShowMainWindow(mainWindow);
      break;
    case WM_RBUTTONDOWN:
      if (!layout4) OpenTrayMenu(mainWindow, anchor);
      break;
    default:
      break;
  }
}

void SetTrayTip(const char* tip) {
  const std::wstring wide = Widen(tip);
  if (!g_trayIcon.hWnd || wide.compare(0, std::wstring::npos, g_trayIcon.szTip) == 0) return;
  lstrcpynW(g_trayIcon.szTip, wide.c_str(), ARRAYSIZE(g_trayIcon.szTip));
  Shell_NotifyIconW(NIM_MODIFY, &g_trayIcon);
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

void RemoveTrayIcon() { Shell_NotifyIconW(NIM_DELETE, &g_trayIcon); }

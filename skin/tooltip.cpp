// AddTooltip lives in its own file so that a program which never adds a
// tooltip (hollow) does not import the common controls library.
#include <windows.h>

#include <commctrl.h>

#include "skin/layered_window.h"

bool AddTooltip(HWND dialog, const char* text, int controlId, bool balloon) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, 0xFF};
  InitCommonControlsEx(&icc);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  DWORD style = WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP;
  if (balloon) style |= TTS_BALLOON;
  HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, dialog, nullptr, instance, nullptr);
  if (!tip) return false;
  SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;  // 44 bytes: understood by every version of the control
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, controlId));
  tool.hinst = instance;
  tool.lpszText = const_cast<char*>(text);
  return SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

// AddTooltip lives in its own file so that a program which never adds a
// tooltip (hollow) does not import the common controls library.
#include <windows.h>

#include <commctrl.h>

#include "skin/layered_window.h"

namespace {

struct TipSearch {
  HWND owner;
  bool balloon;
  HWND found;
};

BOOL CALLBACK FindTip(HWND window, LPARAM param) {
  TipSearch& search = *reinterpret_cast<TipSearch*>(param);
  char name[32] = {};
  if (GetWindow(window, GW_OWNER) != search.owner || !GetClassNameA(window, name, sizeof name)) return TRUE;
  const bool balloon = (GetWindowLongA(window, GWL_STYLE) & TTS_BALLOON) != 0;
  if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || balloon != search.balloon) return TRUE;
  search.found = window;
  return FALSE;
}

}  // namespace

bool AddTooltip(HWND dialog, const char* text, int controlId, bool balloon) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, 0xFF};
  InitCommonControlsEx(&icc);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  // The dialog's own tooltip window serves again: a control bound anew
  // (after a change of display scale) gets its tool back, not a second window.
  TipSearch search = {dialog, balloon, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindTip, reinterpret_cast<LPARAM>(&search));
  HWND tip = search.found;
  if (!tip) {
    DWORD style = WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP;
    if (balloon) style |= TTS_BALLOON;
    tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, dialog, nullptr, instance, nullptr);
  }
  if (!tip) return false;
  SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;  // 44 bytes: understood by every version of the control
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, controlId));
  tool.hinst = instance;
  tool.lpszText = const_cast<char*>(text);
  if (search.found) SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  return SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

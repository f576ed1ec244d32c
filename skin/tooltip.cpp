// AddTooltip lives in its own file so that a program which never adds a
// tooltip (hollow) does not import the common controls library.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "settings/translation.h"
#include "settings/wide_text.h"
#include "skin/layered_window.h"

namespace {

struct TipSearch {
  HWND owner;
  bool balloon;
  HWND found;
};

BOOL CALLBACK FindTip(HWND window, LPARAM param) {
  TipSearch& search = *reinterpret_cast<TipSearch*>(param);
  wchar_t name[32] = {};
  if (GetWindow(window, GW_OWNER) != search.owner || !GetClassNameW(window, name, 32)) return TRUE;
  const bool balloon = (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON) != 0;
  if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0 || balloon != search.balloon) return TRUE;
  search.found = window;
  return FALSE;
}

// Every tool added, by the English text it shows translated, so that a
// change of language can give each its new words. A tool whose tooltip
// window has gone (its dialog closed) is forgotten at the next look.
struct Tool {
  HWND tip;
  HWND owner;
  UINT_PTR id;
  std::string english;
};
std::vector<Tool>& Tools() {
  static std::vector<Tool> tools;
  return tools;
}

void ForgetClosedTools() {
  std::vector<Tool>& tools = Tools();
  for (std::size_t i = tools.size(); i-- > 0;) {
    if (!IsWindow(tools[i].tip)) tools.erase(tools.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

TOOLINFOW ToolOf(HWND owner, UINT_PTR id, wchar_t* text) {
  TOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the control
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = id;
  tool.hinst = GetModuleHandleW(nullptr);
  tool.lpszText = text;
  return tool;
}

}  // namespace

bool AddTooltip(HWND dialog, const char* text, int controlId, bool balloon) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, 0xFF};
  InitCommonControlsEx(&icc);
  // The dialog's own tooltip window serves again: a control bound anew
  // (after a change of display scale) gets its tool back, not a second window.
  TipSearch search = {dialog, balloon, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindTip, reinterpret_cast<LPARAM>(&search));
  HWND tip = search.found;
  if (!tip) {
    DWORD style = WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP;
    if (balloon) style |= TTS_BALLOON;
    tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  if (!tip) return false;
  SendMessageW(tip, TTM_ACTIVATE, TRUE, 0);
  const std::string english = text ? text : "";
  std::wstring shown = Widen(Tr(english.c_str()));
  const UINT_PTR id = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, controlId));
  TOOLINFOW tool = ToolOf(dialog, id, &shown[0]);
  if (search.found) SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) == 0) return false;
  ForgetClosedTools();
  std::vector<Tool>& tools = Tools();
  for (Tool& t : tools) {
    if (t.tip == tip && t.id == id) {
      t.english = english;
      return true;
    }
  }
  tools.push_back({tip, dialog, id, english});
  return true;
}

void RenewTooltips() {
  ForgetClosedTools();
  for (const Tool& t : Tools()) {
    std::wstring shown = Widen(Tr(t.english.c_str()));
    TOOLINFOW tool = ToolOf(t.owner, t.id, &shown[0]);
    SendMessageW(t.tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

#include "app/dialog_keys.h"

#include <windows.h>

#include "reminders/reality_check.h"

namespace {

HHOOK g_filter = nullptr;

// The dialog a key was typed in, when it is one that takes the keyboard: a
// dialog of this thread, shown and enabled (a message box's owner is not),
// and not one of the two popups, which only ever show.
HWND KeyboardDialog(HWND target) {
  HWND root = target ? GetAncestor(target, GA_ROOT) : nullptr;
  if (!root || !IsWindowVisible(root) || !IsWindowEnabled(root)) return nullptr;
  char name[16] = "";
  if (!GetClassNameA(root, name, sizeof name) || lstrcmpA(name, "#32770") != 0) return nullptr;
  if (GetWindowThreadProcessId(root, nullptr) != GetCurrentThreadId()) return nullptr;
  if ((GetWindowLongA(root, GWL_EXSTYLE) & WS_EX_NOACTIVATE) || root == g_realityCheck.window) return nullptr;
  return root;
}

// Shift+Tab while the dialog itself has the focus (the main window before
// its first Tab): the dialog manager would leave it there, as Windows does;
// it goes to the last control, as Tab goes to the first.
bool ShiftTabIntoDialog(HWND dialog, const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_SHIFT) >= 0) return false;
  if (GetFocus() != dialog || GetKeyState(VK_CONTROL) < 0) return false;
  HWND last = GetNextDlgTabItem(dialog, GetNextDlgTabItem(dialog, nullptr, FALSE), TRUE);
  if (!last) return false;
  SendMessageA(dialog, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);  // as Tab shows the cues
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(last), TRUE);
  return true;
}

// Called by every dialog loop of the thread (message boxes' too) before it
// looks at a message itself. A key of its own dialog gets what the loop
// would give it; a key of another dialog what that dialog's loop would.
LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam) {
  MSG* msg = reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && msg && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
    if (HWND dialog = KeyboardDialog(msg->hwnd)) {
      if (ShiftTabIntoDialog(dialog, *msg)) return 1;
      const BOOL handled = IsWindowUnicode(dialog) ? IsDialogMessageW(dialog, msg) : IsDialogMessageA(dialog, msg);
      if (handled) return 1;
    }
  }
  return CallNextHookEx(g_filter, code, wParam, lParam);
}

}  // namespace

void RouteDialogKeys() {
  if (!g_filter) g_filter = SetWindowsHookExA(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId());
}

// The yardstick for the start-up and idle figures: a minimal Win32 program
// with one modal dialog, started and measured the same way as somnivex.
#include <windows.h>

namespace {

INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowTextA(window, "Minimal Dialog..");
      ShowWindow(window, SW_SHOW);
      return TRUE;
    case WM_CLOSE:
      EndDialog(window, 0);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // An in-memory template: pop-up, 285 x 229 units, no controls.
  struct {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } dialog = {};
  dialog.header.style = WS_POPUP | WS_SYSMENU | DS_CENTER;
  dialog.header.cx = 285;
  dialog.header.cy = 229;
  return static_cast<int>(DialogBoxIndirectParamA(instance, &dialog.header, nullptr, Proc, 0));
}

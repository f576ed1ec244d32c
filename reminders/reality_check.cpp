#include "reminders/reality_check.h"

#include <mmsystem.h>

#include "app/app_globals.h"
#include "app/shutdown.h"
#include "app/wide_text.h"
#include "png/png_loader.h"
#include "resources/resource_ids.h"
#include "skin/display_dpi.h"
#include "skin/layered_window.h"

RealityCheckPopup g_realityCheck;

namespace {

void PlayReminderSound() {
  // Asynchronous and unchecked: a missing or broken ting.wav costs only the sound.
  PlaySoundW(Widen(g_paths.reminderSound).c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}

constexpr UINT kDpiChangedMessage = 0x02E0;  // WM_DPICHANGED (Windows 8.1)

// The popup picture for the DPI of the monitor the popup is on; the one it
// replaces is freed.
void LoadPopupPicture(HWND window, int dpi) {
  int size[2] = {0, 0};
  HBITMAP bitmap = nullptr;
  if (!LoadPngResourceAtDpi(window, IDP_REALITY_CHECK, dpi, &bitmap, size)) return;
  if (g_realityCheck.bitmap) DeleteObject(g_realityCheck.bitmap);
  g_realityCheck.bitmap = bitmap;
  g_realityCheck.width = size[0];
  g_realityCheck.height = size[1];
  g_realityCheck.dpi = dpi;
}

// Moved to a monitor of another scale: that scale's picture, shown at once
// when the popup is up and kept (premultiplied, as a paint would leave it)
// for the next fade-in when it is dismissed.
void OnDpiChanged(HWND window, int dpi) {
  if (dpi <= 0 || dpi == g_realityCheck.dpi) return;
  LoadPopupPicture(window, dpi);
  SetWindowPos(window, nullptr, 0, 0, g_realityCheck.width, g_realityCheck.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (g_realityCheck.visible) {
    PaintLayeredBitmap(window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height);
  } else {
    PremultiplyAlpha(g_realityCheck.bitmap);
  }
}

void InitPopup(HWND window) {
  SetWindowTextA(window, kRealityCheckTitle);
  LoadPopupPicture(window, WindowDpi(window));
  SetWindowPos(window, HWND_TOPMOST, 0, 0, g_realityCheck.width, g_realityCheck.height, SWP_SHOWWINDOW);
  CenterWindowOnItsMonitor(window);
  PaintLayeredBitmap(window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height);
  SetForegroundWindow(window);
  UpdateWindow(window);
  FadeLayeredBitmap(window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height, true,
                    kRealityCheckFadeStepMs);
  g_realityCheck.visible = true;
  g_realityCheck.window = window;
}

}  // namespace

void ShowRealityCheck() {
  if (g_realityCheck.created == 0) {
    g_realityCheck.created = 1;
    PlayReminderSound();
    DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_POPUP), nullptr, RealityCheckProc, 0);
    return;
  }
  if (g_realityCheck.visible) return;
  PlayReminderSound();
  FadeLayeredBitmap(g_realityCheck.window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height, true,
                    kRealityCheckFadeStepMs);
  SetForegroundWindow(g_realityCheck.window);
  g_realityCheck.visible = true;
}

INT_PTR CALLBACK RealityCheckProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitPopup(window);
      return 0;
    case WM_MOUSEMOVE:
      // Dragging: only while the left button is held, or Wine's move loop
      // would swallow the next click.
      if (wParam & MK_LBUTTON) SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
      FadeLayeredBitmap(window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height, false,
                        kRealityCheckFadeStepMs);
      g_realityCheck.visible = false;
      return 0;
    case kDpiChangedMessage:
      OnDpiChanged(window, HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      ShutdownApplication(g_mainWindow);
  }
  return 0;
}

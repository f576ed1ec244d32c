#include "settings/about_box.h"

#include <shellapi.h>

#include "app/app_globals.h"
#include "app/maker_info.h"
#include "app/wide_text.h"
#include "resources/resource_ids.h"
#include "settings/shell_open.h"
#include "skin/display_dpi.h"
#include "skin/display_scale.h"
#include "skin/layered_window.h"
#include "skin/plain_look.h"
#include "skin/skin_manager.h"
#include "skin/system_look.h"

namespace {

constexpr DWORD kFadeInStepMs = 15;
constexpr DWORD kFadeOutStepMs = 10;
constexpr int kOpacity = 250;

// Opaque in high contrast, where nothing may show through.
int Opacity() { return HighContrastOn() ? 255 : kOpacity; }

// The artwork of the scale, or in high contrast the plain look of it (the
// buttons paint theirs, with their window texts).
void ShowAboutBackground(HWND window, int dpi) {
  ShowBackgroundAtDpi(window, IDB_ABOUT_BACKGROUND, dpi);
  if (HighContrastOn()) ShowPlainBackground(window, dpi * 100 / kBaseDpi, {});
}

// The box's skin objects live for the whole process; they are attached
// afresh each time the box opens and released when it closes.
SkinManager g_aboutSkin;
SkinButton g_visitButton;
SkinButton g_helpButton;
SkinButton g_closeButton;
bool g_closing = false;  // the fade-out has run; later close requests are ignored

// The controls placed from the template in pixels at the DPI, the
// background and the buttons' pictures of that scale.
void LayOutAboutBox(HWND window, int dpi) {
  PlaceDialogControls(window, IDD_POPUP, dpi);
  ShowAboutBackground(window, dpi);
  const SkinTheme theme = {};
  Init(&g_aboutSkin, window, &theme);
  g_aboutSkin.dpi = dpi;
  AttachButton(&g_aboutSkin, &g_visitButton, IDC_ABOUT_VISIT, IDP_VISIT, IDP_VISIT_HOVER, 0);
  AttachButton(&g_aboutSkin, &g_closeButton, IDC_ABOUT_CLOSE, IDP_CLOSE, IDP_CLOSE_HOVER, 0);
  AttachButton(&g_aboutSkin, &g_helpButton, IDC_ABOUT_HELP, IDP_HELP, IDP_HELP_HOVER, 0);
  ResetButtons(&g_aboutSkin);
}

void OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
  if (dpi <= 0 || dpi == g_aboutSkin.dpi) return;
  ReleaseSkin(&g_aboutSkin);
  LayOutAboutBox(window, dpi);
  // Binding the button again took it from the tooltip's subclass.
  AddTooltip(window, kHelpTooltip, IDC_ABOUT_HELP, false);
  MoveToSuggestedRect(window, suggested);
  InvalidateRect(window, nullptr, TRUE);
}

void InitAboutBox(HWND window) {
  g_closing = false;
  SetWindowTextA(window, kAboutTitle);
  TakeOverDialogScaling(window);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(window);
  LayOutAboutBox(window, WindowDpi(window));
  CenterWindowOnItsMonitor(window);
  FadeInWindow(window, kFadeInStepMs, Opacity());
  // A fade ends just below its limit; high contrast is wholly opaque.
  if (HighContrastOn()) SetWindowOpacity(window, Opacity());
  AddTooltip(window, kHelpTooltip, IDC_ABOUT_HELP, false);
}

void OpenHelp() {
  const HINSTANCE local = ShellExecuteW(nullptr, L"open", Widen(g_paths.helpPage).c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
  if (reinterpret_cast<INT_PTR>(local) <= 32) {
    ShellExecuteA(nullptr, "open", kOnlineHelpPage, nullptr, nullptr, SW_SHOWNORMAL);
  }
}

void CloseAboutBox(HWND window) {
  if (g_closing) return;
  g_closing = true;
  FadeOutWindow(window, kFadeOutStepMs, Opacity());
  ReleaseSkin(&g_aboutSkin);
  ReleaseBackground(window);
  EndDialog(window, 0);
}

}  // namespace

void RunAboutBox() { DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_POPUP), nullptr, AboutBoxProc, 0); }

INT_PTR CALLBACK AboutBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (SystemLookChanged(message, wParam) && !g_closing) {
    ShowAboutBackground(window, g_aboutSkin.dpi);
    SetWindowOpacity(window, Opacity());
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  switch (message) {
    case WM_INITDIALOG:
      InitAboutBox(window);
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_ABOUT_HELP:
          OpenHelp();
          break;
        case IDC_ABOUT_VISIT:
          OpenWithShell(kMakerHomePage);
          break;
        case IDC_ABOUT_CLOSE:
        case IDCANCEL:  // Escape
          CloseAboutBox(window);
          break;
      }
      return 0;
    case WM_CLOSE:
    case WM_DESTROY:
      CloseAboutBox(window);
      return 0;
    case WM_MOUSEMOVE:
      if (wParam & MK_LBUTTON) SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      ResetButtons(&g_aboutSkin);
      return 0;
    case kDpiChangedMessage:
      OnDpiChanged(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return DpiChangeHandled(window);
  }
  return 0;
}

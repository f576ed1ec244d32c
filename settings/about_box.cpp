#include "settings/about_box.h"

#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/app_globals.h"
#include "app/maker_info.h"
#include "resources/resource_ids.h"
#include "settings/language.h"
#include "settings/shell_open.h"
#include "settings/translation.h"
#include "skin/accessible_object.h"
#include "skin/display_dpi.h"
#include "skin/layered_window.h"
#include "skin/picture_text.h"
#include "skin/plain_controls.h"
#include "skin/skin_manager.h"
#include "skin/system_look.h"

namespace {

constexpr DWORD kFadeInStepMs = 15;
constexpr DWORD kFadeOutStepMs = 10;
constexpr int kOpacity = 250;

// Opaque in high contrast, where nothing may show through.
int Opacity() { return HighContrastOn() ? 255 : kOpacity; }

// The box's skin objects live for the whole process; they are attached
// afresh each time the box opens and released when it closes.
SkinManager g_aboutSkin;
SkinButton g_visitButton;
SkinButton g_helpButton;
SkinButton g_closeButton;
bool g_closing = false;  // the fade-out has run; later close requests are ignored

// The artwork's palette.
constexpr std::uint32_t kText = 0xE9EBFF;
constexpr std::uint32_t kMuted = 0x9EA6DC;
constexpr std::uint32_t kWarm = 0xFFE9A8;
constexpr std::uint32_t kLink = 0xAEBCFF;

// The program's name over the moon, the same in every language.
constexpr char kProgramName[] = "Somnivex";
// The lines about the program: four centred rows 15 pixels apart.
constexpr int kAboutRows = 4;
constexpr int kAboutRowTop = 173;
constexpr int kAboutRowHeight = 15;

PictureText Centred(int left, int top, int right, int bottom, const char* text, int em, int weight, bool condensed,
                    std::uint32_t colour, int spacing = 0, std::uint8_t opacity = 255) {
  PictureText t = TextInRoom(left, top, right, bottom, text, em, 0, 1, TextAlign::Centre, colour);
  t.weight = weight;
  t.condensed = condensed;
  t.spacing = spacing / 10.0;
  t.opacity = opacity;
  return t;
}

// The words of the background (290 x 322 at 100 %), each room's middle
// where the design's line had its middle. `version` and `rows` hold the
// texts built here and must outlive the drawing.
std::vector<PictureText> AboutWords(std::string* version, std::vector<std::string>* rows) {
  // Translators: under the program's name in the about box, {version} being
  // its number ("1.0.0"); one line of 230 pixels.
  version->assign(FillText(Tr("version {version}"), {{"version", SMX_VERSION_TEXT}}));
  // Translators: the about box's lines about the program: four centred
  // lines of up to 258 pixels each, broken with \n where each line ends.
  const std::string about = Tr("A gentle reality-check reminder\nfor lucid dreamers: a soft chime,\n"
                               "a question on your screen and tips\nthat help you wake up inside your dreams.");
  rows->clear();
  std::size_t start = 0;
  while (start <= about.size()) {
    const std::size_t end = about.find('\n', start);
    std::string row = about.substr(start, end == std::string::npos ? std::string::npos : end - start);
    // More lines than rows: the rest shares the last row.
    if (static_cast<int>(rows->size()) == kAboutRows) {
      rows->back() += " " + row;
    } else {
      rows->push_back(row);
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  std::vector<PictureText> words = {
      Centred(20, 111, 270, 148, kProgramName, 30, FW_EXTRALIGHT, false, kText, 20),
      Centred(30, 148, 260, 161, version->c_str(), 10, FW_NORMAL, true, kMuted),
      // Translators: the last line of the about box, small; one line of 230
      // pixels.
      Centred(30, 245, 260, 257, Tr("© The Somnivex developers"), 9, FW_NORMAL, true, kMuted),
  };
  // Fewer lines stand in the middle of the rows.
  const int top = kAboutRowTop + (kAboutRows - static_cast<int>(rows->size())) * kAboutRowHeight / 2;
  for (std::size_t i = 0; i < rows->size(); ++i) {
    const int rowTop = top + static_cast<int>(i) * kAboutRowHeight;
    words.push_back(Centred(16, rowTop, 274, rowTop + kAboutRowHeight, (*rows)[i].c_str(), 11, FW_NORMAL, false,
                            kText, 0, 235));
  }
  return words;
}

// The artwork of the scale with its words, or in high contrast the plain
// look with them (the buttons paint theirs, with their names).
void ShowAboutBackground(HWND window, int dpi) {
  std::string version;
  std::vector<std::string> rows;
  ShowBackgroundAtDpi(window, IDB_ABOUT_BACKGROUND, dpi, AboutWords(&version, &rows));
}

// A button's words, drawn into its picture at rest and lit (the hover
// picture), in the colours of each; the room in the picture's pixels at
// 100 %.
void DrawButtonWords(const SkinButton& button, int dpi, PictureText words, std::uint32_t colour,
                     std::uint32_t hoverColour) {
  const int scale = ScalePercentOfDpi(dpi);
  words.colour = colour;
  for (HBITMAP picture : {button.normal, button.hover}) {
    if (!picture) continue;
    ForgetDrawnTexts(picture);  // the button's pictures are made afresh for each drawing
    DrawPictureTexts(picture, scale, {words});
    words.colour = hoverColour;
  }
  if (button.window) InvalidateRect(button.window, nullptr, FALSE);
}

void DrawButtonsWords(int dpi) {
  // Translators: the about box's small rounded button that opens the help
  // page; 34 pixels.
  PictureText help = Centred(3, 1, 37, 22, Tr("Help"), 11, FW_BOLD, false, kText, 10);
  help.minEm = 7;
  DrawButtonWords(g_helpButton, dpi, help, kText, kWarm);
  // Translators: the about box's rounded button that closes it, in
  // capitals; 54 pixels.
  PictureText close = Centred(4, 1, 58, 23, Tr("CLOSE"), 11, FW_BOLD, false, kText, 10);
  close.minEm = 7;
  DrawButtonWords(g_closeButton, dpi, close, kText, kWarm);
  // The maker's host name over its underline, the same in every language.
  PictureText visit = Centred(2, 2, 137, 22, kMakerHostName, 11, FW_NORMAL, false, kLink);
  visit.align = TextAlign::Left;
  DrawButtonWords(g_visitButton, dpi, visit, kLink, kWarm);
}

// The names a screen reader reads for the picture buttons.
void NameAboutBoxControls(HWND window) {
  // Translators: the name a screen reader reads for the about box's link
  // to the maker's site; {host} is its host name, as the link shows it.
  const char* visit = TrC("about box", "Visit {host}");
  SetControlName(window, IDC_ABOUT_VISIT, FillText(visit, {{"host", kMakerHostName}}).c_str());
  // Translators: the name a screen reader reads for the about box's Help
  // button, which opens the help page.
  SetControlName(window, IDC_ABOUT_HELP, Tr("Help"));
  // Translators: the name a screen reader reads for a window's close
  // button (the about box's CLOSE, the x of My Practice).
  SetControlName(window, IDC_ABOUT_CLOSE, Tr("Close"));
}

// The controls placed from the template in pixels at the DPI, the
// background and the buttons' pictures of that scale, with their words in
// the language in use.
void LayOutAboutBox(HWND window, int dpi) {
  PlaceDialogControls(window, IDD_POPUP, dpi);
  ShowAboutBackground(window, dpi);
  const SkinTheme theme = {};
  Init(&g_aboutSkin, window, &theme);
  g_aboutSkin.dpi = dpi;
  AttachButton(&g_aboutSkin, &g_visitButton, IDC_ABOUT_VISIT, IDP_VISIT, IDP_VISIT_HOVER, 0);
  AttachButton(&g_aboutSkin, &g_closeButton, IDC_ABOUT_CLOSE, IDP_CLOSE, IDP_CLOSE_HOVER, 0);
  AttachButton(&g_aboutSkin, &g_helpButton, IDC_ABOUT_HELP, IDP_HELP, IDP_HELP_HOVER, 0);
  NameAboutBoxControls(window);
  // In high contrast the link shows the host name, as its picture does.
  SetPlainCaption(GetDlgItem(window, IDC_ABOUT_VISIT), kMakerHostName);
  DrawButtonsWords(dpi);
  ResetButtons(&g_aboutSkin);
}

// Laid out afresh for a scale (a DPI) or a language.
void LayOutAgain(HWND window, int dpi) {
  ReleaseSkin(&g_aboutSkin);
  LayOutAboutBox(window, dpi);
  // Binding the button again took it from the tooltip's subclass.
  AddTooltip(window, kHelpTooltip, IDC_ABOUT_HELP, false);
}

void OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
  if (dpi <= 0 || dpi == g_aboutSkin.dpi) return;
  LayOutAgain(window, dpi);
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
          OpenHelpPage(g_paths.helpPage);
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
    case kLanguageChangedMessage:
      if (!g_closing) {
        LayOutAgain(window, g_aboutSkin.dpi);
        InvalidateRect(window, nullptr, TRUE);
      }
      SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
  }
  return 0;
}

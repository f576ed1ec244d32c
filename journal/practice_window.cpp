#include "journal/practice_window.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/app_globals.h"
#include "png/png_loader.h"
#include "journal/practice_colours.h"
#include "journal/practice_journal.h"
#include "journal/practice_summary.h"
#include "reminders/reminder_facts.h"
#include "resources/resource_ids.h"
#include "skin/display_dpi.h"
#include "skin/display_scale.h"
#include "skin/layered_window.h"
#include "skin/plain_controls.h"
#include "skin/skin_manager.h"
#include "skin/system_look.h"

namespace {

constexpr DWORD kFadeInStepMs = 15;  // as the about box
constexpr DWORD kFadeOutStepMs = 10;
constexpr int kOpacity = 250;

constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

HWND g_window = nullptr;
SkinManager g_skin;
SkinButton g_closeButton;
HBITMAP g_picture = nullptr;  // the background with the weeks drawn in
PracticeSummary g_summary;
int g_dpi = 0;
bool g_closing = false;

// The colours the weeks are drawn in: the artwork's, or in high contrast
// the system's (checks in the text colour, dismissals in the highlight,
// today's column plain; its label says which it is).
struct ChartColours {
  COLORREF today, checked, dismissed, baseline, text, muted, warm;
};
ChartColours g_chart;

ChartColours ChartColoursNow() {
  if (!HighContrastOn()) {
    return {kTodayColour, kCheckedColour, kDismissedColour, kBaselineColour, kTextColour, kMutedColour, kWarmColour};
  }
  const PlainColours s = SystemPlainColours();
  return {s.back, s.text, s.hot, s.text, s.text, s.text, s.text};
}

int Opacity() { return HighContrastOn() ? 255 : kOpacity; }

RECT ControlRect(HWND window, int id) {
  RECT r = {};
  GetWindowRect(GetDlgItem(window, id), &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  if (right <= left || bottom <= top) return;
  const RECT r = {left, top, right, bottom};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void Text(HDC dc, const std::string& text, RECT r, UINT format, COLORREF colour, HFONT font) {
  HGDIOBJ old = SelectObject(dc, font);
  SetTextColor(dc, colour);
  DrawTextA(dc, text.c_str(), -1, &r, format | DT_NOPREFIX);
  SelectObject(dc, old);
}

// The moon pictures of the DPI's set, premultiplied for AlphaBlend: one
// decode each, however many nights they mark.
struct Moons {
  HBITMAP picture[2] = {nullptr, nullptr};  // lucid, dream
  int size[2][2] = {};
};

Moons LoadMoons(HWND window, int dpi) {
  Moons moons;
  const int ids[2] = {IDP_MOON_LUCID, IDP_MOON_DREAM};
  for (int i = 0; i < 2; ++i) {
    if (LoadPngResourceAtDpi(window, ids[i], dpi, &moons.picture[i], moons.size[i])) PremultiplyAlpha(moons.picture[i]);
  }
  return moons;
}

void FreeMoons(Moons& moons) {
  for (HBITMAP& p : moons.picture) {
    if (p) DeleteObject(p);
    p = nullptr;
  }
}

// The moon of a night drawn with its alpha, centred on x; in high contrast
// a disc of the text colour, filled for a lucid night, a ring for a dream.
void DrawMoon(HDC dc, const Moons& moons, bool lucid, int centreX, int top) {
  const int i = lucid ? 0 : 1;
  if (!moons.picture[i]) return;
  const int w = moons.size[i][0], h = moons.size[i][1];
  if (HighContrastOn()) {
    const int d = std::min(w, h) * 3 / 4;
    HPEN pen = CreatePen(PS_INSIDEFRAME, std::max(1, d / 6), g_chart.text);
    HBRUSH brush = CreateSolidBrush(g_chart.text);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, lucid ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
    Ellipse(dc, centreX - d / 2, top + (h - d) / 2, centreX - d / 2 + d, top + (h - d) / 2 + d);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    return;
  }
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, moons.picture[i]);
  const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, centreX - w / 2, top, w, h, source, 0, 0, w, h, blend);
  SelectObject(source, old);
  DeleteDC(source);
}

std::string DayLabel(std::int64_t day) {
  const CivilTime t = ToCivil(static_cast<LocalMinute>(day) * kMinutesPerDay);
  return std::to_string(t.day) + " " + kMonths[(t.month - 1) % 12];
}

// The 28 columns: checks done as a bar from the baseline, dismissals as a
// paler stack on it, the count above, a moon for the night that followed,
// today's column lit, and a date under every seventh day.
void DrawColumns(HDC dc, HWND window, int dpi, HFONT small) {
  const RECT area = ControlRect(window, IDC_PRACTICE_CHART);
  const int moonRow = ScalePixels(16, dpi);
  const int labelRow = ScalePixels(14, dpi);
  const int countRow = ScalePixels(11, dpi);
  const int top = area.top + moonRow + countRow;
  const int baseline = area.bottom - labelRow;
  const int width = area.right - area.left;
  int most = 4;
  for (const PracticeDay& d : g_summary.days) most = d.checked + d.dismissed > most ? d.checked + d.dismissed : most;
  const double unit = static_cast<double>(baseline - top) / most;
  Moons moons = LoadMoons(window, dpi);
  for (int i = 0; i < kPracticeDays; ++i) {
    const PracticeDay& d = g_summary.days[i];
    const int left = area.left + width * i / kPracticeDays;
    const int right = area.left + width * (i + 1) / kPracticeDays;
    const int centre = (left + right) / 2;
    const int half = (right - left) * 3 / 10;
    if (i == kPracticeDays - 1) Fill(dc, left + 1, area.top, right - 1, baseline, g_chart.today);
    const int checkedTop = baseline - static_cast<int>(d.checked * unit + 0.5);
    const int stackTop = baseline - static_cast<int>((d.checked + d.dismissed) * unit + 0.5);
    Fill(dc, centre - half, checkedTop, centre + half, baseline, g_chart.checked);
    Fill(dc, centre - half, stackTop, centre + half, checkedTop, g_chart.dismissed);
    if (d.checked > 0) {
      const RECT count = {left - 4, stackTop - countRow, right + 4, stackTop};
      Text(dc, std::to_string(d.checked), count, DT_CENTER | DT_BOTTOM | DT_SINGLELINE, g_chart.muted, small);
    }
    if (d.night == NightAnswer::Lucid || d.night == NightAnswer::Dream) {
      DrawMoon(dc, moons, d.night == NightAnswer::Lucid, centre, area.top);
    }
    const RECT label = {left, baseline + ScalePixels(2, dpi), area.right, area.bottom};
    if (i == kPracticeDays - 1) {
      const RECT today = {area.left, label.top, area.right, area.bottom};
      Text(dc, "today", today, DT_RIGHT | DT_TOP | DT_SINGLELINE, g_chart.warm, small);
    } else if (i % 7 == 0) {
      Text(dc, DayLabel(d.day), label, DT_LEFT | DT_TOP | DT_SINGLELINE, g_chart.muted, small);
    }
  }
  Fill(dc, area.left, baseline, area.right, baseline + ScalePixels(1, dpi), g_chart.baseline);
  FreeMoons(moons);
}

void DrawStreak(HDC dc, HWND window, int dpi, HFONT big, HFONT small) {
  RECT r = ControlRect(window, IDC_PRACTICE_STREAK);
  const int pad = ScalePixels(10, dpi);
  const RECT number = {r.left + pad, r.top, r.left + pad + ScalePixels(36, dpi), r.bottom};
  Text(dc, std::to_string(g_summary.streak), number, DT_CENTER | DT_VCENTER | DT_SINGLELINE, g_chart.warm, big);
  const int middle = (r.top + r.bottom) / 2;
  const RECT first = {number.right + ScalePixels(4, dpi), r.top, r.right, middle};
  const RECT second = {first.left, middle, r.right, r.bottom};
  Text(dc, g_summary.streak == 1 ? "day in a row" : "days in a row", first, DT_LEFT | DT_BOTTOM | DT_SINGLELINE,
       g_chart.text, small);
  Text(dc, "with a check done", second, DT_LEFT | DT_TOP | DT_SINGLELINE, g_chart.muted, small);
}

// The background of the DPI's set with the record drawn onto it.
HBITMAP DrawPicture(HWND window, int dpi, SIZE* size) {
  HBITMAP picture = nullptr;
  int pictureSize[2] = {0, 0};
  if (!LoadPngResourceAtDpi(window, IDP_PRACTICE_BACKGROUND, dpi, &picture, pictureSize)) return nullptr;
  size->cx = pictureSize[0];
  size->cy = pictureSize[1];
  g_chart = ChartColoursNow();
  if (HighContrastOn()) DrawPlainPicture(picture, dpi * 100 / kBaseDpi, {}, {});
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture);
  SetBkMode(dc, TRANSPARENT);
  HFONT small = CreatePointFontAtDpi("Arial", 7, FW_NORMAL, 0, dpi);
  HFONT text = CreatePointFontAtDpi("Arial", 9, FW_NORMAL, 0, dpi);
  HFONT big = CreatePointFontAtDpi("Arial", 20, FW_BOLD, 0, dpi);
  DrawColumns(dc, window, dpi, small);
  DrawStreak(dc, window, dpi, big, text);
  Text(dc, PracticeLinkLine(g_summary.link), ControlRect(window, IDC_PRACTICE_LINK),
       DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, g_chart.text, text);
  for (HFONT font : {small, text, big}) DeleteObject(font);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  return picture;
}

void LayOut(HWND window, int dpi) {
  g_dpi = dpi;
  PlaceDialogControls(window, IDD_PRACTICE, dpi);
  SIZE size = {0, 0};
  HBITMAP picture = DrawPicture(window, dpi, &size);
  if (picture) {
    if (g_picture) DeleteObject(g_picture);
    g_picture = picture;
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const SkinTheme theme = {};
  Init(&g_skin, window, &theme);
  g_skin.dpi = dpi;
  AttachButton(&g_skin, &g_closeButton, IDC_PRACTICE_CLOSE, IDP_PRACTICE_CLOSE, IDP_PRACTICE_CLOSE_HOVER, 0);
  SetPlainGlyph(GetDlgItem(window, IDC_PRACTICE_CLOSE), PlainGlyph::Cross);
  ResetButtons(&g_skin);
}

void Paint(HDC target) {
  if (!g_picture) return;
  BITMAP info = {};
  GetObjectA(g_picture, sizeof info, &info);
  HDC source = CreateCompatibleDC(target);
  HGDIOBJ old = SelectObject(source, g_picture);
  BitBlt(target, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void InitWindow(HWND window) {
  g_window = window;
  g_closing = false;
  SetWindowTextA(window, kPracticeTitle);
  g_summary = SummarisePractice(ReadPracticeFile(PracticeFilePath()), DayOf(LocalNow()));
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(window);
  LayOut(window, WindowDpi(window));
  CenterWindowOnItsMonitor(window);
  FadeInWindow(window, kFadeInStepMs, Opacity());
  // A fade ends just below its limit; high contrast is wholly opaque.
  if (HighContrastOn()) SetWindowOpacity(window, Opacity());
}

void ClosePractice(HWND window) {
  if (g_closing) return;
  g_closing = true;
  FadeOutWindow(window, kFadeOutStepMs, Opacity());
  ReleaseSkin(&g_skin);
  EndDialog(window, 0);
}

// High contrast came, went or changed its colours: the picture again.
void OnSystemLookChanged(HWND window) {
  if (g_closing) return;
  SIZE size = {0, 0};
  HBITMAP picture = DrawPicture(window, g_dpi, &size);
  if (!picture) return;
  if (g_picture) DeleteObject(g_picture);
  g_picture = picture;
  SetWindowOpacity(window, Opacity());
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

INT_PTR CALLBACK PracticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (SystemLookChanged(message, wParam)) OnSystemLookChanged(window);
  switch (message) {
    case WM_INITDIALOG:
      InitWindow(window);
      TakeOverDialogScaling(window);
      return FALSE;
    case WM_ERASEBKGND:
      Paint(reinterpret_cast<HDC>(wParam));
      SetWindowLongPtrA(window, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_PRACTICE_CLOSE || LOWORD(wParam) == IDCANCEL) ClosePractice(window);  // x or Escape
      return TRUE;
    case WM_CLOSE:
      ClosePractice(window);
      return TRUE;
    case WM_MOUSEMOVE:
      if (wParam & MK_LBUTTON) SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      ResetButtons(&g_skin);
      return TRUE;
    case kDpiChangedMessage:
      if (HIWORD(wParam) > 0 && HIWORD(wParam) != g_dpi) {
        ReleaseSkin(&g_skin);
        LayOut(window, HIWORD(wParam));
        MoveToSuggestedRect(window, reinterpret_cast<const RECT*>(lParam));
        InvalidateRect(window, nullptr, TRUE);
      }
      return DpiChangeHandled(window);
  }
  return FALSE;
}

}  // namespace

void RunPracticeWindow() {
  if (g_window) {
    SetForegroundWindow(g_window);
    return;
  }
  DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_PRACTICE), nullptr, PracticeProc, 0);
  g_window = nullptr;
  if (g_picture) DeleteObject(g_picture);
  g_picture = nullptr;
}

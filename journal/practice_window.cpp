#include "journal/practice_window.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_globals.h"
#include "settings/wide_text.h"
#include "png/png_loader.h"
#include "journal/practice_colours.h"
#include "journal/practice_journal.h"
#include "journal/practice_legend.h"
#include "journal/practice_reading.h"
#include "journal/practice_summary.h"
#include "reminders/reminder_facts.h"
#include "resources/resource_ids.h"
#include "settings/language.h"
#include "settings/language_locale.h"
#include "settings/translation.h"
#include "skin/accessible_object.h"
#include "skin/display_dpi.h"
#include "skin/display_scale.h"
#include "skin/layered_window.h"
#include "skin/picture_text.h"
#include "skin/plain_controls.h"
#include "skin/skin_manager.h"
#include "skin/system_look.h"

namespace {

constexpr DWORD kFadeInStepMs = 15;  // as the about box
constexpr DWORD kFadeOutStepMs = 10;
constexpr int kOpacity = 250;

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

// The background's words, in rooms of the 100 % picture (460 x 324) that
// put one line of English on the artwork's baselines (centred in the
// room, with the DejaVu faces' ascent of 0.928 em and descent of 0.236 em)
// and reach as far as the drawings around them allow.
constexpr int kDesignWidth = 460;
constexpr std::uint32_t kTitleColour = 0xE9EBFF;
constexpr std::uint32_t kHeadingColour = 0xB9B2FF;
constexpr std::uint32_t kLegendColour = 0x9EA6DC;

PictureText Words(int left, int top, int right, int bottom, const char* text, int em, int minEm, int maxLines,
                  std::uint32_t colour) {
  return TextInRoom(left, top, right, bottom, text, em, minEm, maxLines, TextAlign::Left, colour);
}

// The legend under the chart, at 100 %: a sign of 8 pixels and 6 of
// space before each item's words (9 pixels, condensed), 26 between two
// items, between x 20 and 440; its rows of 13 pixels centred on y 274.
constexpr int kLegendSign = 8;
constexpr int kLegendSignSpace = 14;
constexpr int kLegendGap = 26;
constexpr int kLegendLeft = 20;
constexpr int kLegendRight = 440;
constexpr int kLegendMiddle = 274;
constexpr int kLegendRow = 13;
constexpr int kLegendEm = 9;

// The context of the legend's words: "dream" alone is a word of its own.
constexpr char kLegendContext[] = "My Practice legend";
enum class LegendSign { Checked, Dismissed, Lucid, Dream };
struct LegendEntry {
  LegendSign sign;
  const char* words;
};
const LegendEntry kLegend[] = {
    // Translators: an item of the legend under My Practice's chart, after
    // a bar's colour: the checks done that day. The four items share one
    // row of 420 pixels (two rows if needed), in small condensed letters.
    {LegendSign::Checked, NC_("My Practice legend", "checks done")},
    // Translators: an item of the legend under My Practice's chart, after
    // the paler bar's colour: reminders dismissed without doing the check.
    // The four items share one row of 420 pixels (two rows if needed).
    {LegendSign::Dismissed, NC_("My Practice legend", "dismissed without a check")},
    // Translators: an item of the legend under My Practice's chart, after
    // a bright moon: the night after that day brought a lucid dream. The
    // four items share one row of 420 pixels (two rows if needed).
    {LegendSign::Lucid, NC_("My Practice legend", "lucid night")},
    // Translators: an item of the legend under My Practice's chart, after
    // a dim moon: the night after that day brought a dream. The four items
    // share one row of 420 pixels (two rows if needed).
    {LegendSign::Dream, NC_("My Practice legend", "dream")},
};

// The width of a text in the legend's font at em pixels, as the picture's
// words measure it.
int MeasureWords(HDC dc, const char* text, int em) {
  const std::wstring wide = Widen(text);
  HFONT font = CreatePictureFont(em, FW_NORMAL, true, wide.c_str());
  if (!font) return 0;
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc, old);
  DeleteObject(font);
  return size.cx;
}

// The legend laid out from its words as they measure in the language in
// use: the signs drawn with GDI and the moons' pictures, the words as the
// picture's words.
void DrawLegend(HWND window, HBITMAP picture, int dpi, int scale) {
  auto scaled = [scale](int v) { return (v * scale + 50) / 100; };
  const int em = scaled(kLegendEm);
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return;
  std::vector<LegendItem> items;
  for (const LegendEntry& entry : kLegend) {
    items.push_back({scaled(kLegendSignSpace), MeasureWords(dc, TrC(kLegendContext, entry.words), em)});
  }
  const LegendLayout layout =
      LayOutLegend(items, scaled(kLegendGap), scaled(kLegendLeft), scaled(kLegendRight), 2);
  const int row = scaled(kLegendRow);
  const int firstRow = scaled(kLegendMiddle) - layout.rows * row / 2;
  const int sign = scaled(kLegendSign);
  Moons moons = LoadMoons(window, dpi);
  HGDIOBJ old = SelectObject(dc, picture);
  std::vector<PictureText> texts;
  for (std::size_t i = 0; i < layout.places.size(); ++i) {
    const LegendPlace& place = layout.places[i];
    const int top = firstRow + place.row * row;
    // The sign stands on the words' baseline as the artwork drew it: a
    // pixel above the row's middle.
    const int middle = top + row / 2 - scaled(1);
    const int centre = place.left + sign / 2;
    switch (kLegend[i].sign) {
      case LegendSign::Checked:
      case LegendSign::Dismissed: {
        HBRUSH brush = CreateSolidBrush(kLegend[i].sign == LegendSign::Checked ? g_chart.checked : g_chart.dismissed);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        const int round = scaled(3);
        const int signTop = middle - sign / 2;
        RoundRect(dc, place.left, signTop, place.left + sign + 1, signTop + sign + 1, round, round);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(brush);
        break;
      }
      case LegendSign::Lucid:
      case LegendSign::Dream: {
        const int m = kLegend[i].sign == LegendSign::Lucid ? 0 : 1;
        DrawMoon(dc, moons, m == 0, centre, middle - moons.size[m][1] / 2);
        break;
      }
    }
    PictureText words = Words(place.left + items[i].sign, top, place.left + items[i].sign + place.words, top + row,
                              TrC(kLegendContext, kLegend[i].words), em, scaled(7), 1, kLegendColour);
    words.condensed = true;
    texts.push_back(words);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  FreeMoons(moons);
  GdiFlush();
  DrawPictureTexts(picture, 100, texts);
}

// The words of the background in the language in use: the title, the
// span it shows, the chart's heading and the legend.
void DrawBackgroundWords(HWND window, HBITMAP picture, int dpi) {
  BITMAP bm = {};
  if (!GetObjectA(picture, sizeof bm, &bm) || bm.bmWidth <= 0) return;
  const int scale = (bm.bmWidth * 100 + kDesignWidth / 2) / kDesignWidth;
  // Translators: the title of the My Practice window, in large thin
  // letters. Room: one line of 200 pixels.
  PictureText title = Words(58, 13, 258, 44, Tr("My Practice"), 25, 16, 1, kTitleColour);
  title.weight = FW_EXTRALIGHT;
  title.spacing = 1.2;
  // Translators: under the title of the My Practice window: the span its
  // chart shows. Room: 198 x 20 pixels, one line or two, small letters.
  PictureText span = Words(60, 43, 258, 63, Tr("the last four weeks"), 10, 8, 2, kLegendColour);
  span.condensed = true;
  span.spacing = 0.3;
  // Translators: the heading of My Practice's chart, in small bold
  // capitals with wide letter spacing. Room: 408 x 23 pixels, one line or
  // two.
  PictureText heading = Words(26, 80, 434, 103, Tr("CHECKS DONE, DAY BY DAY"), 10, 8, 2, kHeadingColour);
  heading.weight = FW_BOLD;
  heading.spacing = 1.6;
  DrawPictureTexts(picture, scale, {title, span, heading});
  DrawLegend(window, picture, dpi, scale);
}

// The date under a column, as the language writes a day and its month.
std::string DayLabel(std::int64_t day) {
  const CivilTime t = ToCivil(static_cast<LocalMinute>(day) * kMinutesPerDay);
  SYSTEMTIME date = {};
  date.wYear = static_cast<WORD>(t.year);
  date.wMonth = static_cast<WORD>(t.month);
  date.wDay = static_cast<WORD>(t.day);
  // Translators: how the dates under My Practice's chart are written, as a
  // Windows date picture: d is the day, M the month's number, MMM its short
  // name (Windows supplies the names), text in 'single quotes' is kept as it
  // is. "d MMM" gives "5 Jan"; about 40 pixels at 100 %, small type.
  return Utf8(FormatLanguageDate(date, TrC("practice chart", "d MMM")));
}

// The height of a line of the words drawn at em pixels, in the face
// skin/picture_text.h takes for that text.
int LineHeight(int em, int weight, const char* text) {
  HFONT font = CreatePictureFont(em, weight, false, Widen(text).c_str());
  if (!font) return em * 5 / 4;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics = {};
  const int height = GetTextMetricsW(dc, &metrics) ? metrics.tmHeight : em * 5 / 4;
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  return height;
}

// A font's em height in pixels at dpi, as CreatePointFontAtDpi sets it.
int EmPixels(int points, int dpi) { return MulDiv(points, kBaseDpi, 72) * dpi / kBaseDpi; }

// The 28 columns: checks done as a bar from the baseline, dismissals as a
// paler stack on it, the count above, a moon for the night that followed,
// and today's column lit. The dates under them are words (DrawWords).
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
  }
  Fill(dc, area.left, baseline, area.right, baseline + ScalePixels(1, dpi), g_chart.baseline);
  FreeMoons(moons);
}

// The streak's number; its words beside it are drawn by DrawWords.
void DrawStreak(HDC dc, HWND window, int dpi, HFONT big) {
  RECT r = ControlRect(window, IDC_PRACTICE_STREAK);
  const int pad = ScalePixels(10, dpi);
  const RECT number = {r.left + pad, r.top, r.left + pad + ScalePixels(36, dpi), r.bottom};
  Text(dc, std::to_string(g_summary.streak), number, DT_CENTER | DT_VCENTER | DT_SINGLELINE, g_chart.warm, big);
}

// The words of the record, in the language in use, each fitted to its
// room: a date under every seventh column and "today" under the last, the
// streak's two lines beside its number, and the line about checks and
// lucid nights at the foot.
void DrawWords(HBITMAP picture, HWND window, int dpi, int pictureHeight) {
  std::vector<std::string> words;
  words.reserve(8);  // the texts stay where they are while the list grows
  std::vector<PictureText> texts;
  const auto add = [&](const RECT& room, std::string text, int em, TextAlign align, COLORREF colour, int lines,
                       bool top) {
    words.push_back(std::move(text));
    PictureText t = TextInRoom(room.left, room.top, room.right, room.bottom, words.back().c_str(), em, em * 4 / 5,
                               lines, align, PictureColour(colour));
    t.topAligned = top;
    texts.push_back(t);
  };

  // Under the chart: "today" right-aligned under the last four columns, and
  // each date under its column up to the next date or to "today".
  const RECT area = ControlRect(window, IDC_PRACTICE_CHART);
  const int width = area.right - area.left;
  const int labelTop = area.bottom - ScalePixels(14, dpi) + ScalePixels(2, dpi);
  const int small = EmPixels(7, dpi), text = EmPixels(9, dpi);
  const int gap = ScalePixels(2, dpi);
  const int todayLeft = area.left + width * (kPracticeDays - 4) / kPracticeDays;
  for (int i = 0; i < kPracticeDays - 1; i += 7) {
    const int left = area.left + width * i / kPracticeDays;
    const int right = i + 7 < kPracticeDays - 4 ? area.left + width * (i + 7) / kPracticeDays - gap : todayLeft - gap;
    add({left, labelTop, right, area.bottom}, DayLabel(g_summary.days[i].day), small, TextAlign::Left, kMutedColour, 1,
        true);
  }
  // Translators: under the last column of My Practice's chart, the column of
  // today; about 55 pixels at 100 %, small type.
  add({todayLeft, labelTop, area.right, area.bottom}, TrC("practice chart", "today"), small, TextAlign::Right,
      kWarmColour, 1, true);

  // The streak: a line above the middle of its card and one below.
  const RECT r = ControlRect(window, IDC_PRACTICE_STREAK);
  const int middle = (r.top + r.bottom) / 2;
  const int left = r.left + ScalePixels(10, dpi) + ScalePixels(36, dpi) + ScalePixels(4, dpi);
  // Translators: My Practice, beside the number of days in a row with a
  // reality check done, in large digits before it ("3" "days in a row");
  // about 100 pixels at 100 %.
  const char* days = TrN("day in a row", "days in a row", static_cast<unsigned long>(g_summary.streak));
  // Translators: My Practice, the line under "days in a row" beside the
  // streak's number; about 100 pixels at 100 %.
  const char* done = Tr("with a check done");
  add({left, middle - LineHeight(text, FW_NORMAL, days), r.right, middle}, days, text, TextAlign::Left, kTextColour, 1,
      false);
  add({left, middle, r.right, middle + LineHeight(text, FW_NORMAL, done)}, done, text, TextAlign::Left, kMutedColour, 1,
      false);

  // The line at the foot, with the free band around its place for a
  // second line.
  RECT link = ControlRect(window, IDC_PRACTICE_LINK);
  link.top -= ScalePixels(3, dpi);
  link.bottom = std::min<LONG>(link.bottom + ScalePixels(8, dpi), pictureHeight - ScalePixels(3, dpi));
  add(link, PracticeLinkLine(g_summary.link), text, TextAlign::Centre, kTextColour, 2, false);

  DrawPictureTexts(picture, 100, texts);
}

// The background of the DPI's set with the record drawn onto it.
HBITMAP DrawPicture(HWND window, int dpi, SIZE* size) {
  HBITMAP picture = nullptr;
  int pictureSize[2] = {0, 0};
  if (!LoadPngResourceAtDpi(window, IDP_PRACTICE_BACKGROUND, dpi, &picture, pictureSize)) return nullptr;
  size->cx = pictureSize[0];
  size->cy = pictureSize[1];
  g_chart = ChartColoursNow();
  if (HighContrastOn()) DrawPlainPicture(picture, ScalePercentOfDpi(dpi), {}, {});
  ForgetDrawnTexts(picture);
  DrawBackgroundWords(window, picture, dpi);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture);
  SetBkMode(dc, TRANSPARENT);
  HFONT small = CreatePointFontAtDpi("Arial", 7, FW_NORMAL, 0, dpi);
  HFONT big = CreatePointFontAtDpi("Arial", 20, FW_BOLD, 0, dpi);
  DrawColumns(dc, window, dpi, small);
  DrawStreak(dc, window, dpi, big);
  for (HFONT font : {small, big}) DeleteObject(font);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  DrawWords(picture, window, dpi, pictureSize[1]);
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
  // Translators: the name a screen reader reads for the x of My Practice.
  SetControlName(window, IDC_PRACTICE_CLOSE, Tr("Close"));
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

// The picture read as text: the streak, the line about lucid nights and
// the weeks of the chart, one line each.
void DescribeWindow(HWND, AccessibleFacts* facts) {
  // Translators: the name a screen reader reads for the My Practice
  // window (its title, in the picture's top left).
  facts->name = Tr("My Practice");
  facts->lines = PracticeReading(g_summary, DayLabel);
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
    case WM_GETOBJECT:
      SetWindowLongPtrA(window, DWLP_MSGRESULT, AnswerAccessibleObject(window, wParam, lParam, DescribeWindow));
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
    case kLanguageChangedMessage:
      // The record's words drawn again in the new language.
      ReleaseSkin(&g_skin);
      LayOut(window, g_dpi);
      InvalidateRect(window, nullptr, TRUE);
      SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
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

#include "reminders/text_check_draw.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "app/wide_text.h"
#include "reminders/sign_check.h"
#include "reminders/text_check.h"
#include "skin/layered_window.h"

namespace {

constexpr int kDesignWidth = 337;
constexpr std::uint32_t kTextColour = 0xE9EBFF;  // the artwork's text colour
constexpr std::uint32_t kWarmColour = 0xFFE9A8;  // its warm accent

// How a line is drawn: bold or not, and in which face. The face the
// artwork's own look comes closest to is DejaVu Sans where it is installed;
// Tahoma, which every Windows has, stands in where it is not, and for text
// with characters DejaVu Sans lacks (Tahoma borrows them from the system's
// other fonts, DejaVu Sans from none).
struct LineFont {
  bool bold = true;
  bool tahoma = false;
};

HFONT CheckFont(HDC dc, int emPixels, LineFont style) {
  for (const char* face : {"DejaVu Sans", "Tahoma"}) {
    if (style.tahoma && std::strcmp(face, "Tahoma") != 0) continue;
    HFONT font = CreateFontA(-emPixels, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
    if (!font) continue;
    HGDIOBJ old = SelectObject(dc, font);
    char got[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, got);
    SelectObject(dc, old);
    if (std::strcmp(got, face) == 0 || std::strcmp(face, "Tahoma") == 0) return font;
    DeleteObject(font);
  }
  return nullptr;
}

// A picture being written on: GDI draws each line white on black into a
// top-down mask the size of the picture (never into the picture, whose
// alpha GDI would wipe), and the mask's coverage is blended into the
// picture's straight-alpha pixels in the line's colour.
struct Canvas {
  HDC dc = nullptr;
  HBITMAP mask = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  std::uint8_t* maskBits = nullptr;
  std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  bool bottomUp = false;  // the picture's rows run the other way from the mask's
  int scale = 100;        // the display scale the picture was drawn for
  struct Font {
    int em;
    LineFont style;
    HFONT handle;
  };
  std::vector<Font> fonts;  // made once per size and weight while drawing
};

// Whether the first row in memory of the bitmap selected into `dc` is its
// top row, found by setting the top-left pixel through GDI and seeing
// where it lands (the header's sign is not reported the same way
// everywhere). The pixel is restored.
bool TopRowFirst(HDC dc, std::uint8_t* bits, int stride, int height) {
  std::uint8_t* first = bits;
  std::uint8_t* last = bits + static_cast<std::size_t>(height - 1) * stride;
  std::uint8_t keepFirst[4], keepLast[4];
  GdiFlush();
  std::memcpy(keepFirst, first, 4);
  std::memcpy(keepLast, last, 4);
  first[0] = first[1] = first[2] = 0;
  SetPixelV(dc, 0, 0, RGB(0x5A, 0xC3, 0x3C));
  GdiFlush();
  const bool topFirst = first[0] == 0x3C && first[1] == 0xC3 && first[2] == 0x5A;
  std::memcpy(first, keepFirst, 4);
  std::memcpy(last, keepLast, 4);
  return topFirst;
}

bool OpenCanvas(HBITMAP picture, Canvas* c) {
  DIBSECTION dib = {};
  if (!picture || GetObjectA(picture, sizeof dib, &dib) != sizeof dib) return false;
  if (dib.dsBm.bmBitsPixel != 32 || !dib.dsBm.bmBits) return false;
  c->width = dib.dsBm.bmWidth;
  c->height = std::abs(dib.dsBm.bmHeight);
  if (c->width <= 0 || c->height <= 0) return false;
  c->pixels = static_cast<std::uint8_t*>(dib.dsBm.bmBits);
  c->stride = dib.dsBm.bmWidthBytes;

  BITMAPINFO info = TopDown32BitmapInfo(c->width, c->height);
  c->dc = CreateCompatibleDC(nullptr);
  if (!c->dc) return false;
  void* bits = nullptr;
  c->mask = CreateDIBSection(c->dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!c->mask || !bits) {
    if (c->mask) DeleteObject(c->mask);
    DeleteDC(c->dc);
    *c = Canvas();
    return false;
  }
  c->maskBits = static_cast<std::uint8_t*>(bits);
  c->oldBitmap = SelectObject(c->dc, picture);
  const bool pictureDown = TopRowFirst(c->dc, c->pixels, c->stride, c->height);
  SelectObject(c->dc, c->mask);
  const bool maskDown = TopRowFirst(c->dc, c->maskBits, c->width * 4, c->height);
  c->bottomUp = pictureDown != maskDown;
  c->scale = (c->width * 100 + kDesignWidth / 2) / kDesignWidth;
  SetBkMode(c->dc, TRANSPARENT);
  SetTextColor(c->dc, RGB(255, 255, 255));
  return true;
}

void CloseCanvas(Canvas* c) {
  SelectObject(c->dc, c->oldBitmap);
  for (const Canvas::Font& f : c->fonts) DeleteObject(f.handle);
  DeleteObject(c->mask);
  DeleteDC(c->dc);
  GdiFlush();
  *c = Canvas();
}

HFONT FontOf(Canvas& c, int em, LineFont style) {
  for (const Canvas::Font& f : c.fonts) {
    if (f.em == em && f.style.bold == style.bold && f.style.tahoma == style.tahoma) return f.handle;
  }
  HFONT font = CheckFont(c.dc, em, style);
  if (font) c.fonts.push_back({em, style, font});
  return font;
}

// The style for a whole text: Tahoma when the first choice of face lacks
// one of its characters.
LineFont StyleFor(Canvas& c, std::string_view text, int em, bool bold) {
  LineFont style;
  style.bold = bold;
  HFONT font = FontOf(c, em, style);
  const std::wstring wide = Widen(std::string(text));
  if (!font || wide.empty()) return style;
  std::vector<WORD> glyphs(wide.size());
  HGDIOBJ old = SelectObject(c.dc, font);
  const DWORD done = GetGlyphIndicesW(c.dc, wide.c_str(), static_cast<int>(wide.size()), glyphs.data(),
                                      GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(c.dc, old);
  for (WORD g : glyphs) style.tahoma = style.tahoma || g == 0xFFFF;
  style.tahoma = style.tahoma || done == GDI_ERROR;
  return style;
}

// The width of a UTF-8 line in pixels; past any width when the font
// cannot be made, so that nothing unmeasured is drawn.
int MeasureLine(Canvas& c, int em, LineFont style, std::string_view text) {
  HFONT font = FontOf(c, em, style);
  if (!font) return 1 << 30;
  const std::wstring wide = Widen(std::string(text));
  SIZE size = {};
  HGDIOBJ old = SelectObject(c.dc, font);
  const BOOL ok = GetTextExtentPoint32W(c.dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(c.dc, old);
  return ok ? size.cx : 1 << 30;
}

// Draws one UTF-8 line centred in its box and blends it into the picture
// in `colour`. Only the box's pixels are read back, so nothing lands
// outside it whatever the font does.
bool DrawLine(Canvas& c, const CheckRect& box, int em, LineFont style, std::string_view text, std::uint32_t colour) {
  HFONT font = FontOf(c, em, style);
  if (!font) return false;
  const int left = box.left < 0 ? 0 : box.left;
  const int top = box.top < 0 ? 0 : box.top;
  const int right = box.right > c.width ? c.width : box.right;
  const int bottom = box.bottom > c.height ? c.height : box.bottom;
  if (left >= right || top >= bottom) return true;
  GdiFlush();
  const std::size_t rowBytes = static_cast<std::size_t>(c.width) * 4;
  std::memset(c.maskBits + top * rowBytes, 0, (bottom - top) * rowBytes);
  const std::wstring wide = Widen(std::string(text));
  HGDIOBJ old = SelectObject(c.dc, font);
  RECT r = {left, top, right, bottom};
  DrawTextW(c.dc, wide.c_str(), static_cast<int>(wide.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(c.dc, old);
  GdiFlush();
  std::vector<std::uint8_t> coverage(static_cast<std::size_t>(right - left));
  for (int y = top; y < bottom; ++y) {
    const std::uint8_t* m = c.maskBits + y * rowBytes;
    bool any = false;
    for (int x = left; x < right; ++x) {
      const std::uint8_t* p = m + x * 4;
      std::uint8_t k = p[0] > p[1] ? p[0] : p[1];
      if (p[2] > k) k = p[2];
      coverage[static_cast<std::size_t>(x - left)] = k;
      any = any || k != 0;
    }
    if (!any) continue;
    const int row = c.bottomUp ? c.height - 1 - y : y;
    BlendTextCoverage(c.pixels + static_cast<std::size_t>(row) * c.stride + left * 4, coverage.data(),
                      coverage.size(), colour);
  }
  return true;
}

// A text fitted to a width in the canvas's fonts: smaller, then wrapped
// onto at most maxLines lines, then cut.
FittedText FitLines(Canvas& c, std::string_view text, int width, int em, int minEm, int maxLines, LineFont style) {
  const MeasureText measure = [&c, style](int size, std::string_view line) {
    return MeasureLine(c, size, style, line);
  };
  return FitText(text, width, em, minEm, maxLines, measure);
}

}  // namespace

bool DrawTextCheck(HBITMAP picture, const char* word, const char* clock) {
  Canvas c;
  if (!OpenCanvas(picture, &c)) return false;
  const TextCheckLayout layout = LayOutTextCheck(c.scale);
  // A font wider than the layout's bound is drawn smaller until it fits.
  auto draw = [&c](const CheckRect& box, int em, const char* text, std::uint32_t colour) {
    const LineFont bold;
    const FittedText fitted = FitLines(c, text, box.right - box.left, em, em / 2, 1, bold);
    return fitted.lines.empty() || DrawLine(c, box, fitted.em, bold, fitted.lines[0], colour);
  };
  bool ok = draw(layout.word, layout.wordEm, word, kTextColour);
  ok = draw(layout.time, layout.timeEm, clock, kWarmColour) && ok;
  CloseCanvas(&c);
  return ok;
}

bool DrawSignCheck(HBITMAP picture, const std::string& sign) {
  Canvas c;
  if (!OpenCanvas(picture, &c)) return false;
  // The widths and sizes are the same for one question line as for two;
  // the lines are then placed for the number the question takes, the
  // caption and the question centred together in the free area.
  SignCheckLayout layout = LayOutSignCheck(c.scale, kSignQuestionLines);
  const int width = layout.caption.right - layout.caption.left;
  const std::string captionText = SignCheckCaption(sign);
  const LineFont captionStyle = StyleFor(c, captionText, layout.captionEm, true);
  const LineFont questionStyle = {false, false};
  const FittedText caption = FitLines(c, captionText, width, layout.captionEm, layout.captionMinEm, 1, captionStyle);
  const FittedText question = FitLines(c, kSignCheckQuestion, width, layout.questionEm, layout.questionMinEm,
                                       kSignQuestionLines, questionStyle);
  layout = LayOutSignCheck(c.scale, static_cast<int>(question.lines.size()));
  bool ok = true;
  if (!caption.lines.empty()) ok = DrawLine(c, layout.caption, caption.em, captionStyle, caption.lines[0], kWarmColour);
  for (std::size_t i = 0; i < question.lines.size(); ++i) {
    ok = DrawLine(c, layout.question[i], question.em, questionStyle, question.lines[i], kTextColour) && ok;
  }
  CloseCanvas(&c);
  return ok;
}

#include "skin/plain_look.h"

#include <algorithm>
#include <cstdlib>

#include "skin/display_scale.h"
#include "skin/layered_window.h"

namespace {

int Scaled(int pixels, int dpi) { return std::max(1, ScalePixels(pixels, dpi)); }

void FillBox(HDC dc, const RECT& r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// A frame `width` pixels wide just inside the rectangle.
void Frame(HDC dc, const RECT& r, COLORREF colour, int width) {
  HBRUSH brush = CreateSolidBrush(colour);
  for (int i = 0; i < width && r.right - r.left > 2 * i && r.bottom - r.top > 2 * i; ++i) {
    const RECT ring = {r.left + i, r.top + i, r.right - i, r.bottom - i};
    FrameRect(dc, &ring, brush);
  }
  DeleteObject(brush);
}

// A pen and a brush of one colour selected for a glyph, put back on
// destruction.
struct Ink {
  HDC dc;
  HPEN pen;
  HBRUSH brush;
  HGDIOBJ oldPen;
  HGDIOBJ oldBrush;
  Ink(HDC context, COLORREF colour, int width, bool roundEnds)
      : dc(context),
        pen(nullptr),
        brush(CreateSolidBrush(colour)),
        oldPen(nullptr),
        oldBrush(nullptr) {
    LOGBRUSH lb = {BS_SOLID, colour, 0};
    const DWORD ends = roundEnds ? PS_ENDCAP_ROUND | PS_JOIN_ROUND : PS_ENDCAP_FLAT | PS_JOIN_MITER;
    pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | ends, static_cast<DWORD>(width), &lb, 0, nullptr);
    oldPen = SelectObject(dc, pen);
    oldBrush = SelectObject(dc, brush);
  }
  ~Ink() {
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
  }
  Ink(const Ink&) = delete;
  Ink& operator=(const Ink&) = delete;
};

// Text centred in the rectangle in a bold face of `em` pixels: smaller
// (down to two thirds) where it is too wide, then cut with an ellipsis.
void CentredText(HDC dc, const std::wstring& text, RECT r, int em, COLORREF colour) {
  if (text.empty() || em <= 0) return;
  HFONT font = nullptr;
  for (int size : {em, em * 9 / 10, em * 4 / 5, em * 2 / 3}) {
    if (font) DeleteObject(font);
    font = CreatePictureFont(std::max(1, size), FW_BOLD, false, text.c_str());
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    if (extent.cx <= r.right - r.left) break;
  }
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, old);
  DeleteObject(font);
}

// Points of a glyph drawn in a box of side `s` centred on (cx, cy), given
// in hundredths of the side from the centre.
POINT At(int cx, int cy, int s, int dx, int dy) { return POINT{cx + s * dx / 100, cy + s * dy / 100}; }

// The bird of the share row, as the artwork draws it: body and raised
// wing as Bezier segments in tenths of its 17 x 15 grid, the wing parted
// from the body by a line of the fill colour.
void DrawBird(HDC dc, int cx, int cy, int s, COLORREF ink, COLORREF fill) {
  struct Segment {
    int count;  // 1: a line to p[0]; 3: a curve through p[0..2]
    int p[3][2];
  };
  const int start[2] = {16, 64};
  const Segment body[] = {
      {1, {{46, 86}}},
      {3, {{54, 58}, {86, 52}, {104, 64}}},
      {3, {{108, 48}, {126, 42}, {138, 52}}},
      {1, {{154, 50}}},
      {1, {{143, 63}}},
      {3, {{144, 102}, {106, 126}, {68, 118}}},
      {3, {{48, 114}, {34, 102}, {28, 88}}},
  };
  const int wingStart[2] = {56, 84};
  const Segment wing[] = {
      {3, {{62, 52}, {78, 36}, {102, 26}}},
      {3, {{92, 46}, {94, 62}, {86, 82}}},
  };
  // The grid is 170 x 150 tenths; the drawing, centred on its middle,
  // takes nine tenths of the side.
  auto map = [&](const int* p) {
    return POINT{cx + (p[0] - 85) * s * 9 / 10 / 150, cy + (p[1] - 76) * s * 9 / 10 / 150};
  };
  auto trace = [&](const int* from, const Segment* segments, int count) {
    const POINT first = map(from);
    MoveToEx(dc, first.x, first.y, nullptr);
    for (int i = 0; i < count; ++i) {
      if (segments[i].count == 1) {
        const POINT to = map(segments[i].p[0]);
        LineTo(dc, to.x, to.y);
      } else {
        const POINT curve[3] = {map(segments[i].p[0]), map(segments[i].p[1]), map(segments[i].p[2])};
        PolyBezierTo(dc, curve, 3);
      }
    }
    CloseFigure(dc);
  };
  SetPolyFillMode(dc, WINDING);
  {
    Ink pen(dc, ink, 1, false);
    BeginPath(dc);
    trace(start, body, static_cast<int>(sizeof body / sizeof body[0]));
    EndPath(dc);
    FillPath(dc);
  }
  Ink wingInk(dc, ink, 1, false);
  LOGBRUSH lb = {BS_SOLID, fill, 0};
  HPEN parting = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_JOIN_ROUND, static_cast<DWORD>(std::max(1, s / 24)), &lb, 0,
                              nullptr);
  HGDIOBJ old = SelectObject(dc, parting);
  BeginPath(dc);
  trace(wingStart, wing, static_cast<int>(sizeof wing / sizeof wing[0]));
  EndPath(dc);
  StrokeAndFillPath(dc);
  SelectObject(dc, old);
  DeleteObject(parting);
}

void DrawGlyph(HDC dc, const PlainControl& c, COLORREF ink, COLORREF fill, int dpi) {
  const RECT& r = c.rect;
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int s = std::min(w, h);
  const int cx = r.left + w / 2, cy = r.top + h / 2;
  const int stroke = std::max(Scaled(2, dpi), s / 9);
  // Letters keep off the border.
  RECT letters = r;
  InflateRect(&letters, -Scaled(2, dpi), -Scaled(1, dpi));
  switch (c.glyph) {
    case PlainGlyph::Caption: {
      RECT inside = r;
      InflateRect(&inside, -Scaled(3, dpi), -Scaled(1, dpi));
      CentredText(dc, c.caption, inside, std::min(h * 3 / 5, ScalePixels(13, dpi)), ink);
      break;
    }
    case PlainGlyph::Play: {
      Ink pen(dc, ink, 1, false);
      const POINT triangle[3] = {At(cx, cy, s, -18, -26), At(cx, cy, s, 26, 0), At(cx, cy, s, -18, 26)};
      Polygon(dc, triangle, 3);
      break;
    }
    case PlainGlyph::Tick: {
      Ink pen(dc, ink, stroke, true);
      const POINT tick[3] = {At(cx, cy, s, -28, 2), At(cx, cy, s, -8, 22), At(cx, cy, s, 28, -22)};
      Polyline(dc, tick, 3);
      break;
    }
    case PlainGlyph::Cross: {
      Ink pen(dc, ink, stroke, true);
      const int k = std::max(2, s * 22 / 100);
      MoveToEx(dc, cx - k, cy - k, nullptr);
      LineTo(dc, cx + k, cy + k);
      MoveToEx(dc, cx + k, cy - k, nullptr);
      LineTo(dc, cx - k, cy + k);
      break;
    }
    case PlainGlyph::Question:
      CentredText(dc, L"?", letters, s * 9 / 10, ink);
      break;
    case PlainGlyph::Facebook:
      CentredText(dc, L"f", letters, s * 7 / 10, ink);
      break;
    case PlainGlyph::GooglePlus:
      CentredText(dc, L"g+", letters, s * 3 / 5, ink);
      break;
    case PlainGlyph::Twitter:
      DrawBird(dc, cx, cy, s, ink, fill);
      break;
    case PlainGlyph::Moon: {
      // A disc with a smaller one of the fill colour taken out of its top
      // right: a crescent opening to the right.
      const int big = s * 30 / 100, cut = s * 26 / 100;
      {
        Ink pen(dc, ink, 1, false);
        Ellipse(dc, cx - big - s / 20, cy - big, cx + big - s / 20, cy + big);
      }
      Ink pen(dc, fill, 1, false);
      const int ox = cx + s / 10, oy = cy - s / 12;
      Ellipse(dc, ox - cut, oy - cut, ox + cut, oy + cut);
      break;
    }
    case PlainGlyph::SwitchOff:
    case PlainGlyph::SwitchOn: {
      const bool on = c.glyph == PlainGlyph::SwitchOn;
      const int pillH = std::max(Scaled(8, dpi), h * 3 / 5);
      const RECT pill = {r.left + Scaled(1, dpi), cy - pillH / 2, r.right - Scaled(1, dpi), cy - pillH / 2 + pillH};
      {
        Ink pen(dc, ink, Scaled(1, dpi), false);
        if (!on) SelectObject(dc, GetStockObject(NULL_BRUSH));
        RoundRect(dc, pill.left, pill.top, pill.right, pill.bottom, pillH, pillH);
      }
      // The knob: of the text colour on the empty pill, of the fill colour
      // on the filled one.
      const int inset = Scaled(3, dpi);
      const int d = pillH - 2 * inset;
      const int left = on ? pill.right - inset - d : pill.left + inset;
      Ink knob(dc, on ? fill : ink, 1, false);
      Ellipse(dc, left, pill.top + inset, left + d, pill.top + inset + d);
      break;
    }
  }
}

// The straight-alpha pixels of a 32-bit DIB section, or null.
std::uint8_t* DibPixels(HBITMAP picture, int* width, int* height, int* stride) {
  DIBSECTION dib = {};
  if (!picture || GetObjectA(picture, sizeof dib, &dib) != sizeof dib) return nullptr;
  if (dib.dsBm.bmBitsPixel != 32 || !dib.dsBm.bmBits) return nullptr;
  *width = dib.dsBm.bmWidth;
  *height = std::abs(dib.dsBm.bmHeight);
  *stride = dib.dsBm.bmWidthBytes;
  return static_cast<std::uint8_t*>(dib.dsBm.bmBits);
}

}  // namespace

PlainColours SystemPlainColours() {
  return PlainColours{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HIGHLIGHT),
                      GetSysColor(COLOR_HIGHLIGHTTEXT)};
}

void DrawPlainControl(HDC dc, const PlainControl& control, int dpi) {
  const PlainColours colours = SystemPlainColours();
  const COLORREF fill = control.hot ? colours.hot : colours.back;
  const COLORREF ink = control.hot ? colours.hotText : colours.text;
  FillBox(dc, control.rect, fill);
  // The switch's pill is its own border.
  const bool pill = control.glyph == PlainGlyph::SwitchOff || control.glyph == PlainGlyph::SwitchOn;
  if (!pill) Frame(dc, control.rect, colours.text, Scaled(1, dpi));
  DrawGlyph(dc, control, ink, fill, dpi);
}

void DrawPlainFocusMark(HDC dc, const RECT& control, bool hot, int dpi) {
  const PlainColours colours = SystemPlainColours();
  RECT r = control;
  const int inset = Scaled(1, dpi) + Scaled(1, dpi);
  InflateRect(&r, -inset, -inset);
  if (r.right - r.left < 4 || r.bottom - r.top < 4) r = control;
  LOGBRUSH lb = {BS_SOLID, hot ? colours.hotText : colours.text, 0};
  HPEN pen = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  // One dotted ring per pixel of scale, so that the mark grows with the
  // window like its borders.
  for (int i = 0; i < Scaled(1, dpi) && r.right - r.left > 2 * i + 2; ++i) {
    Rectangle(dc, r.left + i, r.top + i, r.right - i, r.bottom - i);
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

std::uint32_t PlainWordColour(COLORREF background) {
  const PlainColours colours = SystemPlainColours();
  const COLORREF text = background == colours.hot && colours.hot != colours.back ? colours.hotText : colours.text;
  return static_cast<std::uint32_t>(GetRValue(text)) << 16 | static_cast<std::uint32_t>(GetGValue(text)) << 8 |
         GetBValue(text);
}

bool DrawPlainPicture(HBITMAP picture, int scalePercent, const std::vector<PictureText>& texts,
                      const std::vector<PlainControl>& controls) {
  int width = 0, height = 0, stride = 0;
  std::uint8_t* pixels = DibPixels(picture, &width, &height, &stride);
  if (!pixels || width <= 0 || height <= 0) return false;
  if (scalePercent <= 0) scalePercent = 100;
  const int dpi = kBaseDpi * scalePercent / 100;
  const PlainColours colours = SystemPlainColours();
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return false;
  HGDIOBJ old = SelectObject(dc, picture);
  const RECT all = {0, 0, width, height};
  FillBox(dc, all, colours.back);
  Frame(dc, all, colours.text, Scaled(1, dpi));
  for (const PlainControl& c : controls) DrawPlainControl(dc, c, dpi);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  // GDI leaves the alpha of what it drew at 0: the plain picture is opaque.
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = pixels + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < width; ++x) row[x * 4 + 3] = 0xFF;
  }
  return texts.empty() || DrawPictureTexts(picture, scalePercent, texts);
}

#include "skin/picture_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "settings/translation.h"
#include "settings/wide_text.h"
#include "skin/layered_window.h"
#include "skin/plain_look.h"
#include "skin/system_look.h"
#include "skin/text_fit.h"

namespace {

// The faces the language in use asks for, from its catalogue.
std::vector<std::wstring> LanguageFaces() {
  // Translators: leave "default" for a language written in Latin, Greek or
  // Cyrillic letters. Otherwise the font faces, best first and separated by
  // commas, that have its letters: the words in the pictures are drawn in
  // the first one installed.
  const std::string faces = TrC("font", "default");
  std::vector<std::wstring> out;
  if (faces == "default") return out;
  std::size_t start = 0;
  while (start < faces.size()) {
    std::size_t end = faces.find(',', start);
    if (end == std::string::npos) end = faces.size();
    std::string face = faces.substr(start, end - start);
    face.erase(0, face.find_first_not_of(' '));
    face.erase(face.find_last_not_of(' ') + 1);
    if (!face.empty()) out.push_back(Widen(face));
    start = end + 1;
  }
  return out;
}

bool HasAllGlyphs(HDC dc, HFONT font, const wchar_t* sample) {
  if (!sample || !*sample) return true;
  const int n = static_cast<int>(wcslen(sample));
  std::vector<WORD> glyphs(static_cast<std::size_t>(n));
  HGDIOBJ old = SelectObject(dc, font);
  const DWORD done = GetGlyphIndicesW(dc, sample, n, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  if (done == GDI_ERROR) return false;
  for (int i = 0; i < n; ++i) {
    if (glyphs[static_cast<std::size_t>(i)] == 0xFFFF && sample[i] > L' ') return false;
  }
  return true;
}

bool IsInstalled(HDC dc, HFONT font, const wchar_t* face) {
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t got[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, got);
  SelectObject(dc, old);
  return _wcsicmp(got, face) == 0;
}

HFONT MakeFont(const wchar_t* face, int em, int weight) {
  return CreateFontW(-em, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                     CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

// A picture being written on: GDI draws each text white on black into a
// top-down mask the size of the picture (never into the picture, whose
// alpha GDI would wipe), and the mask's coverage is blended into the
// picture's straight-alpha pixels in the text's colour.
struct Canvas {
  HDC dc = nullptr;
  HBITMAP picture = nullptr;
  HBITMAP mask = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  std::uint8_t* maskBits = nullptr;
  std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  bool bottomUp = false;  // the picture's rows run the other way from the mask's
  struct Font {
    int em;
    int weight;
    bool condensed;
    std::wstring sample;
    HFONT handle;
  };
  std::vector<Font> fonts;  // made once per size, weight and script while drawing
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
  c->picture = picture;
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

HFONT FontOf(Canvas& c, int em, int weight, bool condensed, const std::wstring& sample) {
  for (const Canvas::Font& f : c.fonts) {
    if (f.em == em && f.weight == weight && f.condensed == condensed && f.sample == sample) return f.handle;
  }
  HFONT font = CreatePictureFont(em, weight, condensed, sample.c_str());
  if (font) c.fonts.push_back({em, weight, condensed, sample, font});
  return font;
}

// The advances of a line's characters, `spacing` pixels apart beyond
// their own widths as the artwork's letter spacing sets them (a fraction
// of a pixel adds up along the line; none after the last character), and
// the width the line then takes. False when GDI cannot measure it.
bool SpacedAdvances(HDC dc, const std::wstring& line, double spacing, std::vector<INT>* advances, int* width) {
  const int n = static_cast<int>(line.size());
  advances->assign(static_cast<std::size_t>(n), 0);
  *width = 0;
  if (n == 0) return true;
  std::vector<INT> ends(static_cast<std::size_t>(n), 0);
  SIZE size = {};
  if (!GetTextExtentExPointW(dc, line.c_str(), n, 0, nullptr, ends.data(), &size)) return false;
  auto start = [&](int i) {
    const int own = i == 0 ? 0 : ends[static_cast<std::size_t>(i - 1)];
    return own + static_cast<int>(std::min(i, n - 1) * spacing + 0.5);
  };
  for (int i = 0; i < n; ++i) (*advances)[static_cast<std::size_t>(i)] = start(i + 1) - start(i);
  *width = start(n);
  return true;
}

// The width of a UTF-8 line in pixels; past any width when the font
// cannot be made, so that nothing unmeasured is drawn.
int MeasureLine(Canvas& c, HFONT font, std::string_view text, double spacing) {
  if (!font) return 1 << 30;
  const std::wstring wide = Widen(text);
  HGDIOBJ old = SelectObject(c.dc, font);
  int width = 1 << 30;
  if (spacing > 0) {
    std::vector<INT> advances;
    if (!SpacedAdvances(c.dc, wide, spacing, &advances, &width)) width = 1 << 30;
  } else {
    SIZE size = {};
    if (GetTextExtentPoint32W(c.dc, wide.c_str(), static_cast<int>(wide.size()), &size)) width = size.cx;
  }
  SelectObject(c.dc, old);
  return width;
}

// The coverage of the mask's rectangle, the most of its three channels.
void ReadCoverage(const Canvas& c, const RECT& r, std::vector<std::uint8_t>* out) {
  const int w = r.right - r.left;
  out->assign(static_cast<std::size_t>(w) * (r.bottom - r.top), 0);
  const std::size_t rowBytes = static_cast<std::size_t>(c.width) * 4;
  for (int y = r.top; y < r.bottom; ++y) {
    const std::uint8_t* m = c.maskBits + y * rowBytes;
    for (int x = r.left; x < r.right; ++x) {
      const std::uint8_t* p = m + x * 4;
      std::uint8_t k = p[0] > p[1] ? p[0] : p[1];
      if (p[2] > k) k = p[2];
      (*out)[static_cast<std::size_t>(y - r.top) * w + (x - r.left)] = k;
    }
  }
}

// A soft, wider copy of the coverage: the most within `radius` pixels,
// then a box blur of the same radius, for a dark edge around light words.
std::vector<std::uint8_t> Spread(const std::vector<std::uint8_t>& k, int w, int h, int radius) {
  std::vector<std::uint8_t> grown(k.size(), 0), out(k.size(), 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint8_t most = 0;
      for (int dy = -radius; dy <= radius; ++dy) {
        const int yy = y + dy;
        if (yy < 0 || yy >= h) continue;
        for (int dx = -radius; dx <= radius; ++dx) {
          const int xx = x + dx;
          if (xx >= 0 && xx < w) most = std::max(most, k[static_cast<std::size_t>(yy) * w + xx]);
        }
      }
      grown[static_cast<std::size_t>(y) * w + x] = most;
    }
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      unsigned sum = 0, n = 0;
      for (int dy = -radius; dy <= radius; ++dy) {
        const int yy = y + dy;
        if (yy < 0 || yy >= h) continue;
        for (int dx = -radius; dx <= radius; ++dx) {
          const int xx = x + dx;
          if (xx < 0 || xx >= w) continue;
          sum += grown[static_cast<std::size_t>(yy) * w + xx];
          ++n;
        }
      }
      out[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(n ? sum / n : 0);
    }
  }
  return out;
}

void Blend(Canvas& c, const RECT& r, std::vector<std::uint8_t> k, std::uint32_t colour, unsigned opacity) {
  const int w = r.right - r.left;
  if (opacity < 255) {
    for (std::uint8_t& v : k) v = static_cast<std::uint8_t>((v * opacity + 127) / 255);
  }
  for (int y = r.top; y < r.bottom; ++y) {
    const int row = c.bottomUp ? c.height - 1 - y : y;
    BlendTextCoverage(c.pixels + static_cast<std::size_t>(row) * c.stride + r.left * 4,
                      k.data() + static_cast<std::size_t>(y - r.top) * w, static_cast<std::size_t>(w), colour);
  }
}

std::vector<DrawnText>& Drawn() {
  static std::vector<DrawnText> drawn;
  return drawn;
}

int Scaled(int v, int scale) { return (v * scale + (v >= 0 ? 50 : -50)) / 100; }

// In high contrast the words stand on a plain picture (skin/plain_look.h):
// each takes the system's colour for the background under the middle of its
// room, solid, without the halo meant for the artwork.
PictureText PlainWords(const Canvas& c, int scale, PictureText t) {
  const int x = std::clamp(Scaled((t.left + t.right) / 2, scale), 0, c.width - 1);
  const int y = std::clamp(Scaled((t.top + t.bottom) / 2, scale), 0, c.height - 1);
  const std::uint8_t* p = c.pixels + static_cast<std::size_t>(c.bottomUp ? c.height - 1 - y : y) * c.stride + x * 4;
  t.colour = PlainWordColour(RGB(p[2], p[1], p[0]));
  t.opacity = 255;
  t.halo = 0;
  return t;
}

// Draws one text: fitted to its room, its lines stacked and aligned in it.
bool DrawOne(Canvas& c, int scale, const PictureText& given) {
  const PictureText t = HighContrastOn() ? PlainWords(c, scale, given) : given;
  RECT room = {Scaled(t.left, scale), Scaled(t.top, scale), Scaled(t.right, scale), Scaled(t.bottom, scale)};
  const int em = std::max(1, Scaled(t.em, scale));
  const int minEm = std::max(1, t.minEm > 0 ? Scaled(t.minEm, scale) : em * 4 / 5);
  const int width = room.right - room.left;
  if (width <= 0 || room.bottom <= room.top || !t.text || !*t.text) return true;
  const std::wstring sample = Widen(t.text);
  const int maxLines = std::max(1, t.maxLines);
  const int roomHeight = room.bottom - room.top;
  const double spacing = t.spacing > 0 ? t.spacing * scale / 100 : 0;
  const MeasureText measure = [&](int size, std::string_view line) {
    return MeasureLine(c, FontOf(c, size, t.weight, t.condensed, sample), line, spacing);
  };
  const auto heightAt = [&](int size) {
    TEXTMETRICW tm = {};
    HGDIOBJ old = SelectObject(c.dc, FontOf(c, size, t.weight, t.condensed, sample));
    GetTextMetricsW(c.dc, &tm);
    SelectObject(c.dc, old);
    return static_cast<int>(tm.tmHeight);
  };
  // As many lines as the text breaks into (at least one) first; a text
  // that had to be cut tries one line more. Lines past the first are also
  // held to the room's height: their em is made smaller until they stack
  // inside it, and where even the smallest em does not stack, the fewer
  // lines (cut) stay.
  const int broken = 1 + static_cast<int>(std::count(sample.begin(), sample.end(), L'\n'));
  const int fewest = std::min(broken, maxLines);
  FittedText fitted;
  for (int lines = fewest; lines <= maxLines; ++lines) {
    int top = em;
    while (lines > 1 && top > minEm && lines * heightAt(top) > roomHeight) --top;
    FittedText next = FitText(t.text, width, top, std::min(minEm, top), lines, measure);
    if (lines > fewest && static_cast<int>(next.lines.size()) * heightAt(next.em) > roomHeight) break;
    fitted = std::move(next);
    bool cut = false;
    for (const std::string& l : fitted.lines) cut = cut || l.find(kEllipsis) != std::string::npos;
    if (!cut) break;
  }
  HFONT font = FontOf(c, fitted.em, t.weight, t.condensed, sample);
  if (!font) return false;
  TEXTMETRICW tm = {};
  HGDIOBJ old = SelectObject(c.dc, font);
  GetTextMetricsW(c.dc, &tm);
  const int lineHeight = tm.tmHeight;
  const int count = static_cast<int>(fitted.lines.size());
  const int block = count * lineHeight;
  int top = t.topAligned ? room.top : room.top + (room.bottom - room.top - block) / 2;
  // The area the drawing may touch: the room, widened by the halo.
  const int halo = t.halo > 0 ? std::max(1, Scaled(t.halo, scale)) : 0;
  RECT area = {std::max<LONG>(0, std::min<LONG>(room.left, room.left) - halo),
               std::max<LONG>(0, std::min<LONG>(room.top, top) - halo),
               std::min<LONG>(c.width, room.right + halo),
               std::min<LONG>(c.height, std::max<LONG>(room.bottom, top + block) + halo)};
  if (area.left >= area.right || area.top >= area.bottom) {
    SelectObject(c.dc, old);
    return true;
  }
  GdiFlush();
  const std::size_t rowBytes = static_cast<std::size_t>(c.width) * 4;
  for (int y = area.top; y < area.bottom; ++y) std::memset(c.maskBits + y * rowBytes + area.left * 4, 0,
                                                           static_cast<std::size_t>(area.right - area.left) * 4);
  RECT ink = {room.right, top, room.left, top + block};
  bool cut = false;
  for (int i = 0; i < count; ++i) {
    const std::wstring line = Widen(fitted.lines[static_cast<std::size_t>(i)]);
    cut = cut || fitted.lines[static_cast<std::size_t>(i)].find(kEllipsis) != std::string::npos;
    SIZE size = {};
    std::vector<INT> advances;
    if (spacing > 0) {
      int spaced = 0;
      SpacedAdvances(c.dc, line, spacing, &advances, &spaced);
      size.cx = spaced;
    } else {
      GetTextExtentPoint32W(c.dc, line.c_str(), static_cast<int>(line.size()), &size);
    }
    int x = room.left;
    if (t.align == TextAlign::Centre) x = room.left + (width - size.cx) / 2;
    if (t.align == TextAlign::Right) x = room.right - size.cx;
    const int y = top + i * lineHeight;
    ExtTextOutW(c.dc, x, y, 0, nullptr, line.c_str(), static_cast<UINT>(line.size()),
                advances.empty() ? nullptr : advances.data());
    ink.left = std::min<LONG>(ink.left, x);
    ink.right = std::max<LONG>(ink.right, x + size.cx);
  }
  SelectObject(c.dc, old);
  GdiFlush();
  std::vector<std::uint8_t> coverage;
  ReadCoverage(c, area, &coverage);
  if (halo > 0) {
    Blend(c, area, Spread(coverage, area.right - area.left, area.bottom - area.top, halo), t.haloColour, 180);
  }
  Blend(c, area, std::move(coverage), t.colour, t.opacity);
  std::vector<DrawnText>& drawn = Drawn();
  if (drawn.size() >= 512) drawn.erase(drawn.begin(), drawn.begin() + 256);
  drawn.push_back({c.picture, room, ink, cut});
  return true;
}

}  // namespace

HFONT CreatePictureFont(int em, int weight, bool condensed, const wchar_t* sample) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return nullptr;
  std::vector<std::wstring> faces = LanguageFaces();
  const std::vector<std::wstring> own = condensed ? std::vector<std::wstring>{L"DejaVu Sans Condensed", L"Segoe UI", L"Tahoma"}
                                        : weight <= FW_EXTRALIGHT
                                            ? std::vector<std::wstring>{L"DejaVu Sans ExtraLight", L"DejaVu Sans Light",
                                                                        L"Segoe UI Light", L"Segoe UI", L"Tahoma"}
                                            : std::vector<std::wstring>{L"DejaVu Sans", L"Segoe UI", L"Tahoma"};
  // The language's own faces first where it names any; the artwork's after.
  faces.insert(faces.end(), own.begin(), own.end());
  HFONT chosen = nullptr;
  for (const std::wstring& face : faces) {
    HFONT font = MakeFont(face.c_str(), em, weight);
    if (!font) continue;
    if (IsInstalled(dc, font, face.c_str()) && HasAllGlyphs(dc, font, sample)) {
      chosen = font;
      break;
    }
    DeleteObject(font);
  }
  // Tahoma, which every Windows has and links to the system's fonts for
  // other scripts, when nothing better has the letters.
  if (!chosen) chosen = MakeFont(L"Tahoma", em, weight);
  DeleteDC(dc);
  return chosen;
}

PictureText TextInRoom(int left, int top, int right, int bottom, const char* text, int em, int minEm, int maxLines,
                       TextAlign align, std::uint32_t colour) {
  PictureText t;
  t.left = left;
  t.top = top;
  t.right = right;
  t.bottom = bottom;
  t.text = text;
  t.em = em;
  t.minEm = minEm;
  t.maxLines = maxLines;
  t.align = align;
  t.colour = colour;
  return t;
}

bool DrawPictureTexts(HBITMAP picture, int scalePercent, const std::vector<PictureText>& texts) {
  Canvas c;
  if (!OpenCanvas(picture, &c)) return false;
  if (scalePercent <= 0) scalePercent = 100;
  bool ok = true;
  for (const PictureText& t : texts) ok = DrawOne(c, scalePercent, t) && ok;
  CloseCanvas(&c);
  return ok;
}

const std::vector<DrawnText>& DrawnTexts() { return Drawn(); }
void ForgetDrawnTexts() { Drawn().clear(); }

void NoteDrawnText(HBITMAP picture, const RECT& room, const RECT& ink, bool cut) {
  ForgetDrawnTexts(picture);
  Drawn().push_back({picture, room, ink, cut});
}

void ForgetDrawnTexts(HBITMAP picture) {
  std::vector<DrawnText>& drawn = Drawn();
  drawn.erase(std::remove_if(drawn.begin(), drawn.end(), [picture](const DrawnText& d) { return d.picture == picture; }),
              drawn.end());
}

int CountTextFaults() {
  const std::vector<DrawnText>& drawn = Drawn();
  int faults = 0;
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const DrawnText& d = drawn[i];
    if (d.ink.left < d.room.left || d.ink.right > d.room.right || d.ink.top < d.room.top ||
        d.ink.bottom > d.room.bottom) {
      ++faults;
      continue;
    }
    for (std::size_t j = i + 1; j < drawn.size(); ++j) {
      const DrawnText& e = drawn[j];
      if (e.picture != d.picture) continue;
      RECT both;
      if (IntersectRect(&both, &d.ink, &e.ink)) {
        ++faults;
        break;
      }
    }
  }
  return faults;
}

// Labels: a picture with a text drawn over it at a fixed origin. The text is
// drawn on a fresh copy of the picture at every paint, so the picture itself
// is never written.
#include "skin/skin_label.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/wide_text.h"
#include "skin/picture_text.h"
#include "skin/plain_controls.h"
#include "skin/skin_binding.h"
#include "skin/text_block.h"

namespace {

bool HasAllGlyphs(HDC dc, const std::wstring& text) {
  if (text.empty()) return true;
  std::vector<WORD> glyphs(text.size());
  if (GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) ==
      GDI_ERROR) {
    return false;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (glyphs[i] == 0xFFFF && text[i] > L' ') return false;
  }
  return true;
}

// How far the ink of a text reaches, drawn as DrawText draws it without
// wrapping: the lines broken at LF (a CR before it ignored), each without
// the blanks at its end, which carry no ink, and less the room the last
// letter leaves after its ink.
SIZE InkExtent(HDC dc, const std::wstring& text) {
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  SIZE ink = {0, 0};
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::size_t last = end;
    while (last > start && (text[last - 1] == L'\r' || text[last - 1] == L' ' || text[last - 1] == L'\t')) --last;
    if (last > start) {
      SIZE size = {};
      GetTextExtentPoint32W(dc, text.c_str() + start, static_cast<int>(last - start), &size);
      ABC abc = {};
      const int after = GetCharABCWidthsW(dc, text[last - 1], text[last - 1], &abc) && abc.abcC > 0 ? abc.abcC : 0;
      ink.cx = std::max<LONG>(ink.cx, size.cx - after);
    }
    ink.cy += tm.tmHeight;
    if (end == text.size()) break;
    start = end + 1;
  }
  return ink;
}

std::size_t Ellipses(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = text.find(kEllipsis); at != std::string_view::npos; at = text.find(kEllipsis, at + 1)) ++count;
  return count;
}

// The label's font in other sizes while one text is fitted: made as they
// are asked for, deleted together.
struct FontSizes {
  LOGFONTW face = {};
  std::vector<std::pair<int, HFONT>> made;
  HFONT At(int em) {
    for (const auto& m : made) {
      if (m.first == em) return m.second;
    }
    LOGFONTW f = face;
    f.lfHeight = -em;
    HFONT font = CreateFontIndirectW(&f);
    made.emplace_back(em, font);
    return font;
  }
  void Forget() {
    for (const auto& m : made) {
      if (m.second) DeleteObject(m.second);
    }
    made.clear();
  }
  ~FontSizes() { Forget(); }
};

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// A text too big for the room, or with letters beyond ASCII: set smaller,
// wrapped or cut by FitTextBlock in the label's face where that has every
// letter of the text, else in a face that has them, one line under the
// other from the origin.
void DrawFittedText(HDC dc, SkinLabel* l, const RECT& room, HFONT base, const std::wstring& wide) {
  FontSizes sizes;
  GetObjectW(base, sizeof sizes.face, &sizes.face);
  // Any script: a font made for one character set may draw the letters of
  // another in a stand-in face.
  sizes.face.lfCharSet = DEFAULT_CHARSET;
  const int em = std::max(1, std::abs(static_cast<int>(sizes.face.lfHeight)));
  SelectObject(dc, sizes.At(em));
  if (!HasAllGlyphs(dc, wide)) {
    if (HFONT other = CreatePictureFont(em, sizes.face.lfWeight, false, wide.c_str())) {
      LOGFONTW found = {};
      GetObjectW(other, sizeof found, &found);
      lstrcpynW(sizes.face.lfFaceName, found.lfFaceName, LF_FACESIZE);
      DeleteObject(other);
      SelectObject(dc, base);
      sizes.Forget();
    }
  }
  const MeasureText measure = [&](int size, std::string_view line) {
    SelectObject(dc, sizes.At(size));
    const std::wstring w = Widen(line);
    SIZE extent = {};
    return GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &extent) ? static_cast<int>(extent.cx)
                                                                                     : 1 << 30;
  };
  const MeasureLineHeight lineHeight = [&](int size) {
    SelectObject(dc, sizes.At(size));
    TEXTMETRICW tm = {};
    return GetTextMetricsW(dc, &tm) ? static_cast<int>(tm.tmHeight) : 1 << 30;
  };
  const int minEm = std::max(1, em * l->fitPercent / 100);
  const FittedText fitted =
      FitTextBlock(l->text, room.right - room.left, room.bottom - room.top, em, minEm, measure, lineHeight);
  const int height = lineHeight(fitted.em);
  SelectObject(dc, sizes.At(fitted.em));
  RECT ink = {room.left, room.top, room.left, room.top};
  std::size_t ellipses = 0;
  for (const std::string& line : fitted.lines) {
    const std::wstring w = Widen(line);
    RECT box = {room.left, ink.bottom, room.right, ink.bottom + height};
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &box, DT_NOPREFIX | DT_SINGLELINE);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &extent);
    ink.right = std::max<LONG>(ink.right, room.left + extent.cx);
    ink.bottom += height;
    ellipses += Ellipses(line);
  }
  SelectObject(dc, base);
  NoteDrawnText(l->picture, room, ink, ellipses > Ellipses(l->text));
}

// The label's text in the buffer: as it is when the label does not fit its
// texts, or when an ASCII text fits its room in the label's font; else
// fitted.
void DrawLabelText(HDC dc, SkinLabel* l) {
  if (l->fitPercent <= 0) {
    DrawSkinText(dc, l->text, l->textColor, l->textRect, l->font);
    return;
  }
  const RECT room = l->textRect;
  if (l->font) SelectObject(dc, l->font);
  HFONT base = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
  SetTextColor(dc, l->textColor);
  SetBkMode(dc, TRANSPARENT);
  const std::wstring wide = Widen(l->text);
  if (IsAscii(l->text)) {
    const SIZE extent = InkExtent(dc, wide);
    const RECT ink = {room.left, room.top, room.left + extent.cx, room.top + extent.cy};
    if (ink.right <= room.right && ink.bottom <= room.bottom) {
      RECT box = room;
      DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &box, DT_NOPREFIX);
      NoteDrawnText(l->picture, room, ink, false);
      return;
    }
  }
  DrawFittedText(dc, l, room, base, wide);
}

}  // namespace

void DrawSkinText(HDC context, const std::string& text, COLORREF colour, const RECT& rect, HFONT font) {
  if (font) SelectObject(context, font);
  SetTextColor(context, colour);
  SetBkMode(context, TRANSPARENT);
  RECT box = rect;
  const std::wstring wide = Widen(text);
  DrawTextW(context, wide.c_str(), static_cast<int>(wide.size()), &box, DT_NOPREFIX);
}

namespace {

void PaintLabel(SkinLabel* l, HWND window) {
  PAINTSTRUCT ps;
  HDC context = BeginPaint(window, &ps);
  HDC buffer = CreateCompatibleDC(context);
  int saved = SaveDC(buffer);
  HBITMAP bitmap = CreateCompatibleBitmap(context, l->bufferWidth, l->bufferHeight);
  SelectObject(buffer, bitmap);
  // High contrast: a plain panel, the text in the system's colour.
  const bool plain = PaintPlainPanel(buffer, l->bufferWidth, l->bufferHeight);
  if (!plain) BitBlt(buffer, 0, 0, l->bufferWidth, l->bufferHeight, l->pictureContext, 0, 0, SRCCOPY);
  if (!l->text.empty()) {
    const COLORREF own = l->textColor;
    if (plain) l->textColor = SystemPlainColours().text;
    DrawLabelText(buffer, l);
    l->textColor = own;
  }
  BitBlt(context, 0, 0, l->bufferWidth, l->bufferHeight, buffer, 0, 0, SRCCOPY);
  RestoreDC(buffer, saved);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(window, &ps);
}

LRESULT CALLBACK LabelEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* l = reinterpret_cast<SkinLabel*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (l) {
    if (message == WM_PAINT) {
      PaintLabel(l, window);
    } else if (message == WM_MOUSEMOVE) {
      ShowHint(l);
    }
  }
  return PassOn(kKindLabel, window, message, wParam, lParam);
}

HWND Attach(SkinManager* m, SkinLabel* l, int controlId, PictureRef picture) {
  HWND window = FindSkinControl(m, controlId, kKindLabel);
  if (!window) return nullptr;
  HBITMAP loaded = nullptr;
  const bool optional = false;
  if (!LoadPictures(m, &picture, &optional, 1, &loaded)) return nullptr;
  l->window = window;
  l->picture = loaded;
  l->pictureContext = MakePictureContext(m, loaded, &l->savedState);
  int width = 0, height = 0;
  PictureSize(loaded, &width, &height);
  l->textRect = RECT{width / 2, 10, width, height};
  l->bufferWidth = width;
  l->bufferHeight = height;
  FitWindowToImage(window, loaded);
  InvalidateControl(window);
  BindControl(m, window, l, kKindLabel, LabelEntry);
  return window;
}

}  // namespace

HWND AttachLabel(SkinManager* m, SkinLabel* l, int controlId, int pictureId) {
  return Attach(m, l, controlId, PictureById(pictureId));
}

HWND AttachLabel(SkinManager* m, SkinLabel* l, int controlId, const char* picturePath) {
  return Attach(m, l, controlId, PictureRef{0, picturePath ? picturePath : ""});
}

void SetTextOrigin(SkinLabel* l, int x, int y) {
  l->textRect.left = x;
  l->textRect.top = y;
}

void SetLabelText(SkinLabel* l, const char* text, COLORREF colour, HFONT font) {
  if (colour != 0 && font) {
    l->textColor = colour;
    l->font = font;
  }
  l->text = text ? text : "";
  InvalidateControl(l->window);
}

void ShowLabel(SkinLabel* l, bool visible) { ShowWindow(l->window, visible ? SW_SHOW : SW_HIDE); }

void SetLabelFit(SkinLabel* l, int minPercent) {
  l->fitPercent = minPercent < 0 ? 0 : minPercent > 100 ? 100 : minPercent;
  InvalidateControl(l->window);
}

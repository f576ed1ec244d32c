#include "skin/plain_controls.h"

#include "settings/wide_text.h"
#include "skin/display_dpi.h"
#include "skin/focus_mark_draw.h"
#include "skin/system_look.h"

namespace {

// The glyph is kept on the control itself, plus one so that "no property"
// reads as a caption.
constexpr char kGlyphProperty[] = "SmxPlainGlyph";
constexpr char kCaptionProperty[] = "SmxPlainCaption";

PlainGlyph GlyphOf(HWND window) {
  const auto stored = reinterpret_cast<INT_PTR>(GetPropA(window, kGlyphProperty));
  return stored > 0 ? static_cast<PlainGlyph>(stored - 1) : PlainGlyph::Caption;
}

std::wstring CaptionOf(HWND window) {
  if (const auto* caption = static_cast<const char*>(GetPropA(window, kCaptionProperty))) return Widen(caption);
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int got = GetWindowTextW(window, &text[0], length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

// Paints the control plainly through a buffer (no flicker on hover).
void PaintPlain(HWND window, PlainGlyph glyph, bool hot) {
  PAINTSTRUCT ps;
  HDC context = BeginPaint(window, &ps);
  RECT r = {};
  GetClientRect(window, &r);
  HDC buffer = CreateCompatibleDC(context);
  HBITMAP bitmap = CreateCompatibleBitmap(context, r.right, r.bottom);
  HGDIOBJ old = SelectObject(buffer, bitmap);
  const int dpi = WindowDpi(window);
  PlainControl control;
  control.rect = r;
  control.glyph = glyph;
  control.hot = hot;
  if (glyph == PlainGlyph::Caption) control.caption = CaptionOf(window);
  DrawPlainControl(buffer, control, dpi);
  // Shown when the skin shows its own mark, drawn in the plain look's stead.
  if (FocusMarkShown(window)) DrawPlainFocusMark(buffer, r, hot, dpi);
  BitBlt(context, 0, 0, r.right, r.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(window, &ps);
}

}  // namespace

void SetPlainGlyph(HWND control, PlainGlyph glyph) {
  if (control) SetPropA(control, kGlyphProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(glyph) + 1));
}

void SetPlainCaption(HWND control, const char* text) {
  if (control) SetPropA(control, kCaptionProperty, const_cast<char*>(text));
}

bool PaintPlainButton(const SkinButton* b, HWND window) {
  if (!HighContrastOn()) return false;
  // Hover and pressed pictures both mean the mouse is on it.
  PaintPlain(window, GlyphOf(window), b->current && b->current != b->normal);
  return true;
}

bool PaintPlainToggle(const SkinToggle* t, HWND window) {
  if (!HighContrastOn()) return false;
  const bool hot = t->hasHover && (t->current == t->hoverOn || t->current == t->hoverOff);
  PaintPlain(window, t->state ? PlainGlyph::SwitchOn : PlainGlyph::SwitchOff, hot);
  return true;
}

bool PaintPlainPanel(HDC dc, int width, int height) {
  if (!HighContrastOn()) return false;
  const RECT r = {0, 0, width, height};
  const PlainColours colours = SystemPlainColours();
  HBRUSH back = CreateSolidBrush(colours.back);
  FillRect(dc, &r, back);
  DeleteObject(back);
  HBRUSH edge = CreateSolidBrush(colours.text);
  FrameRect(dc, &r, edge);
  DeleteObject(edge);
  return true;
}

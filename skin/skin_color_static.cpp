// Colour statics: ordinary static controls whose colours and brush the
// dialog hands out in its WM_CTLCOLORSTATIC answer.
#include "skin/skin_binding.h"
#include "skin/skin_label.h"

namespace {

COLORREF Join(int red, int green, int blue) {
  return static_cast<COLORREF>(red | green << 8 | blue << 16);
}

}  // namespace

HWND AttachColorStatic(SkinManager* m, SkinColorStatic* entry, int controlId, COLORREF textColor,
                       COLORREF backColor, HFONT font, HBITMAP pattern) {
  if (!textColor) textColor = m->defaultTextColor;
  if (!backColor) backColor = m->defaultBackColor;
  if (!font) font = m->defaultFont;
  HWND window = GetDlgItem(m->dialog, controlId);
  if (!window) return nullptr;
  entry->font = font;
  entry->textRed = GetRValue(textColor);
  entry->textGreen = GetGValue(textColor);
  entry->textBlue = GetBValue(textColor);
  if (!pattern) {
    entry->pattern = 0;
    entry->backRed = GetRValue(backColor);
    entry->backGreen = GetGValue(backColor);
    entry->backBlue = GetBValue(backColor);
  }
  entry->window = window;
  if (pattern && entry->pattern) {
    entry->brush = CreatePatternBrush(pattern);
  } else {
    entry->brush = CreateSolidBrush(Join(entry->backRed, entry->backGreen, entry->backBlue));
  }
  OwnObject(m, entry->brush);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  ListOnce(m->colorStatics, entry);
  return window;
}

HBRUSH ColorStaticBrush(SkinManager* m, HWND control, HDC context) {
  for (SkinColorStatic* e : m->colorStatics) {
    if (e->window != control) continue;
    if (e->pattern) {
      SetBkMode(context, TRANSPARENT);
    } else {
      SetBkColor(context, Join(e->backRed, e->backGreen, e->backBlue));
    }
    SetTextColor(context, Join(e->textRed, e->textGreen, e->textBlue));
    return e->brush;
  }
  return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(1));
}

std::string GetStaticText(const SkinColorStatic* entry) {
  char text[1024] = "";
  GetWindowTextA(entry->window, text, sizeof text);
  return text;
}

void SetStaticText(SkinColorStatic* entry, const char* text) { SetWindowTextA(entry->window, text); }

void ShowStatic(SkinColorStatic* entry, bool visible) { ShowWindow(entry->window, visible ? SW_SHOW : SW_HIDE); }

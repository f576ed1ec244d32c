// Picture push buttons: normal, hover and pressed pictures, an optional
// caption burned into each picture the first time it is shown.
#include "skin/focus_mark_draw.h"
#include "skin/skin_binding.h"
#include "skin/plain_controls.h"
#include "skin/skin_label.h"

namespace {

LRESULT HandleButton(SkinButton* b, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      if (PaintPlainButton(b, window)) break;
      PAINTSTRUCT ps;
      HDC context = BeginPaint(window, &ps);
      HDC memory = CreateCompatibleDC(context);
      HGDIOBJ previous = SelectObject(memory, b->current);
      if (b->textPending) {
        DrawSkinText(memory, b->text, b->textColor, b->textRect, b->font);
        b->textPending = 0;
      }
      int width = 0, height = 0;
      PictureSize(b->current, &width, &height);
      BitBlt(context, 0, 0, width, height, memory, 0, 0, SRCCOPY);
      // Round what the hover lights, read when drawn: an owner may draw
      // words into both pictures after attaching them.
      if (FocusMarkShown(window)) DrawFocusMark(window, context, width, height, HoverLitArea(b->normal, b->hover));
      SelectObject(memory, previous);
      DeleteDC(memory);
      EndPaint(window, &ps);
      break;
    }
    case WM_MOUSEMOVE:
      if (b->released) {
        if (!b->hoverTextDone) {
          b->hoverTextDone = 1;
          b->textPending = 1;
        }
        b->current = b->hover;
        InvalidateControl(window);
      }
      ShowHint(b);
      break;
    case WM_LBUTTONDOWN:
      b->released = 0;
      if (!b->pressedTextDone) {
        b->pressedTextDone = 1;
        b->textPending = 1;
      }
      b->current = b->pressed;
      InvalidateControl(window);
      break;
    case WM_LBUTTONUP:
      // The pressed picture stays until the next move or the owner's reset.
      b->released = 1;
      break;
    case WM_GETDLGCODE: {
      // Enter presses the button with the focus however the focus came (the
      // dialog manager makes a button its default only when Tab brings the
      // focus, not when activation gives it back), and no other: a button
      // Tab once passed keeps the default style, and Enter in the interval
      // box or on the switch would press it.
      const LRESULT code = PassOn(kKindButton, window, message, wParam, lParam);
      if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) return code;
      const LRESULT push = GetFocus() == window ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
      return (code & ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) | push;
    }
  }
  return PassOn(kKindButton, window, message, wParam, lParam);
}

LRESULT CALLBACK ButtonEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* b = reinterpret_cast<SkinButton*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!b) return PassOn(kKindButton, window, message, wParam, lParam);
  return HandleButton(b, window, message, wParam, lParam);
}

HWND Attach(SkinManager* m, SkinButton* b, int controlId, PictureRef normal, PictureRef hover, PictureRef pressed) {
  HWND window = FindSkinControl(m, controlId, kKindButton);
  if (!window) return nullptr;
  const PictureRef refs[3] = {normal, hover, pressed};
  const bool optional[3] = {false, false, true};
  HBITMAP pictures[3];
  if (!LoadPictures(m, refs, optional, 3, pictures)) return nullptr;
  b->normal = pictures[0];
  b->hover = pictures[1];
  b->pressed = pictures[2] ? pictures[2] : pictures[0];
  b->released = 1;
  b->hoverTextDone = b->pressedTextDone = b->textPending ? 0 : 1;
  b->window = window;
  if (b->textPending) {
    int width = 0, height = 0;
    PictureSize(b->normal, &width, &height);
    b->textRect = RECT{width / 2, 10, width, height};
    if (b->textLeft) b->textRect.left = b->textLeft;
    if (b->textTop) b->textRect.top = b->textTop;
  }
  b->current = b->normal;
  FitWindowToImage(window, b->normal);
  InvalidateControl(window);
  BindControl(m, window, b, kKindButton, ButtonEntry);
  ListOnce(m->buttons, b);
  return window;
}

}  // namespace

void SetCaption(SkinButton* b, const char* text, COLORREF colour, HFONT font) {
  b->text = text ? text : "";
  b->textColor = colour;
  b->font = font;
  b->textPending = 1;
}

HWND AttachButton(SkinManager* m, SkinButton* b, int controlId, int normalId, int hoverId, int pressedId) {
  return Attach(m, b, controlId, PictureById(normalId), PictureById(hoverId), PictureById(pressedId));
}

HWND AttachButton(SkinManager* m, SkinButton* b, int controlId) {
  const int* ids = m->theme.ids;
  return Attach(m, b, controlId, PictureById(ids[10]), PictureById(ids[11]), PictureById(ids[12]));
}

HWND AttachButton(SkinManager* m, SkinButton* b, int controlId, const SkinButtonFiles& files) {
  return Attach(m, b, controlId, PictureByPath(files.normal), PictureByPath(files.hover), PictureByPath(files.pressed));
}

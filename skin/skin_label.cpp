// Labels: a picture with a text drawn over it at a fixed origin. The text is
// drawn on a fresh copy of the picture at every paint, so the picture itself
// is never written.
#include "skin/skin_label.h"

#include "skin/plain_controls.h"
#include "skin/skin_binding.h"

void DrawSkinText(HDC context, const std::string& text, COLORREF colour, const RECT& rect, HFONT font) {
  if (font) SelectObject(context, font);
  SetTextColor(context, colour);
  SetBkMode(context, TRANSPARENT);
  RECT box = rect;
  DrawTextA(context, text.c_str(), static_cast<int>(text.size()), &box, DT_NOPREFIX);
}

namespace {

void PaintLabel(SkinLabel* l, HWND window) {
  PAINTSTRUCT ps;
  HDC context = BeginPaint(window, &ps);
  HDC buffer = CreateCompatibleDC(context);
  int saved = SaveDC(buffer);
  HBITMAP bitmap = CreateCompatibleBitmap(context, l->bufferWidth, l->bufferHeight);
  SelectObject(buffer, bitmap);
  BitBlt(buffer, 0, 0, l->bufferWidth, l->bufferHeight, l->pictureContext, 0, 0, SRCCOPY);
  if (!l->text.empty()) DrawSkinText(buffer, l->text, l->textColor, l->textRect, l->font);
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
      if (!PaintPlainLabel(l, window)) PaintLabel(l, window);
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

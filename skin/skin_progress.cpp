// Progress bars: the fill picture slid in from the left up to the value.
#include "skin/skin_binding.h"
#include "skin/skin_geometry.h"
#include "skin/skin_values.h"

namespace {

void PaintProgress(SkinProgress* b, HWND window) {
  PAINTSTRUCT ps;
  HDC context = BeginPaint(window, &ps);
  HDC buffer = CreateCompatibleDC(context);
  int saved = SaveDC(buffer);
  HBITMAP bitmap = CreateCompatibleBitmap(context, b->width, b->height);
  SelectObject(buffer, bitmap);
  BlitPicture(buffer, b->background, 0, 0);
  BitBlt(buffer, b->value - b->width, 0, b->width, b->height, b->fillContext, 0, 0, SRCCOPY);
  BitBlt(context, 0, 0, b->width, b->height, buffer, 0, 0, SRCCOPY);
  RestoreDC(buffer, saved);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(window, &ps);
}

LRESULT CALLBACK ProgressEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* b = reinterpret_cast<SkinProgress*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (b) {
    switch (message) {
      case WM_ERASEBKGND:
        // The paint covers everything; erasing first would only flicker.
        return 1;
      case WM_PAINT:
        PaintProgress(b, window);
        break;
      case WM_MOUSEMOVE:
        ShowHint(b);
        break;
    }
  }
  return PassOn(kKindProgress, window, message, wParam, lParam);
}

HWND Attach(SkinManager* m, SkinProgress* b, int controlId, PictureRef background, PictureRef fill) {
  HWND window = FindSkinControl(m, controlId, kKindProgress);
  if (!window) return nullptr;
  const PictureRef refs[2] = {background, fill};
  const bool optional[2] = {false, false};
  HBITMAP pictures[2];
  if (!LoadPictures(m, refs, optional, 2, pictures)) return nullptr;
  b->background = pictures[0];
  b->fill = pictures[1];
  b->window = window;
  PictureSize(b->background, &b->width, &b->height);
  b->fillContext = MakePictureContext(m, b->fill, &b->fillSaved);
  FitWindowToImage(window, b->background);
  InvalidateControl(window);
  BindControl(m, window, b, kKindProgress, ProgressEntry);
  return window;
}

}  // namespace

void StepProgress(SkinProgress* b, int delta) {
  b->value = StepProgressValue(b->value, b->width, delta, b->loop != 0);
  InvalidateControl(b->window);
}

void InvalidateProgress(SkinProgress* b) { InvalidateControl(b->window); }

HWND AttachProgress(SkinManager* m, SkinProgress* b, int controlId, int backgroundId, int fillId) {
  return Attach(m, b, controlId, PictureById(backgroundId), PictureById(fillId));
}
HWND AttachProgress(SkinManager* m, SkinProgress* b, int controlId) {
  return Attach(m, b, controlId, PictureById(m->theme.ids[22]), PictureById(m->theme.ids[23]));
}
HWND AttachProgress(SkinManager* m, SkinProgress* b, int controlId, const SkinBarFiles& files) {
  return Attach(m, b, controlId, PictureByPath(files.back), PictureByPath(files.front));
}

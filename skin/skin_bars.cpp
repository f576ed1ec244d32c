// Level bars (a full-size fill revealed up to the mouse) and track bars (a
// thumb on a horizontal track).
#include "skin/skin_binding.h"
#include "skin/skin_geometry.h"
#include "skin/skin_values.h"

namespace {

void ClampLevel(SkinLevelBar* b) { b->positionX = ClampLevelPosition(b->positionX, b->fillWidth, b->rangeX); }
void ClampTrack(SkinTrackBar* b) { b->positionX = ClampTrackPosition(b->positionX, b->rangeX); }

void PaintLevelBar(SkinLevelBar* b, HWND window) {
  PAINTSTRUCT ps;
  HDC context = BeginPaint(window, &ps);
  HDC buffer = CreateCompatibleDC(context);
  int outer = SaveDC(buffer);
  SaveDC(buffer);
  HBITMAP bitmap = CreateCompatibleBitmap(context, b->fillWidth, b->fillHeight);
  SelectObject(buffer, bitmap);
  BitBlt(buffer, 0, 0, b->fillWidth, b->fillHeight, b->trackContext, 0, 0, SRCCOPY);
  BitBlt(buffer, b->positionX, b->positionY, b->fillWidth, b->fillHeight, b->fillContext, 0, 0, SRCCOPY);
  BitBlt(context, 0, 0, b->fillWidth, b->fillHeight, buffer, 0, 0, SRCCOPY);
  RestoreDC(buffer, outer);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(window, &ps);
}

LRESULT HandleLevelBar(SkinLevelBar* b, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int mouseX = LOWORD(lParam);
  switch (message) {
    case WM_PAINT:
      PaintLevelBar(b, window);
      break;
    case WM_MOUSEMOVE:
      if (b->dragging) {
        if (mouseX < b->fillWidth + b->rangeX) b->positionX = mouseX - b->fillWidth + 2;
        ClampLevel(b);
        InvalidateControl(window);
      }
      ShowHint(b);
      break;
    case WM_LBUTTONDOWN:
      b->dragging = 1;
      if (mouseX < b->fillWidth + b->rangeX) {
        b->positionX = mouseX - b->fillWidth;
        ClampLevel(b);
        InvalidateControl(window);
      }
      break;
    case WM_LBUTTONUP:
      b->dragging = 0;
      break;
    case WM_MOUSEWHEEL:
      b->positionX = WheelBarPosition(b->positionX, GET_WHEEL_DELTA_WPARAM(wParam), b->wheelStep);
      ClampLevel(b);
      InvalidateControl(window);
      break;
  }
  return PassOn(kKindLevelBar, window, message, wParam, lParam);
}

LRESULT CALLBACK LevelBarEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* b = reinterpret_cast<SkinLevelBar*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!b) return PassOn(kKindLevelBar, window, message, wParam, lParam);
  return HandleLevelBar(b, window, message, wParam, lParam);
}

LRESULT HandleTrackBar(SkinTrackBar* b, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int mouseX = LOWORD(lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC context = BeginPaint(window, &ps);
      BlitPicture(context, b->track, 0, 0);
      BlitPicture(context, b->thumb, b->positionX, b->positionY);
      EndPaint(window, &ps);
      break;
    }
    case WM_MOUSEMOVE:
      if (b->dragging) {
        if (mouseX < b->rangeX) b->positionX = mouseX;
        ClampTrack(b);
        InvalidateControl(window);
      }
      ShowHint(b);
      break;
    case WM_LBUTTONDOWN:
      b->dragging = 1;
      if (mouseX < b->thumbWidth + b->rangeX) {
        b->positionX = mouseX;
        ClampTrack(b);
        InvalidateControl(window);
      }
      break;
    case WM_LBUTTONUP:
      b->dragging = 0;
      break;
    case WM_MOUSEWHEEL:
      b->positionX = WheelBarPosition(b->positionX, GET_WHEEL_DELTA_WPARAM(wParam), b->wheelStep);
      ClampTrack(b);
      InvalidateControl(window);
      break;
  }
  return PassOn(kKindTrackBar, window, message, wParam, lParam);
}

LRESULT CALLBACK TrackBarEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* b = reinterpret_cast<SkinTrackBar*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!b) return PassOn(kKindTrackBar, window, message, wParam, lParam);
  return HandleTrackBar(b, window, message, wParam, lParam);
}

HWND Attach(SkinManager* m, SkinLevelBar* b, int controlId, PictureRef track, PictureRef fill) {
  HWND window = FindSkinControl(m, controlId, kKindLevelBar);
  if (!window) return nullptr;
  const PictureRef refs[2] = {track, fill};
  const bool optional[2] = {false, false};
  HBITMAP pictures[2];
  if (!LoadPictures(m, refs, optional, 2, pictures)) return nullptr;
  b->track = pictures[0];
  b->fill = pictures[1];
  b->dragging = 0;
  b->wheelStep = 5;
  b->window = window;
  b->fillContext = MakePictureContext(m, b->fill, &b->fillSaved);
  b->trackContext = MakePictureContext(m, b->track, &b->trackSaved);
  int trackWidth = 0, trackHeight = 0;
  PictureSize(b->track, &trackWidth, &trackHeight);
  PictureSize(b->fill, &b->fillWidth, &b->fillHeight);
  b->rangeX = trackWidth + b->extraX - b->fillWidth;
  b->rangeY = trackHeight + b->extraY - b->fillHeight;
  FitWindowToImage(window, b->track);
  InvalidateControl(window);
  BindControl(m, window, b, kKindLevelBar, LevelBarEntry);
  return window;
}

HWND Attach(SkinManager* m, SkinTrackBar* b, int controlId, PictureRef track, PictureRef thumb) {
  HWND window = FindSkinControl(m, controlId, kKindTrackBar);
  if (!window) return nullptr;
  const PictureRef refs[2] = {track, thumb};
  const bool optional[2] = {false, false};
  HBITMAP pictures[2];
  if (!LoadPictures(m, refs, optional, 2, pictures)) return nullptr;
  b->track = pictures[0];
  b->thumb = pictures[1];
  b->dragging = 0;
  b->wheelStep = 5;
  b->window = window;
  int trackWidth = 0, trackHeight = 0;
  PictureSize(b->track, &trackWidth, &trackHeight);
  PictureSize(b->thumb, &b->thumbWidth, &b->thumbHeight);
  b->rangeX = trackWidth + b->extraX - b->thumbWidth;
  b->rangeY = trackHeight + b->extraY - b->thumbHeight;
  FitWindowToImage(window, b->track);
  InvalidateControl(window);
  BindControl(m, window, b, kKindTrackBar, TrackBarEntry);
  return window;
}

}  // namespace

void InvalidateLevelBar(SkinLevelBar* b) { InvalidateControl(b->window); }
void InvalidateTrackBar(SkinTrackBar* b) { InvalidateControl(b->window); }

HWND AttachLevelBar(SkinManager* m, SkinLevelBar* b, int controlId, int trackId, int fillId) {
  return Attach(m, b, controlId, PictureById(trackId), PictureById(fillId));
}
HWND AttachLevelBar(SkinManager* m, SkinLevelBar* b, int controlId) {
  return Attach(m, b, controlId, PictureById(m->theme.ids[20]), PictureById(m->theme.ids[21]));
}
HWND AttachLevelBar(SkinManager* m, SkinLevelBar* b, int controlId, const SkinBarFiles& files) {
  return Attach(m, b, controlId, PictureByPath(files.back), PictureByPath(files.front));
}

HWND AttachTrackBar(SkinManager* m, SkinTrackBar* b, int controlId, int trackId, int thumbId) {
  return Attach(m, b, controlId, PictureById(trackId), PictureById(thumbId));
}
HWND AttachTrackBar(SkinManager* m, SkinTrackBar* b, int controlId) {
  return Attach(m, b, controlId, PictureById(m->theme.ids[18]), PictureById(m->theme.ids[19]));
}
HWND AttachTrackBar(SkinManager* m, SkinTrackBar* b, int controlId, const SkinBarFiles& files) {
  return Attach(m, b, controlId, PictureByPath(files.back), PictureByPath(files.front));
}

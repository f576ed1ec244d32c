// Sliders: a thumb dragged along a track, horizontal or vertical (vertical
// ones use the horizontal artwork turned by 90 degrees).
#include "skin/skin_binding.h"
#include "skin/skin_geometry.h"
#include "skin/skin_values.h"

namespace {

LRESULT HandleSlider(SkinSlider* s, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Unsigned words: a mouse left of or above the control reads as a large
  // number, which the clamps treat as such.
  const int mouseX = LOWORD(lParam);
  const int mouseY = HIWORD(lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC context = BeginPaint(window, &ps);
      BlitPicture(context, s->track, 0, 0);
      BlitPicture(context, s->thumb, s->x, s->y);
      EndPaint(window, &ps);
      break;
    }
    case WM_MOUSEMOVE:
      if (s->dragging) {
        // Past the far end the thumb stays where the last move inside left it.
        if (s->vertical) {
          if (mouseY < s->maxY) s->y = mouseY;
        } else {
          if (mouseX < s->maxX) s->x = mouseX;
        }
        ClampSlider(s, window);
      }
      ShowHint(s);
      break;
    case WM_LBUTTONDOWN:
      s->dragging = 1;
      if (s->vertical) {
        if (mouseY < s->thumbHeight + s->maxY) {
          s->y = mouseY;
          ClampSlider(s, window);
        }
      } else if (mouseX < s->thumbWidth + s->maxX) {
        s->x = mouseX;
        ClampSlider(s, window);
      }
      break;
    case WM_LBUTTONUP:
      s->dragging = 0;
      break;
    case WM_MOUSEWHEEL:
      WheelSliderPosition(s->vertical != 0, GET_WHEEL_DELTA_WPARAM(wParam), s->wheelStep, &s->x, &s->y);
      ClampSlider(s, window);
      break;
  }
  return PassOn(kKindSlider, window, message, wParam, lParam);
}

LRESULT CALLBACK SliderEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* s = reinterpret_cast<SkinSlider*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!s) return PassOn(kKindSlider, window, message, wParam, lParam);
  return HandleSlider(s, window, message, wParam, lParam);
}

// Replaces a picture the manager owns by its copy turned by 90 degrees.
HBITMAP TurnUpright(SkinManager* m, HBITMAP picture) {
  HBITMAP turned = RotateBitmap(picture, 90, 0);
  if (!turned || turned == picture) return picture;
  DropObject(m, picture);
  OwnObject(m, turned);
  return turned;
}

HWND Attach(SkinManager* m, SkinSlider* s, int controlId, PictureRef track, PictureRef thumb) {
  HWND window = FindSkinControl(m, controlId, kKindSlider);
  if (!window) return nullptr;
  const PictureRef refs[2] = {track, thumb};
  const bool optional[2] = {false, false};
  HBITMAP pictures[2];
  if (!LoadPictures(m, refs, optional, 2, pictures)) return nullptr;
  s->window = window;
  s->track = pictures[0];
  s->thumb = pictures[1];
  if (s->vertical) {
    s->track = TurnUpright(m, s->track);
    s->thumb = TurnUpright(m, s->thumb);
  }
  s->x = s->minX;
  s->y = s->minY;
  int trackWidth = 0, trackHeight = 0;
  PictureSize(s->track, &trackWidth, &trackHeight);
  PictureSize(s->thumb, &s->thumbWidth, &s->thumbHeight);
  s->maxX = trackWidth + s->extraX - s->thumbWidth;
  s->maxY = trackHeight + s->extraY - s->thumbHeight;
  FitWindowToImage(window, s->track);
  InvalidateControl(window);
  BindControl(m, window, s, kKindSlider, SliderEntry);
  return window;
}

}  // namespace

void ClampSlider(SkinSlider* s, HWND window) {
  ClampSliderPosition(s->vertical != 0, &s->x, &s->y, s->minX, s->minY, s->maxX, s->maxY);
  InvalidateControl(window ? window : s->window);
}

void StepSlider(SkinSlider* s, int delta) {
  if (s->vertical) {
    s->y += delta;
  } else {
    s->x += delta;
  }
  ClampSlider(s, nullptr);
}

void InvalidateSlider(SkinSlider* s) { InvalidateControl(s->window); }

HWND AttachSlider(SkinManager* m, SkinSlider* s, int controlId, int trackId, int thumbId) {
  return Attach(m, s, controlId, PictureById(trackId), PictureById(thumbId));
}

HWND AttachSlider(SkinManager* m, SkinSlider* s, int controlId) {
  return Attach(m, s, controlId, PictureById(m->theme.ids[13]), PictureById(m->theme.ids[14]));
}

HWND AttachSlider(SkinManager* m, SkinSlider* s, int controlId, const SkinSliderFiles& files) {
  return Attach(m, s, controlId, PictureByPath(files.track), PictureByPath(files.thumb));
}

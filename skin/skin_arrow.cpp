// Arrow buttons beside a slider: each press steps the slider, and while the
// arrow is held a 100 ms timer steps it again at every tick.
#include "skin/skin_binding.h"
#include "skin/skin_geometry.h"
#include "skin/skin_values.h"

namespace {

constexpr UINT_PTR kRepeatTimerId = 5;
constexpr UINT kRepeatPeriodMs = 100;

LRESULT HandleArrow(SkinArrowButton* a, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintImage(window, a->current);
      break;
    case WM_MOUSEMOVE:
      if (a->released) {
        a->current = a->hover;
        InvalidateControl(window);
      }
      break;
    case WM_LBUTTONDOWN:
      // The repeat timer runs from the first press for the window's life;
      // its ticks do nothing while the arrow is released.
      if (!a->timerStarted) {
        SetTimer(window, kRepeatTimerId, kRepeatPeriodMs, nullptr);
        a->timerStarted = 1;
      }
      a->released = 0;
      a->current = a->pressed;
      InvalidateControl(window);
      if (a->target) StepSlider(a->target, a->step);
      break;
    case WM_TIMER:
      if (!a->released && a->target) StepSlider(a->target, a->step);
      break;
    case WM_LBUTTONUP:
      a->released = 1;
      break;
  }
  return PassOn(kKindArrow, window, message, wParam, lParam);
}

LRESULT CALLBACK ArrowEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* a = reinterpret_cast<SkinArrowButton*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!a) return PassOn(kKindArrow, window, message, wParam, lParam);
  return HandleArrow(a, window, message, wParam, lParam);
}

// The picture turned for the direction, owned by the manager in place of
// the loaded one.
HBITMAP Turn(SkinManager* m, HBITMAP picture, int degrees) {
  HBITMAP turned = RotateBitmap(picture, degrees, 0);
  if (!turned || turned == picture) return picture;
  DropObject(m, picture);
  OwnObject(m, turned);
  return turned;
}

HWND Attach(SkinManager* m, SkinArrowButton* a, SkinSlider* target, int controlId, int direction, PictureRef normal,
            PictureRef hover, PictureRef pressed) {
  HWND window = FindSkinControl(m, controlId, kKindArrow);
  if (!window) return nullptr;
  const PictureRef refs[3] = {normal, hover, pressed};
  const bool optional[3] = {false, false, true};
  HBITMAP pictures[3];
  if (!LoadPictures(m, refs, optional, 3, pictures)) return nullptr;
  a->target = target;
  a->released = 1;
  a->window = window;
  // A new window has no repeat timer yet, whatever an earlier one had.
  a->timerStarted = 0;
  const int degrees = ArrowRotation(direction);
  a->normal = Turn(m, pictures[0], degrees);
  a->hover = Turn(m, pictures[1], degrees);
  a->pressed = pictures[2] ? Turn(m, pictures[2], degrees) : a->normal;

  int aw = 0, ah = 0, tw = 0, th = 0;
  PictureSize(a->normal, &aw, &ah);
  POINT t = {0, 0};
  if (target) {
    PictureSize(target->track, &tw, &th);
    if (target->window) t = PositionInParent(target->window);
  }
  const ArrowPlacement place = PlaceArrow(direction, t.x, t.y, tw, th, aw, ah);
  a->step *= place.stepSign;
  MoveWindow(window, place.x, place.y, aw, ah, TRUE);
  a->current = a->normal;
  InvalidateControl(window);
  BindControl(m, window, a, kKindArrow, ArrowEntry);
  ListOnce(m->arrows, a);
  return window;
}

}  // namespace

void ResetArrows(SkinManager* m) {
  for (SkinArrowButton* a : m->arrows) {
    a->current = a->normal;
    InvalidateControl(a->window);
  }
}

void InvalidateArrow(SkinArrowButton* a) { InvalidateControl(a->window); }

HWND AttachArrow(SkinManager* m, SkinArrowButton* a, SkinSlider* target, int controlId, int direction, int normalId,
                 int hoverId, int pressedId) {
  return Attach(m, a, target, controlId, direction, PictureById(normalId), PictureById(hoverId),
                PictureById(pressedId));
}

HWND AttachArrow(SkinManager* m, SkinArrowButton* a, SkinSlider* target, int controlId, int direction) {
  const int* ids = m->theme.ids;
  return Attach(m, a, target, controlId, direction, PictureById(ids[15]), PictureById(ids[16]), PictureById(ids[17]));
}

HWND AttachArrow(SkinManager* m, SkinArrowButton* a, SkinSlider* target, int controlId, int direction,
                 const SkinArrowFiles& files) {
  return Attach(m, a, target, controlId, direction, PictureByPath(files.normal), PictureByPath(files.hover),
                PictureByPath(files.pressed));
}

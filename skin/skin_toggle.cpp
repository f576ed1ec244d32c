// On/off picture buttons. The state flips on the press, before the push
// button's own click notification (sent on release), so the owner's
// BN_CLICKED already reads the new state.
#include "skin/plain_controls.h"
#include "skin/skin_binding.h"

namespace {

LRESULT HandleToggle(SkinToggle* t, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      if (!PaintPlainToggle(t, window)) PaintImage(window, t->current);
      break;
    case WM_MOUSEMOVE:
      if (t->hasHover) {
        t->current = t->state ? t->hoverOn : t->hoverOff;
        InvalidateControl(window);
      }
      ShowHint(t);
      break;
    case WM_LBUTTONDOWN:
      t->state = t->state ? 0 : 1;
      t->current = t->state ? t->on : t->off;
      InvalidateControl(window);
      break;
  }
  return PassOn(kKindToggle, window, message, wParam, lParam);
}

LRESULT CALLBACK ToggleEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* t = reinterpret_cast<SkinToggle*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!t) return PassOn(kKindToggle, window, message, wParam, lParam);
  return HandleToggle(t, window, message, wParam, lParam);
}

HWND Attach(SkinManager* m, SkinToggle* t, int controlId, PictureRef off, PictureRef on, PictureRef hoverOff,
            PictureRef hoverOn) {
  HWND window = FindSkinControl(m, controlId, kKindToggle);
  if (!window) return nullptr;
  // The hover pair counts only when both are given.
  const bool hover = hoverOff.present() && hoverOn.present();
  const PictureRef refs[4] = {on, off, hover ? hoverOff : PictureRef{}, hover ? hoverOn : PictureRef{}};
  const bool optional[4] = {false, false, true, true};
  HBITMAP pictures[4];
  if (!LoadPictures(m, refs, optional, 4, pictures)) return nullptr;
  t->on = pictures[0];
  t->off = pictures[1];
  t->hoverOff = pictures[2];
  t->hoverOn = pictures[3];
  t->window = window;
  t->state = 0;
  t->hasHover = hover ? 1 : 0;
  t->current = t->off;
  InvalidateControl(window);
  FitWindowToImage(window, t->off);
  BindControl(m, window, t, kKindToggle, ToggleEntry);
  ListOnce(m->toggles, t);
  return window;
}

}  // namespace

void SetToggleState(SkinToggle* t, bool on) {
  t->state = on ? 1 : 0;
  t->current = on ? t->on : t->off;
  InvalidateControl(t->window);
}

bool GetToggleState(const SkinToggle* t) { return t->state != 0; }

HWND AttachToggle(SkinManager* m, SkinToggle* t, int controlId, int offId, int onId, int hoverOffId, int hoverOnId) {
  return Attach(m, t, controlId, PictureById(offId), PictureById(onId), PictureById(hoverOffId),
                PictureById(hoverOnId));
}

HWND AttachToggle(SkinManager* m, SkinToggle* t, int controlId) {
  const int* ids = m->theme.ids;
  return Attach(m, t, controlId, PictureById(ids[4]), PictureById(ids[2]), PictureById(ids[5]), PictureById(ids[3]));
}

HWND AttachToggle(SkinManager* m, SkinToggle* t, int controlId, const SkinToggleFiles& files) {
  return Attach(m, t, controlId, PictureByPath(files.off), PictureByPath(files.on), PictureByPath(files.hoverOff),
                PictureByPath(files.hoverOn));
}

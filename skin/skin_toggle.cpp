// On/off picture buttons. The state flips on the press, before the push
// button's own click notification (sent on release), so the owner's
// BN_CLICKED already reads the new state. From the keyboard it flips when
// Space is let go on it, just before that notification.
#include "skin/plain_controls.h"
#include "skin/skin_binding.h"

namespace {

// A screen reader on the switch reads its new state (skin_accessible.cpp
// reports it as a check box).
void TellStateChanged(HWND window) { NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, CHILDID_SELF); }

void Flip(SkinToggle* t, HWND window) {
  t->state = t->state ? 0 : 1;
  t->current = t->state ? t->on : t->off;
  InvalidateControl(window);
  TellStateChanged(window);
}

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
      Flip(t, window);
      break;
    case WM_KEYUP:
      // The button's procedure clicks on this release only when Space
      // pushed it; the state flips exactly then.
      if (wParam == VK_SPACE && (SendMessageA(window, BM_GETSTATE, 0, 0) & BST_PUSHED)) Flip(t, window);
      break;
    case WM_GETDLGCODE:
      // A switch, as a check box is to the dialog manager: never its default
      // button, so Enter does not click it; Space flips it.
      return DLGC_BUTTON;
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
  const unsigned char state = on ? 1 : 0;
  const bool changed = state != t->state;
  t->state = state;
  t->current = on ? t->on : t->off;
  InvalidateControl(t->window);
  if (changed && t->window) TellStateChanged(t->window);
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

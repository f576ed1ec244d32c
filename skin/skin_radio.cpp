// Group picture buttons. A group's selection is one process-wide slot per
// group holding the selected radio's control id; a radio's picture follows
// the slot only when it is refreshed.
#include "skin/skin_binding.h"

namespace {

constexpr int kRadioGroups = 10;
int g_radioGroups[kRadioGroups];

void Refresh(SkinRadio* r) {
  if (g_radioGroups[r->group] == r->value) {
    r->selected = 1;
    r->current = r->selectedPicture;
  } else {
    r->selected = 0;
    r->current = r->normalPicture;
  }
  InvalidateControl(r->window);
}

LRESULT HandleRadio(SkinRadio* r, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintImage(window, r->current);
      break;
    case WM_MOUSEMOVE:
      if (r->hasHover) {
        r->current = r->selected ? r->hoverSelected : r->hoverNormal;
        InvalidateControl(window);
      }
      ShowHint(r);
      break;
    case WM_LBUTTONDOWN:
      // Only this radio is refreshed; the others of its group keep their
      // pictures until the owner's RefreshRadios.
      g_radioGroups[r->group] = r->value;
      Refresh(r);
      break;
  }
  return PassOn(kKindRadio, window, message, wParam, lParam);
}

LRESULT CALLBACK RadioEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* r = reinterpret_cast<SkinRadio*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!r) return PassOn(kKindRadio, window, message, wParam, lParam);
  return HandleRadio(r, window, message, wParam, lParam);
}

HWND Attach(SkinManager* m, SkinRadio* r, int controlId, int group, PictureRef normal, PictureRef selected,
            PictureRef hoverNormal, PictureRef hoverSelected) {
  // The group indexes the slot table: anything else is refused.
  if (group < 0 || group >= kRadioGroups) return nullptr;
  HWND window = FindSkinControl(m, controlId, kKindRadio);
  if (!window) return nullptr;
  const bool hover = hoverNormal.present() && hoverSelected.present();
  const PictureRef refs[4] = {normal, selected, hover ? hoverNormal : PictureRef{},
                              hover ? hoverSelected : PictureRef{}};
  const bool optional[4] = {false, false, true, true};
  HBITMAP pictures[4];
  if (!LoadPictures(m, refs, optional, 4, pictures)) return nullptr;
  r->normalPicture = pictures[0];
  r->selectedPicture = pictures[1];
  r->hoverNormal = pictures[2];
  r->hoverSelected = pictures[3];
  r->value = controlId;
  r->group = group;
  r->selected = 0;
  r->hasHover = hover ? 1 : 0;
  r->window = window;
  r->current = r->normalPicture;
  FitWindowToImage(window, r->normalPicture);
  InvalidateControl(window);
  BindControl(m, window, r, kKindRadio, RadioEntry);
  ListOnce(m->radios, r);
  return window;
}

}  // namespace

void RefreshRadios(SkinManager* m) {
  for (SkinRadio* r : m->radios) Refresh(r);
}

void SelectRadio(SkinRadio* r) {
  g_radioGroups[r->group] = r->value;
  Refresh(r);
}

void SelectRadioValue(SkinRadio* r, int value) {
  g_radioGroups[r->group] = value;
  Refresh(r);
}

int GetRadioValue(const SkinRadio* r) { return g_radioGroups[r->group]; }

HWND AttachRadio(SkinManager* m, SkinRadio* r, int controlId, int group, int normalId, int selectedId,
                 int hoverNormalId, int hoverSelectedId) {
  return Attach(m, r, controlId, group, PictureById(normalId), PictureById(selectedId), PictureById(hoverNormalId),
                PictureById(hoverSelectedId));
}

HWND AttachRadio(SkinManager* m, SkinRadio* r, int controlId, int group) {
  const int* ids = m->theme.ids;
  return Attach(m, r, controlId, group, PictureById(ids[8]), PictureById(ids[6]), PictureById(ids[9]),
                PictureById(ids[7]));
}

HWND AttachRadio(SkinManager* m, SkinRadio* r, int controlId, int group, const SkinRadioFiles& files) {
  return Attach(m, r, controlId, group, PictureByPath(files.normal), PictureByPath(files.selected),
                PictureByPath(files.hoverNormal), PictureByPath(files.hoverSelected));
}

#include "skin/skin_manager.h"

#include "skin/skin_binding.h"
#include "skin/skin_label.h"
#include "skin/skin_values.h"

void Init(SkinManager* manager, HWND dialog, const SkinTheme* theme) {
  // A dialog opened again starts from empty lists: what its closed
  // predecessor attached is given back here if its owner did not.
  if (manager->dialog && manager->dialog != dialog && !IsWindow(manager->dialog)) ReleaseSkin(manager);
  manager->dialog = dialog;
  if (theme) {
    manager->theme = *theme;
  } else {
    manager->theme = SkinTheme{};
  }
}

void ResetButtons(SkinManager* m) {
  for (SkinButton* b : m->buttons) {
    b->current = b->normal;
    InvalidateControl(b->window);
  }
}

void ResetToggles(SkinManager* m) {
  for (SkinToggle* t : m->toggles) {
    if (!t->hasHover) continue;
    t->current = t->state ? t->on : t->off;
    InvalidateControl(t->window);
  }
}

void SetStaticDefaults(SkinManager* m, HFONT font, COLORREF backColor, COLORREF textColor) {
  m->defaultFont = font;
  m->defaultBackColor = backColor;
  m->defaultTextColor = textColor;
}

void SetDefaultHintLabel(SkinManager* m, SkinLabel* label) { m->defaultHintLabel = label; }

namespace {

void StoreHint(SkinHint* hint, SkinLabel* label, const char* text) {
  hint->label = label;
  hint->text = text ? text : "";
  hint->set = 1;
}

void SendHint(const SkinHint& hint) {
  if (hint.set && hint.label) SetLabelText(hint.label, hint.text.c_str(), 0, nullptr);
}

// The first text given for a kind stays its default.
void StoreDefaultHint(SkinManager* m, SkinHint* hint, int kind, const char* text) {
  std::string& stored = m->defaultHintTexts[kind];
  if (stored.empty()) stored = text ? text : "";
  StoreHint(hint, m->defaultHintLabel, stored.c_str());
}

}  // namespace

void SetHint(SkinButton* c, SkinLabel* label, const char* text) { StoreHint(&c->hint, label, text); }
void SetHint(SkinToggle* c, SkinLabel* label, const char* text) { StoreHint(&c->hint, label, text); }
void SetHint(SkinRadio* c, SkinLabel* label, const char* text) { StoreHint(&c->hint, label, text); }
void SetHint(SkinLabel* c, SkinLabel* label, const char* text) { StoreHint(&c->hint, label, text); }
void SetHint(SkinSlider* c, SkinLabel* label, const char* text) { StoreHint(&c->hint, label, text); }
void SetHint(SkinLevelBar* c, SkinLabel* label, const char* text) { StoreHint(&c->hint, label, text); }
void SetHint(SkinTrackBar* c, SkinLabel* label, const char* text) { StoreHint(&c->hint, label, text); }
void SetHint(SkinProgress* c, SkinLabel* label, const char* text) { StoreHint(&c->hint, label, text); }

void ShowHint(SkinButton* c) { SendHint(c->hint); }
void ShowHint(SkinToggle* c) { SendHint(c->hint); }
void ShowHint(SkinRadio* c) { SendHint(c->hint); }
void ShowHint(SkinLabel* c) { SendHint(c->hint); }
void ShowHint(SkinSlider* c) { SendHint(c->hint); }
void ShowHint(SkinLevelBar* c) { SendHint(c->hint); }
void ShowHint(SkinTrackBar* c) { SendHint(c->hint); }
void ShowHint(SkinProgress* c) { SendHint(c->hint); }

void UseDefaultHint(SkinManager* m, SkinRadio* c, const char* text) { StoreDefaultHint(m, &c->hint, kHintRadio, text); }
void UseDefaultHint(SkinManager* m, SkinButton* c, const char* text) { StoreDefaultHint(m, &c->hint, kHintButton, text); }
void UseDefaultHint(SkinManager* m, SkinToggle* c, const char* text) { StoreDefaultHint(m, &c->hint, kHintToggle, text); }
void UseDefaultHint(SkinManager* m, SkinProgress* c, const char* text) {
  StoreDefaultHint(m, &c->hint, kHintProgress, text);
}
void UseDefaultHint(SkinManager* m, SkinTrackBar* c, const char* text) {
  StoreDefaultHint(m, &c->hint, kHintTrackBar, text);
}
void UseDefaultHint(SkinManager* m, SkinSlider* c, const char* text) { StoreDefaultHint(m, &c->hint, kHintSlider, text); }

// What each kind of picture control tells a screen reader. The window
// classes say "push button" for all of them, and a picture says nothing:
// a picture button and an arrow are push buttons, a toggle is a check box
// that is checked while it is on, a radio is a radio button that is checked
// while selected, and a label is a read-only text that reads the text it
// shows. The names of the buttons are their window texts (SetControlName).
#include <oleacc.h>

#include "skin/accessible_object.h"
#include "skin/skin_binding.h"
#include "skin/skin_label.h"

namespace {

template <typename T>
const T* ObjectOf(HWND window) {
  return reinterpret_cast<const T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void DescribeButton(HWND, AccessibleFacts* facts) { facts->role = ROLE_SYSTEM_PUSHBUTTON; }

void DescribeToggle(HWND window, AccessibleFacts* facts) {
  facts->role = ROLE_SYSTEM_CHECKBUTTON;
  const SkinToggle* toggle = ObjectOf<SkinToggle>(window);
  if (toggle && toggle->state) facts->state = STATE_SYSTEM_CHECKED;
}

void DescribeRadio(HWND window, AccessibleFacts* facts) {
  facts->role = ROLE_SYSTEM_RADIOBUTTON;
  const SkinRadio* radio = ObjectOf<SkinRadio>(window);
  if (radio && radio->selected) facts->state = STATE_SYSTEM_CHECKED;
}

void DescribeLabel(HWND window, AccessibleFacts* facts) {
  facts->role = ROLE_SYSTEM_STATICTEXT;
  facts->state = STATE_SYSTEM_READONLY;
  const SkinLabel* label = ObjectOf<SkinLabel>(window);
  if (label) facts->name = label->text;
}

}  // namespace

LRESULT AnswerSkinObject(int kind, HWND window, WPARAM wParam, LPARAM lParam) {
  switch (kind) {
    case kKindButton:
    case kKindArrow:
      return AnswerAccessibleObject(window, wParam, lParam, DescribeButton);
    case kKindToggle:
      return AnswerAccessibleObject(window, wParam, lParam, DescribeToggle);
    case kKindRadio:
      return AnswerAccessibleObject(window, wParam, lParam, DescribeRadio);
    case kKindLabel:
      return AnswerAccessibleObject(window, wParam, lParam, DescribeLabel);
    default:
      return 0;  // the value controls: what the standard object says
  }
}

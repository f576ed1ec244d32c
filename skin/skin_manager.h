// Skin manager and picture buttons. A dialog's own push buttons become
// picture controls without new windows: each control object is stored in its
// window's user data and the window procedure is subclassed, one procedure
// per control kind. Every message is passed on to the button's previous
// procedure afterwards, so owners still get the ordinary BN_CLICKED.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SkinLabel;
struct SkinColorStatic;
struct SkinArrowButton;

// 24 default picture ids, 0 meaning none:
//  2..5 toggle (on, hover-on, off, hover-off)
//  6..9 radio (selected, hover-selected, normal, hover-normal)
//  10..12 button (normal, hover, pressed)
//  13, 14 slider (track, thumb); 15..17 arrow (normal, hover, pressed)
//  18, 19 track bar; 20, 21 level bar; 22, 23 progress bar
struct SkinTheme {
  int ids[24];
};

// A text that a control writes into a label whenever the mouse moves over it.
struct SkinHint {
  SkinLabel* label = nullptr;
  std::string text;
  unsigned char set = 0;
};

struct SkinButton {
  unsigned char textPending = 0;      // draw the caption into current at the next paint
  unsigned char hoverTextDone = 0;    // the caption is in the hover picture
  unsigned char pressedTextDone = 0;  // the caption is in the pressed picture
  unsigned char released = 1;         // the left button is not held on the control
  std::string text;
  COLORREF textColor = 0;
  RECT textRect = {0, 0, 0, 0};
  HFONT font = nullptr;
  HBITMAP current = nullptr;
  HBITMAP hover = nullptr;
  HBITMAP pressed = nullptr;
  HBITMAP normal = nullptr;
  int textLeft = 0;
  int textTop = 0;
  HWND window = nullptr;
  SkinHint hint;
};

struct SkinToggle {
  unsigned char state = 0;  // 1 = on
  unsigned char hasHover = 0;
  HBITMAP current = nullptr;
  HBITMAP hoverOn = nullptr;
  HBITMAP hoverOff = nullptr;
  HBITMAP on = nullptr;
  HBITMAP off = nullptr;
  HWND window = nullptr;
  SkinHint hint;
};

struct SkinRadio {
  unsigned char selected = 0;
  unsigned char hasHover = 0;
  int group = 0;  // 0 to 9
  HBITMAP current = nullptr;
  HBITMAP hoverSelected = nullptr;
  HBITMAP hoverNormal = nullptr;
  HBITMAP selectedPicture = nullptr;
  HBITMAP normalPicture = nullptr;
  HWND window = nullptr;
  int value = 0;  // the control's dialog id
  SkinHint hint;
};

// Which default hint text a control kind uses.
enum SkinHintKind {
  kHintRadio = 0,
  kHintButton = 1,
  kHintToggle = 2,
  kHintProgress = 3,
  kHintTrackBar = 4,
  kHintSlider = 5,
};

// A memory context an attach made (with its SaveDC level), given back by
// ReleaseSkin.
struct SkinOwnedContext {
  HDC context = nullptr;
  int savedState = 0;
};

// A subclassed control window and its kind (index of its saved procedure).
struct SkinBinding {
  HWND window = nullptr;
  int kind = 0;
};

// One per skinned dialog; lives for the whole process and is initialised
// again whenever its dialog is created.
struct SkinManager {
  HFONT defaultFont = nullptr;
  COLORREF defaultBackColor = 0;
  COLORREF defaultTextColor = 0;
  HWND dialog = nullptr;
  // The DPI the pictures of the next attaches are loaded for (their
  // artwork set, resized between sets); 96 loads the design's pictures.
  int dpi = 96;
  SkinTheme theme = {};
  std::vector<SkinColorStatic*> colorStatics;
  std::vector<SkinButton*> buttons;
  std::vector<SkinRadio*> radios;
  std::vector<SkinToggle*> toggles;
  std::vector<SkinArrowButton*> arrows;
  SkinLabel* defaultHintLabel = nullptr;
  std::string defaultHintTexts[6];
  // What the attaches of the current dialog made, released by ReleaseSkin.
  std::vector<HGDIOBJ> ownedObjects;
  std::vector<SkinOwnedContext> ownedContexts;
  std::vector<SkinBinding> bindings;
};

// Picture files for the file variants of the attach operations; an empty
// path stands for an absent optional picture.
struct SkinButtonFiles {
  std::string normal, hover, pressed;
};
struct SkinToggleFiles {
  std::string off, on, hoverOff, hoverOn;
};
struct SkinRadioFiles {
  std::string normal, selected, hoverNormal, hoverSelected;
};

// Stores the dialog and a copy of the theme (null: all zero). Whatever an
// earlier, since closed dialog of this manager left is released first.
void Init(SkinManager* manager, HWND dialog, const SkinTheme* theme);

// Attach operations return the control's window, or none when a picture
// cannot be loaded or the control does not exist (the control then stays a
// plain push button). A hover pair is used only when both pictures are given.
HWND AttachButton(SkinManager* m, SkinButton* b, int controlId, int normalId, int hoverId, int pressedId);
HWND AttachButton(SkinManager* m, SkinButton* b, int controlId);  // theme slots 10..12
HWND AttachButton(SkinManager* m, SkinButton* b, int controlId, const SkinButtonFiles& files);
HWND AttachToggle(SkinManager* m, SkinToggle* t, int controlId, int offId, int onId, int hoverOffId, int hoverOnId);
HWND AttachToggle(SkinManager* m, SkinToggle* t, int controlId);  // theme slots 2..5
HWND AttachToggle(SkinManager* m, SkinToggle* t, int controlId, const SkinToggleFiles& files);
HWND AttachRadio(SkinManager* m, SkinRadio* r, int controlId, int group, int normalId, int selectedId,
                 int hoverNormalId, int hoverSelectedId);
HWND AttachRadio(SkinManager* m, SkinRadio* r, int controlId, int group);  // theme slots 6..9
HWND AttachRadio(SkinManager* m, SkinRadio* r, int controlId, int group, const SkinRadioFiles& files);

// Owner's reset on its own mouse move: plain pictures again.
void ResetButtons(SkinManager* m);
void ResetToggles(SkinManager* m);
void RefreshRadios(SkinManager* m);

void SetStaticDefaults(SkinManager* m, HFONT font, COLORREF backColor, COLORREF textColor);
void SetDefaultHintLabel(SkinManager* m, SkinLabel* label);
void UseDefaultHint(SkinManager* m, SkinButton* control, const char* text);
void UseDefaultHint(SkinManager* m, SkinToggle* control, const char* text);
void UseDefaultHint(SkinManager* m, SkinRadio* control, const char* text);

// Gives back every picture, context and brush the attaches of the current
// dialog made, restores the controls' own procedures where the windows still
// exist and empties the lists. Call it when the dialog closes.
void ReleaseSkin(SkinManager* m);

// Given before attaching: the button draws this caption into its pictures.
void SetCaption(SkinButton* b, const char* text, COLORREF colour, HFONT font);

void SetToggleState(SkinToggle* t, bool on);
bool GetToggleState(const SkinToggle* t);

void SelectRadio(SkinRadio* r);
void SelectRadioValue(SkinRadio* r, int value);
int GetRadioValue(const SkinRadio* r);

void SetHint(SkinButton* control, SkinLabel* label, const char* text);
void SetHint(SkinToggle* control, SkinLabel* label, const char* text);
void SetHint(SkinRadio* control, SkinLabel* label, const char* text);
void ShowHint(SkinButton* control);
void ShowHint(SkinToggle* control);
void ShowHint(SkinRadio* control);

// Moves the control, keeping its top-left, to the picture's size.
void FitWindowToImage(HWND window, HBITMAP picture);
// Paints the whole update with the picture at (0, 0), at its own size, and
// the focus mark over it while the control shows the keyboard focus.
void PaintImage(HWND window, HBITMAP picture);

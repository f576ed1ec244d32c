// Value controls: slider, arrow button, level bar, track bar and progress
// bar, bound to dialog push buttons like the other skinned controls, and
// RotateBitmap, which turns right-pointing artwork for vertical use. None of
// them notifies the owner; it reads the position fields when it needs them.
// The owner fills the configuration fields before attaching.
#pragma once

#include "skin/skin_manager.h"

struct SkinSlider {
  int thumbWidth = 0, thumbHeight = 0;
  unsigned char dragging = 0;
  HBITMAP track = nullptr, thumb = nullptr;
  HWND window = nullptr;
  int x = 0, y = 0;  // the thumb's top-left
  int maxX = 0, maxY = 0;
  int minX = 0, minY = 0;
  int extraX = 0, extraY = 0;  // widen the travel beyond the track picture
  int wheelStep = 5;
  unsigned char vertical = 0;
  SkinHint hint;
};

struct SkinArrowButton {
  unsigned char released = 1;
  HBITMAP current = nullptr, hover = nullptr, pressed = nullptr, normal = nullptr;  // rotated
  HWND window = nullptr;
  SkinSlider* target = nullptr;
  int step = 0;  // set by the owner; attaching adjusts its sign to the direction
  unsigned char timerStarted = 0;
};

struct SkinLevelBar {
  unsigned char dragging = 0;
  int rangeX = 0, rangeY = 0;
  int wheelStep = 5;
  int fillWidth = 0, fillHeight = 0;
  HBITMAP track = nullptr, fill = nullptr;
  HWND window = nullptr;
  HDC fillContext = nullptr;
  int fillSaved = 0;
  HDC trackContext = nullptr;
  int trackSaved = 0;
  int positionX = 0, positionY = 0;  // the fill's top-left; x from -fillWidth to rangeX
  int extraX = 0, extraY = 0;
  SkinHint hint;
};

struct SkinTrackBar {
  unsigned char dragging = 0;
  int rangeX = 0, rangeY = 0;
  int thumbWidth = 0, thumbHeight = 0;
  int wheelStep = 5;
  HBITMAP track = nullptr, thumb = nullptr;
  HWND window = nullptr;
  int positionX = 0, positionY = 0;
  int extraX = 0, extraY = 0;
  SkinHint hint;
};

struct SkinProgress {
  int value = 10;
  int width = 0;  // the background's width, also the full value
  unsigned char loop = 0;
  HBITMAP background = nullptr, fill = nullptr;
  HWND window = nullptr;
  HDC fillContext = nullptr;
  int fillSaved = 0;
  int height = 0;
  SkinHint hint;
};

struct SkinSliderFiles {
  std::string track, thumb;
};
struct SkinArrowFiles {
  std::string normal, hover, pressed;
};
// Level bar (track, fill), track bar (track, thumb), progress (background, fill).
struct SkinBarFiles {
  std::string back, front;
};

// Arrow directions: 1 up (above the slider), 2 down (below), 3 left, 4 right.
HWND AttachSlider(SkinManager* m, SkinSlider* s, int controlId, int trackId, int thumbId);
HWND AttachSlider(SkinManager* m, SkinSlider* s, int controlId);  // theme slots 13, 14
HWND AttachSlider(SkinManager* m, SkinSlider* s, int controlId, const SkinSliderFiles& files);
HWND AttachArrow(SkinManager* m, SkinArrowButton* a, SkinSlider* target, int controlId, int direction,
                 int normalId, int hoverId, int pressedId);
HWND AttachArrow(SkinManager* m, SkinArrowButton* a, SkinSlider* target, int controlId, int direction);  // 15..17
HWND AttachArrow(SkinManager* m, SkinArrowButton* a, SkinSlider* target, int controlId, int direction,
                 const SkinArrowFiles& files);
HWND AttachLevelBar(SkinManager* m, SkinLevelBar* b, int controlId, int trackId, int fillId);
HWND AttachLevelBar(SkinManager* m, SkinLevelBar* b, int controlId);  // theme slots 20, 21
HWND AttachLevelBar(SkinManager* m, SkinLevelBar* b, int controlId, const SkinBarFiles& files);
HWND AttachTrackBar(SkinManager* m, SkinTrackBar* b, int controlId, int trackId, int thumbId);
HWND AttachTrackBar(SkinManager* m, SkinTrackBar* b, int controlId);  // theme slots 18, 19
HWND AttachTrackBar(SkinManager* m, SkinTrackBar* b, int controlId, const SkinBarFiles& files);
HWND AttachProgress(SkinManager* m, SkinProgress* b, int controlId, int backgroundId, int fillId);
HWND AttachProgress(SkinManager* m, SkinProgress* b, int controlId);  // theme slots 22, 23
HWND AttachProgress(SkinManager* m, SkinProgress* b, int controlId, const SkinBarFiles& files);

void StepSlider(SkinSlider* s, int delta);
// Keeps the thumb in its travel and invalidates window (none: the slider's own).
void ClampSlider(SkinSlider* s, HWND window);
void ResetArrows(SkinManager* m);
void StepProgress(SkinProgress* b, int delta);

void InvalidateSlider(SkinSlider* s);
void InvalidateArrow(SkinArrowButton* a);
void InvalidateLevelBar(SkinLevelBar* b);
void InvalidateTrackBar(SkinTrackBar* b);
void InvalidateProgress(SkinProgress* b);

void SetHint(SkinSlider* control, SkinLabel* label, const char* text);
void SetHint(SkinLevelBar* control, SkinLabel* label, const char* text);
void SetHint(SkinTrackBar* control, SkinLabel* label, const char* text);
void SetHint(SkinProgress* control, SkinLabel* label, const char* text);
void ShowHint(SkinSlider* control);
void ShowHint(SkinLevelBar* control);
void ShowHint(SkinTrackBar* control);
void ShowHint(SkinProgress* control);
void UseDefaultHint(SkinManager* m, SkinSlider* control, const char* text);
void UseDefaultHint(SkinManager* m, SkinTrackBar* control, const char* text);
void UseDefaultHint(SkinManager* m, SkinProgress* control, const char* text);

// A new bitmap (screen-compatible) holding the picture turned by degrees on
// the background colour; the picture itself for 0 degrees. The caller owns
// the new bitmap; the source is left as it was.
HBITMAP RotateBitmap(HBITMAP bitmap, int degrees, COLORREF background);

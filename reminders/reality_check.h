// The reality-check reminder: the sound and the skinned popup that asks
// "is this a dream?".
#pragma once

#include <windows.h>

#include <string>

inline constexpr const char kRealityCheckTitle[] = "SMX - Reality Check";
inline constexpr DWORD kRealityCheckFadeStepMs = 10;

struct RealityCheckPopup {
  int created = 0;        // 1 from the first reminder on
  bool visible = false;   // faded in; false after the user dismissed it
  HWND window = nullptr;
  HBITMAP bitmap = nullptr;
  int width = 0;
  int height = 0;
  int dpi = 0;  // the DPI the bitmap was made for
  int kind = 1;  // CheckKind of the picture shown (the hand, unless checks vary)
  char word[16] = {};  // the text check's word and time, while it shows them
  char clock[8] = {};
  std::string sign;  // the dream-sign check's sign (UTF-8), while it shows it
};

extern RealityCheckPopup g_realityCheck;

// One reminder: the first call plays the sound and creates the popup, a
// modeless dialog kept for the life of the program; later calls fade a
// dismissed popup in again with the sound, and do nothing while it shows.
void ShowRealityCheck();
// Ends the reality check shown now as a double-click on it (the check was
// done) or a right click (not now) does: its line in the practice record,
// then the fade-out. Nothing while none shows. The tray menu's way there,
// since the popup never takes the keyboard.
void EndRealityCheck(bool checkDone);
INT_PTR CALLBACK RealityCheckProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

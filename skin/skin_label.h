// Skinned labels (a text drawn over a picture at a fixed origin) and colour
// statics (ordinary static controls coloured through WM_CTLCOLORSTATIC).
#pragma once

#include "skin/skin_manager.h"

struct SkinLabel {
  std::string text;       // UTF-8, drawn at every paint; empty draws nothing
  COLORREF textColor = 0;
  RECT textRect = {0, 0, 0, 0};  // left and top are the text origin
  HFONT font = nullptr;   // none: the paint context's current font
  HBITMAP picture = nullptr;
  HDC pictureContext = nullptr;  // holds the picture for the label's life
  int savedState = 0;            // SaveDC value of the picture context
  SkinHint hint;
  int bufferWidth = 0;
  int bufferHeight = 0;
  HWND window = nullptr;
  // 0: the text is drawn as it is, clipped at the picture's edges. Else a
  // text too big for the room from its origin to the picture's edges is set
  // smaller, down to this share (percent) of the font's size, then
  // wrapped, then cut with an ellipsis (SetLabelFit).
  int fitPercent = 0;
};

struct SkinColorStatic {
  unsigned char pattern = 0;  // background from a pattern brush, text transparent
  int backRed = 0, backGreen = 0, backBlue = 0;
  int textRed = 0, textGreen = 0, textBlue = 0;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  HWND window = nullptr;
};

HWND AttachLabel(SkinManager* m, SkinLabel* l, int controlId, int pictureId);
HWND AttachLabel(SkinManager* m, SkinLabel* l, int controlId, const char* picturePath);
void SetTextOrigin(SkinLabel* l, int x, int y);
// Stores a copy of the text. Colour and font are taken only together (colour
// non-zero and a font); otherwise the label keeps its own.
void SetLabelText(SkinLabel* l, const char* text, COLORREF colour, HFONT font);
void ShowLabel(SkinLabel* l, bool visible);
// Makes the label fit its texts into its room (see fitPercent). Each paint
// notes the room and the ink of its text for CountTextFaults (as
// NoteDrawnText does).
void SetLabelFit(SkinLabel* l, int minPercent);
void SetHint(SkinLabel* control, SkinLabel* label, const char* text);
void ShowHint(SkinLabel* control);

// Zero colours and a missing font take the manager's defaults. Set
// entry->pattern before attaching to use the pattern bitmap.
HWND AttachColorStatic(SkinManager* m, SkinColorStatic* entry, int controlId, COLORREF textColor,
                       COLORREF backColor, HFONT font, HBITMAP pattern);
// The answer to WM_CTLCOLORSTATIC for the control; (HBRUSH)1 when the window
// has no entry.
HBRUSH ColorStaticBrush(SkinManager* m, HWND control, HDC context);
std::string GetStaticText(const SkinColorStatic* entry);
void SetStaticText(SkinColorStatic* entry, const char* text);
void ShowStatic(SkinColorStatic* entry, bool visible);

// Draws text (UTF-8) with the caption layout shared by labels and button
// captions: font if any, colour, transparent background, DT_NOPREFIX in the
// rectangle.
void DrawSkinText(HDC context, const std::string& text, COLORREF colour, const RECT& rect, HFONT font);

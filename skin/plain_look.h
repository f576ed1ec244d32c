// The programs' windows in high contrast: drawn in the system colours in
// place of their artwork. A plain window is its background colour with a
// border in the text colour; its words are the same texts, in the same
// rooms, that the artwork's pictures get (skin/picture_text.h), drawn in
// the text colour; its controls are boxes with a border in the text
// colour, filled with the highlight while the mouse is over them, showing
// a simple glyph or their caption. The layered windows (the popups,
// hollow's words) get an opaque plain picture, so that they read the same
// over any desktop.
//
// While high contrast is on, DrawPictureTexts itself gives every text the
// system colour for the background it stands on (see PlainWordColour), so
// that a window's own table of texts draws plainly into a plain picture
// without a second table.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/picture_text.h"

// What a plain control shows inside its border.
enum class PlainGlyph {
  Caption,     // its caption (a button's window text)
  Play,        // a triangle pointing right: test
  Tick,        // a check mark: set
  Cross,       // an x: hide or close
  Question,    // "?": help
  Facebook,    // "f"
  GooglePlus,  // "g+"
  Twitter,     // a small bird
  Moon,        // a crescent: the maker's page
  SwitchOff,   // a pill with a filled knob on the left, for an on/off switch
  SwitchOn,    // a filled pill with its knob on the right
};

struct PlainColours {
  COLORREF back;     // the window's background (COLOR_WINDOW)
  COLORREF text;     // its text and borders (COLOR_WINDOWTEXT)
  COLORREF hot;      // under the mouse (COLOR_HIGHLIGHT)
  COLORREF hotText;  // text on it (COLOR_HIGHLIGHTTEXT)
};
PlainColours SystemPlainColours();

struct PlainControl {
  RECT rect = {0, 0, 0, 0};
  PlainGlyph glyph = PlainGlyph::Caption;
  std::wstring caption;
  bool hot = false;
};

// Draws the control into its rectangle: border, fill, glyph or caption
// (smaller where it is too wide, then cut with an ellipsis), at the DPI.
void DrawPlainControl(HDC dc, const PlainControl& control, int dpi);
// The keyboard's focus mark: a dotted rectangle inside the control's
// border, in the colour of text on its fill.
void DrawPlainFocusMark(HDC dc, const RECT& control, bool hot, int dpi);

// Paints the 32-bit picture over in the system colours: the plain
// background, a border round its edge, the controls (rectangles in the
// picture's pixels), then the texts (rooms at 100 %, scaled to
// scalePercent). Every pixel ends opaque. False when the bitmap is not a
// 32-bit DIB section.
bool DrawPlainPicture(HBITMAP picture, int scalePercent, const std::vector<PictureText>& texts,
                      const std::vector<PlainControl>& controls);

// The colour (0xRRGGBB, as PictureText takes it) of words standing on a
// background pixel of a plain picture: the highlight's text colour on the
// highlight, the window's text colour elsewhere.
std::uint32_t PlainWordColour(COLORREF background);

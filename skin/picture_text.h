// Words drawn into pictures at run time with GDI: the headings, labels and
// questions that the artwork leaves out, in the language in use, at the
// picture's display scale. Each text has a room in the picture; it is set
// smaller, then wrapped, then cut with an ellipsis to stay inside it, and
// blended into the picture's straight-alpha pixels, so that a layered
// window's soft edges stay as they were.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

enum class TextAlign { Left, Centre, Right };

struct PictureText {
  // The room, in the pixels of the picture at 100 % (scaled with it).
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  const char* text = "";     // UTF-8, in the language in use
  int em = 12;               // the font's em height at 100 %
  int minEm = 0;             // the smallest it may be set; 0: four fifths of em
  int maxLines = 1;          // lines it may wrap onto
  TextAlign align = TextAlign::Left;
  int weight = FW_NORMAL;    // FW_EXTRALIGHT, FW_NORMAL, FW_BOLD
  bool condensed = false;    // the artwork's narrow face
  std::uint32_t colour = 0xFFFFFF;  // 0xRRGGBB
  std::uint8_t opacity = 255;
  int halo = 0;              // a soft dark edge this many pixels wide (at 100 %), for words over any desktop
  std::uint32_t haloColour = 0x14124A;
  bool topAligned = false;   // lines from the room's top rather than centred in it
  double spacing = 0;        // extra space after every character, in pixels at 100 % (the artwork's letter spacing)
};

// A text in its room, of the given size, lines, alignment and colour; the
// other fields as a PictureText has them.
PictureText TextInRoom(int left, int top, int right, int bottom, const char* text, int em, int minEm, int maxLines,
                       TextAlign align, std::uint32_t colour);

// Draws the texts into a 32-bit DIB section drawn for `scalePercent`.
// False when the bitmap is not one or GDI fails; what could be drawn is.
bool DrawPictureTexts(HBITMAP picture, int scalePercent, const std::vector<PictureText>& texts);

// What the last drawings put where, for the tests: every text's room and
// the box its lines take, in the picture's pixels.
struct DrawnText {
  HBITMAP picture;
  RECT room;
  RECT ink;
  bool cut;  // shortened with an ellipsis
};
const std::vector<DrawnText>& DrawnTexts();
void ForgetDrawnTexts();
// Notes a text drawn elsewhere (a label's) in the same list, in place of
// what was noted for the same picture before.
void NoteDrawnText(HBITMAP picture, const RECT& room, const RECT& ink, bool cut);
// Forgets what was drawn into one picture: called for a picture just made,
// whose handle may be that of one deleted since.
void ForgetDrawnTexts(HBITMAP picture);
// How many drawn texts reach outside their room or overlap another text
// of the same picture.
int CountTextFaults();

// The font a picture's words take for the language in use: the face of
// the artwork where it is installed and has the letters, else the
// language's own or Windows' UI face. `em` in pixels.
HFONT CreatePictureFont(int em, int weight, bool condensed, const wchar_t* sample);

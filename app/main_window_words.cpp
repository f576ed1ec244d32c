#include "app/main_window_words.h"

#include <cstdint>

#include "app/maker_info.h"
#include "settings/translation.h"

namespace {

// The artwork's palette.
constexpr std::uint32_t kText = 0xE9EBFF;
constexpr std::uint32_t kMuted = 0x9EA6DC;
constexpr std::uint32_t kHeading = 0xB9B2FF;

// The program's name in the title, the same in every language.
constexpr char kProgramName[] = "Somnivex";

// How a kind of words looks: size, weight, face, colour, letter spacing
// (tenths of a pixel) and opacity.
PictureText Look(int em, int weight, bool condensed, std::uint32_t colour, int spacing = 0,
                 std::uint8_t opacity = 255) {
  PictureText t;
  t.em = em;
  t.weight = weight;
  t.condensed = condensed;
  t.colour = colour;
  t.spacing = spacing / 10.0;
  t.opacity = opacity;
  return t;
}

// Words of a look in their room. A room's middle lies where the design's
// line has its middle (0.35 em above its baseline), so that the words sit
// where the artwork had them in any font.
PictureText At(const PictureText& look, int left, int top, int right, int bottom, const char* text,
               TextAlign align = TextAlign::Left, int maxLines = 1) {
  PictureText t = look;
  t.left = left;
  t.top = top;
  t.right = right;
  t.bottom = bottom;
  t.text = text;
  t.align = align;
  t.maxLines = maxLines;
  return t;
}

}  // namespace

std::vector<PictureText> MainWindowWords() {
  const PictureText title = Look(25, FW_EXTRALIGHT, false, kText, 15);
  const PictureText subtitle = Look(10, FW_NORMAL, false, kMuted, 4);
  const PictureText heading = Look(10, FW_BOLD, false, kHeading, 16);
  const PictureText line = Look(9, FW_NORMAL, true, kMuted);
  const PictureText caption = Look(11, FW_NORMAL, false, kText);
  const PictureText unit = Look(12, FW_NORMAL, false, kText);
  const PictureText aside = Look(10, FW_NORMAL, true, kMuted);
  const PictureText host = Look(10, FW_NORMAL, true, kMuted, 0, 217);
  // Two cards on the left (x 10 to 226) and the tips' card on the right
  // (x 232 to 395); the words keep 6 pixels from their edges.
  return {
      At(title, 58, 13, 340, 44, kProgramName),
      // Translators: the line under the program's name at the top of the
      // main window; one line of 280 pixels.
      At(subtitle, 60, 46, 340, 59, Tr("reality checks for lucid dreamers")),
      // Translators: heading of the main window's card of the drifting
      // questions, in capitals; one line of 198 pixels. Vododi is a name.
      At(heading, 22, 93, 220, 110, Tr("VODODI REMINDERS")),
      // Translators: the line under the heading "VODODI REMINDERS"; one
      // line of 198 pixels in small letters.
      At(line, 22, 109, 220, 123, Tr("dream questions drifting on your desktop")),
      // Translators: beside the switch that turns the drifting questions
      // on and off; 59 pixels, up to two lines.
      At(aside, 57, 124, 116, 151, Tr("on / off"), TextAlign::Left, 2),
      // Translators: beside the round buttons that show a drifting question
      // or a reality check at once; 78 pixels, up to two lines.
      At(caption, 142, 124, 220, 151, Tr("Test"), TextAlign::Left, 2),
      // Translators: heading of the main window's card of the chime and
      // the reality-check popup, in capitals; one line of 200 pixels.
      At(heading, 22, 177, 222, 194, Tr("REALITY CHECK REMINDER")),
      // Translators: the line under the heading "REALITY CHECK REMINDER";
      // one line of 198 pixels in small letters.
      At(line, 22, 193, 220, 207, Tr("a soft chime asks: is this a dream?")),
      // Translators: before the box of minutes (10, 30, 60 or 90), read as
      // "Every [30] Minute"; 54 pixels, up to two lines. A single space
      // where your language needs no word before the number.
      At(unit, 14, 210, 68, 250, Tr("Every"), TextAlign::Right, 2),
      // Translators: after the box of minutes, read as "Every [30] Minute";
      // 100 pixels, up to two lines.
      At(unit, 120, 210, 220, 250, Tr("Minute"), TextAlign::Left, 2),
      // Translators: beside the round button that stores the chosen minutes;
      // 59 pixels, up to two lines.
      At(caption, 45, 256, 104, 288, Tr("Set"), TextAlign::Left, 2),
      At(caption, 131, 256, 220, 288, Tr("Test"), TextAlign::Left, 2),
      // Translators: heading of the main window's card of tips, in
      // capitals; one line of 149 pixels.
      At(heading, 240, 93, 389, 110, Tr("TIPS & TRICKS")),
      // Translators: at the bottom of the main window, before the buttons
      // that share the program on social sites; one line of 121 pixels,
      // ending at the buttons.
      At(aside, 150, 338, 271, 357, Tr("share the dream"), TextAlign::Right),
      At(host, 18, 346, 146, 362, kMakerHostName),
  };
}

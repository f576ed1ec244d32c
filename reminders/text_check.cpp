#include "reminders/text_check.h"

#include <cmath>

#include "settings/translation.h"

// Hand-picked nouns of home, food, animals and nature: nothing a person
// could read as rude, hurtful or alarming at a glance. Each is drawn in the
// language in use (the context is kCheckWordContext).
const char* const kCheckWords[] = {
    // Translators: a word the text reality check shows, to be read, looked away
    // from and read again. Any plain everyday word of 4 to 7 letters will do
    // (it need not mean the same), nothing that could read as rude or alarming.
    NC_("check word", "apple"), NC_("check word", "arrow"), NC_("check word", "autumn"), NC_("check word", "bakery"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "banana"), NC_("check word", "basket"), NC_("check word", "beach"), NC_("check word", "berry"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "bicycle"), NC_("check word", "blanket"), NC_("check word", "bottle"), NC_("check word", "bread"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "breeze"), NC_("check word", "bridge"), NC_("check word", "brush"), NC_("check word", "bucket"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "button"), NC_("check word", "cabin"), NC_("check word", "cactus"), NC_("check word", "camera"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "candle"), NC_("check word", "canoe"), NC_("check word", "carpet"), NC_("check word", "carrot"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "castle"), NC_("check word", "cedar"), NC_("check word", "chair"), NC_("check word", "chalk"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "cherry"), NC_("check word", "circle"), NC_("check word", "clock"), NC_("check word", "cloud"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "coffee"), NC_("check word", "comet"), NC_("check word", "copper"), NC_("check word", "cotton"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "cousin"), NC_("check word", "crayon"), NC_("check word", "cricket"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "curtain"), NC_("check word", "daisy"), NC_("check word", "desert"), NC_("check word", "dinner"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "dolphin"), NC_("check word", "donkey"), NC_("check word", "dragon"), NC_("check word", "drawer"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "dream"), NC_("check word", "eagle"), NC_("check word", "easel"), NC_("check word", "engine"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "fabric"), NC_("check word", "falcon"), NC_("check word", "feather"), NC_("check word", "fence"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "ferry"), NC_("check word", "field"), NC_("check word", "finger"), NC_("check word", "flower"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "forest"), NC_("check word", "fossil"), NC_("check word", "garden"), NC_("check word", "garlic"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "ginger"), NC_("check word", "glove"), NC_("check word", "grape"), NC_("check word", "gravel"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "guitar"), NC_("check word", "hammer"), NC_("check word", "harbor"), NC_("check word", "helmet"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "honey"), NC_("check word", "horse"), NC_("check word", "island"), NC_("check word", "jacket"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "jelly"), NC_("check word", "jigsaw"), NC_("check word", "kettle"), NC_("check word", "kitchen"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "kitten"), NC_("check word", "ladder"), NC_("check word", "lantern"), NC_("check word", "lemon"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "letter"), NC_("check word", "lizard"), NC_("check word", "lobster"), NC_("check word", "magnet"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "mango"), NC_("check word", "maple"), NC_("check word", "marble"), NC_("check word", "meadow"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "melon"), NC_("check word", "mirror"), NC_("check word", "mitten"), NC_("check word", "monkey"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "morning"), NC_("check word", "muffin"), NC_("check word", "museum"), NC_("check word", "needle"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "number"), NC_("check word", "oatmeal"), NC_("check word", "ocean"), NC_("check word", "olive"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "orange"), NC_("check word", "otter"), NC_("check word", "paddle"), NC_("check word", "palace"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "panda"), NC_("check word", "paper"), NC_("check word", "parrot"), NC_("check word", "peach"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "pebble"), NC_("check word", "pencil"), NC_("check word", "pepper"), NC_("check word", "piano"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "pickle"), NC_("check word", "pillow"), NC_("check word", "planet"), NC_("check word", "pocket"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "potato"), NC_("check word", "pretzel"), NC_("check word", "puzzle"), NC_("check word", "rabbit"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "radio"), NC_("check word", "rainbow"), NC_("check word", "river"), NC_("check word", "robin"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "rocket"), NC_("check word", "saddle"), NC_("check word", "salmon"), NC_("check word", "sandal"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "season"), NC_("check word", "shadow"), NC_("check word", "shell"), NC_("check word", "silver"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "singer"), NC_("check word", "sketch"), NC_("check word", "sparrow"), NC_("check word", "spider"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "spoon"), NC_("check word", "spring"), NC_("check word", "squash"), NC_("check word", "stable"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "statue"), NC_("check word", "stone"), NC_("check word", "summer"), NC_("check word", "sunset"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "table"), NC_("check word", "teapot"), NC_("check word", "ticket"), NC_("check word", "tiger"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "timber"), NC_("check word", "toast"), NC_("check word", "tomato"), NC_("check word", "towel"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "tower"), NC_("check word", "trumpet"), NC_("check word", "tulip"), NC_("check word", "turtle"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "valley"), NC_("check word", "velvet"), NC_("check word", "violin"), NC_("check word", "wagon"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "walnut"), NC_("check word", "whistle"), NC_("check word", "willow"), NC_("check word", "window"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "winter"), NC_("check word", "wizard"), NC_("check word", "wool"), NC_("check word", "yogurt"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "zebra"), NC_("check word", "acorn"), NC_("check word", "almond"), NC_("check word", "anchor"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "badger"), NC_("check word", "bamboo"), NC_("check word", "beetle"), NC_("check word", "biscuit"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "blossom"), NC_("check word", "bonnet"), NC_("check word", "breath"), NC_("check word", "butter"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "candy"), NC_("check word", "cereal"), NC_("check word", "cinema"), NC_("check word", "clover"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "cookie"), NC_("check word", "corner"), NC_("check word", "cradle"), NC_("check word", "cupcake"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "dancer"), NC_("check word", "doorway"), NC_("check word", "ember"), NC_("check word", "fiddle"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "galaxy"), NC_("check word", "goose"), NC_("check word", "hazel"), NC_("check word", "heron"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "igloo"), NC_("check word", "jasmine"), NC_("check word", "kayak"), NC_("check word", "koala"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "lagoon"), NC_("check word", "lilac"), NC_("check word", "lotus"), NC_("check word", "meteor"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "noodle"), NC_("check word", "nutmeg"), NC_("check word", "orchard"), NC_("check word", "oyster"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "pastry"), NC_("check word", "pigeon"), NC_("check word", "plume"), NC_("check word", "quartz"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "quiver"), NC_("check word", "raven"), NC_("check word", "ribbon"), NC_("check word", "saffron"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "sailor"), NC_("check word", "sequin"), NC_("check word", "spruce"), NC_("check word", "thistle"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "thunder"), NC_("check word", "toucan"), NC_("check word", "walrus"), NC_("check word", "wheat"),
    // Translators: a word of the text reality check: any plain everyday word of 4 to 7 letters.
    NC_("check word", "yarrow"),
};
const int kCheckWordCount = static_cast<int>(sizeof kCheckWords / sizeof kCheckWords[0]);

const char* PickCheckWord(CheckRandom& random) {
  std::uniform_int_distribution<int> pick(0, kCheckWordCount - 1);
  return kCheckWords[pick(random)];
}

namespace {

// The em heights at 100 %, and the line height as a share of the em.
constexpr int kWordEm = 30;
constexpr int kTimeEm = 18;
constexpr double kLineEm = 1.25;
constexpr int kLineGap = 4;

int Scaled(int v, int scalePercent) { return (v * scalePercent + 50) / 100; }

CheckRect CentredBox(const CheckRect& area, int width, int top, int height) {
  const int left = area.left + (area.right - area.left - width) / 2;
  return {left, top, left + width, top + height};
}

}  // namespace

TextCheckLayout LayOutTextCheck(int scalePercent) {
  if (scalePercent <= 0) scalePercent = 100;
  const CheckRect area = {Scaled(kTextCheckArea.left, scalePercent), Scaled(kTextCheckArea.top, scalePercent),
                          Scaled(kTextCheckArea.right, scalePercent), Scaled(kTextCheckArea.bottom, scalePercent)};
  TextCheckLayout layout;
  layout.wordEm = Scaled(kWordEm, scalePercent);
  layout.timeEm = Scaled(kTimeEm, scalePercent);
  const int wordHeight = static_cast<int>(std::ceil(layout.wordEm * kLineEm));
  const int timeHeight = static_cast<int>(std::ceil(layout.timeEm * kLineEm));
  const int wordWidth = static_cast<int>(std::ceil(kLongestCheckWord * layout.wordEm * kWidestGlyphEm));
  const int timeWidth = static_cast<int>(std::ceil(5 * layout.timeEm * kWidestGlyphEm));
  const int gap = Scaled(kLineGap, scalePercent);
  const int top = area.top + (area.bottom - area.top - (wordHeight + gap + timeHeight)) / 2;
  layout.word = CentredBox(area, wordWidth, top, wordHeight);
  layout.time = CentredBox(area, timeWidth, top + wordHeight + gap, timeHeight);
  return layout;
}

std::string CheckClockText(int hour, int minute) {
  if (hour < 0 || hour > 23) hour = 0;
  if (minute < 0 || minute > 59) minute = 0;
  const char text[6] = {static_cast<char>('0' + hour / 10), static_cast<char>('0' + hour % 10), ':',
                        static_cast<char>('0' + minute / 10), static_cast<char>('0' + minute % 10), 0};
  return text;
}

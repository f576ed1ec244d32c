#include "reminders/text_check.h"

#include <cmath>

// Hand-picked nouns of home, food, animals and nature: nothing a person
// could read as rude, hurtful or alarming at a glance.
const char* const kCheckWords[] = {
    "apple", "arrow", "autumn", "bakery", "banana", "basket", "beach", "berry", "bicycle", "blanket", "bottle",
    "bread", "breeze", "bridge", "brush", "bucket", "button", "cabin", "cactus", "camera", "candle", "canoe",
    "carpet", "carrot", "castle", "cedar", "chair", "chalk", "cherry", "circle", "clock", "cloud", "coffee",
    "comet", "copper", "cotton", "cousin", "crayon", "cricket", "curtain", "daisy", "desert", "dinner", "dolphin",
    "donkey", "dragon", "drawer", "dream", "eagle", "easel", "engine", "fabric", "falcon", "feather", "fence",
    "ferry", "field", "finger", "flower", "forest", "fossil", "garden", "garlic", "ginger", "glove", "grape",
    "gravel", "guitar", "hammer", "harbor", "helmet", "honey", "horse", "island", "jacket", "jelly", "jigsaw",
    "kettle", "kitchen", "kitten", "ladder", "lantern", "lemon", "letter", "lizard", "lobster", "magnet", "mango",
    "maple", "marble", "meadow", "melon", "mirror", "mitten", "monkey", "morning", "muffin", "museum", "needle",
    "number", "oatmeal", "ocean", "olive", "orange", "otter", "paddle", "palace", "panda", "paper", "parrot",
    "peach", "pebble", "pencil", "pepper", "piano", "pickle", "pillow", "planet", "pocket", "potato", "pretzel",
    "puzzle", "rabbit", "radio", "rainbow", "river", "robin", "rocket", "saddle", "salmon", "sandal", "season",
    "shadow", "shell", "silver", "singer", "sketch", "sparrow", "spider", "spoon", "spring", "squash", "stable",
    "statue", "stone", "summer", "sunset", "table", "teapot", "ticket", "tiger", "timber", "toast", "tomato",
    "towel", "tower", "trumpet", "tulip", "turtle", "valley", "velvet", "violin", "wagon", "walnut", "whistle",
    "willow", "window", "winter", "wizard", "wool", "yogurt", "zebra", "acorn", "almond", "anchor", "badger",
    "bamboo", "beetle", "biscuit", "blossom", "bonnet", "breath", "butter", "candy", "cereal", "cinema", "clover",
    "cookie", "corner", "cradle", "cupcake", "dancer", "doorway", "ember", "fiddle", "galaxy", "goose", "hazel",
    "heron", "igloo", "jasmine", "kayak", "koala", "lagoon", "lilac", "lotus", "meteor", "noodle", "nutmeg",
    "orchard", "oyster", "pastry", "pigeon", "plume", "quartz", "quiver", "raven", "ribbon", "saffron", "sailor",
    "sequin", "spruce", "thistle", "thunder", "toucan", "walrus", "wheat", "yarrow",
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

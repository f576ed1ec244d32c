#include "reminders/tips.h"

#include "settings/translation.h"

std::vector<std::string> g_tips;
unsigned g_currentTip = 0;

void LoadTips(std::vector<std::string>& tips) {
  // The texts carry their own line breaks (CR LF); tip 1 keeps a TAB and a
  // lone LF, tip 2 the blanks after WBTB and VILD. They stay English here:
  // the panel shows each with Tr.
  static const char* const kTips[] = {
      // Translators: a tip on the main window's tips panel, shown for five
      // seconds: 147 x 178 pixels at 100 %, bold Arial 10 pt, lines of about 22
      // characters. Put the line breaks (\r\n) where you like; a tip too big
      // for the panel is set smaller, then wrapped, then cut.
      N_("Very Effective Trick :\r\n"
         "If you eat one spoon of\r\n"
         "musterd and a medium\r\n"
         "sized dill pickle\r\n"
         "before bed, it will\r\n"
         "induce lucid dreams."),
      // Translators: a tip on the tips panel (147 x 178 pixels, bold Arial 10 pt,
      // lines of about 22 characters); line breaks (\r\n) where you like.
      N_("Do multiple type\r\n"
         "of reality checks.\r\n"
         "Most used reality\r\n"
         "checks are ..\r\n"
         "\r\n"
         "1. Look at your hand\r\n"
         "2. Block Your nose and\t\n"
         "try to breath in dream.\r\n"
         "3. Pinch Yourself"),
      // Translators: a tip on the tips panel (147 x 178 pixels, bold Arial 10 pt,
      // lines of about 22 characters); line breaks (\r\n) where you like.
      N_("Practice lucid dream\r\n"
         "techniques like ..\r\n"
         "- Auto suggestions\r\n"
         "- WILD\r\n"
         "- MILD\r\n"
         "- WBTB \r\n"
         "- VILD \r\n"
         "- CAT"),
      // Translators: a tip on the tips panel (147 x 178 pixels, bold Arial 10 pt,
      // lines of about 22 characters); line breaks (\r\n) where you like.
      N_("Sleeping in complete\r\n"
         "darkness is reported\r\n"
         "to induce lucid dream."),
      // Translators: a tip on the tips panel (147 x 178 pixels, bold Arial 10 pt,
      // lines of about 22 characters); line breaks (\r\n) where you like.
      N_("Some Lucid Foods :\r\n"
         "- Mustard\r\n"
         "- Dill Pickles\r\n"
         "- Almonds\r\n"
         "- Cherries\r\n"
         "- Sunflower seeds\r\n"
         "- Milk and Cheese\r\n"
         "- Flax seeds"),
      // Translators: a tip on the tips panel (147 x 178 pixels, bold Arial 10 pt,
      // lines of about 22 characters); line breaks (\r\n) where you like.
      N_("Wakeup in the night\r\n"
         "and bring yourself\r\n"
         "to full consciousness\r\n"
         "for few minutes\r\n"
         "to induce lucid dreams."),
      // Translators: a tip on the tips panel (147 x 178 pixels, bold Arial 10 pt,
      // lines of about 22 characters); line breaks (\r\n) where you like.
      N_("Improve Dream Recall\r\n"
         "A Dream Journal is the\r\n"
         "best way to improve\r\n"
         "dream recall.\r\n"
         "Write down every\r\n"
         "single dream after\r\n"
         "waking up."),
      // Translators: a tip on the tips panel (147 x 178 pixels, bold Arial 10 pt,
      // lines of about 22 characters); line breaks (\r\n) where you like.
      N_("Massaging your scalp\r\n"
         "before going to bed\r\n"
         "brings a very relaxing\r\n"
         "feeling for mind and\r\n"
         "body, and it is also\r\n"
         "reported to induce\r\n"
         "lucid dreams."),
      // Translators: a tip on the tips panel (147 x 178 pixels, bold Arial 10 pt,
      // lines of about 22 characters); line breaks (\r\n) where you like.
      N_("Once you're in a lucid\r\n"
         "dream you need to\r\n"
         "stay lucid for that spin\r\n"
         "and rub your hands\r\n"
         "to stablize your dream."),
      // Translators: a tip on the tips panel (147 x 178 pixels, bold Arial 10 pt,
      // lines of about 22 characters); line breaks (\r\n) where you like.
      N_("Eat one spoon mustard\r\n"
         "before you go to sleep.\r\n"
         "It contains melatonin\r\n"
         "that is reported to\r\n"
         "induce lucid dream."),
  };
  for (const char* tip : kTips) tips.emplace_back(tip);
}

unsigned NextTipIndex(unsigned index, unsigned count) {
  if (count == 0) return 0;
  return index < count - 1 ? index + 1 : 0;
}

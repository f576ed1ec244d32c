#include "reminders/tips.h"

std::vector<std::string> g_tips;
unsigned g_currentTip = 0;

void LoadTips(std::vector<std::string>& tips) {
  // The texts carry their own line breaks (CR LF); tip 1 keeps a TAB and a
  // lone LF, tip 2 the blanks after WBTB and VILD.
  static const char* const kTips[] = {
      "Very Effective Trick :\r\nIf you eat one spoon of\r\nmusterd and a medium\r\nsized dill pickle\r\nbefore bed, it will\r\n"
      "induce lucid dreams.",
      "Do multiple type\r\nof reality checks.\r\nMost used reality\r\nchecks are ..\r\n\r\n1. Look at your hand\r\n2. Block Your "
      "nose and\t\ntry to breath in dream.\r\n3. Pinch Yourself",
      "Practice lucid dream\r\ntechniques like ..\r\n- Auto suggestions\r\n- WILD\r\n- MILD\r\n- WBTB \r\n- VILD \r\n- CAT",
      "Sleeping in complete\r\ndarkness is reported\r\nto induce lucid dream.",
      "Some Lucid Foods :\r\n- Mustard\r\n- Dill Pickles\r\n- Almonds\r\n- Cherries\r\n- Sunflower seeds\r\n- Milk and Cheese\r\n"
      "- Flax seeds",
      "Wakeup in the night\r\nand bring yourself\r\nto full consciousness\r\nfor few minutes\r\nto induce lucid dreams.",
      "Improve Dream Recall\r\nA Dream Journal is the\r\nbest way to improve\r\ndream recall.\r\nWrite down every\r\nsingle dream "
      "after\r\nwaking up.",
      "Massaging your scalp\r\nbefore going to bed\r\nbrings a very relaxing\r\nfeeling for mind and\r\nbody, and it is also\r\n"
      "reported to induce\r\nlucid dreams.",
      "Once you're in a lucid\r\ndream you need to\r\nstay lucid for that spin\r\nand rub your hands\r\nto stablize your dream.",
      "Eat one spoon mustard\r\nbefore you go to sleep.\r\nIt contains melatonin\r\nthat is reported to\r\ninduce lucid dream.",
  };
  for (const char* tip : kTips) tips.emplace_back(tip);
}

unsigned NextTipIndex(unsigned index, unsigned count) {
  if (count == 0) return 0;
  return index < count - 1 ? index + 1 : 0;
}

#include "reminders/tips.h"

#include <gtest/gtest.h>

namespace {

TEST(Tips, TheTenTextsByteForByte) {
  std::vector<std::string> tips;
  LoadTips(tips);
  const char* const expected[] = {
      "Very Effective Trick :\r\nIf you eat one spoon of\r\nmusterd and a medium\r\nsized dill pickle\r\nbefore bed, it "
      "will\r\ninduce lucid dreams.",
      "Do multiple type\r\nof reality checks.\r\nMost used reality\r\nchecks are ..\r\n\r\n1. Look at your hand\r\n2. "
      "Block Your nose and\t\ntry to breath in dream.\r\n3. Pinch Yourself",
      "Practice lucid dream\r\ntechniques like ..\r\n- Auto suggestions\r\n- WILD\r\n- MILD\r\n- WBTB \r\n- VILD \r\n- CAT",
      "Sleeping in complete\r\ndarkness is reported\r\nto induce lucid dream.",
      "Some Lucid Foods :\r\n- Mustard\r\n- Dill Pickles\r\n- Almonds\r\n- Cherries\r\n- Sunflower seeds\r\n- Milk and "
      "Cheese\r\n- Flax seeds",
      "Wakeup in the night\r\nand bring yourself\r\nto full consciousness\r\nfor few minutes\r\nto induce lucid dreams.",
      "Improve Dream Recall\r\nA Dream Journal is the\r\nbest way to improve\r\ndream recall.\r\nWrite down "
      "every\r\nsingle dream after\r\nwaking up.",
      "Massaging your scalp\r\nbefore going to bed\r\nbrings a very relaxing\r\nfeeling for mind and\r\nbody, and it is "
      "also\r\nreported to induce\r\nlucid dreams.",
      "Once you're in a lucid\r\ndream you need to\r\nstay lucid for that spin\r\nand rub your hands\r\nto stablize your "
      "dream.",
      "Eat one spoon mustard\r\nbefore you go to sleep.\r\nIt contains melatonin\r\nthat is reported to\r\ninduce lucid "
      "dream.",
  };
  ASSERT_EQ(tips.size(), 10u);
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(tips[i], expected[i]) << "tip " << i;
}

TEST(Tips, SpecialCharactersSurvive) {
  std::vector<std::string> tips;
  LoadTips(tips);
  EXPECT_NE(tips[1].find("and\t\ntry"), std::string::npos);
  EXPECT_EQ(tips[1].find("\t\r\n"), std::string::npos);  // the LF after the TAB stands alone
  EXPECT_NE(tips[2].find("- WBTB \r\n- VILD \r\n"), std::string::npos);
}

TEST(Tips, RotationWrapsAfterTheLastAndNeverReachesTen) {
  unsigned index = 0;
  std::vector<unsigned> seen;
  for (int tick = 0; tick < 21; ++tick) {
    index = NextTipIndex(index, 10);
    seen.push_back(index);
    EXPECT_LT(index, 10u);
  }
  const std::vector<unsigned> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(NextTipIndex(0, 1), 0u);
  EXPECT_EQ(NextTipIndex(0, 0), 0u);
}

}  // namespace

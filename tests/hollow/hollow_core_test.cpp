// The portable parts of hollow: the drifting motion, the fade cycle and the
// command-line check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "hollow/bounce_mover.h"
#include "hollow/fade_cycle.h"
#include "hollow/run_argument.h"
#include "hollow/standing_place.h"

namespace {

BounceMover Window1On1920x1080() {
  BounceMover m = MakeBounceMover(1920, 1080);
  m.width = 249;
  m.height = 27;
  return m;
}

TEST(BounceMover, StartsAtTheOriginHeadingDownRightWithAMargin) {
  const BounceMover m = MakeBounceMover(1920, 1080);
  EXPECT_EQ(m.x, 0);
  EXPECT_EQ(m.y, 0);
  EXPECT_EQ(m.stepX, 1);
  EXPECT_EQ(m.stepY, 1);
  EXPECT_EQ(m.maxX, 2020);
  EXPECT_EQ(m.maxY, 1180);
}

TEST(MoverStep, Window1StaysWithinItsBoundsApartFromTheOnePixelOvershoot) {
  BounceMover m = Window1On1920x1080();
  int minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (int tick = 0; tick < 20000; ++tick) {
    const int before = m.x, beforeY = m.y;
    MoverStep(m);
    minX = std::min(minX, m.x);
    maxX = std::max(maxX, m.x);
    minY = std::min(minY, m.y);
    maxY = std::max(maxY, m.y);
    // The overshoot lasts a single tick.
    if (before == -1) {
      ASSERT_EQ(m.x, 0) << tick;
    }
    if (beforeY == -1) {
      ASSERT_EQ(m.y, 0) << tick;
    }
    ASSERT_EQ(std::abs(m.stepX), 1);
    ASSERT_EQ(std::abs(m.stepY), 1);
  }
  EXPECT_EQ(minX, -1);
  EXPECT_EQ(maxX, 1771);
  EXPECT_EQ(minY, -1);
  EXPECT_EQ(maxY, 1153);
}

TEST(MoverStep, TurnsAtEachBound) {
  struct Case {
    const char* what;
    int x, y, stepX, stepY;
    int wantX, wantY, wantStepX, wantStepY;
  };
  const Case cases[] = {
      // At the right bound the tick that would pass it lands one pixel inside.
      {"right", 1771, 500, 1, 1, 1770, 501, -1, 1},
      {"bottom", 500, 1153, 1, 1, 501, 1152, 1, -1},
      {"bottom-right corner", 1771, 1153, 1, 1, 1770, 1152, -1, -1},
      // At the left and top the picture reaches -1 and turns without correction.
      {"left", 0, 500, -1, 1, -1, 501, 1, 1},
      {"top", 500, 0, 1, -1, 501, -1, 1, 1},
      {"inside", 1000, 600, -1, -1, 999, 599, -1, -1},
      {"just inside right", 1770, 500, 1, 1, 1771, 501, 1, 1},
  };
  for (const Case& c : cases) {
    BounceMover m = Window1On1920x1080();
    m.x = c.x;
    m.y = c.y;
    m.stepX = c.stepX;
    m.stepY = c.stepY;
    MoverStep(m);
    EXPECT_EQ(m.x, c.wantX) << c.what;
    EXPECT_EQ(m.y, c.wantY) << c.what;
    EXPECT_EQ(m.stepX, c.wantStepX) << c.what;
    EXPECT_EQ(m.stepY, c.wantStepY) << c.what;
  }
}

TEST(MoverStep, Window2StartingBeyondItsBoundWorksItsWayBack) {
  // Offsets smaller than the picture put it past both bounds.
  BounceMover m = MakeBounceMover(1920, 1080);
  m.width = 264;
  m.height = 26;
  StartBeforeLimits(m, 7, 3);
  EXPECT_EQ(m.x, 2013);
  EXPECT_EQ(m.y, 1177);
  const int boundX = m.maxX - m.width, boundY = m.maxY - m.height;
  int previousX = m.x, previousY = m.y;
  int ticks = 0;
  while ((m.x > boundX || m.y > boundY) && ticks < 1000) {
    MoverStep(m);
    ++ticks;
    // It never drifts further out while it is out.
    if (previousX > boundX) {
      ASSERT_LT(m.x, previousX) << ticks;
    }
    if (previousY > boundY) {
      ASSERT_LT(m.y, previousY) << ticks;
    }
    previousX = m.x;
    previousY = m.y;
  }
  ASSERT_LT(ticks, 1000);
  for (int tick = 0; tick < 10000; ++tick) {
    MoverStep(m);
    ASSERT_GE(m.x, -1);
    ASSERT_LE(m.x, boundX);
    ASSERT_GE(m.y, -1);
    ASSERT_LE(m.y, boundY);
  }
}

bool SameMover(const BounceMover& a, const BounceMover& b) {
  return a.x == b.x && a.y == b.y && a.stepX == b.stepX && a.stepY == b.stepY;
}

// The fast-forward of a hidden picture lands exactly where single steps
// would: every tick count up to 5 000, then spread counts up to two
// million, on several screens and from starts inside, on and beyond the
// bounds, heading either way.
TEST(MoverAdvance, EqualsThatManySingleSteps) {
  struct Start {
    int screenW, screenH, width, height, x, y, stepX, stepY;
  };
  const Start starts[] = {
      {1920, 1080, 249, 27, 0, 0, 1, 1},         // window 1 as created
      {1920, 1080, 264, 26, 2013, 1177, 1, 1},   // window 2 past both bounds
      {1920, 1080, 264, 26, 1500, 700, 1, 1},    // window 2, an ordinary start
      {1280, 1024, 249, 27, -1, 1097, -1, -1},   // the left overshoot, at the bottom
      {1280, 1024, 249, 27, 1131, 1097, 1, -1},  // on the right bound heading down and up
      {800, 600, 249, 27, 400, 300, -1, 1},
      {3840, 2160, 264, 26, 3676, 0, 1, -1},
      {640, 480, 700, 27, 10, 10, 1, 1},   // wider than its range: stepped singly
      {100, 100, 199, 199, 0, 0, 1, 1},    // one pixel of range
      {100, 100, 198, 198, 0, 0, -1, -1},  // two pixels of range
  };
  for (const Start& st : starts) {
    BounceMover start = MakeBounceMover(st.screenW, st.screenH);
    start.width = st.width;
    start.height = st.height;
    start.x = st.x;
    start.y = st.y;
    start.stepX = st.stepX;
    start.stepY = st.stepY;
    BounceMover stepped = start;
    for (unsigned long long n = 0; n <= 2000000; ++n) {
      if (n <= 5000 || n % 9973 == 0) {
        BounceMover advanced = start;
        MoverAdvance(advanced, n);
        ASSERT_TRUE(SameMover(advanced, stepped))
            << st.screenW << "x" << st.screenH << " from " << st.x << "," << st.y << " after " << n << " ticks: "
            << advanced.x << "," << advanced.y << " instead of " << stepped.x << "," << stepped.y;
      }
      MoverStep(stepped);
    }
  }
}

// Fast-forwarding in pieces (one per hidden stretch) is the same as at once.
TEST(MoverAdvance, PiecesAddUp) {
  BounceMover once = Window1On1920x1080();
  BounceMover pieces = once;
  MoverAdvance(once, 270000ULL * 7 + 3);
  for (int i = 0; i < 7; ++i) MoverAdvance(pieces, 270000);
  MoverAdvance(pieces, 3);
  EXPECT_TRUE(SameMover(once, pieces));
}

TEST(StartBeforeLimits, PlacesTheMoverAtTheOffsetFromItsLimits) {
  BounceMover m = MakeBounceMover(1280, 1024);
  StartBeforeLimits(m, 499, 0);
  EXPECT_EQ(m.x, 1380 - 499);
  EXPECT_EQ(m.y, 1124);
}

TEST(FadeTick, FollowsTheCycleOf91Ticks) {
  FadeCycle cycle;
  for (int tick = 1; tick <= 91 * 3 + 2; ++tick) {
    const int inCycle = (tick - 1) % 91 + 1;  // 1..91
    FadeAction want = FadeAction::None;
    if (inCycle == 1) want = FadeAction::FadeOut;
    if (inCycle == 91) want = FadeAction::FadeIn;
    // The first tick fades out the picture that was visible since creation.
    ASSERT_EQ(FadeTick(cycle), want) << "tick " << tick;
    ASSERT_GE(cycle.counter, 1);
    ASSERT_LT(cycle.counter, kFadeCycleEnd);
  }
}

TEST(FadeTick, FlagFollowsTheFades) {
  FadeCycle cycle;
  EXPECT_EQ(FadeTick(cycle), FadeAction::FadeOut);
  EXPECT_TRUE(cycle.fadedOut);
  EXPECT_EQ(cycle.counter, 2);
  for (int tick = 2; tick <= 90; ++tick) FadeTick(cycle);
  EXPECT_EQ(cycle.counter, 91);
  EXPECT_EQ(FadeTick(cycle), FadeAction::FadeIn);
  EXPECT_FALSE(cycle.fadedOut);
  EXPECT_EQ(cycle.counter, 1);
}

TEST(IsRunArgument, ComparesTheFirstThreeCharactersIgnoringCase) {
  struct Case {
    const char* text;
    bool runs;
  };
  const Case cases[] = {
      {"-run", true}, {"-RUN", true}, {"-ru", true},  {"-Rux", true}, {"-run extra", true},
      {"", false},    {"-r", false},  {"-x", false},  {"run", false}, {" -run", false},
      {"-m", false},  {"/run", false}, {"-rn", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsRunArgument(c.text), c.runs) << '"' << c.text << '"';
  EXPECT_FALSE(IsRunArgument(nullptr));
}

TEST(RunArgumentValue, TakesTheLanguageNamedAfterRun) {
  struct Case {
    const char* text;
    const char* language;
  };
  const Case cases[] = {
      {"-run language=de", "de"},
      {"-run language=pt_BR", "pt_BR"},
      {"-RUN LANGUAGE=ja", "ja"},                  // the key's case, as "-run"'s, does not matter
      {"-run	language=fr  ", "fr"},               // tabs and trailing spaces separate
      {"-run   other=1 language=ru", "ru"},        // not only the second argument
      {"-run language=es language=de", "es"},     // the first one counts
      {"-run", ""},                                // none named: Windows' language
      {"-run language=", ""},
      {"-run xlanguage=de", ""},
      {"-run languages=de", ""},
      {"-runlanguage=de", ""},                     // part of "-run" itself, not an argument after it
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunArgumentValue(c.text, "language="), c.language) << '"' << c.text << '"';
  }
  EXPECT_EQ(RunArgumentValue(nullptr, "language="), "");
}

// With animations off each question stands at a random place of its own
// half of the work area: whatever the random numbers, inside the area and
// never over the other question.
TEST(ChooseStandingPlace, StaysInItsBandOfTheWorkArea) {
  const int left = 0, top = 30, right = 1280, bottom = 994;  // a taskbar above
  for (unsigned random : {0u, 1u, 77u, 4095u, 123456789u, 0xFFFFFFFFu}) {
    const StandingPlace upper = ChooseStandingPlace(left, top, right, bottom, 249, 27, 0, 2, random, random * 7u);
    const StandingPlace lower = ChooseStandingPlace(left, top, right, bottom, 264, 26, 1, 2, random * 3u, random);
    EXPECT_GE(upper.x, left);
    EXPECT_LE(upper.x + 249, right);
    EXPECT_GE(upper.y, top);
    EXPECT_LE(upper.y + 27, top + 482);
    EXPECT_GE(lower.x, left);
    EXPECT_LE(lower.x + 264, right);
    EXPECT_GE(lower.y, top + 482);
    EXPECT_LE(lower.y + 26, bottom);
  }
  // The random numbers spread the places over the band.
  EXPECT_EQ(ChooseStandingPlace(left, top, right, bottom, 249, 27, 0, 2, 0, 0).x, 0);
  EXPECT_EQ(ChooseStandingPlace(left, top, right, bottom, 249, 27, 0, 2, 1031, 455).x, 1031);
  EXPECT_EQ(ChooseStandingPlace(left, top, right, bottom, 249, 27, 0, 2, 1031, 455).y, top + 455);
}

TEST(ChooseStandingPlace, APictureTooLargeStaysOnTheArea) {
  // Taller than its band: at the band's top, moved up to end at the bottom.
  const StandingPlace tall = ChooseStandingPlace(0, 0, 800, 100, 200, 80, 1, 2, 5, 5);
  EXPECT_EQ(tall.y, 20);
  // Larger than the whole area: at its top left.
  const StandingPlace huge = ChooseStandingPlace(10, 20, 300, 200, 500, 400, 1, 2, 99, 99);
  EXPECT_EQ(huge.x, 10);
  EXPECT_EQ(huge.y, 20);
}

}  // namespace

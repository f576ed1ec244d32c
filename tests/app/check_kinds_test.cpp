// Reality checks that stay fresh, with the real program: the kind of check
// each reminder shows (read back through kQueryCheckKind), and the random
// gaps the reminder timer runs (kQueryReminderGap), both switched on from
// the tray's "Options" submenu.
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "tests/app/program_fixture.h"

using namespace harness;
using namespace program;

namespace {

constexpr char kCore[] = "time=30\r\nhollow=off\r\nstartup=0\r\n";

class CheckKinds : public ProgramTest {
 protected:
  // Twenty reality checks from the TEST button, each dismissed before the
  // next; the kinds they showed.
  std::vector<int> TwentyChecks() {
    std::vector<int> kinds;
    for (int i = 0; i < 20; ++i) {
      Command(IDC_TEST_REALITY);
      EXPECT_TRUE(PopupShows(10000)) << i;
      kinds.push_back(static_cast<int>(Query(kQueryCheckKind)));
      if (shot_.insert(kinds.back()).second) Capture(kinds.back());
      DismissPopup();
    }
    return kinds;
  }
  // The first popup of each kind as the screen shows it, kept beside the
  // test programs for a look at the drawn word and time, and with
  // SMX_UPDATE_SCREENSHOTS as the README's pictures.
  void Capture(int kind) {
    HWND popup = WaitForWindow(kPopupTitle, 5000);
    RECT r = {};
    GetWindowRect(popup, &r);
    const std::string name = "reality-check-kind-" + std::to_string(kind) + ".png";
    const std::string shot = UnixPath(BinDir()) + "/" + name;
    char command[512];
    std::snprintf(command, sizeof command, "/usr/bin/import -window root -crop %ldx%ld+%ld+%ld +repage %s",
                  r.right - r.left, r.bottom - r.top, r.left, r.top, shot.c_str());
    RunUnix(command, 20000);
    const char* refs = std::getenv("SMX_REFERENCE_DIR");
    if (std::getenv("SMX_UPDATE_SCREENSHOTS") && refs) {
      CopyFileA(WindowsPath(shot).c_str(), WindowsPath(std::string(refs) + "/" + name).c_str(), FALSE);
    }
  }
  std::set<int> shot_;
};

TEST_F(CheckKinds, HandOnlyUntilVariedThenNeverTheSameTwiceInARow) {
  Install();
  WriteConfig(kCore);
  ASSERT_NE(Launch(), nullptr);
  EXPECT_EQ(Query(kQueryCheckKind), 0);
  for (int kind : TwentyChecks()) EXPECT_EQ(kind, 1);

  ChooseSubmenuItem(kMenuOptions, kOptionVaryChecks);
  const std::string vary = std::string(kCore) + "checks=vary\r\n";
  EXPECT_EQ(WaitConfig(vary), vary);
  EXPECT_EQ(Query(kQueryOptionMenus) & 16, 16);

  const std::vector<int> kinds = TwentyChecks();
  std::string seen;
  for (int kind : kinds) seen += std::to_string(kind);
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_GE(kinds[i], 1) << seen;
    EXPECT_LE(kinds[i], 5) << seen;
    if (i > 0) {
      EXPECT_NE(kinds[i], kinds[i - 1]) << seen;
    }
  }
  EXPECT_GE(std::set<int>(kinds.begin(), kinds.end()).size(), 4u) << seen;

  // Back to the hand picture alone.
  ChooseSubmenuItem(kMenuOptions, kOptionVaryChecks);
  const std::string hand = std::string(kCore) + "checks=hand\r\n";
  EXPECT_EQ(WaitConfig(hand), hand);
  Command(IDC_TEST_REALITY);
  ASSERT_TRUE(PopupShows(10000));
  EXPECT_EQ(Query(kQueryCheckKind), 1);
}

TEST_F(CheckKinds, RandomTimesDrawEveryGapBetweenHalfAndOneAndAHalfIntervals) {
  Install();
  WriteConfig("time=1\r\nhollow=off\r\nstartup=0\r\n");
  ASSERT_NE(Launch(), nullptr);
  EXPECT_EQ(Query(kQueryReminderGap), 60000);

  ChooseSubmenuItem(kMenuOptions, kOptionRandomTimes);
  const std::string random = "time=1\r\nhollow=off\r\nstartup=0\r\ntiming=random\r\n";
  EXPECT_EQ(WaitConfig(random), random);
  EXPECT_EQ(Query(kQueryOptionMenus) & 8, 8);

  // Each tick (the first shows the popup; later ones find it up) draws the
  // next gap.
  std::set<LRESULT> gaps;
  for (int i = 0; i < 10; ++i) {
    Tick();
    const LRESULT gap = Query(kQueryReminderGap);
    EXPECT_GE(gap, 30000) << i;
    EXPECT_LE(gap, 90000) << i;
    gaps.insert(gap);
  }
  EXPECT_TRUE(PopupShows(5000));
  EXPECT_GT(gaps.size(), 1u);

  ChooseSubmenuItem(kMenuOptions, kOptionRandomTimes);
  EXPECT_EQ(Query(kQueryReminderGap), 60000);
}

}  // namespace

// A fresh copy of the shipped programs in a folder of their own, started
// and driven from outside as a user would.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "resources/resource_ids.h"
#include "tests/support/win32_harness.h"

namespace program {

inline constexpr const char kMainTitle[] = "Somnivex..";
inline constexpr const char kPopupTitle[] = "SMX - Reality Check";
inline constexpr const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Places of the tray menu's items, top to bottom, and of the submenus' items.
// While a reality check shows, "I Did The Check" and "Not Now" stand above
// them; while the morning question is open, "Answer The Morning Question"
// (its three answers) or "Write it down".
enum PopupMenuIndex { kMenuCheckDone = 0, kMenuCheckNotNow = 1 };
enum MorningAnswerIndex { kAnswerLucid, kAnswerDream, kAnswerNone };
enum TrayMenuIndex { kMenuStartup, kMenuShow, kMenuPause, kMenuOptions, kMenuPractice, kMenuJournal, kMenuMaker, kMenuQuit };
enum PauseMenuIndex { kPause30, kPause60, kPause180, kPauseTomorrow, kResume };  // the separator is skipped
enum OptionsMenuIndex {
  kOptionWaitFullScreen,
  kOptionQuietHours,
  kOptionRandomTimes,
  kOptionVaryChecks,
  kOptionMorningQuestion,
  kOptionLanguage
};
// Options > Language: "Windows Default", then English and the languages of
// resources/languages/LINGUAS in its order (the separator is skipped).
enum LanguageMenuIndex {
  kLanguageWindowsDefault,
  kLanguageEnglish,
  kLanguageGerman,
  kLanguageFrench,
  kLanguageSpanish,
  kLanguagePortuguese,
  kLanguageRussian,
  kLanguageJapanese
};

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Copies somnivex.exe (and hollow.exe unless told not to) into a fresh folder.
  void Install(bool withHollow = true, bool withSound = false);
  void WriteConfig(const std::string& bytes);
  std::string Config() const;
  // config.txt once it holds `expected`, or as it is after timeoutMs. The
  // program answers queries while it waits on the companion program, so a
  // save may still follow when it first looks idle.
  std::string WaitConfig(const std::string& expected, DWORD timeoutMs = 10000) const;
  // Starts somnivex and waits for its main window.
  HWND Launch(const std::string& args = "");
  harness::Process LaunchProcess(const std::string& args = "");
  // Waits until the program answers (its initialisation, fades included, is over).
  void WaitIdle(HWND window);
  LRESULT Query(UINT message, WPARAM wParam = 0);
  HWND Control(int id) const;
  // A real left click (xdotool) at the centre of the window.
  void Click(HWND window);
  void Command(int id);
  // Opens the tray menu with a right-button press on the icon and chooses
  // the item at `index` (0 = first) with the keyboard.
  void ChooseMenuItem(int index);
  // The same for the item at `subIndex` of the submenu at `index` (-1: the
  // item at `index` itself), or at `subSubIndex` of the submenu there. The
  // index counts from the usual first item: the items of a popup shown now
  // (above them) are skipped.
  void ChooseSubmenuItem(int index, int subIndex, int subSubIndex = -1);
  // The items the popups put at the top: `index` counts from the very
  // first item of the menu.
  void ChoosePopupItem(int index, int subIndex = -1, int subSubIndex = -1);
  // How many items the popups shown now put above the usual ones (the
  // separator under them is skipped by the keys).
  int PopupItemsAbove();
  // A tick of the reminder timer, posted as a real one arrives.
  void Tick();
  // The reality-check popup is up and faded in, within timeoutMs.
  bool PopupShows(DWORD timeoutMs);
  // Dismisses the popup with a right-button release and waits for its fade.
  void DismissPopup();

  // Either the main window comes up, or an error box does; after the box the
  // program either ends with 0 or goes on. It never crashes and never hangs.
  enum class Outcome { kRuns, kErrorBox, kErrorBoxThenRuns, kNeither };
  Outcome StartAndSee(std::string* boxText);

  // Where the programs are copied from: the build's bin folder, or the
  // release folder for the end-to-end suite.
  std::string source_ = harness::BinDir();
  std::string folder_;
  std::string exe_;
  HWND main_ = nullptr;
  std::vector<harness::Process> started_;
};

// The visible popup menu (class #32768), waited for.
HWND WaitMenu(DWORD timeoutMs);

// Shell association tests: records what reaches the shell through a
// recorder program registered for http, https and .html.
void RegisterShellRecorder(const std::string& logFile);
// The one log the recorder writes, the same for every test of a Wine slot
// (in its WorkFolder), emptied here: a registration that Wine's registry
// still answers from an earlier test then names the same file.
std::string FreshShellRecorderLog();
void UnregisterShellRecorder();

// The local date and time `minutes` from now.
SYSTEMTIME LocalTimeIn(long long minutes);
// "YYYY-MM-DD" of the local day `days` from today.
std::string LocalDate(int days);
// The time `minutes` after st.
SYSTEMTIME MinutesAfter(SYSTEMTIME st, long long minutes);

// The screen under the window, as the user sees it (per-pixel alpha), as
// a PNG at the Unix path `shot`. Returns `shot`.
std::string CaptureScreenUnder(HWND window, const std::string& shot);
// The same in the Wine slot's WorkFolder as `name`; with SMX_UPDATE_SCREENSHOTS also in
// SMX_REFERENCE_DIR for the README. Returns the file's Unix path.
std::string CaptureForReadme(HWND window, const std::string& name);

// Icons in the notification area: under Wine, the visible children of its
// "Wine System Tray" window.
int TrayIconCount();

// A REG_SZ value as text; "<no key>", "<none>" or "<not REG_SZ>" otherwise.
std::string RegistryText(HKEY root, const std::string& key, const char* value);
std::string RunValue();
// config.txt in the user's own folder, where the settings go when the
// program's folder cannot be written.
std::string PerUserSettingsFile();
// The file once it holds `expected`, or as it is after timeoutMs.
std::string WaitFile(const std::string& path, const std::string& expected, DWORD timeoutMs = 10000);
void DeleteRunValueForTest();
void KillAllHollow();
// Waits until exactly `count` processes with this executable name run.
bool WaitProcessCount(const char* exeName, int count, DWORD timeoutMs);

}  // namespace program

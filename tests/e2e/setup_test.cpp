// The Windows installer and its uninstaller, run silently as an
// administrator's script would, with the installed program used in between:
// what lands in the user's folders and registry, and what goes again.
#include <shlobj.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/program_fixture.h"

using namespace harness;
using namespace program;

namespace {

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Somnivex";
// The shipped files, the help page of every language among them.
std::vector<std::string> InstalledFiles() {
  std::vector<std::string> files = {"somnivex.exe", "hollow.exe", "ting.wav", "help.html", "LICENSE", "uninstall.exe"};
  std::istringstream languages(SMX_LANGUAGES);
  for (std::string code; languages >> code;) files.push_back("help." + code + ".html");
  return files;
}

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = {};
  if (SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return "";
  return path;
}

std::string Uninstall(const char* value) { return RegistryText(HKEY_CURRENT_USER, kUninstallKey, value); }

class Setup : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    const char* setup = std::getenv("SMX_SETUP_FILE");
    setup_ = setup ? WindowsPath(setup) : std::string();
    folder_ = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Somnivex\\";
    exe_ = folder_ + "somnivex.exe";
    shortcut_ = ShellFolder(CSIDL_PROGRAMS) + "\\Somnivex.lnk";
  }

  // Runs the setup with /S; its exit code.
  DWORD InstallSilently() {
    Process p = Start(setup_, "/S");
    const DWORD code = WaitExit(p, 120000);
    Close(p);
    return code;
  }

  // The uninstaller hands its work to a copy of itself and returns at once;
  // it removes itself last, so its absence means the uninstall has ended.
  bool UninstallSilently() {
    Process p = Start(folder_ + "uninstall.exe", "/S");
    WaitExit(p, 30000);
    Close(p);
    const DWORD start = GetTickCount();
    while (FileExists(folder_ + "uninstall.exe")) {
      if (GetTickCount() - start > 60000) return false;
      SleepMs(100);
    }
    return true;
  }

  std::string setup_;
  std::string shortcut_;
};

TEST_F(Setup, InstallUseReinstallOverTheRunningCopyThenUninstall) {
  ASSERT_TRUE(FileExists(setup_)) << "no installer at " << setup_ << " (make dist builds it)";
  const std::string runValue = "\"" + exe_ + "\" -m";
  const std::string settings = "time=30\r\nhollow=on\r\nstartup=1\r\n";
  {
    SCOPED_TRACE("silent install");
    ASSERT_EQ(InstallSilently(), 0u);
    for (const std::string& name : InstalledFiles()) EXPECT_TRUE(FileExists(folder_ + name)) << name;
    EXPECT_NE(ReadFile(shortcut_).find(exe_), std::string::npos) << shortcut_;
    EXPECT_EQ(Uninstall("DisplayName"), "Somnivex");
    EXPECT_EQ(Uninstall("DisplayVersion"), SMX_VERSION_TEXT);
    EXPECT_EQ(Uninstall("Publisher"), "The Somnivex developers");
    EXPECT_EQ(Uninstall("DisplayIcon"), exe_ + ",0");
    EXPECT_EQ(Uninstall("UninstallString"), "\"" + folder_ + "uninstall.exe\"");
  }
  {
    SCOPED_TRACE("the installed program: Invoke At Startup, Vododi Reminders on");
    ASSERT_NE(Launch(), nullptr);
    ChooseMenuItem(0);
    EXPECT_EQ(RunValue(), runValue);
    Click(Control(IDC_SWITCH));
    EXPECT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
    ASSERT_EQ(WaitConfig(settings), settings);
  }
  {
    SCOPED_TRACE("install again over the running copy");
    Process running = started_.back();
    ASSERT_EQ(InstallSilently(), 0u);
    EXPECT_EQ(WaitExit(running, 10000), 0u) << "not ended through its own quit";
    EXPECT_TRUE(WaitProcessCount("hollow.exe", 0, 10000));
    EXPECT_EQ(Config(), settings);
    EXPECT_EQ(RunValue(), runValue);
  }
  {
    SCOPED_TRACE("silent uninstall while the reinstalled copy runs");
    ASSERT_NE(Launch(), nullptr);
    EXPECT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
    Process running = started_.back();
    ASSERT_TRUE(UninstallSilently());
    EXPECT_EQ(WaitExit(running, 10000), 0u);
    EXPECT_TRUE(WaitProcessCount("hollow.exe", 0, 10000));
    for (const std::string& name : InstalledFiles()) EXPECT_FALSE(FileExists(folder_ + name)) << name;
    EXPECT_FALSE(FileExists(shortcut_));
    EXPECT_EQ(Uninstall("DisplayName"), "<no key>");
    EXPECT_EQ(RunValue(), "<none>");
    EXPECT_EQ(Config(), settings);
  }
}

}  // namespace

// The settings routines and the Run value with Wine's real registry and file
// system: start-up load, SaveSettings, ToggleAutostart, and the crash-safe
// save through MoveFileExA.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/app_globals.h"
#include "app/tray_icon.h"
#include "settings/autostart.h"
#include "settings/settings_file.h"
#include "tests/settings/config_round_trip.h"
#include "tests/settings/run_key_helpers.h"
#include "tests/support/win32_harness.h"

// The tray's menu mark, which the settings set, answered by this test so
// that it can observe it; the switch is the program's own state.
namespace {
int g_menuCheckCalls = 0;
bool g_menuChecked = false;
}  // namespace

void SetStartupMenuCheck(bool checked) {
  g_menuChecked = checked;
  ++g_menuCheckCalls;
}

namespace {

constexpr const char kRunName[] = "Somnivex";
constexpr const char kDefaults[] = "time=30\r\nhollow=off\r\nstartup=0\r\n";

std::string Quoted(const std::string& exe) { return "\"" + exe + "\" -m"; }

// The Run value's data, or "<absent>".
std::string RunValue() {
  std::string data;
  return runkey::Read(kRunName, &data) ? data : "<absent>";
}

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = harness::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    g_paths.executable = folder_ + "somnivex.exe";
    g_paths.settingsFile = folder_ + "config.txt";
    g_config.Clear();
    g_startupFlag = 0;
    g_hollowSwitchOn = false;
    g_menuCheckCalls = 0;
    g_menuChecked = false;
    runkey::Ensure();
    runkey::Delete(kRunName);
  }
  void TearDown() override {
    runkey::Ensure();
    runkey::Delete(kRunName);
  }
  std::string Config() const { return harness::ReadFile(g_paths.settingsFile); }
  std::string folder_;
};

TEST_F(Settings, StartupWithoutFileWritesDefaultsAndNoRunValue) {
  LoadSettingsAtStartup();
  EXPECT_EQ(g_config.path, g_paths.settingsFile);
  EXPECT_EQ(Config(), kDefaults);
  EXPECT_EQ(g_config.keys, (std::vector<std::string>{"time", "hollow", "startup", ""}));
  EXPECT_EQ(g_config.values, (std::vector<std::string>{"30", "off", "0", ""}));
  EXPECT_EQ(g_startupFlag, 0);
  EXPECT_EQ(RunValue(), "<absent>");
  EXPECT_FALSE(harness::FileExists(g_paths.settingsFile + ".tmp"));
}

TEST_F(Settings, StartupWithReadableFileKeepsItAndReadsTheFlag) {
  const std::pair<std::string, int> cases[] = {
      {"startup=1\r\n", 1}, {"STARTUP=0\r\n", 0}, {"time=30\r\n", -1}, {"", -1}, {"startup=yes", 0}};
  for (const auto& c : cases) {
    ASSERT_TRUE(harness::WriteFile(g_paths.settingsFile, c.first));
    g_config.Clear();
    LoadSettingsAtStartup();
    EXPECT_EQ(g_startupFlag, c.second) << c.first;
    EXPECT_EQ(Config(), c.first);
    EXPECT_EQ(RunValue(), "<absent>");
  }
}

// One click on "Invoke At Startup": the toggle, then SaveSettings.
void Click() {
  ToggleAutostart();
  SaveSettings();
}

struct After {
  int flag;
  bool runValue;  // present with the current executable's command
  bool checked;
  const char* file;
};

struct ToggleCase {
  const char* name;
  const char* file;       // config.txt before start-up ("" = none: first run)
  bool runValueBefore;    // written before start-up, as an earlier click would have
  After first, second;
};

TEST_F(Settings, ToggleAutostartFollowsTheFlagAlone) {
  const ToggleCase cases[] = {
      {"first run: no value until the first click", nullptr, false,
       {1, true, true, "time=30\r\nhollow=off\r\nstartup=1\r\n"},
       {0, false, false, kDefaults}},
      {"on with the value: two clicks return to where it was", "time=30\r\nhollow=off\r\nstartup=1\r\n", true,
       {0, false, false, kDefaults},
       {1, true, true, "time=30\r\nhollow=off\r\nstartup=1\r\n"}},
      {"off without the value: two clicks return to where it was", kDefaults, false,
       {1, true, true, "time=30\r\nhollow=off\r\nstartup=1\r\n"},
       {0, false, false, kDefaults}},
      {"no startup line: flag -1 counts as on, and the line comes back", "time=30\r\nhollow=off\r\n", true,
       {0, false, false, kDefaults},
       {1, true, true, "time=30\r\nhollow=off\r\nstartup=1\r\n"}},
      {"an empty file left by a crash gets its three lines back", "", true,
       {0, false, false, "time=30\r\nhollow=off\r\nstartup=0\r\n"},
       {1, true, true, "time=30\r\nhollow=off\r\nstartup=1\r\n"}},
      {"value deleted outside: the first click deletes nothing", "time=30\r\nhollow=off\r\nstartup=1\r\n", false,
       {0, false, false, kDefaults},
       {1, true, true, "time=30\r\nhollow=off\r\nstartup=1\r\n"}},
  };
  for (const ToggleCase& c : cases) {
    SetUp();
    if (c.file) {
      ASSERT_TRUE(harness::WriteFile(g_paths.settingsFile, c.file));
    }
    if (c.runValueBefore) runkey::Write(kRunName, Quoted(g_paths.executable));
    LoadSettingsAtStartup();
    for (const After* after : {&c.first, &c.second}) {
      const int calls = g_menuCheckCalls;
      Click();
      const char* which = after == &c.first ? " (first click)" : " (second click)";
      EXPECT_EQ(g_startupFlag, after->flag) << c.name << which;
      EXPECT_EQ(RunValue(), after->runValue ? Quoted(g_paths.executable) : "<absent>") << c.name << which;
      EXPECT_EQ(g_menuCheckCalls, calls + 1) << c.name << which;
      EXPECT_EQ(g_menuChecked, after->checked) << c.name << which;
      EXPECT_EQ(Config(), after->file) << c.name << which;
    }
  }
}

TEST_F(Settings, MovedExecutableTwoClicksWriteTheNewPath) {
  ASSERT_TRUE(harness::WriteFile(g_paths.settingsFile, "time=30\r\nhollow=off\r\nstartup=1\r\n"));
  runkey::Write(kRunName, Quoted(g_paths.executable));
  LoadSettingsAtStartup();
  g_paths.executable = folder_ + "moved\\elsewhere.exe";
  Click();
  Click();
  EXPECT_EQ(g_startupFlag, 1);
  EXPECT_EQ(RunValue(), Quoted(folder_ + "moved\\elsewhere.exe"));
}

// Removes the Run key for one test and puts it back with its values.
class WithoutRunKey {
 public:
  WithoutRunKey() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, runkey::kPath, 0, KEY_READ, &key) == ERROR_SUCCESS) {
      for (DWORD i = 0;; ++i) {
        char name[512], data[2048];
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataSize) !=
            ERROR_SUCCESS) {
          break;
        }
        saved_.push_back({name, type, std::string(data, dataSize)});
      }
      RegCloseKey(key);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, runkey::kPath);
  }
  ~WithoutRunKey() {
    runkey::Ensure();
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, runkey::kPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    for (const Value& v : saved_) {
      RegSetValueExA(key, v.name.c_str(), 0, v.type, reinterpret_cast<const BYTE*>(v.data.data()),
                     static_cast<DWORD>(v.data.size()));
    }
    RegCloseKey(key);
  }

 private:
  struct Value {
    std::string name;
    DWORD type;
    std::string data;
  };
  std::vector<Value> saved_;
};

TEST_F(Settings, MissingRunKeyIsNeverCreatedAndTheFlagStillFlips) {
  WithoutRunKey noKey;
  ASSERT_FALSE(runkey::KeyExists());
  LoadSettingsAtStartup();  // first run: the Run value cannot be written
  EXPECT_EQ(Config(), kDefaults);
  Click();
  EXPECT_EQ(g_startupFlag, 1);
  EXPECT_TRUE(g_menuChecked);
  Click();
  EXPECT_EQ(g_startupFlag, 0);
  EXPECT_FALSE(g_menuChecked);
  EXPECT_FALSE(runkey::KeyExists());
}

TEST_F(Settings, SaveSettingsStoresSwitchAndFlagAndReadsTheFileBack) {
  ASSERT_TRUE(harness::WriteFile(g_paths.settingsFile, "zz=1\r\ntime=60\r\nhollow=off\r\n\r\nstartup=0"));
  LoadSettingsAtStartup();
  g_hollowSwitchOn = true;
  g_startupFlag = 1;
  SaveSettings();
  EXPECT_EQ(Config(), "zz=1\r\ntime=60\r\nhollow=on\r\nstartup=1\r\n");
  EXPECT_EQ(g_config.keys, (std::vector<std::string>{"zz", "time", "hollow", "startup", ""}));
  EXPECT_EQ(g_config.GetString("hollow"), "on");
}

TEST_F(Settings, SaveSettingsThatCannotReplaceTheFileKeepsItAndReloadsIt) {
  ASSERT_TRUE(harness::WriteFile(g_paths.settingsFile, kDefaults));
  LoadSettingsAtStartup();
  // A read-only file is not replaced.
  ASSERT_TRUE(SetFileAttributesA(g_paths.settingsFile.c_str(), FILE_ATTRIBUTE_READONLY));
  g_hollowSwitchOn = true;
  g_startupFlag = 1;
  SaveSettings();
  EXPECT_EQ(Config(), kDefaults);
  EXPECT_FALSE(harness::FileExists(g_paths.settingsFile + ".tmp"));
  // The store holds what the unchanged file holds.
  EXPECT_EQ(g_config.GetString("hollow"), "off");
  EXPECT_EQ(g_config.GetInt("startup"), 0);
  SetFileAttributesA(g_paths.settingsFile.c_str(), FILE_ATTRIBUTE_NORMAL);
}

constexpr const char kOldFile[] = "time=90\r\nhollow=on\r\nstartup=1\r\n";

TEST_F(Settings, FailedSavesLeaveTheOldFileByteForByte) {
  const std::string path = g_paths.settingsFile, temp = ConfigTempPath(path);
  ConfigStore store(path, '=');
  ASSERT_TRUE(harness::WriteFile(path, kOldFile));
  ASSERT_TRUE(store.Load());
  store.SetString("time", "10");

  // The replace fails: read-only target.
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(store.Save());
  EXPECT_EQ(harness::ReadFile(path), kOldFile);
  EXPECT_FALSE(harness::FileExists(temp));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));

  // The temporary file cannot be created and the file is read-only.
  ASSERT_TRUE(CreateDirectoryA(temp.c_str(), nullptr));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(store.Save());
  EXPECT_EQ(harness::ReadFile(path), kOldFile);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));

  // Without a temporary file (its name taken here, as in a folder that
  // takes no new files) a writable file is rewritten in place.
  store.SetString("hollow", "off");
  EXPECT_TRUE(store.Save());
  EXPECT_EQ(harness::ReadFile(path), "time=10\r\nhollow=off\r\nstartup=1\r\n");
  ASSERT_TRUE(RemoveDirectoryA(temp.c_str()));

  // And once nothing is in the way the save goes through.
  store.SetString("hollow", "on");
  EXPECT_TRUE(store.Save());
  EXPECT_EQ(harness::ReadFile(path), "time=10\r\nhollow=on\r\nstartup=1\r\n");
  EXPECT_FALSE(harness::FileExists(temp));
}

// A file held open without sharing makes MoveFileExA itself fail after the
// temporary file was written.
TEST_F(Settings, LockedFileIsNeitherLoadedNorReplaced) {
  const std::string path = g_paths.settingsFile;
  ASSERT_TRUE(harness::WriteFile(path, kOldFile));
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  ConfigStore store(path, '=');
  store.AddIfAbsent("kept", "1");
  EXPECT_FALSE(store.Load());
  EXPECT_EQ(store.keys, std::vector<std::string>{"kept"});
  EXPECT_FALSE(store.Save());
  EXPECT_FALSE(harness::FileExists(ConfigTempPath(path)));
  CloseHandle(lock);
  EXPECT_EQ(harness::ReadFile(path), kOldFile);
}

TEST_F(Settings, BinaryFilesRoundTripThroughTheWindowsRuntime) {
  // Binary mode matters here: a text-mode stream would turn CR LF into LF
  // and stop at a Ctrl-Z byte.
  const std::string files[] = {
      kOldFile,
      std::string("a=\x1a\r\nb\r\r\n\r\n\0=\0\n=\n\r", 20),
      std::string(1024 * 1024, 'x') + "\r\nstartup=1",
  };
  for (const std::string& bytes : files) EXPECT_EQ(CheckLoadSaveRoundTrip(bytes, folder_), "");
}

TEST_F(Settings, TenMegabyteFileLoads) {
  std::string bytes;
  for (int i = 0; bytes.size() < 10u * 1024 * 1024; ++i) bytes += "key" + std::to_string(i) + "=v\r\n";
  ASSERT_TRUE(harness::WriteFile(g_paths.settingsFile, bytes + "startup=1\r\n"));
  LoadSettingsAtStartup();
  EXPECT_EQ(g_startupFlag, 1);
  EXPECT_EQ(g_config.GetString("key0"), "v");
}

}  // namespace

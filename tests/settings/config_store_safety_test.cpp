// ConfigStore under failure and hostile input: saves that cannot complete,
// huge and binary files, and the reader/writer agreement.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "settings/config_store.h"
#include "tests/settings/config_round_trip.h"
#include "tests/settings/host_scratch.h"

namespace {

namespace fs = std::filesystem;

std::string Folder() { return HostScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name()); }

constexpr const char kOldFile[] = "time=90\r\nhollow=on\r\nstartup=1\r\n";

// A loaded store with one change, ready to be saved over kOldFile.
ConfigStore ChangedStore(const std::string& path) {
  ConfigStore store(path, '=');
  EXPECT_TRUE(WriteBytes(path, kOldFile));
  EXPECT_TRUE(store.Load());
  store.SetString("time", "10");
  return store;
}

// Where no temporary file can be made (here its name is taken by a folder,
// as in a folder that takes no new files) the existing file is rewritten in
// place, unless it is marked read-only.
TEST(ConfigStoreCrashSafety, WithoutATemporaryFileTheExistingFileIsRewrittenInPlace) {
  const std::string folder = Folder();
  ConfigStore store = ChangedStore(folder + "config.txt");
  fs::create_directory(ConfigTempPath(store.path));
  EXPECT_TRUE(store.Save());
  EXPECT_EQ(ReadBytes(store.path), "time=10\r\nhollow=on\r\nstartup=1\r\n");

  store.SetString("time", "60");
  fs::permissions(store.path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(store.Save());
  EXPECT_EQ(ReadBytes(store.path), "time=10\r\nhollow=on\r\nstartup=1\r\n");
  fs::permissions(store.path, fs::perms::owner_write, fs::perm_options::add);

  // Nothing is created where there was no file.
  ConfigStore fresh(folder + "other.txt", '=');
  fresh.AddIfAbsent("time", "30");
  fs::create_directory(ConfigTempPath(fresh.path));
  EXPECT_FALSE(fresh.Save());
  EXPECT_FALSE(fs::exists(fresh.path));
}

TEST(ConfigStoreCrashSafety, SaveLeavesOldFileWhenTheDiskIsFull) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  const std::string folder = Folder();
  ConfigStore store = ChangedStore(folder + "config.txt");
  // The temporary file opens, but every write to it fails with ENOSPC.
  fs::create_symlink("/dev/full", ConfigTempPath(store.path));
  EXPECT_FALSE(store.Save());
  EXPECT_EQ(ReadBytes(store.path), kOldFile);
  EXPECT_FALSE(fs::exists(fs::symlink_status(ConfigTempPath(store.path))));
}

TEST(ConfigStoreCrashSafety, FailedReplaceRemovesTheTemporaryFile) {
  const std::string folder = Folder();
  ConfigStore store(folder + "config.txt", '=');
  store.AddIfAbsent("time", "30");
  // A non-empty folder where the file should be cannot be replaced.
  fs::create_directories(folder + "config.txt/keep");
  EXPECT_FALSE(store.Save());
  EXPECT_TRUE(fs::is_directory(folder + "config.txt/keep"));
  EXPECT_FALSE(fs::exists(ConfigTempPath(store.path)));
}

TEST(ConfigStoreCrashSafety, SaveIntoMissingFolderFails) {
  const std::string folder = Folder();
  ConfigStore store(folder + "no-such-folder/config.txt", '=');
  store.AddIfAbsent("time", "30");
  EXPECT_FALSE(store.Save());
}

TEST(ConfigStoreCrashSafety, SuccessfulSaveReplacesTheFileAndLeavesNoTemporary) {
  const std::string folder = Folder();
  ConfigStore store = ChangedStore(folder + "config.txt");
  // A temporary file left by an earlier crash is simply overwritten.
  ASSERT_TRUE(WriteBytes(ConfigTempPath(store.path), "garbage from a crash"));
  EXPECT_TRUE(store.Save());
  EXPECT_EQ(ReadBytes(store.path), "time=10\r\nhollow=on\r\nstartup=1\r\n");
  EXPECT_FALSE(Exists(ConfigTempPath(store.path)));
}

TEST(ConfigStoreBadInput, TenMegabyteFileLoads) {
  const std::string folder = Folder();
  std::string bytes;
  for (int i = 0; bytes.size() < 10u * 1024 * 1024; ++i) {
    bytes += "key" + std::to_string(i) + "=value" + std::to_string(i) + "\r\n";
  }
  ASSERT_TRUE(WriteBytes(folder + "config.txt", bytes));
  ConfigStore store(folder + "config.txt", '=');
  ASSERT_TRUE(store.Load());
  EXPECT_EQ(store.GetString("key0"), "value0");
  EXPECT_EQ(store.keys.back(), "");
  const std::string last = store.keys[store.keys.size() - 2];
  EXPECT_EQ(store.GetString(last), "value" + last.substr(3));
  EXPECT_EQ(store.Find("time"), -1);
}

TEST(ConfigStoreBadInput, OneMegabyteLineLoads) {
  const std::string folder = Folder();
  const std::string value(1024 * 1024, 'v');
  ASSERT_TRUE(WriteBytes(folder + "config.txt", "time=" + value + "\r\nstartup=1"));
  ConfigStore store(folder + "config.txt", '=');
  ASSERT_TRUE(store.Load());
  ASSERT_EQ(store.keys.size(), 2u);
  EXPECT_EQ(store.GetString("time"), value);
  EXPECT_EQ(store.GetInt("startup"), 1);
}

TEST(ConfigStoreBadInput, FilesUpToTheLimitLoadAndLargerOnesAreRefused) {
  const std::string folder = Folder();
  ConfigStore store(folder + "config.txt", '=');
  ASSERT_TRUE(WriteBytes(store.path, std::string(kMaxConfigFileBytes, 'a')));
  ASSERT_TRUE(store.Load());
  ASSERT_EQ(store.keys.size(), 1u);
  EXPECT_EQ(store.keys[0].size(), kMaxConfigFileBytes);

  store.Clear();
  store.AddIfAbsent("kept", "1");
  ASSERT_TRUE(WriteBytes(store.path, std::string(kMaxConfigFileBytes + 1, '\n')));
  EXPECT_FALSE(store.Load());
  EXPECT_EQ(store.keys, std::vector<std::string>{"kept"});
}

TEST(ConfigStoreBadInput, RandomBinaryFilesKeepReaderAndWriterInAgreement) {
  const std::string folder = Folder();
  std::mt19937 random(20261208);
  for (int round = 0; round < 200; ++round) {
    // Biased towards the bytes that matter to the format.
    std::uniform_int_distribution<int> length(0, round == 0 ? 1 << 20 : 300);
    std::string bytes(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : bytes) {
      const int pick = static_cast<int>(random() % 8);
      c = pick == 0 ? '\n' : pick == 1 ? '\r' : pick == 2 ? '=' : pick == 3 ? '\0' : static_cast<char>(random());
    }
    EXPECT_EQ(CheckLoadSaveRoundTrip(bytes, folder), "") << "round " << round;
  }
}

TEST(ConfigStoreBadInput, FuzzCorpusReplays) {
  const std::string folder = Folder();
  int files = 0;
  for (const auto& entry : fs::directory_iterator(SMX_CORPUS_DIR)) {
    EXPECT_EQ(CheckLoadSaveRoundTrip(ReadBytes(entry.path().string()), folder), "") << entry.path();
    ++files;
  }
  EXPECT_GT(files, 0);
}

TEST(ConfigStoreRoundTrip, RandomKeysAndValuesSurviveSaveThenLoadInOrder) {
  const std::string folder = Folder();
  std::mt19937 random(7);
  // Every byte except the separator and LF; CR and NUL included.
  auto text = [&](std::size_t minLength) {
    std::string out(minLength + random() % 12, '\0');
    for (char& c : out) {
      do c = static_cast<char>(random());
      while (c == '=' || c == '\n');
    }
    return out;
  };
  for (int round = 0; round < 300; ++round) {
    ConfigStore store(folder + "config.txt", '=');
    const int count = static_cast<int>(random() % 10);
    for (int i = 0; i < count; ++i) {
      store.keys.push_back(text(1));
      store.values.push_back(text(0));
    }
    ASSERT_TRUE(store.Save());
    ConfigStore back(store.path, '=');
    ASSERT_TRUE(back.Load());
    store.keys.emplace_back();  // the final line break's empty entry
    store.values.emplace_back();
    EXPECT_EQ(back.keys, store.keys) << "round " << round;
    EXPECT_EQ(back.values, store.values) << "round " << round;
  }
}

}  // namespace

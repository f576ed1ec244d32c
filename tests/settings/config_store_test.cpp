// ConfigStore: line splitting, lookups and what Save writes back.
#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "settings/config_store.h"
#include "settings/settings_keys.h"
#include "tests/settings/config_round_trip.h"
#include "tests/settings/host_scratch.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries EntriesOf(const ConfigStore& store) {
  Entries out;
  for (std::size_t i = 0; i < store.keys.size(); ++i) out.emplace_back(store.keys[i], store.values[i]);
  return out;
}

std::string Folder() { return HostScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name()); }

// A store loaded from the given file bytes.
ConfigStore Loaded(const std::string& bytes, const std::string& folder) {
  ConfigStore store(folder + "config.txt", '=');
  EXPECT_TRUE(WriteBytes(store.path, bytes));
  EXPECT_TRUE(store.Load());
  return store;
}

// Text with embedded NUL bytes, from a literal.
template <std::size_t N>
std::string S(const char (&bytes)[N]) {
  return std::string(bytes, N - 1);
}

struct ParseCase {
  const char* name;
  std::string bytes;
  Entries expected;
};

TEST(ConfigStoreLoad, SplitsLinesAsWritten) {
  const std::vector<ParseCase> cases = {
      {"empty file gives one empty entry", "", {{"", ""}}},
      {"default file", "time=30\r\nhollow=off\r\nstartup=0\r\n",
       {{"time", "30"}, {"hollow", "off"}, {"startup", "0"}, {"", ""}}},
      {"no final line break", "a=b", {{"a", "b"}}},
      {"LF only", "a=b\nc=d\n", {{"a", "b"}, {"c", "d"}, {"", ""}}},
      {"CR-only line ends are ordinary bytes", "time=30\rhollow=on\r", {{"time", "30\rhollow"}}},
      {"only the CR before LF is dropped", "a=b\r\r\nc=\rd\r\n", {{"a", "b\r"}, {"c", "\rd"}, {"", ""}}},
      {"blanks belong to key and value", "time = 30\r\n", {{"time ", " 30"}, {"", ""}}},
      {"second separator ends the value", "a=b=c\n", {{"a", "b"}, {"", ""}}},
      {"no separator: key and value are the line", "time\nfoo", {{"time", "time"}, {"foo", "foo"}}},
      {"empty key and empty value", "=x\na=\n=\n", {{"", "x"}, {"a", ""}, {"", ""}, {"", ""}}},
      {"empty lines are entries", "a=1\n\r\n\nb=2", {{"a", "1"}, {"", ""}, {"", ""}, {"b", "2"}}},
      {"NUL stays inside the key", S("time\0=60\r\n"), {{S("time\0"), "60"}, {"", ""}}},
      {"NUL stays inside the value", S("time=6\0" "0=x"), {{"time", S("6\0" "0")}}},
      {"NUL in a line without separator", S("ti\0me"), {{S("ti\0me"), S("ti\0me")}}},
  };
  const std::string folder = Folder();
  for (const ParseCase& c : cases) {
    EXPECT_EQ(EntriesOf(Loaded(c.bytes, folder)), c.expected) << c.name;
  }
}

TEST(ConfigStoreLoad, AppendsToWhatTheStoreHolds) {
  const std::string folder = Folder();
  ConfigStore store = Loaded("a=1", folder);
  ASSERT_TRUE(store.Load());
  EXPECT_EQ(EntriesOf(store), (Entries{{"a", "1"}, {"a", "1"}}));
}

TEST(ConfigStoreLoad, FailureLeavesTheStoreUnchanged) {
  const std::string folder = Folder();
  ConfigStore store = Loaded("a=1\n", folder);
  const Entries before = EntriesOf(store);
  for (const std::string& path : {folder + "missing.txt", folder /* a folder, not a file */}) {
    store.SetPath(path);
    EXPECT_FALSE(store.Load()) << path;
    EXPECT_EQ(EntriesOf(store), before) << path;
  }
}

TEST(ConfigStoreLookup, KeysMatchIgnoringAsciiCaseOnly) {
  const std::string folder = Folder();
  const ConfigStore store = Loaded(S("TIME=60\nHollow=ON\n\xC4=1\nstar\0tup=1\n"), folder);
  EXPECT_EQ(store.Find("time"), 0);
  EXPECT_EQ(store.GetInt("time"), 60);
  EXPECT_EQ(store.Find("HOLLOW"), 1);
  EXPECT_EQ(store.GetString("hollow"), "ON");  // values keep their case
  EXPECT_EQ(store.Find("\xC4"), 2);
  EXPECT_EQ(store.Find("\xE4"), -1);  // bytes above 127 are not folded
  EXPECT_EQ(store.Find("star"), -1);   // a NUL does not end the key
  EXPECT_EQ(store.Find("startup"), -1);
  EXPECT_EQ(store.Find(S("STAR\0TUP")), 3);
  EXPECT_EQ(store.Find("tim"), -1);
  EXPECT_EQ(store.Find("time "), -1);
}

TEST(ConfigStoreLookup, BlanksAroundTheSeparatorHideTheKey) {
  const std::string folder = Folder();
  const ConfigStore store = Loaded("time = 30\r\n", folder);
  EXPECT_EQ(store.Find("time"), -1);
  EXPECT_EQ(store.GetInt("time"), -1);
  EXPECT_EQ(store.Find("time "), 0);
}

TEST(ConfigStoreLookup, GetIntReadsLeadingDecimal) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"30", 30},         {"15x", 15},       {"abc", 0},         {"", 0},
      {" \t42", 42},      {"-7", -7},        {"+5", 5},          {"-", 0},
      {"0x10", 0},        {"1 2", 1},        {"- 3", 0},         {"007", 7},
      {"2147483647", INT_MAX},  {"2147483648", INT_MAX},  {"99999999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN}, {"-2147483649", INT_MIN}, {"-99999999999999999999999", INT_MIN},
  };
  for (const auto& c : cases) {
    ConfigStore store("unused", '=');
    store.keys = {"time"};
    store.values = {c.first};
    EXPECT_EQ(store.GetInt("time"), c.second) << '"' << c.first << '"';
  }
}

TEST(ConfigStoreLookup, ZeroLengthFileHasNoSettings) {
  const std::string folder = Folder();
  const ConfigStore store = Loaded("", folder);
  EXPECT_EQ(store.GetInt("time"), -1);
  EXPECT_EQ(store.GetInt("startup"), -1);
  EXPECT_EQ(store.GetString("hollow"), "");
}

TEST(ConfigStoreLookup, WordWithoutSeparatorReadsAsZero) {
  const std::string folder = Folder();
  const ConfigStore store = Loaded("time\r\n", folder);
  EXPECT_EQ(store.GetString("time"), "time");
  EXPECT_EQ(store.GetInt("time"), 0);
}

TEST(ConfigStoreLookup, AbsentKeyReadsTheFirstEntrysValue) {
  const std::string folder = Folder();
  const ConfigStore store = Loaded("startup=1\r\ntime=30\r\n", folder);
  EXPECT_EQ(store.GetString("hollow"), "1");
  EXPECT_EQ(store.GetInt("hollow"), -1);
  EXPECT_EQ(ConfigStore("unused", '=').GetString("hollow"), "");
}

TEST(ConfigStoreLookup, DuplicatesFirstOneWins) {
  const std::string folder = Folder();
  ConfigStore store = Loaded("time=10\r\nTime=20\r\ntime=30\r\n", folder);
  EXPECT_EQ(store.GetInt("time"), 10);
  store.SetString("TIME", "90");
  ASSERT_TRUE(store.Save());
  EXPECT_EQ(ReadBytes(store.path), "time=90\r\nTime=20\r\ntime=30\r\n");
}

struct SaveCase {
  const char* name;
  std::string file;
  void (*change)(ConfigStore&);
  std::string saved;
};

TEST(ConfigStoreSave, WritesBackWhatWasLoadedWithChanges) {
  const std::vector<SaveCase> cases = {
      {"defaults unchanged", "time=30\r\nhollow=off\r\nstartup=0\r\n", [](ConfigStore&) {},
       "time=30\r\nhollow=off\r\nstartup=0\r\n"},
      {"upper-case key keeps its case", "TIME=60\r\n", [](ConfigStore& s) { s.SetString("time", "10"); },
       "TIME=10\r\n"},
      {"LF-only file comes back with CR LF", "a=1\nb=2", [](ConfigStore&) {}, "a=1\r\nb=2\r\n"},
      {"unknown lines stay in order, empty lines vanish", "zz=1\r\n\r\ntime=30\r\n\nyy=2\r\n",
       [](ConfigStore& s) { s.SetInt("time", 60); }, "zz=1\r\ntime=60\r\nyy=2\r\n"},
      {"a line without separator comes back as foo=foo", "foo\r\n", [](ConfigStore&) {}, "foo=foo\r\n"},
      {"third field is dropped", "a=b=c\r\n", [](ConfigStore&) {}, "a=b\r\n"},
      {"empty key with a value is dropped", "=x\r\na=1\r\n", [](ConfigStore&) {}, "a=1\r\n"},
      {"SetString appends a missing key", "time=30\r\n", [](ConfigStore& s) { s.SetString("startup", "1"); },
       "time=30\r\nstartup=1\r\n"},
      {"SetInt appends a missing key after the final empty line", "time=30\r\n\r\n",
       [](ConfigStore& s) { s.SetInt("startup", 1); }, "time=30\r\nstartup=1\r\n"},
      {"an empty file gets back the three lines in their order", "",
       [](ConfigStore& s) { StoreCoreSettings(s, true, 0); }, "time=30\r\nhollow=on\r\nstartup=0\r\n"},
      {"lines that are there keep their places; time keeps its text", "startup=1\r\nTIME=abc\r\n",
       [](ConfigStore& s) { StoreCoreSettings(s, false, 0); }, "startup=0\r\nTIME=abc\r\nhollow=off\r\n"},
      {"missing lines are appended after the others", "hollow=on\r\nmore=1\r\n",
       [](ConfigStore& s) { StoreCoreSettings(s, true, 1); }, "hollow=on\r\nmore=1\r\ntime=30\r\nstartup=1\r\n"},
      {"SetInt writes plain decimal", "startup=0\r\n", [](ConfigStore& s) { s.SetInt("startup", -1); },
       "startup=-1\r\n"},
      {"SetInt of the extremes", "a=\r\nb=\r\n",
       [](ConfigStore& s) {
         s.SetInt("a", INT_MIN);
         s.SetInt("b", INT_MAX);
       },
       "a=-2147483648\r\nb=2147483647\r\n"},
      {"AddIfAbsent appends at the end", "time=30\r\n",
       [](ConfigStore& s) { s.AddIfAbsent("hollow", "off"); }, "time=30\r\nhollow=off\r\n"},
      {"AddIfAbsent leaves a key in another case", "HOLLOW=on\r\n",
       [](ConfigStore& s) { s.AddIfAbsent("hollow", "off"); }, "HOLLOW=on\r\n"},
      {"NUL bytes are written back as they are", S("ti\0me=6\0" "0\r\n"), [](ConfigStore&) {},
       S("ti\0me=6\0" "0\r\n")},
  };
  const std::string folder = Folder();
  for (const SaveCase& c : cases) {
    ConfigStore store = Loaded(c.file, folder);
    c.change(store);
    EXPECT_TRUE(store.Save()) << c.name;
    EXPECT_EQ(ReadBytes(store.path), c.saved) << c.name;
    EXPECT_FALSE(Exists(ConfigTempPath(store.path))) << c.name;
  }
}

TEST(ConfigStoreSave, EmptyStoreWritesAnEmptyFile) {
  const std::string folder = Folder();
  ConfigStore store(folder + "config.txt", '=');
  ASSERT_TRUE(store.Save());
  EXPECT_TRUE(Exists(store.path));
  EXPECT_EQ(ReadBytes(store.path), "");
}

TEST(ConfigStoreSave, ClearKeepsPathAndSeparator) {
  const std::string folder = Folder();
  ConfigStore store = Loaded("a:1\r\n", folder);
  store.separator = ':';
  store.Clear();
  EXPECT_TRUE(store.keys.empty());
  EXPECT_TRUE(store.values.empty());
  ASSERT_TRUE(store.Load());
  EXPECT_EQ(EntriesOf(store), (Entries{{"a", "1"}, {"", ""}}));
}

}  // namespace

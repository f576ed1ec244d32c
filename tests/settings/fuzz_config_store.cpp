// libFuzzer target: any bytes as config.txt through Load, Save and a reload.
// Crashes, sanitizer reports and broken reader/writer agreement all abort.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/settings/config_round_trip.h"

namespace {

std::string ScratchFolder() {
  // tmpfs where there is one: every run writes and syncs three files.
  const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  std::string folder = std::string(base) + "/fuzz_config_store." + std::to_string(getpid()) + "/";
  mkdir(folder.c_str(), 0700);
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = ScratchFolder();
  const std::string problem =
      CheckLoadSaveRoundTrip(std::string(reinterpret_cast<const char*>(data), size), folder);
  if (!problem.empty()) {
    std::fprintf(stderr, "config store round trip: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}

// A fresh, empty folder per host test, below the test's working folder.
#pragma once

#include <filesystem>
#include <string>

inline std::string HostScratchFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::current_path() / "scratch-settings" / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.string() + "/";
}

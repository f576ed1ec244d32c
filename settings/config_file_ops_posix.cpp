#include "settings/config_file_ops.h"

#include <unistd.h>

#include <cstdio>

bool FlushFileToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  return fsync(fileno(file)) == 0;
}

bool ReplaceFileAtomically(const std::string& source, const std::string& target) {
  // rename() replaces an existing target atomically on POSIX file systems.
  return std::rename(source.c_str(), target.c_str()) == 0;
}

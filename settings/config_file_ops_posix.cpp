#include "settings/config_file_ops.h"

#include <sys/stat.h>
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

bool IsWriteProtected(const std::string& path) {
  // Without any write permission bit the file is read-only for its owner
  // too, even where the caller's privileges would let it be written.
  struct stat info;
  return stat(path.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

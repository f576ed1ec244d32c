#include "settings/config_file_ops.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

std::FILE* OpenFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

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

bool FolderTakesNewFiles(const std::string& folder) {
  std::string probe = folder + ".write-probe-XXXXXX";
  const int fd = mkstemp(&probe[0]);
  if (fd < 0) return false;
  close(fd);
  unlink(probe.c_str());
  return true;
}

bool IsFolder(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

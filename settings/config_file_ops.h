// The platform steps of the settings file: opening and removing files by
// their UTF-8 path, pushing a written file to the disk, replacing one file
// by another in a single step, telling a file the user marked read-only, and
// finding out whether a folder takes new files. One implementation per
// platform (config_file_ops_posix.cpp on the host,
// config_file_ops_win32.cpp in the Windows build).
#pragma once

#include <cstdio>
#include <string>

// fopen and remove for a UTF-8 path.
std::FILE* OpenFile(const std::string& path, const char* mode);
bool RemoveFile(const std::string& path);
// Flushes the stream's buffers and asks the system to write the file's data
// through to the disk. False when either step fails.
bool FlushFileToDisk(std::FILE* file);
// Replaces target by source (which then no longer exists) in one step, so
// that target is always either the old or the new file. False on failure,
// with both files as they were.
bool ReplaceFileAtomically(const std::string& source, const std::string& target);
// True when the file exists and is marked read-only (the user's "do not
// change").
bool IsWriteProtected(const std::string& path);
// True when a new file can be made in the folder (a path ending in the
// folder separator): a probe file is created and removed again.
bool FolderTakesNewFiles(const std::string& folder);
// True when the path names an existing folder.
bool IsFolder(const std::string& path);
// The folder part of a path, separator included; empty when it has none.
inline std::string FolderOf(const std::string& path) {
  const std::string::size_type slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

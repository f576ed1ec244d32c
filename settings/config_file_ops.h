// The platform steps of a crash-safe save: pushing a written file to the
// disk, replacing one file by another in a single step, and telling a file
// the user marked read-only. One
// implementation per platform (config_file_ops_posix.cpp on the host,
// config_file_ops_win32.cpp in the Windows build).
#pragma once

#include <cstdio>
#include <string>

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

#include <windows.h>
#include <io.h>

#include "settings/config_file_ops.h"

bool FlushFileToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (handle == INVALID_HANDLE_VALUE) return false;
  return FlushFileBuffers(handle) != 0;
}

bool IsWriteProtected(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool ReplaceFileAtomically(const std::string& source, const std::string& target) {
  // Windows' MoveFileExA refuses to replace a read-only file, and so do we
  // where the system (Wine) would let the move through.
  if (IsWriteProtected(target)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  // Write-through: the call returns only once the move is on the disk. A
  // locked target makes the call fail and leaves both files.
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

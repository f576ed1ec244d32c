#include <windows.h>
#include <io.h>

#include "settings/wide_text.h"
#include "settings/config_file_ops.h"

std::FILE* OpenFile(const std::string& path, const char* mode) {
  return _wfopen(Widen(path).c_str(), Widen(mode).c_str());
}

bool RemoveFile(const std::string& path) { return DeleteFileW(Widen(path).c_str()) != 0; }

bool FlushFileToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (handle == INVALID_HANDLE_VALUE) return false;
  return FlushFileBuffers(handle) != 0;
}

bool IsWriteProtected(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool ReplaceFileAtomically(const std::string& source, const std::string& target) {
  // Windows' MoveFileEx refuses to replace a read-only file, and so do we
  // where the system (Wine) would let the move through.
  if (IsWriteProtected(target)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  // Write-through: the call returns only once the move is on the disk. A
  // locked target makes the call fail and leaves both files.
  return MoveFileExW(Widen(source).c_str(), Widen(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool FolderTakesNewFiles(const std::string& folder) {
  // The probe is made with a name of this process and vanishes when closed.
  const std::wstring probe = Widen(folder) + L"~somnivex-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

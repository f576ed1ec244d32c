#include "journal/dream_folder.h"

#include <windows.h>

#include <cstdint>

#include "app/app_globals.h"
#include "app/wide_text.h"
#include "settings/config_file_ops.h"

namespace {

// At most kMaxDreamFileBytes + 1 bytes of the file: one past the limit is
// enough to tell the scan that it is too big. False when it cannot be
// opened or read, for instance while another program holds it locked.
bool ReadCapped(const std::wstring& path, std::string* bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  constexpr std::size_t kCap = kMaxDreamFileBytes + 1;
  LARGE_INTEGER size = {};
  bytes->clear();
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0) {
    bytes->reserve(static_cast<std::uint64_t>(size.QuadPart) < kCap ? static_cast<std::size_t>(size.QuadPart) : kCap);
  }
  char chunk[64 * 1024];
  bool ok = true;
  while (bytes->size() < kCap) {
    const std::size_t want = kCap - bytes->size() < sizeof chunk ? kCap - bytes->size() : sizeof chunk;
    DWORD got = 0;
    if (!ReadFile(file, chunk, static_cast<DWORD>(want), &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    bytes->append(chunk, got);
  }
  CloseHandle(file);
  return ok;
}

bool EndsWithMd(const std::string& name) {
  const std::size_t n = name.size();
  return n >= 3 && name[n - 3] == '.' && (name[n - 2] | 0x20) == 'm' && (name[n - 1] | 0x20) == 'd';
}

// The "*.md" files of the folder whose names `keep` accepts, read. A file
// that cannot be read is left out; the pattern's matches are checked
// again, since a pattern can also match through a file's short name.
template <typename Keep>
std::vector<DreamFileBytes> ReadMatchingFiles(const std::string& folder, Keep keep) {
  std::vector<DreamFileBytes> files;
  const std::wstring wideFolder = Widen(folder);
  WIN32_FIND_DATAW found = {};
  HANDLE find = FindFirstFileW((wideFolder + L"*.md").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    DreamFileBytes file;
    file.name = Utf8(found.cFileName, lstrlenW(found.cFileName));
    if (!EndsWithMd(file.name) || !keep(file.name)) continue;
    if (ReadCapped(wideFolder + found.cFileName, &file.bytes)) files.push_back(std::move(file));
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return files;
}

std::int64_t Today() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  return DayOf(ToLocalMinute(CivilTime{now.wYear, now.wMonth, now.wDay, 0, 0}));
}

}  // namespace

std::string DreamsFolderPath() { return FolderOf(g_paths.settingsFile) + kDreamFolderName + "\\"; }

std::vector<DreamFileBytes> ReadDreamFolder(const std::string& folder) {
  return ReadMatchingFiles(folder, [](const std::string&) { return true; });
}

std::vector<SignCount> RecentDreamSigns() {
  const std::int64_t today = Today();
  // Only the mornings inside the window are read: their signs are the only
  // ones counted, and a reminder then reads about ninety small files
  // however many years the journal holds.
  auto inside = [today](const std::string& name) {
    CivilTime date;
    return ParseDreamFileName(name, &date) && InsideSignWindow(DayOf(ToLocalMinute(date)), today);
  };
  return CountJournalSigns(ScanDreamFiles(ReadMatchingFiles(DreamsFolderPath(), inside)), today);
}

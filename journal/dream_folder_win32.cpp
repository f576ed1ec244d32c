#include "journal/dream_folder.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdio>

#include "app/app_globals.h"
#include "settings/wide_text.h"
#include "journal/practice_journal.h"
#include "reminders/reminder_facts.h"
#include "settings/config_file_ops.h"

namespace {

// The dream files of the folder whose dates `keep` accepts, read. A file
// that cannot be read is listed with more than kMaxDreamFileBytes bytes, so
// that the scan shows it as unreadable.
template <typename Keep>
std::vector<DreamFileBytes> ReadDreamFiles(const std::string& folder, Keep keep) {
  std::vector<DreamFileBytes> files;
  for (std::string& name : ListDreamFolder(folder)) {
    CivilTime date;
    if (!ParseDreamFileName(name, &date) || !keep(date)) continue;
    DreamFileBytes file;
    file.name = std::move(name);
    if (!ReadDreamBytes(folder + file.name, &file.bytes)) file.bytes.assign(kMaxDreamFileBytes + 1, '\0');
    files.push_back(std::move(file));
  }
  return files;
}

}  // namespace

std::string DreamsFolderPath() { return FolderOf(g_paths.settingsFile) + kDreamFolderName + "\\"; }

bool ReadDreamBytes(const std::string& path, std::string* bytes) {
  HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // Room for the file as it is now, and never more than the most that is
  // read: a folder of thousands of files must not take a megabyte each.
  LARGE_INTEGER size = {};
  const std::size_t most = kMaxDreamFileBytes + 1;
  const std::size_t want = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && static_cast<unsigned long long>(size.QuadPart) < most
                               ? static_cast<std::size_t>(size.QuadPart) + 1  // one more sees a file that grew
                               : most;
  bytes->assign(want, '\0');
  std::size_t have = 0;
  bool ok = true;
  while (have < bytes->size()) {
    DWORD got = 0;
    if (!ReadFile(file, &(*bytes)[have], static_cast<DWORD>(bytes->size() - have), &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    have += got;
  }
  CloseHandle(file);
  bytes->resize(have);
  return ok;
}

// Only names of dream files count: the pattern can also match through a
// file's short name, so every match is checked.
std::vector<std::string> ListDreamFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found = {};
  HANDLE find = FindFirstFileW(Widen(folder + "*.md").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    std::string name = Utf8(found.cFileName, wcslen(found.cFileName));
    CivilTime date;
    if (ParseDreamFileName(name, &date)) names.push_back(std::move(name));
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return names;
}

std::vector<DreamFileBytes> ReadDreamFolder(const std::string& folder) {
  return ReadDreamFiles(folder, [](const CivilTime&) { return true; });
}

std::vector<SignCount> RecentDreamSigns() {
  const std::int64_t today = DayOf(LocalNow());
  // Only the mornings inside the window are read: theirs are the only signs
  // counted, and a reminder then opens about ninety small files however
  // many years the journal holds.
  auto inside = [today](const CivilTime& date) { return InsideSignWindow(DayOf(ToLocalMinute(date)), today); };
  return CountJournalSigns(ScanDreamFiles(ReadDreamFiles(DreamsFolderPath(), inside)), today);
}

bool SaveDreamBytes(const std::string& path, const std::string& bytes) {
  CreateDirectoryW(Widen(FolderOf(path)).c_str(), nullptr);
  const std::string temporary = path + ".saving";
  std::FILE* file = OpenFile(temporary, "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = FlushFileToDisk(file);
  const bool closed = std::fclose(file) == 0;
  if (written && flushed && closed && ReplaceFileAtomically(temporary, path)) return true;
  RemoveFile(temporary);
  return false;
}

bool RecycleDreamFile(const std::string& path) {
  // SHFileOperation takes a list ending in two NULs.
  std::wstring from = Widen(path);
  from.push_back(L'\0');
  SHFILEOPSTRUCTW op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

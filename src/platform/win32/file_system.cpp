#include <windows.h>
#undef DeleteFile

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>

#include "platform/win32/system_path.h"
#include "platform/win32/win32_platform.h"
#include "text/case_fold.h"
#include "text/path_parts.h"
#include "text/wide_text.h"

namespace qv::platform {
namespace {

constexpr const char* kTemporaryPrefix = "~qv";

// One WriteFile call moves at most a DWORD of bytes.
constexpr std::size_t kChunk = 1u << 24;

DWORD Attributes(const std::string& path) { return GetFileAttributesW(SystemPath(path).c_str()); }

bool IsFolder(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kChunk));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), wanted, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// A short name in the target's folder that no other writer in this or
// another process picks at the same time; short, so that it never makes a
// path too long where the target's own name fits.
std::string TemporaryName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return std::string(FolderPart(path)) + kTemporaryPrefix + std::to_string(GetCurrentProcessId() % 100000) + "-" +
         std::to_string(counter++ % 100000) + ".tmp";
}

std::uint64_t Ticks(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// A write killed midway leaves its temporary behind. One a day old belongs to
// no write still going on, and goes at the process's first write in its folder.
void RemoveStrayTemporaries(const std::string& folder) {
  static std::mutex guard;
  static std::set<std::string> looked;
  {
    const std::lock_guard<std::mutex> lock(guard);
    if (!looked.insert(folder).second) return;
  }
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(SystemPath(folder + kTemporaryPrefix + "*.tmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  constexpr std::uint64_t kDay = 24ull * 60 * 60 * 10000000;  // in 100 ns ticks
  do {
    const std::string name = Narrow(found.cFileName);
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !IsWriteTemporaryName(name, kTemporaryPrefix)) {
      continue;
    }
    if (Ticks(found.ftLastWriteTime) + kDay < Ticks(now)) DeleteFileW(SystemPath(folder + name).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

FileContent Win32FileSystem::ReadFile(const std::string& path, std::size_t limit) {
  FileContent content;
  const HANDLE file = CreateFileW(SystemPath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return content;
  // Read until the end rather than trusting the size: the file may grow.
  std::string chunk(64 * 1024, '\0');
  content.status = ReadStatus::Read;
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) {
      content = {};
      break;
    }
    if (got == 0) break;
    if (content.bytes.size() + got > limit) {
      content = {ReadStatus::TooLarge, {}};
      break;
    }
    content.bytes.append(chunk.data(), got);
  }
  CloseHandle(file);
  return content;
}

FileContent Win32FileSystem::ReadFileFrom(const std::string& path, std::uint64_t offset, std::size_t limit) {
  FileContent content;
  const HANDLE file = CreateFileW(SystemPath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return content;
  LARGE_INTEGER start{};
  start.QuadPart = static_cast<LONGLONG>(offset);
  content.bytes.resize(limit);
  DWORD got = 0;
  const bool read = SetFilePointerEx(file, start, nullptr, FILE_BEGIN) &&
                    ::ReadFile(file, content.bytes.data(), static_cast<DWORD>(limit), &got, nullptr);
  CloseHandle(file);
  content.bytes.resize(read ? got : 0);
  content.status = read ? ReadStatus::Read : ReadStatus::Missing;
  return content;
}

std::optional<std::uint64_t> Win32FileSystem::FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32FileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  RemoveStrayTemporaries(std::string(FolderPart(path)));
  std::wstring temporary;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < 16 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = SystemPath(TemporaryName(path));
    // Open for renaming while the bytes may still need flushing.
    file = CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  if (file == INVALID_HANDLE_VALUE) return false;

  // Most files are new (thousands of wrappers): they go in place at once,
  // with no look at the target beforehand and no wait for the disk. An
  // earlier file is kept when it is read-only (a rename would replace it on
  // some systems), and is replaced only once the new bytes are on the disk,
  // so that even a power cut leaves the one or the other whole.
  const std::wstring target = SystemPath(path);
  const bool written = WriteAll(file, bytes);
  bool done = written && MoveFileExW(temporary.c_str(), target.c_str(), 0);
  const DWORD error = done ? ERROR_SUCCESS : GetLastError();
  if (written && (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    done = attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0 && FlushFileBuffers(file);
    CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    done = done && MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (!done) DeleteFileW(temporary.c_str());
  return done;
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::FolderExists(const std::string& path) { return IsFolder(path); }

bool Win32FileSystem::DeleteFile(const std::string& path) { return DeleteFileW(SystemPath(path).c_str()) != 0; }

bool Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
  return MoveFileExW(SystemPath(from).c_str(), SystemPath(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  CreateDirectoryW(SystemPath(path).c_str(), nullptr);
  return IsFolder(path);
}

std::optional<std::vector<FolderEntry>> Win32FileSystem::ListFolder(const std::string& folder,
                                                                    const std::string& pattern) {
  const std::string query = WithTrailingSeparator(folder) + pattern;

  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(SystemPath(query).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    // No match in a folder that exists is an empty list, not a failure.
    if (IsFolder(folder.empty() ? "." : folder)) return entries;
    return std::nullopt;
  }
  do {
    const std::string name = Narrow(found.cFileName);
    if (name == "." || name == "..") continue;
    entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

std::string Win32FileSystem::PathKey(const std::string& path) {
  // The system resolves the rest: the full path from its current folders, the
  // dots and blanks that end a name, and its own upper-case table.
  const std::wstring plain = Widen(WithoutAliases(path));
  const DWORD size = GetFullPathNameW(plain.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  const DWORD length = size == 0 ? 0 : GetFullPathNameW(plain.c_str(), size, full.data(), nullptr);
  full.resize(length < size ? length : 0);
  if (full.empty()) return PortablePathKey(path, WorkingFolder());
  std::wstring upper(full.size(), L'\0');
  const int mapped = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, full.c_str(), static_cast<int>(full.size()),
                                   upper.data(), static_cast<int>(upper.size()), nullptr, nullptr, 0);
  if (mapped != static_cast<int>(full.size())) return PortablePathKey(path, WorkingFolder());
  return Narrow(upper);
}

}  // namespace qv::platform

#include "tools/support/test_files.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <system_error>

namespace qv::testing {

namespace {

void RemoveTree(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder.substr(0, folder.size() - 1), ignored);
}

}  // namespace

std::string WindowsPath(std::string_view hostPath) {
  std::string path = hostPath.size() > 0 && hostPath[0] == '/' ? "Z:" : "";
  for (char c : hostPath) path += c == '/' ? '\\' : c;
  return path;
}

ScratchFolder::ScratchFolder(std::string_view name) {
  static std::atomic<unsigned> counter{0};
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "qv" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + " " +
          std::string(name) + "\\";
  RemoveTree(path_);  // left by an earlier run under the same process id
  CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

bool MakeFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool WriteBytes(const std::string& path, std::string_view bytes) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

std::optional<std::string> ReadBytes(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool WriteSizedFile(const std::string& path, std::uint64_t bytes) {
  std::error_code error;
  if (WriteBytes(path, {})) std::filesystem::resize_file(path, bytes, error);
  return !error && Exists(path);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool CopyInto(const std::string& file, const std::string& folder, const std::string& newName) {
  const std::string name = newName.empty() ? file.substr(file.find_last_of("\\/") + 1) : newName;
  return CopyFileA(file.c_str(), (folder + name).c_str(), FALSE) != 0;
}

}  // namespace qv::testing

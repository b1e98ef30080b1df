#pragma once
// A fresh folder under the system's temporary folder for one test, removed
// with everything in it afterwards; files are set up and inspected through
// the standard library, not through the code under test.

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qv::platform {

class Win32TestFolder {
 public:
  Win32TestFolder() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof(temp), temp);
    for (unsigned attempt = 0;; ++attempt) {
      root_ = std::string(temp) + "qv-win32-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
      if (CreateDirectoryA(root_.c_str(), nullptr)) break;
    }
  }
  ~Win32TestFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored)) {
      SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    // A child that has just ended may still hold the folder as its working
    // folder for a moment.
    for (int attempt = 0; attempt < 50; ++attempt) {
      std::filesystem::remove_all(root_, ignored);
      if (!std::filesystem::exists(root_, ignored)) break;
      Sleep(100);
    }
  }
  Win32TestFolder(const Win32TestFolder&) = delete;
  Win32TestFolder& operator=(const Win32TestFolder&) = delete;

  // The folder itself, without a trailing backslash.
  const std::string& Root() const { return root_; }
  std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }

  void Put(const std::string& relative, const std::string& bytes) const {
    std::ofstream(Path(relative), std::ios::binary) << bytes;
  }
  void MakeFolder(const std::string& relative) const { CreateDirectoryA(Path(relative).c_str(), nullptr); }
  std::string Get(const std::string& relative) const {
    std::ifstream in(Path(relative), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  // Names in the folder (or one of its subfolders), sorted.
  std::vector<std::string> Names(const std::string& relative = "") const {
    std::vector<std::string> names;
    const std::string folder = relative.empty() ? root_ : Path(relative);
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string root_;
};

}  // namespace qv::platform

#pragma once
// Files for the tests that use the real system, natively and under Wine. They
// go through the standard library, never through the code under test.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>

namespace qv::testing {

namespace fs = std::filesystem;

// A fresh folder under the temporary folder, removed with all it holds.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) {
    static unsigned counter = std::random_device{}() % 1000000;  // never reuses what a crashed run left
    fs::path folder;
    do folder = fs::temp_directory_path() / ("qv-" + name + "-" + std::to_string(++counter));
    while (!fs::create_directory(folder));
    path_ = folder.string() + static_cast<char>(fs::path::preferred_separator);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    // A child that has just ended may hold the folder a moment longer.
    for (int i = 0; i < 50 && (fs::remove_all(path_, ignored), fs::exists(path_, ignored)); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
  ScratchFolder(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }  // ends in the separator

 private:
  std::string path_;
};

// Paths as the standard library takes them: a narrow text names an ASCII
// path; fs::u8path makes any other.
inline std::optional<std::string> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return in ? std::optional<std::string>(bytes.str()) : std::nullopt;
}

inline bool WriteBytes(const fs::path& path, const std::string& bytes) {
  return static_cast<bool>(std::ofstream(path, std::ios::binary) << bytes);
}

}  // namespace qv::testing

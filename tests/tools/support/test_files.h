#pragma once
// Files and folders for tests that run real programs: a scratch folder that
// is removed afterwards, and small whole-file helpers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv::testing {

// A path of the build machine ("/work/b/x.exe" or "C:/b/x.exe") as a Windows
// path; under Wine the root of the host lies on drive Z:.
std::string WindowsPath(std::string_view hostPath);

// A fresh folder in the temporary folder, whose name ends in `name` (blanks
// and the characters that cmd.exe treats specially are welcome there). It is
// removed with all it holds when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::string_view name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  // The folder, ending in a backslash.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

bool MakeFolder(const std::string& path);
bool WriteBytes(const std::string& path, std::string_view bytes);
std::optional<std::string> ReadBytes(const std::string& path);
// A file of exactly `bytes` bytes, left to the file system to fill (sparse
// where it can).
bool WriteSizedFile(const std::string& path, std::uint64_t bytes);
bool Exists(const std::string& path);
bool CopyInto(const std::string& file, const std::string& folder, const std::string& newName = {});

}  // namespace qv::testing

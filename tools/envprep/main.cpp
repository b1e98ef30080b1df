// envprep.exe run: writes envprep.bat into the current folder; a batch calls
// it to put the program folder, its tools subfolder and the folders listed
// in envprep.txt beside this program in front of PATH.

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "envprep/search_path.h"

namespace {

std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string Environment(const char* name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) return {};
  std::string value(size, '\0');
  const DWORD length = GetEnvironmentVariableA(name, value.data(), size);
  value.resize(length < size ? length : 0);
  return value;
}

// The file's bytes, up to one more than `limit` (so that a longer one shows);
// "" when it does not exist.
std::string ReadUpTo(const std::string& path, std::size_t limit) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes(limit + 1, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return bytes;
}

bool WriteWhole(const char* path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace qv;
  using namespace qv::tools;
  if (argc != 2 || lstrcmpiA(argv[1], "run") != 0) {
    std::fprintf(stderr, "usage: envprep.exe run  (writes envprep.bat, which puts the tool folders in front of PATH)\n");
    return 1;
  }
  // An envprep.bat left from an earlier run must not stand in for the one
  // that is not written.
  std::remove("envprep.bat");
  const std::string programFolder = ProgramFolder();
  const std::string list = ReadUpTo(programFolder + "envprep.txt", kLongestFolderList);
  if (list.size() > kLongestFolderList) {
    std::fprintf(stderr, "envprep: envprep.txt is larger than 1 MiB; envprep.bat is not written\n");
    return 1;
  }
  const ToolFolders tools = CollectToolFolders(programFolder, list);
  if (!tools.refusal.empty()) {
    std::fprintf(stderr, "envprep: %s; envprep.bat is not written\n", tools.refusal.c_str());
    return 1;
  }
  for (const auto& warning : tools.warnings) std::fprintf(stderr, "envprep: %s\n", warning.c_str());
  if (!WriteWhole("envprep.bat", EnvprepBatchText(tools.folders, Environment("PATH")))) {
    std::fprintf(stderr, "envprep: cannot write envprep.bat in the current folder\n");
    return 1;
  }
  return 0;
}

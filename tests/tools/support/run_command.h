#pragma once
#include <cstdio>
#include <string>

namespace qv::testing {

struct CommandRun {
  int exitCode;
  std::string output;  // standard output, and standard error where the command says 2>&1
};

// Runs `command` in `folder` through the command interpreter, as a batch line
// runs, and waits for its end. (cmd.exe /c drops the outer quotes only.)
inline CommandRun RunCommand(const std::string& command, const std::string& folder) {
  FILE* pipe = _popen(("\"cd /d \"" + folder + "\" && " + command + "\"").c_str(), "rb");
  std::string output;
  char buffer[4096];
  for (std::size_t got; pipe && (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
  return {pipe ? _pclose(pipe) : -1, output};
}

}  // namespace qv::testing

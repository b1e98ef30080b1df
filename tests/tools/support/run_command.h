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
// Under load Wine now and then fails to start the interpreter at all (no
// output, status -1): such a run, which ran nothing, is made again.
inline CommandRun RunCommand(const std::string& command, const std::string& folder) {
  CommandRun run{-1, {}};
  for (int attempt = 0; attempt < 3 && run.exitCode == -1 && run.output.empty(); ++attempt) {
    FILE* pipe = _popen(("\"cd /d \"" + folder + "\" && " + command + "\"").c_str(), "rb");
    char buffer[4096];
    for (std::size_t got; pipe && (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, got);
    run.exitCode = pipe ? _pclose(pipe) : -1;
  }
  return run;
}

}  // namespace qv::testing

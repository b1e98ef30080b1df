// The window tests take the programs they drive from the command line:
//   --program=quorvelan.exe --tool=snooze.exe ... --probe=priority_probe.exe
//   --screenshots=folder

#include <gtest/gtest.h>

#include <string>

#include "program_driver.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  qvtest::DriverOptions& options = qvtest::Options();
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const auto value = [&](const char* name) -> const char* {
      const std::string prefix = std::string("--") + name + "=";
      return argument.rfind(prefix, 0) == 0 ? argv[i] + prefix.size() : nullptr;
    };
    if (const char* v = value("program")) options.program = v;
    if (const char* v = value("tool")) options.tools.emplace_back(v);
    if (const char* v = value("probe")) options.probe = v;
    if (const char* v = value("screenshots")) options.screenshots = v;
  }
  if (options.program.empty()) {
    std::fprintf(stderr, "usage: %s --program=quorvelan.exe [--tool=...] [--probe=...] [--screenshots=...]\n", argv[0]);
    return 2;
  }
  return RUN_ALL_TESTS();
}

// quorvelan-cli: makes the window's batch files from the command line.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "batch_maker.h"
#include "options.h"
#include "system_platform.h"
#include "text/wide_text.h"

namespace {

constexpr int kExitError = 2;

// Standard input whole, or nullopt once it passes `limit`: reading stops
// there, also for an input that never ends.
std::optional<std::string> ReadStandardInput(std::size_t limit) {
  std::string text;
  char buffer[65536];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
    if (got > limit - text.size()) return std::nullopt;
    text.append(buffer, got);
  }
  return text;
}

int ReportError(const std::string& message) {
  qv::cli::WriteStandardError("quorvelan-cli: " + message + "\n");
  return kExitError;
}

int Run(const std::vector<std::string>& arguments) {
  using namespace qv::cli;
  const ParseResult parsed = ParseArguments(arguments);
  if (parsed.options.help) {
    std::fputs(HelpText().c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : kExitError;
  }
  if (!parsed.error.empty()) return ReportError(parsed.error);

  Options options = parsed.options;
  if (options.inputsFrom == "-") {
    options.inputsText = ReadStandardInput(kInputListLimit);
    if (!options.inputsText) return ReportError(std::string("the list of inputs on standard input ") + kInputListTooLarge);
  }
  const std::unique_ptr<SystemPlatform> system = MakeSystemPlatform();
  const MakeOutcome outcome = MakeBatch(options, system->Get());
  for (const std::string& warning : outcome.warnings) WriteStandardError("quorvelan-cli: warning: " + warning + "\n");
  for (const std::string& note : outcome.notes) WriteStandardError("quorvelan-cli: " + note + "\n");
  if (outcome.exitStatus != 0) return ReportError(outcome.error);

  if (parsed.options.target == BatchTarget::StandardOutput) {
    UseBinaryStandardOutput();
    const std::string& bytes = outcome.standardOutput;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
      return ReportError("cannot write the batch to standard output");
    }
  }
  return 0;
}

}  // namespace

#ifdef _WIN32
// The arguments as the system has them, so that every name arrives whole.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(qv::Narrow(argv[i]));
  return Run(arguments);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif

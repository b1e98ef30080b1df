#pragma once
// The command line of quorvelan-cli, parsed into what to do.

#include <optional>
#include <string>
#include <vector>

namespace qv::cli {

enum class SettingsSource { StateFile, BuiltInDefaults, NamedConfig, ConfigFile };
enum class BatchTarget { None, File, StandardOutput, Start, PerJob };

struct Assignment {
  std::string key;
  std::string value;
};

struct Options {
  bool help = false;
  SettingsSource source = SettingsSource::StateFile;
  std::string sourceName;  // config name or config file path
  std::vector<Assignment> assignments;
  bool noChromaMe = false;
  std::optional<std::string> outputFolder;
  bool shutdown = false;
  BatchTarget target = BatchTarget::None;
  std::string batchFile;   // or the folder of --per-job
  std::string script;      // --script: "sh", "cmd", or "" for the system's own
  std::string scheduler;   // --scheduler: "slurm", "htcondor" or ""
  std::vector<std::string> inputs;
  bool recursive = false;  // folders among the inputs bring their subfolders' files too
  std::string inputsFrom;                 // a file of inputs, one per line; "-": standard input
  std::optional<std::string> inputsText;  // standard input's text, when inputsFrom is "-"
};

struct ParseResult {
  Options options;
  std::string error;  // empty when the command line is sound
};

// `args` without the program name.
ParseResult ParseArguments(const std::vector<std::string>& args);

std::string HelpText();

}  // namespace qv::cli

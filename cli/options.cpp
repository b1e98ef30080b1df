#include "options.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "catalog/x264_lists.h"

namespace qv::cli {
namespace {

bool HasControlCharacter(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

// Every text that ends up in a batch line: a line break would start a line
// of its own, which no field of the window can hold.
std::string CheckText(const std::string& what, const std::string& text) {
  if (HasControlCharacter(text)) return what + " contains a line break or another control character";
  return {};
}

// A path goes into batch lines between double quotes, which it must not end.
std::string CheckPath(const std::string& what, const std::string& text) {
  if (text.find('"') != std::string::npos) return what + " contains a double quote";
  return CheckText(what, text);
}

// What the options seen so far leave for those still to come.
struct ParseState {
  Options& options;
  bool sourceGiven = false;
  bool optionsEnded = false;
};

// Sets what the option stands for from its value ("" for an option without
// one). An error text, or "" when done.
using Setter = std::string (*)(ParseState&, const std::string& value);

enum class Section { Settings, Jobs, Batch, PerJob, End };

// One option of the command line: parsing, --help and the suggestion for a
// mistyped option all read these rows.
struct OptionRow {
  const char* name;   // as typed; nullptr for a help entry of its own
  const char* value;  // the value's name in the help, nullptr for an option without one
  Section section;
  const char* shown;  // the help's left column when it is not the name and the value
  const char* help;   // the help's lines; nullptr for a row the help does not show
  Setter set;
};

std::string SetSource(ParseState& state, SettingsSource source, const std::string& name) {
  if (state.sourceGiven) return "give only one of --defaults, --config and --config-file";
  state.sourceGiven = true;
  state.options.source = source;
  state.options.sourceName = name;
  return {};
}

std::string SetTarget(ParseState& state, BatchTarget target, const std::string& file) {
  if (state.options.target != BatchTarget::None) return "give only one of --bat, --start and --per-job";
  state.options.target = target;
  state.options.batchFile = file;
  return {};
}

std::string SetAssignment(ParseState& state, const std::string& value) {
  const std::size_t equals = value.find('=');
  if (equals == std::string::npos || equals == 0) return "--set needs KEY=VALUE, got '" + value + "'";
  Assignment assignment{value.substr(0, equals), value.substr(equals + 1)};
  if (std::string error = CheckText("the value of " + assignment.key, assignment.value); !error.empty()) {
    return error;
  }
  state.options.assignments.push_back(std::move(assignment));
  return {};
}

std::string SetX264Syntax(ParseState& state, const std::string& value) {
  const int index = X264SyntaxIndex(value.c_str());
  if (index < 0) {
    std::string names;
    for (int i = 0; i < kX264SyntaxCount; ++i) {
      names += i == 0 ? "" : i + 1 == kX264SyntaxCount ? " or " : ", ";
      names += FindX264Syntax(i)->cliName;
    }
    return "--x264-syntax takes " + names + ", got '" + value + "'";
  }
  state.options.assignments.push_back({"x264syntax", std::to_string(index)});
  return {};
}

std::string SetOutputFolder(ParseState& state, const std::string& value) {
  if (value.empty()) return "--output-folder needs a folder";
  if (std::string error = CheckPath("the output folder", value); !error.empty()) return error;
  state.options.outputFolder = value;
  return {};
}

std::string SetInputsFrom(ParseState& state, const std::string& value) {
  if (value.empty()) return "--inputs-from needs a file name or -";
  state.options.inputsFrom = value;
  return {};
}

std::string SetBatchFile(ParseState& state, const std::string& value) {
  if (value.empty() && state.options.target == BatchTarget::None) return "--bat needs a file name or -";
  return SetTarget(state, value == "-" ? BatchTarget::StandardOutput : BatchTarget::File, value);
}

std::string SetPerJobFolder(ParseState& state, const std::string& value) {
  if (value.empty() && state.options.target == BatchTarget::None) return "--per-job needs a folder";
  if (state.options.target == BatchTarget::None) {
    if (std::string error = CheckPath("the folder of --per-job", value); !error.empty()) return error;
  }
  return SetTarget(state, BatchTarget::PerJob, value);
}

std::string SetScript(ParseState& state, const std::string& value) {
  if (value != "sh" && value != "cmd") return "--script takes sh or cmd, got '" + value + "'";
  state.options.script = value;
  return {};
}

std::string SetScheduler(ParseState& state, const std::string& value) {
  if (value != "slurm" && value != "htcondor") return "--scheduler takes slurm or htcondor, got '" + value + "'";
  state.options.scheduler = value;
  return {};
}

std::string SetHelp(ParseState& state, const std::string&) {
  state.options.help = true;
  return {};
}

const OptionRow kOptions[] = {
    {"--defaults", nullptr, Section::Settings, nullptr, "Apply the built-in defaults (as \"Load Default\").",
     [](ParseState& s, const std::string& v) { return SetSource(s, SettingsSource::BuiltInDefaults, v); }},
    {"--config", "NAME", Section::Settings, nullptr, "Load the named config configs\\NAME.ini (as \"L\").",
     [](ParseState& s, const std::string& v) { return SetSource(s, SettingsSource::NamedConfig, v); }},
    {"--config-file", "PATH", Section::Settings, nullptr, "Load the config file PATH.",
     [](ParseState& s, const std::string& v) { return SetSource(s, SettingsSource::ConfigFile, v); }},
    {"--set", "KEY=VALUE", Section::Settings, nullptr,
     "Set the control of a config key as a user would, with\n"
     "the same checks and rules. Check boxes take 0 or 1,\n"
     "lists the index of their entry, sliders their\n"
     "position, avsinc the name of an include script in the\n"
     "avsinc folder; number fields a number, other fields\n"
     "any text. A value outside the mode's range (0-51 for a\n"
     "quantizer or CRF, 1-8000 kbit/s) ends with exit 2.\n"
     "Repeat for several keys; mode applies first, so that\n"
     "a value beside it is in its unit, the others in\n"
     "order, all after the config.",
     SetAssignment},
    {"--x264-syntax", "auto|classic|current", Section::Settings, nullptr,
     "The option syntax of the x264 lines (as --set\n"
     "x264syntax=0, 1 or 2): classic for x264 builds of\n"
     "2006 to 2008, current for builds since 2010, auto\n"
     "for the syntax of the x264.exe that the batch will\n"
     "find (program folder, tools, envprep.txt, PATH), by\n"
     "the core number of its version: current for core 78\n"
     "and later, classic for core 64 and earlier and for a\n"
     "build that does not tell its version; cores 65-77\n"
     "(October 2008 to September 2009) are not supported\n"
     "and get classic. With no x264.exe found: current,\n"
     "which every x264 of today reads. The build found and\n"
     "the syntax written are told on standard error.",
     SetX264Syntax},
    {"--no-chroma-me", nullptr, Section::Settings, nullptr, "Clear \"Chroma ME\" (on at every start; no config key).",
     [](ParseState& s, const std::string&) {
       s.options.noChromaMe = true;
       return std::string();
     }},
    {nullptr, nullptr, Section::Jobs, "INPUT...",
     "Each input becomes one job, as the input \"...\" button\n"
     "and \"Add\" make it: output, stats and log paths derived\n"
     "from it, the output beside the input. An input that is\n"
     "not an AviSynth script (.avs) gets a wrapper script in\n"
     "the avs folder beside the program, which imports the\n"
     "chosen include script (avsinc, the first there unless\n"
     "the state file or --set avsinc names another); with no\n"
     "include script there, such an input is refused. A\n"
     "relative input is taken from the current folder; a\n"
     "name that ends in a blank or a dot is refused; an\n"
     "input that does not exist (yet) is taken with a\n"
     "warning. A folder brings its video files (AviSynth\n"
     "scripts and the common video containers, by their\n"
     "extension) in name order, and tells on standard error\n"
     "what it brought and what it left out; \"*\"\n"
     "and \"?\" in an input's file name bring the files they\n"
     "match, in name order (a pattern that matches none is\n"
     "an error).\n"
     "Sources of one file name from different folders get\n"
     "names of their own: \"clip (2).mp4\" and so on. A job\n"
     "with a path that one of its steps cannot carry whole\n"
     "is refused, the step named: a lone surrogate; a device\n"
     "name (aux.avs); for 2006-2008 x264, NeroAacEnc,\n"
     "enc_aacplus and mp4creator a character that the ANSI\n"
     "code page lacks; for bepipe.exe a \"^\".",
     nullptr},
    {"--inputs-from", "FILE", Section::Jobs, nullptr,
     "Take more inputs from FILE (one path per line; - for\n"
     "standard input), up to 256 MiB. UTF-8, or UTF-16 with\n"
     "a byte-order mark (what Windows PowerShell 5.1's \">\"\n"
     "writes); any other list, or one with no inputs, is\n"
     "refused.",
     SetInputsFrom},
    {"--recursive", nullptr, Section::Jobs, nullptr, "A folder given as an input brings its subfolders' videos too.",
     [](ParseState& s, const std::string&) {
       s.options.recursive = true;
       return std::string();
     }},
    {"--output-folder", "DIR", Section::Jobs, nullptr,
     "Put every output into DIR, as \"Files input\" does.\n"
     "An output, stats or log folder that does not exist\n"
     "now is made by the job's lines before its first step;\n"
     "a job whose folder cannot be made is skipped, with a\n"
     "line in the console that says so.",
     SetOutputFolder},
    {"--shutdown", nullptr, Section::Jobs, nullptr, "Append the shutdown line after the last job.",
     [](ParseState& s, const std::string&) {
       s.options.shutdown = true;
       return std::string();
     }},
    {"--", nullptr, Section::Jobs, nullptr, "Every later argument is an input.",
     [](ParseState& s, const std::string&) {
       s.optionsEnded = true;
       return std::string();
     }},
    {"--bat", "FILE", Section::Batch, nullptr,
     "Write the batch to FILE, as \"Make BAT\" does (\".bat\"\n"
     "is added when FILE has no extension). It is written in\n"
     "the OEM code page when that carries every character,\n"
     "else in UTF-8 with a switch to code page 65001\n"
     "(Windows 10 and later).",
     SetBatchFile},
    {nullptr, nullptr, Section::Batch, "--bat -", "Write the same bytes to standard output.", nullptr},
    {"--start", nullptr, Section::Batch, nullptr,
     "Write temp.bat beside the program and start it at idle\n"
     "priority in a job of its own, as \"Start\" does (saves the\n"
     "state file too); it is deleted at its end.",
     [](ParseState& s, const std::string&) { return SetTarget(s, BatchTarget::Start, {}); }},
    {"--per-job", "DIR", Section::PerJob, nullptr,
     "Write into the folder DIR one self-contained script per\n"
     "job (job-0001.sh, ...): it sets its own search path,\n"
     "runs the job's steps as the batch would, and exits\n"
     "with 0 only when the job's final output exists. Also\n"
     "jobs.tsv (job, script, input, final output, mode,\n"
     "passes) and README.txt.",
     SetPerJobFolder},
    {"--script", "sh|cmd", Section::PerJob, nullptr,
     "The scripts' language: sh (POSIX shell; the default\n"
     "on Linux) or cmd (batch files; the default on\n"
     "Windows). sh scripts read each source with today's\n"
     "x264, no AviSynth; a job with a step that needs\n"
     "Windows (bepipe audio, MP4Creator, an AviSynth input\n"
     "or include script) is refused, naming the setting.",
     SetScript},
    {"--scheduler", "slurm|htcondor", Section::PerJob, "--scheduler slurm",
     "Also write submit.sbatch: a Slurm job array, one task\n"
     "per script (sh only). Run sbatch from DIR.",
     SetScheduler},
    {nullptr, nullptr, Section::PerJob, "--scheduler htcondor",
     "Also write submit.sub and jobs.txt: one HTCondor job\n"
     "per script, on Linux (sh) or Windows (cmd) nodes.",
     nullptr},
    {"--help", nullptr, Section::End, "--help, -h", "Show this text.", SetHelp},
    {"-h", nullptr, Section::End, nullptr, nullptr, SetHelp},
};

// What the help says before the rows of each section.
struct SectionText {
  Section section;
  const char* text;
};
const SectionText kSections[] = {
    {Section::Settings, "Settings:\n"},
    {Section::Jobs, "\nJobs:\n"},
    {Section::Batch, "\nBatch:\n"},
    {Section::PerJob, "\nOne script per job (instead of --bat or --start):\n"},
    {Section::End,
     "\nExit status: 0 when the batch was written or started; 2 after an error\n"
     "(unknown option or key, a value a control cannot take, a missing config, an\n"
     "input that gives no job, a file that cannot be written or a batch that cannot\n"
     "be started), reported in one line on standard error. The batch file is\n"
     "written whole at the end, or not at all.\n"},
};

constexpr const char* kHelpHead = R"(Usage:
  quorvelan-cli [--defaults | --config NAME | --config-file PATH]
                [--set KEY=VALUE]... [--x264-syntax auto|classic|current]
                [--no-chroma-me] [--output-folder DIR]
                [--shutdown] (--bat FILE | --bat - | --start)
                [--per-job DIR [--script sh|cmd] [--scheduler slurm|htcondor]]
                [--inputs-from FILE] INPUT...

Makes the batch file that the window would make for the same settings and
inputs. It starts as the window does: the working folders beside the program
are created, the include-script and config lists filled, and the program
folder's state file quorvelan.ini loaded (the built-in defaults when it is
missing).

)";

// The help's left column, then its lines from this column on.
constexpr std::size_t kHelpColumn = 24;

std::string HelpEntry(const OptionRow& row) {
  std::string left = row.shown != nullptr ? row.shown : row.name;
  if (row.shown == nullptr && row.value != nullptr) left = left + " " + row.value;
  std::string entry = "  " + left;
  // A left column too wide for the gap starts the help on a line of its own.
  entry += entry.size() + 2 <= kHelpColumn ? std::string(kHelpColumn - entry.size(), ' ')
                                           : "\n" + std::string(kHelpColumn, ' ');
  for (const char* c = row.help; *c != '\0'; ++c) {
    entry += *c;
    if (*c == '\n') entry.append(kHelpColumn, ' ');
  }
  return entry + "\n";
}

const OptionRow* FindOption(const std::string& name) {
  for (const OptionRow& row : kOptions) {
    if (row.name != nullptr && name == row.name) return &row;
  }
  return nullptr;
}

// The number of single-character edits from `a` to `b`.
std::size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The option that `name` most likely meant: at most two edits away, and
// fewer edits than its own length, so that no short typo matches anything.
std::string UnknownOption(const std::string& name) {
  const char* closest = nullptr;
  std::size_t best = 3;
  for (const OptionRow& row : kOptions) {
    if (row.name == nullptr || row.help == nullptr) continue;
    const std::size_t distance = EditDistance(name, row.name);
    if (distance < best && distance < name.size() - 1) {
      best = distance;
      closest = row.name;
    }
  }
  if (closest == nullptr) return "unknown option " + name + " (see --help)";
  return "unknown option " + name + "; did you mean " + closest + "? (see --help)";
}

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& args) {
  ParseResult result;
  ParseState state{result.options};
  Options& options = result.options;

  auto fail = [&result](std::string message) {
    result.error = std::move(message);
    return result;
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (state.optionsEnded || arg.empty() || arg[0] != '-') {
      if (std::string error = CheckPath("input '" + arg + "'", arg); !error.empty()) return fail(error);
      options.inputs.push_back(arg);
      continue;
    }
    const OptionRow* row = FindOption(arg);
    if (row == nullptr) return fail(UnknownOption(arg));
    std::string value;
    if (row->value != nullptr) {
      if (i + 1 >= args.size()) return fail(arg + " needs a value");
      value = args[++i];
    }
    if (std::string error = row->set(state, value); !error.empty()) return fail(error);
    if (options.help) return result;
  }

  if (options.target == BatchTarget::None) {
    return fail("give --bat FILE, --bat -, --start or --per-job DIR (see --help)");
  }
  const bool perJob = options.target == BatchTarget::PerJob;
  if (!perJob && !(options.script.empty() && options.scheduler.empty())) {
    return fail("--script and --scheduler go with --per-job");
  }
  if (perJob && options.shutdown) return fail("--shutdown has no place among per-job scripts");
  if (options.inputs.empty() && options.inputsFrom.empty()) {
    return fail("give at least one input file (see --help)");
  }
  return result;
}

std::string HelpText() {
  std::string text = kHelpHead;
  for (const SectionText& section : kSections) {
    text += section.text;
    for (const OptionRow& row : kOptions) {
      if (row.section == section.section && row.help != nullptr) text += HelpEntry(row);
    }
  }
  return text;
}

}  // namespace qv::cli

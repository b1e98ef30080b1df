#include "options.h"

#include <iterator>

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

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& args) {
  ParseResult result;
  Options& options = result.options;
  bool sourceGiven = false;
  bool optionsEnded = false;

  auto fail = [&result](std::string message) {
    result.error = std::move(message);
    return result;
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-') {
      if (std::string error = CheckPath("input '" + arg + "'", arg); !error.empty()) return fail(error);
      options.inputs.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return result;
    }
    if (arg == "--defaults" || arg == "--config" || arg == "--config-file" || arg == "--set" ||
        arg == "--x264-syntax" || arg == "--output-folder" || arg == "--bat" || arg == "--inputs-from" ||
        arg == "--per-job" || arg == "--script" || arg == "--scheduler") {
      const bool takesValue = arg != "--defaults";
      if (takesValue && i + 1 >= args.size()) return fail(arg + " needs a value");
      const std::string value = takesValue ? args[++i] : std::string();
      if (arg == "--defaults" || arg == "--config" || arg == "--config-file") {
        if (sourceGiven) return fail("give only one of --defaults, --config and --config-file");
        sourceGiven = true;
        options.source = arg == "--defaults"  ? SettingsSource::BuiltInDefaults
                         : arg == "--config" ? SettingsSource::NamedConfig
                                             : SettingsSource::ConfigFile;
        options.sourceName = value;
      } else if (arg == "--set") {
        const std::size_t equals = value.find('=');
        if (equals == std::string::npos || equals == 0) return fail("--set needs KEY=VALUE, got '" + value + "'");
        Assignment assignment{value.substr(0, equals), value.substr(equals + 1)};
        if (std::string error = CheckText("the value of " + assignment.key, assignment.value); !error.empty()) {
          return fail(error);
        }
        options.assignments.push_back(std::move(assignment));
      } else if (arg == "--inputs-from") {
        if (value.empty()) return fail("--inputs-from needs a file name or -");
        options.inputsFrom = value;
      } else if (arg == "--script") {
        if (value != "sh" && value != "cmd") return fail("--script takes sh or cmd, got '" + value + "'");
        options.script = value;
      } else if (arg == "--scheduler") {
        if (value != "slurm" && value != "htcondor") {
          return fail("--scheduler takes slurm or htcondor, got '" + value + "'");
        }
        options.scheduler = value;
      } else if (arg == "--x264-syntax") {
        // The entries of the drop-down, in list order.
        const char* const names[] = {"auto", "classic", "current"};
        std::size_t index = 0;
        while (index < std::size(names) && value != names[index]) ++index;
        if (index == std::size(names)) return fail("--x264-syntax takes auto, classic or current, got '" + value + "'");
        options.assignments.push_back({"x264syntax", std::to_string(index)});
      } else if (arg == "--output-folder") {
        if (value.empty()) return fail("--output-folder needs a folder");
        if (std::string error = CheckPath("the output folder", value); !error.empty()) return fail(error);
        options.outputFolder = value;
      } else {
        if (options.target != BatchTarget::None) return fail("give only one of --bat, --start and --per-job");
        if (value.empty()) return fail(arg + " needs " + (arg == "--bat" ? "a file name or -" : "a folder"));
        if (arg == "--per-job") {
          if (std::string error = CheckPath("the folder of --per-job", value); !error.empty()) return fail(error);
          options.target = BatchTarget::PerJob;
        } else {
          options.target = value == "-" ? BatchTarget::StandardOutput : BatchTarget::File;
        }
        options.batchFile = value;
      }
      continue;
    }
    if (arg == "--no-chroma-me") {
      options.noChromaMe = true;
    } else if (arg == "--shutdown") {
      options.shutdown = true;
    } else if (arg == "--start") {
      if (options.target != BatchTarget::None) return fail("give only one of --bat, --start and --per-job");
      options.target = BatchTarget::Start;
    } else {
      return fail("unknown option " + arg + " (see --help)");
    }
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
  return R"(Usage:
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

Settings:
  --defaults            Apply the built-in defaults (as "Load Default").
  --config NAME         Load the named config configs\NAME.ini (as "L").
  --config-file PATH    Load the config file PATH.
  --set KEY=VALUE       Set the control of a config key as a user would, with
                        the same range checks and rules (in mode 1, value=60
                        becomes 51; value=1200 then mode=2 leaves 51). Check
                        boxes take 0 or 1, lists the index of their entry,
                        sliders their position, avsinc the name of an include
                        script in the avsinc folder; fields take any text.
                        Repeat for several keys; they apply in order, after
                        the config.
  --x264-syntax auto|classic|current
                        The option syntax of the x264 lines (as --set
                        x264syntax=0, 1 or 2): classic for x264 builds of
                        2006 to 2008, current for builds since 2010, auto
                        for the syntax of the x264.exe that the batch will
                        find (program folder, tools, envprep.txt, PATH), by
                        the core number of its version: current for core 78
                        and later, classic for core 64 and earlier and for a
                        build that does not tell its version; cores 65-77
                        (October 2008 to September 2009) are not supported
                        and get classic. With no x264.exe found: current,
                        which every x264 of today reads. The build found and
                        the syntax written are told on standard error.
  --no-chroma-me        Clear "Chroma ME" (on at every start; no config key).

Jobs:
  INPUT...              Each input becomes one job, as the input "..." button
                        and "Add" make it: output, stats and log paths derived
                        from it, the output beside the input. An input that is
                        not an AviSynth script (.avs) gets a wrapper script in
                        the avs folder beside the program, which imports the
                        chosen include script (avsinc, the first there unless
                        the state file or --set avsinc names another); with no
                        include script there, such an input is refused. A
                        relative input is taken from the current folder; a
                        folder, or a name that ends in a blank or a dot, is
                        refused; an input that does not exist (yet) is taken
                        with a warning.
                        Sources of one file name from different folders get
                        names of their own: "clip (2).mp4" and so on. A job
                        with a path that one of its steps cannot carry whole
                        is refused (a lone surrogate; for audio, a character
                        outside the ANSI code page).
  --inputs-from FILE    Take more inputs from FILE (UTF-8, one path per line;
                        - for standard input), for lists of any length. A
                        list that is not UTF-8 is refused.
  --output-folder DIR   Put every output into DIR, as "Files input" does.
  --shutdown            Append the shutdown line after the last job.
  --                    Every later argument is an input.

Batch:
  --bat FILE            Write the batch to FILE, as "Make BAT" does (".bat"
                        is added when FILE has no extension). It is written in
                        the OEM code page when that carries every character,
                        else in UTF-8 with a switch to code page 65001
                        (Windows 10 and later).
  --bat -               Write the same bytes to standard output.
  --start               Write temp.bat beside the program and start it at idle
                        priority, as "Start" does (saves the state file too).

One script per job (instead of --bat or --start):
  --per-job DIR         Write into the folder DIR one self-contained script per
                        job (job-0001.sh, ...): it sets its own search path,
                        runs the job's steps as the batch would, and exits
                        with 0 only when the job's final output exists. Also
                        jobs.tsv (job, script, input, final output, mode,
                        passes) and README.txt.
  --script sh|cmd       The scripts' language: sh (POSIX shell; the default
                        on Linux) or cmd (batch files; the default on
                        Windows). sh scripts read each source with today's
                        x264, no AviSynth; a job with a step that needs
                        Windows (bepipe audio, MP4Creator, an AviSynth input
                        or include script) is refused, naming the setting.
  --scheduler slurm     Also write submit.sbatch: a Slurm job array, one task
                        per script (sh only). Run sbatch from DIR.
  --scheduler htcondor  Also write submit.sub and jobs.txt: one HTCondor job
                        per script, on Linux (sh) or Windows (cmd) nodes.

Exit status: 0 when the batch was written or started; 2 after an error
(unknown option or key, a value a control cannot take, a missing config, an
input that gives no job, a file that cannot be written or a batch that cannot
be started), reported in one line on standard error. The batch file is
written whole at the end, or not at all.
  --help, -h            Show this text.
)";
}

}  // namespace qv::cli

#include "batch_maker.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>
#include <utility>

#include "form/form.h"
#include "jobs/batch_file.h"
#include "jobs/folder_inputs.h"
#include "jobs/job_list.h"
#include "jobs/input_queue.h"
#include "text/case_fold.h"
#include "jobs/job_script.h"
#include "jobs/job_set.h"
#include "settings/batch_values.h"
#include "text/leading_integer.h"
#include "text/search_path.h"
#include "text/path_parts.h"
#include "text/text_lines.h"
#include "text/wide_text.h"
#include "settings/config_io.h"
#include "settings/number_fields.h"
#include "settings/settings_table.h"
#include "ui/dispatch.h"
#include "ui/lifecycle.h"
#include "ui/x264_choice.h"

namespace qv::cli {
namespace {

constexpr int kExitError = 2;

// A whole decimal integer, as a user would pick an entry or a position:
// anything else is a mistake to report, not a zero.
std::optional<int> WholeInteger(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) return std::nullopt;
  }
  return static_cast<int>(text[0] == '-' ? -value : value);
}

std::string Range(int lo, int hi) { return std::to_string(lo) + ".." + std::to_string(hi); }

// Sets the control of one config key the way a person at the window would,
// so the same handlers run afterwards. An error text, or "" when done.
std::string SetAsUser(Form& form, const SettingSpec& setting, const std::string& value) {
  const ControlId id = setting.control;
  const ControlSpec& control = ControlRow(id);
  const std::string where = std::string(setting.key) + "=" + value;
  switch (control.kind) {
    case ControlKind::CheckBox: {
      const std::optional<int> checked = WholeInteger(value);
      if (!checked || *checked < 0 || *checked > 1) return where + ": " + setting.key + " takes 0 or 1";
      if (form.Number(id) != *checked) form.UserClick(id);
      return {};
    }
    case ControlKind::TrackBar: {
      const std::optional<int> position = WholeInteger(value);
      if (!position || *position < control.lo || *position > control.hi) {
        return where + ": " + setting.key + " takes a position in " + Range(control.lo, control.hi);
      }
      form.UserSlide(id, *position);
      return {};
    }
    case ControlKind::DropDown:
    case ControlKind::List:
    case ControlKind::EditableCombo:
      if (setting.kind == SettingKind::Number) {
        const int count = form.ItemCount(id);
        const std::optional<int> index = WholeInteger(value);
        if (!index || *index < 0 || *index >= count) {
          return where + ": " + setting.key + " takes an entry index in " + Range(0, count - 1);
        }
        form.UserSelect(id, *index);
        return {};
      }
      if (control.kind == ControlKind::EditableCombo) {
        form.UserType(id, value);
        return {};
      }
      // A text kept in a drop-down (the include script): its entry is chosen.
      for (int index = form.ItemCount(id) - 1; index >= 0; --index) {
        if (form.Item(id, index) == value) {
          form.UserSelect(id, index);
          return {};
        }
      }
      return where + ": no such entry in the list of " + setting.key;
    case ControlKind::Edit:
      if ((setting.format == ValueFormat::Integer || setting.format == ValueFormat::Fraction) &&
          !IsWholeNumber(value, setting.format)) {
        return where + ": " + setting.key + " takes " +
               (setting.format == ValueFormat::Integer ? "a whole number" : "a number");
      }
      form.UserType(id, value);
      form.UserLeave(id);
      return {};
    default:
      // A caption that a config sets but the user cannot type into.
      form.SetText(id, value);
      return {};
  }
}

MakeOutcome Error(std::string message) { return {kExitError, std::move(message), {}, {}, {}}; }

std::string Refused(const ConfigFile& file, const std::string& path) {
  return "cannot load the config file " + path + ": " + file.reason;
}

// The configs there are, for a name that is not among them, sorted as a
// Windows folder lists them.
std::string ConfigNamesNote(const Form& form) {
  std::vector<std::string> names;
  for (int i = 0; i < form.ItemCount(ControlId::ConfigName); ++i) names.push_back(form.Item(ControlId::ConfigName, i));
  if (names.empty()) return "; the configs folder holds none";
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return FoldCase(a) < FoldCase(b); });
  std::string note = "; the configs are:";
  for (const std::string& name : names) note += (&name == &names.front() ? " \"" : ", \"") + name + "\"";
  return note;
}

void WarnOfNotes(const std::vector<LoadNote>& notes, std::vector<std::string>& warnings) {
  for (const LoadNote& note : notes) warnings.push_back("config key " + DescribeLoadNote(note));
}

// `startProblem` is what start-up said about the state file; what a loaded
// config held that the load could not take goes to `warnings`.
std::string LoadSettings(App& app, const Options& options, const std::string& startProblem,
                         std::vector<std::string>& warnings) {
  const platform::Platform& platform = app.platform;
  switch (options.source) {
    case SettingsSource::StateFile:
      // Left where it is: this run writes nothing, and the window tells the
      // same when it starts.
      if (startProblem.empty()) return {};
      return startProblem + " Nothing is written; --defaults uses the built-in settings and keeps the file aside.";
    case SettingsSource::BuiltInDefaults:
      LoadBuiltInDefaults(app.form, platform);
      return {};
    case SettingsSource::NamedConfig:
      if (!IsValidConfigName(options.sourceName)) return "'" + options.sourceName + "' is not a valid config name";
      app.form.SetText(ControlId::ConfigName, options.sourceName);
      if (const ConfigFile file = LoadNamedConfig(app.form, platform); file.status != ConfigStatus::Read) {
        const std::string path = NamedConfigPath(platform, options.sourceName);
        if (file.status == ConfigStatus::Refused) return Refused(file, path);
        return "no config named '" + options.sourceName + "' (" + path + ")" + ConfigNamesNote(app.form);
      } else {
        WarnOfNotes(file.notes, warnings);
      }
      return {};
    case SettingsSource::ConfigFile: {
      // Read once: a file that vanished between a check and the load would
      // silently bring in the defaults instead.
      const ConfigFile file = ReadConfig(platform, options.sourceName);
      if (file.status == ConfigStatus::Refused) return Refused(file, options.sourceName);
      if (file.status == ConfigStatus::Missing) return "cannot read the config file " + options.sourceName;
      WarnOfNotes(LoadConfigText(app.form, file.bytes), warnings);
      return {};
    }
  }
  return {};
}

// A list of inputs in UTF-16 after its byte-order mark (what Windows
// PowerShell 5.1 writes) as UTF-8, a piece at a time, so that no second
// copy of a long list is held in UTF-16.
std::string FromUtf16List(std::string_view bytes, bool littleEndian) {
  constexpr std::size_t kPiece = 1 << 16;
  std::string text;
  std::u16string piece;
  for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
    const auto byte = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    piece += static_cast<char16_t>(littleEndian ? byte(at) | byte(at + 1) << 8 : byte(at) << 8 | byte(at + 1));
    // A pair of surrogates stays in one piece.
    if (piece.size() >= kPiece && (piece.back() < 0xD800 || piece.back() > 0xDBFF)) {
      text += FromUtf16(piece);
      piece.clear();
    }
  }
  return text + FromUtf16(piece);
}

// `text`: the list's lines as UTF-8, from `bytes` or from `converted`. An
// error text, or "".
std::string ListText(const std::string& bytes, const std::string& name, std::string& converted,
                     std::string_view& text) {
  const bool little = bytes.compare(0, 2, "\xFF\xFE") == 0;
  if (little || bytes.compare(0, 2, "\xFE\xFF") == 0) {
    if (bytes.size() % 2 != 0) return "the list of inputs " + name + " ends within a UTF-16 character";
    converted = FromUtf16List(bytes, little);
    text = converted;
    return {};
  }
  text = bytes;
  SkipByteOrderMark(text);
  if (text.find('\0') != std::string_view::npos) {
    return "the list of inputs " + name +
           " holds a NUL character: UTF-16 without a byte-order mark? Write it as UTF-8, or as UTF-16 with one";
  }
  // Read in any other way, a name could reach the jobs with characters that it does not have.
  if (!IsUtf8(text)) return "the list of inputs " + name + " is not UTF-8 text";
  return {};
}

// The inputs of the command line, then those of --inputs-from.
std::string CollectInputs(const platform::Platform& platform, const Options& options,
                          std::vector<std::string>& inputs) {
  inputs = options.inputs;
  if (options.inputsFrom.empty()) return {};
  const std::string name = options.inputsFrom == "-" ? "on standard input" : options.inputsFrom;
  platform::FileContent list;
  if (!options.inputsText) {
    list = platform.files.ReadFile(options.inputsFrom, kInputListLimit);
    if (list.status == platform::ReadStatus::TooLarge) return "the list of inputs " + name + " " + kInputListTooLarge;
    if (list.status != platform::ReadStatus::Read) return "cannot read the list of inputs " + name;
  }
  std::string converted;
  std::string_view text;
  if (std::string error = ListText(options.inputsText ? *options.inputsText : list.bytes, name, converted, text);
      !error.empty()) {
    return error;
  }
  const std::size_t before = inputs.size();
  for (const std::string_view line : SplitLines(text)) {
    if (!Trim(line).empty()) inputs.emplace_back(line);
  }
  // A list that a failed command left empty must not replace a batch with an empty one.
  if (inputs.size() == before) return "the list of inputs " + name + " holds no inputs";
  return {};
}

// The folder that a path of `start` is taken from, as Windows takes it: the
// current drive's root, the current folder of the path's drive (which the
// command interpreter keeps in the variable "=Z:"; the drive's root when it
// has none), or the current folder.
std::string StartFolder(const platform::Platform& platform, const std::string& path, PathStart start) {
  const std::string& current = platform.workingFolder;
  switch (start) {
    case PathStart::Itself:
      return {};
    case PathStart::DriveRoot:
      return std::string(RootPart(current));
    case PathStart::DriveFolder: {
      std::string drive = path.substr(0, 2);
      drive[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0])));
      if (FoldCase(RootPart(current)) == FoldCase(drive)) return current;
      const std::string folder = platform.processes.Environment("=" + drive);
      return WithTrailingSeparator(folder.empty() ? drive : folder);
    }
    case PathStart::CurrentFolder:
      break;
  }
  return current;
}

// The input as the jobs take it: absolute, so that the output lands beside
// it and no argument starts with "-".
std::string Absolute(const platform::Platform& platform, const std::string& given) {
  const PathStart start = StartOf(given);
  return StartFolder(platform, given, start) + (start == PathStart::DriveFolder ? given.substr(2) : given);
}

// The inputs as the jobs take them (Absolute), with the files that a
// pattern matches in its place (the command interpreter leaves "*" and "?"
// to the program) and a folder's video files in its place. An error text
// when an input names no file that a job could take.
std::string ResolveInputs(const platform::Platform& platform, const Options& options,
                          const std::vector<std::string>& given, std::vector<std::string>& inputs,
                          std::vector<std::string>& notes) {
  std::vector<std::string> resolved;
  resolved.reserve(given.size());
  for (const std::string& name : given) {
    std::string input = Absolute(platform, name);
    // A POSIX shell has expanded them already, and there they may be part of
    // a name (a host path has no drive).
    std::string_view folder = FolderPart(input);
    if (folder.substr(0, 4) == "\\\\?\\") folder.remove_prefix(4);
    if (!RootPart(input).empty() && folder.find_first_of("*?") != std::string_view::npos) {
      return "input '" + name + "': \"*\" and \"?\" are taken in the file name only";
    }
    if (!RootPart(input).empty() && HoldsWildcard(input)) {
      std::optional<std::vector<std::string>> files = MatchingFiles(platform, input);
      if (!files) return "input '" + name + "': cannot list the folder " + std::string(FolderPart(input));
      if (files->empty()) return "input '" + name + "' matches no file";
      resolved.insert(resolved.end(), files->begin(), files->end());
      continue;
    }
    if (!platform.files.FolderExists(input)) {
      const std::string_view file = FilePart(input);
      if (file.empty()) return "input '" + name + "' names no file";
      if (file.back() == ' ' || file.back() == '.') return "input '" + name + "' ends in a blank or a dot";
    }
    resolved.push_back(std::move(input));
  }
  FolderInputs expanded = ExpandFolders(platform, resolved, options.recursive);
  if (!expanded.unlisted.empty()) return "cannot list the folder " + expanded.unlisted.front();
  if (!resolved.empty() && expanded.inputs.empty()) return "the folders given hold no video file";
  notes = FolderSummary(expanded);
  inputs = std::move(expanded.inputs);
  return {};
}

// The first problem of the queue as one line.
std::string QueueProblem(const QueuedInputs& queued, const std::string& avsinc) {
  if (!queued.refused.empty()) {
    const RefusedInput& refused = queued.refused.front();
    const UnusablePath& unusable = refused.unusable;
    if (std::string_view(unusable.reason) == kFolderReason) return "input '" + refused.input + "' " + kFolderReason;
    if (std::string_view(unusable.reason) == kNoIncludeScriptReason) {
      return "input '" + refused.input + "' is not an AviSynth script, and there is no include script to open it: "
             "put one (.avs) into " + avsinc;
    }
    return unusable.name + std::string(" '") + unusable.text + "' " + unusable.reason;
  }
  if (!queued.failedWrappers.empty()) return "cannot write the wrapper script " + queued.failedWrappers.front();
  if (!queued.jobRefusals.empty()) return queued.jobRefusals.front();
  if (!queued.gaveNoJob.empty()) return "input '" + queued.gaveNoJob.front() + "' gives no job";
  return {};
}

// The jobs of --per-job, collected while they are added.
struct PerJob {
  ScriptDialect dialect;
  std::vector<std::string> folders;  // the search path's front
  std::vector<JobSetEntry> jobs;
};

ScriptDialect ChosenDialect(const Options& options) {
  if (!options.script.empty()) return *DialectNamed(options.script);
#ifdef _WIN32
  return ScriptDialect::Cmd;
#else
  return ScriptDialect::Sh;
#endif
}

std::string AddScript(const App& app, PerJob& perJob, const std::string& source, X264Syntax syntax) {
  const Form& form = app.form;
  // No name in it: a comment is no place for one that the interpreter reads.
  const std::string title = "quorvelan job " + std::to_string(perJob.jobs.size() + 1) + " (jobs.tsv lists them)";
  JobScript script = MakeJobScript(form, syntax, perJob.dialect, perJob.folders, title,
                                   MissingJobFolders(form, app.platform));
  if (!script.refusal.empty()) return "input '" + source + "': " + script.refusal;
  perJob.jobs.push_back({source, std::move(script.finalOutput), form.Text(ControlId::Mode), script.passes,
                         std::move(script.text)});
  return {};
}

std::string AddJobs(App& app, const Options& options, std::vector<std::string>& warnings,
                    std::vector<std::string>& notes, PerJob* perJob, std::vector<PendingWrapper>& wrappers) {
  std::vector<std::string> given;
  if (std::string error = CollectInputs(app.platform, options, given); !error.empty()) return error;
  std::vector<std::string> inputs, folderNotes;
  if (std::string error = ResolveInputs(app.platform, options, given, inputs, folderNotes); !error.empty()) {
    return error;
  }
  const std::string outputFolder = options.outputFolder ? WithTrailingSeparator(*options.outputFolder) : "";
  const X264Syntax syntax = JobSyntax(app);
  QueueHow how{OnProblem::Stop, Wrapping::NonAviSynth, nullptr, true};
  if (perJob != nullptr) {
    if (perJob->dialect == ScriptDialect::Sh) how.wrapping = Wrapping::None;
    how.eachJob = [&app, perJob, syntax](const std::string& input) { return AddScript(app, *perJob, input, syntax); };
  }
  QueuedInputs queued = QueueInputs(app.form, app.platform, inputs, outputFolder, syntax, how);
  const std::string avsinc = app.platform.programFolder + "avsinc";
  if (std::string problem = QueueProblem(queued, avsinc); !problem.empty()) return problem;
  for (const std::string& input : queued.missing) warnings.push_back("input '" + input + "' does not exist (yet)");
  wrappers = std::move(queued.pendingWrappers);
  notes = std::move(folderNotes);
  return {};
}

MakeOutcome WriteOrStart(const Form& form, const platform::Platform& platform, const Options& options) {
  switch (options.target) {
    case BatchTarget::StandardOutput: {
      std::optional<std::string> bytes = BatchFileBytes(form, platform);
      if (!bytes) return Error("cannot write the batch: a line holds what no code page carries");
      return {0, {}, std::move(*bytes), {}, {}};
    }
    case BatchTarget::File: {
      const BatchResult written = WriteBatchFile(form, platform, options.batchFile);
      if (written.outcome != BatchOutcome::Written) return Error("cannot write the batch file " + written.path);
      return {};
    }
    case BatchTarget::Start: {
      const BatchResult started = StartBatch(form, platform, false);
      if (started.outcome == BatchOutcome::Failed) return Error("cannot write the batch file " + started.path);
      // The batch is there from here on, and its wrappers stay with it.
      MakeOutcome outcome;
      if (started.outcome != BatchOutcome::Started) {
        outcome = Error("cannot start the batch " + started.path);
      } else if (!started.stateSaved) {
        outcome = Error("started " + started.path + ", but cannot write the state file " + StateFilePath(platform));
      }
      outcome.batchWritten = true;
      return outcome;
    }
    case BatchTarget::PerJob:
    case BatchTarget::None:
      break;
  }
  return Error("no batch target given");
}

// Every script, then the manifest, README and submit files; the folder is
// created when missing.
MakeOutcome WritePerJob(const Form& form, const platform::Platform& platform, const Options& options,
                        const PerJob& perJob) {
  std::string folder = options.batchFile;
  if (!platform.files.FolderExists(folder) && !platform.files.CreateFolder(folder)) {
    return Error("cannot create the folder " + folder);
  }
  folder = WithTrailingSeparator(folder);
  const Scheduler scheduler = options.scheduler == "slurm"      ? Scheduler::Slurm
                              : options.scheduler == "htcondor" ? Scheduler::HTCondor
                                                                : Scheduler::None;
  const int count = static_cast<int>(perJob.jobs.size());
  for (int i = 0; i < count; ++i) {
    const std::string path = folder + JobScriptName(i + 1, count, perJob.dialect);
    const std::optional<std::string> bytes =
        JobScriptBytes(perJob.jobs[static_cast<std::size_t>(i)].script, perJob.dialect, platform.codePages);
    if (!bytes) return Error("cannot write " + path + ": a line holds what no code page carries");
    if (!platform.files.WriteFile(path, *bytes)) return Error("cannot write " + path);
  }
  const int threads = LeadingInteger(BatchNumber(form, ControlId::Threads));
  for (const JobSetFile& file : JobSetFiles(perJob.jobs, perJob.dialect, scheduler, threads)) {
    if (!platform.files.WriteFile(folder + file.name, file.text)) return Error("cannot write " + folder + file.name);
  }
  return {};
}

}  // namespace

MakeOutcome MakeBatch(const Options& options, const platform::Platform& platform) {
  Form form = InitialForm();
  App app{form, platform};
  app.keepsJobList = false;
  const bool fromStateFile = options.source == SettingsSource::StateFile;
  std::string startProblem = StartUp(app, fromStateFile ? RefusedState::Leave : RefusedState::KeepAside);
  std::vector<std::string> warnings, notes;
  if (std::string error = LoadSettings(app, options, startProblem, warnings); !error.empty()) return Error(error);
  if (!startProblem.empty()) {
    std::replace(startProblem.begin(), startProblem.end(), '\n', ' ');
    warnings.push_back(std::move(startProblem));
  }
  RunPendingEvents(app);

  // The mode first: a rate given beside it is meant in the mode's unit,
  // whichever --set comes first.
  std::vector<Assignment> assignments = options.assignments;
  std::stable_partition(assignments.begin(), assignments.end(),
                        [](const Assignment& assignment) { return assignment.key == SettingOf(ControlId::Mode).key; });
  for (const Assignment& assignment : assignments) {
    const std::optional<SettingSpec> setting = FindSetting(assignment.key);
    if (!setting) return Error("unknown config key '" + assignment.key + "' in --set");
    if (std::string error = SetAsUser(form, *setting, assignment.value); !error.empty()) return Error(error);
    RunPendingEvents(app);
  }
  if (const std::optional<RateOutside> rate = FindRateOutsideRange(form)) {
    return Error("value " + rate->text + " lies outside the range " + rate->range + " of the mode " +
                 form.Text(ControlId::Mode));
  }
  if (options.noChromaMe && form.Number(ControlId::ChromaMe) != 0) {
    form.UserClick(ControlId::ChromaMe);
    RunPendingEvents(app);
  }

  std::optional<PerJob> perJob;
  if (options.target == BatchTarget::PerJob) {
    perJob = PerJob{ChosenDialect(options), {}, {}};
    if (options.scheduler == "slurm" && perJob->dialect != ScriptDialect::Sh) {
      return Error("Slurm runs the sh scripts: give --script sh");
    }
    if (std::string error = ScriptSearchFolders(platform, perJob->folders, warnings); !error.empty()) return Error(error);
  }
  std::vector<PendingWrapper> wrappers;
  if (std::string error = AddJobs(app, options, warnings, notes, perJob ? &*perJob : nullptr, wrappers);
      !error.empty()) {
    return Error(error);
  }
  RunPendingEvents(app);
  if (options.shutdown) AppendShutdown(form);
  // A run that is refused leaves nothing behind: the wrappers, all of them
  // new files, go again when the batch cannot be made.
  if (std::string failed = WritePendingWrappers(platform, wrappers); !failed.empty()) {
    return Error("cannot write the wrapper script " + failed);
  }
  MakeOutcome outcome = perJob ? WritePerJob(form, platform, options, *perJob) : WriteOrStart(form, platform, options);
  if (outcome.exitStatus != 0 && !outcome.batchWritten) {
    for (const PendingWrapper& wrapper : wrappers) platform.files.DeleteFile(wrapper.path);
  }
  outcome.warnings = std::move(warnings);
  outcome.notes = std::move(notes);
  if (app.x264) outcome.notes.push_back(DescribeX264(*app.x264));
  return outcome;
}

}  // namespace qv::cli

// Runs every case folder under tests/data/cases on the fake platform. A case
// holds `actions.txt` (what a user or a script does), `in/` (files placed
// before it starts: in/C/Q/x.ini is C:\Q\x.ini), `out/` (every file the
// actions create or change, byte for byte; out/stdout for "--bat -") and
// `expected.txt` (the transcript: what the actions show and every dialog,
// process, clipboard and library call). QV_UPDATE_GOLDEN=1 rewrites the
// expected files from what the program does.
//
// Actions, one per line ("#" starts a comment; ID is a control name as in
// the control table; TEXT runs to the end of the line):
//   folder PATH | file PATH NAME (NAME from in/) | bigfile PATH BYTES | readonly PATH | unwritable FOLDER
//   unreadable PATH | program-folder PATH (ending in a separator; before start; a POSIX one is the working folder too) | process-fails | env NAME VALUE
//   program PATH|OUTPUT (a program that prints OUTPUT) | program PATH (one that cannot run)
//   library NAME EXPORT RESULT | start | close (closes or stays open) | restart (a new start on the same
//   files with nothing saved, as after a crash) | drop A|B...
//   type ID TEXT | keys ID TEXT (typed as the window takes it) | click ID | select ID N | slide ID N | leave ID | undo ID (Ctrl+Z)
//   answer-path TEXT | answer-filter N (the save dialog's filter entry) | answer-paths A|B... | answer-yes
//   | answer-no | answer-edit TEXT
//   show ID... | show-form | show-jobs | show-folders | show-file PATH | cli ARGS ("..." or {{...}} holds one argument)
//   append PATH|TEXT (TEXT and a line end added to the file) | queue poll|stop|after|pause|resume|end (its
//   processes are gone, then poll; a queue that ended by itself carries out the when-done choice) at MS (the
//   clock's time): shows the queue view, the status bar and the title
//   | taskbar (the state and percentage that the taskbar button shows)

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "batch_maker.h"
#include "options.h"
#include "platform/fake/fake_platform.h"
#include "settings/config_io.h"
#include "settings/number_fields.h"
#include "ui/dispatch.h"
#include "ui/lifecycle.h"
#include "ui/queue_taskbar.h"
#include "ui/reported_operations.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

fs::path CasesFolder() { return fs::u8path(QV_TEST_DATA_DIR) / "cases"; }

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// "C:\Q\x.ini" <-> "C/Q/x.ini" below in/ and out/.
fs::path CasePath(const std::string& windowsPath) {
  std::string relative;
  for (char c : windowsPath) {
    if (c != ':') relative += c == '\\' ? '/' : c;
  }
  // A POSIX path from the root stays inside the case folder.
  relative.erase(0, relative.find_first_not_of('/'));
  return fs::u8path(relative);
}

std::optional<ControlId> FindControl(const std::string& name) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (ControlName(AllControls()[i].id) == name) return AllControls()[i].id;
  }
  return std::nullopt;
}

// One line per control; the fixed items of a list only with `allItems`.
std::string DumpControl(const Form& form, ControlId id, bool allItems) {
  const ControlSpec& row = ControlRow(id);
  std::string line = std::string(ControlName(id)) + " = \"" + form.Text(id) + "\"";
  if (row.kind == ControlKind::CheckBox || row.kind == ControlKind::TrackBar || HasSelection(row.kind)) {
    line += " " + std::to_string(form.Number(id));
  }
  if (!form.Enabled(id)) line += " disabled";
  if (!form.Visible(id)) line += " hidden";
  if (id != ControlId::JobList && form.ItemCount(id) > 0 && (allItems || row.items.count == 0)) {
    line += " [";
    for (const std::string& item : form.Items(id)) line += item + "|";
    line.back() = ']';
  }
  return line;
}

// Blanks separate arguments; "..." or {{...}} holds one (the latter may hold
// double quotes).
std::vector<std::string> SplitArguments(std::string_view text) {
  std::vector<std::string> args;
  std::string current;
  bool any = false;
  while (!text.empty()) {
    if (text.substr(0, 2) == "{{" && text.find("}}") != std::string_view::npos) {
      current += text.substr(2, text.find("}}") - 2);
      text.remove_prefix(text.find("}}") + 2);
      any = true;
    } else if (text.front() == '"' && text.find('"', 1) != std::string_view::npos) {
      current += text.substr(1, text.find('"', 1) - 1);
      text.remove_prefix(text.find('"', 1) + 1);
      any = true;
    } else if (text.front() == ' ') {
      if (any) args.push_back(current);
      current.clear();
      any = false;
      text.remove_prefix(1);
    } else {
      current += text.front();
      text.remove_prefix(1);
      any = true;
    }
  }
  if (any) args.push_back(current);
  return args;
}

class Scenario {
 public:
  explicit Scenario(fs::path folder) : folder_(std::move(folder)) {}

  void Run() {
    std::istringstream actions(ReadBytes(folder_ / "actions.txt"));
    int number = 0;
    for (std::string line; std::getline(actions, line);) {
      ++number;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty() || line[0] == '#') continue;
      transcript_ += "> " + line + "\n";
      const std::size_t blank = line.find(' ');
      const std::string verb = line.substr(0, blank);
      const std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
      if (!Act(verb, rest)) ADD_FAILURE() << folder_.filename() << " line " << number << ": cannot " << line;
      RunPendingEvents(*app_);
      LogCalls();
    }
  }

  void Check() {
    const bool update = std::getenv("QV_UPDATE_GOLDEN") != nullptr;
    std::map<fs::path, std::string> written = WrittenFiles();
    if (update) {
      fs::remove_all(folder_ / "out");
      for (const auto& [path, bytes] : written) WriteBytes(folder_ / "out" / path, bytes);
      WriteBytes(folder_ / "expected.txt", transcript_);
      return;
    }
    EXPECT_EQ(ReadBytes(folder_ / "expected.txt"), transcript_) << "transcript of " << folder_.filename();
    std::map<fs::path, std::string> expected;
    if (fs::exists(folder_ / "out")) {
      for (const auto& entry : fs::recursive_directory_iterator(folder_ / "out")) {
        if (entry.is_regular_file()) expected[fs::relative(entry.path(), folder_ / "out")] = ReadBytes(entry.path());
      }
    }
    for (const auto& [path, bytes] : expected) {
      const auto found = written.find(path);
      if (found == written.end()) {
        ADD_FAILURE() << folder_.filename() << ": not written: " << path;
      } else {
        EXPECT_EQ(bytes, found->second) << folder_.filename() << ": " << path;
      }
    }
    for (const auto& [path, bytes] : written) {
      if (!expected.count(path)) ADD_FAILURE() << folder_.filename() << ": written but not expected: " << path;
    }
  }

 private:
  bool ActOnQueue(const std::string& action, std::int64_t now) {
    if (!app_->run) return false;
    fake_.processes.now = now;
    QueueRun& run = *app_->run;
    if (action == "stop") run.StopNow();
    if (action == "after") run.StopAfterCurrent();
    if (action == "pause" || action == "resume") run.Pause(action == "pause");
    if (action == "end") fake_.processes.running.clear();
    if (action == "end" || action == "poll") run.Poll();
    if (action == "end" && !run.Stopped() && CarryOutWhenDone(fake_.platform, app_->form.Number(ControlId::WhenDone))) Note("when done: carried out");
    const QueueWatch& watch = run.Watch();
    for (std::size_t job = 0; job < watch.Jobs().size(); ++job) {
      std::string row;
      for (const QueueColumn& column : QueueColumns()) row += (row.empty() ? "| " : " | ") + column.text(watch, job, now);
      Note(row);
    }
    return Note(watch.Summary() + " / " + QueueTitle(&watch, !run.Ended())), true;
  }

  bool Act(const std::string& verb, const std::string& rest) {
    std::istringstream words(rest);
    std::string first, second, third;
    words >> first >> second >> third;
    const std::string text = rest.substr(std::min(rest.size(), first.size() + 1));
    const std::optional<ControlId> id = FindControl(first);
    if (verb == "folder") {
      for (std::size_t end = rest.find('\\'); end != std::string::npos; end = rest.find('\\', end + 1)) {
        fake_.files.CreateFolder(rest.substr(0, end));
      }
      return fake_.files.CreateFolder(rest);
    }
    if (verb == "file") return PlaceFile(first, second);
    if (verb == "program-folder") {
      fake_.platform.programFolder = rest;
      // A program on a POSIX system runs in a folder of that system as well.
      if (!rest.empty() && rest.front() == '/') fake_.platform.workingFolder = rest;
      return true;
    }
    if (verb == "bigfile") return Place(first, std::string(std::stoul(second), 'x')), true;
    if (verb == "readonly") return fake_.files.MakeReadOnly(rest), true;
    if (verb == "unwritable") return fake_.files.MakeFolderUnwritable(rest), true;
    if (verb == "process-fails") return fake_.processes.startFails = true, true;
    if (verb == "program") {
      const std::vector<std::string> parts = SplitAt(rest, '|');
      Place(parts.at(0), "");
      if (parts.size() > 1) {
        fake_.processes.outputs[parts[0]] = parts[1] + "\n";
      } else {
        fake_.processes.outputs.erase(parts[0]);
      }
      return true;
    }
    if (verb == "env") return fake_.processes.environment[first] = text, true;
    if (verb == "library") {
      fake_.libraries.present.insert(first);
      fake_.libraries.results[second] = std::stoi(third);
      return true;
    }
    if (verb == "unreadable") return fake_.files.MakeUnreadable(rest), true;
    if (verb == "restart") {
      form_ = InitialForm();
      app_.emplace(App{form_, fake_.platform});
    }
    if (verb == "start" || verb == "restart") {
      const std::string problem = StartUp(*app_);
      if (!problem.empty()) Note("start-up: " + problem);
      return true;
    }
    if (verb == "close") return Note(MayClose(*app_) ? "closes" : "stays open"), true;
    if (verb == "drop") return DropFilesReporting(*app_, SplitAt(rest, '|')), true;
    if (verb == "show-file") {
      const platform::FileContent file = fake_.files.ReadFile(rest, std::string::npos);
      if (file.status != platform::ReadStatus::Read) return Note("no file"), true;
      for (std::string line : SplitAt(file.bytes, '\n')) Note("| " + line.substr(0, line.find('\r')));
      return true;
    }
    if (verb == "answer-path") return fake_.dialogs.paths.push_back(rest), true;
    if (verb == "answer-filter") return fake_.dialogs.filters.push_back(std::stoi(rest)), true;
    if (verb == "answer-paths") return fake_.dialogs.pathLists.push_back(SplitAt(rest, '|')), true;
    if (verb == "answer-yes" || verb == "answer-no") return fake_.dialogs.answers.push_back(verb == "answer-yes"), true;
    if (verb == "answer-edit") return fake_.dialogs.edits.push_back(rest), true;
    if (verb == "show-form") {
      for (std::size_t i = 0; i < kControlCount; ++i) Note(DumpControl(form_, AllControls()[i].id, true));
      return true;
    }
    if (verb == "show-folders") {
      for (const std::string& folder : fake_.files.Folders()) Note(folder);
      return true;
    }
    if (verb == "show-jobs") {
      for (const std::string& line : form_.Items(ControlId::JobList)) Note(line);
      return Note("(" + std::to_string(form_.ItemCount(ControlId::JobList)) + " lines, selected " +
                  std::to_string(form_.Selection(ControlId::JobList)) + ")"),
             true;
    }
    if (verb == "show") {
      std::istringstream names(rest);
      for (std::string name; names >> name;) {
        const std::optional<ControlId> shown = FindControl(name);
        if (!shown) return false;
        Note(DumpControl(form_, *shown, false));
      }
      return true;
    }
    if (verb == "cli") return RunCli(rest), true;
    if (verb == "append") {
      const std::vector<std::string> parts = SplitAt(rest, '|');
      return fake_.files.WriteFile(parts.at(0), fake_.files.ReadFile(parts[0], std::string::npos).bytes + parts.at(1) + "\n");
    }
    if (verb == "taskbar" && app_->run) {
      const TaskbarProgress shown = QueueTaskbar(*app_->run);
      const char* const states[] = {"none", "running", "paused", "failed"};
      return Note(std::string(states[static_cast<int>(shown.state)]) + " " +
                  std::to_string(static_cast<int>(shown.fraction * 100)) + "%"), true;
    }
    if (verb == "queue") return ActOnQueue(first, second == "at" ? std::stoll(third) : fake_.processes.now);
    if (!id) return false;
    if (verb == "type") return form_.UserType(*id, text), true;
    if (verb == "keys") {
      // As the window's field takes typed text; "type" sets the model's text as it is.
      if (const std::optional<std::string> refusal = TypingRefusal(*id, text)) return Note("refused: " + *refusal), true;
      return form_.UserType(*id, text), true;
    }
    if (verb == "click") return form_.UserClick(*id), true;
    if (verb == "select") return form_.UserSelect(*id, std::stoi(second)), true;
    if (verb == "slide") return form_.UserSlide(*id, std::stoi(second)), true;
    if (verb == "leave") return form_.UserLeave(*id), true;
    if (verb == "undo") return form_.UserUndo(*id), true;
    return false;
  }

  static std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
  }

  bool PlaceFile(const std::string& path, const std::string& name) {
    const fs::path source = folder_ / "in" / fs::u8path(name);
    if (!fs::exists(source)) return false;
    Place(path, ReadBytes(source));
    return true;
  }

  void Place(const std::string& path, std::string bytes) {
    fake_.files.AddFile(path, bytes);
    placed_[path] = std::move(bytes);
  }

  void RunCli(const std::string& arguments) {
    const cli::ParseResult parsed = cli::ParseArguments(SplitArguments(arguments));
    if (!parsed.error.empty() || parsed.options.help) {
      Note(parsed.options.help ? "help" : "refused: " + parsed.error);
      return;
    }
    const cli::MakeOutcome outcome = cli::MakeBatch(parsed.options, fake_.platform);
    for (const std::string& warning : outcome.warnings) Note("warning: " + warning);
    for (const std::string& note : outcome.notes) Note("note: " + note);
    Note("exit " + std::to_string(outcome.exitStatus) + (outcome.error.empty() ? "" : ": " + outcome.error));
    if (parsed.options.target == cli::BatchTarget::StandardOutput) stdout_ += outcome.standardOutput;
  }

  void Note(const std::string& line) { transcript_ += "  " + line + "\n"; }

  // Every call the fakes recorded since the last action.
  void LogCalls() {
    auto& dialogs = fake_.dialogs.calls;
    for (std::size_t i = dialogsSeen_; i < dialogs.size(); ++i) {
      const auto& call = dialogs[i];
      Note("dialog " + call.kind + " \"" + call.title + "\" \"" + call.defaultName + "\" \"" + call.filter + "\"");
    }
    dialogsSeen_ = dialogs.size();
    auto& processes = fake_.processes.log;
    for (std::size_t i = processesSeen_; i < processes.size(); ++i) Note("process " + processes[i]);
    processesSeen_ = processes.size();
    auto& clipboard = fake_.clipboard.texts;
    for (std::size_t i = clipboardSeen_; i < clipboard.size(); ++i) Note("clipboard \"" + clipboard[i] + "\"");
    clipboardSeen_ = clipboard.size();
    auto& calls = fake_.libraries.calls;
    for (std::size_t i = librarySeen_; i < calls.size(); ++i) {
      Note("library call " + std::to_string(calls[i].first) + " " + std::to_string(calls[i].second));
    }
    librarySeen_ = calls.size();
  }

  // Files created or changed since they were placed; placed files that are
  // gone show in the transcript.
  std::map<fs::path, std::string> WrittenFiles() {
    std::map<fs::path, std::string> written;
    for (const std::string& path : fake_.files.Files()) {
      const std::string bytes = fake_.files.ReadFile(path, std::string::npos).bytes;
      const auto placed = placed_.find(path);
      if (placed == placed_.end() || placed->second != bytes) written[CasePath(path)] = bytes;
    }
    for (const auto& [path, bytes] : placed_) {
      if (!fake_.files.FileExists(path)) transcript_ += "gone " + path + "\n";
    }
    if (!stdout_.empty()) written["stdout"] = stdout_;
    return written;
  }

  fs::path folder_;
  platform::FakePlatform fake_;
  Form form_ = InitialForm();
  std::optional<App> app_{App{form_, fake_.platform}};
  std::map<std::string, std::string> placed_;
  std::string transcript_, stdout_;
  std::size_t dialogsSeen_ = 0, processesSeen_ = 0, clipboardSeen_ = 0, librarySeen_ = 0;
};

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(CasesFolder())) {
    if (fs::exists(entry.path() / "actions.txt")) names.push_back(entry.path().filename().u8string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class Case : public testing::TestWithParam<std::string> {};

TEST_P(Case, GivesTheExpectedFilesAndTranscript) {
  Scenario scenario(CasesFolder() / fs::u8path(GetParam()));
  scenario.Run();
  scenario.Check();
}

INSTANTIATE_TEST_SUITE_P(Data, Case, testing::ValuesIn(CaseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace qv

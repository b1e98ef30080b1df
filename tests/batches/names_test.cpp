// Names in every script, as tests/data/batches/names.tsv lists them: the
// command-line batch maker makes each group's batch from a list of inputs;
// the batches in the OEM code page run in the command interpreter with the
// stand-ins, which log the arguments the system hands them, and the UTF-8
// batches are compared byte for byte with their golden files. Beside every
// source lie decoys whose names a "?" wildcard would match.

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tools/support/data_table.h"
#include "tools/support/run_command.h"

namespace qv::testing {
namespace {

using Files = std::map<std::string, std::string>;  // UTF-8 path -> bytes

enum GroupColumn { kGroupName = 1, kSettings, kKind, kDirective, kSteps, kLeft };
enum SourceColumn { kGroup = 1, kFolder, kFile, kJob, kOutput };

const char* const kDecoys[] = {"wxyz.mp4", "cd.mp4", "wxyz.mkv", "wxyz.audio.aac", "wxyz.avs"};

// Every path of this test is absolute; in the long form the standard
// library reaches it at any length.
fs::path Path(const std::string& utf8) { return fs::u8path("\\\\?\\" + utf8); }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Every file below `folder` (ending in a backslash), by the system's own
// listing, which goes to any depth.
void Snapshot(const std::string& folder, Files& files) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(Path(folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = fs::path(found.cFileName).u8string();
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      Snapshot(folder + name + "\\", files);
    } else {
      files[folder + name] = ReadBytes(Path(folder + name)).value_or("");
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

Files Snapshot(const std::string& root) {
  Files files;
  Snapshot(root, files);
  return files;
}

// The paths of one source's job, as its steps must receive them.
struct Job {
  std::string in, out, stats, log, aac, mkv;
  std::set<std::string> Arguments(bool audio) const {
    std::set<std::string> arguments{in, out, stats};
    if (audio) arguments.insert({"import(^" + in + "^)", aac, mkv});
    return arguments;
  }
  std::map<std::string, std::string> Kinds() const {
    return {{"out", out}, {"mkv", mkv}, {"aac", aac}, {"stats", stats}, {"log", log}};
  }
};

class Place {
 public:
  Place() {
    fs::create_directories(Path(program + "avsinc"));
    WriteBytes(Path(program + "avsinc\\DirectShow.avs"), "DirectShowSource(fs, utf8=true)\r\n");
    fs::copy_file(QV_CLI, Path(program + "quorvelan-cli.exe"));
    for (const std::string tool : {"teelog.exe", "mensura.exe", "snooze.exe", "envprep.exe"}) {
      fs::copy_file(QV_TOOL_FOLDER "/" + tool, Path(program + tool));
    }
    for (const std::string name : {"x264", "bepipe", "enc_aacplus", "mkvmerge"}) {
      fs::copy_file(QV_STANDIN, Path(program + name + ".exe"));
    }
  }

  std::string Folder(const Row& source) const {
    std::string folder = source[kFolder];
    if (folder == "{deep}") {
      folder.clear();
      for (int i = 1; i <= 6; ++i) folder += "a folder six deep, each forty-eight characters " + std::to_string(i) + "\\";
      folder.pop_back();
    }
    return root.path() + folder + "\\";
  }

  Job JobOf(const Row& source) const {
    const std::string folder = Folder(source), job = source[kJob];
    const bool wrapped = job.substr(job.size() - 4) != ".avs";
    const std::string stem = folder + source[kOutput];
    return {wrapped ? program + "avs\\" + job + ".avs" : folder + source[kFile],
            stem + ".mp4",
            program + "stats\\" + job + ".stat",
            program + "log\\" + job + ".txt",
            stem + ".audio.aac",
            stem + ".mkv"};
  }

  // The group's sources with their decoys, and its batch from the list of them.
  void Make(const Row& group, const std::vector<Row>& sources) const {
    std::string list;
    for (const Row& source : sources) {
      fs::create_directories(Path(Folder(source)));
      const std::string directive = group[kDirective] == "-" ? "" : "#standin " + group[kDirective] + "\r\n";
      WriteBytes(Path(Folder(source) + source[kFile]), "# a source\r\n" + directive);
      for (const char* decoy : kDecoys) WriteBytes(Path(Folder(source) + decoy), std::string("decoy ") + decoy);
      list += Folder(source) + source[kFile] + "\r\n";
    }
    WriteBytes(Path(root.path() + group[kGroupName] + ".txt"), list);
    std::string command = Quoted(program + "quorvelan-cli.exe") + " --defaults";
    for (const std::string& setting : Split(group[kSettings], ' ')) command += " --set " + setting;
    command += " --inputs-from " + Quoted(root.path() + group[kGroupName] + ".txt");
    command += " --bat " + Quoted(root.path() + group[kGroupName] + ".bat") + " 2>&1";
    const CommandRun made = RunCommand(command, program);
    EXPECT_EQ(made.exitCode, 0) << command << "\n" << made.output;
  }

  ScratchFolder root{"names"};
  std::string program = root.path() + "prog\\";
};

// The steps.log lines whose path arguments belong to `job`.
std::vector<Row> StepsOf(const std::string& log, const std::set<std::string>& arguments) {
  std::vector<Row> steps;
  for (const std::string& line : Split(log, '\n')) {
    const Row fields = Split(line, '\t');
    for (std::size_t i = 3; i < fields.size(); ++i) {
      if (arguments.count(fields[i])) {
        steps.push_back(fields);
        break;
      }
    }
  }
  return steps;
}

TEST(Names, ReachEveryStepWholeAndTouchNoOtherFile) {
  ASSERT_EQ(GetOEMCP(), 866u) << "the names test needs a Russian locale (LANG=ru_RU.UTF-8; scripts/test.sh has one)";
  const Place place;
  std::vector<Row> groups;
  std::map<std::string, std::vector<Row>> sources;
  for (const Row& row : ReadTable("batches/names.tsv")) {
    if (row[0] == "group") groups.push_back(row);
    if (row[0] == "source") sources[row[kGroup]].push_back(row);
  }
  ASSERT_EQ(groups.size(), 3u);
  for (const Row& group : groups) place.Make(group, sources[group[kGroupName]]);
  const Files before = Snapshot(place.root.path());

  for (const Row& group : groups) {
    SCOPED_TRACE(group[kGroupName]);
    const std::string batch = ReadBytes(Path(place.root.path() + group[kGroupName] + ".bat")).value_or("");
    EXPECT_EQ(batch.find('?'), std::string::npos) << "no name holds a '?'";
    if (group[kKind] == "run") {
      EXPECT_EQ(batch.find("chcp"), std::string::npos);
      RunCommand(Quoted(place.root.path() + group[kGroupName] + ".bat"), place.program);
      continue;
    }
    const std::string golden = QV_TEST_DATA "/batches/names/" + group[kGroupName] + ".bat";
    if (std::getenv("QV_UPDATE_GOLDEN")) WriteBytes(golden, Replaced(batch, place.root.path(), "{root}"));
    EXPECT_EQ(Replaced(ReadBytes(golden).value_or(""), "{root}", place.root.path()), batch);
  }

  const Files after = Snapshot(place.root.path());
  const std::string log = ReadBytes(Path(place.program + "steps.log")).value_or("");
  std::set<std::string> ownFiles{place.program + "steps.log"};
  for (const Row& group : groups) {
    if (group[kKind] != "run") continue;
    for (const Row& source : sources[group[kGroupName]]) {
      SCOPED_TRACE(source[kFolder] + "\\" + source[kFile]);
      const Job job = place.JobOf(source);
      const std::vector<std::string> expected = Split(group[kSteps], ' ');
      const std::set<std::string> arguments = job.Arguments(group[kSteps].find("bepipe") != std::string::npos);
      std::vector<std::string> ran;
      std::set<std::string> received;
      for (const Row& step : StepsOf(log, arguments)) {
        ran.push_back(step[0] + "=" + step[2]);
        for (std::size_t i = 3; i < step.size(); ++i) {
          if (step[i].find('\\') != std::string::npos) received.insert(step[i]);
        }
      }
      std::vector<std::string> succeeded;
      for (const std::string& name : expected) succeeded.push_back(name + "=0");
      EXPECT_EQ(ran, succeeded);
      EXPECT_EQ(received, arguments) << "every path argument, exactly";
      for (const auto& [kind, path] : job.Kinds()) {
        const bool left = (" " + group[kLeft] + " ").find(" " + kind + " ") != std::string::npos;
        EXPECT_EQ(fs::exists(Path(path)), left) << kind << " " << path;
        ownFiles.insert(path);
      }
    }
  }
  for (const auto& [path, bytes] : before) {
    const auto found = after.find(path);
    EXPECT_TRUE(found != after.end() && found->second == bytes) << "touched: " << path;
  }
  for (const auto& [path, bytes] : after) {
    EXPECT_TRUE(before.count(path) || ownFiles.count(path)) << "a file of no job: " << path;
  }
}

}  // namespace
}  // namespace qv::testing

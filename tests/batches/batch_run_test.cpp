// Batches made by quorvelan-cli and run for real by the command interpreter,
// with the real helper tools and the stand-in for the encoders and muxers,
// job by job as tests/data/batches/jobs.tsv describes them. Every --bat job
// goes into one batch run, since every process start costs time under Wine.

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "tools/support/data_table.h"
#include "tools/support/run_command.h"

namespace qv::testing {
namespace {

using Paths = std::map<std::string, std::string>;  // by the placeholders of the table

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The columns of a job row.
enum Column { kName = 1, kHow, kMode, kAudio, kMuxer, kEncoder, kSource, kDirective, kBefore, kSteps, kLeft };

// Every folder has a blank, '%' and '&' in its name, and all but the
// program's a '^': the program with its tools, the stand-ins in a folder of
// their own that envprep.txt names (but mkvmerge, in the program's tools
// subfolder), and the sources. bepipe.exe reads a '^' as a quote, so the
// program refuses one in a path that it reads: the sources of the jobs that
// pipe their audio have a folder and names without it.
struct Installation {
  Installation() {
    for (const std::string& folder :
         {program, program + "tools\\", program + "stats\\", program + "avsinc\\", standIns, sources, pipedSources}) {
      fs::create_directory(folder);
    }
    // Wrappers import an include script; the stand-in reads none of it.
    WriteBytes(program + "avsinc\\DirectShow.avs", "DirectShowSource(fs, utf8=true)\r\n");
    fs::copy_file(QV_CLI, program + "quorvelan-cli.exe");
    for (const std::string tool : {"teelog.exe", "mensura.exe", "snooze.exe", "envprep.exe"}) {
      fs::copy_file(QV_TOOL_FOLDER "/" + tool, program + tool);
    }
    for (const std::string name :
         {"x264", "bepipe", "enc_aacplus", "neroaacenc", "neroaacenc_sse2", "mp4box", "mp4creator"}) {
      fs::copy_file(QV_STANDIN, standIns + name + ".exe");
    }
    fs::copy_file(QV_STANDIN, program + "tools\\mkvmerge.exe");
    WriteBytes(program + "envprep.txt", "# the encoders\r\n" + standIns.substr(0, standIns.size() - 1) + "\r\n");
  }

  Paths PathsOf(const Row& job) const {
    const std::string base = (Pipes(job) ? pipedSources : sources) + job[kName] + Mark(job),
                      file = job[kName] + Mark(job) + "." + job[kSource];
    return {{"{src}", base + "." + job[kSource]},
            {"{in}", job[kSource] == "avs" ? base + ".avs" : program + "avs\\" + file + ".avs"},
            {"{out}", base + ".mp4"},
            {"{mkv}", base + ".mkv"},
            {"{aac}", base + ".audio.aac"},
            {"{m4a}", base + ".audio.mp4"},
            {"{stats}", program + "stats\\" + file + ".stat"},
            {"{log}", program + "log\\" + file + ".txt"}};
  }

  // quorvelan-cli with the job's settings and `target`: "--bat FILE",
  // "--start" or "--per-job FOLDER ...".
  void Make(const Row& job, const std::string& target) const {
    std::string command = Quoted(program + "quorvelan-cli.exe") + " --defaults --set minsize=1 --set maxsize=2";
    for (const auto& [key, column] : {std::pair{"mode", kMode}, {"aud", kAudio}, {"muxer", kMuxer}, {"ae", kEncoder}}) {
      command += std::string(" --set ") + key + "=" + job[column];
    }
    command += " " + target + " " + Quoted(PathsOf(job).at("{src}"));
    const CommandRun made = RunCommand(command + " 2>&1", program);
    EXPECT_EQ(made.exitCode, 0) << command << "\n" << made.output;
  }

  // Writes the job's source, and the statistics of an earlier first pass
  // where the job wants them.
  void Prepare(const Row& job) const {
    const Paths paths = PathsOf(job);
    WriteBytes(paths.at("{src}"),
               "# end-to-end source\r\n" + (job[kDirective] == "-" ? "" : "#standin " + job[kDirective] + "\r\n"));
    if (job[kBefore] == "stats") WriteBytes(paths.at("{stats}"), "#options: an earlier first pass\n");
  }

  // The files of the job that exist.
  std::string Left(const Row& job) const {
    std::string left;
    for (const std::string kind : {"out", "mkv", "aac", "m4a", "stats", "log"}) {
      if (fs::exists(PathsOf(job).at("{" + kind + "}"))) left += (left.empty() ? "" : " ") + kind;
    }
    return left;
  }

  ScratchFolder root{"batches"};
  static bool Pipes(const Row& job) { return job[kSteps].find("bepipe") != std::string::npos; }
  // What follows the job's name in its source's name.
  static std::string Mark(const Row& job) { return Pipes(job) ? " & 5% x" : " & 5% ^x"; }

  std::string program = root.path() + "prog 50% & p\\", standIns = root.path() + "stand ins 100% & ^s\\",
              sources = root.path() + "in 10% & ^v\\", pipedSources = root.path() + "in 20% & v\\";
};

// The lines that steps.log must hold for the job, in order: each step's
// tool, the priority of the batch that ran it, its exit code and arguments.
std::vector<std::string> ExpectedSteps(const Row& job, const std::map<std::string, Row>& steps, const Paths& paths) {
  std::vector<std::string> lines;
  std::istringstream names(job[kSteps]);
  for (std::string name; names >> name;) {
    const auto code = name.find('=');
    const Row& step = steps.at(name.substr(0, code));
    std::string line = step[0] + "\t" + (job[kHow] == "start" ? "idle" : "normal") + "\t" +
                       (code == std::string::npos ? "0" : name.substr(code + 1));
    for (std::string arg : Row(step.begin() + 1, step.end())) {
      for (const auto& [placeholder, path] : paths) {
        for (auto at = arg.find(placeholder); at != std::string::npos; at = arg.find(placeholder)) {
          arg.replace(at, placeholder.size(), path);
        }
      }
      line += "\t" + arg;
    }
    lines.push_back(line);
  }
  return lines;
}

TEST(Batches, EveryJobRunsItsStepsInOrderAndLeavesItsFiles) {
  const Installation place;
  std::map<std::string, Row> steps;
  std::vector<Row> jobs;
  for (const Row& row : ReadTable("batches/jobs.tsv")) {
    if (row[0] == "step") steps[row[1]] = Row(row.begin() + 2, row.end());
    if (row[0] == "job") jobs.push_back(row);
  }
  ASSERT_FALSE(jobs.empty());

  std::string all;
  for (const Row& job : jobs) {
    place.Prepare(job);
    if (job[kHow] != "bat") continue;
    place.Make(job, "--bat " + Quoted(place.root.path() + job[kName] + ".bat"));
    all += "@call " + Quoted(place.root.path() + job[kName] + ".bat") + "\r\n";
  }
  WriteBytes(place.root.path() + "all.bat", all);
  const std::string console = RunCommand(Quoted(place.root.path() + "all.bat"), place.root.path()).output;
  for (const Row& job : jobs) {
    if (job[kHow] != "start") continue;
    place.Make(job, "--start");
    // The started batch deletes itself at its end.
    for (int i = 0; i < 1200 && fs::exists(place.program + "temp.bat"); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }

  const std::string log = ReadBytes(place.program + "steps.log").value_or("");
  for (const Row& job : jobs) {
    SCOPED_TRACE(job[kName]);
    const Paths paths = place.PathsOf(job);
    std::vector<std::string> ran;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
      if (line.find("\\" + job[kName] + Installation::Mark(job)) != std::string::npos) ran.push_back(line);
    }
    EXPECT_EQ(ran, ExpectedSteps(job, steps, paths));
    if (job[kHow] == "bat") {  // the echo lines show the paths as they are
      EXPECT_NE(console.find("Input:" + paths.at("{in}") + "\r\n"), std::string::npos);
      EXPECT_NE(console.find("Output:" + paths.at("{out}") + "\r\n"), std::string::npos);
    }
    EXPECT_EQ(place.Left(job), job[kLeft]);
    // teelog kept what x264 printed.
    if (fs::exists(paths.at("{log}"))) {
      EXPECT_NE(ReadBytes(paths.at("{log}"))->find("encoded 3 frames of " + paths.at("{in}")), std::string::npos);
    }
  }
}

// Each job's own script, run by hand, leaves the files that the whole
// batch leaves, and exits with 0 exactly when its final output is there.
TEST(Batches, EachJobsOwnScriptLeavesWhatTheWholeBatchLeaves) {
  const Installation place;
  for (const Row& job : ReadTable("batches/jobs.tsv")) {
    if (job[0] != "job" || job[kHow] != "bat") continue;
    SCOPED_TRACE(job[kName]);
    place.Prepare(job);
    const std::string folder = place.root.path() + job[kName] + "\\";
    place.Make(job, "--script cmd --per-job " + Quoted(folder.substr(0, folder.size() - 1)));
    // The manifest's row: number, script, input, final output, ...
    const Row manifest = Split(Split(ReadBytes(folder + "jobs.tsv").value_or("\n"), '\n').at(1), '\t');
    const CommandRun run = RunCommand(Quoted(folder + manifest.at(1)), place.root.path());
    EXPECT_EQ(place.Left(job), job[kLeft]) << run.output;
    EXPECT_EQ(run.exitCode, fs::exists(manifest.at(3)) ? 0 : 1) << manifest.at(3);
  }
}

// A job whose output folder is missing when it is added makes it before its
// first step; one whose folder cannot be made (a file holds its parent's
// name) says so in the console and runs none of its steps.
TEST(Batches, MissingOutputFolderIsMadeOrTheJobIsSkippedWithALine) {
  const Installation place;
  // Given without a backslash at the end, which would escape the closing quote.
  const std::string made = place.root.path() + "new 5% & ^o\\deeper", blocker = place.root.path() + "blocked";
  WriteBytes(blocker, "a file where a folder would go\r\n");
  std::string all;
  for (const auto& [name, folder] : {std::pair{"made", made}, {"blocked", blocker + "\\out"}}) {
    const std::string source = place.sources + name + " & 5% ^x.avs", batch = place.root.path() + name + ".bat";
    WriteBytes(source, "# end-to-end source\r\n");
    const std::string command = Quoted(place.program + "quorvelan-cli.exe") + " --defaults --output-folder " +
                                Quoted(folder) + " --bat " + Quoted(batch) + " " + Quoted(source);
    const CommandRun run = RunCommand(command + " 2>&1", place.program);
    EXPECT_EQ(run.exitCode, 0) << command << "\n" << run.output;
    all += "@call " + Quoted(batch) + "\r\n";
  }
  WriteBytes(place.root.path() + "folders.bat", all);
  const std::string console = RunCommand(Quoted(place.root.path() + "folders.bat"), place.root.path()).output;

  EXPECT_TRUE(fs::exists(made + "\\made & 5% ^x.mp4")) << console;
  EXPECT_NE(console.find("The folder \"" + blocker + "\\out\" cannot be made: the job is skipped."), std::string::npos)
      << console;
  const std::string log = ReadBytes(place.program + "steps.log").value_or("");
  EXPECT_NE(log.find("made & 5% ^x.avs"), std::string::npos) << log;
  EXPECT_EQ(log.find("blocked & 5% ^x.avs"), std::string::npos) << log;
}

// With "skip jobs whose output exists", a batch run again after a break
// encodes only the jobs whose final file is not there or was left partial,
// and a batch run once more encodes nothing. (No audio: bepipe.exe cannot read the "^" of the
// sources' folder.)
TEST(Batches, RunAgainWithSkipDoneEncodesOnlyTheJobsWithoutTheirWholeFile) {
  const Installation place;
  const std::string done = place.sources + "done & 5% x", broken = place.sources + "broken & 5% x";
  for (const std::string& source : {done, broken}) WriteBytes(source + ".avs", "# end-to-end source\r\n");
  const std::string batch = place.root.path() + "again.bat";
  const std::string command = Quoted(place.program + "quorvelan-cli.exe") +
                              " --defaults --set skipdone=1 --set mode=6 --bat " + Quoted(batch) + " " +
                              Quoted(done + ".avs") + " " + Quoted(broken + ".avs");
  const CommandRun made = RunCommand(command + " 2>&1", place.program);
  ASSERT_EQ(made.exitCode, 0) << made.output;
  const std::string log = place.program + "steps.log";
  // The x264 runs that steps.log holds for a source.
  auto encodes = [&log](const std::string& source) {
    int count = 0;
    std::istringstream lines(ReadBytes(log).value_or(""));
    for (std::string line; std::getline(lines, line);) {
      count += line.rfind("x264\t", 0) == 0 && line.find(source) != std::string::npos;
    }
    return count;
  };

  RunCommand(Quoted(batch), place.root.path());
  EXPECT_EQ(encodes(done), 2);
  EXPECT_EQ(encodes(broken), 2);
  ASSERT_TRUE(fs::exists(done + ".mp4"));
  ASSERT_TRUE(fs::exists(broken + ".mp4"));

  // A run broken off in the middle of a job leaves its output partial, with
  // the mark made before the job's first step.
  fs::remove(log);
  WriteBytes(broken + ".mp4", "partial");
  WriteBytes(broken + ".mp4.unfinished", "");
  RunCommand(Quoted(batch), place.root.path());
  EXPECT_EQ(encodes(done), 0);
  EXPECT_EQ(encodes(broken), 2);
  EXPECT_NE(ReadBytes(broken + ".mp4").value_or(""), "partial");
  EXPECT_FALSE(fs::exists(broken + ".mp4.unfinished"));

  fs::remove(log);
  RunCommand(Quoted(batch), place.root.path());
  EXPECT_EQ(encodes(done) + encodes(broken), 0);
}

// The files below `root`: each path (UTF-8) with its bytes.
std::map<std::string, std::string> FilesBelow(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files[entry.path().u8string()] = ReadBytes(entry.path()).value_or("");
  }
  return files;
}

// True when `args` come one after another among the fields of a steps.log line.
bool HasInARow(const std::string& line, const Row& args) {
  std::string wanted;
  for (const std::string& arg : args) wanted += "\t" + arg;
  return (line + "\t").find(wanted + "\t") != std::string::npos;
}

TEST(Batches, HostileValuesAndNamesRunNothingAndReachEachStepAsThemselves) {
  const Installation place;
  // Some rows pipe their audio through bepipe.exe, which takes no '^'.
  const std::string hostile = place.pipedSources + "hostile\\", jobs = place.root.path();
  // A source's folder, below which its job's own files land; "name" and
  // "refused" rows name a folder of their own.
  auto inOwnFolder = [](const Row& row) { return row[0] == "name" || row[0] == "refused"; };
  auto folderOf = [&](const Row& row) { return hostile + row[1] + "\\" + (inOwnFolder(row) ? row[2] + "\\" : ""); };
  std::string all;
  const std::vector<Row> rows = ReadTable("batches/hostile.tsv");
  for (const Row& row : rows) {
    fs::create_directories(fs::u8path(folderOf(row)));
    const std::string source = folderOf(row) + (inOwnFolder(row) ? row[3] : row[1] + ".avs");
    if (row[0] != "run") WriteBytes(fs::u8path(source), "# hostile source\r\n");
    // The hostile texts come from files, so that no command line of the test expands them.
    const std::string job = jobs + row[1];
    std::string command = Quoted(place.program + "quorvelan-cli.exe") + " --bat " + Quoted(job + ".bat");
    if (row[0] == "run") {
      std::string list;
      for (std::size_t i = 4; i < row.size(); ++i) {
        fs::create_directories(fs::path(folderOf(row) + row[i]).parent_path());
        WriteBytes(folderOf(row) + row[i], "# source " + row[i] + "\r\n");
        list += folderOf(row) + row[i] + "\r\n";
      }
      WriteBytes(job + ".txt", list);
      command += " --defaults";
      const std::string folder = folderOf(row).substr(0, folderOf(row).size() - 1);
      for (const std::string& option : Split(row[3] == "-" ? "" : row[3], ' ')) {
        command += " " + Quoted(Replaced(option, "{dir}", folder));
      }
    } else if (row[0] == "config") {
      WriteBytes(job + ".ini", row[2]);
      WriteBytes(job + ".txt", source + "\r\n");
      command += " --config-file " + Quoted(job + ".ini");
    } else {
      WriteBytes(job + ".txt", source + "\r\n");
      command += " --defaults";
    }
    if (row[0] == "refused") {
      for (auto setting = row.begin() + 5; setting != row.end(); ++setting) command += " --set " + *setting;
      const CommandRun refused = RunCommand(command + " --inputs-from " + Quoted(job + ".txt") + " 2>&1", place.program);
      EXPECT_EQ(refused.exitCode, 2) << row[1] << ": " << refused.output;
      EXPECT_NE(refused.output.find(", which " + row[4] + " reads"), std::string::npos) << refused.output;
      EXPECT_FALSE(fs::exists(job + ".bat")) << row[1];
      continue;
    }
    const CommandRun made = RunCommand(command + " --inputs-from " + Quoted(job + ".txt") + " 2>&1", place.program);
    EXPECT_EQ(made.exitCode, 0) << row[1] << ": " << made.output;
    all += "@call " + Quoted(job + ".bat") + "\r\n";
  }
  WriteBytes(jobs + "hostile.bat", all);
  const std::map<std::string, std::string> before = FilesBelow(jobs);
  // With delayed expansion on, as a machine's registry may have it by
  // default, a "!" in a name would be eaten unless the batch turns it off.
  RunCommand("cmd /v:on /c " + Quoted(jobs + "hostile.bat"), jobs);

  const std::map<std::string, std::string> after = FilesBelow(jobs);
  for (const auto& [file, bytes] : after) {
    EXPECT_NE(fs::path(file).filename().string().rfind("pwned", 0), 0u) << "an injected command ran: " << file;
    // New files are the jobs' own: outputs beside their sources, logs below the program.
    if (!before.count(file)) {
      EXPECT_TRUE(file.rfind(hostile, 0) == 0 || file.rfind(place.program, 0) == 0) << file;
    }
  }
  for (const auto& [file, bytes] : before) {
    const auto found = after.find(file);
    EXPECT_TRUE(found != after.end() && found->second == bytes) << "deleted or changed: " << file;
  }
  const std::string log = ReadBytes(place.program + "steps.log").value_or("");
  for (const Row& row : rows) {
    SCOPED_TRACE(row[1]);
    std::vector<std::string> steps;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
      if (line.find(folderOf(row)) != std::string::npos) steps.push_back(line);
    }
    if (row[0] == "refused") {
      EXPECT_TRUE(steps.empty()) << log;
      continue;
    }
    if (row[0] == "run") {
      std::size_t outputs = 0;
      for (const auto& [file, bytes] : FilesBelow(folderOf(row))) outputs += before.count(file) == 0;
      EXPECT_EQ(outputs, std::stoul(row[2])) << "each job writes a file of its own";
      for (std::size_t i = 4; i < row.size(); ++i) {
        EXPECT_EQ(ReadBytes(folderOf(row) + row[i]), "# source " + row[i] + "\r\n") << "source " << row[i];
      }
      continue;
    }
    if (row[0] == "config") {
      bool received = false;
      for (const std::string& line : steps) {
        received = received || (line.rfind(row[3] + "\t", 0) == 0 && HasInARow(line, Row(row.begin() + 4, row.end())));
      }
      EXPECT_TRUE(received) << log;
      continue;
    }
    const fs::path source = folderOf(row) + row[3];
    ASSERT_FALSE(steps.empty()) << log;
    EXPECT_EQ(steps[0].rfind("x264\tnormal\t0\t", 0), 0u) << steps[0];
    if (source.extension() == ".avs") {
      EXPECT_TRUE(HasInARow(steps[0], {source.string()})) << steps[0];
    }
    EXPECT_TRUE(fs::exists(fs::path(source).replace_extension(".mp4"))) << steps[0];
  }
}

}  // namespace
}  // namespace qv::testing

// Random queues of sources from a few folders, spelt in every way Windows
// takes for one (separators, ".", "..", letter case, the long-path prefix, a
// trailing "::$DATA"), with names alike across folders and names that another
// job's output, audio or merged file would take: no two jobs ever write one
// file, and no job writes a file that a job reads.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "jobs/input_queue.h"
#include "jobs/taken_names.h"
#include "platform/fake/fake_platform.h"
#include "settings/config_io.h"
#include "ui/app.h"
#include "ui/dispatch.h"
#include "ui/lifecycle.h"

namespace qv {
namespace {

constexpr const char* kFolders[] = {"D:\\a\\",   "d:/A/",  "D:\\x\\..\\a\\", "\\\\?\\D:\\a\\",
                                    "D:\\a\\.\\", "D:\\b\\", "D:\\B\\",        "C:\\Q\\avs\\"};
constexpr const char* kNames[] = {"clip.avi",  "CLIP.AVI",       "clip.mp4",     "clip.mkv",
                                  "clip.avs",  "clip.audio.mp4", "clip (2).mp4", "clip (2).avi",
                                  "ǎ.avi",     "Ǎ.AVI",          "ⓐ.mp4",        "clip.avi::$DATA"};

template <typename T, std::size_t N>
const T& Pick(std::mt19937& random, const T (&items)[N]) {
  return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

struct JobFiles {
  std::set<std::string> reads;
  std::set<std::string> writes;
};

// What each job of the list reads and writes, from its lines alone: the
// echoed input and the source its wrapper names; every other quoted path
// writes.
std::vector<JobFiles> FilesOfJobs(const std::vector<std::string>& lines, platform::FakeFileSystem& files) {
  std::vector<JobFiles> jobs;
  std::string input;
  for (const std::string& line : lines) {
    if (line.rfind("@echo Input:", 0) == 0) {
      input.clear();
      for (const char c : line.substr(12)) {
        if (c != '^') input += c;
      }
      jobs.push_back({{files.PathKey(input)}, {}});
      if (const std::optional<std::string> source = WrapperSource(files, input)) {
        jobs.back().reads.insert(files.PathKey(*source));
      }
      continue;
    }
    // The echoes, and the checks for the job's folders and output, write nothing.
    if (line.rfind("@echo", 0) == 0 || line.rfind("@if ", 0) == 0) continue;
    for (std::size_t open = line.find('"'); open != std::string::npos; open = line.find('"', open + 1)) {
      const std::size_t close = line.find('"', open + 1);
      const std::string path = line.substr(open + 1, close - open - 1);
      open = close;
      // Not paths: x264's --direct value and bepipe's script, which reads the input.
      if (path.find_first_of("\\/") == std::string::npos || path.rfind("import(", 0) == 0) continue;
      if (files.PathKey(path) == files.PathKey(input)) continue;
      jobs.back().writes.insert(files.PathKey(path));
    }
  }
  return jobs;
}

TEST(TakenNames, RandomQueuesNeverShareAWrittenFileNorWriteASource) {
  std::mt19937 random(18);
  const char* settings[] = {"", "aud=1\r\nmuxer=2\r\n", "aud=1\r\nae=7\r\n", "mode=6\r\n", "muxer=4\r\nae=1\r\n"};
  const char* outputFolders[] = {"", "", "D:\\a\\", "d:/a/./", "D:\\b\\"};
  for (int round = 0; round < 150; ++round) {
    platform::FakePlatform fake;
    fake.files.AddFile("C:\\Q\\avsinc\\DirectShow.avs", "");
    Form form;
    App app{form, fake.platform};
    app.keepsJobList = false;
    StartUp(app);
    for (int batch = std::uniform_int_distribution<int>(1, 3)(random); batch > 0; --batch) {
      LoadConfigText(form, Pick(random, settings));
      RunPendingEvents(app);
      std::vector<std::string> inputs;
      for (int n = std::uniform_int_distribution<int>(1, 5)(random); n > 0; --n) {
        inputs.push_back(std::string(Pick(random, kFolders)) + Pick(random, kNames));
      }
      QueueInputs(form, fake.platform, inputs, Pick(random, outputFolders), X264Syntax::Current, QueueHow{});
    }
    const std::vector<JobFiles> jobs = FilesOfJobs(form.Items(ControlId::JobList), fake.files);
    std::map<std::string, std::size_t> writer;
    std::set<std::string> read;
    for (const JobFiles& job : jobs) read.insert(job.reads.begin(), job.reads.end());
    for (std::size_t i = 0; i < jobs.size(); ++i) {
      for (const std::string& file : jobs[i].writes) {
        EXPECT_EQ(read.count(file), 0u) << "round " << round << ": job " << i + 1 << " writes " << file;
        const auto [other, first] = writer.emplace(file, i);
        EXPECT_TRUE(first) << "round " << round << ": jobs " << other->second + 1 << " and " << i + 1 << " write "
                           << file;
      }
    }
  }
}

}  // namespace
}  // namespace qv

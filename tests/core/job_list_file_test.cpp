// A job-list file beyond the size limit is damaged (the golden cases cover
// the other kinds of damage; a file this large does not belong among them).

#include <gtest/gtest.h>

#include "jobs/job_list_file.h"
#include "platform/fake/fake_platform.h"

namespace qv {
namespace {

TEST(JobListFile, IsDamagedBeyondTheSizeLimit) {
  platform::FakeFileSystem files;
  files.AddFile("C:\\Q\\quorvelan-jobs.txt", std::string(kJobListSizeLimit + 1, '\n'));
  const JobListFile file = ReadJobList(files, "C:\\Q\\quorvelan-jobs.txt");
  EXPECT_EQ(file.status, JobListStatus::Damaged);
  EXPECT_EQ(file.reason, "it is larger than 64 MiB");
}

}  // namespace
}  // namespace qv

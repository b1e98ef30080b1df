#pragma once
// A set of jobs written one script per job, for many machines: the scripts,
// the manifest jobs.tsv, a README.txt and the submit files of a scheduler.

#include <string>
#include <vector>

#include "commands/script_dialect.h"

namespace qv {

enum class Scheduler { None, Slurm, HTCondor };

struct JobSetEntry {
  std::string input;        // the source as given
  std::string finalOutput;  // the file the job ends with
  std::string mode;         // the encode mode's list text
  int passes = 0;
  std::string script;  // the script's text
};

struct JobSetFile {
  std::string name;  // inside the set's folder
  std::string text;
};

// "job-0001.sh" for job 1: four digits, more when `count` needs them.
std::string JobScriptName(int number, int count, ScriptDialect dialect);

// Every file of the set but the scripts, in the dialect's line ends.
// `threads` is the x264 threads setting (0: x264 picks).
std::vector<JobSetFile> JobSetFiles(const std::vector<JobSetEntry>& jobs, ScriptDialect dialect, Scheduler scheduler,
                                    int threads);

}  // namespace qv

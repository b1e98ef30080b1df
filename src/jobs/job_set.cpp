#include "jobs/job_set.h"

#include <algorithm>


namespace qv {
namespace {

int DigitsFor(int count) {
  int digits = 4;
  for (int limit = 10000; count >= limit && digits < 10; limit *= 10) ++digits;
  return digits;
}

std::string Padded(int number, int digits) {
  std::string text = std::to_string(number);
  return std::string(static_cast<std::size_t>(std::max(0, digits - static_cast<int>(text.size()))), '0') + text;
}

// Lines joined with "\n", then given the dialect's line ends.
std::string WithLineEnds(const std::string& text, const DialectSyntax& dialect) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') {
      out += dialect.lineEnd;
    } else {
      out += c;
    }
  }
  return out;
}

std::string Manifest(const std::vector<JobSetEntry>& jobs, ScriptDialect dialect) {
  std::string text = "job\tscript\tinput\tfinal output\tmode\tpasses\n";
  const int count = static_cast<int>(jobs.size());
  for (int i = 0; i < count; ++i) {
    const JobSetEntry& job = jobs[static_cast<std::size_t>(i)];
    text += std::to_string(i + 1) + "\t" + JobScriptName(i + 1, count, dialect) + "\t" + job.input + "\t" +
            job.finalOutput + "\t" + job.mode + "\t" + std::to_string(job.passes) + "\n";
  }
  return text;
}

// Slurm writes %4a as the task number in four digits, as the script names.
std::string SlurmArray(int count, ScriptDialect dialect, int threads) {
  const std::string digits = std::to_string(DigitsFor(count));
  std::string text = "#!/bin/sh\n# The jobs of this folder as one Slurm job array, a task per job script.\n"
                     "# Submit it from this folder: sbatch submit.sbatch\n"
                     "#SBATCH --job-name=quorvelan\n#SBATCH --array=1-" + std::to_string(count) + "\n";
  if (threads > 0) text += "#SBATCH --cpus-per-task=" + std::to_string(threads) + "\n";
  text += "#SBATCH --output=job-%" + digits + "a.out\n#SBATCH --error=job-%" + digits + "a.err\n";
  text += "exec sh \"./job-$(printf '%0" + digits + "d' \"$SLURM_ARRAY_TASK_ID\")." + Dialect(dialect).extension +
          "\"\n";
  return text;
}

std::string CondorSubmit(ScriptDialect dialect, int threads) {
  const bool sh = dialect == ScriptDialect::Sh;
  std::string text = "# The jobs of this folder for HTCondor, one per script that jobs.txt names.\n"
                     "# Submit it from this folder: condor_submit submit.sub\n"
                     "universe = vanilla\n";
  text += sh ? "executable = /bin/sh\narguments = $(script)\n" : "executable = $(script)\n";
  text += "transfer_executable = false\nshould_transfer_files = NO\n";
  text += sh ? "requirements = (OpSys == \"LINUX\")\n" : "requirements = (OpSys == \"WINDOWS\")\n";
  if (threads > 0) text += "request_cpus = " + std::to_string(threads) + "\n";
  text += "output = $(script).out\nerror = $(script).err\nlog = jobs.log\nqueue script from jobs.txt\n";
  return text;
}

std::string ReadMe(int count, ScriptDialect dialect, Scheduler scheduler) {
  const DialectSyntax& syntax = Dialect(dialect);
  const std::string first = JobScriptName(1, count, dialect);
  const bool sh = dialect == ScriptDialect::Sh;
  std::string text =
      "These " + std::to_string(count) +
      " scripts run one job each, the same steps as the whole batch: x264 passes, audio,\n"
      "merge and clean-up. A script exits with 0 only when its job's final output exists.\n"
      "jobs.tsv lists the jobs: number, script, input, final output, encode mode, x264 passes.\n\n"
      "Run one by hand: " + std::string(sh ? "sh " : "") + first + "\n";
  text += sh ? "Run them all, one after another: for s in job-*.sh; do sh \"$s\"; done\n"
             : "Run them all, one after another: for %s in (job-*.bat) do call %s\n";
  if (sh) {
    text += "\nThe scripts read the sources themselves with today's x264 (no AviSynth), encode audio\n"
            "with ffmpeg, and copy an MP4 output into MP4 with ffmpeg; each names the tools it needs\n"
            "in its second line and stops when one is not on the search path.\n";
  }
  if (scheduler == Scheduler::Slurm) {
    text += "\nSlurm: from this folder, sbatch submit.sbatch. Task N of the job array runs job N's\n"
            "script and writes job-N.out and job-N.err here; sacct -j JOBID or scontrol show job\n"
            "JOBID gives each task's state, and jobs.tsv matches task numbers to sources. A cluster\n"
            "takes array indices up to its MaxArraySize less one (1000 unless set higher).\n";
  }
  if (scheduler == Scheduler::HTCondor) {
    text += "\nHTCondor: from this folder, condor_submit submit.sub: one job per script of jobs.txt,\n"
            "on " + std::string(sh ? "Linux" : "Windows") +
            " execute nodes. This submit file follows the HTCondor manual's submit-description\n"
            "syntax but was not run with HTCondor where it was made.\n";
  }
  text += "\nEvery path in the scripts is the one given when they were made: on more than one machine,\n"
          "the sources, the outputs, the stats and log folders and the tools' folder must be reachable\n"
          "under the same paths everywhere (a shared mount" +
          std::string(sh ? "" : ", or UNC paths such as \\\\server\\share\\") + ").\n";
  return WithLineEnds(text, syntax);
}

}  // namespace

std::string JobScriptName(int number, int count, ScriptDialect dialect) {
  return "job-" + Padded(number, DigitsFor(count)) + "." + Dialect(dialect).extension;
}

std::vector<JobSetFile> JobSetFiles(const std::vector<JobSetEntry>& jobs, ScriptDialect dialect, Scheduler scheduler,
                                    int threads) {
  const DialectSyntax& syntax = Dialect(dialect);
  const int count = static_cast<int>(jobs.size());
  std::vector<JobSetFile> files = {{"jobs.tsv", WithLineEnds(Manifest(jobs, dialect), syntax)},
                                   {"README.txt", ReadMe(count, dialect, scheduler)}};
  if (scheduler == Scheduler::Slurm) files.push_back({"submit.sbatch", SlurmArray(count, dialect, threads)});
  if (scheduler == Scheduler::HTCondor) {
    std::string list;
    for (int i = 1; i <= count; ++i) list += JobScriptName(i, count, dialect) + "\n";
    files.push_back({"jobs.txt", WithLineEnds(list, syntax)});
    files.push_back({"submit.sub", WithLineEnds(CondorSubmit(dialect, threads), syntax)});
  }
  return files;
}

}  // namespace qv

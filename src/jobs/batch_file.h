#pragma once
// Writing the job list as a batch file ("Make BAT") and starting it ("Start").

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "form/form.h"
#include "platform/platform.h"

namespace qv {

// The header lines and every job-list line (but those that `leftOut` marks,
// by index), each ending in CR LF (the batch is closed by BatchBytes).
std::string BatchFileText(const Form& form, const std::string& programFolder, const std::vector<bool>& leftOut = {});

// BatchFileText as the bytes of the file (batch_bytes.h); nullopt when a
// line holds what no code page carries.
std::optional<std::string> BatchFileBytes(const Form& form, const platform::Platform& platform,
                                          const std::vector<bool>& leftOut = {});

enum class BatchOutcome { Written, Cancelled, Failed, Started, NotStarted };
struct BatchResult {
  BatchOutcome outcome;
  std::string path;         // the file concerned
  bool stateSaved = true;   // "Start" only: false when the state file could not be written
  std::optional<std::uint32_t> job = std::nullopt;  // "Start" only: the started batch's job
  std::string channel = {};          // "Start" only: its run channel (run_channel.h)
};

// Writes the batch to `path` (".bat" appended when it has no extension part).
// The started batch of "Start" has a header of its own and ends in a line
// that deletes it, with no line end after it.
BatchResult WriteBatchFile(const Form& form, const platform::Platform& platform, std::string path);

// The folders that a job's own script puts before the search path, as
// envprep.exe would: the program folder, its tools folder, the folders of
// envprep.txt. An error text naming the list, or "" (folders left out go to
// `warnings`).
std::string ScriptSearchFolders(const platform::Platform& platform, std::vector<std::string>& folders,
                                std::vector<std::string>& warnings);

// The job list's jobs as one batch file each in `folder` (created when
// missing), with jobs.tsv and README.txt. Lines outside a job (a shutdown)
// are left out.
BatchResult WritePerJobBatches(const Form& form, const platform::Platform& platform, const std::string& folder);

// "Make BAT": asks for a file name, then WriteBatchFile; with the filter
// entry "One file per job" chosen, the name is a folder for
// WritePerJobBatches.
BatchResult MakeBatchFile(const Form& form, const platform::Platform& platform);

// "Start": saves the state file, writes the batch that "Make BAT" would
// write as "temp.bat" in the program folder (or a fresh "tempN.bat" while
// an earlier one still exists) and starts it in a job of its own at idle
// priority; the command interpreter that runs it deletes it at its end.
// `watched`: the run channel "temp.run" beside it is named in its
// environment (an empty name without). The job-list lines that `leftOut`
// marks (by index) are left out. A batch that cannot be started is deleted
// again.
BatchResult StartBatch(const Form& form, const platform::Platform& platform, bool watched,
                       const std::vector<bool>& leftOut = {});

}  // namespace qv

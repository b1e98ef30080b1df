#pragma once
// The record that the stand-in programs leave in steps.log: one line per
// run, with the program's name, its priority class and its parent's, its
// exit code and its arguments, separated by tabs.

#include <string>
#include <string_view>
#include <vector>

namespace qv::testing {

struct Step {
  std::string tool;      // "x264", "bepipe", "neroaacenc", "mkvmerge", ...
  std::string priority;        // "idle", "normal", "other" or "unknown"
  std::string parentPriority;  // of the process that started it
  int exitCode = 0;
  std::vector<std::string> args;
};

std::vector<Step> ParseStepLog(std::string_view text);

// The argument after `name`, or "" when there is none.
std::string ArgAfter(const Step& step, std::string_view name);

// What a step did, in a form that the expected steps of a job are written
// in: the tool's name, and for x264 its rate control, its pass and whether
// it writes the output, as in "x264 --crf p1 out" or "x264 -B pN nul".
std::string Signature(const Step& step);

}  // namespace qv::testing

#include "step_log.h"

#include <cstdlib>

namespace qv::testing {

namespace {

std::vector<std::string> SplitTabs(std::string_view line) {
  std::vector<std::string> fields;
  for (;;) {
    const auto tab = line.find('\t');
    fields.emplace_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

}  // namespace

std::vector<Step> ParseStepLog(std::string_view text) {
  std::vector<Step> steps;
  while (!text.empty()) {
    const auto end = text.find("\r\n");
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 2);
    std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() < 3) continue;
    Step step;
    step.tool = fields[0];
    const auto slash = fields[1].find('/');
    step.priority = fields[1].substr(0, slash);
    step.parentPriority = slash == std::string::npos ? "" : fields[1].substr(slash + 1);
    step.exitCode = std::atoi(fields[2].c_str());
    step.args.assign(fields.begin() + 3, fields.end());
    steps.push_back(std::move(step));
  }
  return steps;
}

std::string ArgAfter(const Step& step, std::string_view name) {
  for (std::size_t i = 0; i + 1 < step.args.size(); ++i) {
    if (step.args[i] == name) return step.args[i + 1];
  }
  return {};
}

std::string Signature(const Step& step) {
  if (step.tool != "x264") return step.tool;
  std::string rate = "?";
  for (const char* option : {"-B", "-q", "--crf"}) {
    if (!ArgAfter(step, option).empty()) rate = option;
  }
  const std::string pass = ArgAfter(step, "-p");
  const std::string passText = pass.empty() ? "p0" : pass == "1" ? "p1" : "pN";
  return "x264 " + rate + " " + passText + " " + (ArgAfter(step, "-o") == "nul" ? "nul" : "out");
}

}  // namespace qv::testing

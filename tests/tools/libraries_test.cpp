// The portable cores of the helper tools, row by row from tests/data/tools/libraries.tsv:
// a function, its arguments and the text its answer must read as ("-" for none).

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "common/number_text.h"
#include "envprep/search_path.h"
#include "mensura/size_check.h"
#include "rateplan/bitrate_plan.h"
#include "text/batch_text.h"
#include "tools/support/data_table.h"

namespace qv::tools {
namespace {

using testing::Row;

template <typename T>
std::string Text(const std::optional<T>& value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value ? static_cast<double>(*value) : 0.0);
  return value ? text : "-";
}

const std::map<std::string, std::function<std::string(const Row&)>> kFunctions = {
    {"video-kbps",
     [](const Row& a) { return std::to_string(VideoBitrateKbps(std::stod(a[0]), std::stoul(a[1]), std::stoi(a[2]))); }},
    {"duration", [](const Row& a) { return Text(ParseDuration(a[0])); }},
    {"target-size", [](const Row& a) { return Text(ParseTargetSize(a[0])); }},
    {"decimal", [](const Row& a) { return Text(ParseDecimal(a[0])); }},
    {"size-args",
     [](const Row& a) {
       const auto parsed = ParseSizeCheckArguments(a);
       if (!parsed.request) return parsed.error;
       const SizeCheckRequest& r = *parsed.request;
       return std::to_string(r.minMegabytes) + "|" + std::to_string(r.maxMegabytes) + "|" + r.file;
     }},
    {"size-line",
     [](const Row& a) {
       const SizeCheckRequest request{std::stod(a[0]), std::stod(a[1]), a[2]};
       const auto bytes = a[3] == "-" ? std::nullopt : std::optional<std::uint64_t>(std::stoull(a[3]));
       const SizeVerdict verdict = JudgeSize(bytes, request.minMegabytes, request.maxMegabytes);
       return DescribeSizeCheck(request, bytes, verdict) + " => " + std::to_string(SizeCheckExitCode(verdict));
     }},
    {"tool-folders",
     [](const Row& a) {
       std::string text;
       const ToolFolders tools = CollectToolFolders(a[0], a[1]);
       for (const std::string& folder : tools.folders) text += folder + "|";
       for (const std::string& warning : tools.warnings) text += "! " + warning;
       return tools.refusal.empty() ? text : "refused: " + tools.refusal;
     }},
    {"search-path", [](const Row& a) { return ComposeSearchPath(Row(a.begin(), a.end() - 1), a.back()); }},
    {"set-path-line", [](const Row& a) { return SetPathLine(a[0]); }},
    {"envprep-long",
     [](const Row& a) {
       const std::string text = EnvprepBatchText(Row(a.begin(), a.end() - 1), std::string(std::stoul(a.back()), 'x'));
       return text.rfind("@set PATH=", 0) == 0 ? "literal" : text;
     }},
    {"switched", [](const Row& a) { return SwitchedToUtf8(a[0], a[1]); }},
};

TEST(ToolLibraries, AnswerEveryRowOfTheirTable) {
  for (const Row& row : testing::ReadTable("tools/libraries.tsv")) {
    EXPECT_EQ(kFunctions.at(row.front())(Row(row.begin() + 1, row.end() - 1)), row.back())
        << row.front() << " " << row[1];
  }
}

// The envprep.txt that the zip ships holds only comments: it must add no
// folder and refuse nothing.
TEST(ToolLibraries, TakeTheShippedFolderList) {
  const auto shipped = testing::ReadBytes(QV_TEST_DATA "/../../docs/starter/envprep.txt");
  ASSERT_TRUE(shipped);
  const ToolFolders tools = CollectToolFolders("C:\\Q\\", *shipped);
  EXPECT_EQ(tools.refusal, "");
  EXPECT_EQ(tools.folders, (Row{"C:\\Q\\", "C:\\Q\\tools"}));
}

}  // namespace
}  // namespace qv::tools

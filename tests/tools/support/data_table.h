#pragma once
// Test cases kept as data: tab-separated rows in the files under tests/data
// (QV_TEST_DATA, set by the build as the test program sees the folder).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/support/scratch_folder.h"

namespace qv::testing {

using Row = std::vector<std::string>;

// The rows of tests/data/`name`, split at tabs, with "{CR}" and "{LF}" read
// as line ends; blank lines and lines that start with '#' are skipped. A
// missing file fails the test.
inline std::vector<Row> ReadTable(const std::string& name) {
  const std::string path = QV_TEST_DATA "/" + name;
  const auto text = ReadBytes(path);
  if (!text) ADD_FAILURE() << "no data file " << path;
  std::istringstream lines(text.value_or(""));
  std::vector<Row> rows;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    for (const auto& [token, value] : {std::pair{"{CR}", "\r"}, {"{LF}", "\n"}}) {
      for (auto at = line.find(token); at != std::string::npos; at = line.find(token)) line.replace(at, 4, value);
    }
    std::istringstream fields(line);
    rows.emplace_back();
    for (std::string field; std::getline(fields, field, '\t');) rows.back().push_back(field);
  }
  return rows;
}

}  // namespace qv::testing

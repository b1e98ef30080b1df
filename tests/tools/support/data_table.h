#pragma once
// Test cases kept as data: tab-separated rows in the files under tests/data
// (QV_TEST_DATA, set by the build as the test program sees the folder).

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/support/scratch_folder.h"

namespace qv::testing {

using Row = std::vector<std::string>;

// The non-empty parts of `text` between `separator`s.
inline std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

// `text` with every `from` replaced by `to`.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The rows of tests/data/`name`, split at tabs, in whose fields {CR}, {LF},
// {TAB}, {NUL}, {FF} and {FE} stand for those bytes, {LONG32768} and
// {LONG32766} for that many letters and {DIGITS400} for that many nines; blank lines and lines
// that start with '#' are skipped. A missing file fails the test.
inline std::vector<Row> ReadTable(const std::string& name) {
  const std::string path = QV_TEST_DATA "/" + name;
  const auto text = ReadBytes(path);
  if (!text) ADD_FAILURE() << "no data file " << path;
  std::istringstream lines(text.value_or(""));
  std::vector<Row> rows;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::pair<std::string, std::string> tokens[] = {
        {"{CR}", "\r"},         {"{LF}", "\n"},         {"{TAB}", "\t"}, {"{NUL}", std::string(1, '\0')},
        {"{FF}", "\xFF"},       {"{FE}", "\xFE"},       {"{LONG32768}", std::string(32768, 'x')},
        {"{LONG32766}", std::string(32766, 'x')},
        {"{DIGITS400}", std::string(400, '9')}};
    std::istringstream fields(line);
    rows.emplace_back();
    for (std::string field; std::getline(fields, field, '\t');) {
      for (const auto& [token, value] : tokens) {
        for (auto at = field.find(token); at != std::string::npos; at = field.find(token, at + value.size())) {
          field.replace(at, token.size(), value);
        }
      }
      rows.back().push_back(field);
    }
  }
  return rows;
}

}  // namespace qv::testing

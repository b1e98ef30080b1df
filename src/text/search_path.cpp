#include "text/search_path.h"

#include <cctype>

#include "text/path_parts.h"
#include "text/text_lines.h"

namespace qv {

namespace {

std::string_view Unquote(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

// Why a line of envprep.txt can name no folder, or "".
std::string LineProblem(std::string_view line) {
  if (line.size() > kLongestFolderLine) return "is longer than any path";
  const std::string_view folder = Unquote(Trim(line));
  for (const char c : line) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return "holds a control character";
  }
  for (const char c : folder) {
    if (c == '\t' || c == '"') return "holds a tab or a double quote";
  }
  return {};
}

// The form in which two PATH entries are compared.
std::string Canonical(std::string_view entry) {
  entry = Unquote(Trim(entry));
  // Separators at the end dropped, but a root's own.
  const std::size_t last = entry.find_last_not_of("\\/");
  entry = entry.substr(0, last == std::string_view::npos ? 1 : last + 1);
  std::string key;
  key.reserve(entry.size());
  for (char c : entry) {
    key += c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return key;
}

// Splits a PATH value at the ';' that stand outside double quotes.
std::vector<std::string_view> SplitSearchPath(std::string_view path) {
  std::vector<std::string_view> entries;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '"') quoted = !quoted;
    if (path[i] == ';' && !quoted) {
      entries.push_back(path.substr(start, i - start));
      start = i + 1;
    }
  }
  entries.push_back(path.substr(start));
  return entries;
}

}  // namespace

ToolFolders CollectToolFolders(const std::string& programFolder, std::string_view listText) {
  ToolFolders result;
  result.folders.push_back(programFolder);
  result.folders.push_back(programFolder + "tools");
  const std::vector<std::string_view> lines = SplitLines(listText);
  for (std::size_t number = 1; number <= lines.size(); ++number) {
    const std::string_view line = lines[number - 1];
    // A comment may say anything: quotes and tabs in it name no folder.
    if (const std::string_view trimmed = Trim(line); !trimmed.empty() && trimmed.front() == '#') continue;
    if (std::string problem = LineProblem(line); !problem.empty()) {
      result.refusal = "envprep.txt line " + std::to_string(number) + " " + problem;
      return result;
    }
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty()) continue;
    const std::string_view folder = Trim(Unquote(trimmed));
    if (folder.empty()) continue;
    if (folder.find(';') != std::string_view::npos) {
      result.warnings.push_back("left out \"" + std::string(folder) + "\": a folder with ';' cannot stand in PATH");
      continue;
    }
    const bool fromProgram = StartOf(folder) == PathStart::CurrentFolder;
    result.folders.push_back(fromProgram ? programFolder + std::string(folder) : std::string(folder));
  }
  return result;
}

std::string ComposeSearchPath(const std::vector<std::string>& front, std::string_view currentPath) {
  std::vector<std::string> seen;
  std::string path;
  const auto add = [&](std::string_view entry) {
    const std::string key = Canonical(entry);
    if (key.empty()) return;
    for (const auto& known : seen) {
      if (known == key) return;
    }
    seen.push_back(key);
    if (!path.empty()) path += ';';
    path += entry;
  };
  for (const auto& folder : front) add(folder);
  for (const auto entry : SplitSearchPath(currentPath)) add(entry);
  return path;
}

std::vector<std::string> SearchFolders(const std::vector<std::string>& front, std::string_view currentPath) {
  const std::string path = ComposeSearchPath(front, currentPath);
  std::vector<std::string> folders;
  for (const auto entry : SplitSearchPath(path)) {
    folders.emplace_back(Unquote(Trim(entry)));
  }
  return folders;
}

}  // namespace qv

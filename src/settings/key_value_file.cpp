#include "settings/key_value_file.h"

#include <string>
#include <unordered_set>

#include "text/leading_integer.h"
#include "text/text_lines.h"
#include "settings/settings_table.h"

namespace qv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// One setting line as the reading rules see it.
struct SettingLine {
  std::string_view key;
  std::string_view value;  // after the "=" and its blanks and tabs, to the line end
};

// Reads one line (without its line end). False for lines that hold no
// setting: blank lines and comments. `group` is set for a group line.
bool ReadLine(std::string_view line, SettingLine& setting, bool& group) {
  std::size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) ++start;
  line.remove_prefix(start);
  // A line of nothing but blanks and tabs counts as a blank line.
  if (line.empty() || line.front() == ';') return false;
  if (line.front() == '[') {
    group = true;
    return false;
  }
  const std::size_t equals = line.find('=');
  std::string_view key = line.substr(0, equals);
  while (!key.empty() && IsBlank(key.back())) key.remove_suffix(1);
  // A line without "=" is a key with an empty value, whichever line ends
  // the file uses: lines are split at CR and LF alike, so nothing else
  // could tell the styles apart.
  std::string_view value;
  if (equals != std::string_view::npos) {
    value = line.substr(equals + 1);
    std::size_t skip = 0;
    while (skip < value.size() && IsBlank(value[skip])) ++skip;
    value.remove_prefix(skip);
  }
  setting = {key, value};
  return true;
}

// Calls `visit(setting)` for each setting line of `text` in
// order, until it returns false or a group line comes. Returns the offset at
// which the visible text ends (the group line's start, or the end).
template <typename Visit>
std::size_t ForEachSetting(std::string_view text, Visit&& visit) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (IsLineEnd(text[pos])) {
      ++pos;
      continue;
    }
    std::size_t end = pos;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    SettingLine setting;
    bool group = false;
    if (ReadLine(text.substr(pos, end - pos), setting, group)) {
      if (!visit(setting)) return text.size();
    } else if (group) {
      return pos;
    }
    pos = end;
  }
  return text.size();
}

}  // namespace

std::size_t KeyValueFile::KeyHash::operator()(std::string_view key) const {
  // FNV-1a over the lower-cased bytes.
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : key) {
    hash ^= static_cast<unsigned char>(AsciiLower(c));
    hash *= 1099511628211ull;
  }
  return static_cast<std::size_t>(hash);
}

bool KeyValueFile::KeyEqual::operator()(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

bool KeyValueFile::IsSettingKey(std::string_view key) {
  static const std::unordered_set<std::string_view, KeyHash, KeyEqual> keys = [] {
    std::unordered_set<std::string_view, KeyHash, KeyEqual> all;
    for (const SettingSpec& row : AllSettings()) all.insert(row.key);
    return all;
  }();
  return keys.count(key) != 0;
}

KeyValueFile KeyValueFile::Parse(std::string_view bytes) {
  KeyValueFile file;
  SkipByteOrderMark(bytes);
  file.bytes_ = std::make_shared<const std::string>(bytes);
  const std::string_view text = *file.bytes_;
  const std::size_t visibleEnd = ForEachSetting(text, [&file](const SettingLine& line) {
    if (IsSettingKey(line.key)) file.index_.try_emplace(line.key, line.value);  // keeps an earlier occurrence
    return true;
  });
  file.visible_ = text.substr(0, visibleEnd);
  return file;
}

std::optional<std::string> KeyValueFile::FindValue(std::string_view key) const {
  if (written_) {
    const Entry* entry = Find(key);
    if (!entry) return std::nullopt;
    return entry->value;
  }
  std::optional<std::string_view> raw;
  const auto indexed = index_.find(key);
  if (indexed != index_.end()) {
    raw = indexed->second;
  } else if (!IsSettingKey(key)) {
    ForEachSetting(visible_, [&](const SettingLine& line) {
      if (!KeyEqual{}(line.key, key)) return true;
      raw = line.value;
      return false;
    });
  }
  if (!raw) return std::nullopt;
  return std::string(*raw);
}

std::int32_t KeyValueFile::ReadNumber(std::string_view key, std::int32_t fallback) const {
  const std::optional<std::string> value = FindValue(key);
  return value ? LeadingInteger(*value) : fallback;
}

std::string KeyValueFile::ReadText(std::string_view key, std::string_view fallback) const {
  const std::optional<std::string> value = FindValue(key);
  return std::string(value ? Trim(*value) : fallback);
}

bool KeyValueFile::Has(std::string_view key) const { return FindValue(key).has_value(); }

const KeyValueFile::Entry* KeyValueFile::Find(std::string_view key) const {
  for (const Entry& entry : entries_) {
    if (KeyEqual{}(entry.key, key)) return &entry;
  }
  return nullptr;
}

KeyValueFile::Entry* KeyValueFile::Find(std::string_view key) {
  return const_cast<Entry*>(static_cast<const KeyValueFile*>(this)->Find(key));
}

void KeyValueFile::Materialize() {
  if (written_) return;
  written_ = true;
  ForEachSetting(visible_, [this](const SettingLine& line) {
    entries_.push_back({std::string(line.key), std::string(line.value)});
    return true;
  });
  index_.clear();
  visible_ = {};
  bytes_.reset();
}

void KeyValueFile::WriteNumber(std::string_view key, std::int32_t value) {
  WriteText(key, std::to_string(value));
}

void KeyValueFile::WriteText(std::string_view key, std::string_view value) {
  Materialize();
  if (Entry* entry = Find(key)) {
    entry->value = std::string(value);
  } else {
    entries_.push_back({std::string(key), std::string(value)});
  }
}

std::string KeyValueFile::Serialize() const {
  std::string out;
  const auto append = [&out](std::string_view key, std::string_view value) {
    out.append(key).append(kKeyValueSeparator).append(value).append("\r\n");
  };
  if (written_) {
    for (const Entry& entry : entries_) append(entry.key, entry.value);
  } else {
    ForEachSetting(visible_, [&](const SettingLine& line) {
      append(line.key, line.value);
      return true;
    });
  }
  return out;
}

}  // namespace qv

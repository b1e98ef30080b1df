#pragma once
// Key = value files: the format of every config and of the state file.
//
// Reading rules: an optional UTF-8 byte-order mark is skipped (the bytes are
// UTF-8 text, see text/file_text.h); lines split at runs of CR and LF; leading blanks and tabs
// skipped; ";" starts a comment line; the first "[" line hides every line
// after it; the key runs to the first "=" (blanks and tabs before it
// dropped), the value from after the "=" and its blanks and tabs to the end
// of the line. Keys match without regard to ASCII letter case; the first
// occurrence counts.
//
// Write format: "key = value" CR LF per setting, in insertion order.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qv {

// Between a key and its value in a written line.
inline constexpr std::string_view kKeyValueSeparator = " = ";

class KeyValueFile {
 public:
  // Parses file bytes by the reading rules.
  static KeyValueFile Parse(std::string_view bytes);

  // The value's leading integer when the key is found (an empty or
  // non-numeric value gives 0, not the fallback), else `fallback`.
  std::int32_t ReadNumber(std::string_view key, std::int32_t fallback) const;
  // The value without leading and trailing blanks and tabs when the
  // key is found, else `fallback`.
  std::string ReadText(std::string_view key, std::string_view fallback) const;
  bool Has(std::string_view key) const;

  // Sets a key: replaces the value of an existing key (compared without
  // case), else appends a line.
  void WriteNumber(std::string_view key, std::int32_t value);
  void WriteText(std::string_view key, std::string_view value);

  // The whole list in the write format.
  std::string Serialize() const;

 private:
  struct Entry {
    std::string key;
    std::string value;  // as after the "=" and its blanks, untrimmed
  };
  struct KeyHash {
    std::size_t operator()(std::string_view key) const;
  };
  struct KeyEqual {
    bool operator()(std::string_view a, std::string_view b) const;
  };

  // The value as it stands after the "=" and its blanks and tabs; nullopt
  // when the key is not found.
  std::optional<std::string> FindValue(std::string_view key) const;
  const Entry* Find(std::string_view key) const;
  Entry* Find(std::string_view key);
  // Turns the parsed bytes into the editable list before the first write.
  void Materialize();

  // True for the keys of the settings table.
  static bool IsSettingKey(std::string_view key);

  // Parsed form: the bytes after any byte-order mark (shared, so that views
  // into them survive copies and moves), the part before the first group
  // line, and the first occurrence of every setting key. Only the settings
  // are indexed, so the index stays small whatever a file holds; any other
  // key is found by a scan.
  std::shared_ptr<const std::string> bytes_;
  std::string_view visible_;
  std::unordered_map<std::string_view, std::string_view, KeyHash, KeyEqual> index_;

  // Written form: once anything is written, the list of settings.
  bool written_ = false;
  std::vector<Entry> entries_;
};

}  // namespace qv

#pragma once
// The 60 settings that a config file stores, one row each, in the order a
// config is written: key, kind, format, the control that holds the value, the
// built-in default with its line in the built-in text, the value a load gives
// when the key is missing, and the limits applied on load and on the form.
// Loading, saving, the built-in text and both limits are made from this
// table alone.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "form/control_table.h"

namespace qv {

enum class SettingKind : std::uint8_t { Number, Text };

// What a setting's value is, as a batch line takes it.
enum class ValueFormat : std::uint8_t {
  Choice,     // a check mark, a list index or a slider position
  Integer,    // a whole number
  Fraction,   // a number that may have a decimal point
  Matrix,     // "flat", "jvt" or a matrix file
  ListEntry,  // the name of an entry of its list
};

enum class LimitKind : std::uint8_t {
  None,
  Integer,    // leading integer compared with lo..hi
  RateValue,  // 0 up to the rate limit of the mode that was loaded
  Fraction,   // decimal fraction compared with lo..hi
};

struct Limit {
  LimitKind kind;
  int lo, hi;
};

struct SettingSpec {
  const char* key;
  SettingKind kind;
  ValueFormat format;
  ControlId control;
  const char* builtIn;    // value in the built-in default text, or nullptr
  int builtInLine;        // its line there, from 1 (0: not in the built-in text)
  const char* ifMissing;  // value a load gives when the key is missing
  Limit onLoad;
  Limit onForm;
  // A config without it is no less whole: the setting came after configs
  // were first written, or belongs to the machine (the include script)
  // rather than to the config.
  bool mayBeMissing = false;
};

inline constexpr std::size_t kSettingCount = 60;

// All settings in write order.
const std::array<SettingSpec, kSettingCount>& AllSettings();

// The row of the setting that `control` holds; only for a control that holds one.
const SettingSpec& SettingOf(ControlId control);
std::optional<SettingSpec> FindSetting(std::string_view key);  // exact key

// The built-in default text: "key = value" lines in their built-in order,
// joined by CR LF, with no line end after the last.
std::string_view DefaultConfigText();

}  // namespace qv

#pragma once
// The 58 settings that a config file stores, in write order: key, kind, the
// control that holds the value, the built-in default, the value a load gives
// when the key is missing, and the limits applied on load and on the form.

#include <cstddef>
#include <optional>
#include <string_view>

#include "form/control_table.h"

namespace qv {

enum class SettingKind : std::uint8_t { Number, Text };

enum class LimitKind : std::uint8_t {
  None,
  Integer,    // leading integer compared with lo..hi
  RateValue,  // 0..51 in modes 1 and 2, 0..8000 otherwise
  Fraction,   // decimal fraction compared with lo..hi
};

struct Limit {
  LimitKind kind;
  int lo, hi;
};

struct SettingSpec {
  const char* key;
  SettingKind kind;
  ControlId control;
  const char* builtIn;    // value in the built-in default text, or nullptr
  const char* ifMissing;  // value a load gives when the key is missing
  Limit onLoad;
  Limit onForm;
};

inline constexpr std::size_t kSettingCount = 58;

// All settings in write order.
const SettingSpec* AllSettings();
std::optional<SettingSpec> FindSetting(std::string_view key);  // exact key

// The built-in default text: 43 lines joined by CR LF, no line end after the
// last; 403 bytes.
std::string_view DefaultConfigText();

}  // namespace qv

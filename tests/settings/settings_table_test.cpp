#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qv {
namespace {

TEST(SettingsTable, FiftyEightKeysInWriteOrder) {
  const SettingSpec* all = AllSettings();
  EXPECT_STREQ(all[0].key, "upstat");
  EXPECT_STREQ(all[27].key, "crelog");
  EXPECT_STREQ(all[28].key, "cqm");
  EXPECT_STREQ(all[57].key, "minsize");
  int numbers = 0;
  std::set<std::string> keys;
  std::set<ControlId> controls;
  for (std::size_t i = 0; i < kSettingCount; ++i) {
    numbers += all[i].kind == SettingKind::Number;
    EXPECT_TRUE(keys.insert(all[i].key).second) << all[i].key;
    EXPECT_TRUE(controls.insert(all[i].control).second) << all[i].key;
    // Numbers come first: a config writes all 28 before the 30 texts.
    EXPECT_EQ(all[i].kind == SettingKind::Number, i < 28) << all[i].key;
  }
  EXPECT_EQ(numbers, 28);
}

TEST(SettingsTable, BuiltInTextHoldsExactlyTheBuiltInColumn) {
  const std::string_view text = DefaultConfigText();
  EXPECT_EQ(text.size(), 403u);
  EXPECT_EQ(text.substr(text.size() - 9), "muxer = 0");
  std::size_t lines = 0;
  for (std::size_t i = 0; i < kSettingCount; ++i) {
    const SettingSpec& spec = AllSettings()[i];
    if (!spec.builtIn) continue;
    ++lines;
    const std::string line = std::string(spec.key) + " = " + spec.builtIn;
    const bool first = text.substr(0, line.size() + 2) == line + "\r\n";
    const bool middle = text.find("\n" + line + "\r") != std::string_view::npos;
    const bool last = text.substr(text.size() - line.size() - 1) == "\n" + line;
    EXPECT_TRUE(first || middle || last) << line;
  }
  EXPECT_EQ(lines, 43u);
}

}  // namespace
}  // namespace qv

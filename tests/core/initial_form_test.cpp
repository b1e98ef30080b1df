// The settings table alone says what a setting starts as. Values kept in the
// control table as well once drifted apart from it, so that a fresh form
// and "Load Default" disagreed.

#include <gtest/gtest.h>

#include <string>

#include "form/control_table.h"
#include "form/form.h"
#include "settings/config_io.h"
#include "settings/settings_table.h"

namespace qv {
namespace {

TEST(InitialForm, ControlTableHoldsNoSettingValue) {
  for (const SettingSpec& setting : AllSettings()) {
    SCOPED_TRACE(setting.key);
    const ControlSpec& row = ControlRow(setting.control);
    if (row.kind != ControlKind::CheckBox) {
      EXPECT_STREQ(row.text, "");
    }
    EXPECT_EQ(row.state, HasSelection(row.kind) ? -1 : 0);
  }
}

TEST(InitialForm, StartsAsTheDefaultsLoadWithoutEvents) {
  const Form initial = InitialForm();
  EXPECT_FALSE(initial.HasEvents());
  Form loaded;
  LoadConfigText(loaded, DefaultConfigText());
  EXPECT_EQ(ConfigText(initial), ConfigText(loaded));
  // The ones whose control rows once said otherwise.
  EXPECT_EQ(initial.Number(ControlId::Trellis), 0);
  EXPECT_EQ(initial.Number(ControlId::DirectMode), 0);
  for (const ControlId box : {ControlId::FastPSkip, ControlId::DctDecimate, ControlId::CreateLog}) {
    EXPECT_EQ(initial.Number(box), 1);
  }
  EXPECT_EQ(initial.Text(ControlId::Matrix), "flat");
  EXPECT_EQ(initial.Number(ControlId::Matrix), 0);
}

}  // namespace
}  // namespace qv

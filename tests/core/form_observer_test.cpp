// The window follows the form through its observer: a notice that changes
// nothing costs a repaint (and, for an edit field, a text-changed message
// that would come back as an event), so only real changes are told.

#include <gtest/gtest.h>

#include <vector>

#include "form/form.h"

namespace qv {
namespace {

struct Notices : FormObserver {
  std::vector<char> seen;
  void OnTextChanged(ControlId) override { seen.push_back('t'); }
  void OnValueChanged(ControlId) override { seen.push_back('v'); }
  void OnEnabledChanged(ControlId) override { seen.push_back('e'); }
  void OnVisibleChanged(ControlId) override { seen.push_back('s'); }
  void OnItemsInserted(ControlId, int, int) override { seen.push_back('i'); }
  void OnItemRemoved(ControlId, int) override { seen.push_back('r'); }
  void OnItemsCleared(ControlId) override { seen.push_back('c'); }
};

TEST(FormObserver, IsToldOfChangesOnly) {
  Form form;
  Notices notices;
  form.SetObserver(&notices);
  const std::string text = form.Text(ControlId::Bias);
  const bool enabled = form.Enabled(ControlId::Bias);
  const int position = form.Number(ControlId::BiasSlider);

  form.SetText(ControlId::Bias, text);
  form.SetEnabled(ControlId::Bias, enabled);
  form.SetNumber(ControlId::BiasSlider, position);
  EXPECT_TRUE(notices.seen.empty());

  form.SetText(ControlId::Bias, text + "1");
  form.SetEnabled(ControlId::Bias, !enabled);
  form.SetNumber(ControlId::BiasSlider, position + 1);
  EXPECT_EQ(notices.seen, (std::vector<char>{'t', 'e', 'v'}));
}

}  // namespace
}  // namespace qv

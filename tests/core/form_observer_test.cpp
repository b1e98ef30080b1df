// The window follows the form through its observer: a notice that changes
// nothing costs a repaint (and, for an edit field, a text-changed message
// that would come back as an event), so only real changes are told.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "form/form.h"

namespace qv {
namespace {

struct Notices : FormObserver {
  std::vector<char> seen;
  std::vector<std::pair<int, int>> places;  // of inserted items (first, count) and removed ones (index, 0)
  void OnTextChanged(ControlId) override { seen.push_back('t'); }
  void OnValueChanged(ControlId) override { seen.push_back('v'); }
  void OnEnabledChanged(ControlId) override { seen.push_back('e'); }
  void OnVisibleChanged(ControlId) override { seen.push_back('s'); }
  void OnItemsInserted(ControlId, int first, int count) override {
    seen.push_back('i');
    places.push_back({first, count});
  }
  void OnItemRemoved(ControlId, int index) override {
    seen.push_back('r');
    places.push_back({index, 0});
  }
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

// The list view inserts and removes rows where the notice says: one place
// off shows a line at the wrong row or reads past the end of the list.
TEST(FormObserver, IsToldWhereItemsGoAndGo) {
  Form form;
  Notices notices;
  form.SetObserver(&notices);
  form.AddItem(ControlId::JobList, "a");
  form.AddItem(ControlId::JobList, "b");
  form.AddItems(ControlId::JobList, {"c", "d", "e"});
  form.AddItems(ControlId::JobList, {});
  form.InsertItem(ControlId::JobList, 9, "f");
  form.InsertItem(ControlId::JobList, 1, "g");
  form.RemoveItem(ControlId::JobList, 6);
  form.RemoveItem(ControlId::JobList, 7);
  EXPECT_EQ(notices.places, (std::vector<std::pair<int, int>>{{0, 1}, {1, 1}, {2, 3}, {5, 1}, {1, 1}, {6, 0}}));
  EXPECT_EQ(form.Items(ControlId::JobList), (std::vector<std::string>{"a", "g", "b", "c", "d", "e"}));
}

}  // namespace
}  // namespace qv

#include "form/form.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

// The mode and subpel texts are checked through the batch and the options they give.
TEST(ControlTable, FixedListsHoldTheirTexts) {
  EXPECT_EQ(ModeItems().count, 14u);
  EXPECT_EQ(AudioEncoderItems().count, 7u);
  EXPECT_EQ(ItemText(AudioEncoderItems(), 6), " |-sse2");
  EXPECT_EQ(ItemText(MuxerItems(), 4), "Audio Only");
  EXPECT_EQ(ItemText(MethodItems(), -1), "");
  EXPECT_EQ(ItemText(DirectItems(), 3), "");
}

// Start-up values that no obvious default would give.
TEST(Form, StartsInTheTablesInitialState) {
  Form form;
  EXPECT_EQ(form.Text(ControlId::Mode), "Single Pass - Quantizer");
  EXPECT_EQ(form.Number(ControlId::Trellis), -1);
  EXPECT_EQ(form.Text(ControlId::Trellis), "");
  EXPECT_FALSE(form.Enabled(ControlId::UpdateStats));
  EXPECT_EQ(form.Number(ControlId::UpdateStats), 1);
  EXPECT_FALSE(form.HasEvents());
}

// Only writing an edit field queues an event, even with unchanged text; user
// actions queue theirs in order.
TEST(Form, EventsComeFromEditWritesAndUserActionsInOrder) {
  Form form;
  form.SetText(ControlId::Value, "30");
  form.SetText(ControlId::Value, "30");
  form.SetText(ControlId::RateCaption, "Average Bitrate");
  form.SetText(ControlId::Matrix, "jvt");
  form.SetNumber(ControlId::A1, 0);
  form.SetNumber(ControlId::Mode, 5);
  form.SetEnabled(ControlId::Vbr, true);
  form.AddItem(ControlId::JobList, "line");
  form.UserClick(ControlId::A1);
  form.UserSelect(ControlId::Mode, 0);
  form.UserType(ControlId::Kfb, "900");
  form.UserSlide(ControlId::Strength, 20);
  form.UserLeave(ControlId::Bias);
  const std::vector<FormEvent> expected = {
      {ControlId::Value, EventKind::TextChange}, {ControlId::Value, EventKind::TextChange},
      {ControlId::A1, EventKind::Click},         {ControlId::Mode, EventKind::SelectionChange},
      {ControlId::Kfb, EventKind::TextChange},   {ControlId::Strength, EventKind::Scroll},
      {ControlId::Bias, EventKind::FocusLoss}};
  std::vector<FormEvent> events;
  while (const std::optional<FormEvent> event = form.PopEvent()) events.push_back(*event);
  EXPECT_EQ(events, expected);
  EXPECT_EQ(form.Number(ControlId::A1), 1);
  EXPECT_EQ(form.Number(ControlId::Strength), 12);
}

TEST(Form, NumbersFollowTheKindOfControl) {
  struct Case {
    ControlId id;
    int set;
    int expected;
  };
  const Case cases[] = {
      {ControlId::A4, 7, 1},          {ControlId::A4, 0, 0},          {ControlId::Mode, 13, 13},
      {ControlId::Mode, 14, -1},      {ControlId::Mode, -5, -1},      {ControlId::Strength, -3, 0},
      {ControlId::Strength, 13, 12},  {ControlId::BiasSlider, 250, 200},
      {ControlId::Trellis, 2, 2},     {ControlId::IncludeScript, 0, -1},
  };
  for (const Case& c : cases) {
    Form form;
    form.SetNumber(c.id, c.set);
    EXPECT_EQ(form.Number(c.id), c.expected) << ControlName(c.id) << " " << c.set;
  }
}

TEST(Form, ListOperationsKeepTheSelectionOnItsItem) {
  Form form;
  form.AddItems(ControlId::JobList, {"a", "b", "c"});
  form.Select(ControlId::JobList, 1);
  form.InsertItem(ControlId::JobList, 0, "x");
  EXPECT_EQ(form.Selection(ControlId::JobList), 2);
  EXPECT_EQ(form.Text(ControlId::JobList), "b");
  form.RemoveItem(ControlId::JobList, 0);
  EXPECT_EQ(form.Selection(ControlId::JobList), 1);
  form.RemoveItem(ControlId::JobList, 1);
  EXPECT_EQ(form.Selection(ControlId::JobList), -1);
  EXPECT_EQ(form.Items(ControlId::JobList), (std::vector<std::string>{"a", "c"}));
  // Clearing an editable combo drops its typed text too.
  form.AddItem(ControlId::ConfigName, "hq");
  form.SetText(ControlId::ConfigName, "typed");
  form.ClearItems(ControlId::ConfigName);
  EXPECT_EQ(form.Text(ControlId::ConfigName), "");
  EXPECT_EQ(form.ItemCount(ControlId::ConfigName), 0);
}

}  // namespace
}  // namespace qv

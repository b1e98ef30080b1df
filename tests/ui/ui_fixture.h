#pragma once
// A started program on the fake platform, with helpers that act as a user
// does and let the event loop run afterwards.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "ui/app.h"

namespace qv {

class UiTest : public testing::Test {
 protected:
  // The program file lies in its folder, so that folder always exists.
  void SetUp() override { fake_.files.AddFolder("C:\\Q"); }

  // Start-up with whatever the test has put in place; forgets its dialogs.
  void Start() {
    StartUp(app_);
    fake_.dialogs.calls.clear();
  }

  void Type(ControlId id, const std::string& text) { form_.UserType(id, text); RunPendingEvents(app_); }
  void Click(ControlId id) { form_.UserClick(id); RunPendingEvents(app_); }
  void Choose(ControlId id, int index) { form_.UserSelect(id, index); RunPendingEvents(app_); }
  void Slide(ControlId id, int position) { form_.UserSlide(id, position); RunPendingEvents(app_); }
  void Leave(ControlId id) { form_.UserLeave(id); RunPendingEvents(app_); }
  void SetJobLines(const std::vector<std::string>& lines, int selected) {
    form_.ClearItems(ControlId::JobList);
    form_.AddItems(ControlId::JobList, lines);
    form_.Select(ControlId::JobList, selected);
  }

  platform::FakePlatform fake_;
  Form form_;
  App app_{form_, fake_.platform};
};

}  // namespace qv

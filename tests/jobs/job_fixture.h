#pragma once
// A form at its built-in defaults, on the fake system with the program
// folder C:\Q\ and its working folders.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form.h"
#include "platform/fake/fake_platform.h"
#include "settings/config_io.h"

namespace qv {

class JobFixture : public ::testing::Test {
 protected:
  JobFixture() {
    for (const char* folder :
         {"C:", "D:", "E:", "C:\\Q", "C:\\Q\\avs", "C:\\Q\\stats", "C:\\Q\\log", "C:\\Q\\avsinc", "D:\\v"}) {
      fake.files.AddFolder(folder);
    }
    LoadBuiltInDefaults(form, platform);
    form.SetNumber(ControlId::CreateLog, 1);
    form.ClearEvents();
    fake.files.writeCount = 0;
  }

  void UseIncludeScripts(const std::vector<std::string>& names, int selected) {
    form.ClearItems(ControlId::IncludeScript);
    form.AddItems(ControlId::IncludeScript, names);
    form.Select(ControlId::IncludeScript, selected);
  }

  // A dialog asked for, as "kind|title|default name|filter".
  std::string Dialog(std::size_t i) const {
    const auto& c = fake.dialogs.calls.at(i);
    return c.kind + "|" + c.title + "|" + c.defaultName + "|" + c.filter;
  }

  const std::vector<std::string>& Jobs() const { return form.Items(ControlId::JobList); }

  platform::FakePlatform fake;
  const platform::Platform& platform = fake.platform;
  Form form;
};

}  // namespace qv
